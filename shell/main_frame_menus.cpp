#include "shell/main_frame.h"

#include "shell/assay_frame.h"
#include "shell/child_frame.h"
#include "shell/commands.h"
#include "shell/oil_document.h"
#include "shell/property_curves_frame.h"
#include "shell/recent_file_list.h"

#include <QAction>
#include <QMdiArea>
#include <QMenuBar>
#include <QProxyStyle>
#include <QToolBar>
#include <QToolButton>

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

// The toolbar pictures, in the order of the buttons.
QIcon toolbarIcon(const char* name) {
    return QIcon(QStringLiteral(":/toolbar/%1.png").arg(QLatin1String(name)));
}

} // namespace

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
    newMenu_->addSeparator();
    newMenu_->addAction(action(command::NewAssay));
    newMenu_->addAction(action(command::NewBlend));

    noDocumentFile_ = makeMenu(QStringLiteral("&File"));
    noDocumentFile_->addMenu(newMenu_);
    noDocumentFile_->addAction(action(command::Open));
    noDocumentFile_->addSeparator();
    addRecentSection(noDocumentFile_);
    noDocumentFile_->addSeparator();
    noDocumentFile_->addAction(action(command::Close));
    noDocumentFile_->addAction(action(command::Settings));
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
    documentFile_->addAction(action(command::Settings));
    documentFile_->addAction(action(command::Exit));

    exportMenu_ = makeMenu(QStringLiteral("Data Export "));
    exportMenu_->addAction(action(command::TextReport));
    exportMenu_->addAction(action(command::HtmlReport));
    exportMenu_->addAction(action(command::ExcelExport));
    exportMenu_->addAction(action(command::PdfReport));
    exportMenu_->addSeparator();
    exportMenu_->addAction(action(command::SaveReportAs));

    // The calculations of an assay's oil, while an assay is in front.
    calculateMenu_ = makeMenu(QStringLiteral("&Calculate"));
    calculateMenu_->addAction(action(command::CalculateBasic));
    calculateMenu_->addAction(action(command::CalculateAdditional));
    calculateMenu_->addAction(action(command::CalculateCurves));

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
            action(command::NewCurves)->setIcon(toolbarIcon("curves"));
            action(command::NewCurves)->setIconText(QStringLiteral("Curves"));
            toolBar_->addAction(action(command::NewCurves));
        }
    }

    connect(action(command::ViewToolbar), &QAction::toggled, toolBar_, &QWidget::setVisible);
    connect(toolBar_, &QToolBar::visibilityChanged, action(command::ViewToolbar),
            &QAction::setChecked);
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
