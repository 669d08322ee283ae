#pragma once

#include "documents/document_records.h"
#include "documents/record_fields.h"

#include <optional>
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

// The results of one group in the record's field order: the basic results
// (density to pseudocritical temperature, then the Prandtl number), or one
// phase of an additional calculation (share, properties, Prandtl number).
std::vector<ReportLine> reportLines(const BasicDocumentRecord& record, FieldGroup group);
std::vector<ReportLine> reportLines(const AdditionalDocumentRecord& record, FieldGroup group);

// The line naming the viscosity method, which every report writes right
// after the last result it decides (the basic results' Prandtl number, the
// liquid phase's): only for narrow cuts, so that a report of the oil as a
// whole reads as it always has.
std::optional<std::string_view> viscosityMethodLine(ViscosityMethod method);

// Every line a report writes after the last result: the viscosity method's,
// then, when the vapour pressure is by narrow cuts, that method's line, the
// light ends given and, for an additional calculation, the whole oil's
// bubble point with the note where the phase split disagrees with it. None
// of them for a calculation by the default methods, whose reports read as
// they always have.
std::vector<std::string> methodLines(const BasicDocumentRecord& record);
std::vector<std::string> methodLines(const AdditionalDocumentRecord& record);

// How many fraction rows a report lists: the record's count, never more than
// the table holds.
int reportedFractionRows(int fractionCount);

} // namespace viskora
