#include "cli/report_command.h"

#include "cli/calc_report.h"
#include "cli/document_output.h"
#include "documents/cp1251.h"
#include "documents/document_file.h"
#include "documents/record_fields.h"
#include "reports/output_folder.h"
#include "reports/report_commands.h"
#include "reports/report_file.h"

#ifdef VISKORA_PDF_REPORTS
#include "printing/pdf_report.h"
#endif

#include <iostream>
#include <memory>
#include <optional>

namespace viskora {
namespace {

enum class ReportKind { Text, Html, Workbook, Pdf };

struct ReportOptions {
    std::string path;
    bool text = false;
    bool html = false;
    bool xlsx = false;
    bool pdf = false;
    std::string output;
};

std::string_view extensionOf(ReportKind kind) {
    switch (kind) {
    case ReportKind::Text:
        return kTextReportExtension;
    case ReportKind::Html:
        return kHtmlReportExtension;
    case ReportKind::Workbook:
        return kWorkbookExtension;
    case ReportKind::Pdf:
        return kPdfReportExtension;
    }
    return kTextReportExtension;
}

// The failure message, or none when the report was written to `file`,
// whose folder must exist.
template <typename Record>
std::optional<std::string> writeReport(ReportKind kind, Record record,
                                       const std::filesystem::path& file) {
    fillUnitNames(record);
    if (kind == ReportKind::Workbook) {
        return writeWorkbookFile(record, RecordFractionRows(record), file);
    }
    const ReportFormat format = kind == ReportKind::Text ? ReportFormat::Text : ReportFormat::Html;
    std::string bytes = reportBytes(format, record, RecordFractionRows(record));
#ifdef VISKORA_PDF_REPORTS
    if (kind == ReportKind::Pdf) {
        bytes = pdfFromHtml(cp1251ToUtf8(bytes), file.stem().string());
    }
#endif
    const ReportOutcome outcome = writeFileContents(file, bytes);
    return outcome.written() ? std::nullopt : std::optional(outcome.message);
}

int runReport(const ReportOptions& options) {
    const ReportKind kind = options.text   ? ReportKind::Text
                            : options.html ? ReportKind::Html
                            : options.pdf  ? ReportKind::Pdf
                                           : ReportKind::Workbook;
    const OpenResult opened = openDocumentFile(options.path);
    if (!opened.record) {
        std::cerr << "viskora-calc report: " << options.path << ":\n"
                  << consoleText(opened.message) << '\n';
        return kExitInputError;
    }
    // The output folder is made when missing; a folder given with --output is not.
    std::filesystem::path file(options.output);
    if (options.output.empty()) {
        const std::filesystem::path folder = defaultOutputFolder();
        const std::string folderFailure = makeOutputFolder(folder);
        if (!folderFailure.empty()) {
            std::cerr << "viskora-calc report: "
                      << consoleText(
                             failureWithReason(kDirectoryCreationFailed, folder, folderFailure))
                      << '\n';
            return kExitSaveFailed;
        }
        file = reportFilePath(
            folder, reportBaseName(std::filesystem::path(options.path).filename().string()),
            extensionOf(kind));
    }
    const auto failure = std::visit(
        [&](const auto& record) { return writeReport(kind, record, file); }, *opened.record);
    if (failure) {
        std::cerr << "viskora-calc report: " << consoleText(*failure) << '\n';
        return kExitSaveFailed;
    }
    std::cout << file.string() << '\n';
    return kExitResults;
}

} // namespace

void addReportCommand(CLI::App& app, int& exitStatus) {
    auto options = std::make_shared<ReportOptions>();
    CLI::App* command =
        app.add_subcommand("report", "Write a text, HTML, spreadsheet or PDF report of a document");
    command->add_option("file", options->path, "Document file (.vkr)")->required();
    auto* group = command->add_option_group("format", "The kind of report");
    group->add_flag("--text", options->text, "Plain-text report (.txt)");
    group->add_flag("--html", options->html, "HTML report (.html)");
    group->add_flag("--xlsx", options->xlsx, "Spreadsheet workbook (.xlsx)");
#ifdef VISKORA_PDF_REPORTS
    group->add_flag("--pdf", options->pdf, "The HTML report on A4 pages (.pdf)");
#endif
    group->require_option(1);
    command->add_option("--output", options->output,
                        "File to write; default: the output folder, named after the document");
    command->callback([options, &exitStatus] { exitStatus = runReport(*options); });
}

} // namespace viskora
