#include "assays/engine_oil.h"

#include "engine/oil_calc.h"
#include "units/display_format.h"

namespace viskora::assays {

EngineOil engineOilOf(const ResolvedAssay& assay) {
    EngineOil oil;
    oil.density15 = assay.density15;
    double lightMass = 0;
    double lightVolume = 0; // mass over density at 20 deg.C
    std::size_t lightCount = 0;
    for (std::size_t i = 0; i < assay.cuts.size(); ++i) {
        const ResolvedCut& cut = assay.cuts[i];
        if (cut.lightEnds) {
            lightMass += cut.massPct;
            lightVolume += cut.massPct / cut.density20;
            ++lightCount;
            continue;
        }
        EngineRow row;
        row.startC = cut.startC.value_or(0);
        row.endC = cut.endC.value_or(kTableTopC);
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
    EngineOilTexts texts;
    texts.densityText = shortestNumberText(oil.density15);
    texts.densityTempText = "15";
    for (const EngineRow& row : oil.rows) {
        texts.fractions.push_back({shortestNumberText(row.startC), shortestNumberText(row.endC),
                                   shortestNumberText(row.massPct)});
    }
    return texts;
}

void fillEngineInputs(COilCalc& calc, const EngineOil& oil, ViscosityMethod method) {
    calc.densityIn = oil.density15;
    calc.densityTempIn = 15;
    calc.densityUnit = 1;
    calc.tempUnit = 2;
    calc.inputMode = 2;
    calc.viscosityMethod = method;
    calc.fracCountIn = static_cast<int>(oil.rows.size());
    for (std::size_t i = 0; i < oil.rows.size() && i < COilCalc::kMaxFractions; ++i) {
        calc.fracStartIn[i + 1] = oil.rows[i].startC;
        calc.fracEndIn[i + 1] = oil.rows[i].endC;
        calc.fracShare[i + 1] = oil.rows[i].massPct;
    }
}

} // namespace viskora::assays
