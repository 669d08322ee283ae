#include "assays/assay_check.h"
#include "assays/assay_figures.h"
#include "assays/resolved_assay.h"
#include "engine/cut_tables.h"
#include "engine/narrow_cut_viscosity.h"
#include "example_assays.h"

#include <gtest/gtest.h>

#include <ostream>

#include <functional>
#include <string>

namespace viskora::assays {
namespace {

using testing::lightTableCrude;
using testing::mediumCrude;

struct Refusal {
    const char* name;
    std::function<void(Assay&)> damage;
    const char* message;
};

void PrintTo(const Refusal& row, std::ostream* out) {
    *out << row.name;
}

class AssayRefusal : public ::testing::TestWithParam<Refusal> {};

TEST_P(AssayRefusal, NamesTheFault) {
    Assay assay = mediumCrude();
    GetParam().damage(assay);
    const std::optional<std::string> problem = assayProblem(assay);
    ASSERT_TRUE(problem);
    EXPECT_EQ(*problem, GetParam().message);
    EXPECT_FALSE(characteriseAssay(assay).figures);
}

INSTANTIATE_TEST_SUITE_P(
    BadAssays, AssayRefusal,
    ::testing::Values(
        Refusal{"YieldsOver100", [](Assay& a) { a.cuts[2].yield += 0.5; },
                "The yields add up to 100.5 %, not 100 %."},
        Refusal{"YieldsShortBeyondRounding", [](Assay& a) { a.cuts[2].yield -= 0.2; },
                "The yields add up to 99.8 %, not 100 %."},
        Refusal{"Overlap", [](Assay& a) { a.cuts[3].startC = 160; },
                "Cut 4 overlaps cut 3: it starts at 160 deg.C, below that cut's end at 166 "
                "deg.C."},
        Refusal{"Gap", [](Assay& a) { a.cuts[3].startC = 170; },
                "Cut 4 leaves a gap after cut 3: it starts at 170 deg.C, above that cut's end "
                "at 166 deg.C."},
        Refusal{"EndNotAboveStart", [](Assay& a) { a.cuts[2].endC = 74; },
                "Cut 3: its end is not above its start."},
        Refusal{"DensityTooHigh", [](Assay& a) { a.cuts[6].density->kgPerM3 = 1200.5; },
                "Cut 7: the density, 1200.5 kg/m3, lies outside 500 to 1200 kg/m3."},
        Refusal{"OilDensityTooLow", [](Assay& a) { a.density->kgPerM3 = 450; },
                "The whole oil: the density, 450 kg/m3, lies outside 500 to 1200 kg/m3."},
        Refusal{"OpenEndInside", [](Assay& a) { a.cuts[3].endC.reset(); },
                "Cut 4: only the last cut may leave its end out (a residue)."},
        Refusal{"AboveTableTop", [](Assay& a) { a.cuts[6].endC = 900; },
                "Cut 7: 900 deg.C lies above 835 deg.C, the top of the narrow cuts."},
        Refusal{"NoWholeEngineCut",
                [](Assay& a) {
                    a.cuts[5].endC = 537.5;
                    a.cuts[6].startC = 537.5;
                    a.cuts[6].endC = 538.2;
                },
                "Cut 7 holds no whole 1 deg.C cut between 35 and 835 deg.C."},
        Refusal{"OilDensityNeeded",
                [](Assay& a) {
                    a.cuts[4].density.reset();
                    a.density.reset();
                },
                "The whole oil's density is needed: cut 5 has no density."},
        Refusal{"NoCuts", [](Assay& a) { a.cuts.clear(); }, "The assay has no cuts."},
        Refusal{"LightEndsBesideTheirCut",
                [](Assay& a) {
                    a.cuts[1].yield -= 1;
                    a.lightEnds = {{LightEnd::Propane, 1}};
                },
                "The light ends are given both as a cut and by component: give one."},
        Refusal{"LightEndTwice",
                [](Assay& a) {
                    a.cuts.erase(a.cuts.begin());
                    a.lightEnds = {{LightEnd::NButane, 2}, {LightEnd::NButane, 1.9}};
                },
                "Light end n-butane is given twice."},
        Refusal{"LightEndNegative",
                [](Assay& a) {
                    a.cuts.erase(a.cuts.begin());
                    a.lightEnds = {{LightEnd::Propane, 4.4}, {LightEnd::Isopentane, -0.5}};
                },
                "Light end isopentane: the yield must be a number of 0 or more."},
        Refusal{"LightEndsLeaveYieldsShort",
                [](Assay& a) {
                    a.cuts.erase(a.cuts.begin());
                    a.lightEnds = {{LightEnd::NButane, 3.5}};
                },
                "The yields add up to 99.6 %, not 100 %."}),
    [](const auto& info) { return std::string(info.param.name); });

// Yields that a laboratory rounded, 0.05 % short of 100 or as far as the
// rounding allows, are scaled to add up to 100 % by both bases.
TEST(AssayResolution, RoundedYieldsAreScaledTo100) {
    for (const double shortfall : {0.05, 0.1}) {
        Assay assay = mediumCrude();
        assay.cuts[2].yield -= shortfall;
        const Resolution r = resolveAssay(assay);
        ASSERT_TRUE(r.assay) << shortfall << ": " << r.problem;
        double mass = 0;
        double volume = 0;
        for (const ResolvedCut& cut : r.assay->cuts) {
            mass += cut.massPct;
            volume += cut.volumePct;
        }
        EXPECT_NEAR(mass, 100, 1e-9) << shortfall;
        EXPECT_NEAR(volume, 100, 1e-9) << shortfall;
    }
}

// Vacuum residues of heavy crudes are published up to 1,134 kg/m3, asphalts
// reach 1,200: both are characterised, not refused.
TEST(AssayResolution, HeavyResiduesAreTaken) {
    for (const double residue : {1134.0, 1200.0}) {
        Assay assay = mediumCrude();
        assay.cuts[6].density->kgPerM3 = residue;
        assay.density.reset();
        EXPECT_FALSE(assayProblem(assay)) << residue;
        EXPECT_TRUE(characteriseAssay(assay).figures) << residue;
    }
}

// Yields by volume become yields by mass through the cut densities, and the
// cuts add up by volume to the oil's density when it is not given.
TEST(AssayResolution, YieldsAndDensityFollowTheCuts) {
    Assay assay = mediumCrude();
    assay.density.reset();
    const Resolution r = resolveAssay(assay);
    ASSERT_TRUE(r.assay);
    double volumeSum = 0;
    double massSum = 0;
    double density = 0;
    for (const ResolvedCut& cut : r.assay->cuts) {
        volumeSum += cut.volumePct;
        massSum += cut.massPct;
        density += cut.volumePct * cut.density15 / 100;
        EXPECT_NEAR(cut.massPct / cut.volumePct, cut.density15 / r.assay->density15, 1e-12);
    }
    EXPECT_NEAR(volumeSum, 100, 1e-9);
    EXPECT_NEAR(massSum, 100, 1e-9);
    EXPECT_NEAR(r.assay->density15, density, 1e-9);
    EXPECT_TRUE(r.assay->densityFromCuts);
}

// Cuts without a density share one Watson K, which gives back the oil's
// density, and get heavier as they boil higher.
TEST(AssayResolution, MissingDensitiesMakeTheOilsDensity) {
    const Resolution r = resolveAssay(lightTableCrude());
    ASSERT_TRUE(r.assay && r.assay->estimatingWatsonK);
    double inverse = 0;
    for (std::size_t i = 0; i < r.assay->cuts.size(); ++i) {
        inverse += r.assay->cuts[i].massPct / 100 / r.assay->cuts[i].density15;
        if (i > 0) {
            EXPECT_GT(r.assay->cuts[i].density20, r.assay->cuts[i - 1].density20);
        }
    }
    EXPECT_NEAR(1 / inverse, r.assay->density15, 1e-6);
}

// The light ends go into the first row of the engine's table, its start
// "not given"; a residue runs to the top of the narrow cuts.
TEST(AssayEngineInputs, LightEndsMergedAndResidueToTheTop) {
    const Resolution r = resolveAssay(mediumCrude());
    ASSERT_TRUE(r.assay);
    const EngineOil oil = engineOilOf(*r.assay);
    ASSERT_EQ(oil.rows.size(), 6u);
    EXPECT_EQ(oil.rows[0].startC, 0);
    EXPECT_EQ(oil.rows[0].endC, 74);
    EXPECT_NEAR(oil.rows[0].massPct, r.assay->cuts[0].massPct + r.assay->cuts[1].massPct, 1e-12);
    EXPECT_GT(oil.rows[0].density20, r.assay->cuts[0].density20);
    EXPECT_LT(oil.rows[0].density20, r.assay->cuts[1].density20);
    EXPECT_EQ(oil.rows.back().endC, 835);
}

// A measured viscosity anchors its cut: the cut's figure at the measured
// temperature is the measured one, and the whole oil moves with it.
TEST(AssayFigures, MeasuredViscosityAnchorsItsCut) {
    const FiguresOutcome plain = characteriseAssay(mediumCrude());
    Assay anchored = mediumCrude();
    anchored.cuts[4].viscosity = StatedViscosity{6.0, 40};
    const FiguresOutcome moved = characteriseAssay(anchored);
    ASSERT_TRUE(plain.figures && moved.figures) << moved.problem;
    EXPECT_NEAR(*moved.figures->cuts[4].viscosity40, 6.0, 1e-6);
    EXPECT_TRUE(moved.figures->cuts[4].viscosityAnchored);
    EXPECT_EQ(*moved.figures->cuts[3].viscosity40, *plain.figures->cuts[3].viscosity40);
    EXPECT_GT(moved.figures->oil.viscosity40, plain.figures->oil.viscosity40);
    EXPECT_FALSE(plain.figures->cuts[0].viscosity40);
}

// One row over the whole oil shifts its cuts as the engine's single shift.
TEST(RowShiftedDensities, OneRowIsTheSingleShift) {
    CutArray low{}, high{}, density{}, defaultShare{};
    fillCutTables(low, high, density, defaultShare);
    const CutDistribution oil{low, high, density, defaultShare, 0, 515};
    const std::optional<double> shift = volumeAdditiveShift(oil, 850);
    const std::optional<CutArray> shifted = rowShiftedDensities(oil, {{0, 515, 850}});
    ASSERT_TRUE(shift && shifted);
    for (int i = 0; i < 515; ++i) {
        ASSERT_EQ((*shifted)[i], density[i] + *shift);
    }
    EXPECT_FALSE(rowShiftedDensities(oil, {{600, 700, 850}}));
}

} // namespace
} // namespace viskora::assays
