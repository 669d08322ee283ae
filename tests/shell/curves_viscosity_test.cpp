#include "shell_fixture.h"

#include "forms/oil_form_view.h"
#include "property_curves_ui/curves_plot.h"
#include "property_curves_ui/curves_table_model.h"
#include "property_curves_ui/curves_window.h"
#include "shell/main_frame.h"
#include "shell/oil_document.h"
#include "shell/property_curves_frame.h"

#include <QComboBox>
#include <QLineEdit>

namespace viskora::testing {
namespace {

class CurvesViscosity : public ShellTest, public ::testing::WithParamInterface<ViscosityMethod> {};

void choose(QComboBox* box, ViscosityMethod method) {
    box->setCurrentIndex(box->findData(static_cast<int>(method)));
}

// A curves window opened for a calculation takes its method; the window's
// choice reaches every point, whose liquid results follow it, while the
// table gives the liquid viscosity by both methods under headings that name
// them and the plot shows both.
TEST_P(CurvesViscosity, TheWindowTakesTheCalculationsMethodAndItsSweepFollowsIt) {
    const ViscosityMethod method = GetParam();
    const ViscosityMethod other = method == ViscosityMethod::NarrowCuts
                                      ? ViscosityMethod::WholeOil
                                      : ViscosityMethod::NarrowCuts;
    start();
    trigger("actionNewBasic");
    choose(activeDocument()->view().findChild<QComboBox*>(QStringLiteral("viscosityMethod")),
           other);
    trigger("actionNewCurves");
    CurvesWindow& window = frame().activeCurves()->window();
    EXPECT_EQ(window.document().viscosityMethod, other);
    choose(window.findChild<QComboBox*>(QStringLiteral("viscosityMethod")), method);
    EXPECT_TRUE(frame().activeCurves()->isModified());
    for (const auto& [name, text] : {std::pair{"density", "850"}, std::pair{"from", "20"},
                                     std::pair{"to", "200"}, std::pair{"step", "60"}}) {
        window.findChild<QLineEdit*>(QString::fromLatin1(name))->setText(QString::fromLatin1(text));
    }
    MessageBoxScript yes({QMessageBox::Yes, QMessageBox::Yes, QMessageBox::Yes});
    bool finished = false;
    QObject::connect(&window, &CurvesWindow::sweepFinished, &window, [&] { finished = true; });
    window.calculate();
    ASSERT_TRUE(waitFor([&] { return finished; }, 30000));

    const CurvesTableModel& model = window.model();
    const int whole = model.columnOf("liquidViscosity");
    const int byCuts = model.columnOf("liquidViscosityByCuts");
    EXPECT_EQ(model.title(whole),
              QStringLiteral("Liquid phase: Kinematic viscosity of the oil as a whole"));
    EXPECT_EQ(model.title(byCuts),
              QStringLiteral("Liquid phase: Kinematic viscosity by narrow cuts"));
    EXPECT_EQ(model.heading(byCuts), QStringLiteral("liquidViscosityByCuts [mm2/s]"));
    ASSERT_EQ(model.rowCount(), 4);
    int differing = 0;
    for (int row = 0; row < model.rowCount(); ++row) {
        const SweepPoint& point = model.sweep().points[static_cast<std::size_t>(row)];
        ASSERT_GT(point.results.liquidMassShare, 0) << row;
        EXPECT_DOUBLE_EQ(*model.value(row, whole), point.liquidViscosityWholeOil);
        EXPECT_DOUBLE_EQ(*model.value(row, byCuts), point.liquidViscosityByCuts);
        EXPECT_DOUBLE_EQ(point.results.liquid.viscosity, method == ViscosityMethod::NarrowCuts
                                                             ? point.liquidViscosityByCuts
                                                             : point.liquidViscosityWholeOil);
        differing += point.liquidViscosityWholeOil != point.liquidViscosityByCuts ? 1 : 0;
    }
    EXPECT_GT(differing, 0);
    EXPECT_TRUE(window.plot().chosen().contains(QStringLiteral("liquidViscosity")));
    EXPECT_TRUE(window.plot().chosen().contains(QStringLiteral("liquidViscosityByCuts")));
}

INSTANTIATE_TEST_SUITE_P(BothMethods, CurvesViscosity,
                         ::testing::Values(ViscosityMethod::WholeOil, ViscosityMethod::NarrowCuts),
                         [](const auto& info) {
                             return std::string(info.param == ViscosityMethod::NarrowCuts
                                                    ? "NarrowCuts"
                                                    : "WholeOil");
                         });

} // namespace
} // namespace viskora::testing
