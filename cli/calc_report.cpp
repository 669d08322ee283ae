#include "cli/calc_report.h"

#include "documents/record_fields.h"
#include "documents/vapour_pressure_method_words.h"
#include "units/display_format.h"

#include <algorithm>
#include <iomanip>

namespace viskora {
namespace {

// The base unit of a quantity as the calculator's tables write it.
std::string_view baseUnitText(Quantity quantity) {
    switch (quantity) {
    case Quantity::Temperature:
        return "deg.C";
    case Quantity::Density:
        return "kg/m3";
    case Quantity::Pressure:
        return "MPa";
    case Quantity::SpecificHeat:
        return "kJ/(kg K)";
    case Quantity::Conductivity:
        return "W/(m K)";
    case Quantity::Enthalpy:
        return "kJ/kg";
    case Quantity::Viscosity:
        return "mm2/s";
    case Quantity::SurfaceTension:
        return "N/m";
    }
    return "";
}

template <typename Results> std::vector<ResultLine> linesOf(const Results& results) {
    std::vector<ResultLine> lines;
    for (const auto& field : recordFields(results)) {
        if (field.result == nullptr) {
            continue;
        }
        const double value = field.result(results);
        switch (field.unit) {
        case FieldUnit::Own:
        case FieldUnit::Shared:
            lines.push_back({std::string(field.resultName), value,
                             std::string(baseUnitText(field.quantity)),
                             formatInUnit(field.quantity, value, field.defaultUnitIndex)});
            break;
        case FieldUnit::Percent:
        case FieldUnit::Number:
            lines.push_back({std::string(field.resultName), value,
                             field.unit == FieldUnit::Percent ? "%" : "-",
                             results.*field.resultText});
            break;
        }
    }
    // The split into phases comes first.
    std::ranges::stable_partition(lines,
                                  [](const ResultLine& line) { return line.baseUnit == "%"; });
    return lines;
}

} // namespace

std::vector<ResultLine> resultLines(const BasicResults& results) {
    return linesOf(results);
}

std::vector<ResultLine> resultLines(const AdditionalResults& results) {
    std::vector<ResultLine> lines = linesOf(results);
    // By narrow cuts only, so that every other calculation reads as it did.
    if (results.bubblePointPressure > 0) {
        constexpr int kMPaIndex = 3;
        lines.push_back({"bubblePointPressure", results.bubblePointPressure,
                         std::string(baseUnitText(Quantity::Pressure)),
                         formatInUnit(Quantity::Pressure, results.bubblePointPressure, kMPaIndex)});
    }
    return lines;
}

CalcStatus statusOf(CalcOutcome outcome, const ConsoleMessages& messages) {
    switch (outcome) {
    case CalcOutcome::Completed:
        return {"ok", kExitResults};
    case CalcOutcome::Stopped:
        return messages.stoppedByAnswer() ? CalcStatus{"stopped", kExitStopped}
                                          : CalcStatus{"input-error", kExitInputError};
    case CalcOutcome::Failed:
        break;
    }
    return {"error", kExitFailed};
}

nlohmann::json messagesJson(const std::vector<ShownMessage>& messages) {
    nlohmann::json list = nlohmann::json::array();
    for (const ShownMessage& message : messages) {
        nlohmann::json item = {{"kind", message.kind}, {"text", message.text}};
        if (message.answer) {
            item["answer"] = *message.answer ? "yes" : "no";
        }
        list.push_back(item);
    }
    return list;
}

nlohmann::json characterisationJson(const Characterisation& c) {
    return {
        {"tvAvg", c.tvAvg},
        {"tmAvg", c.tmAvg},
        {"t50", c.t50},
        {"d20", c.d20},
        {"d15", c.d15},
        {"refrIndex", c.refrIndex},
        {"molarMass", c.molarMass},
        {"watsonK", c.watsonK},
        {"critTemp", c.critTemp},
        {"critPressure", c.critPressure},
        {"critDensity", c.critDensity},
        {"acentric", c.acentric},
    };
}

nlohmann::json resultsJson(const std::vector<ResultLine>& lines) {
    nlohmann::json results = nlohmann::json::object();
    for (const ResultLine& line : lines) {
        results[line.name] = line.value;
    }
    return results;
}

nlohmann::json shownJson(const std::vector<ResultLine>& lines) {
    nlohmann::json shown = nlohmann::json::object();
    for (const ResultLine& line : lines) {
        shown[line.name] = line.shown;
    }
    return shown;
}

void printResultTable(std::ostream& out, const std::string& title,
                      const std::vector<ResultLine>& lines) {
    out << title << "\n\n";
    out << std::left << std::setw(26) << "result" << std::setw(36) << "value in base unit"
        << "shown\n";
    for (const ResultLine& line : lines) {
        const std::string value = shortestNumberText(line.value) + " " + line.baseUnit;
        out << std::left << std::setw(26) << line.name << std::setw(36) << value << line.shown
            << '\n';
    }
}

void printVapourPressureMethod(std::ostream& out, VapourPressureMethod method) {
    if (method == VapourPressureMethod::NarrowCuts) {
        out << kVapourPressureByNarrowCutsLine << '\n';
    }
}

} // namespace viskora
