// Input conversion and validation: the entered values are taken to base
// units, the density is corrected to the reference temperature, the inputs
// are checked against the range of the correlations, and the oil's
// narrow-cut distribution is built.
#include "engine/oil_calc.h"

#include "engine/common_correlations.h"
#include "engine/correlation_constants.h"
#include "engine/message_texts.h"

#include <algorithm>
#include <cmath>

namespace viskora {
namespace {

bool outsideDensityRange(double density) {
    return density < 600 || density > 990;
}

// The refusal for the first temperature input below absolute zero, or none.
// Every such input is checked, also the fraction rows that the later checks
// would refuse for other reasons, before any warning is asked.
const char* temperatureBelowAbsoluteZero(const COilCalc& calc) {
    const auto celsius = [&](double value) {
        return isTemperatureCode(calc.tempUnit) ? toCelsius(value, calc.tempUnit) : value;
    };
    if (belowAbsoluteZero(celsius(calc.densityTempIn))) {
        return texts::kDensityTempBelowAbsoluteZero;
    }
    if (belowAbsoluteZero(celsius(calc.designTempIn))) {
        return texts::kDesignTempBelowAbsoluteZero;
    }
    if (calc.inputMode == COilCalc::kFractionTable) {
        const int rows = std::clamp(calc.fracCountIn, 0, COilCalc::kMaxFractions);
        for (int row = 1; row <= rows; ++row) {
            if (belowAbsoluteZero(celsius(calc.fracStartIn[row])) ||
                belowAbsoluteZero(celsius(calc.fracEndIn[row]))) {
                return texts::kFractionTempBelowAbsoluteZero;
            }
        }
    }
    return nullptr;
}

} // namespace

bool belowAbsoluteZero(double celsius) {
    return celsius < -kKelvinOffset - 1e-9;
}

bool COilCalc::inputsAreFinite() const {
    if (!std::isfinite(densityIn) || !std::isfinite(densityTempIn) ||
        !std::isfinite(designTempIn) || !std::isfinite(designPressureIn)) {
        return false;
    }
    for (double share : lightEndsIn) {
        if (!std::isfinite(share)) {
            return false;
        }
    }
    if (inputMode != kFractionTable) {
        return true;
    }
    const int rows = std::clamp(fracCountIn, 0, kMaxFractions);
    for (int row = 1; row <= rows; ++row) {
        if (!std::isfinite(fracStartIn[row]) || !std::isfinite(fracEndIn[row]) ||
            !std::isfinite(fracShare[row])) {
            return false;
        }
    }
    return true;
}

bool COilCalc::prepareInputs() {
    if (!takeInputs() || !checkLightEnds()) {
        return false;
    }
    if (viscosityMethod == ViscosityMethod::NarrowCuts) {
        prepareCutViscosity();
    }
    if (vapourPressureMethod == VapourPressureMethod::NarrowCuts) {
        prepareVolatility();
    }
    return true;
}

// The light ends boil below the first narrow cut: they are part of the
// fraction that boils lowest (or of the oil given by its density alone),
// which must hold them.
bool COilCalc::checkLightEnds() {
    double total = 0;
    for (double share : lightEndsIn) {
        if (share < 0) {
            reportInputError(texts::kLightEndShareNegative);
            return false;
        }
        total += share;
    }
    if (total == 0) {
        return true;
    }
    const LowestFraction lowest = lowestFraction();
    double held = 0;
    for (int i = lowest.first; i < lowest.end; ++i) {
        held += cutShare[i];
    }
    if (total > held + kShareSumTolerance) {
        reportInputError(inputMode == kDensityOnly ? texts::kLightEndsOverOil
                                                   : texts::kLightEndsOverFirstFraction);
        return false;
    }
    return true;
}

LowestFraction COilCalc::lowestFraction() const {
    if (inputMode == kDensityOnly) {
        return {cutFirst, cutEnd, cutLow[cutFirst]};
    }
    int first = cutEnd;
    int end = cutFirst;
    for (int i = cutFirst; i < cutEnd; ++i) {
        if (fracStart[1] <= cutLow[i] && fracEnd[1] >= cutHigh[i]) {
            first = std::min(first, i);
            end = std::max(end, i + 1);
        }
    }
    // The start as given: the distribution moved one not given, or below
    // the table, up to the first cut.
    double start = kLowestCutC;
    if (fracStartIn[1] != 0) {
        start = isTemperatureCode(tempUnit) ? toCelsius(fracStartIn[1], tempUnit) : fracStartIn[1];
    }
    return {first, std::max(first, end), start};
}

bool COilCalc::takeInputs() {
    if (!inputsAreFinite()) {
        reportInputError(texts::kNumberOutOfRange);
        return false;
    }

    designPressure = convert(Quantity::Pressure, designPressureIn, pressureUnit,
                             baseUnitCode(Quantity::Pressure));
    density = convert(Quantity::Density, densityIn, densityUnit, baseUnitCode(Quantity::Density));
    designTemp = designTempIn;
    densityTemp = densityTempIn;
    if (!std::isfinite(designPressure) || !std::isfinite(density)) {
        reportInputError(texts::kNumberOutOfRange);
        return false;
    }

    if (!(designPressure > 0)) {
        reportInputError(texts::kPressureNotPositive);
        return false;
    }

    if (isTemperatureCode(tempUnit)) {
        designTemp = toCelsius(designTemp, tempUnit);
        densityTemp = toCelsius(densityTemp, tempUnit);
    }
    if (const char* refusal = temperatureBelowAbsoluteZero(*this)) {
        reportInputError(refusal);
        return false;
    }

    if (densityTemp < 0 && !confirmWarning(texts::kDensityTempBelowZero)) {
        return false;
    }

    if (density > 0) {
        density = densityAtReference(density, densityTemp, refTemp);
    }

    if (inputMode == kDensityOnly) {
        if (density == 0) {
            reportInputError(texts::kDensityNotGiven);
            return false;
        }
        // A negative density has no distribution to fit.
        if (density < 0) {
            reportInputError(texts::kDensityNegative);
            return false;
        }
        if (outsideDensityRange(density) && !confirmWarning(texts::kDensityOutOfRange)) {
            return false;
        }
        fitDensityOnly();
        return true;
    }

    if (density < 0) {
        reportInputError(texts::kDensityNegativeOrZero);
        return false;
    }
    if (density != 0 && outsideDensityRange(density) &&
        !confirmWarning(texts::kDensityOutOfRangeOrZero)) {
        return false;
    }
    if (fracCountIn < 1 || fracCountIn > kMaxFractions) {
        reportInputError(texts::kFractionCountOutOfRange);
        return false;
    }
    if (!checkFractionRows()) {
        return false;
    }
    return distributeFractions();
}

bool COilCalc::checkFractionRows() {
    fracCount = fracCountIn;
    for (int row = 1; row <= fracCount; ++row) {
        if (row >= 2 && fracStartIn[row] != fracEndIn[row - 1]) {
            reportInputError(texts::kFractionsNotContiguous);
            return false;
        }
        if (isTemperatureCode(tempUnit)) {
            fracStart[row] = toCelsius(fracStartIn[row], tempUnit);
            fracEnd[row] = toCelsius(fracEndIn[row], tempUnit);
        }
    }

    // An entered 0 means "not given", in every unit.
    if (fracStartIn[1] == 0) {
        fracStart[1] = 0;
    }
    if (fracEndIn[fracCount] == 0) {
        fracEnd[fracCount] = 0;
    }

    if (fracStart[1] < 30 && fracStart[1] != 0 && !confirmWarning(texts::kFirstStartTooLow)) {
        return false;
    }
    if (fracEnd[fracCount] > 600 && !residueRunsToTableTop &&
        !confirmWarning(texts::kLastEndTooHigh)) {
        return false;
    }

    for (int row = 1; row <= fracCount; ++row) {
        const bool endGiven = row < fracCount || fracEnd[row] != 0;
        if (fracStart[row] >= fracEnd[row] && endGiven) {
            reportInputError(texts::kFractionEndNotAboveStart);
            return false;
        }
    }
    const double shareSum = fractionShareSum();
    if (shareSum < 100 && fracEnd[fracCount] == 0) {
        reportInputError(texts::kLastEndNeeded);
        return false;
    }
    if (shareSum > 100) {
        reportInputError(texts::kSharesOver100);
        return false;
    }
    return true;
}

} // namespace viskora
