#include "cli/calc_report.h"

#include "documents/vapour_pressure_method_words.h"
#include "units/display_format.h"

#include <algorithm>
#include <iomanip>

namespace viskora {

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

nlohmann::json characterisationJson(const Characterisation& characterisation) {
    nlohmann::json figures = nlohmann::json::object();
    for (const CharacterisationFigure& figure : characterisationFigures()) {
        figures[std::string(figure.name)] = characterisation.*figure.value;
    }
    return figures;
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
