#pragma once

#include "cli/console_messages.h"
#include "documents/result_lines.h"
#include "engine/calculation.h"

#include <nlohmann/json.hpp>

#include <ostream>
#include <string>
#include <vector>

namespace viskora {

// Exit statuses of the calculator.
enum ExitStatus : int {
    kExitResults = 0,
    kExitInputError = 2,
    kExitStopped = 3,
    kExitFailed = 4,
    kExitUsage = 64,
};

// How a calculation ended, in the calculator's words and exit status.
struct CalcStatus {
    const char* word; // "ok", "input-error", "stopped", "error"
    int exitStatus;
};

CalcStatus statusOf(CalcOutcome outcome, const ConsoleMessages& messages);

nlohmann::json messagesJson(const std::vector<ShownMessage>& messages);

// The characterisation of an oil or of a part of it, under the record's names.
nlohmann::json characterisationJson(const Characterisation& characterisation);

// Results under their names in base units, and the shown texts.
nlohmann::json resultsJson(const std::vector<ResultLine>& lines);
nlohmann::json shownJson(const std::vector<ResultLine>& lines);

// A readable table: name, value and base unit, shown text.
void printResultTable(std::ostream& out, const std::string& title,
                      const std::vector<ResultLine>& lines);

// After the table, the line that names the vapour pressure's method when it
// is by narrow cuts; nothing for the default, whose tables read as before.
void printVapourPressureMethod(std::ostream& out, VapourPressureMethod method);

} // namespace viskora
