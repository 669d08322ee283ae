#include "shell/viskora_app.h"

#include "forms/complex_oil_view.h"
#include "forms/message_box_messages.h"
#include "forms/simple_oil_view.h"
#include "reports/output_folder.h"
#include "reports/report_texts.h"
#include "shell/about_dlg.h"
#include "shell/assay_frame.h"
#include "shell/blend_frame.h"
#include "shell/calculation_property_curves.h"
#include "shell/child_frame.h"
#include "shell/complex_oil_doc.h"
#include "shell/desktop_opener.h"
#include "shell/file_dialogs.h"
#include "shell/help_window.h"
#include "shell/main_frame.h"
#include "shell/property_curves_frame.h"
#include "shell/settings_dialog.h"
#include "shell/simple_oil_doc.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include <memory>
#include <utility>

namespace viskora {
namespace {

std::size_t kindIndex(DocumentKind kind) {
    return kind == DocumentKind::Basic ? 0 : 1;
}

// A service the options put in, or else the desktop's own, made when it is
// first needed.
template <typename Service, typename Desktop>
Service& givenOrDesktop(Service* given, std::unique_ptr<Desktop>& desktop) {
    if (given != nullptr) {
        return *given;
    }
    if (!desktop) {
        desktop = std::make_unique<Desktop>();
    }
    return *desktop;
}

} // namespace

QString CViskoraApp::documentName(DocumentKind kind) {
    return kind == DocumentKind::Basic ? QStringLiteral("ViskoraBasicCalc")
                                       : QStringLiteral("ViskoraAddCalc");
}

QString CViskoraApp::fileArgument(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (!arguments[i].startsWith(QLatin1Char('-'))) {
            return arguments[i];
        }
    }
    return {};
}

CViskoraApp::CViskoraApp(AppOptions options) : options_(std::move(options)) {
    outputFolder_ = options_.outputFolder.empty() ? defaultOutputFolder() : options_.outputFolder;
    executableFolder_ = options_.executableFolder.isEmpty() ? QCoreApplication::applicationDirPath()
                                                            : options_.executableFolder;
}

CViskoraApp::~CViskoraApp() = default;

void CViskoraApp::initInstance(const QStringList& arguments) {
    recent_ = RecentFileList(settings_.recentFiles());
    mainFrame_ = std::make_unique<CMainFrame>(*this);
    mainFrame_->showRecentFiles(recent_.paths());
    mainFrame_->restorePlacement(settings_);
    mainFrame_->show();
    helpContents_ = locateHelpContents(executableFolder_);

    const QString file = fileArgument(arguments);
    if (!file.isEmpty()) {
        openDocumentFile(QFileInfo(file).absoluteFilePath());
    }
}

void CViskoraApp::exitInstance() {
    cleanOutputFolder(outputFolder_);
}

QList<OilDocument*> CViskoraApp::documents() const {
    QList<OilDocument*> list;
    if (mainFrame_) {
        for (CChildFrame* frame : mainFrame_->children()) {
            list << &frame->document();
        }
    }
    return list;
}

HelpWindow* CViskoraApp::helpWindow() const {
    return help_;
}

std::unique_ptr<OilDocument> CViskoraApp::makeDocument(DocumentKind kind) {
    if (kind == DocumentKind::Basic) {
        return std::make_unique<CSimpleOilDoc>(*this);
    }
    return std::make_unique<CComplexOilDoc>(*this);
}

OilDocument* CViskoraApp::newDocument(DocumentKind kind) {
    // A new additional calculation starts from the basic one in front.
    CSimpleOilView* takeOverSource = nullptr;
    if (const CChildFrame* active = mainFrame_->activeChild();
        active != nullptr && active->document().kind() == DocumentKind::Basic) {
        takeOverSource = &static_cast<CSimpleOilDoc&>(active->document()).view();
    }

    std::unique_ptr<OilDocument> document = makeDocument(kind);
    const auto takeDefaults = [this](auto& record) {
        record.viscosityMethod = settings_.defaultViscosityMethod();
        record.vapourPressureMethod = settings_.defaultVapourPressureMethod();
    };
    if (kind == DocumentKind::Basic) {
        takeDefaults(static_cast<CSimpleOilDoc&>(*document).view().record());
    } else {
        takeDefaults(static_cast<CComplexOilDoc&>(*document).view().record());
    }
    int& count = untitledCount_[kindIndex(kind)];
    document->setTitle(documentName(kind) + QString::number(++count));
    if (kind == DocumentKind::Additional) {
        static_cast<CComplexOilDoc&>(*document).view().setTakeOverSource(takeOverSource);
    }
    OilDocument* created = document.get();
    created->view().initialUpdate();
    mainFrame_->addChild(std::move(document));
    return created;
}

