#include "engine/boiling_shift.h"
#include "engine/calc_steps.h"
#include "engine/message_texts.h"
#include "engine/oil_calc.h"
#include "scripted_messages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

namespace viskora {
namespace {

using testing::ScriptedMessages;

// 100 % over `count` cuts, with `first` on cut 0 and `last` on the last cut.
std::vector<double> shares(int count, double first, double last) {
    std::vector<double> result(count, (100 - first - last) / (count - 2));
    result.front() = first;
    result.back() = last;
    return result;
}

// 100 % over 20 cuts of which the first 19 hold exactly 99.5 %.
std::vector<double> halfPerCentLeft() {
    std::vector<double> result(20, 5.5);
    result[0] = 4.5;
    result[18] = 1.5;
    result[19] = 0.5;
    return result;
}

// A hand-made distribution over cuts 0 .. shares.size() - 1 of the built-in
// cut table, split into parts; cut k ends at 36 + k deg.C.
struct Split {
    COilCalc tables;
    CutArray share{};
    CutArray highAtPressure{};
    int end = 0;

    explicit Split(const std::vector<double>& shares) : end(static_cast<int>(shares.size())) {
        std::copy(shares.begin(), shares.end(), share.begin());
    }
    CutDistribution cuts() const {
        return {tables.cutLow, tables.cutHigh, tables.cutDensity, share, 0, end};
    }
    // At atmospheric pressure and a temperature that boils off `boiled` cuts.
    std::optional<PhaseSplit> boilingOff(int boiled) {
        return splitIntoParts(cuts(), {35 + boiled + 0.5, 0.101}, highAtPressure);
    }
    // The sum of a part's shares, each the oil's times the part's scale.
    double partSum(int first, int last, double scale) const {
        double sum = 0;
        for (int i = first; i < last; ++i) {
            sum += share[i] * scale;
        }
        return sum;
    }
};

// The questions of a doubtful design state and what their answers do.
struct QuestionCase {
    const char* name;
    double designTemp;
    double pseudoCritTemp;
    std::vector<bool> answers;
    std::vector<std::string> asked;
    bool goesOn;
};

void PrintTo(const QuestionCase& c, std::ostream* out) {
    *out << c.name;
}

class DesignStateQuestions : public ::testing::TestWithParam<QuestionCase> {};

TEST_P(DesignStateQuestions, AreAskedInTurnAndNoStops) {
    const QuestionCase& c = GetParam();
    ScriptedMessages messages(true);
    for (bool answer : c.answers) {
        messages.answerNext(answer);
    }
    COilCalc calc(&messages);
    calc.cutFirst = 0;
    calc.cutEnd = 20;
    calc.designPressure = 0.101;
    calc.designTemp = c.designTemp;
    calc.pseudoCritTemp = c.pseudoCritTemp;
    EXPECT_EQ(calc.splitPhases(), c.goesOn);
    EXPECT_EQ(messages.texts(), c.asked);
    for (const auto& shown : messages.shown()) {
        EXPECT_EQ(shown.kind, ScriptedMessages::Kind::Question);
    }
    if (!c.goesOn) {
        // Stopped before anything was split.
        EXPECT_EQ(calc.phaseState, PhaseState::Unsplit);
    }
}

const std::string kAbove = texts::kAbovePseudoCritical;
const std::string kBelowZero = texts::kDesignTempBelowZero;

INSTANTIATE_TEST_SUITE_P(
    SplitPhases, DesignStateQuestions,
    ::testing::Values(QuestionCase{"ordinary", 50, 400, {}, {}, true},
                      QuestionCase{"above_pseudocritical_yes", 450, 400, {true}, {kAbove}, true},
                      QuestionCase{"above_pseudocritical_no", 450, 400, {false}, {kAbove}, false},
                      QuestionCase{"below_zero_yes", -5, 400, {true}, {kBelowZero}, true},
                      QuestionCase{"below_zero_no", -5, 400, {false}, {kBelowZero}, false},
                      // Above the pseudocritical temperature and below 0 at once: both, in turn.
                      QuestionCase{"both_yes", -5, -10, {true, true}, {kAbove, kBelowZero}, true},
                      QuestionCase{
                          "both_then_no", -5, -10, {true, false}, {kAbove, kBelowZero}, false},
                      QuestionCase{"first_no", -5, -10, {false}, {kAbove}, false},
                      // Equal to the pseudocritical temperature, or exactly 0: no question.
                      QuestionCase{"at_the_limits", 0, 0, {}, {}, true}),
    [](const ::testing::TestParamInfo<QuestionCase>& info) { return info.param.name; });

TEST(SplitPhases, WithoutAMessageInterfaceEveryQuestionIsAnsweredNo) {
    COilCalc calc;
    calc.designPressure = 0.101;
    calc.designTemp = 600;
    calc.pseudoCritTemp = 500;
    EXPECT_FALSE(calc.splitPhases());
}

// The extremes of the gas share are rounded for showing, while each part's
// cuts are rescaled with the share actually boiled off, so that they add up
// to 100 % (the rounded share used to make them add up to 50 to 100 %).
struct RoundingCase {
    const char* name;
    std::vector<double> distribution;
    int boiled;
    double gasShare;
    PhaseState state;
    int splitCut;
};

void PrintTo(const RoundingCase& c, std::ostream* out) {
    *out << c.name;
}

class ExtremeShares : public ::testing::TestWithParam<RoundingCase> {};

TEST_P(ExtremeShares, AreRoundedAndEachPartStillAddsUpTo100) {
    const RoundingCase& c = GetParam();
    Split split(c.distribution);
    const std::optional<PhaseSplit> parts = split.boilingOff(c.boiled);
    ASSERT_TRUE(parts);
    EXPECT_EQ(parts->gasMassShare, c.gasShare);
    EXPECT_EQ(parts->liquidMassShare, 100 - c.gasShare);
    EXPECT_EQ(parts->state, c.state);
    EXPECT_EQ(parts->splitCut, c.splitCut);
    if (c.gasShare > 0) {
        EXPECT_NEAR(split.partSum(0, parts->splitCut, parts->gasShareScale), 100, 1e-9);
    }
    if (c.gasShare < 100) {
        EXPECT_NEAR(split.partSum(parts->splitCut, 20, parts->liquidShareScale), 100, 1e-9);
    }
}

INSTANTIATE_TEST_SUITE_P(
    SplitPhases, ExtremeShares,
    ::testing::Values(
        RoundingCase{"gas_0_4_is_none", shares(20, 0.4, 5), 1, 0, PhaseState::LiquidOnly, 0},
        RoundingCase{"gas_0_6_is_1", shares(20, 0.6, 5), 1, 1, PhaseState::GasAndLiquid, 1},
        RoundingCase{"gas_0_7_is_1", shares(20, 0.7, 5), 1, 1, PhaseState::GasAndLiquid, 1},
        RoundingCase{"gas_5_stays", shares(20, 5, 5), 1, 5, PhaseState::GasAndLiquid, 1},
        RoundingCase{"gas_99_2_is_99", shares(20, 5, 0.8), 19, 99, PhaseState::GasAndLiquid, 19},
        RoundingCase{"gas_99_6_is_all", shares(20, 5, 0.4), 19, 100, PhaseState::GasOnly, 19},
        RoundingCase{"all_boiled_off", shares(20, 5, 5), 20, 100, PhaseState::GasOnly, 20},
        // Exactly half a per cent, either end: up to one phase's whole per cent.
        RoundingCase{"gas_half_is_1", shares(20, 0.5, 5), 1, 1, PhaseState::GasAndLiquid, 1},
        RoundingCase{"liquid_half_is_1", halfPerCentLeft(), 19, 99, PhaseState::GasAndLiquid, 19}),
    [](const ::testing::TestParamInfo<RoundingCase>& info) { return info.param.name; });

TEST(SplitPhases, OnlyTheUnbrokenRunOfLightCutsIsBoiledOff) {
    Split split(shares(20, 5, 5));
    // Cut 2 would not boil at this pressure: the run stops there.
    split.tables.cutHigh[2] = 80;
    const std::optional<PhaseSplit> parts = split.boilingOff(4);
    ASSERT_TRUE(parts);
    EXPECT_EQ(parts->splitCut, 2);
    EXPECT_NEAR(parts->gasMassShare, 5 + 90.0 / 18, 1e-12);
}

// A cut boils off once the design temperature reaches the cut's end shifted
// to the design pressure: at exactly that temperature it is gas, one step
// of a double below it is not.
struct CutEndCase {
    const char* name;
    double pressure; // MPa
    int boiled;      // the cut whose shifted end is the design temperature, from 1
    bool justBelow;  // the design temperature the next double below it
    int splitCut;
    double gasShare;
};

void PrintTo(const CutEndCase& c, std::ostream* out) {
    *out << c.name;
}

class DesignTemperatureAtACutsEnd : public ::testing::TestWithParam<CutEndCase> {};

TEST_P(DesignTemperatureAtACutsEnd, BoilsTheCutOff) {
    const CutEndCase& c = GetParam();
    Split split(shares(20, 5, 5));
    const double end = boiling::AshworthShift(c.pressure)(
        split.tables.cutHigh[static_cast<std::size_t>(c.boiled - 1)]);
    const double temperature =
        c.justBelow ? std::nextafter(end, -std::numeric_limits<double>::infinity()) : end;
    const std::optional<PhaseSplit> parts =
        splitIntoParts(split.cuts(), {temperature, c.pressure}, split.highAtPressure);
    ASSERT_TRUE(parts);
    EXPECT_EQ(parts->splitCut, c.splitCut);
    EXPECT_NEAR(parts->gasMassShare, c.gasShare, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    SplitPhases, DesignTemperatureAtACutsEnd,
    ::testing::Values(CutEndCase{"ThirdCutAt0_3MPa", 0.3, 3, false, 3, 15},
                      CutEndCase{"JustBelowTheThirdCutAt0_3MPa", 0.3, 3, true, 2, 10},
                      CutEndCase{"FirstCutAt1MPa", 1.0, 1, false, 1, 5},
                      CutEndCase{"TenthCutBelowAtmospheric", 0.05, 10, false, 10, 50}),
    [](const ::testing::TestParamInfo<CutEndCase>& info) { return info.param.name; });

TEST(SplitPhases, AtmosphericDesignPressureLeavesBoilingTemperaturesAlone) {
    Split split(shares(20, 5, 5));
    split.end = kCutCount;
    ASSERT_TRUE(split.boilingOff(3));
    for (int i = 0; i < kCutCount; ++i) {
        EXPECT_NEAR(split.highAtPressure[i], split.tables.cutHigh[i], 1e-9) << i;
    }
}

TEST(BoilingShift, HigherPressureRaisesAndLowerPressureLowersTheBoilingPoint) {
    EXPECT_NEAR(boiling::AshworthShift(1.0)(300), 444.17, 0.01);
    EXPECT_GT(boiling::AshworthShift(0.3)(100), 100);
    EXPECT_LT(boiling::AshworthShift(0.05)(100), 100);
}

} // namespace
} // namespace viskora
