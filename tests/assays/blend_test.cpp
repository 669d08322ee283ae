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
