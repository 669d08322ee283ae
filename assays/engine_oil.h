#pragma once

#include "assays/resolved_assay.h"
#include "documents/document_records.h"
#include "engine/calc_results.h"
#include "engine/oil_inputs.h"

#include <vector>

namespace viskora::assays {

// A row of the engine's fraction table made from an assay: boundaries in
// deg.C (a start of 0 is "not given", as in the forms), the mass share in
// per cent and the row's own density at 20 deg.C.
struct EngineRow {
    double startC = 0;
    double endC = 0;
    double massPct = 0;
    double density20 = 0;
    std::size_t firstCut = 0; // the assay's cuts this row holds: first..
    std::size_t endCut = 0;   // ..end (light ends merged into the first row)
    bool residue = false;     // the assay gave no end: it runs to kTableTopC
};

// The inputs the basic and additional calculations take for an assay: the
// whole oil's density at 15 deg.C and the fraction table. The light ends
// go into the first row, whose start is then "not given" (the engine
// starts it at 35 deg.C) and whose density is their volume-additive
// mixture; a residue ends at 835 deg.C, the top of the narrow cuts, so the
// engine spreads it up to there.
struct EngineOil {
    double density15 = 0; // kg/m3 at 15 deg.C
    std::vector<EngineRow> rows;
    LightEnds lightEnds; // by component, within the first row's share
};

EngineOil engineOilOf(const ResolvedAssay& assay);

// The oil as a calculation form's boxes hold it (deg.C and kg/m3, the
// forms' default units), in figures a person reads and types: the density
// at 15 deg.C to 0.01 kg/m3, the boundaries as they are, the shares to
// 0.0001 % with the last row taking what makes them add up to 100 exactly.
struct EngineOilTexts {
    std::string densityText;
    std::string densityTempText;
    std::vector<FractionRow> fractions;
    LightEndTexts lightEnds; // by component, mass % within the first row
};

EngineOilTexts engineOilTexts(const EngineOil& oil);

// The engine's inputs as a form's Calculate takes those texts read: density
// at 15 deg.C in kg/m3, temperatures in deg.C, the fraction table, the light
// ends.
OilInputs
engineInputsOf(const EngineOil& oil, ViscosityMethod method,
               VapourPressureMethod vapourMethod = VapourPressureMethod::AverageBoilingPoint);

} // namespace viskora::assays
