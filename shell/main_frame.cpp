#include "shell/main_frame.h"

#include "forms/complex_oil_view.h"
#include "forms/simple_oil_view.h"
#include "shell/child_frame.h"
#include "shell/commands.h"
#include "shell/curves_frame.h"
#include "shell/keyboard_locks.h"
#include "shell/oil_document.h"
#include "shell/recent_file_list.h"
#include "shell/viskora_app.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QMimeData>
#include <QProxyStyle>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

namespace viskora {
namespace {

const QString kReady = QStringLiteral("Ready");

// Lets a separator in the menu bar push the menus after it to the right
// end, where the Help menu belongs.
class MenuBarStyle : public QProxyStyle {
  public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == QStyle::SH_DrawMenuBarSeparator) {
            return 1;
        }
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// The toolbar pictures, in the order of the buttons.
QIcon toolbarIcon(const char* name) {
    return QIcon(QStringLiteral(":/toolbar/%1.png").arg(QLatin1String(name)));
}

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

QAction* CMainFrame::makeAction(int id) {
    auto* action = new QAction(this);
    for (const CommandInfo& info : commandTable()) {
        if (info.id != id) {
            continue;
        }
        action->setText(QString::fromUtf8(info.text));
        action->setStatusTip(QString::fromUtf8(info.prompt));
        if (*info.tooltip != '\0') {
            action->setToolTip(QString::fromUtf8(info.tooltip));
        }
        if (info.shortcut.key() != Qt::Key_unknown) {
            action->setShortcut(QKeySequence(info.shortcut));
        }
    }
    action->setData(id);
    actions_.insert(id, action);
    // Shortcuts work whichever menu is shown, Ctrl+N included.
    addAction(action);
    return action;
}

void CMainFrame::createActions() {
    for (const CommandInfo& info : commandTable()) {
        makeAction(info.id);
    }
    connect(action(command::NewBasic), &QAction::triggered, this,
            [this] { app_.newDocument(DocumentKind::Basic); });
    connect(action(command::NewAdditional), &QAction::triggered, this,
            [this] { app_.newDocument(DocumentKind::Additional); });
    connect(action(command::NewCurves), &QAction::triggered, this, [this] { app_.newCurves(); });
    connect(action(command::Open), &QAction::triggered, this, [this] { app_.fileOpen(); });
    connect(action(command::Close), &QAction::triggered, this, [this] {
        if (QMdiSubWindow* child = mdiArea_->currentSubWindow()) {
            child->close();
        }
    });
    connect(action(command::Save), &QAction::triggered, this, [this] {
        if (CurvesFrame* curves = activeCurves()) {
            curves->save();
        }
        runDocumentCommand([](OilDocument& document) { document.save(); });
    });
    connect(action(command::SaveAs), &QAction::triggered, this, [this] {
        if (CurvesFrame* curves = activeCurves()) {
            curves->saveAs();
        }
        runDocumentCommand([](OilDocument& document) { document.saveAs(); });
    });
    connect(action(command::TextReport), &QAction::triggered, this, [this] {
        runDocumentCommand([](OilDocument& document) { document.exportReport(ReportKind::Text); });
    });
    connect(action(command::HtmlReport), &QAction::triggered, this, [this] {
        runDocumentCommand([](OilDocument& document) { document.exportReport(ReportKind::Html); });
    });
    connect(action(command::ExcelExport), &QAction::triggered, this, [this] {
        runDocumentCommand(
            [](OilDocument& document) { document.exportReport(ReportKind::Workbook); });
    });
    connect(action(command::PdfReport), &QAction::triggered, this, [this] {
        runDocumentCommand([](OilDocument& document) { document.exportReport(ReportKind::Pdf); });
    });
    connect(action(command::SaveReportAs), &QAction::triggered, this,
            [this] { runDocumentCommand([](OilDocument& document) { document.saveReportAs(); }); });
    connect(action(command::Cascade), &QAction::triggered, mdiArea_, &QMdiArea::cascadeSubWindows);
    connect(action(command::Tile), &QAction::triggered, mdiArea_, &QMdiArea::tileSubWindows);
    connect(action(command::CloseAll), &QAction::triggered, this, &CMainFrame::closeAllChildren);
    connect(action(command::HelpContents), &QAction::triggered, this,
            [this] { app_.helpContents(); });
    connect(action(command::HomePage), &QAction::triggered, this, [this] { app_.homePage(); });
    connect(action(command::About), &QAction::triggered, this, [this] { app_.about(); });
    connect(action(command::Exit), &QAction::triggered, this, &QWidget::close);

    for (int id : {command::ViewToolbar, command::ViewStatusBar}) {
        action(id)->setCheckable(true);
        action(id)->setChecked(true);
    }

    // The recent-file entries: one placeholder while the list is empty.
    recentPlaceholder_ = new QAction(QStringLiteral("Recent File"), this);
    recentPlaceholder_->setStatusTip(QString::fromUtf8(kRecentFilePrompt));
    recentPlaceholder_->setEnabled(false);
    for (int index = 0; index < RecentFileList::kCapacity; ++index) {
        auto* entry = new QAction(this);
        entry->setStatusTip(QString::fromUtf8(kRecentFilePrompt));
        entry->setData(command::RecentFile1 + index);
        entry->setVisible(false);
        connect(entry, &QAction::triggered, this, [this, index] { app_.openRecentFile(index); });
        recentActions_ << entry;
        actions_.insert(command::RecentFile1 + index, entry);
    }
}

QMenu* CMainFrame::makeMenu(const QString& title) {
    return new QMenu(title, this);
}

void CMainFrame::addRecentSection(QMenu* file) {
    file->addAction(recentPlaceholder_);
    file->addActions(recentActions_);
}

void CMainFrame::createMenus() {
    menuBar()->setStyle(new MenuBarStyle);
    menuBar()->style()->setParent(menuBar());

    newMenu_ = makeMenu(QStringLiteral("New"));
    newMenu_->addAction(action(command::NewBasic));
    newMenu_->addAction(action(command::NewAdditional));
    newMenu_->addAction(action(command::NewCurves));

    noDocumentFile_ = makeMenu(QStringLiteral("&File"));
    noDocumentFile_->addMenu(newMenu_);
    noDocumentFile_->addAction(action(command::Open));
    noDocumentFile_->addSeparator();
    addRecentSection(noDocumentFile_);
    noDocumentFile_->addSeparator();
    noDocumentFile_->addAction(action(command::Close));
    noDocumentFile_->addAction(action(command::Exit));

    documentFile_ = makeMenu(QStringLiteral("&File"));
    documentFile_->addMenu(newMenu_);
    documentFile_->addAction(action(command::Open));
    documentFile_->addAction(action(command::Close));
    documentFile_->addAction(action(command::Save));
    documentFile_->addAction(action(command::SaveAs));
    documentFile_->addSeparator();
    addRecentSection(documentFile_);
    documentFile_->addSeparator();
    documentFile_->addAction(action(command::Exit));

    exportMenu_ = makeMenu(QStringLiteral("Data Export "));
    exportMenu_->addAction(action(command::TextReport));
    exportMenu_->addAction(action(command::HtmlReport));
    exportMenu_->addAction(action(command::ExcelExport));
    exportMenu_->addAction(action(command::PdfReport));
    exportMenu_->addSeparator();
    exportMenu_->addAction(action(command::SaveReportAs));

    viewMenu_ = makeMenu(QStringLiteral("&View"));
    viewMenu_->addAction(action(command::ViewToolbar));
    viewMenu_->addAction(action(command::ViewStatusBar));

    windowMenu_ = makeMenu(QStringLiteral("&Window"));
    windowMenu_->addAction(action(command::Cascade));
    windowMenu_->addAction(action(command::Tile));
    windowMenu_->addAction(action(command::CloseAll));
    connect(windowMenu_, &QMenu::aboutToShow, this, &CMainFrame::fillWindowMenu);

    helpMenu_ = makeMenu(QStringLiteral("&Help"));
    helpMenu_->addAction(action(command::HelpContents));
    helpMenu_->addAction(action(command::HomePage));
    helpMenu_->addSeparator();
    helpMenu_->addAction(action(command::About));
}

void CMainFrame::createToolBar() {
    toolBar_ = addToolBar(QStringLiteral("Standard"));
    toolBar_->setObjectName(QStringLiteral("toolbar"));
    toolBar_->setIconSize(QSize(24, 24));
    toolBar_->setFloatable(false);

    newButton_ = new QToolButton(toolBar_);
    newButton_->setDefaultAction(action(command::New));
    newButton_->setMenu(newMenu_);
    newButton_->setPopupMode(QToolButton::InstantPopup);
    newButton_->setAutoRaise(true);
    toolBar_->addWidget(newButton_);

    const std::pair<int, const char*> buttons[] = {
        {command::New, "new"},           {command::Open, "open"},
        {command::Save, "save"},         {command::TextReport, "text"},
        {command::HtmlReport, "html"},   {command::ExcelExport, "excel"},
        {command::HomePage, "homepage"}, {command::HelpContents, "contents"},
    };
    // The property curves window has a button of its own, after Save.
    for (const auto& [id, picture] : buttons) {
        action(id)->setIcon(toolbarIcon(picture));
        if (id == command::New) {
            continue;
        }
        if (id == command::TextReport || id == command::HomePage) {
            toolBar_->addSeparator();
        }
        toolBar_->addAction(action(id));
        if (id == command::Save) {
            action(command::NewCurves)->setIconText(QStringLiteral("Curves"));
            toolBar_->addAction(action(command::NewCurves));
        }
    }

    connect(action(command::ViewToolbar), &QAction::toggled, toolBar_, &QWidget::setVisible);
    connect(toolBar_, &QToolBar::visibilityChanged, action(command::ViewToolbar),
            &QAction::setChecked);
}

void CMainFrame::createStatusBar() {
    QStatusBar* bar = statusBar();
    // "Ready" whenever no prompt applies.
    connect(bar, &QStatusBar::messageChanged, bar, [bar](const QString& message) {
        if (message.isEmpty()) {
            bar->showMessage(kReady);
        }
    });
    bar->showMessage(kReady);

    const char* names[] = {"CAP", "NUM", "SCRL"};
    for (int index = 0; index < 3; ++index) {
        auto* label = new QLabel(bar);
        label->setObjectName(QString::fromLatin1(names[index]));
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setAlignment(Qt::AlignCenter);
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("SCRL")) + 12);
        bar->addPermanentWidget(label);
        indicators_[index] = label;
    }
    updateIndicators();

