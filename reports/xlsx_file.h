#pragma once

#include "reports/sheet_model.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace viskora {

// Writes a workbook of the one sheet as an .xlsx file at `file` (created or
// truncated). Texts are UTF-8; a cell text that a spreadsheet reads as a
// number when typed is stored as that number (typed_entry.h). Returns why
// the file could not be written, as a sentence, or nothing. The library's
// own diagnostics are kept off the terminal: the reason says what went wrong.
std::string writeXlsxFile(const SheetModel& sheet, const std::filesystem::path& file);

// The most characters a cell of a spreadsheet holds, and the reason given
// for a longer text.
inline constexpr std::size_t kMaxCellCharacters = 32767;
inline constexpr std::string_view kCellTextTooLongReason =
    "Cannot write the workbook: the text of a field is longer than a spreadsheet cell holds "
    "(32,767 characters).";

} // namespace viskora
