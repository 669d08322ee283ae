#include "assays/assay_document.h"
#include "assays/assay_figures.h"
#include "assays/blend.h"
#include "assays/light_end_split.h"
#include "example_assays.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace viskora::assays {
namespace {

using testing::mediumCrude;

double densityOf(LightEnd component) {
    return constantsOf(component).specificGravity * 999.0;
}

struct LumpCase {
    const char* name;
    double density15; // kg/m3
    bool keepsDensity;
};

void PrintTo(const LumpCase& row, std::ostream* out) {
    *out << row.name;
}

class LumpedLightEnds : public ::testing::TestWithParam<LumpCase> {};

// A lumped cut taken apart keeps its mass and, within the components'
// densities, its density as their volume-additive mixture; isobutane and
// n-butane stay 1 : 2 by volume.
TEST_P(LumpedLightEnds, KeepMassAndDensity) {
    const LumpCase& c = GetParam();
    const LightEnds parts = lumpedLightEnds(2.5, c.density15);
    double mass = 0;
    double volume = 0;
    double isobutane = 0;
    double normalButane = 0;
    for (const LightEndShare& part : parts) {
        mass += part.massPct;
        volume += part.massPct / densityOf(part.component);
        isobutane +=
            part.component == LightEnd::Isobutane ? part.massPct / densityOf(part.component) : 0;
        normalButane +=
            part.component == LightEnd::NButane ? part.massPct / densityOf(part.component) : 0;
    }
    EXPECT_NEAR(mass, 2.5, 1e-12);
    if (c.keepsDensity) {
        EXPECT_NEAR(mass / volume, c.density15, 1e-9);
    }
    if (normalButane > 0) {
        EXPECT_NEAR(isobutane / normalButane, 0.5, 1e-12);
    }
}

INSTANTIATE_TEST_SUITE_P(Densities, LumpedLightEnds,
                         ::testing::Values(LumpCase{"PropaneAndButanes", 565.97, true},
                                           LumpCase{"ButanesAlone", 576.3897, true},
                                           LumpCase{"ButanesAndPentane", 581.88, true},
                                           LumpCase{"LighterThanPropane", 480, false},
                                           LumpCase{"HeavierThanPentane", 640, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LumpedLightEnds, PublishedCrudesButanesAndLighter) {
    const LightEnds parts = lumpedLightEnds(2.556, 565.97);
    ASSERT_EQ(parts.size(), 3u);
    EXPECT_EQ(parts[0].component, LightEnd::Propane);
    EXPECT_NEAR(parts[0].massPct, 0.341, 0.0005);
    EXPECT_NEAR(parts[1].massPct, 0.720, 0.0005);
    EXPECT_NEAR(parts[2].massPct, 1.495, 0.0005);
}

// The medium crude with its "butanes and lighter" given by component
// instead, as the split of the lumped cut gives them (by volume).
Assay byComponent() {
    Assay assay = mediumCrude();
    const double lumpVolume = assay.cuts.front().yield;
    const double lumpDensity = assay.cuts.front().density->kgPerM3;
    assay.cuts.erase(assay.cuts.begin());
    for (const LightEndShare& part : lumpedLightEnds(1, lumpDensity)) {
        const double volume = part.massPct / densityOf(part.component) * lumpDensity;
        assay.lightEnds.push_back({part.component, lumpVolume * volume});
    }
    return assay;
}

// The same light ends give the same vapour pressure, whether the laboratory
// reports them by component or as one cut with its density (to the 0.2 %
// that the components' densities, stated at 60 deg.F, move the yields by
// mass from the cut's at 15 deg.C).
TEST(AssayLightEnds, ByComponentOrAsOneCutAlike) {
    const FiguresOutcome lump = characteriseAssay(mediumCrude());
    const FiguresOutcome parts = characteriseAssay(byComponent());
    ASSERT_TRUE(lump.figures && parts.figures) << parts.problem;
    ASSERT_TRUE(lump.figures->oil.reidVapourPressure && parts.figures->oil.reidVapourPressure);
    EXPECT_NEAR(*parts.figures->oil.reidVapourPressure, *lump.figures->oil.reidVapourPressure,
                1e-3 * *lump.figures->oil.reidVapourPressure);
    EXPECT_NEAR(parts.figures->oil.lightEndsMassPct, lump.figures->oil.lightEndsMassPct,
                2e-3 * lump.figures->oil.lightEndsMassPct);
    // Components lead the characterised cuts, named.
    EXPECT_EQ(parts.figures->cuts.front().component, LightEnd::Propane);
    // Raoult's law at 37.8 deg.C: the Reid flash lies below the bubble point.
    EXPECT_LT(*lump.figures->oil.reidVapourPressure, *lump.figures->oil.trueVapourPressure37_8);
    EXPECT_LT(*lump.figures->oil.trueVapourPressure20, *lump.figures->oil.trueVapourPressure37_8);
}

// A blend holds its oils' light ends by component, by their shares of its
// mass; blended with itself, an oil keeps its vapour pressure.
TEST(AssayLightEnds, ABlendKeepsItsOilsComponents) {
    const Assay oil = byComponent();
    const BlendOutcome blend = blendOils({{oil, 40}, {oil, 60}}, ShareBasis::Mass, "Twice");
    ASSERT_TRUE(blend.blend) << blend.problem;
    EXPECT_EQ(blend.blend->lightEnds.size(), 3u);
    const FiguresOutcome alone = characteriseAssay(oil);
    const FiguresOutcome blended = characteriseAssay(*blend.blend);
    ASSERT_TRUE(alone.figures && blended.figures) << blended.problem;
    EXPECT_NEAR(*blended.figures->oil.reidVapourPressure, *alone.figures->oil.reidVapourPressure,
                1e-9 * *alone.figures->oil.reidVapourPressure);
}

TEST(AssayLightEnds, DocumentReadsBackItsComponents) {
    const Assay assay = byComponent();
    const AssayReadResult read = readAssayDocument(assayDocumentText(assay));
    ASSERT_TRUE(read.assay) << read.message;
    EXPECT_EQ(*read.assay, assay);
    // An assay without them writes no trace of them.
    EXPECT_EQ(assayDocumentText(mediumCrude()).find("lightEnds"), std::string::npos);

    std::string unknown = assayDocumentText(assay);
    unknown.replace(unknown.find("\"propane\""), 9, "\"methane\"");
    EXPECT_EQ(readAssayDocument(unknown).message,
              "Cannot read this file.\nThe assay document is damaged: in light end 1, component "
              "is none of ethane, propane, isobutane, n-butane, isopentane, n-pentane.");
}

} // namespace
} // namespace viskora::assays
