#include "shell/property_curves_frame.h"

#include "forms/message_box_messages.h"
#include "property_curves_ui/curves_window.h"
#include "shell/document_host.h"
#include "shell/file_dialogs.h"
#include "shell/path_text.h"
#include "shell/save_question.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>

namespace viskora {

CurvesFrame::CurvesFrame(DocumentHost& host, const CurveDocument& document)
    : host_(host), window_(new CurvesWindow) {
    setAttribute(Qt::WA_DeleteOnClose);
    window_->setDocument(document);
    setWidget(window_);
    connect(window_, &CurvesWindow::modified, this, [this] { setModified(true); });
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

void CurvesFrame::setTitle(const QString& title) {
    title_ = title;
    // Qt shows "[*]" as "*" while the window is marked modified, else not.
    setWindowTitle(title + QStringLiteral("[*]"));
}

void CurvesFrame::setPathName(const QString& path) {
    pathName_ = QFileInfo(path).absoluteFilePath();
    setTitle(QFileInfo(path).fileName());
}

void CurvesFrame::setModified(bool modified) {
    if (modified == isWindowModified()) {
        return;
    }
    setWindowModified(modified);
    emit modifiedChanged(modified);
}

bool CurvesFrame::save() {
    return pathName_.isEmpty() ? saveAs() : doSave(pathName_);
}

bool CurvesFrame::saveAs() {
    const QString suggested =
        pathName_.isEmpty() ? QDir(host_.newFileFolder()).filePath(title_ + QStringLiteral(".vkc"))
                            : pathName_;
    const QString path = host_.fileDialogs().saveFileName(host_.dialogParent(), suggested);
    return !path.isEmpty() && doSave(path);
}

bool CurvesFrame::doSave(const QString& path) {
    const SaveResult result = saveCurveDocument(toFsPath(path), window_->document());
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

bool CurvesFrame::saveModified() {
    return !isModified() ||
           saveModifiedDocument(host_.dialogParent(), pathName_, title_, [this] { return save(); });
}

void CurvesFrame::closeWithoutPrompt() {
    prompted_ = true;
    close();
}

void CurvesFrame::closeEvent(QCloseEvent* event) {
    if (!prompted_ && !saveModified()) {
        event->ignore();
        return;
    }
    // A question of the sweep still queued must not open a box over a
    // window that is going.
    window_->stopSweep();
    QMdiSubWindow::closeEvent(event);
}

} // namespace viskora
