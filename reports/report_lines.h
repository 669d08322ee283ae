#pragma once

#include "documents/document_records.h"

#include <string>
#include <string_view>
#include <vector>

namespace viskora {

// One result as every report shows it: label, shown text and, for a quantity
// with a unit, the unit name (null for shares and Prandtl numbers). The
// pointers refer into the record, which must outlive the line.
struct ReportLine {
    std::string_view label;
    const std::string* text;
    const std::string* unitName;
};

// Basic results in report order: density to pseudocritical temperature, then
// the Prandtl number.
std::vector<ReportLine> basicResultLines(const BasicDocumentRecord& record);

// Gas phase in report order: share, density, specific heat, conductivity,
// viscosity, vaporisation enthalpy, Prandtl number.
std::vector<ReportLine> gasResultLines(const AdditionalDocumentRecord& record);

// Liquid phase in report order: share, density, specific heat, conductivity,
// viscosity, surface tension, Prandtl number.
std::vector<ReportLine> liquidResultLines(const AdditionalDocumentRecord& record);

// How many fraction rows a report lists: the record's count, never more than
// the table holds.
int reportedFractionRows(int fractionCount);

} // namespace viskora
