#pragma once

#include "documents/document_records.h"
#include "reports/spreadsheet_automation.h"

#include <optional>
#include <string>
#include <string_view>

namespace viskora {

inline constexpr std::string_view kBasicSpreadsheetUnavailable = "Cannot create Excel instance.";
inline constexpr std::string_view kAdditionalSpreadsheetUnavailable =
    "Couldn't create Excel instance.";

// Fills the first sheet of a new workbook with the document and hands the
// spreadsheet program to the user. Returns the message to show when that
// fails: the kind's "cannot create" text when the program cannot be started
// (with the launcher's reason, when it gives one), the error's own text when a later call fails. The fraction rows come from
// `rows`, as many as the record's fraction count says.
std::optional<std::string> exportBasicSpreadsheet(const BasicDocumentRecord& record,
                                                  const FractionRows& rows,
                                                  SpreadsheetLauncher& launcher);
std::optional<std::string> exportAdditionalSpreadsheet(const AdditionalDocumentRecord& record,
                                                       const FractionRows& rows,
                                                       SpreadsheetLauncher& launcher);

} // namespace viskora
