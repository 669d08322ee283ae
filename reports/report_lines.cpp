#include "reports/report_lines.h"

#include "reports/report_texts.h"

#include <algorithm>

namespace viskora {
namespace {

template <typename Record> std::vector<ReportLine> linesOf(const Record& record, FieldGroup group) {
    std::vector<ReportLine> lines;
    for (const auto& field : recordFields(record)) {
        if (field.group == group) {
            lines.push_back({field.label, &(record.*field.text),
                             field.unitName != nullptr ? &(record.*field.unitName) : nullptr});
        }
    }
    return lines;
}

} // namespace

std::vector<ReportLine> reportLines(const BasicDocumentRecord& record, FieldGroup group) {
    return linesOf(record, group);
}

std::vector<ReportLine> reportLines(const AdditionalDocumentRecord& record, FieldGroup group) {
    return linesOf(record, group);
}

std::optional<std::string_view> viscosityMethodLine(ViscosityMethod method) {
    if (method == ViscosityMethod::NarrowCuts) {
        return report_texts::kViscosityByNarrowCuts;
    }
    return std::nullopt;
}

int reportedFractionRows(int fractionCount) {
    return std::clamp(fractionCount, 0, kFractionRowCapacity);
}

} // namespace viskora
