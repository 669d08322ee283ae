#include "shell/oil_document.h"

#include "documents/cp1251.h"
#include "forms/message_box_messages.h"
#include "forms/oil_form_view.h"
#include "printing/pdf_report.h"
#include "reports/output_folder.h"
#include "shell/desktop_opener.h"
#include "shell/document_host.h"
#include "shell/file_dialogs.h"
#include "shell/path_text.h"
#include "shell/save_question.h"

#include <QDir>
#include <QFileInfo>
#include <QPointer>

#include <algorithm>
#include <iterator>
#include <utility>

namespace viskora {
namespace {

// The report is there even when the desktop could not open it; say where,
// rather than seem to have done nothing, and that it goes with the output
// folder when the program closes. An opener that started and then failed
// is not a missing program.
void reportNotOpened(QWidget* parent, const std::filesystem::path& file, bool openerStarted) {
    const QString why = openerStarted
                            ? QStringLiteral("The program that opens reports could not open it.")
                            : QStringLiteral("No program could be started to open the report.");
    MessageBoxMessages::show(
        parent, QMessageBox::Warning,
        QStringLiteral("%1\nIt was written to %2\nThe output folder is emptied when Viskora "
                       "closes: use File > Save Report As... to keep the report.")
            .arg(why, QDir::toNativeSeparators(fromFsPath(file))),
        QMessageBox::Ok);
}

} // namespace

OilDocument::OilDocument(DocumentKind kind, DocumentHost& host) : kind_(kind), host_(host) {}

void OilDocument::setTitle(const QString& title) {
    if (title != title_) {
        title_ = title;
        emit titleChanged(title_);
    }
}

void OilDocument::setModified(bool modified) {
    if (modified != modified_) {
        modified_ = modified;
        emit modifiedChanged(modified_);
    }
}

void OilDocument::setPathName(const QString& path) {
    pathName_ = QFileInfo(path).absoluteFilePath();
    setTitle(QFileInfo(pathName_).fileName());
}

std::optional<std::string> OilDocument::fileBytes() {
    if (!view().exchangeToRecord()) {
        return std::nullopt;
    }
    return recordBytes();
}

bool OilDocument::save() {
    if (pathName_.isEmpty()) {
        return saveAs();
    }
    return doSave(pathName_);
}

bool OilDocument::saveAs() {
    const QString suggested =
        pathName_.isEmpty() ? QDir(host_.newFileFolder()).filePath(title_ + QStringLiteral(".vkr"))
                            : pathName_;
    const QString path = host_.fileDialogs().saveFileName(host_.dialogParent(), suggested);
    if (path.isEmpty()) {
        return false;
    }
    return doSave(path);
}

bool OilDocument::doSave(const QString& path) {
    const std::optional<std::string> bytes = fileBytes();
    if (!bytes) {
        return false;
    }
    const SaveResult result = saveDocumentFile(toFsPath(path), *bytes);
    if (!result) {
        showMessage(messageText(result.message));
        return false;
    }
    setPathName(path);
    setModified(false);
    host_.documentSaved(*this);
    return true;
}

bool OilDocument::saveModified() {
    return !modified_ ||
           saveModifiedDocument(host_.dialogParent(), pathName_, title_, [this] { return save(); });
}

void OilDocument::exportReport(ReportKind report) {
    if (!view().exchangeToRecord()) {
        return;
    }
    const std::string title = title_.toStdString();
    // The desktop's opener may fail after it started, when this command is
    // long over and the window perhaps closed.
    ReportFileOpener opener(host_.shellOpener(), [parent = QPointer<QWidget>(host_.dialogParent())](
                                                     const std::filesystem::path& file) {
        reportNotOpened(parent, file, true);
    });
    std::filesystem::path written;
    if (report == ReportKind::Workbook) {
        if (const auto message = writeWorkbook(host_.outputFolder(), title, opener)) {
            showMessage(messageText(*message));
            return;
        }
        written = reportFilePath(host_.outputFolder(), reportBaseName(title), kWorkbookExtension);
    } else if (report == ReportKind::Pdf) {
        const ReportOutcome outcome = writeAndOpenReport(
            reportFilePath(host_.outputFolder(), reportBaseName(title), kPdfReportExtension),
            pdfBytes(), opener);
        if (!outcome.written()) {
            showMessage(messageText(outcome.message));
            return;
        }
        written = outcome.file;
    } else {
        const ReportFormat format =
            report == ReportKind::Text ? ReportFormat::Text : ReportFormat::Html;
        const ReportOutcome outcome = writeReport(format, host_.outputFolder(), title, opener);
        if (!outcome.written()) {
            showMessage(messageText(outcome.message));
            return;
        }
        written = outcome.file;
    }
    if (!opener.lastOpened()) {
        reportNotOpened(host_.dialogParent(), written, false);
    }
}

std::string OilDocument::pdfBytes() const {
    return pdfFromHtml(cp1251ToUtf8(reportText(ReportFormat::Html)), title_.toStdString());
}

bool OilDocument::saveReportAs() {
    if (!view().exchangeToRecord()) {
        return false;
    }
    const std::pair<QString, ReportKind> kinds[] = {
        {QStringLiteral("txt"), ReportKind::Text}, {QStringLiteral("html"), ReportKind::Html},
        {QStringLiteral("htm"), ReportKind::Html}, {QStringLiteral("xlsx"), ReportKind::Workbook},
        {QStringLiteral("pdf"), ReportKind::Pdf},
    };
    QString path = QDir(host_.reportFolder())
                       .filePath(QString::fromStdString(reportBaseName(title_.toStdString())) +
                                 QStringLiteral(".pdf"));
    const std::pair<QString, ReportKind>* kind = nullptr;
    // A name of no report kind is said, and the dialog comes back with it
    // for the user to mend rather than losing what was typed.
    while (kind == nullptr) {
        path = host_.fileDialogs().saveReportFileName(host_.dialogParent(), path);
        if (path.isEmpty()) {
            return false;
        }
        const QString suffix = QFileInfo(path).suffix().toLower();
        const auto found =
            std::find_if(std::begin(kinds), std::end(kinds),
                         [&suffix](const auto& entry) { return entry.first == suffix; });
        if (found == std::end(kinds)) {
            showMessage(QStringLiteral("A report is saved as .txt, .html, .xlsx or .pdf."));
        } else {
            kind = found;
        }
    }
    if (const auto message = writeReportAs(kind->second, toFsPath(path))) {
        showMessage(messageText(*message));
        return false;
    }
    host_.setReportFolder(QFileInfo(path).absolutePath());
    return true;
}

std::optional<std::string> OilDocument::writeReportAs(ReportKind kind,
                                                      const std::filesystem::path& file) {
    if (kind == ReportKind::Workbook) {
        return writeWorkbookAs(file);
    }
    const std::string bytes = kind == ReportKind::Pdf    ? pdfBytes()
                              : kind == ReportKind::Html ? reportText(ReportFormat::Html)
                                                         : reportText(ReportFormat::Text);
    const ReportOutcome outcome = writeFileContents(file, bytes);
    return outcome.written() ? std::nullopt : std::optional(outcome.message);
}

void OilDocument::showMessage(const QString& text) const {
    MessageBoxMessages::show(host_.dialogParent(), QMessageBox::Warning, text, QMessageBox::Ok);
}

} // namespace viskora
