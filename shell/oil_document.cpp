#include "shell/oil_document.h"

#include "forms/message_box_messages.h"
#include "forms/oil_form_view.h"
#include "reports/output_folder.h"
#include "shell/desktop_opener.h"
#include "shell/document_host.h"
#include "shell/file_dialogs.h"
#include "shell/path_text.h"

#include <QDir>
#include <QFileInfo>
#include <QPointer>

namespace viskora {
namespace {

// The report is there even when the desktop has no program for it; say
// where, rather than seem to have done nothing.
void reportNotOpened(QWidget* parent, const std::filesystem::path& file) {
    MessageBoxMessages::show(parent, QMessageBox::Warning,
                             QStringLiteral("No program could be started to open the report.\n"
                                            "It was written to %1")
                                 .arg(QDir::toNativeSeparators(fromFsPath(file))),
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
    if (!modified_) {
        return true;
    }
    QString name = pathName_.isEmpty() ? title_ : QFileInfo(pathName_).fileName();
    if (name.isEmpty()) {
        name = QStringLiteral("Untitled");
    }
    const auto answer = MessageBoxMessages::show(
        host_.dialogParent(), QMessageBox::Warning, QStringLiteral("Save changes to %1?").arg(name),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    switch (answer) {
    case QMessageBox::Yes:
        return save();
    case QMessageBox::No:
        return true;
    default:
        return false;
    }
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
        reportNotOpened(parent, file);
    });
    std::filesystem::path written;
    if (report == ReportKind::Workbook) {
        if (const auto message = writeWorkbook(host_.outputFolder(), title, opener)) {
            showMessage(messageText(*message));
            return;
        }
        written = reportFilePath(host_.outputFolder(), reportBaseName(title), kWorkbookExtension);
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
        reportNotOpened(host_.dialogParent(), written);
    }
}

void OilDocument::showMessage(const QString& text) const {
    MessageBoxMessages::show(host_.dialogParent(), QMessageBox::Warning, text, QMessageBox::Ok);
}

} // namespace viskora
