#include "reports/report_commands.h"

#include "reports/html_report.h"
#include "reports/output_folder.h"
#include "reports/spreadsheet_export.h"
#include "reports/text_report.h"
#include "reports/xlsx_spreadsheet.h"

namespace viskora {

namespace fs = std::filesystem;

std::string_view reportExtension(ReportFormat format) {
    return format == ReportFormat::Text ? kTextReportExtension : kHtmlReportExtension;
}

std::string reportBytes(ReportFormat format, const BasicDocumentRecord& record,
                        const FractionRows& rows) {
    return format == ReportFormat::Text ? basicTextReport(record, rows)
                                        : basicHtmlReport(record, rows);
}

std::string reportBytes(ReportFormat format, const AdditionalDocumentRecord& record,
                        const FractionRows& rows) {
    return format == ReportFormat::Text ? additionalTextReport(record, rows)
                                        : additionalHtmlReport(record, rows);
}

ReportOutcome exportReport(ReportFormat format, const BasicDocumentRecord& record,
                           const FractionRows& rows, const fs::path& outputFolder,
                           std::string_view documentTitle, DocumentOpener& opener) {
    return writeAndOpenReport(
        reportFilePath(outputFolder, reportBaseName(documentTitle), reportExtension(format)),
        reportBytes(format, record, rows), opener);
}

ReportOutcome exportReport(ReportFormat format, const AdditionalDocumentRecord& record,
                           const FractionRows& rows, const fs::path& outputFolder,
                           std::string_view documentTitle, DocumentOpener& opener) {
    return writeAndOpenReport(
        reportFilePath(outputFolder, reportBaseName(documentTitle), reportExtension(format)),
        reportBytes(format, record, rows), opener);
}

std::optional<std::string> exportWorkbook(const BasicDocumentRecord& record,
                                          const FractionRows& rows, const fs::path& outputFolder,
                                          std::string_view documentTitle, DocumentOpener& opener) {
    if (!ensureOutputFolder(outputFolder)) {
        return std::string(kBasicSpreadsheetUnavailable);
    }
    XlsxSpreadsheetLauncher launcher(
        reportFilePath(outputFolder, reportBaseName(documentTitle), kWorkbookExtension), &opener);
    return exportBasicSpreadsheet(record, rows, launcher);
}

std::optional<std::string> exportWorkbook(const AdditionalDocumentRecord& record,
                                          const FractionRows& rows, const fs::path& outputFolder,
                                          std::string_view documentTitle, DocumentOpener& opener) {
    if (!ensureOutputFolder(outputFolder)) {
        return std::string(kAdditionalSpreadsheetUnavailable);
    }
    XlsxSpreadsheetLauncher launcher(
        reportFilePath(outputFolder, reportBaseName(documentTitle), kWorkbookExtension), &opener);
    return exportAdditionalSpreadsheet(record, rows, launcher);
}

std::optional<std::string> writeWorkbookFile(const BasicDocumentRecord& record,
                                             const FractionRows& rows, const fs::path& file) {
    XlsxSpreadsheetLauncher launcher(file, nullptr);
    return exportBasicSpreadsheet(record, rows, launcher);
}

std::optional<std::string> writeWorkbookFile(const AdditionalDocumentRecord& record,
                                             const FractionRows& rows, const fs::path& file) {
    XlsxSpreadsheetLauncher launcher(file, nullptr);
    return exportAdditionalSpreadsheet(record, rows, launcher);
}

} // namespace viskora
