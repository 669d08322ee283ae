#pragma once

// The engine's message texts, character for character. "deg.\u0421" is
// written with the Cyrillic capital Es, as the program has always shown it.
namespace viskora::texts {

inline constexpr const char* kPressureNotPositive = "Input data error.\nPressure must be > 0.";
inline constexpr const char* kDensityTempBelowZero =
    "The temperature at which the density is given < 0 deg.\u0421 (32 deg. F).\n"
    "Possible calculation error.\nContinue?";
inline constexpr const char* kDensityNotGiven = "Density must be specified.";
inline constexpr const char* kDensityOutOfRange =
    "Density must be >= 600 kg/m3 and <= 990 kg/m3.\nPossible calculation error.\nContinue?";
inline constexpr const char* kDensityOutOfRangeOrZero =
    "Density must be >= 600 kg/m3 and <= 990 kg/m3, or 0.\nPossible calculation error.\n"
    "Continue?";
inline constexpr const char* kFractionsNotContiguous =
    "Input data error.\nFraction start boiling temperature\nmust be similar to the end boiling\n"
    "temperature of the previous fraction.";
inline constexpr const char* kFirstStartTooLow =
    "Start temperature of the first\n fraction (the boiling point) < 30 deg.\u0421(86 deg.F) and "
    "not 0.\nPossible calculation error.\nContinue?";
inline constexpr const char* kLastEndTooHigh =
    "End boiling temperature of the last fraction > 600 deg.\u0421.\n"
    "Possible calculation error.\nContinue?";
inline constexpr const char* kFractionEndNotAboveStart =
    "Input data error.\nEnd boiling temperature of the fraction is not higher than the start "
    "boiling temperature.";
inline constexpr const char* kLastEndNeeded =
    "Input data error.\nIf the sum of all fraction percentage is under 100%,\nthe end boiling "
    "temperature of the last fraction must be specified.";
inline constexpr const char* kSharesOver100 =
    "Input data error.\nThe sum of fraction %% exceeds 100.";

// Questions about a doubtful design state (Yes continues, No stops).
inline constexpr const char* kAbovePseudoCritical =
    "Calculated temperature is greater than pseudocritical temperature.\n"
    "Possible calculation error.\nContinue?";
inline constexpr const char* kDesignTempBelowZero =
    "The design temperature < 0 deg.\u0421 (32 deg. F).\nPossible calculation error.\nContinue?";

// Refusals of our own for inputs the correlations cannot take.
inline constexpr const char* kNumberOutOfRange =
    "Input data error.\nA number is too large to calculate with.";
inline constexpr const char* kDensityNegative = "Input data error.\nDensity must be > 0.";
inline constexpr const char* kDensityNegativeOrZero =
    "Input data error.\nDensity must be > 0, or 0 to take it from the fractions.";
inline constexpr const char* kFractionCountOutOfRange =
    "Input data error.\nThe number of fractions must be from 1 to 100.";
inline constexpr const char* kDensityTempBelowAbsoluteZero =
    "Input data error.\nThe temperature at which the density is given is below absolute zero.";
inline constexpr const char* kDesignTempBelowAbsoluteZero =
    "Input data error.\nThe design temperature is below absolute zero.";
inline constexpr const char* kFractionTempBelowAbsoluteZero =
    "Input data error.\nA fraction boiling temperature is below absolute zero.";
inline constexpr const char* kFractionWithoutCut =
    "Input data error.\nEvery fraction must contain at least one whole\n"
    "1 deg.\u0421 boiling interval between 35 and 835 deg.\u0421.";
inline constexpr const char* kSharesShortWithoutRange =
    "Input data error.\nThe fractions add up to less than 100 %,\n"
    "and no boiling range is left above the last fraction.";
inline constexpr const char* kLightEndShareNegative =
    "Input data error.\nThe share of a light end must not be negative.";
inline constexpr const char* kLightEndsOverFirstFraction =
    "Input data error.\nThe light ends add up to more than the share\n"
    "of the first fraction, which holds them.";
inline constexpr const char* kLightEndsOverOil =
    "Input data error.\nThe light ends add up to more than the whole oil.";

// Failures of a calculation.
inline constexpr const char* kCalculationError = "Error!";
inline constexpr const char* kResultOutOfRange =
    "Calculation error.\nThe properties of this oil cannot be calculated\n"
    "for the given data: a result is out of range.";
inline constexpr const char* kGasVolumeNotConverged =
    "Calculation error.\nThe gas-phase compressibility does not converge\n"
    "at the given design pressure and temperature.";

} // namespace viskora::texts
