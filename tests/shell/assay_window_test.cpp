#include "shell_fixture.h"

#include "assays/assay_figures.h"
#include "assays/engine_oil.h"
#include "assaysui/assay_window.h"
#include "forms/oil_form_view.h"
#include "shell/assay_frame.h"
#include "shell/main_frame.h"
#include "shell/oil_document.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

namespace viskora::testing {
namespace {

using AssayWindows = ShellTest;

// A light crude's assay by volume: light ends, four cuts and a residue,
// each with its density at 15 deg.C.
assays::Assay crudeAssay() {
    assays::Assay assay;
    assay.name = "Test crude";
    assay.basis = assays::YieldBasis::Volume;
    assay.density = assays::StatedDensity{864.42, 15.6};
    const struct {
        std::optional<double> start, end;
        double yield, density;
    } cuts[] = {{std::nullopt, 36, 3.88, 565.97},  {36, 74, 7.49, 655.35},
                {74, 166, 17.02, 761.11},          {166, 249, 13.15, 818.13},
                {249, 343, 15.42, 871.21},         {343, 538, 26.46, 929.98},
                {538, std::nullopt, 16.58, 1024.6}};
    for (const auto& c : cuts) {
        assays::AssayCut cut;
        cut.startC = c.start;
        cut.endC = c.end;
        cut.yield = c.yield;
        cut.density = assays::StatedDensity{c.density, 15};
        assay.cuts.push_back(cut);
    }
    return assay;
}

// Calculate > Basic Calculation opens a basic form holding the assay's oil
// as the library gives it: density at 15 deg.C, the fraction rows, the
// fraction switch on.
TEST_F(AssayWindows, BasicCalculationTakesOverTheAssaysOil) {
    start();
    trigger("actionNewAssay");
    AssayFrame* frame = this->frame().activeAssay();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(this->frame().menuKind(), CMainFrame::MenuKind::Assay);
    frame->window().setAssay(crudeAssay());
    ASSERT_TRUE(frame->window().figures()) << frame->window().problem().toStdString();
    const assays::EngineOilTexts expected =
        assays::engineOilTexts(frame->window().figures()->engineOil);

    trigger("actionCalculateBasic");

    OilDocument* document = activeDocument();
    ASSERT_NE(document, nullptr);
    EXPECT_EQ(document->kind(), DocumentKind::Basic);
    OilFormView& view = document->view();
    EXPECT_EQ(qobject_cast<QLineEdit*>(view.control("density"))->text().toStdString(),
              expected.densityText);
    EXPECT_EQ(qobject_cast<QLineEdit*>(view.control("densityTemp"))->text().toStdString(),
              expected.densityTempText);
    EXPECT_TRUE(qobject_cast<QCheckBox*>(view.control("useFractions"))->isChecked());
    ASSERT_FALSE(expected.fractions.empty());
    for (std::size_t row = 0; row < expected.fractions.size(); ++row) {
        for (int cell = 0; cell < 3; ++cell) {
            EXPECT_EQ(view.fractionTable().text(static_cast<int>(row), cell).toStdString(),
                      expected.fractions[row][static_cast<std::size_t>(cell)])
                << "row " << row << " cell " << cell;
        }
    }
}

// An assay that cannot be characterised opens nothing and says why.
TEST_F(AssayWindows, BasicCalculationOfAnUnsoundAssayIsRefused) {
    start();
    trigger("actionNewAssay");
    AssayFrame* frame = this->frame().activeAssay();
    ASSERT_NE(frame, nullptr);
    assays::Assay assay = crudeAssay();
    assay.cuts[2].yield += 10;
    frame->window().setAssay(assay);
    EXPECT_FALSE(frame->window().problem().isEmpty());

    MessageBoxScript ok;
    trigger("actionCalculateBasic");

    EXPECT_EQ(activeDocument(), nullptr);
    ASSERT_EQ(ok.texts.size(), 1);
    EXPECT_TRUE(ok.texts[0].contains(frame->window().problem()));
}

} // namespace
} // namespace viskora::testing