    connect(action(command::ViewStatusBar), &QAction::toggled, bar, &QWidget::setVisible);
}

void CMainFrame::updateIndicators() {
    const KeyboardLocks locks = readKeyboardLocks().value_or(KeyboardLocks{});
    const bool on[] = {locks.capsLock, locks.numLock, locks.scrollLock};
    for (int index = 0; index < 3; ++index) {
        // The pane keeps its place; its name shows while the lock is on.
        indicators_[index]->setText(on[index] ? indicators_[index]->objectName() : QString());
    }
}

CChildFrame* CMainFrame::activeChild() const {
    return qobject_cast<CChildFrame*>(mdiArea_->currentSubWindow());
}

QList<CChildFrame*> CMainFrame::children() const {
    QList<CChildFrame*> frames;
    for (QMdiSubWindow* window : mdiArea_->subWindowList(QMdiArea::CreationOrder)) {
        if (auto* frame = qobject_cast<CChildFrame*>(window)) {
            frames << frame;
        }
    }
    return frames;
}

CurvesFrame* CMainFrame::activeCurves() const {
    return qobject_cast<CurvesFrame*>(mdiArea_->currentSubWindow());
}

QList<CurvesFrame*> CMainFrame::curvesWindows() const {
    QList<CurvesFrame*> frames;
    for (QMdiSubWindow* window : mdiArea_->subWindowList(QMdiArea::CreationOrder)) {
        if (auto* frame = qobject_cast<CurvesFrame*>(window)) {
            frames << frame;
        }
    }
    return frames;
}

