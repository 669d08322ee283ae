#include "documents/oil_texts.h"

#include "documents/light_end_texts.h"
#include "units/number_text.h"

namespace viskora {

OilInputs oilInputsOf(const ResolvedOil& oil) {
    OilInputs inputs;
    inputs.useFractions = !oil.fractions.empty();
    for (const FractionTexts& row : oil.fractions) {
        inputs.fractions.push_back(
            {textToNumber(row[0]), textToNumber(row[1]), textToNumber(row[2])});
    }
    inputs.density = textToNumber(oil.densityText);
    inputs.densityUnit = oil.densityUnit;
    inputs.densityTemp = textToNumber(oil.densityTempText);
    inputs.tempUnit = oil.tempUnit;
    inputs.viscosityMethod = oil.viscosityMethod;
    inputs.vapourPressureMethod = oil.vapourPressureMethod;
    inputs.lightEnds = lightEndsOfTexts(oil.lightEnds);
    inputs.residueRunsToTableTop = oil.residueRunsToTableTop;
    return inputs;
}

} // namespace viskora
