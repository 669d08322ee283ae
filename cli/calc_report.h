#pragma once

#include "cli/console_messages.h"
#include "engine/calculation.h"

#include <nlohmann/json.hpp>

#include <ostream>
#include <string>
#include <vector>

namespace viskora {

// One result as the calculator prints it: its record name, its value in the
// base unit, that unit, and the text the form would show.
struct ResultLine {
    std::string name;
    double value = 0;
    std::string baseUnit;
    std::string shown;
};

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

// The results as a new form shows them after Calculate, in the order of the
// record's fields: each under its calculator name with its value in the
// base unit and the text of the form's default unit; the two mass shares of
// an additional calculation open the list.
std::vector<ResultLine> resultLines(const BasicResults& results);
std::vector<ResultLine> resultLines(const AdditionalResults& results);

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
