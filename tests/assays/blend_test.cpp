#include "assays/assay_figures.h"
#include "assays/blend.h"
#include "example_assays.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace viskora::assays {
namespace {

using testing::lightTableCrude;
using testing::mediumCrude;

// An oil blended with itself, in any shares, is that oil: the same cuts,
// yields, densities and viscosities.
TEST(Blend, OfAnOilWithItselfIsThatOil) {
    const Assay oil = mediumCrude();
    const BlendOutcome blend = blendOils({{oil, 30}, {oil, 70}}, ShareBasis::Volume, "Twice");
    ASSERT_TRUE(blend.blend) << blend.problem;
    const FiguresOutcome alone = characteriseAssay(oil);
    const FiguresOutcome blended = characteriseAssay(*blend.blend);
    ASSERT_TRUE(alone.figures && blended.figures) << blended.problem;
    ASSERT_EQ(alone.figures->cuts.size(), blended.figures->cuts.size());
    for (std::size_t i = 0; i < alone.figures->cuts.size(); ++i) {
        const CutFigures& a = alone.figures->cuts[i];
        const CutFigures& b = blended.figures->cuts[i];
        EXPECT_EQ(a.startC, b.startC);
        EXPECT_EQ(a.endC, b.endC);
        EXPECT_NEAR(a.massPct, b.massPct, 1e-9);
        EXPECT_NEAR(a.volumePct, b.volumePct, 1e-9);
        EXPECT_NEAR(a.density15, b.density15, 1e-9);
    }
    EXPECT_NEAR(alone.figures->oil.density15, blended.figures->oil.density15, 1e-9);
    EXPECT_NEAR(alone.figures->oil.viscosity20, blended.figures->oil.viscosity20, 1e-9);
}

// Half and half by volume: the blend's density is the mean of the oils'
// at 15 deg.C; its light ends are the medium crude's, by its share of the
// mass.
TEST(Blend, HalfAndHalfByVolumeIsVolumeAdditive) {
    const FiguresOutcome a = characteriseAssay(mediumCrude());
    const FiguresOutcome b = characteriseAssay(lightTableCrude());
    const BlendOutcome blend =
        blendOils({{mediumCrude(), 50}, {lightTableCrude(), 50}}, ShareBasis::Volume, "Mix");
    ASSERT_TRUE(a.figures && b.figures && blend.blend) << blend.problem;
    const FiguresOutcome mixed = characteriseAssay(*blend.blend);
    ASSERT_TRUE(mixed.figures) << mixed.problem;
    EXPECT_NEAR(mixed.figures->oil.density15,
                (a.figures->oil.density15 + b.figures->oil.density15) / 2, 1e-9);
    const double massShare =
        a.figures->oil.density15 / (a.figures->oil.density15 + b.figures->oil.density15);
    EXPECT_NEAR(mixed.figures->oil.lightEndsMassPct, a.figures->oil.lightEndsMassPct * massShare,
                1e-9);
    EXPECT_GT(mixed.figures->oil.viscosity20, b.figures->oil.viscosity20);
    EXPECT_LT(mixed.figures->oil.viscosity20, a.figures->oil.viscosity20);
}

// A form's table whose shares total 96 % with the last end given is
// calculated with the rest above that end: as a blend part it is the same
// oil, not one refused for its yields.
TEST(Blend, AFormsTableShortOf100HasItsRemainderAbove) {
    const Assay table =
        assayOfFractionTable("Form", {{0, 100, 20}, {100, 300, 46}, {300, 400, 30}}, {850, 20});
    ASSERT_EQ(table.cuts.size(), 4u);
    EXPECT_EQ(table.cuts.back().startC, 400);
    EXPECT_FALSE(table.cuts.back().endC);
    EXPECT_NEAR(table.cuts.back().yield, 4, 1e-12);
    EXPECT_TRUE(characteriseAssay(table).figures);
    // Without a last end the rest has nowhere to go: the yields stay short.
    const Assay open = assayOfFractionTable("Open", {{0, 100, 20}, {100, 0, 76}}, {850, 20});
    EXPECT_EQ(open.cuts.size(), 2u);
}

// An oil with boundaries on the engine's 1 deg.C grid that split every cut
// of the medium crude and of the light table crude.
Assay finelyCutOil() {
    Assay assay;
    assay.name = "Fine";
    assay.basis = YieldBasis::Mass;
    assay.cuts = {
        {20, 50, 5, {}, {}},    {50, 120, 15, {}, {}},  {120, 150, 10, {}, {}},
        {150, 230, 15, {}, {}}, {230, 300, 15, {}, {}}, {300, 420, 15, {}, {}},
        {420, 600, 15, {}, {}}, {600, 700, 10, {}, {}},
    };
    assay.density = StatedDensity{840, 15};
    return assay;
}

struct Recut {
    const char* name;
    Assay oil;
    Assay other;
    double otherShare; // per cent of mass; a trace brings its boundaries alone
};

void PrintTo(const Recut& row, std::ostream* out) {
    *out << row.name;
}

class RecutOil : public ::testing::TestWithParam<Recut> {};

// An oil cut at another oil's boundaries, or beside an oil of no share, is
// still that oil: the whole oil's figures hold to 1e-9. (Boundaries inside
// an oil's first row are not taken: that row holds its light ends.)
TEST_P(RecutOil, KeepsItsFigures) {
    const Recut& row = GetParam();
    const BlendOutcome blend = blendOils(
        {{row.oil, 100 - row.otherShare}, {row.other, row.otherShare}}, ShareBasis::Mass, "Recut");
    ASSERT_TRUE(blend.blend) << blend.problem;
    const FiguresOutcome alone = characteriseAssay(row.oil);
    const FiguresOutcome recut = characteriseAssay(*blend.blend);
    ASSERT_TRUE(alone.figures && recut.figures) << recut.problem;
    const OilFigures& a = alone.figures->oil;
    const OilFigures& b = recut.figures->oil;
    const auto expectSame = [](const char* what, double expected, double actual) {
        EXPECT_NEAR(actual / expected, 1, 1e-9) << what << ": " << expected << " vs " << actual;
    };
    expectSame("density15", a.density15, b.density15);
    expectSame("viscosity20", a.viscosity20, b.viscosity20);
    expectSame("viscosity40", a.viscosity40, b.viscosity40);
    expectSame("viscosity100", a.viscosity100, b.viscosity100);
    expectSame("molarMass", a.molarMass, b.molarMass);
    expectSame("watsonK", a.watsonK, b.watsonK);
    expectSame("lightEnds", a.lightEndsMassPct + 1, b.lightEndsMassPct + 1);
    ASSERT_EQ(a.reidVapourPressure.has_value(), b.reidVapourPressure.has_value());
    if (a.reidVapourPressure) {
        expectSame("reidVapourPressure", *a.reidVapourPressure, *b.reidVapourPressure);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Oils, RecutOil,
    ::testing::Values(Recut{"MediumBesideNoLightTable", mediumCrude(), lightTableCrude(), 0},
                      Recut{"LightTableBesideNoMedium", lightTableCrude(), mediumCrude(), 0},
                      Recut{"MediumBesideNoFineOil", mediumCrude(), finelyCutOil(), 0},
                      Recut{"MediumAtFineBoundaries", mediumCrude(), finelyCutOil(), 1e-10},
                      Recut{"LightTableAtFineBoundaries", lightTableCrude(), finelyCutOil(), 1e-10},
                      Recut{"FineBesideNoMedium", finelyCutOil(), mediumCrude(), 0}),
    [](const auto& info) { return std::string(info.param.name); });

// An oil of no share leaves a blend of others exactly as it is without it.
TEST(Blend, AnOilOfNoShareChangesNothing) {
    const BlendOutcome two =
        blendOils({{mediumCrude(), 60}, {lightTableCrude(), 40}}, ShareBasis::Volume, "Mix");
    const BlendOutcome three =
        blendOils({{mediumCrude(), 60}, {finelyCutOil(), 0}, {lightTableCrude(), 40}},
                  ShareBasis::Volume, "Mix");
    ASSERT_TRUE(two.blend && three.blend) << three.problem;
    EXPECT_EQ(*two.blend, *three.blend);
}

struct BlendRefusal {
    const char* name;
    std::vector<double> shares; // one oil each, the medium crude
    const char* problem;
};

void PrintTo(const BlendRefusal& row, std::ostream* out) {
    *out << row.name;
}

class BlendRefusals : public ::testing::TestWithParam<BlendRefusal> {};

// The library refuses what the blend window refuses, whoever calls it.
TEST_P(BlendRefusals, SayWhy) {
    std::vector<BlendPart> parts;
    for (const double share : GetParam().shares) {
        parts.push_back({mediumCrude(), share});
    }
    const BlendOutcome blend = blendOils(parts, ShareBasis::Mass, "Refused");
    EXPECT_FALSE(blend.blend);
    EXPECT_EQ(blend.problem, GetParam().problem);
}

INSTANTIATE_TEST_SUITE_P(
    Shares, BlendRefusals,
    ::testing::Values(
        BlendRefusal{"ShortOf100", {50, 49}, "The shares add up to 99 %, not 100 %."},
        BlendRefusal{"Negative", {110, -10}, "Oil 2: the share must be a number of 0 or more."},
        BlendRefusal{"NotANumber", {NAN, 100}, "Oil 1: the share must be a number of 0 or more."},
        BlendRefusal{"OneOil", {100}, "A blend needs two oils or more."}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace viskora::assays