void CMainFrame::showChild(QMdiSubWindow* child) {
    child->setWindowIcon(windowIcon());
    mdiArea_->addSubWindow(child);
    connect(child, &QWidget::windowTitleChanged, this, &CMainFrame::updateCaption);
    connect(child, &QMdiSubWindow::windowStateChanged, this, &CMainFrame::updateCaption);
    connect(child, &QObject::destroyed, this, [this] {
        // The area chooses the next window itself; a closed last window
        // leaves the no-document menu.
        QTimer::singleShot(0, this, &CMainFrame::activeChildChanged);
    });
}

CChildFrame* CMainFrame::addChild(std::unique_ptr<OilDocument> document) {
    auto* child = new CChildFrame(std::move(document));
    showChild(child);
    connect(&child->document(), &OilDocument::modifiedChanged, this, &CMainFrame::updateCaption);
    child->fitToForm(mdiArea_->viewport()->size());
    child->show();
    child->move(cascadePosition(*child));
    activateChild(child);
    return child;
}

void CMainFrame::addCurves(CurvesFrame* window) {
    showChild(window);
    connect(window, &CurvesFrame::modifiedChanged, this, &CMainFrame::updateCaption);
    window->resize(QSize(1100, 700).boundedTo(mdiArea_->viewport()->size()));
    window->show();
    window->move(cascadePosition(*window));
    activateChild(window);
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
    if (curves) {
        switchMenus(MenuKind::Curves);
    } else if (child == nullptr) {
        switchMenus(MenuKind::NoDocument);
    } else {
        switchMenus(child->document().kind() == DocumentKind::Basic ? MenuKind::Basic
                                                                    : MenuKind::Additional);
    }
    const bool hasDocument = child != nullptr || curves;
    for (int id : {command::Close, command::Save, command::SaveAs, command::Cascade, command::Tile,
                   command::CloseAll}) {
        action(id)->setEnabled(hasDocument);
    }
    // The curves window exports its table and plot itself.
    for (int id : {command::TextReport, command::HtmlReport, command::ExcelExport,
                   command::PdfReport, command::SaveReportAs}) {
        action(id)->setEnabled(child != nullptr);
    }
    updateCaption();
}

