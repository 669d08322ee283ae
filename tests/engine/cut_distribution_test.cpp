#include "engine/message_texts.h"
#include "engine/oil_calc.h"
#include "scripted_messages.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>
#include <vector>

namespace viskora {
namespace {

using testing::ScriptedMessages;

double activeShareSum(const COilCalc& calc) {
    double sum = 0;
    for (int i = calc.cutFirst; i < calc.cutEnd; ++i) {
        sum += calc.cutShare[i];
    }
    return sum;
}

double activeMixtureDensity(const COilCalc& calc) {
    double sum = 0;
    for (int i = calc.cutFirst; i < calc.cutEnd; ++i) {
        sum += calc.cutShare[i] * calc.cutDensity[i];
    }
    return sum / 100;
}

COilCalc densityOnly(double density) {
    COilCalc calc;
    calc.inputMode = 1;
    calc.densityIn = density;
    EXPECT_TRUE(calc.prepareInputs());
    return calc;
}

TEST(BuiltInTables, TypicalDistributionAndDensities) {
    const COilCalc calc;
    double shares = 0;
    double mixture = 0;
    for (int i = 0; i < 515; ++i) {
        shares += calc.cutDefaultShare[i];
        mixture += calc.cutDefaultShare[i] * calc.cutDensity[i] / 100;
    }
    EXPECT_NEAR(shares, 99.99948, 1e-9);
    EXPECT_NEAR(mixture, 841.914, 0.001);
    EXPECT_EQ(calc.cutLow[0], 35);
    EXPECT_EQ(calc.cutHigh[799], 835);
    EXPECT_EQ(calc.cutDensity[75], 739.75); // the table is not monotonic
    EXPECT_EQ(calc.cutDefaultShare[515], 0);
}

// The published densities of the narrow cuts at 20 deg.C by boiling band: a
// slip in one band moves the results only in their fourth or fifth digit,
// below what the mixture density above can tell.
struct CutDensityBand {
    int first;
    int last;
    double density;
};

void PrintTo(const CutDensityBand& band, std::ostream* out) {
    *out << "cuts " << band.first << "-" << band.last;
}

class PublishedCutDensities : public ::testing::TestWithParam<CutDensityBand> {};

TEST_P(PublishedCutDensities, EveryCutOfTheBandHasIt) {
    const COilCalc calc;
    for (int i = GetParam().first; i <= GetParam().last; ++i) {
        EXPECT_EQ(calc.cutDensity[i], GetParam().density) << "cut " << i;
        EXPECT_EQ(calc.cutLow[i], 35 + i);
        EXPECT_EQ(calc.cutHigh[i], 36 + i);
    }
}

constexpr CutDensityBand kPublishedCutDensities[] = {
    {0, 2, 599},        // 35-38 deg.C
    {3, 14, 640.88},    // 38-50 deg.C
    {15, 24, 668.58},   // 50-60 deg.C
    {25, 34, 694.1},    // 60-70 deg.C
    {35, 44, 716.33},   // 70-80 deg.C
    {45, 54, 724.5},    // 80-90 deg.C
    {55, 64, 734.85},   // 90-100 deg.C
    {65, 74, 744.58},   // 100-110 deg.C
    {75, 84, 739.75},   // 110-120 deg.C
    {85, 94, 774.83},   // 120-130 deg.C
    {95, 104, 765.83},  // 130-140 deg.C
    {105, 114, 764.43}, // 140-150 deg.C
    {115, 124, 774.4},  // 150-160 deg.C
    {125, 134, 779.23}, // 160-170 deg.C
    {135, 144, 783.73}, // 170-180 deg.C
    {145, 154, 788.43}, // 180-190 deg.C
    {155, 164, 797.08}, // 190-200 deg.C
    {165, 174, 811.23}, // 200-210 deg.C
    {175, 184, 805.43}, // 210-220 deg.C
    {185, 194, 809.95}, // 220-230 deg.C
    {195, 204, 811.38}, // 230-240 deg.C
    {205, 214, 820.78}, // 240-250 deg.C
    {215, 224, 825.3},  // 250-260 deg.C
    {225, 234, 830.48}, // 260-270 deg.C
    {235, 244, 836.88}, // 270-280 deg.C
    {245, 254, 835.48}, // 280-290 deg.C
    {255, 264, 836.73}, // 290-300 deg.C
    {265, 274, 841.53}, // 300-310 deg.C
    {275, 284, 844.88}, // 310-320 deg.C
    {285, 294, 853.5},  // 320-330 deg.C
    {295, 304, 859.8},  // 330-340 deg.C
    {305, 314, 862.88}, // 340-350 deg.C
    {315, 364, 875.2},  // 350-400 deg.C
    {365, 389, 880.5},  // 400-425 deg.C
    {390, 414, 889.23}, // 425-450 deg.C
    {415, 439, 895.68}, // 450-475 deg.C
    {440, 464, 907.5},  // 475-500 deg.C
    {465, 479, 928.1},  // 500-515 deg.C
    {480, 514, 991},    // 515-550 deg.C
    {515, 799, 995},    // 550-835 deg.C
};

INSTANTIATE_TEST_SUITE_P(EveryBand, PublishedCutDensities,
                         ::testing::ValuesIn(kPublishedCutDensities));

TEST(BuiltInTables, PublishedBandsCoverEveryCut) {
    int next = 0;
    for (const CutDensityBand& band : kPublishedCutDensities) {
        EXPECT_EQ(band.first, next);
        next = band.last + 1;
    }
    EXPECT_EQ(next, COilCalc::kCutCount);
}

TEST(DensityOnlyFit, StaysCloseToTheTypicalOilAtItsOwnDensity) {
    const COilCalc calc = densityOnly(841.914);
    EXPECT_EQ(calc.cutFirst, 0);
    EXPECT_EQ(calc.cutEnd, 515);
    for (int i = 0; i < 515; ++i) {
        EXPECT_NEAR(calc.cutShare[i], calc.cutDefaultShare[i], 0.001) << i;
    }
}

TEST(DensityOnlyFit, TiltsTowardsTheHeavyEndAt850) {
    const COilCalc calc = densityOnly(850);
    EXPECT_NEAR(calc.cutShare[0], 0.0701, 0.00005);
    EXPECT_NEAR(calc.cutShare[514], 0.2549, 0.00005);
    EXPECT_NEAR(activeShareSum(calc), 100, 0.00001);
    double cumulative = 0;
    int cut = 0;
    while (cumulative < 50) {
        cumulative += calc.cutShare[cut++];
    }
    EXPECT_EQ(cut - 1, 302); // the 50 % point lies in 337 to 338 deg.C
    EXPECT_NEAR(activeMixtureDensity(calc), 850, 0.0001);
}

TEST(DensityOnlyFit, LightOilLeavesTheCutDensitiesAlone) {
    const COilCalc fitted = densityOnly(700);
    const COilCalc fresh;
    EXPECT_GT(fitted.cutShare[0], 1.0);
    EXPECT_NEAR(activeMixtureDensity(fitted), 700, 0.0001);
    for (int i = 0; i < 515; ++i) {
        EXPECT_EQ(fitted.cutDensity[i], fresh.cutDensity[i]);
    }
}

TEST(DensityOnlyFit, HeavyOilEmptiesTheLightEnd) {
    const COilCalc calc = densityOnly(990);
    EXPECT_LT(calc.cutShare[0], 0.0001);
    EXPECT_GT(calc.cutShare[0], 0); // small positive shares keep their value
    EXPECT_GT(calc.cutShare[514], 10);
}

TEST(DensityOnlyFit, FarBeyondTheRangeNoShareIsLeftAtZero) {
    // The tilt runs on for all passes and the far cuts' shares underflow;
    // each is lifted to the floor again, and the shares still add up.
    for (double density : {450.0, 1100.0}) {
        SCOPED_TRACE(density);
        ScriptedMessages messages(true);
        COilCalc calc(&messages);
        calc.inputMode = 1;
        calc.densityIn = density;
        ASSERT_TRUE(calc.prepareInputs());
        for (int i = calc.cutFirst; i < calc.cutEnd; ++i) {
            ASSERT_GT(calc.cutShare[i], 0) << i;
        }
        EXPECT_NEAR(activeShareSum(calc), 100, 0.001);
    }
}

struct FractionRow {
    double start;
    double end;
    double share;
};

COilCalc fractionTable(const std::vector<FractionRow>& rows, double density,
                       ScriptedMessages* messages = nullptr) {
    COilCalc calc(messages);
    calc.densityIn = density;
    calc.fracCountIn = static_cast<int>(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        calc.fracStartIn[i + 1] = rows[i].start;
        calc.fracEndIn[i + 1] = rows[i].end;
        calc.fracShare[i + 1] = rows[i].share;
    }
    return calc;
}

TEST(FractionTable, OneRowFromTheTableStartTo300) {
    COilCalc calc = fractionTable({{0, 300, 100}}, 0);
    ASSERT_TRUE(calc.prepareInputs());
    EXPECT_EQ(calc.fracStart[1], 35);
    EXPECT_EQ(calc.cutFirst, 0);
    EXPECT_EQ(calc.cutEnd, 265);
    EXPECT_EQ(calc.fracCount, 1);
    for (int i = 0; i < 265; ++i) {
        EXPECT_DOUBLE_EQ(calc.cutShare[i], 100.0 / 265);
    }
    // No density given: the mixture of the built-in cut densities.
    EXPECT_NEAR(calc.density, 770.68, 0.01);
}

TEST(FractionTable, RemainderRowFillsUpTo550) {
    COilCalc calc = fractionTable({{100, 300, 60}}, 850);
    ASSERT_TRUE(calc.prepareInputs());
    EXPECT_EQ(calc.fracCount, 2);
    EXPECT_EQ(calc.fracStart[2], 300);
    EXPECT_EQ(calc.fracEnd[2], 550);
    EXPECT_EQ(calc.fracShare[2], 40);
    EXPECT_EQ(calc.cutFirst, 65);
    EXPECT_EQ(calc.cutEnd, 515);
    EXPECT_NEAR(activeShareSum(calc), 100, 1e-9);
    EXPECT_NEAR(activeMixtureDensity(calc), 850, 1e-9);
}

TEST(FractionTable, RemainderAbove550RunsToTheTableTop) {
    ScriptedMessages messages(true);
    COilCalc calc = fractionTable({{0, 200, 30}, {200, 600, 30}}, 850, &messages);
    ASSERT_TRUE(calc.prepareInputs());
    EXPECT_EQ(calc.fracStart[3], 600);
    EXPECT_EQ(calc.fracEnd[3], 835);
    EXPECT_EQ(calc.cutEnd, 800);
    EXPECT_NEAR(activeShareSum(calc), 100, 1e-9);
}

TEST(FractionTable, LastEndAboveTheTableIsCutAtItsTop) {
    ScriptedMessages messages(true);
    COilCalc calc = fractionTable({{0, 300, 50}, {300, 900, 50}}, 0, &messages);
    ASSERT_TRUE(calc.prepareInputs());
    EXPECT_EQ(calc.cutEnd, 800);
    EXPECT_NEAR(activeShareSum(calc), 100, 1e-9);
}

TEST(FractionTable, FractionWithoutAWholeCutIsRefused) {
    // Rows narrower than one cut would lose their share, leaving shares
    // that no longer add up to 100 %.
    const std::vector<std::vector<FractionRow>> tables = {
        {{0, 100.2, 50}, {100.2, 100.9, 10}, {100.9, 300, 40}},
        {{0, 549.5, 90}},    // the 549.5..550 remainder holds no whole cut
        {{20, 30, 100}},     // ends below the first cut
        {{834.2, 835, 100}}, // starts inside the last cut
    };
    for (const auto& rows : tables) {
        ScriptedMessages messages(true);
        COilCalc calc = fractionTable(rows, 850, &messages);
        EXPECT_FALSE(calc.prepareInputs());
        ASSERT_FALSE(messages.texts().empty());
        EXPECT_EQ(messages.texts().back(), texts::kFractionWithoutCut);
    }
    // The message names the range the cuts really cover.
    const COilCalc table;
    const std::string range = "between " + std::to_string(static_cast<int>(table.cutLow[0])) +
                              " and " + std::to_string(static_cast<int>(table.cutHigh[799])) +
                              " deg.\u0421";
    EXPECT_NE(std::string(texts::kFractionWithoutCut).find(range), std::string::npos);
}

struct ShareSumCase {
    const char* name;
    std::vector<FractionRow> rows;
    const char* error; // nullptr: accepted
    int rowsAfter;     // rows once accepted, a remainder row included
};

void PrintTo(const ShareSumCase& row, std::ostream* out) {
    *out << row.name;
}

class ShareSums : public ::testing::TestWithParam<ShareSumCase> {};

TEST_P(ShareSums, AreJudgedAsTheDecimalsTheUserTyped) {
    const ShareSumCase& c = GetParam();
    ScriptedMessages messages(true);
    COilCalc calc = fractionTable(c.rows, 850, &messages);
    const bool accepted = calc.prepareInputs();
    if (c.error != nullptr) {
        EXPECT_FALSE(accepted);
        ASSERT_FALSE(messages.texts().empty());
        EXPECT_EQ(messages.texts().back(), c.error);
        return;
    }
    ASSERT_TRUE(accepted) << (messages.texts().empty() ? "" : messages.texts().back());
    EXPECT_EQ(calc.fracCount, c.rowsAfter);
    EXPECT_NEAR(activeShareSum(calc), 100, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    FractionTable, ShareSums,
    ::testing::Values(
        // 100 in decimal, 100.00000000000001 as a sum of doubles.
        ShareSumCase{"over_in_binary",
                     {{0, 100, 13.4},
                      {100, 200, 16.585},
                      {200, 300, 47.499},
                      {300, 400, 17.09},
                      {400, 500, 5.426}},
                     nullptr,
                     5},
        // 100 in decimal, 99.99999999999999 in binary, and no cut left above
        // 835 deg.C for a remainder.
        ShareSumCase{"under_in_binary_up_to_the_top",
                     {{0, 100, 48.491},
                      {100, 200, 13.645},
                      {200, 300, 17.022},
                      {300, 400, 2.857},
                      {400, 835, 17.985}},
                     nullptr,
                     5},
        // A real excess stays an error however small.
        ShareSumCase{
            "over_by_a_millionth", {{0, 300, 50}, {300, 400, 50.000001}}, texts::kSharesOver100, 0},
        // A real shortfall with nothing above the last fraction to take it.
        ShareSumCase{"short_ending_inside_the_last_cut",
                     {{0, 300, 50}, {300, 834.5, 49.5}},
                     texts::kSharesShortWithoutRange,
                     0},
        ShareSumCase{"short_ending_above_the_table",
                     {{0, 300, 50}, {300, 900, 49.5}},
                     texts::kSharesShortWithoutRange,
                     0},
        // One whole cut, 834..835, is left for the remainder.
        ShareSumCase{"short_with_the_last_cut_free", {{0, 300, 50}, {300, 834, 49.5}}, nullptr, 3}),
    [](const ::testing::TestParamInfo<ShareSumCase>& info) { return info.param.name; });

TEST(FractionTable, ZeroShareRowWithoutCutIsHarmless) {
    COilCalc calc = fractionTable({{0, 100.2, 50}, {100.2, 100.9, 0}, {100.9, 300, 50}}, 850);
    EXPECT_TRUE(calc.prepareInputs());
    EXPECT_NEAR(activeShareSum(calc), 100, 1e-9);
}

} // namespace
} // namespace viskora
