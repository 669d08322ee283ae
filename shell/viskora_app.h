#pragma once

#include "assays/assay.h"
#include "assaysui/blend_parts_model.h"
#include "documents/document_format.h"
#include "shell/app_settings.h"
#include "shell/document_host.h"
#include "shell/recent_file_list.h"

#include <QMdiSubWindow>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <array>
#include <filesystem>
#include <memory>

namespace viskora {

class AssayFrame;
class BlendFrame;
class CMainFrame;
class CurvesFrame;
struct CurveDocument;
class DesktopFileDialogs;
class DesktopShellOpener;
class HelpWindow;
class OilDocument;
class SingleInstance;

// What the program takes from its surroundings; tests put their own in.
struct AppOptions {
    FileDialogs* fileDialogs = nullptr; // null: the desktop's dialogs
    ShellOpener* opener = nullptr;      // null: the desktop's default programs
    // The report folder; empty: beside the executable or in the user's data
    // folder.
    std::filesystem::path outputFolder;
    // Where the help pages and the Open dialog's first folder are looked
    // for; empty: the executable's folder.
    QString executableFolder;
};

// The application: the two document kinds (additional first, then basic),
// the settings, the main window, the commands not tied to a document, and
// the clean-up at exit. The QApplication itself belongs to main().
class CViskoraApp : public QObject, public DocumentHost {
    Q_OBJECT

  public:
    // The document kinds in the order they are registered, and their
    // document names (the stem of a new document's title).
    static constexpr std::array kDocumentKinds{DocumentKind::Additional, DocumentKind::Basic};
    static QString documentName(DocumentKind kind);
    // The file named on a command line (QCoreApplication::arguments()): the
    // first argument after the program's name that is not an option.
    static QString fileArgument(const QStringList& arguments);

    explicit CViskoraApp(AppOptions options = {});
    ~CViskoraApp() override;

    // Start-up: reads the settings, creates and shows the main window and
    // opens the file named by the first argument after the program's own
    // name (arguments as QCoreApplication::arguments() gives them).
    void initInstance(const QStringList& arguments);
    // Accepts files handed over by later starts, opening them as recent
    // files are opened. Those handed over while a modal dialog is open wait
    // until it has closed; the files among them that are not calculations
    // are reported together in one box. False when the program could not
    // listen.
    bool acceptHandOvers(const QString& serverName);
    // As a later start whose hand-over the running program did not take in
    // time (`path` empty: a start without a file): says so in a box and on
    // standard error.
    static void reportUntakenHandOver(const QString& path);
    // At exit, after the main window has closed: deletes the report files.
    void exitInstance();

    CMainFrame& mainFrame() const { return *mainFrame_; }
    AppSettings& settings() { return settings_; }
    const RecentFileList& recentFiles() const { return recent_; }
    // The open documents, in the order of their windows' creation.
    QList<OilDocument*> documents() const;
    HelpWindow* helpWindow() const;
    QString helpContentsPath() const { return helpContents_; }

    // File > New > Basic Calculation / Additional Calculation: the
    // settings' viscosity and vapour pressure methods, or an additional one
    // made while a basic one is in front takes that one's inputs, methods
    // and light ends.
    OilDocument* newDocument(DocumentKind kind);
    // File > New > Property Curves: a curves window for the oil and the
    // viscosity method of the calculation in front, or for the default oil
    // and the settings' method when there is none.
    CurvesFrame* newCurves();
    // The open property curves windows, in the order of their creation.
    QList<CurvesFrame*> curvesWindows() const;

    // File > New > Assay and Blend (viskora_app_assays.cpp).
    AssayFrame* newAssay();
    BlendFrame* newBlend();
    // Calculate > Basic Calculation, Additional Calculation and Property
    // Curves while an assay is in front: a new document of that kind for
    // the assay's oil (its density and fraction table). An assay that
    // cannot be characterised is refused in a box that says why.
    OilDocument* calculateAssayOil(DocumentKind kind);
    CurvesFrame* curvesOfAssayOil();
    // The oils a blend may take: the open assays and the open calculations
    // that use a fraction table, in window order.
    std::vector<NamedOil> openOils();

    // File > Open: the dialog, then the chosen file by its kind.
    void fileOpen();
    // Opens a file by its kind (the Open dialog, the command line, dropped
    // files): a new window even when the file is open already. Null when
    // the file is not a calculation (the user has been told).
    OilDocument* openDocumentFile(const QString& path);
    // A recent file or one handed over by a later start: the window of the
    // file when it is open already, else the file opened by its kind.
    OilDocument* openOrActivate(const QString& path);
    void openRecentFile(int index);

    void helpContents();
    void homePage();
    void about();
    // Settings...: the defaults of new calculations.
    void editSettings();

    // Exit: asks about every modified document (additional ones first);
    // false when the user cancelled.
    bool saveAllModified();
    void closeAllDocuments();

    // DocumentHost
    FileDialogs& fileDialogs() override;
    QWidget* dialogParent() override;
    QString newFileFolder() const override;
    QString reportFolder() const override;
    void setReportFolder(const QString& folder) override;
    std::filesystem::path outputFolder() const override { return outputFolder_; }
    ShellOpener& shellOpener() override;
    void documentSaved(const OilDocument& document) override;
    void fileSaved(const QString& path) override;

  private:
    // Opening files and the recent-file list (viskora_app_files.cpp).
    // Opens a calculation or a property curves file by its content; null,
    // with the reason in `failure`, when it is neither.
    QMdiSubWindow* loadFile(const QString& path, QString& failure);
    // Opens a file by its kind; null, with the reason in `failure`, when the
    // file is not a calculation.
    OilDocument* loadDocumentFile(const QString& path, QString& failure);
    // Activates the window of the file when it is open; null when it is not.
    QMdiSubWindow* activateOpenWindow(const QString& path);
    void addRecentFile(const QString& path);

    // Files handed over by later starts (viskora_app_hand_over.cpp).
    void openHandedOverFiles();

    CurvesFrame* showCurves(const CurveDocument& document);
    AssayFrame* showAssay(const assays::Assay& assay);
    std::unique_ptr<OilDocument> makeDocument(DocumentKind kind);
    void activateMainFrame();
    void showMessage(const QString& text);

    AppOptions options_;
    std::unique_ptr<DesktopFileDialogs> desktopDialogs_;
    std::unique_ptr<DesktopShellOpener> desktopOpener_;
    std::filesystem::path outputFolder_;
    QString executableFolder_;
    QString helpContents_;
    AppSettings settings_;
    RecentFileList recent_;
    std::array<int, 2> untitledCount_{};
    int untitledCurves_ = 0;
    int untitledAssays_ = 0;
    int untitledBlends_ = 0;
    std::unique_ptr<CMainFrame> mainFrame_;
    QPointer<HelpWindow> help_;
    SingleInstance* singleInstance_ = nullptr;
    QStringList handedOver_;
    QTimer handOverTimer_;
    bool openingHandedOver_ = false;
};

} // namespace viskora
