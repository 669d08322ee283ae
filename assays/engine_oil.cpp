#include "assays/engine_oil.h"

#include "documents/light_end_texts.h"
#include "units/display_format.h"

#include <cmath>

namespace viskora::assays {

EngineOil engineOilOf(const ResolvedAssay& assay) {
    EngineOil oil;
    oil.density15 = assay.density15;
    oil.lightEnds = assay.lightEnds;
    double lightMass = 0;
    double lightVolume = 0; // mass over density at 20 deg.C
    std::size_t lightCount = 0;
    for (const ResolvedCut& cut : assay.cuts) {
        if (cut.lightEnds) {
            lightMass += cut.massPct;
            lightVolume += cut.massPct / cut.density20;
            ++lightCount;
        }
    }
    for (std::size_t i = 0; i < assay.cuts.size(); ++i) {
        const ResolvedCut& cut = assay.cuts[i];
        if (cut.lightEnds) {
            continue;
        }
        EngineRow row;
        row.startC = cut.startC.value_or(0);
        row.endC = cut.endC.value_or(kTableTopC);
        row.residue = !cut.endC.has_value();
        row.massPct = cut.massPct;
        row.density20 = cut.density20;
        row.firstCut = i;
        row.endCut = i + 1;
        if (oil.rows.empty() && lightCount > 0) {
            row.startC = 0;
            row.massPct += lightMass;
            row.density20 = row.massPct / (lightVolume + cut.massPct / cut.density20);
            row.firstCut = 0;
        }
        oil.rows.push_back(row);
    }
    return oil;
}

EngineOilTexts engineOilTexts(const EngineOil& oil) {
    // Shares counted in ten-thousandths of a per cent, so that the rounded
    // ones add up to 100 % in whole units and the texts say so exactly.
    constexpr long long kUnitsPerCent = 10000;
    constexpr long long kWhole = 100 * kUnitsPerCent;
    EngineOilTexts texts;
    texts.densityText = shortestNumberText(std::round(oil.density15 * 100) / 100);
    texts.densityTempText = "15";
    texts.lightEnds = lightEndTextsOf(oil.lightEnds);
    long long given = 0;
    for (std::size_t i = 0; i < oil.rows.size(); ++i) {
        const EngineRow& row = oil.rows[i];
        const long long units =
            i + 1 < oil.rows.size() ? std::llround(row.massPct * kUnitsPerCent) : kWhole - given;
        given += units;
        texts.fractions.push_back({shortestNumberText(row.startC), shortestNumberText(row.endC),
                                   shortestNumberText(static_cast<double>(units) / kUnitsPerCent)});
    }
    return texts;
}

OilInputs engineInputsOf(const EngineOil& oil, ViscosityMethod method,
                         VapourPressureMethod vapourMethod) {
    OilInputs inputs;
    inputs.density = oil.density15;
    inputs.densityTemp = 15;
    inputs.densityUnit = unit::kKgPerM3;
    inputs.tempUnit = unit::kCelsius;
    inputs.useFractions = true;
    inputs.viscosityMethod = method;
    inputs.vapourPressureMethod = vapourMethod;
    inputs.lightEnds = oil.lightEnds;
    inputs.residueRunsToTableTop = !oil.rows.empty() && oil.rows.back().residue;
    for (const EngineRow& row : oil.rows) {
        inputs.fractions.push_back({row.startC, row.endC, row.massPct});
    }
    return inputs;
}

} // namespace viskora::assays
