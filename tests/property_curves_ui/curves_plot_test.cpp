#include "curves_sample.h"
#include "property_curves_ui/curves_plot.h"
#include "property_curves_ui/curves_table_model.h"

#include <QApplication>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QLineSeries>

#include <gtest/gtest.h>

namespace viskora {
namespace {

struct PlotCase {
    const char* name;
    const char* column;
    int drawnPoints;
    // What the tooltip near the first drawn point says.
    const char* tip;
    bool logarithmic; // on an axis of the values' powers of ten
};

void PrintTo(const PlotCase& c, std::ostream* out) {
    *out << c.name;
}

class CurvesPlots : public ::testing::TestWithParam<PlotCase> {};

// A curve has a point where its property has a value only, and the tooltip
// near a point gives that point's values with their units.
TEST_P(CurvesPlots, DrawComputedPointsAndTellTheirValues) {
    CurvesTableModel model;
    model.setSweep(testing::sampleSweep(), unit::kCelsius, unit::kMPa, false);
    CurvesPlot plot(model);
    plot.setChosen({QString::fromUtf8(GetParam().column)});
    plot.resize(900, 600);
    plot.show();
    QApplication::processEvents();
    auto* series = qobject_cast<QLineSeries*>(plot.chart().series().value(0));
    ASSERT_NE(series, nullptr);
    ASSERT_EQ(series->count(), GetParam().drawnPoints);
    const QPoint at = plot.view().mapFromScene(plot.chart().mapToPosition(series->at(0), series));
    EXPECT_EQ(plot.pointTip(at + QPoint(3, -2)).toStdString(), GetParam().tip);
    EXPECT_EQ(plot.pointTip(at + QPoint(30, 30)), QString());
    const bool logarithmic =
        qobject_cast<QCategoryAxis*>(plot.chart().axes(Qt::Vertical).value(0)) != nullptr;
    EXPECT_EQ(logarithmic, GetParam().logarithmic);
}

INSTANTIATE_TEST_SUITE_P(
    Properties, CurvesPlots,
    ::testing::Values(PlotCase{"GasDensityOnlyWithGas", "gasDensity", 1,
                               "Gas phase: Density = 3.25 kg/m3\nDesign temperature = 100 °C",
                               false},
                      PlotCase{"ViscosityOnALogarithmicAxis", "liquidViscosity", 3,
                               "Liquid phase: Kinematic viscosity of the oil as a whole = 0.9 "
                               "mm2/c\nDesign temperature = 20 °C",
                               true},
                      PlotCase{"TrueVapourPressureOnALogarithmicAxis", "trueVapourPressure", 3,
                               "True vapour pressure, by narrow cuts = 0.05 MPa\nDesign "
                               "temperature = 20 °C",
                               true}),
    [](const auto& info) { return std::string(info.param.name); });

// Viscosities within one decade are read off labels between its powers of
// ten, not only off the two ends.
TEST(CurvesPlot, ALogarithmicAxisWithinADecadeLabelsItsTicks) {
    CurvesTableModel model;
    model.setSweep(testing::sampleSweep(), unit::kCelsius, unit::kMPa, false);
    CurvesPlot plot(model);
    plot.setChosen({QStringLiteral("liquidViscosity"), QStringLiteral("liquidViscosityByCuts")});
    auto* axis = qobject_cast<QCategoryAxis*>(plot.chart().axes(Qt::Vertical).value(0));
    ASSERT_NE(axis, nullptr);
    EXPECT_EQ(axis->categoriesLabels(), (QStringList{"0.4", "0.5", "0.6", "0.7", "0.8", "0.9"}));
}

} // namespace
} // namespace viskora
