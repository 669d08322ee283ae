#include "shell/assay_frame.h"

#include "assays/assay_document.h"
#include "assaysui/assay_window.h"
#include "forms/message_box_messages.h"
#include "shell/document_host.h"
#include "shell/file_dialogs.h"
#include "shell/path_text.h"
#include "shell/save_question.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>

namespace viskora {

AssayFrame::AssayFrame(DocumentHost& host, const assays::Assay& assay)
    : host_(host), window_(new AssayWindow) {
    setAttribute(Qt::WA_DeleteOnClose);
    window_->setAssay(assay);
    setWidget(window_);
    connect(window_, &AssayWindow::modified, this, [this] { setModified(true); });
    window_->setExportPath([this](const QString& suggested, const QString& filter) {
        const QString folder = host_.reportFolder();
        const QString path = host_.fileDialogs().saveExportFileName(
            host_.dialogParent(), QDir(folder).filePath(suggested), filter);
        if (!path.isEmpty()) {
            host_.setReportFolder(QFileInfo(path).absolutePath());
        }
        return path;
    });
}

void AssayFrame::setTitle(const QString& title) {
    title_ = title;
    // Qt shows "[*]" as "*" while the window is marked modified, else not.
    setWindowTitle(title + QStringLiteral("[*]"));
}

void AssayFrame::setPathName(const QString& path) {
    pathName_ = QFileInfo(path).absoluteFilePath();
    setTitle(QFileInfo(path).fileName());
}

void AssayFrame::setModified(bool modified) {
    if (modified == isWindowModified()) {
        return;
    }
    setWindowModified(modified);
    emit modifiedChanged(modified);
}

bool AssayFrame::save() {
    return pathName_.isEmpty() ? saveAs() : doSave(pathName_);
}

bool AssayFrame::saveAs() {
    const QString suggested =
        pathName_.isEmpty() ? QDir(host_.newFileFolder()).filePath(title_ + QStringLiteral(".vka"))
                            : pathName_;
    const QString path = host_.fileDialogs().saveFileName(host_.dialogParent(), suggested);
    return !path.isEmpty() && doSave(path);
}

bool AssayFrame::doSave(const QString& path) {
    const SaveResult result = assays::saveAssayDocument(toFsPath(path), window_->assay());
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

bool AssayFrame::saveModified() {
    return !isModified() ||
           saveModifiedDocument(host_.dialogParent(), pathName_, title_, [this] { return save(); });
}

void AssayFrame::closeWithoutPrompt() {
    prompted_ = true;
    close();
}

void AssayFrame::closeEvent(QCloseEvent* event) {
    if (!prompted_ && !saveModified()) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
}

} // namespace viskora
