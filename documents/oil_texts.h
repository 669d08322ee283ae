#pragma once

#include "documents/document_records.h"
#include "engine/calc_results.h"
#include "engine/oil_inputs.h"
#include "units/unit_tables.h"

#include <array>
#include <string>
#include <vector>

namespace viskora {

// One row of the fraction table: start, end and share texts.
using FractionTexts = std::array<std::string, 3>;

// An oil as a script gives it: the numbers as texts (each a whole number,
// read by the program's one text-to-number routine), the units as codes, the
// methods chosen and the light ends. The calculator fills it from its
// options, the Python module from its arguments; both calculate it and save
// it through the functions below, so the two give the same figures and
// write the same documents.
struct ResolvedOil {
    std::string densityText;
    int densityUnit = unit::kKgPerM3;
    std::string densityTempText;
    int tempUnit = unit::kCelsius;
    std::vector<FractionTexts> fractions;
    ViscosityMethod viscosityMethod = ViscosityMethod::WholeOil;
    VapourPressureMethod vapourPressureMethod = VapourPressureMethod::AverageBoilingPoint;
    LightEndTexts lightEnds{};
    // The last fraction row is an assay's residue, its end put at the top of
    // the narrow cuts by the program (see OilInputs).
    bool residueRunsToTableTop = false;
};

// The oil's inputs as a form's Calculate takes them: the fraction rows only
// when there are any, the density and its temperature with their units,
// the methods and the light ends.
OilInputs oilInputsOf(const ResolvedOil& oil);

} // namespace viskora
