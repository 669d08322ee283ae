#include "reports/report_lines.h"

#include "reports/report_texts.h"

#include "documents/field_labels.h"
#include "documents/vapour_pressure_method_words.h"
#include "engine/bubble_point_note.h"
#include "units/number_text.h"
#include "units/unit_tables.h"

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

namespace {

template <typename Record> std::vector<std::string> commonMethodLines(const Record& record) {
    std::vector<std::string> lines;
    if (const auto line = viscosityMethodLine(record.viscosityMethod)) {
        lines.emplace_back(*line);
    }
    if (record.vapourPressureMethod != VapourPressureMethod::NarrowCuts) {
        return lines;
    }
    lines.emplace_back(kVapourPressureByNarrowCutsLine);
    std::string given;
    for (std::size_t j = 0; j < record.lightEnds.size(); ++j) {
        if (!record.lightEnds[j].empty()) {
            given += (given.empty() ? "" : ", ") + std::string(kLightEnds[j].name) + " " +
                     record.lightEnds[j];
        }
    }
    if (!given.empty()) {
        lines.push_back(std::string(report_texts::kLightEndsOfMass) + given);
    }
    return lines;
}

} // namespace

std::vector<std::string> methodLines(const BasicDocumentRecord& record) {
    return commonMethodLines(record);
}

std::vector<std::string> methodLines(const AdditionalDocumentRecord& record) {
    std::vector<std::string> lines = commonMethodLines(record);
    if (record.vapourPressureMethod != VapourPressureMethod::NarrowCuts ||
        record.bubblePointBase == 0) {
        return lines;
    }
    lines.push_back(std::string(field_labels::kBubblePoint) + record.bubblePointText + " " +
                    record.bubblePointUnitName);
    const double designPressure =
        convert(Quantity::Pressure, textToNumber(record.designPressureText),
                record.pressureUnitIndex, baseUnitCode(Quantity::Pressure));
    if (const auto note = bubblePointNote(designPressure, record.bubblePointBase,
                                          textToNumber(record.gasShareText))) {
        lines.emplace_back(*note);
    }
    return lines;
}

int reportedFractionRows(int fractionCount) {
    return std::clamp(fractionCount, 0, kFractionRowCapacity);
}

} // namespace viskora
