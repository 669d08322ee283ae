#include "grid/light_end_table_model.h"
#include "grid/light_end_table_view.h"
#include "message_box_answerer.h"
#include "property_curves_ui/curves_table_model.h"
#include "property_curves_ui/curves_window.h"

#include <QPushButton>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace viskora {
namespace {

// A crude of 850 kg/m3 from 10 to 60 deg.C at 0.3 MPa, where the engine
// asks nothing.
CurveDocument crudeSweep() {
    CurveDocument d;
    d.densityText = "850";
    d.fromText = "10";
    d.toText = "60";
    d.stepText = "10";
    return d;
}

LightEndTableModel& lightEndsOf(const CurvesWindow& window) {
    return *window.findChild<LightEndTableView*>(QStringLiteral("lightEnds"))->lightEndModel();
}

// The true vapour pressure of every point of a sweep of the window, MPa.
std::vector<std::optional<double>> trueVapourPressures(CurvesWindow& window) {
    testing::MessageBoxAnswerer answerer;
    QSignalSpy finished(&window, &CurvesWindow::sweepFinished);
    window.calculate();
    EXPECT_TRUE(finished.wait(30000));
    EXPECT_TRUE(answerer.texts().isEmpty()) << answerer.texts().join('\n').toStdString();
    const CurvesTableModel& model = window.model();
    std::vector<std::optional<double>> pressures;
    for (int row = 0; row < model.rowCount(); ++row) {
        pressures.push_back(model.value(row, model.columnOf("trueVapourPressure")));
    }
    return pressures;
}

// Light ends typed into the window mark it changed, go into its document as
// typed and reach the sweep: the oil's true vapour pressure rises at every
// point.
TEST(CurvesLightEnds, TypedLightEndsRaiseTheTrueVapourPressure) {
    CurvesWindow window;
    window.setDocument(crudeSweep());
    const auto without = trueVapourPressures(window);
    ASSERT_EQ(without.size(), 6u);

    QSignalSpy modified(&window, &CurvesWindow::modified);
    LightEndTableModel& lightEnds = lightEndsOf(window);
    ASSERT_TRUE(lightEnds.setData(lightEnds.index(1, 0), QStringLiteral("0,4"), Qt::EditRole));
    ASSERT_TRUE(lightEnds.setData(lightEnds.index(3, 0), QStringLiteral("1.2"), Qt::EditRole));
    EXPECT_EQ(modified.count(), 2);
    const LightEndTexts typed{"", "0.4", "", "1.2", "", ""};
    EXPECT_EQ(window.document().lightEnds, typed);

    const auto with = trueVapourPressures(window);
    ASSERT_EQ(with.size(), without.size());
    for (std::size_t point = 0; point < with.size(); ++point) {
        ASSERT_TRUE(without[point] && with[point]) << "point " << point;
        EXPECT_GT(*with[point], *without[point]) << "point " << point;
    }

    // An opened document shows its light ends as typed.
    CurvesWindow opened;
    opened.setDocument(window.document());
    EXPECT_EQ(lightEndsOf(opened).text(3), QStringLiteral("1.2"));
}

// A light end that holds no number (a damaged or hand-written file) is
// refused by name before the sweep starts.
TEST(CurvesLightEnds, CalculateNamesALightEndThatIsNoNumber) {
    CurveDocument d = crudeSweep();
    d.lightEnds[4] = "lots";
    CurvesWindow window;
    window.setDocument(d);
    testing::MessageBoxAnswerer answerer;
    window.calculate();
    EXPECT_FALSE(window.isRunning());
    ASSERT_EQ(answerer.texts().size(), 1);
    EXPECT_TRUE(answerer.texts()[0].contains(QStringLiteral("Light end isopentane")))
        << answerer.texts()[0].toStdString();
}

} // namespace
} // namespace viskora
