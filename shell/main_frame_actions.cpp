#include "shell/main_frame.h"

#include "shell/assay_frame.h"
#include "shell/child_frame.h"
#include "shell/commands.h"
#include "shell/oil_document.h"
#include "shell/property_curves_frame.h"
#include "shell/recent_file_list.h"
#include "shell/viskora_app.h"

#include <QAction>
#include <QMdiArea>

namespace viskora {

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
    connect(action(command::NewAssay), &QAction::triggered, this, [this] { app_.newAssay(); });
    connect(action(command::NewBlend), &QAction::triggered, this, [this] { app_.newBlend(); });
    connect(action(command::CalculateBasic), &QAction::triggered, this,
            [this] { app_.calculateAssayOil(DocumentKind::Basic); });
    connect(action(command::CalculateAdditional), &QAction::triggered, this,
            [this] { app_.calculateAssayOil(DocumentKind::Additional); });
    connect(action(command::CalculateCurves), &QAction::triggered, this,
            [this] { app_.curvesOfAssayOil(); });
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
        if (AssayFrame* assay = activeAssay()) {
            assay->save();
        }
        runDocumentCommand([](OilDocument& document) { document.save(); });
    });
    connect(action(command::SaveAs), &QAction::triggered, this, [this] {
        if (CurvesFrame* curves = activeCurves()) {
            curves->saveAs();
        }
        if (AssayFrame* assay = activeAssay()) {
            assay->saveAs();
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
    connect(action(command::Settings), &QAction::triggered, this, [this] { app_.editSettings(); });
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

void CMainFrame::runDocumentCommand(void (*command)(OilDocument&)) {
    if (CChildFrame* child = activeChild()) {
        command(child->document());
    }
}

} // namespace viskora
