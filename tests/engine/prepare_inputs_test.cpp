#include "engine/message_texts.h"
#include "engine/oil_calc.h"
#include "scripted_messages.h"
#include "worked_examples.h"

#include <gtest/gtest.h>

#include <limits>
#include <ostream>
#include <string>
#include <vector>

namespace viskora {
namespace {

using testing::ScriptedMessages;

struct Row {
    double start;
    double end;
    double share;
};

void setFractions(COilCalc& calc, const std::vector<Row>& rows) {
    calc.inputMode = 2;
    calc.fracCountIn = static_cast<int>(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        calc.fracStartIn[i + 1] = rows[i].start;
        calc.fracEndIn[i + 1] = rows[i].end;
        calc.fracShare[i + 1] = rows[i].share;
    }
}

// The published figures to two decimals, and the same worked out by hand
// from rho20 = rho_t + (t - 20)(0.001825 - 0.0013167 rho20) to four: a
// last-digit slip in either coefficient moves the fourth decimal.
struct DensityAt20 {
    double density;
    double measuredAt;
    const char* published;
    const char* worked;
    bool warned;
};

void PrintTo(const DensityAt20& c, std::ostream* out) {
    *out << c.density << " kg/m3 at " << c.measuredAt << " deg.C";
}

class DensityCorrection : public ::testing::TestWithParam<DensityAt20> {};

TEST_P(DensityCorrection, TakesTheDensityToTwentyDegrees) {
    const DensityAt20& c = GetParam();
    ScriptedMessages messages(true);
    COilCalc calc(&messages);
    calc.inputMode = 1;
    calc.densityIn = c.density;
    calc.densityTempIn = c.measuredAt;
    ASSERT_TRUE(calc.prepareInputs());
    EXPECT_TRUE(testing::roundsTo(calc.density, c.published));
    EXPECT_TRUE(testing::roundsTo(calc.density, c.worked));
    EXPECT_EQ(messages.shown().size(), c.warned ? 1u : 0u);
    if (c.warned) {
        EXPECT_EQ(messages.texts()[0], texts::kDensityOutOfRange);
    }
}

INSTANTIATE_TEST_SUITE_P(PrepareInputs, DensityCorrection,
                         ::testing::Values(DensityAt20{850, 20, "850.00", "850.0000", false},
                                           DensityAt20{850, 50, "870.37", "870.3695", false},
                                           // Exactly 0 deg.C is not "below 0".
                                           DensityAt20{850, 0, "835.50", "835.5021", false},
                                           // Out of range once corrected: a warning.
                                           DensityAt20{995, 50, "1009.86", "1009.8595", true}));

TEST(PrepareInputs, DesignPressureMustBePositive) {
    for (double pressure : {0.0, -1.0}) {
        ScriptedMessages messages;
        COilCalc calc(&messages);
        calc.inputMode = 1;
        calc.densityIn = 850;
        calc.designPressureIn = pressure;
        EXPECT_FALSE(calc.prepareInputs());
        ASSERT_EQ(messages.texts(), std::vector<std::string>{texts::kPressureNotPositive});
    }
    ScriptedMessages messages;
    COilCalc calc(&messages);
    calc.inputMode = 1;
    calc.densityIn = 850;
    calc.designPressureIn = 1e-9;
    EXPECT_TRUE(calc.prepareInputs());
    EXPECT_TRUE(messages.shown().empty());
}

TEST(PrepareInputs, DensityZeroIsAnErrorOnlyWithoutFractions) {
    ScriptedMessages densityOnly;
    COilCalc first(&densityOnly);
    first.inputMode = 1;
    first.densityIn = 0;
    EXPECT_FALSE(first.prepareInputs());
    EXPECT_EQ(densityOnly.texts(), std::vector<std::string>{texts::kDensityNotGiven});

    ScriptedMessages withFractions;
    COilCalc second(&withFractions);
    second.densityIn = 0;
    setFractions(second, {{0, 300, 100}});
    EXPECT_TRUE(second.prepareInputs());
    EXPECT_TRUE(withFractions.shown().empty());
}

TEST(PrepareInputs, WarningsAnsweredNoStopWithoutAFurtherMessage) {
    ScriptedMessages messages(false);
    COilCalc calc(&messages);
    calc.inputMode = 1;
    calc.densityIn = 500;
    calc.densityTempIn = -5;
    EXPECT_FALSE(calc.prepareInputs());
    EXPECT_EQ(messages.texts(), std::vector<std::string>{texts::kDensityTempBelowZero});
}

TEST(PrepareInputs, WarningsAnsweredYesComeInOrderAndGoOn) {
    ScriptedMessages messages(true);
    COilCalc calc(&messages);
    calc.densityIn = 1200;
    calc.densityTempIn = -5;
    setFractions(calc, {{20, 100, 50}, {100, 700, 50}});
    EXPECT_TRUE(calc.prepareInputs());
    const std::vector<std::string> expected = {texts::kDensityTempBelowZero,
                                               texts::kDensityOutOfRangeOrZero,
                                               texts::kFirstStartTooLow, texts::kLastEndTooHigh};
    EXPECT_EQ(messages.texts(), expected);
}

// Each warning's limit belongs to the range that asks nothing: density 990
// kg/m3 measured at 0 deg.C, a first fraction starting at 30 deg.C and a last
// one ending at 600 deg.C.
TEST(PrepareInputs, ValuesOnTheWarningLimitsAskNothing) {
    ScriptedMessages messages;
    COilCalc calc(&messages);
    calc.densityIn = 990;
    calc.densityTempIn = 0;
    setFractions(calc, {{30, 100, 50}, {100, 600, 50}});
    EXPECT_TRUE(calc.prepareInputs());
    EXPECT_TRUE(messages.shown().empty());
}

struct DensityLimit {
    const char* name;
    double density; // kg/m3 at 20 deg.C, a density-only oil
    bool warned;
};

void PrintTo(const DensityLimit& c, std::ostream* out) {
    *out << c.name;
}

class DensityLimits : public ::testing::TestWithParam<DensityLimit> {};

// The correlations' density range, 600 to 990 kg/m3 at 20 deg.C, asks
// nothing on its limits and warns just past either of them.
TEST_P(DensityLimits, WarnOnlyOutsideTheRange) {
    const DensityLimit& c = GetParam();
    ScriptedMessages messages(true);
    COilCalc calc(&messages);
    calc.inputMode = COilCalc::kDensityOnly;
    calc.densityIn = c.density;
    calc.densityTempIn = 20;
    EXPECT_TRUE(calc.prepareInputs());
    EXPECT_EQ(messages.texts(), c.warned ? std::vector<std::string>{texts::kDensityOutOfRange}
                                         : std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(PrepareInputs, DensityLimits,
                         ::testing::Values(DensityLimit{"Lightest", 600, false},
                                           DensityLimit{"BelowIt", 599.9, true},
                                           DensityLimit{"Heaviest", 990, false},
                                           DensityLimit{"AboveIt", 990.1, true}),
                         [](const auto& info) { return std::string(info.param.name); });

struct FractionTableError {
    const char* name;
    std::vector<Row> rows;
    const char* message;
};

void PrintTo(const FractionTableError& c, std::ostream* out) {
    *out << c.name;
}

class FractionTableErrors : public ::testing::TestWithParam<FractionTableError> {};

TEST_P(FractionTableErrors, AreRefusedWithTheirMessage) {
    const FractionTableError& c = GetParam();
    ScriptedMessages messages;
    COilCalc calc(&messages);
    calc.densityIn = 850;
    setFractions(calc, c.rows);
    EXPECT_FALSE(calc.prepareInputs());
    EXPECT_EQ(messages.texts(), std::vector<std::string>{c.message});
}

INSTANTIATE_TEST_SUITE_P(
    PrepareInputs, FractionTableErrors,
    ::testing::Values(
        FractionTableError{"rows_not_contiguous",
                           {{0, 100.00001, 40}, {100.0, 200, 60}},
                           texts::kFractionsNotContiguous},
        FractionTableError{"end_not_above_start",
                           {{0, 100, 40}, {100, 100, 60}},
                           texts::kFractionEndNotAboveStart},
        FractionTableError{"last_end_needed", {{0, 100, 40}, {100, 0, 50}}, texts::kLastEndNeeded},
        FractionTableError{
            "shares_over_100", {{0, 100, 50}, {100, 200, 50.0000001}}, texts::kSharesOver100}),
    [](const ::testing::TestParamInfo<FractionTableError>& info) { return info.param.name; });

TEST(PrepareInputs, SharesOver100AreReportedOnlyAfterEveryEarlierCheck) {
    ScriptedMessages messages(true);
    COilCalc calc(&messages);
    calc.densityIn = 850;
    setFractions(calc, {{10, 100, 60}, {100, 200, 60}});
    EXPECT_FALSE(calc.prepareInputs());
    const std::vector<std::string> expected = {texts::kFirstStartTooLow, texts::kSharesOver100};
    EXPECT_EQ(messages.texts(), expected);
}

TEST(PrepareInputs, ZeroBoundariesInKelvinStayNotGiven) {
    ScriptedMessages messages;
    COilCalc calc(&messages);
    calc.tempUnit = unit::kKelvin;
    calc.densityIn = 850;
    calc.densityTempIn = 293.15;
    setFractions(calc, {{0, 400, 30}, {400, 0, 30}});
    EXPECT_FALSE(calc.prepareInputs());
    EXPECT_EQ(calc.fracStart[1], 0);
    EXPECT_EQ(calc.fracEnd[2], 0);
    EXPECT_EQ(messages.texts(), std::vector<std::string>{texts::kLastEndNeeded});
}

TEST(PrepareInputs, SixtyPerCentWithAGivenEndPasses) {
    ScriptedMessages messages;
    COilCalc calc(&messages);
    calc.densityIn = 850;
    setFractions(calc, {{100, 300, 60}});
    EXPECT_TRUE(calc.prepareInputs());
    EXPECT_TRUE(messages.shown().empty());
}

TEST(PrepareInputs, HundredPerCentWithoutALastEndPasses) {
    // The end of the last fraction is needed only for a remainder.
    ScriptedMessages messages;
    COilCalc calc(&messages);
    setFractions(calc, {{0, 150, 40}, {150, 0, 60}});
    EXPECT_TRUE(calc.prepareInputs());
    EXPECT_TRUE(messages.shown().empty());
}

TEST(PrepareInputs, RefusesNumbersThatAreNotFinite) {
    const double infinity = std::numeric_limits<double>::infinity();
    for (int field = 0; field < 4; ++field) {
        SCOPED_TRACE(field);
        ScriptedMessages messages(true);
        COilCalc calc(&messages);
        calc.inputMode = 1;
        calc.densityIn = 850;
        double* targets[] = {&calc.densityIn, &calc.densityTempIn, &calc.designTempIn,
                             &calc.designPressureIn};
        *targets[field] = field % 2 == 0 ? infinity : -infinity;
        EXPECT_FALSE(calc.prepareInputs());
        EXPECT_EQ(messages.texts(), std::vector<std::string>{texts::kNumberOutOfRange});
    }
    ScriptedMessages messages(true);
    COilCalc calc(&messages);
    calc.densityIn = 850;
    setFractions(calc, {{0, 300, infinity}});
    EXPECT_FALSE(calc.prepareInputs());
    EXPECT_EQ(messages.texts(), std::vector<std::string>{texts::kNumberOutOfRange});
}

TEST(PrepareInputs, NegativeDensityIsRefusedBeforeTheRangeWarning) {
    ScriptedMessages densityOnly(true);
    COilCalc first(&densityOnly);
    first.inputMode = 1;
    first.densityIn = -850;
    EXPECT_FALSE(first.prepareInputs());
    EXPECT_EQ(densityOnly.texts(), std::vector<std::string>{texts::kDensityNegative});

    ScriptedMessages withFractions(true);
    COilCalc second(&withFractions);
    second.densityIn = -850;
    setFractions(second, {{0, 300, 100}});
    EXPECT_FALSE(second.prepareInputs());
    EXPECT_EQ(withFractions.texts(), std::vector<std::string>{texts::kDensityNegativeOrZero});
}

TEST(PrepareInputs, FractionCountOutsideTheTableIsRefused) {
    for (int count : {0, -1, 101}) {
        ScriptedMessages messages;
        COilCalc calc(&messages);
        calc.densityIn = 850;
        calc.fracCountIn = count;
        EXPECT_FALSE(calc.prepareInputs());
        EXPECT_EQ(messages.texts(), std::vector<std::string>{texts::kFractionCountOutOfRange});
    }
}

// 100 deg.C in each temperature unit.
struct HundredDegrees {
    int unit;
    double entered;
};

void PrintTo(const HundredDegrees& c, std::ostream* out) {
    *out << c.entered << " in unit " << c.unit;
}

class TemperatureUnits : public ::testing::TestWithParam<HundredDegrees> {};

TEST_P(TemperatureUnits, ReachCelsius) {
    COilCalc calc;
    calc.inputMode = 1;
    calc.densityIn = 850;
    calc.tempUnit = GetParam().unit;
    calc.designTempIn = GetParam().entered;
    calc.densityTempIn = GetParam().entered;
    ASSERT_TRUE(calc.prepareInputs());
    EXPECT_NEAR(calc.designTemp, 100, 1e-9);
    EXPECT_NEAR(calc.densityTemp, 100, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(PrepareInputs, TemperatureUnits,
                         ::testing::Values(HundredDegrees{unit::kKelvin, 373.15},
                                           HundredDegrees{unit::kCelsius, 100},
                                           HundredDegrees{unit::kFahrenheit, 212},
                                           HundredDegrees{unit::kRankine, 671.67}));

// Every temperature input below absolute zero is refused before any warning
// is asked; absolute zero itself, in any unit, is not below it.
struct AbsoluteZeroCase {
    const char* name;
    int unit;
    double densityTemp;
    double designTemp;
    std::vector<Row> rows; // empty: density only
    const char* message;   // nullptr: accepted
};

void PrintTo(const AbsoluteZeroCase& c, std::ostream* out) {
    *out << c.name;
}

class BelowAbsoluteZero : public ::testing::TestWithParam<AbsoluteZeroCase> {};

TEST_P(BelowAbsoluteZero, IsRefusedBeforeAnyWarning) {
    const AbsoluteZeroCase& c = GetParam();
    ScriptedMessages messages(true);
    COilCalc calc(&messages);
    calc.inputMode = 1;
    calc.densityIn = 850;
    calc.tempUnit = c.unit;
    calc.densityTempIn = c.densityTemp;
    calc.designTempIn = c.designTemp;
    if (!c.rows.empty()) {
        setFractions(calc, c.rows);
    }
    const bool prepared = calc.prepareInputs();
    if (c.message == nullptr) {
        ASSERT_FALSE(messages.texts().empty());
        EXPECT_EQ(messages.texts().front(), texts::kDensityTempBelowZero);
        return;
    }
    EXPECT_FALSE(prepared);
    EXPECT_EQ(messages.texts(), std::vector<std::string>{c.message});
}

INSTANTIATE_TEST_SUITE_P(
    PrepareInputs, BelowAbsoluteZero,
    ::testing::Values(
        AbsoluteZeroCase{"density_temperature_of_minus_1_K",
                         unit::kKelvin,
                         -1,
                         300,
                         {},
                         texts::kDensityTempBelowAbsoluteZero},
        AbsoluteZeroCase{"design_temperature_of_minus_274_C",
                         unit::kCelsius,
                         20,
                         -274,
                         {},
                         texts::kDesignTempBelowAbsoluteZero},
        AbsoluteZeroCase{"design_temperature_of_minus_460_F",
                         unit::kFahrenheit,
                         68,
                         -460,
                         {},
                         texts::kDesignTempBelowAbsoluteZero},
        AbsoluteZeroCase{"fraction_start_of_minus_1_R",
                         unit::kRankine,
                         528,
                         528,
                         {{-1, 600, 50}, {600, 800, 50}},
                         texts::kFractionTempBelowAbsoluteZero},
        // Also not above its start: below absolute zero is said first.
        AbsoluteZeroCase{"fraction_end_of_minus_300_C",
                         unit::kCelsius,
                         20,
                         20,
                         {{0, -300, 50}, {-300, 200, 50}},
                         texts::kFractionTempBelowAbsoluteZero},
        // Absolute zero in each unit: the density temperature only brings
        // the "< 0 deg." warning first.
        AbsoluteZeroCase{"zero_K", unit::kKelvin, 0, 0, {}, nullptr},
        AbsoluteZeroCase{"minus_273_15_C", unit::kCelsius, -273.15, -273.15, {}, nullptr},
        AbsoluteZeroCase{"minus_459_67_F", unit::kFahrenheit, -459.67, -459.67, {}, nullptr},
        AbsoluteZeroCase{"zero_R", unit::kRankine, 0, 0, {}, nullptr}),
    [](const ::testing::TestParamInfo<AbsoluteZeroCase>& info) { return info.param.name; });

} // namespace
} // namespace viskora
