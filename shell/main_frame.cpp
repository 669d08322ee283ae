#include "shell/main_frame.h"

#include "shell/assay_frame.h"
#include "shell/blend_frame.h"
#include "shell/child_frame.h"
#include "shell/help_window.h"
#include "shell/oil_document.h"
#include "shell/property_curves_frame.h"
#include "shell/viskora_app.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMimeData>
#include <QStatusBar>
#include <QTimer>

namespace viskora {
namespace {

// Local files among dragged URLs; a drag without any is not for us.
QList<QUrl> localFiles(const QMimeData* data) {
    QList<QUrl> files;
    if (data != nullptr && data->hasUrls()) {
        for (const QUrl& url : data->urls()) {
            if (url.isLocalFile()) {
                files << url;
            }
        }
    }
    return files;
}

// The area's windows of one kind, in the order they were opened.
template <typename Frame> QList<Frame*> windowsOfKind(const QMdiArea& area) {
    QList<Frame*> frames;
    for (QMdiSubWindow* window : area.subWindowList(QMdiArea::CreationOrder)) {
        if (auto* frame = qobject_cast<Frame*>(window)) {
            frames << frame;
        }
    }
    return frames;
}

} // namespace

CMainFrame::CMainFrame(CViskoraApp& app) : app_(app), mdiArea_(new QMdiArea(this)) {
    setWindowTitle(QStringLiteral("Viskora"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/viskora.png")));
    mdiArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdiArea_);

    createActions();
    createMenus();
    createToolBar();
    createStatusBar();
    activeChildChanged();

    connect(mdiArea_, &QMdiArea::subWindowActivated, this, &CMainFrame::activeChildChanged);
    // Files dropped anywhere on the window, its forms included, are
    // documents to open, not text to paste.
    setAcceptDrops(true);
    qApp->installEventFilter(this);
}

CMainFrame::~CMainFrame() {
    qApp->removeEventFilter(this);
}

CChildFrame* CMainFrame::activeChild() const {
    return qobject_cast<CChildFrame*>(mdiArea_->currentSubWindow());
}

QList<CChildFrame*> CMainFrame::children() const {
    return windowsOfKind<CChildFrame>(*mdiArea_);
}

CurvesFrame* CMainFrame::activeCurves() const {
    return qobject_cast<CurvesFrame*>(mdiArea_->currentSubWindow());
}

QList<CurvesFrame*> CMainFrame::curvesWindows() const {
    return windowsOfKind<CurvesFrame>(*mdiArea_);
}

AssayFrame* CMainFrame::activeAssay() const {
    return qobject_cast<AssayFrame*>(mdiArea_->currentSubWindow());
}

QList<AssayFrame*> CMainFrame::assayWindows() const {
    return windowsOfKind<AssayFrame>(*mdiArea_);
}

BlendFrame* CMainFrame::activeBlend() const {
    return qobject_cast<BlendFrame*>(mdiArea_->currentSubWindow());
}

QList<BlendFrame*> CMainFrame::blendWindows() const {
    return windowsOfKind<BlendFrame>(*mdiArea_);
}

void CMainFrame::showChild(QMdiSubWindow* child, QSize size) {
    child->setWindowIcon(windowIcon());
    mdiArea_->addSubWindow(child);
    connect(child, &QWidget::windowTitleChanged, this, &CMainFrame::updateCaption);
    connect(child, &QMdiSubWindow::windowStateChanged, this, &CMainFrame::updateCaption);
    connect(child, &QObject::destroyed, this, [this] {
        // The area chooses the next window itself; a closed last window
        // leaves the no-document menu.
        QTimer::singleShot(0, this, &CMainFrame::activeChildChanged);
    });
    child->resize(
        (size.isValid() ? size : child->sizeHint()).boundedTo(mdiArea_->viewport()->size()));
    child->show();
    child->move(cascadePosition(*child));
    activateChild(child);
}

CChildFrame* CMainFrame::addChild(std::unique_ptr<OilDocument> document) {
    auto* child = new CChildFrame(std::move(document));
    connect(&child->document(), &OilDocument::modifiedChanged, this, &CMainFrame::updateCaption);
    // Its size hint shows the whole form.
    showChild(child);
    return child;
}

void CMainFrame::addCurves(CurvesFrame* window) {
    connect(window, &CurvesFrame::modifiedChanged, this, &CMainFrame::updateCaption);
    showChild(window, QSize(1100, 700));
}

void CMainFrame::addAssay(AssayFrame* window) {
    connect(window, &AssayFrame::modifiedChanged, this, &CMainFrame::updateCaption);
    showChild(window, QSize(1240, 720));
}

void CMainFrame::addBlend(BlendFrame* window) {
    showChild(window, QSize(1240, 720));
}

void CMainFrame::activateChild(QMdiSubWindow* child) {
    if (child->isMinimized()) {
        child->showNormal();
    }
    mdiArea_->setActiveSubWindow(child);
    activeChildChanged();
}

void CMainFrame::activeChildChanged() {
    const CChildFrame* child = activeChild();
    const bool curves = activeCurves() != nullptr;
    const bool assay = activeAssay() != nullptr;
    const bool blend = activeBlend() != nullptr;
    if (curves) {
        switchMenus(MenuKind::Curves);
    } else if (assay) {
        switchMenus(MenuKind::Assay);
    } else if (blend) {
        switchMenus(MenuKind::Blend);
    } else if (child == nullptr) {
        switchMenus(MenuKind::NoDocument);
    } else {
        switchMenus(child->document().kind() == DocumentKind::Basic ? MenuKind::Basic
                                                                    : MenuKind::Additional);
    }
    const bool hasDocument = child != nullptr || curves || assay || blend;
    for (const char* name : {"actionClose", "actionCascade", "actionTile", "actionCloseAll"}) {
        action(name)->setEnabled(hasDocument);
    }
    // A blend is made of the oils open elsewhere: it is opened as an assay
    // to be kept.
    for (const char* name : {"actionSave", "actionSaveAs"}) {
        action(name)->setEnabled(hasDocument && !blend);
    }
    // The curves window exports its table and plot itself.
    for (const char* name : {"actionTextReport", "actionHtmlReport", "actionExcelExport",
                             "actionPdfReport", "actionSaveReportAs"}) {
        action(name)->setEnabled(child != nullptr);
    }
    updateCaption();
}

void CMainFrame::updateCaption() {
    // Deferred: a maximised child window writes its own title into the
    // caption when its state changes; this one comes after it.
    QTimer::singleShot(0, this, [this] {
        // The child's title ends in Qt's "[*]", shown as "*" while the
        // window is marked modified.
        const QMdiSubWindow* child = mdiArea_->currentSubWindow();
        setWindowModified(child != nullptr && child->isWindowModified());
        if (child == nullptr) {
            setWindowTitle(QStringLiteral("Viskora"));
        } else if (child->isMaximized()) {
            setWindowTitle(QStringLiteral("Viskora - [%1]").arg(child->windowTitle()));
        } else {
            setWindowTitle(QStringLiteral("Viskora - %1").arg(child->windowTitle()));
        }
    });
}

void CMainFrame::closeAllChildren() {
    for (QMdiSubWindow* frame : mdiArea_->subWindowList(QMdiArea::CreationOrder)) {
        if (!frame->close()) {
            return;
        }
    }
}

void CMainFrame::openDroppedFiles(const QList<QUrl>& urls) {
    activateWindow();
    raise();
    for (const QUrl& url : urls) {
        app_.openDocumentFile(QFileInfo(url.toLocalFile()).absoluteFilePath());
    }
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (!app_.saveAllModified()) {
        event->ignore();
        return;
    }
    app_.closeAllDocuments();
    savePlacement(app_.settings());
    if (HelpWindow* help = app_.helpWindow()) {
        help->close();
    }
    QMainWindow::closeEvent(event);
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyRelease: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_CapsLock || key == Qt::Key_NumLock || key == Qt::Key_ScrollLock) {
            updateIndicators();
        }
        break;
    }
    case QEvent::WindowActivate:
        // Back from a dialog: no item is under the mouse any more.
        if (watched == this) {
            statusBar()->clearMessage();
        }
        break;
    case QEvent::ApplicationActivate:
        // The lights may have changed while another program had the keyboard.
        updateIndicators();
        break;
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop: {
        auto* widget = qobject_cast<QWidget*>(watched);
        auto* drop = static_cast<QDropEvent*>(event);
        const QList<QUrl> files = localFiles(drop->mimeData());
        if (widget == nullptr || widget->window() != this || files.isEmpty()) {
            break;
        }
        drop->acceptProposedAction();
        if (event->type() == QEvent::Drop) {
            // After the drag has ended: opening may show message boxes.
            QTimer::singleShot(0, this, [this, files] { openDroppedFiles(files); });
        }
        return true;
    }
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace viskora
