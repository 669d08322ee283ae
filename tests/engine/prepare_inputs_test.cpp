#include "engine/message_texts.h"
#include "engine/oil_calc.h"
#include "scripted_messages.h"
#include "worked_examples.h"

#include <gtest/gtest.h>

#include <limits>
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

// The engine's messages as users have always read them, character for
// character; "deg.\u0421" is written with the Cyrillic capital Es.
struct PublishedMessage {
    const char* name;
    const char* text;
    const char* published;
};

class PublishedMessages : public ::testing::TestWithParam<PublishedMessage> {};

TEST_P(PublishedMessages, TextIsThePublishedOne) {
    EXPECT_STREQ(GetParam().text, GetParam().published);
}

const PublishedMessage kPublishedMessages[] = {
    {"PressureNotPositive", texts::kPressureNotPositive,
     "Input data error.\nPressure must be > 0."},
    {"DensityTempBelowZero", texts::kDensityTempBelowZero,
     "The temperature at which the density is given < 0 "
     "deg.\u0421 (32 deg. F).\nPossible calculation "
     "error.\nContinue?"},
    {"DensityNotGiven", texts::kDensityNotGiven, "Density must be specified."},
    {"DensityOutOfRange", texts::kDensityOutOfRange,
     "Density must be >= 600 kg/m3 and <= 990 kg/m3.\nPossible "
     "calculation error.\nContinue?"},
    {"DensityOutOfRangeOrZero", texts::kDensityOutOfRangeOrZero,
     "Density must be >= 600 kg/m3 and <= 990 kg/m3, or "
     "0.\nPossible calculation error.\nContinue?"},
    {"FractionsNotContiguous", texts::kFractionsNotContiguous,
     "Input data error.\nFraction start boiling "
     "temperature\nmust be similar to the end "
     "boiling\ntemperature of the previous fraction."},
    {"FirstStartTooLow", texts::kFirstStartTooLow,
     "Start temperature of the first\n fraction (the boiling point) < "
     "30 deg.\u0421(86 deg.F) and not 0.\nPossible calculation "
     "error.\nContinue?"},
    {"LastEndTooHigh", texts::kLastEndTooHigh,
     "End boiling temperature of the last fraction > 600 "
     "deg.\u0421.\nPossible calculation error.\nContinue?"},
    {"FractionEndNotAboveStart", texts::kFractionEndNotAboveStart,
     "Input data error.\nEnd boiling temperature of the "
     "fraction is not higher than the start boiling "
     "temperature."},
    {"LastEndNeeded", texts::kLastEndNeeded,
     "Input data error.\nIf the sum of all fraction percentage is under "
     "100%,\nthe end boiling temperature of the last fraction must be "
     "specified."},
    // Both per-cent signs: the text never went through a formatting routine.
    {"SharesOver100", texts::kSharesOver100,
     "Input data error.\nThe sum of fraction %% exceeds 100."},
    {"AbovePseudoCritical", texts::kAbovePseudoCritical,
     "Calculated temperature is greater than pseudocritical "
     "temperature.\nPossible calculation error.\nContinue?"},
    {"DesignTempBelowZero", texts::kDesignTempBelowZero,
     "The design temperature < 0 deg.\u0421 (32 deg. "
     "F).\nPossible calculation error.\nContinue?"},
    {"CalculationError", texts::kCalculationError, "Error!"},
};

