#include "engine/boiling_shift.h"
#include "engine/message_texts.h"
#include "engine/oil_calc.h"
#include "scripted_messages.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

namespace viskora {
namespace {

using testing::ScriptedMessages;

// A record just before the phase split, with a hand-made distribution over
// cuts 0 .. shares.size() - 1 and a design state at atmospheric pressure
// that boils off the first `boiled` cuts (cut k ends at 36 + k deg.C).
COilCalc beforeSplit(CalcMessages* messages, const std::vector<double>& shares, int boiled) {
    COilCalc calc(messages);
    calc.cutFirst = 0;
    calc.cutEnd = static_cast<int>(shares.size());
    for (std::size_t i = 0; i < shares.size(); ++i) {
        calc.cutShare[i] = shares[i];
    }
    calc.designPressure = 0.101;
    calc.designTemp = 35 + boiled + 0.5;
    calc.pseudoCritTemp = 500;
    return calc;
}

double shareSum(const COilCalc& calc, int first, int end) {
    return std::accumulate(calc.cutShare.begin() + first, calc.cutShare.begin() + end, 0.0);
}

// 100 % over `count` cuts, with `first` on cut 0 and `last` on the last cut.
std::vector<double> shares(int count, double first, double last) {
    std::vector<double> result(count, (100 - first - last) / (count - 2));
    result.front() = first;
    result.back() = last;
    return result;
}

TEST(SplitPhases, QuestionsAndTheirAnswers) {
    struct Case {
        double designTemp;
        double pseudoCritTemp;
        std::vector<bool> answers;
        std::vector<std::string> asked;
        bool goesOn;
    };
    const std::string above = texts::kAbovePseudoCritical;
    const std::string belowZero = texts::kDesignTempBelowZero;
    const Case cases[] = {
        {50, 400, {}, {}, true},
        {450, 400, {true}, {above}, true},
        {450, 400, {false}, {above}, false},
        {-5, 400, {true}, {belowZero}, true},
        {-5, 400, {false}, {belowZero}, false},
        // Above the pseudocritical temperature and below 0 at once: both, in turn.
        {-5, -10, {true, true}, {above, belowZero}, true},
        {-5, -10, {true, false}, {above, belowZero}, false},
        {-5, -10, {false}, {above}, false},
        // Equal to the pseudocritical temperature, or exactly 0: no question.
        {0, 0, {}, {}, true},
    };
    for (const Case& c : cases) {
        ScriptedMessages messages(true);
        for (bool answer : c.answers) {
            messages.answerNext(answer);
        }
        COilCalc calc = beforeSplit(&messages, shares(20, 5, 5), 0);
        calc.designTemp = c.designTemp;
        calc.pseudoCritTemp = c.pseudoCritTemp;
        EXPECT_EQ(calc.splitPhases(), c.goesOn) << c.designTemp << " " << c.pseudoCritTemp;
        EXPECT_EQ(messages.texts(), c.asked) << c.designTemp << " " << c.pseudoCritTemp;
        for (const auto& shown : messages.shown()) {
            EXPECT_EQ(shown.kind, ScriptedMessages::Kind::Question);
        }
        EXPECT_EQ(calc.pseudoCritTempFrozen, 1);
        if (!c.goesOn) {
            // Stopped before anything was split.
            EXPECT_EQ(calc.gasMassShare, 0);
            EXPECT_EQ(calc.cutEnd, 20);
            EXPECT_EQ(calc.phaseState, 1);
        }
    }
}

TEST(SplitPhases, WithoutAMessageInterfaceEveryQuestionIsAnsweredNo) {
    COilCalc calc = beforeSplit(nullptr, shares(20, 5, 5), 3);
    calc.designTemp = 600;
    EXPECT_FALSE(calc.splitPhases());
}

// 100 % over 20 cuts of which the first 19 hold exactly 99.5 %.
std::vector<double> halfPerCentLeft() {
    std::vector<double> result(20, 5.5);
    result[0] = 4.5;
    result[18] = 1.5;
    result[19] = 0.5;
    return result;
}

// The extremes of the gas share are rounded for showing, while each part's
// cuts are rescaled with the share actually boiled off, so that they add up
// to 100 % (the rounded share used to make them add up to 50 to 100 %).
TEST(SplitPhases, ExtremeSharesAreRoundedAndEachPartStillAddsUpTo100) {
    struct Case {
        std::vector<double> distribution;
        int boiled;
        double gasShare;
        int phaseState;
        int splitCut;
    };
    const Case cases[] = {
        {shares(20, 0.4, 5), 1, 0, 2, 0},
        {shares(20, 0.6, 5), 1, 1, 1, 1},
        {shares(20, 0.7, 5), 1, 1, 1, 1},
        {shares(20, 5, 5), 1, 5, 1, 1},
        {shares(20, 5, 0.8), 19, 99, 1, 19},
        {shares(20, 5, 0.4), 19, 100, 1, 19},
        {shares(20, 5, 5), 20, 100, 1, 20},
        // Exactly half a per cent, either end: up to one phase's whole per cent.
        {shares(20, 0.5, 5), 1, 1, 1, 1},
        {halfPerCentLeft(), 19, 99, 1, 19},
    };
    for (const Case& c : cases) {
        COilCalc calc = beforeSplit(nullptr, c.distribution, c.boiled);
        ASSERT_TRUE(calc.splitPhases());
        const std::string label = std::to_string(c.distribution.front()) + " " +
                                  std::to_string(c.distribution.back()) + " " +
                                  std::to_string(c.boiled);
        EXPECT_EQ(calc.gasMassShare, c.gasShare) << label;
        EXPECT_EQ(calc.liquidMassShare, 100 - c.gasShare) << label;
        EXPECT_EQ(calc.phaseState, c.phaseState) << label;
        EXPECT_EQ(calc.splitCut, c.splitCut) << label;
        EXPECT_EQ(calc.cutEnd, c.splitCut) << label;
        EXPECT_EQ(calc.savedCutEnd, 20) << label;
        EXPECT_EQ(calc.inputMode, 1) << label;
        if (c.gasShare > 0) {
            EXPECT_NEAR(shareSum(calc, 0, calc.splitCut), 100, 1e-9) << label;
        }
        if (c.gasShare < 100) {
            EXPECT_NEAR(shareSum(calc, calc.splitCut, 20), 100, 1e-9) << label;
        }
    }
}

TEST(SplitPhases, OnlyTheUnbrokenRunOfLightCutsIsBoiledOff) {
    COilCalc calc = beforeSplit(nullptr, shares(20, 5, 5), 4);
    // Cut 2 would not boil at this pressure: the run stops there.
    calc.designPressure = 0.101;
    calc.cutHigh[2] = 80;
    ASSERT_TRUE(calc.splitPhases());
    EXPECT_EQ(calc.splitCut, 2);
    EXPECT_NEAR(calc.gasMassShare, 5 + 90.0 / 18, 1e-12);
}

TEST(SplitPhases, AtmosphericDesignPressureLeavesBoilingTemperaturesAlone) {
    COilCalc calc = beforeSplit(nullptr, shares(20, 5, 5), 3);
    calc.cutEnd = COilCalc::kCutCount;
    ASSERT_TRUE(calc.splitPhases());
    for (int i = 0; i < COilCalc::kCutCount; ++i) {
        EXPECT_NEAR(calc.cutHighAtP[i], calc.cutHigh[i], 1e-9) << i;
    }
}

TEST(BoilingShift, HigherPressureRaisesAndLowerPressureLowersTheBoilingPoint) {
    EXPECT_NEAR(boiling::AshworthShift(1.0)(300), 444.17, 0.01);
    EXPECT_GT(boiling::AshworthShift(0.3)(100), 100);
    EXPECT_LT(boiling::AshworthShift(0.05)(100), 100);
}

} // namespace
} // namespace viskora
