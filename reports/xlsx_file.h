#pragma once

#include "reports/sheet_model.h"

#include <filesystem>

namespace viskora {

// Writes a workbook of the one sheet as an .xlsx file at `file` (created or
// truncated). Texts are UTF-8; a cell text that a spreadsheet reads as a
// number when typed is stored as that number (typed_entry.h). False when the
// file could not be written.
bool writeXlsxFile(const SheetModel& sheet, const std::filesystem::path& file);

} // namespace viskora
