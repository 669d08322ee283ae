#include "engine/fill_oil_calc.h"

#include "engine/oil_calc.h"

#include <algorithm>
#include <cstddef>

namespace viskora {

void fillOilCalc(COilCalc& calc, const OilInputs& oil) {
    calc.densityIn = oil.density;
    calc.densityTempIn = oil.densityTemp;
    calc.densityUnit = oil.densityUnit;
    calc.tempUnit = oil.tempUnit;
    calc.designTempIn = oil.designTemp;
    calc.designPressureIn = oil.designPressure;
    calc.pressureUnit = oil.pressureUnit;
    calc.viscosityMethod = oil.viscosityMethod;
    calc.vapourPressureMethod = oil.vapourPressureMethod;
    calc.lightEndsIn = lightEndAmounts(oil.lightEnds);
    calc.residueRunsToTableTop = oil.residueRunsToTableTop;
    calc.inputMode = oil.useFractions ? COilCalc::kFractionTable : COilCalc::kDensityOnly;
    if (!oil.useFractions) {
        return;
    }
    // A table longer than the record holds keeps a count the input step
    // refuses, as it refuses any count outside 1 to kMaxFractions.
    const std::size_t rows = std::min(oil.fractions.size(), std::size_t{kMaxFractions});
    calc.fracCountIn = static_cast<int>(std::min(oil.fractions.size(), rows + 1));
    for (std::size_t i = 0; i < rows; ++i) {
        calc.fracStartIn[i + 1] = oil.fractions[i].start;
        calc.fracEndIn[i + 1] = oil.fractions[i].end;
        calc.fracShare[i + 1] = oil.fractions[i].share;
    }
}

} // namespace viskora
