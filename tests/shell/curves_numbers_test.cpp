#include "shell_fixture.h"

#include "property_curves_ui/curves_table_model.h"
#include "property_curves_ui/curves_window.h"
#include "shell/main_frame.h"
#include "shell/property_curves_frame.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <deque>
#include <ostream>
#include <utility>
#include <vector>

namespace viskora::testing {
namespace {

enum class Outcome { Read, RefusedByName, RefusedBySweep };

// Texts typed into the curves window's boxes and what Calculate makes of
// them: the number the sweep reads, or a refusal that keeps the table.
struct TypedNumbers {
    const char* name;
    std::vector<std::pair<const char*, const char*>> typed; // box, text
    Outcome outcome;
    // Read: the number the sweep reads, as `readBack` finds it. Refused: a
    // text the message box (by name) or the status line (by the sweep) holds.
    double value;
    double (*readBack)(const SweepResult&);
    const char* named;
};

void PrintTo(const TypedNumbers& row, std::ostream* out) {
    *out << row.name;
}

double secondTemperature(const SweepResult& r) {
    return r.points.at(1).temperature;
}

double firstPressure(const SweepResult& r) {
    return r.points.at(0).pressure;
}

// The anchored line at 40 deg.C, the measured temperature of these rows.
double anchoredAt40(const SweepResult& r) {
    return r.anchor ? r.anchor->viscosityAt(313.15).value_or(0) : 0;
}

class CurvesBoxes : public ShellTest {
  protected:
    // A curves window that has swept 0 to 50 deg.C by 10.
    CurvesWindow& sweptWindow() {
        start();
        trigger("actionNewCurves");
        CurvesWindow& window = frame().activeCurves()->window();
        type(window, {{"from", "0"}, {"to", "50"}, {"step", "10"}});
        EXPECT_TRUE(calculate(window));
        return window;
    }

    static void type(CurvesWindow& window,
                     const std::vector<std::pair<const char*, const char*>>& typed) {
        for (const auto& [name, text] : typed) {
            auto* box = window.findChild<QLineEdit*>(QString::fromLatin1(name));
            ASSERT_NE(box, nullptr) << name;
            box->setText(QString::fromLatin1(text));
        }
    }

    // Clicks Calculate; true when a sweep ran and ended.
    bool calculate(CurvesWindow& window) {
        bool finished = false;
        const auto connection = QObject::connect(&window, &CurvesWindow::sweepFinished, &window,
                                                 [&] { finished = true; });
        auto* button = window.findChild<QPushButton*>(QStringLiteral("calculate"));
        button->click();
        // A sweep that started keeps the button off until its end reaches the window.
        const bool ran = !button->isEnabled() && waitFor([&] { return finished; }, 30000);
        QObject::disconnect(connection);
        return ran;
    }
};

class CurvesNumbers : public CurvesBoxes, public ::testing::WithParamInterface<TypedNumbers> {};

std::vector<double> temperatures(const CurvesTableModel& model) {
    std::vector<double> shown;
    for (const SweepPoint& point : model.sweep().points) {
        shown.push_back(point.temperature);
    }
    return shown;
}

// A comma is a decimal point, as in the forms' boxes; a text that is not
// a number is refused with a box naming the box, and a refused Calculate
// keeps the table of the last sweep.
TEST_P(CurvesNumbers, AreReadAsTheFormsReadThem) {
    const TypedNumbers& row = GetParam();
    MessageBoxScript answers(std::deque<QMessageBox::StandardButton>(8, QMessageBox::Yes));
    CurvesWindow& window = sweptWindow();
    const std::vector<double> before = temperatures(window.model());
    ASSERT_EQ(before.size(), 6u);

    type(window, row.typed);
    const qsizetype earlier = answers.texts.size();
    const bool ran = calculate(window);
    const QStringList boxes = answers.texts.mid(earlier);
    const QString status = window.findChild<QLabel*>(QStringLiteral("status"))->text();
    switch (row.outcome) {
    case Outcome::Read:
        ASSERT_TRUE(ran);
        EXPECT_DOUBLE_EQ(row.readBack(window.model().sweep()), row.value);
        break;
    case Outcome::RefusedByName:
        EXPECT_FALSE(ran);
        ASSERT_EQ(boxes.size(), 1) << status.toStdString();
        EXPECT_TRUE(boxes.front().contains(QString::fromLatin1(row.named)))
            << boxes.front().toStdString();
        EXPECT_TRUE(boxes.front().contains(QString::fromLatin1(row.typed.back().second)))
            << boxes.front().toStdString();
        EXPECT_EQ(temperatures(window.model()), before);
        break;
    case Outcome::RefusedBySweep:
        EXPECT_TRUE(ran);
        EXPECT_TRUE(status.contains(QString::fromLatin1(row.named))) << status.toStdString();
        EXPECT_EQ(temperatures(window.model()), before);
        break;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CurvesNumbers,
    ::testing::Values(
        TypedNumbers{
            "StepWithAComma", {{"step", "12,5"}}, Outcome::Read, 12.5, secondTemperature, ""},
        TypedNumbers{
            "SmallStepWithAComma", {{"step", "0,9"}}, Outcome::Read, 0.9, secondTemperature, ""},
        TypedNumbers{"DesignPressureWithAComma",
                     {{"designPressure", "0,9"}},
                     Outcome::Read,
                     0.9,
                     firstPressure,
                     ""},
        TypedNumbers{"MeasuredWithAComma",
                     {{"measuredTemp1", "40"}, {"measured1", "1,5"}},
                     Outcome::Read,
                     1.5,
                     anchoredAt40,
                     ""},
        TypedNumbers{
            "LettersInTheStep", {{"step", "3OO"}}, Outcome::RefusedByName, 0, nullptr, "Step"},
        TypedNumbers{"LettersInTheDensity",
                     {{"density", "85O"}},
                     Outcome::RefusedByName,
                     0,
                     nullptr,
                     "Density"},
        TypedNumbers{
            "TwoPointsInTheFrom", {{"from", "1.5.2"}}, Outcome::RefusedByName, 0, nullptr, "From"},
        TypedNumbers{"ZeroStep", {{"step", "0"}}, Outcome::RefusedBySweep, 0, nullptr, "step"}),
    [](const ::testing::TestParamInfo<TypedNumbers>& info) { return info.param.name; });

} // namespace
} // namespace viskora::testing
