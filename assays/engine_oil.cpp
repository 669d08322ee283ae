#include "assays/engine_oil.h"

#include "engine/oil_calc.h"
#include "units/display_format.h"

#include <cmath>

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
    // Shares counted in ten-thousandths of a per cent, so that the rounded
    // ones add up to 100 % in whole units and the texts say so exactly.
    constexpr long long kUnitsPerCent = 10000;
    constexpr long long kWhole = 100 * kUnitsPerCent;
    EngineOilTexts texts;
    texts.densityText = shortestNumberText(std::round(oil.density15 * 100) / 100);
    texts.densityTempText = "15";
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
