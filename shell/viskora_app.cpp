#include "shell/viskora_app.h"

#include "forms/complex_oil_view.h"
#include "forms/message_box_messages.h"
#include "forms/simple_oil_view.h"
#include "reports/output_folder.h"
#include "reports/report_texts.h"
#include "shell/about_dlg.h"
#include "shell/child_frame.h"
#include "shell/complex_oil_doc.h"
#include "shell/curves_frame.h"
#include "shell/desktop_opener.h"
#include "shell/file_dialogs.h"
#include "shell/help_window.h"
#include "shell/main_frame.h"
#include "shell/path_text.h"
#include "shell/simple_oil_doc.h"
#include "shell/single_instance.h"
#include "sweeps/curve_document.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QUrl>

#include <utility>

namespace viskora {
namespace {

std::size_t kindIndex(DocumentKind kind) {
    return kind == DocumentKind::Basic ? 0 : 1;
}

// Two names of one file are the same file; a file that is gone compares by
// its absolute path.
QString fileIdentity(const QString& path) {
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

// A curves document for the oil of a calculation form's record: its
// density, density temperature, units and fraction table; the design state
// of an additional calculation becomes the sweep's fixed state.
template <typename Record> CurveDocument curvesForOil(const Record& record) {
    CurveDocument document;
    document.densityText = record.densityText;
    document.densityUnitIndex = record.densityUnitIndex;
    document.densityTempText = record.densityTempText;
    document.tempUnitIndex = record.tempUnitIndex;
    document.useFractions = record.useFractions != 0;
    const int rows = std::clamp(record.fractionCount, 0, kFractionRowCapacity);
    document.fractions.assign(record.fractions.begin(), record.fractions.begin() + rows);
    if constexpr (std::is_same_v<Record, AdditionalDocumentRecord>) {
        document.designTempText = record.designTempText;
        document.designPressureText = record.designPressureText;
        document.pressureUnitIndex = record.pressureUnitIndex;
    }
    return document;
}

// Whether a file's bytes are a property curves document rather than a
// calculation: curves documents are JSON objects, calculations start with
// their "[General]" section.
bool isCurvesText(const std::string& bytes) {
    std::size_t start = bytes.rfind("\xEF\xBB\xBF", 0) == 0 ? 3 : 0;
    const std::size_t first = bytes.find_first_not_of(" \t\r\n", start);
    return first != std::string::npos && bytes[first] == '{';
}

// While a modal dialog is open, how often to look whether it has closed.
constexpr int kModalDialogPollMs = 100;
// A message box lists this many files at most.
constexpr qsizetype kFilesListed = 10;

// Files that could not be opened, as one message: each reason once, in the
// order of first appearance, followed by its files.
QString openFailuresText(const QList<std::pair<QString, QString>>& failures) {
    if (failures.size() == 1) {
        return failures.front().second;
    }
    QStringList reasons;
    for (const auto& [path, reason] : failures) {
        if (!reasons.contains(reason)) {
            reasons << reason;
        }
    }
    QString text = QStringLiteral("%1 files were not opened.").arg(failures.size());
    qsizetype listed = 0;
    for (const QString& reason : reasons) {
        QString files;
        for (const auto& [path, failure] : failures) {
            if (failure == reason && listed < kFilesListed) {
                files += QStringLiteral("\n    ") + QDir::toNativeSeparators(path);
                ++listed;
            }
        }
        if (!files.isEmpty()) {
            text += QStringLiteral("\n\n") + reason + files;
        }
    }
    if (listed < failures.size()) {
        text += QStringLiteral("\n\n... and %1 more.").arg(failures.size() - listed);
    }
    return text;
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
    mainFrame_->restorePlacement(settings_.placement());
    mainFrame_->show();
    helpContents_ = locateHelpContents(executableFolder_);

    const QString file = fileArgument(arguments);
    if (!file.isEmpty()) {
        openDocumentFile(QFileInfo(file).absoluteFilePath());
    }
}

bool CViskoraApp::acceptHandOvers(const QString& serverName) {
    if (singleInstance_ == nullptr) {
        singleInstance_ = new SingleInstance(this);
        handOverTimer_.setSingleShot(true);
        connect(&handOverTimer_, &QTimer::timeout, this, &CViskoraApp::openHandedOverFiles);
        connect(singleInstance_, &SingleInstance::pathHandedOver, this,
                [this](const QString& path) {
                    handedOver_ << path;
                    if (!handOverTimer_.isActive()) {
                        handOverTimer_.start(0);
                    }
                });
        connect(singleInstance_, &SingleInstance::activationRequested, this,
                &CViskoraApp::activateMainFrame);
    }
    return singleInstance_->listen(serverName);
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

void CViskoraApp::openHandedOverFiles() {
    // Never from inside a modal dialog's event loop: a box shown there would
    // hold the next hand-overs, whose boxes would nest in it, and so on
    // until the stack runs out.
    if (openingHandedOver_ || QApplication::activeModalWidget() != nullptr) {
        handOverTimer_.start(kModalDialogPollMs);
        return;
    }
    openingHandedOver_ = true;
    activateMainFrame();
    QList<std::pair<QString, QString>> failures;
    for (const QString& path : std::exchange(handedOver_, {})) {
        if (activateOpenWindow(path) != nullptr) {
            continue;
        }
        const QString absolute = QFileInfo(path).absoluteFilePath();
        QString failure;
        if (loadFile(absolute, failure) == nullptr) {
            failures.append({absolute, failure});
        }
    }
    if (!failures.isEmpty()) {
        showMessage(openFailuresText(failures));
    }
    openingHandedOver_ = false;
    if (!handedOver_.isEmpty()) {
        handOverTimer_.start(0);
    }
}

OilDocument* CViskoraApp::openDocumentFile(const QString& path) {
    QString failure;
    QMdiSubWindow* opened = loadFile(path, failure);
    if (opened == nullptr) {
        showMessage(failure);
    }
    const auto* calculation = qobject_cast<CChildFrame*>(opened);
    return calculation != nullptr ? &calculation->document() : nullptr;
}

QMdiSubWindow* CViskoraApp::loadFile(const QString& path, QString& failure) {
    const std::optional<std::string> bytes = readDocumentBytes(toFsPath(path));
    if (!bytes || !isCurvesText(*bytes)) {
        OilDocument* opened = loadDocumentFile(path, failure);
        return opened != nullptr ? qobject_cast<QMdiSubWindow*>(opened->parent()) : nullptr;
    }
    const CurveReadResult read = readCurveDocument(*bytes);
    if (!read.document) {
        failure = QStringLiteral("Cannot open %1\n%2")
                      .arg(QDir::toNativeSeparators(path), messageText(read.message));
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
    return nullptr;
}

void CViskoraApp::openRecentFile(int index) {
    if (index < 0 || index >= recent_.size()) {
        return;
    }
    const QString path = recent_.paths()[index];
    QString failure;
    QMdiSubWindow* opened = activateOpenWindow(path);
    if (opened == nullptr) {
        opened = loadFile(QFileInfo(path).absoluteFilePath(), failure);
    }
    if (opened == nullptr) {
        showMessage(failure);
        // Gone or no longer a calculation: the entry leads nowhere.
        recent_.remove(recent_.paths().indexOf(path));
        settings_.setRecentFiles(recent_.paths());
        mainFrame_->showRecentFiles(recent_.paths());
    }
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
    return true;
}

void CViskoraApp::closeAllDocuments() {
    for (CChildFrame* frame : mainFrame_->children()) {
        frame->closeWithoutPrompt();
    }
    for (CurvesFrame* frame : mainFrame_->curvesWindows()) {
        frame->closeWithoutPrompt();
    }
}

void CViskoraApp::mainFrameClosing(const WindowPlacement& placement) {
    settings_.setPlacement(placement);
    if (help_ != nullptr) {
        help_->close();
    }
}

FileDialogs& CViskoraApp::fileDialogs() {
    if (options_.fileDialogs != nullptr) {
        return *options_.fileDialogs;
    }
    if (!desktopDialogs_) {
        desktopDialogs_ = std::make_unique<DesktopFileDialogs>();
    }
    return *desktopDialogs_;
}

QWidget* CViskoraApp::dialogParent() {
    return mainFrame_.get();
}

QString CViskoraApp::newFileFolder() const {
    const QString folder = settings_.readPath();
    return folder.isEmpty() ? QDir::homePath() : folder;
}

QString CViskoraApp::reportFolder() const {
    const QString folder = settings_.reportPath();
    return folder.isEmpty() ? newFileFolder() : folder;
}

void CViskoraApp::setReportFolder(const QString& folder) {
    settings_.setReportPath(folder);
}

ShellOpener& CViskoraApp::shellOpener() {
    if (options_.opener != nullptr) {
        return *options_.opener;
    }
    if (!desktopOpener_) {
        desktopOpener_ = std::make_unique<DesktopShellOpener>();
    }
    return *desktopOpener_;
}

void CViskoraApp::documentSaved(const OilDocument& document) {
    addRecentFile(document.pathName());
}

void CViskoraApp::fileSaved(const QString& path) {
    addRecentFile(path);
}

void CViskoraApp::addRecentFile(const QString& path) {
    recent_.add(path);
    settings_.setRecentFiles(recent_.paths());
    mainFrame_->showRecentFiles(recent_.paths());
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