QList<CurvesFrame*> CViskoraApp::curvesWindows() const {
    return mainFrame_ ? mainFrame_->curvesWindows() : QList<CurvesFrame*>();
}

CurvesFrame* CViskoraApp::newCurves() {
    CurveDocument document;
    document.viscosityMethod = settings_.defaultViscosityMethod();
    if (CChildFrame* active = mainFrame_->activeChild()) {
        OilDocument& calculation = active->document();
        calculation.view().exchangeToRecord();
        if (calculation.kind() == DocumentKind::Basic) {
            document = curvesForOil(static_cast<CSimpleOilDoc&>(calculation).view().record());
        } else {
            document = curvesForOil(static_cast<CComplexOilDoc&>(calculation).view().record());
        }
    }
    CurvesFrame* window = showCurves(document);
    window->setTitle(QStringLiteral("ViskoraCurves%1").arg(++untitledCurves_));
    return window;
}

CurvesFrame* CViskoraApp::showCurves(const CurveDocument& document) {
    auto* window = new CurvesFrame(*this, document);
    mainFrame_->addCurves(window);
    return window;
}

void CViskoraApp::helpContents() {
    if (helpContents_.isEmpty()) {
        showMessage(QStringLiteral("The help pages were not found beside the program in\n%1")
                        .arg(QDir::toNativeSeparators(executableFolder_)));
        return;
    }
    if (help_ == nullptr) {
        help_ = new HelpWindow(shellOpener(), mainFrame_.get());
    }
    help_->showPage(helpContents_);
}

void CViskoraApp::homePage() {
    shellOpener().openUrl(QUrl(QString::fromUtf8(report_texts::kHomePageAddress)));
}

void CViskoraApp::about() {
    CAboutDlg dialog(shellOpener(), mainFrame_.get());
    dialog.exec();
}

void CViskoraApp::editSettings() {
    SettingsDialog dialog(settings_, mainFrame_.get());
    dialog.exec();
}

bool CViskoraApp::saveAllModified() {
    const QList<OilDocument*> open = documents();
    for (DocumentKind kind : kDocumentKinds) {
        for (OilDocument* document : open) {
            if (document->kind() == kind && !document->saveModified()) {
                return false;
            }
        }
    }
    for (CurvesFrame* window : curvesWindows()) {
        if (!window->saveModified()) {
            return false;
        }
    }
    for (AssayFrame* window : mainFrame_->assayWindows()) {
        if (!window->saveModified()) {
            return false;
        }
    }
    return true;
}

void CViskoraApp::closeAllDocuments() {
    for (CChildFrame* frame : mainFrame_->children()) {
        frame->closeWithoutPrompt();
    }
    for (CurvesFrame* frame : mainFrame_->curvesWindows()) {
        frame->closeWithoutPrompt();
    }
    for (AssayFrame* frame : mainFrame_->assayWindows()) {
        frame->closeWithoutPrompt();
    }
    for (BlendFrame* frame : mainFrame_->blendWindows()) {
        frame->close();
    }
}

FileDialogs& CViskoraApp::fileDialogs() {
    return givenOrDesktop(options_.fileDialogs, desktopDialogs_);
}

QWidget* CViskoraApp::dialogParent() {
    return mainFrame_.get();
}

QString CViskoraApp::newFileFolder() const {
    // The folder last saved into, else the one last opened from.
    for (const QString& folder : {settings_.savePath(), settings_.readPath()}) {
        if (!folder.isEmpty()) {
            return folder;
        }
    }
    return QDir::homePath();
}

QString CViskoraApp::reportFolder() const {
    const QString folder = settings_.reportPath();
    return folder.isEmpty() ? newFileFolder() : folder;
}

void CViskoraApp::setReportFolder(const QString& folder) {
    settings_.setReportPath(folder);
}

ShellOpener& CViskoraApp::shellOpener() {
    return givenOrDesktop(options_.opener, desktopOpener_);
}

void CViskoraApp::documentSaved(const OilDocument& document) {
    fileSaved(document.pathName());
}

void CViskoraApp::fileSaved(const QString& path) {
    addRecentFile(path);
    settings_.setSavePath(QFileInfo(path).absolutePath());
}

void CViskoraApp::activateMainFrame() {
    if (mainFrame_->isMinimized()) {
        mainFrame_->showNormal();
    }
    mainFrame_->raise();
    mainFrame_->activateWindow();
}

void CViskoraApp::showMessage(const QString& text) {
    MessageBoxMessages::show(mainFrame_.get(), QMessageBox::Warning, text, QMessageBox::Ok);
}

} // namespace viskora
