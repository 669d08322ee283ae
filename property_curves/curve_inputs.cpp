#include "property_curves/curve_inputs.h"

#include "documents/light_end_texts.h"
#include "units/number_text.h"
#include "units/unit_tables.h"

#include <algorithm>
#include <string>

namespace viskora {
namespace {

double numberOf(const std::string& text) {
    return readTypedNumber(text).value_or(0.0);
}

OilInputs oilOf(const CurveDocument& d) {
    OilInputs oil;
    oil.useFractions = d.useFractions;
    if (d.useFractions) {
        const std::size_t rows =
            std::min(d.fractions.size(), static_cast<std::size_t>(kMaxFractions));
        for (std::size_t row = 0; row < rows; ++row) {
            const FractionRow& cells = d.fractions[row];
            oil.fractions.push_back({numberOf(cells[0]), numberOf(cells[1]), numberOf(cells[2])});
        }
    }
    oil.density = numberOf(d.densityText);
    oil.densityUnit = d.densityUnitIndex;
    oil.densityTemp = numberOf(d.densityTempText);
    oil.tempUnit = d.tempUnitIndex;
    oil.viscosityMethod = d.viscosityMethod;
    oil.lightEnds = lightEndsOfTexts(d.lightEnds);
    return oil;
}

} // namespace

CurveInputs curveInputs(const CurveDocument& document) {
    CurveInputs inputs;
    inputs.oil = oilOf(document);
    SweepSettings& s = inputs.settings;
    s.variable = document.variable;
    s.range = {numberOf(document.fromText), numberOf(document.toText), numberOf(document.stepText),
               document.pointCount};
    s.designTemp = numberOf(document.designTempText);
    s.designPressure = numberOf(document.designPressureText);
    s.pressureUnit = document.pressureUnitIndex;
    for (const MeasuredViscosityText& m : document.measured) {
        inputs.measured.push_back({convert(Quantity::Viscosity, numberOf(m.viscosityText),
                                           m.viscosityUnitIndex, baseUnitCode(Quantity::Viscosity)),
                                   numberOf(m.temperatureText)});
    }
    return inputs;
}

} // namespace viskora
