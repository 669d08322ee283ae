#include "shell/main_frame.h"

#include "shell/assay_frame.h"
#include "shell/child_frame.h"
#include "shell/oil_document.h"
#include "shell/property_curves_frame.h"
#include "shell/recent_file_list.h"

#include <QAction>
#include <QMdiArea>
#include <QMenuBar>
#include <QProxyStyle>
#include <QToolBar>
#include <QToolButton>

#include <string_view>

namespace viskora {
namespace {

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

} // namespace

// Entries by their actions' object names; "-" is a separator, "menuNew" the
// New menu and "recentFiles" the recent-file entries.
QMenu* CMainFrame::makeMenu(const char* title, std::initializer_list<const char*> entries) {
    auto* menu = new QMenu(QString::fromUtf8(title), this);
    for (const char* entry : entries) {
        const std::string_view name(entry);
        if (name == "-") {
            menu->addSeparator();
        } else if (name == "menuNew") {
            menu->addMenu(newMenu_);
        } else if (name == "recentFiles") {
            menu->addAction(recentPlaceholder_);
            menu->addActions(recentActions_);
        } else {
            menu->addAction(action(entry));
        }
    }
    return menu;
}

void CMainFrame::createMenus() {
    menuBar()->setStyle(new MenuBarStyle);
    menuBar()->style()->setParent(menuBar());

    newMenu_ = makeMenu("New", {"actionNewBasic", "actionNewAdditional", "actionNewCurves", "-",
                                "actionNewAssay", "actionNewBlend"});
    noDocumentFile_ = makeMenu("&File", {"menuNew", "actionOpen", "-", "recentFiles", "-",
                                         "actionClose", "actionSettings", "actionExit"});
    documentFile_ =
        makeMenu("&File", {"menuNew", "actionOpen", "actionClose", "actionSave", "actionSaveAs",
                           "-", "recentFiles", "-", "actionSettings", "actionExit"});
    exportMenu_ =
        makeMenu("Data Export ", {"actionTextReport", "actionHtmlReport", "actionExcelExport",
                                  "actionPdfReport", "-", "actionSaveReportAs"});
    // The calculations of an assay's oil, while an assay is in front.
    calculateMenu_ = makeMenu("&Calculate", {"actionCalculateBasic", "actionCalculateAdditional",
                                             "actionCalculateCurves"});
    viewMenu_ = makeMenu("&View", {"actionViewToolbar", "actionViewStatusBar"});
    windowMenu_ = makeMenu("&Window", {"actionCascade", "actionTile", "actionCloseAll"});
    connect(windowMenu_, &QMenu::aboutToShow, this, &CMainFrame::fillWindowMenu);
    helpMenu_ = makeMenu("&Help", {"actionHelpContents", "actionHomePage", "-", "actionAbout"});
}

void CMainFrame::createToolBar() {
    toolBar_ = addToolBar(QStringLiteral("Standard"));
    toolBar_->setObjectName(QStringLiteral("toolbar"));
    toolBar_->setIconSize(QSize(24, 24));
    toolBar_->setFloatable(false);

    // The buttons and their pictures; the property curves window has one
    // of its own, after Save.
    const std::pair<const char*, const char*> buttons[] = {
        {"actionNew", "new"},
        {"actionOpen", "open"},
        {"actionSave", "save"},
        {"actionNewCurves", "curves"},
        {"-", nullptr},
        {"actionTextReport", "text"},
        {"actionHtmlReport", "html"},
        {"actionExcelExport", "excel"},
        {"-", nullptr},
        {"actionHomePage", "homepage"},
        {"actionHelpContents", "contents"},
    };
    // New drops down the New menu at once.
    action("actionNew")->setMenu(newMenu_);
    for (const auto& [name, picture] : buttons) {
        if (picture == nullptr) {
            toolBar_->addSeparator();
            continue;
        }
        action(name)->setIcon(
            QIcon(QStringLiteral(":/toolbar/%1.png").arg(QLatin1String(picture))));
        toolBar_->addAction(action(name));
    }
    action("actionNewCurves")->setIconText(QStringLiteral("Curves"));
    qobject_cast<QToolButton*>(toolBar_->widgetForAction(action("actionNew")))
        ->setPopupMode(QToolButton::InstantPopup);

    QAction* view = action("actionViewToolbar");
    connect(view, &QAction::toggled, toolBar_, &QWidget::setVisible);
    connect(toolBar_, &QToolBar::visibilityChanged, view, &QAction::setChecked);
}

void CMainFrame::switchMenus(MenuKind kind) {
    if (menusShown_ && kind == menuKind_) {
        return;
    }
    menuKind_ = kind;
    menusShown_ = true;
    const bool document = kind != MenuKind::NoDocument;
    action("actionOpen")
        ->setText(document ? QStringLiteral("&Open...") : QStringLiteral("Open..."));
    QMenuBar* bar = menuBar();
    bar->clear();
    if (document) {
        bar->addMenu(documentFile_);
        if (kind == MenuKind::Assay) {
            bar->addMenu(calculateMenu_);
        }
        if (kind == MenuKind::Basic || kind == MenuKind::Additional) {
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
        const auto* assay = qobject_cast<AssayFrame*>(frame);
        const QString title = calculation != nullptr ? calculation->document().title()
                              : curves != nullptr    ? curves->title()
                              : assay != nullptr     ? assay->title()
                                                     : frame->windowTitle();
        QAction* entry = windowMenu_->addAction(number + title);
        entry->setCheckable(true);
        entry->setChecked(frame == active);
        entry->setStatusTip(QStringLiteral("Activate this window"));
        connect(entry, &QAction::triggered, this, [this, frame] { activateChild(frame); });
        windowListActions_ << entry;
    }
}

} // namespace viskora
