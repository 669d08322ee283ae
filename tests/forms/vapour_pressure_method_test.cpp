#include "engine/bubble_point_note.h"
#include "engine/calculation.h"
#include "forms/complex_oil_view.h"
#include "forms/method_box.h"
#include "forms/simple_oil_view.h"
#include "message_box_answerer.h"
#include "units/number_text.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <cstddef>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <tuple>

namespace viskora {
namespace {

constexpr int kPropaneRow = static_cast<int>(LightEnd::Propane);
constexpr int kKiloPascal = 2; // "kPa (kN/m2)" in the pressure unit list

struct MethodCase {
    bool additional;
    VapourPressureMethod method;
};

std::string caseName(const MethodCase& row) {
    return std::string(row.additional ? "Additional" : "Basic") +
           (row.method == VapourPressureMethod::NarrowCuts ? "NarrowCuts" : "AverageBoilingPoint");
}

void PrintTo(const MethodCase& row, std::ostream* out) {
    *out << caseName(row);
}

// A new form of either kind after its initial update.
struct AnyForm {
    std::unique_ptr<CSimpleOilView> basic;
    std::unique_ptr<CComplexOilView> complex;
    OilFormView* view = nullptr;

    explicit AnyForm(bool additional) {
        if (additional) {
            view = (complex = std::make_unique<CComplexOilView>()).get();
        } else {
            view = (basic = std::make_unique<CSimpleOilView>()).get();
        }
        view->initialUpdate();
    }

