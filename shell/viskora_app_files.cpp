#include "shell/viskora_app.h"

#include "assays/assay_document.h"
#include "forms/oil_form_view.h"
#include "property_curves/property_curves_document.h"
#include "shell/assay_frame.h"
#include "shell/child_frame.h"
#include "shell/file_dialogs.h"
#include "shell/main_frame.h"
#include "shell/oil_document.h"
#include "shell/open_failures_text.h"
#include "shell/path_text.h"
#include "shell/property_curves_frame.h"

#include <QDir>
#include <QFileInfo>

namespace viskora {
namespace {

// Two names of one file are the same file; a file that is gone compares by
// its absolute path.
QString fileIdentity(const QString& path) {
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

// Whether a file's bytes are a property curves document rather than a
// calculation: curves documents are JSON objects, calculations start with
// their "[General]" section.
bool isCurvesText(const std::string& bytes) {
    std::size_t start = bytes.rfind("\xEF\xBB\xBF", 0) == 0 ? 3 : 0;
    const std::size_t first = bytes.find_first_not_of(" \t\r\n", start);
    return first != std::string::npos && bytes[first] == '{';
}

} // namespace

void CViskoraApp::fileOpen() {
    QString folder = settings_.readPath();
    if (folder.isEmpty()) {
        folder = executableFolder_.isEmpty() ? QDir::rootPath() : executableFolder_;
    }
    const QString path = fileDialogs().openFileName(mainFrame_.get(), folder);
    if (path.isEmpty()) {
        return;
    }
    openDocumentFile(path);
    settings_.setReadPath(QFileInfo(path).absolutePath());
}

OilDocument* CViskoraApp::openDocumentFile(const QString& path) {
    QString failure;
    QMdiSubWindow* opened = loadFile(path, failure);
    if (opened == nullptr) {
        showMessage(openFailureText(path, failure));
    }
    const auto* calculation = qobject_cast<CChildFrame*>(opened);
    return calculation != nullptr ? &calculation->document() : nullptr;
}

QMdiSubWindow* CViskoraApp::loadFile(const QString& path, QString& failure) {
    const std::optional<std::string> bytes = readDocumentBytes(toFsPath(path));
    if (bytes && assays::isAssayDocument(*bytes)) {
        const assays::AssayReadResult read = assays::readAssayDocument(*bytes);
        if (!read.assay) {
            failure = messageText(read.message);
            return nullptr;
        }
        AssayFrame* window = showAssay(*read.assay);
        window->setPathName(path);
        addRecentFile(window->pathName());
        return window;
    }
    if (!bytes || !isCurvesText(*bytes)) {
        OilDocument* opened = loadDocumentFile(path, failure);
        return opened != nullptr ? qobject_cast<QMdiSubWindow*>(opened->parent()) : nullptr;
    }
    const CurveReadResult read = readCurveDocument(*bytes);
    if (!read.document) {
        failure = messageText(read.message);
        return nullptr;
    }
    CurvesFrame* window = showCurves(*read.document);
    window->setPathName(path);
    addRecentFile(window->pathName());
    return window;
}

OilDocument* CViskoraApp::loadDocumentFile(const QString& path, QString& failure) {
    OpenResult result = viskora::openDocumentFile(toFsPath(path));
    if (!result.record) {
        failure = messageText(result.message);
        return nullptr;
    }
    const DocumentKind kind = std::holds_alternative<BasicDocumentRecord>(*result.record)
                                  ? DocumentKind::Basic
                                  : DocumentKind::Additional;
    std::unique_ptr<OilDocument> document = makeDocument(kind);
    document->adoptRecord(std::move(*result.record));
    document->setPathName(path);
    OilDocument* opened = document.get();
    opened->view().initialUpdate();
    mainFrame_->addChild(std::move(document));
    addRecentFile(opened->pathName());
    return opened;
}

OilDocument* CViskoraApp::openOrActivate(const QString& path) {
    if (QMdiSubWindow* open = activateOpenWindow(path)) {
        const auto* calculation = qobject_cast<CChildFrame*>(open);
        return calculation != nullptr ? &calculation->document() : nullptr;
    }
    return openDocumentFile(QFileInfo(path).absoluteFilePath());
}

QMdiSubWindow* CViskoraApp::activateOpenWindow(const QString& path) {
    const QString wanted = fileIdentity(path);
    const auto sameFile = [&wanted](const QString& open) {
        return !open.isEmpty() && fileIdentity(open) == wanted;
    };
    for (CChildFrame* frame : mainFrame_->children()) {
        if (sameFile(frame->document().pathName())) {
            mainFrame_->activateChild(frame);
            return frame;
        }
    }
    for (CurvesFrame* frame : mainFrame_->curvesWindows()) {
        if (sameFile(frame->pathName())) {
            mainFrame_->activateChild(frame);
            return frame;
        }
    }
    for (AssayFrame* frame : mainFrame_->assayWindows()) {
        if (sameFile(frame->pathName())) {
            mainFrame_->activateChild(frame);
            return frame;
        }
    }
    return nullptr;
}

void CViskoraApp::openRecentFile(int index) {
    if (index < 0 || index >= recent_.size()) {
        return;
    }
    const QString path = recent_.paths()[index];
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QString failure;
    QMdiSubWindow* opened = activateOpenWindow(path);
    if (opened == nullptr) {
        opened = loadFile(absolute, failure);
    }
    if (opened == nullptr) {
        showMessage(openFailureText(absolute, failure));
        // Gone or no longer a calculation: the entry leads nowhere.
        recent_.remove(recent_.paths().indexOf(path));
        settings_.setRecentFiles(recent_.paths());
        mainFrame_->showRecentFiles(recent_.paths());
    }
}

void CViskoraApp::addRecentFile(const QString& path) {
    recent_.add(path);
    settings_.setRecentFiles(recent_.paths());
    mainFrame_->showRecentFiles(recent_.paths());
}

} // namespace viskora
