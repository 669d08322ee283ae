#include "reports/report_commands.h"

#include "reports/html_report.h"
#include "reports/output_folder.h"
#include "reports/spreadsheet_export.h"
#include "reports/text_report.h"

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
    const std::string folderFailure = makeOutputFolder(outputFolder);
    if (!folderFailure.empty()) {
        return failureWithReason(kBasicSpreadsheetUnavailable, outputFolder, folderFailure);
    }
    return exportBasicSpreadsheet(
        record, rows,
        reportFilePath(outputFolder, reportBaseName(documentTitle), kWorkbookExtension), &opener);
}

std::optional<std::string> exportWorkbook(const AdditionalDocumentRecord& record,
                                          const FractionRows& rows, const fs::path& outputFolder,
                                          std::string_view documentTitle, DocumentOpener& opener) {
    const std::string folderFailure = makeOutputFolder(outputFolder);
    if (!folderFailure.empty()) {
        return failureWithReason(kAdditionalSpreadsheetUnavailable, outputFolder, folderFailure);
    }
    return exportAdditionalSpreadsheet(
        record, rows,
        reportFilePath(outputFolder, reportBaseName(documentTitle), kWorkbookExtension), &opener);
}

std::optional<std::string> writeWorkbookFile(const BasicDocumentRecord& record,
                                             const FractionRows& rows, const fs::path& file) {
    return exportBasicSpreadsheet(record, rows, file, nullptr);
}

std::optional<std::string> writeWorkbookFile(const AdditionalDocumentRecord& record,
                                             const FractionRows& rows, const fs::path& file) {
    return exportAdditionalSpreadsheet(record, rows, file, nullptr);
}

} // namespace viskora