    QComboBox& methodBox() const {
        return *qobject_cast<QComboBox*>(view->control(QStringLiteral("vapourPressureMethod")));
    }
    void choose(VapourPressureMethod method) const {
        const int entry = methodBox().findData(static_cast<int>(method));
        methodBox().setCurrentIndex(entry);
        emit methodBox().activated(entry);
    }
    // Whether the form shows what only results by narrow cuts have: the
    // basic form's note beside the vapour pressure, the additional form's
    // bubble point (its row is empty and disabled otherwise).
    bool showsCutsResult() const {
        if (!complex) {
            return !view->control(QStringLiteral("vapourPressureMethodNote"))->isHidden();
        }
        const bool enabled = view->control(QStringLiteral("bubblePointRow"))->isEnabled();
        const QString value =
            qobject_cast<QLineEdit*>(view->control(QStringLiteral("bubblePoint")))->text();
        EXPECT_EQ(enabled, !value.isEmpty());
        return enabled;
    }
    void calculate() const {
        testing::MessageBoxAnswerer answerer;
        view->calculate();
    }
};

// The engine's figure the form must show for its default oil with 0.5 %
// propane: the basic form's vapour pressure, the additional form's bubble
// point (0 unless by narrow cuts).
double engineFigure(bool additional, VapourPressureMethod method) {
    OilInputs oil;
    oil.density = 702.7;
    oil.densityTemp = 20;
    oil.designTemp = 50;
    oil.designPressure = 0.3;
    oil.vapourPressureMethod = method;
    oil.lightEnds = {{LightEnd::Propane, 0.5}};
    if (!additional) {
        const BasicOutcome outcome = calculateBasic(oil);
        EXPECT_EQ(outcome.status, CalcOutcome::Completed);
        return outcome.results.atReference.vapourPressure;
    }
    const AdditionalOutcome outcome = calculateAdditional(oil);
    EXPECT_EQ(outcome.status, CalcOutcome::Completed);
    return outcome.results.bubblePointPressure;
}

class VapourPressureChoice : public ::testing::TestWithParam<MethodCase> {};

// The choice and the light ends reach the record and the engine; the light
// ends can be typed only by narrow cuts but keep their texts either way; what
// only results by narrow cuts show appears with such results, and another
// choice clears the results, which were the other method's.
TEST_P(VapourPressureChoice, ReachesTheRecordAndTheEngineAndCutsResultsFollowIt) {
    const auto [additional, method] = GetParam();
    ASSERT_NE(engineFigure(additional, VapourPressureMethod::AverageBoilingPoint),
              engineFigure(additional, VapourPressureMethod::NarrowCuts));
    const AnyForm form(additional);
    QWidget* lightEnds = form.view->control(QStringLiteral("lightEnds"));
    EXPECT_EQ(selectedMethod<VapourPressureMethod>(form.methodBox()),
              VapourPressureMethod::AverageBoilingPoint);
    EXPECT_FALSE(lightEnds->isEnabled());
    EXPECT_FALSE(form.showsCutsResult());

    QSignalSpy modified(form.view, &OilFormView::documentModified);
    form.choose(VapourPressureMethod::NarrowCuts);
    EXPECT_TRUE(lightEnds->isEnabled());
    LightEndTableModel& table = form.view->lightEndTable();
    table.setData(table.index(kPropaneRow, 0), QStringLiteral("0.5"), Qt::EditRole);
    EXPECT_EQ(modified.count(), 2);
    form.choose(method);
    EXPECT_EQ(lightEnds->isEnabled(), method == VapourPressureMethod::NarrowCuts);

    form.calculate();
    const auto& [recordMethod, recordLightEnds] =
        additional
            ? std::tie(form.complex->record().vapourPressureMethod,
                       form.complex->record().lightEnds)
            : std::tie(form.basic->record().vapourPressureMethod, form.basic->record().lightEnds);
    EXPECT_EQ(recordMethod, method);
    EXPECT_EQ(recordLightEnds[kPropaneRow], "0.5");
    EXPECT_DOUBLE_EQ(additional ? form.complex->record().bubblePointBase
                                : form.basic->record().resVapourBase,
                     engineFigure(additional, method));
    const bool byCuts = method == VapourPressureMethod::NarrowCuts;
    EXPECT_EQ(form.showsCutsResult(), byCuts);

    modified.clear();
    form.choose(byCuts ? VapourPressureMethod::AverageBoilingPoint
                       : VapourPressureMethod::NarrowCuts);
    EXPECT_EQ(modified.count(), 1);
    EXPECT_FALSE(form.showsCutsResult());
    EXPECT_EQ(additional ? form.complex->record().bubblePointBase
                         : form.basic->record().resVapourBase,
              0);
    EXPECT_EQ(table.text(kPropaneRow), QStringLiteral("0.5"));

    form.choose(method);
    form.calculate();
    form.view->show();
    EXPECT_LE(form.methodBox().sizeHint().width(), form.methodBox().width());
    const auto* label = form.view->findChild<QLabel*>(QStringLiteral("vapourPressureMethodLabel"));
    EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width());
    const auto* note = form.view->findChild<QLabel*>(QStringLiteral("vapourPressureMethodNote"));
    if (note != nullptr && byCuts) {
        EXPECT_EQ(note->text(), methodText(VapourPressureMethod::NarrowCuts));
        EXPECT_LE(note->fontMetrics().horizontalAdvance(note->text()), note->width());
    }
}

INSTANTIATE_TEST_SUITE_P(
    BothFormsBothMethods, VapourPressureChoice,
    ::testing::Values(MethodCase{false, VapourPressureMethod::AverageBoilingPoint},
                      MethodCase{false, VapourPressureMethod::NarrowCuts},
                      MethodCase{true, VapourPressureMethod::AverageBoilingPoint},
                      MethodCase{true, VapourPressureMethod::NarrowCuts}),
    [](const ::testing::TestParamInfo<MethodCase>& info) { return caseName(info.param); });

// The default oil by narrow cuts at 50 deg.C: its bubble point is 0.0216 MPa
// without light ends and 0.43 MPa with 1 % ethane, and the phase split
// finds gas at 0.1 MPa but none at 0.3 MPa.
struct NoteCase {
    const char* what;
    const char* designPressure;
    int pressureUnit;
    const char* ethane; // "" for no light ends
    std::optional<std::string_view> note;
};

void PrintTo(const NoteCase& row, std::ostream* out) {
    *out << row.what;
}

class BubblePointNote : public ::testing::TestWithParam<NoteCase> {};

TEST_P(BubblePointNote, SaysWhereTheBubblePointAndThePhaseSplitDisagree) {
    const NoteCase& c = GetParam();
    CComplexOilView view;
    view.initialUpdate();
    view.record().vapourPressureMethod = VapourPressureMethod::NarrowCuts;
    view.record().designPressureText = c.designPressure;
    view.record().pressureUnitIndex = c.pressureUnit;
    view.record().lightEnds[static_cast<std::size_t>(LightEnd::Ethane)] = c.ethane;
    view.exchangeToControls();
    {
        testing::MessageBoxAnswerer answerer;
        view.calculate();
    }
    const auto* label = view.findChild<QLabel*>(QStringLiteral("bubblePointNote"));
    EXPECT_GT(view.record().bubblePointBase, 0);
    EXPECT_EQ(label->isHidden(), !c.note.has_value());
    EXPECT_EQ(label->text().toStdString(), std::string(c.note.value_or("")));
}

INSTANTIATE_TEST_SUITE_P(
    AdditionalForm, BubblePointNote,
    ::testing::Values(
        NoteCase{"AgreeingOnNoGas", "0.3", unit::kMPa, "", std::nullopt},
        NoteCase{"GasAboveTheBubblePoint", "0.1", unit::kMPa, "", kAboveBubblePointNote},
        // 300 read as MPa would lie above 0.43 MPa, where no gas agrees.
        NoteCase{"DesignPressureInKPa", "300", kKiloPascal, "1", kBelowBubblePointNote}),
    [](const auto& info) { return std::string(info.param.what); });

// A unit picked for the bubble point shows the value calculated in MPa in
// that unit, as every result's unit box does, and counts as the user's change.
TEST(BubblePoint, ShowsItsValueInThePickedUnit) {
    CComplexOilView view;
    view.initialUpdate();
    view.record().vapourPressureMethod = VapourPressureMethod::NarrowCuts;
    view.exchangeToControls();
    {
        testing::MessageBoxAnswerer answerer;
        view.calculate();
    }
    const double megapascals = view.record().bubblePointBase;
    ASSERT_GT(megapascals, 0);
    auto* box = view.findChild<QComboBox*>(QStringLiteral("bubblePointUnit"));
    const auto* value = view.findChild<QLineEdit*>(QStringLiteral("bubblePoint"));
    const struct {
        const char* unit;
        double perMegapascal;
    } units[] = {{"kPa (kN/m2)", 1000}, {"lbf/in2 (psi)", 145.0377}};
    for (const auto& [unit, perMegapascal] : units) {
        SCOPED_TRACE(unit);
        QSignalSpy modified(&view, &OilFormView::documentModified);
        const int entry = box->findText(QString::fromUtf8(unit));
        ASSERT_GE(entry, 0);
        box->setCurrentIndex(entry);
        emit box->activated(entry);
        // Three significant digits are shown.
        EXPECT_NEAR(textToNumber(value->text().toStdString()), megapascals * perMegapascal,
                    megapascals * perMegapascal * 5e-3);
        EXPECT_EQ(view.record().bubblePointUnitIndex, entry);
        EXPECT_EQ(view.record().bubblePointText, value->text().toStdString());
        EXPECT_EQ(modified.count(), 1);
    }
}

} // namespace
} // namespace viskora
