#include "sweeps/curve_inputs.h"

#include "engine/oil_calc.h"
#include "units/number_text.h"
#include "units/unit_tables.h"

#include <algorithm>

namespace viskora {
namespace {

void fillOil(const CurveDocument& d, COilCalc& calc) {
    calc.inputMode = d.useFractions ? 2 : 1;
    if (d.useFractions) {
        const int rows = std::min(static_cast<int>(d.fractions.size()), COilCalc::kMaxFractions);
        calc.fracCountIn = rows;
        for (int row = 0; row < rows; ++row) {
            const FractionRow& cells = d.fractions[static_cast<std::size_t>(row)];
            calc.fracStartIn[row + 1] = textToNumber(cells[0]);
            calc.fracEndIn[row + 1] = textToNumber(cells[1]);
            calc.fracShare[row + 1] = textToNumber(cells[2]);
        }
    }
    calc.densityIn = textToNumber(d.densityText);
    calc.densityUnit = d.densityUnitIndex + 1;
    calc.densityTempIn = textToNumber(d.densityTempText);
    calc.tempUnit = d.tempUnitIndex + 1;
    calc.viscosityMethod = d.viscosityMethod;
}

} // namespace

CurveInputs curveInputs(const CurveDocument& document) {
    CurveInputs inputs;
    inputs.fillOil = [&document](COilCalc& calc) { fillOil(document, calc); };
    SweepSettings& s = inputs.settings;
    s.variable = document.variable;
    s.range = {textToNumber(document.fromText), textToNumber(document.toText),
               textToNumber(document.stepText), document.pointCount};
    s.designTemp = textToNumber(document.designTempText);
    s.designPressure = textToNumber(document.designPressureText);
    s.pressureUnit = document.pressureUnitIndex + 1;
    for (const MeasuredViscosityText& m : document.measured) {
        inputs.measured.push_back(
            {convert(Quantity::Viscosity, textToNumber(m.viscosityText), m.viscosityUnitIndex + 1,
                     baseUnitCode(Quantity::Viscosity)),
             textToNumber(m.temperatureText)});
    }
    return inputs;
}

} // namespace viskora