void CMainFrame::switchMenus(MenuKind kind) {
    if (menusShown_ && kind == menuKind_) {
        return;
    }
    menuKind_ = kind;
    menusShown_ = true;
    const bool document = kind != MenuKind::NoDocument;
    action(command::Open)
        ->setText(document ? QStringLiteral("&Open...") : QStringLiteral("Open..."));
    QMenuBar* bar = menuBar();
    bar->clear();
    if (document) {
        bar->addMenu(documentFile_);
        if (kind != MenuKind::Curves) {
            bar->addMenu(exportMenu_);
        }
        bar->addMenu(viewMenu_);
        bar->addMenu(windowMenu_);
    } else {
        bar->addMenu(noDocumentFile_);
        bar->addMenu(viewMenu_);
    }
    bar->addSeparator();
    bar->addMenu(helpMenu_);
}

void CMainFrame::showRecentFiles(const QStringList& paths) {
    recentPlaceholder_->setVisible(paths.isEmpty());
    for (int index = 0; index < recentActions_.size(); ++index) {
        QAction* entry = recentActions_[index];
        entry->setVisible(index < paths.size());
        if (index < paths.size()) {
            entry->setText(RecentFileList::menuText(index, paths[index]));
        }
    }
}

void CMainFrame::fillWindowMenu() {
    qDeleteAll(windowListActions_);
    windowListActions_.clear();
    const QList<QMdiSubWindow*> frames = mdiArea_->subWindowList(QMdiArea::CreationOrder);
    if (frames.isEmpty()) {
        return;
    }
    windowListActions_ << windowMenu_->addSeparator();
    const QMdiSubWindow* active = mdiArea_->currentSubWindow();
    for (int index = 0; index < frames.size(); ++index) {
        QMdiSubWindow* frame = frames[index];
        const QString number = index < 9 ? QStringLiteral("&%1 ").arg(index + 1)
                                         : QStringLiteral("%1 ").arg(index + 1);
        const auto* calculation = qobject_cast<CChildFrame*>(frame);
        const auto* curves = qobject_cast<CurvesFrame*>(frame);
        const QString title = calculation != nullptr ? calculation->document().title()
                              : curves != nullptr    ? curves->title()
                                                     : frame->windowTitle();
        QAction* entry = windowMenu_->addAction(number + title);
        entry->setCheckable(true);
        entry->setChecked(frame == active);
        entry->setStatusTip(QStringLiteral("Activate this window"));
        connect(entry, &QAction::triggered, this, [this, frame] { activateChild(frame); });
        windowListActions_ << entry;
    }
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

void CMainFrame::runDocumentCommand(void (*command)(OilDocument&)) {
    if (CChildFrame* child = activeChild()) {
        command(child->document());
    }
}

void CMainFrame::closeAllChildren() {
    for (QMdiSubWindow* frame : mdiArea_->subWindowList(QMdiArea::CreationOrder)) {
        if (!frame->close()) {
            return;
        }
    }
}

QPoint CMainFrame::cascadePosition(const QMdiSubWindow& child) const {
    const QMdiSubWindow* previous = nullptr;
    for (QMdiSubWindow* frame : mdiArea_->subWindowList(QMdiArea::CreationOrder)) {
        if (frame != &child && !frame->isMinimized() && !frame->isMaximized()) {
            previous = frame;
        }
    }
    if (previous == nullptr) {
        return {0, 0};
    }
    const int step = child.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &child);
    const QPoint next = previous->pos() + QPoint(step, step);
    const bool fits = mdiArea_->viewport()->rect().contains(QRect(next, child.size()));
    return fits ? next : QPoint(0, 0);
}

