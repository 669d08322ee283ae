#include "engine/calc_sequence.h"
#include "engine/message_texts.h"
#include "engine/oil_calc.h"
#include "scripted_messages.h"
#include "worked_examples.h"

#include <gtest/gtest.h>

#include <cmath>

namespace viskora {
namespace {

using testing::ScriptedMessages;

TEST(BasicCalculation, TwoRunsOnFreshRecordsGiveTheSameResults) {
    COilCalc first = testing::densityExampleOil();
    COilCalc second = testing::densityExampleOil();
    ASSERT_EQ(runBasicCalculation(first), CalcOutcome::Completed);
    ASSERT_EQ(runBasicCalculation(second), CalcOutcome::Completed);
    const BasicResults a = basicResults(first);
    const BasicResults b = basicResults(second);
    EXPECT_EQ(a.density, b.density);
    EXPECT_EQ(a.atReference.kinematicViscosity, b.atReference.kinematicViscosity);
    EXPECT_EQ(a.pseudoCritTemp, b.pseudoCritTemp);
    EXPECT_EQ(a.prandtlText, "469");
}

TEST(BasicCalculation, DefaultFractionRowsAreNotReadInDensityOnlyMode) {
    COilCalc plain = testing::densityExampleOil();
    COilCalc withRows = testing::densityExampleOil();
    withRows.fracCountIn = 2;
    withRows.fracStartIn[1] = 999;
    ASSERT_EQ(runBasicCalculation(plain), CalcOutcome::Completed);
    ASSERT_EQ(runBasicCalculation(withRows), CalcOutcome::Completed);
    EXPECT_EQ(basicResults(plain).atReference.specificHeat,
              basicResults(withRows).atReference.specificHeat);
}

TEST(BasicCalculation, StopsOnAnInputErrorOrANoAnswer) {
    ScriptedMessages messages(false);
    COilCalc calc(&messages);
    calc.inputMode = 1;
    calc.densityIn = 500;
    EXPECT_EQ(runBasicCalculation(calc), CalcOutcome::Stopped);
    EXPECT_EQ(messages.shown().size(), 1u);
}

TEST(BasicCalculation, ResultsThatAreNotNumbersAreRefusedNotShown) {
    // Answering Yes to the range warning lets an absurd density through; the
    // correlations then leave their range and the calculation must fail
    // with a message rather than show inf or nan.
    for (double density : {1e6, 1e300, 1.0}) {
        ScriptedMessages messages(true);
        COilCalc calc(&messages);
        calc.inputMode = 1;
        calc.densityIn = density;
        const CalcOutcome outcome = runBasicCalculation(calc);
        if (outcome == CalcOutcome::Completed) {
            const BasicResults results = basicResults(calc);
            EXPECT_TRUE(std::isfinite(results.atReference.prandtl)) << density;
            EXPECT_GT(results.atReference.kinematicViscosity, 0) << density;
        } else {
            EXPECT_EQ(outcome, CalcOutcome::Failed) << density;
            ASSERT_FALSE(messages.shown().empty());
            EXPECT_EQ(messages.shown().back().kind, ScriptedMessages::Kind::Failure);
            EXPECT_EQ(messages.shown().back().text, texts::kResultOutOfRange);
        }
    }
}

TEST(BasicCalculation, DesignPressureDefaultPassesItsCheck) {
    ScriptedMessages messages;
    COilCalc calc(&messages);
    calc.inputMode = 1;
    calc.densityIn = 850;
    EXPECT_EQ(calc.designPressureIn, 0.3);
    EXPECT_EQ(runBasicCalculation(calc), CalcOutcome::Completed);
    EXPECT_TRUE(messages.shown().empty());
}

} // namespace
} // namespace viskora
