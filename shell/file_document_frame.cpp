#include "shell/file_document_frame.h"

#include "forms/message_box_messages.h"
#include "shell/document_host.h"
#include "shell/file_dialogs.h"
#include "shell/path_text.h"
#include "shell/save_question.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>

#include <utility>

namespace viskora {

FileDocumentFrame::FileDocumentFrame(DocumentHost& host, QString extension)
    : host_(host), extension_(std::move(extension)) {
    setAttribute(Qt::WA_DeleteOnClose);
}

QString FileDocumentFrame::askExportPath(const QString& suggested, const QString& filter) {
    const QString folder = host_.reportFolder();
    const QString path = host_.fileDialogs().saveExportFileName(
        host_.dialogParent(), QDir(folder).filePath(suggested), filter);
    if (!path.isEmpty()) {
        host_.setReportFolder(QFileInfo(path).absolutePath());
    }
    return path;
}

void FileDocumentFrame::setTitle(const QString& title) {
    title_ = title;
    // Qt shows "[*]" as "*" while the window is marked modified, else not.
    setWindowTitle(title + QStringLiteral("[*]"));
}

void FileDocumentFrame::setPathName(const QString& path) {
    pathName_ = QFileInfo(path).absoluteFilePath();
    setTitle(QFileInfo(path).fileName());
}

void FileDocumentFrame::setModified(bool modified) {
    if (modified == isWindowModified()) {
        return;
    }
    setWindowModified(modified);
    emit modifiedChanged(modified);
}

bool FileDocumentFrame::save() {
    return pathName_.isEmpty() ? saveAs() : doSave(pathName_);
}

bool FileDocumentFrame::saveAs() {
    const QString suggested =
        pathName_.isEmpty() ? QDir(host_.newFileFolder()).filePath(title_ + extension_) : pathName_;
    const QString path = host_.fileDialogs().saveFileName(host_.dialogParent(), suggested);
    return !path.isEmpty() && doSave(path);
}

bool FileDocumentFrame::doSave(const QString& path) {
    const SaveResult result = writeDocument(toFsPath(path));
    if (!result) {
        MessageBoxMessages::show(host_.dialogParent(), QMessageBox::Warning,
                                 messageText(result.message), QMessageBox::Ok);
        return false;
    }
    setPathName(path);
    setModified(false);
    host_.fileSaved(pathName_);
    return true;
}

bool FileDocumentFrame::saveModified() {
    return !isModified() ||
           saveModifiedDocument(host_.dialogParent(), pathName_, title_, [this] { return save(); });
}

void FileDocumentFrame::closeWithoutPrompt() {
    prompted_ = true;
    close();
}

void FileDocumentFrame::closeEvent(QCloseEvent* event) {
    if (!prompted_ && !saveModified()) {
        event->ignore();
        return;
    }
    aboutToClose();
    QMdiSubWindow::closeEvent(event);
}

} // namespace viskora