std::string messageName(const ::testing::TestParamInfo<PublishedMessage>& info) {
    return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(EveryMessage, PublishedMessages, ::testing::ValuesIn(kPublishedMessages),
                         messageName);

TEST(PrepareInputs, DensityIsCorrectedToTwentyDegrees) {
    // The published figures to two decimals, and the same worked out by hand
    // from rho20 = rho_t + (t - 20)(0.001825 - 0.0013167 rho20) to four: a
    // last-digit slip in either coefficient moves the fourth decimal.
    struct Case {
        double density;
        double measuredAt;
        const char* published;
        const char* worked;
        bool warned;
    };
    const Case cases[] = {
        {850, 20, "850.00", "850.0000", false},
        {850, 50, "870.37", "870.3695", false},
        {850, 0, "835.50", "835.5021", false}, // exactly 0 deg.C is not "below 0"
        {995, 50, "1009.86", "1009.8595", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.measuredAt);
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
}

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

TEST(PrepareInputs, FractionTableErrors) {
    struct Case {
        const char* name;
        std::vector<Row> rows;
        const char* message;
    };
    const Case cases[] = {
        {"rows not contiguous",
         {{0, 100.00001, 40}, {100.0, 200, 60}},
         texts::kFractionsNotContiguous},
        {"end not above start", {{0, 100, 40}, {100, 100, 60}}, texts::kFractionEndNotAboveStart},
        {"last end needed", {{0, 100, 40}, {100, 0, 50}}, texts::kLastEndNeeded},
        {"shares over 100", {{0, 100, 50}, {100, 200, 50.0000001}}, texts::kSharesOver100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedMessages messages;
        COilCalc calc(&messages);
        calc.densityIn = 850;
        setFractions(calc, c.rows);
        EXPECT_FALSE(calc.prepareInputs());
        EXPECT_EQ(messages.texts(), std::vector<std::string>{c.message});
    }
}

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
    calc.tempUnit = 1;
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

TEST(PrepareInputs, TemperaturesInEveryUnitReachCelsius) {
    struct Case {
        int unit;
        double entered;
        double celsius;
    };
    const Case cases[] = {{1, 373.15, 100}, {2, 100, 100}, {3, 212, 100}, {4, 671.67, 100}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.unit);
        COilCalc calc;
        calc.inputMode = 1;
        calc.densityIn = 850;
        calc.tempUnit = c.unit;
        calc.designTempIn = c.entered;
        calc.densityTempIn = c.entered;
        ASSERT_TRUE(calc.prepareInputs());
        EXPECT_NEAR(calc.designTemp, c.celsius, 1e-9);
        EXPECT_NEAR(calc.densityTemp, c.celsius, 1e-9);
    }
}

// Every temperature input below absolute zero is refused before any warning
// is asked; absolute zero itself, in any unit, is not below it.
TEST(PrepareInputs, TemperaturesBelowAbsoluteZeroAreRefused) {
    struct Case {
        const char* name;
        int unit;
        double densityTemp;
        double designTemp;
        std::vector<Row> rows; // empty: density only
        const char* message;   // nullptr: accepted
    };
    const Case cases[] = {
        {"density temperature of -1 K", 1, -1, 300, {}, texts::kDensityTempBelowAbsoluteZero},
        {"design temperature of -274 deg.C", 2, 20, -274, {}, texts::kDesignTempBelowAbsoluteZero},
        {"design temperature of -460 deg.F", 3, 68, -460, {}, texts::kDesignTempBelowAbsoluteZero},
        {"fraction start of -1 R",
         4,
         528,
         528,
         {{-1, 600, 50}, {600, 800, 50}},
         texts::kFractionTempBelowAbsoluteZero},
        {"fraction end of -300 deg.C, also not above its start",
         2,
         20,
         20,
         {{0, -300, 50}, {-300, 200, 50}},
         texts::kFractionTempBelowAbsoluteZero},
        // Absolute zero in each unit: the density temperature only brings
        // the "< 0 deg." warning first.
        {"0 K", 1, 0, 0, {}, nullptr},
        {"-273.15 deg.C", 2, -273.15, -273.15, {}, nullptr},
        {"-459.67 deg.F", 3, -459.67, -459.67, {}, nullptr},
        {"0 R", 4, 0, 0, {}, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
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
            continue;
        }
        EXPECT_FALSE(prepared);
        EXPECT_EQ(messages.texts(), std::vector<std::string>{c.message});
    }
}

} // namespace
} // namespace viskora
