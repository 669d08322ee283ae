#pragma once

#include "documents/document_records.h"
#include "reports/document_opener.h"
#include "reports/sheet_model.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace viskora {

inline constexpr std::string_view kBasicSpreadsheetUnavailable = "Cannot create Excel instance.";
inline constexpr std::string_view kAdditionalSpreadsheetUnavailable =
    "Couldn't create Excel instance.";

// The document laid out on one sheet: heading and link, the inputs, the
// fraction table when the document uses one (as many rows from `rows` as the
// record's fraction count says) and the results, with columns that fit
// every text and a page setup that prints one A4 page wide.
SheetModel basicSheet(const BasicDocumentRecord& record, const FractionRows& rows);
SheetModel additionalSheet(const AdditionalDocumentRecord& record, const FractionRows& rows);

// Writes the document's sheet as the workbook `file` (an old file is
// replaced only by a complete new one; a missing folder is not made) and
// hands it to `opener` unless that is null. Returns the message to show on
// failure: the kind's "cannot create" text when the file may not be replaced
// or no file can be created in the folder, kFileCreationFailed when the
// workbook cannot be written, each followed by the reason.
std::optional<std::string> exportBasicSpreadsheet(const BasicDocumentRecord& record,
                                                  const FractionRows& rows,
                                                  const std::filesystem::path& file,
                                                  DocumentOpener* opener);
std::optional<std::string> exportAdditionalSpreadsheet(const AdditionalDocumentRecord& record,
                                                       const FractionRows& rows,
                                                       const std::filesystem::path& file,
                                                       DocumentOpener* opener);

} // namespace viskora
