#include "shell/main_frame.h"

#include "shell/child_frame.h"
#include "shell/file_document_frame.h"
#include "shell/oil_document.h"
#include "shell/recent_file_list.h"
#include "shell/viskora_app.h"

#include <QAction>
#include <QMdiArea>

namespace viskora {
namespace {

// One command of the main window: its action's object name, its menu text,
// the prompt the status bar shows while it is highlighted, the tooltip of
// its toolbar button (empty: the menu text) and its shortcut.
struct Command {
    const char* name;
    const char* text;
    const char* prompt;
    const char* tooltip;
    QKeyCombination shortcut;
};

constexpr QKeyCombination kNoKey{};

constexpr Command kCommands[] = {
    {"actionNewBasic", "Basic Calculation", "Open SimpleOil document", "", kNoKey},
    {"actionNewAdditional", "Additional Calculation", "Open ComplexOil document", "", kNoKey},
    {"actionNewCurves", "Property Curves",
     "Tabulate and plot the oil's properties over a range of temperatures or pressures",
     "New property curves", kNoKey},
    {"actionNewAssay", "Assay", "Type or paste a crude oil's assay and characterise its cuts", "",
     kNoKey},
    {"actionNewBlend", "Blend", "Blend oils by their shares", "", kNoKey},
    {"actionCalculateBasic", "&Basic Calculation", "Open a basic calculation of the assay's oil",
     "", kNoKey},
    {"actionCalculateAdditional", "&Additional Calculation",
     "Open an additional calculation of the assay's oil", "", kNoKey},
    {"actionCalculateCurves", "&Property Curves", "Open property curves of the assay's oil", "",
     kNoKey},
    {"actionNew", "&New", "Create a new calculation", "New", Qt::CTRL | Qt::Key_N},
    {"actionOpen", "&Open...", "Open an existing calculation", "Open", Qt::CTRL | Qt::Key_O},
    {"actionClose", "&Close", "Close the active calculation", "Close", kNoKey},
    {"actionSave", "&Save", "Save the active calculation", "Save", Qt::CTRL | Qt::Key_S},
    {"actionSaveAs", "Save &As...", "Save the active calculation with a new name", "Save As",
     kNoKey},
    {"actionTextReport", "Text", "Export data to text format", "Export data to text format",
     kNoKey},
    {"actionHtmlReport", "HTML", "Export data to HTML format", "Export data to HTML format",
     kNoKey},
    {"actionExcelExport", "MS Excel", "Export data to MS EXCEL format",
     "Export data to MS Excel format", kNoKey},
    {"actionPdfReport", "PDF Report", "Export data to PDF format", "Export data to PDF format",
     kNoKey},
    {"actionSaveReportAs", "Save Report As...",
     "Save a report of the active calculation as a file of your choice", "Save Report As", kNoKey},
    {"actionSettings", "Settings...", "Change the defaults of new calculations", "Settings",
     kNoKey},
    {"actionViewToolbar", "&Toolbar", "Show or hide the toolbar", "Toggle ToolBar", kNoKey},
    {"actionViewStatusBar", "&Status Bar", "Show or hide the status bar", "Toggle StatusBar",
     kNoKey},
    {"actionCascade", "&Cascade", "Arrange windows so they overlap", "Cascade Windows", kNoKey},
    {"actionTile", "&Tile", "Arrange windows as non-overlapping tiles", "Tile Windows", kNoKey},
    {"actionCloseAll", "Close All", "Close all windows", "", kNoKey},
    {"actionHelpContents", "Contents", "Display Help topic", "Help", QKeyCombination(Qt::Key_F1)},
    {"actionHomePage", "Qavel Engineering Homepage", "Visit Qavel Engineering Internet Homepage",
     "Homepage", kNoKey},
    {"actionAbout", "&About Viskora...",
     "Display program information, version number and copyright", "About", kNoKey},
    {"actionExit", "E&xit", "Quit the application; prompts to save calculation", "Exit", kNoKey},
};

const QString kRecentFilePrompt = QStringLiteral("Open this document");

} // namespace

QAction* CMainFrame::action(const char* name) const {
    return findChild<QAction*>(QLatin1String(name), Qt::FindDirectChildrenOnly);
}

void CMainFrame::createActions() {
    for (const Command& command : kCommands) {
        auto* created = new QAction(QString::fromUtf8(command.text), this);
        created->setObjectName(QLatin1String(command.name));
        created->setStatusTip(QString::fromUtf8(command.prompt));
        if (*command.tooltip != '\0') {
            created->setToolTip(QString::fromUtf8(command.tooltip));
        }
        created->setShortcut(QKeySequence(command.shortcut));
        // Shortcuts work whichever menu is shown, Ctrl+N included.
        addAction(created);
    }
    for (const char* view : {"actionViewToolbar", "actionViewStatusBar"}) {
        action(view)->setCheckable(true);
        action(view)->setChecked(true);
    }

    // What the commands do; New only drops down the New menu from the
    // toolbar, and Ctrl+N does nothing.
    const auto on = [this](const char* name, const auto& run) {
        connect(action(name), &QAction::triggered, this, run);
    };
    // A command of the calculation in front; nothing without one.
    const auto onDocument = [this, &on](const char* name, void (*run)(OilDocument&)) {
        on(name, [this, run] {
            if (CChildFrame* child = activeChild()) {
                run(child->document());
            }
        });
    };
    // Save and Save As of the property curves and assay windows.
    const auto file = [this] {
        return qobject_cast<FileDocumentFrame*>(mdiArea_->currentSubWindow());
    };
    on("actionNewBasic", [this] { app_.newDocument(DocumentKind::Basic); });
    on("actionNewAdditional", [this] { app_.newDocument(DocumentKind::Additional); });
    on("actionNewCurves", [this] { app_.newCurves(); });
    on("actionNewAssay", [this] { app_.newAssay(); });
    on("actionNewBlend", [this] { app_.newBlend(); });
    on("actionCalculateBasic", [this] { app_.calculateAssayOil(DocumentKind::Basic); });
    on("actionCalculateAdditional", [this] { app_.calculateAssayOil(DocumentKind::Additional); });
    on("actionCalculateCurves", [this] { app_.curvesOfAssayOil(); });
    on("actionOpen", [this] { app_.fileOpen(); });
    on("actionClose", [this] {
        if (QMdiSubWindow* child = mdiArea_->currentSubWindow()) {
            child->close();
        }
    });
    on("actionSave", [file] {
        if (FileDocumentFrame* frame = file()) {
            frame->save();
        }
    });
    onDocument("actionSave", [](OilDocument& document) { document.save(); });
    on("actionSaveAs", [file] {
        if (FileDocumentFrame* frame = file()) {
            frame->saveAs();
        }
    });
    onDocument("actionSaveAs", [](OilDocument& document) { document.saveAs(); });
    onDocument("actionTextReport",
               [](OilDocument& document) { document.exportReport(ReportKind::Text); });
    onDocument("actionHtmlReport",
               [](OilDocument& document) { document.exportReport(ReportKind::Html); });
    onDocument("actionExcelExport",
               [](OilDocument& document) { document.exportReport(ReportKind::Workbook); });
    onDocument("actionPdfReport",
               [](OilDocument& document) { document.exportReport(ReportKind::Pdf); });
    onDocument("actionSaveReportAs", [](OilDocument& document) { document.saveReportAs(); });
    on("actionSettings", [this] { app_.editSettings(); });
    on("actionCascade", [this] { mdiArea_->cascadeSubWindows(); });
    on("actionTile", [this] { mdiArea_->tileSubWindows(); });
    on("actionCloseAll", [this] { closeAllChildren(); });
    on("actionHelpContents", [this] { app_.helpContents(); });
    on("actionHomePage", [this] { app_.homePage(); });
    on("actionAbout", [this] { app_.about(); });
    on("actionExit", [this] { close(); });

    // The recent-file entries: one placeholder while the list is empty.
    recentPlaceholder_ = new QAction(QStringLiteral("Recent File"), this);
    recentPlaceholder_->setStatusTip(kRecentFilePrompt);
    recentPlaceholder_->setEnabled(false);
    for (int index = 0; index < RecentFileList::kCapacity; ++index) {
        auto* entry = new QAction(this);
        entry->setObjectName(QStringLiteral("actionRecentFile%1").arg(index + 1));
        entry->setStatusTip(kRecentFilePrompt);
        entry->setVisible(false);
        connect(entry, &QAction::triggered, this, [this, index] { app_.openRecentFile(index); });
        recentActions_ << entry;
    }
}

} // namespace viskora
