#include "property_curves/curve_inputs.h"

#include "engine/oil_calc.h"
#include "units/number_text.h"
#include "units/unit_tables.h"

#include <algorithm>
#include <string>

namespace viskora {
namespace {

double numberOf(const std::string& text) {
    return readTypedNumber(text).value_or(0.0);
}

void fillOil(const CurveDocument& d, COilCalc& calc) {
    calc.inputMode = d.useFractions ? 2 : 1;
    if (d.useFractions) {
        const int rows = std::min(static_cast<int>(d.fractions.size()), COilCalc::kMaxFractions);
        calc.fracCountIn = rows;
        for (int row = 0; row < rows; ++row) {
            const FractionRow& cells = d.fractions[static_cast<std::size_t>(row)];
            calc.fracStartIn[row + 1] = numberOf(cells[0]);
            calc.fracEndIn[row + 1] = numberOf(cells[1]);
            calc.fracShare[row + 1] = numberOf(cells[2]);
        }
    }
    calc.densityIn = numberOf(d.densityText);
    calc.densityUnit = d.densityUnitIndex + 1;
    calc.densityTempIn = numberOf(d.densityTempText);
    calc.tempUnit = d.tempUnitIndex + 1;
    calc.viscosityMethod = d.viscosityMethod;
}

} // namespace

CurveInputs curveInputs(const CurveDocument& document) {
    CurveInputs inputs;
    inputs.fillOil = [&document](COilCalc& calc) { fillOil(document, calc); };
    SweepSettings& s = inputs.settings;
    s.variable = document.variable;
    s.range = {numberOf(document.fromText), numberOf(document.toText), numberOf(document.stepText),
               document.pointCount};
    s.designTemp = numberOf(document.designTempText);
    s.designPressure = numberOf(document.designPressureText);
    s.pressureUnit = document.pressureUnitIndex + 1;
    for (const MeasuredViscosityText& m : document.measured) {
        inputs.measured.push_back(
            {convert(Quantity::Viscosity, numberOf(m.viscosityText), m.viscosityUnitIndex + 1,
                     baseUnitCode(Quantity::Viscosity)),
             numberOf(m.temperatureText)});
    }
    return inputs;
}

} // namespace viskora
