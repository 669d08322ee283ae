#pragma once

// The oils of the worked examples and of the sweeps, shared by the tests
// that check their figures and the benchmarks that time them.
#include "engine/fill_oil_calc.h"
#include "engine/oil_calc.h"
#include "engine/oil_inputs.h"

namespace viskora::testing {

// The density-only worked example: 850 kg/m3 at 20 deg.C.
inline OilInputs densityExampleInputs() {
    OilInputs oil;
    oil.density = 850;
    return oil;
}

// The oil of the fraction-table worked example: one fraction from the start
// of the table to 300 deg.C holding all the mass, density taken from the cuts.
inline OilInputs fractionExampleInputs() {
    OilInputs oil;
    oil.density = 0;
    oil.useFractions = true;
    oil.fractions = {{0, 300, 100}};
    return oil;
}

// Twenty fractions of 5 % each, 40 to 440 deg.C; a density of 0 takes it
// from the cuts.
inline OilInputs twentyFractionsInputs(double density) {
    OilInputs oil;
    oil.density = density;
    oil.useFractions = true;
    for (int row = 1; row <= 20; ++row) {
        oil.fractions.push_back({20.0 + 20 * row, 40.0 + 20 * row, 5});
    }
    return oil;
}

// The same oils in an engine record, for the tests of the engine's steps.
inline COilCalc densityExampleOil() {
    COilCalc calc;
    fillOilCalc(calc, densityExampleInputs());
    return calc;
}

inline COilCalc fractionExampleOil() {
    COilCalc calc;
    fillOilCalc(calc, fractionExampleInputs());
    return calc;
}

} // namespace viskora::testing
