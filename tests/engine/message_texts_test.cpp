#include "engine/message_texts.h"

#include <gtest/gtest.h>

#include <ostream>

#include <string>

namespace viskora {
namespace {

// The engine's messages as users have always read them, character for
// character; "deg.\u0421" is written with the Cyrillic capital Es.
struct PublishedMessage {
    const char* name;
    const char* text;
    const char* published;
};

void PrintTo(const PublishedMessage& row, std::ostream* out) {
    *out << row.name;
}

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

// The refusals and failures this program added, as the message boxes and the
// calculator have shown them since; each line break is where the box breaks
// the line.
const PublishedMessage kOwnMessages[] = {
    {"NumberOutOfRange", texts::kNumberOutOfRange,
     "Input data error.\nA number is too large to calculate with."},
    {"FractionCountOutOfRange", texts::kFractionCountOutOfRange,
     "Input data error.\nThe number of fractions must be from 1 to 100."},
    {"FractionWithoutCut", texts::kFractionWithoutCut,
     "Input data error.\nEvery fraction must contain at least one whole\n"
     "1 deg.\u0421 boiling interval between 35 and 835 deg.\u0421."},
    {"SharesShortWithoutRange", texts::kSharesShortWithoutRange,
     "Input data error.\nThe fractions add up to less than 100 %,\n"
     "and no boiling range is left above the last fraction."},
    {"ResultOutOfRange", texts::kResultOutOfRange,
     "Calculation error.\nThe properties of this oil cannot be calculated\n"
     "for the given data: a result is out of range."},
    {"GasVolumeNotConverged", texts::kGasVolumeNotConverged,
     "Calculation error.\nThe gas-phase compressibility does not converge\n"
     "at the given design pressure and temperature."},
};

INSTANTIATE_TEST_SUITE_P(OwnMessages, PublishedMessages, ::testing::ValuesIn(kOwnMessages),
                         messageName);

} // namespace
} // namespace viskora