QSize CMainFrame::sizeShowingWholeForm() const {
    // Either form (the additional one is the wider, the basic one the
    // taller) in a child window: the window's frame and title bar around it.
    const QSize forms =
        CSimpleOilView().templateSize().expandedTo(CComplexOilView().templateSize());
    const int border = style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, this);
    const int title = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
    const QSize child = forms + QSize(2 * border, title + border);
    const int areaFrame = 2 * mdiArea_->frameWidth();
    int bars = menuBar()->sizeHint().height() + statusBar()->sizeHint().height();
    if (toolBar_ != nullptr) {
        bars += toolBar_->sizeHint().height();
    }
    return child + QSize(areaFrame, areaFrame + bars);
}

void CMainFrame::restorePlacement(const WindowPlacement& placement) {
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        screens << screen->availableGeometry();
    }
    if (const std::optional<QRect> saved = placementToRestore(placement, screens)) {
        setGeometry(*saved);
        return;
    }
    // The frame the window manager will draw is not known before the window
    // is shown; the style's own window frame stands in for it.
    const int border = style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, this);
    const int title = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
    const QMargins frame(border, title + border, border, border);
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect available = screen != nullptr ? screen->availableGeometry() : QRect();
    setGeometry(available.isEmpty() ? QRect(QPoint(0, 0), sizeShowingWholeForm())
                                    : firstStartRect(sizeShowingWholeForm(), available, frame));
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
    app_.mainFrameClosing(placementToSave(*this));
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
