#pragma once

// The oils of the worked examples and of the sweeps, shared by the tests
// that check their figures and the benchmarks that time them.
#include "engine/oil_calc.h"

namespace viskora::testing {

// The density-only worked example: 850 kg/m3 at 20 deg.C.
inline void fillDensityExample(COilCalc& calc) {
    calc.inputMode = 1;
    calc.densityIn = 850;
}

// The oil of the fraction-table worked example: one fraction from the start
// of the table to 300 deg.C holding all the mass, density taken from the cuts.
inline void fillFractionExample(COilCalc& calc) {
    calc.inputMode = 2;
    calc.densityIn = 0;
    calc.fracCountIn = 1;
    calc.fracStartIn[1] = 0;
    calc.fracEndIn[1] = 300;
    calc.fracShare[1] = 100;
}

inline COilCalc densityExampleOil() {
    COilCalc calc;
    fillDensityExample(calc);
    return calc;
}

inline COilCalc fractionExampleOil() {
    COilCalc calc;
    fillFractionExample(calc);
    return calc;
}

// Twenty fractions of 5 % each, 40 to 440 deg.C; a density of 0 takes it
// from the cuts.
inline void fillTwentyFractions(COilCalc& calc, double density) {
    calc.inputMode = 2;
    calc.densityIn = density;
    calc.fracCountIn = 20;
    for (int row = 1; row <= 20; ++row) {
        calc.fracStartIn[row] = 20 + 20 * row;
        calc.fracEndIn[row] = 40 + 20 * row;
        calc.fracShare[row] = 5;
    }
}

} // namespace viskora::testing
