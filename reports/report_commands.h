#pragma once

#include "documents/document_records.h"
#include "reports/document_opener.h"
#include "reports/report_file.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace viskora {

// The export commands of a document as the desktop program runs them: the
// report goes into `outputFolder` under the base name of `documentTitle` and
// is then opened. The caller copies the form's controls into the record
// first and shows a returned message.

enum class ReportFormat { Text, Html };

std::string_view reportExtension(ReportFormat format);

// The report's file content (windows-1251 bytes).
std::string reportBytes(ReportFormat format, const BasicDocumentRecord& record,
                        const FractionRows& rows);
std::string reportBytes(ReportFormat format, const AdditionalDocumentRecord& record,
                        const FractionRows& rows);

ReportOutcome exportReport(ReportFormat format, const BasicDocumentRecord& record,
                           const FractionRows& rows, const std::filesystem::path& outputFolder,
                           std::string_view documentTitle, DocumentOpener& opener);
ReportOutcome exportReport(ReportFormat format, const AdditionalDocumentRecord& record,
                           const FractionRows& rows, const std::filesystem::path& outputFolder,
                           std::string_view documentTitle, DocumentOpener& opener);

// The workbook "<base name>.xlsx" in `outputFolder` (made when missing),
// opened once written. Returns the message to show on failure; a folder
// that cannot be made means the workbook cannot be created.
std::optional<std::string> exportWorkbook(const BasicDocumentRecord& record,
                                          const FractionRows& rows,
                                          const std::filesystem::path& outputFolder,
                                          std::string_view documentTitle, DocumentOpener& opener);
std::optional<std::string> exportWorkbook(const AdditionalDocumentRecord& record,
                                          const FractionRows& rows,
                                          const std::filesystem::path& outputFolder,
                                          std::string_view documentTitle, DocumentOpener& opener);

// The workbook written as `file` (whose folder must exist), opened by
// nothing: the Save Report As command. Returns the message on failure.
std::optional<std::string> writeWorkbookFile(const BasicDocumentRecord& record,
                                             const FractionRows& rows,
                                             const std::filesystem::path& file);
std::optional<std::string> writeWorkbookFile(const AdditionalDocumentRecord& record,
                                             const FractionRows& rows,
                                             const std::filesystem::path& file);

} // namespace viskora
