#pragma once

#include "shell/child_frame.h"

#include <QMainWindow>

#include <initializer_list>
#include <memory>

class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;

namespace viskora {

class AppSettings;
class AssayFrame;
class BlendFrame;
class CViskoraApp;
class CurvesFrame;
class OilDocument;

// The program's multi-document main window: the menu bar (one of three
// menus, after the kind of the active calculation), the toolbar, the status
// bar with its prompt and lock indicators, and the area that holds one
// child window per open calculation. It owns the commands' actions, each
// named ("actionSave", "actionRecentFile1", ...) so that documents and tests
// find it with findChild; it routes the document commands to the active
// calculation, the application commands to the application, and opens the
// files dropped on it.
class CMainFrame : public QMainWindow {
    Q_OBJECT

  public:
    enum class MenuKind { NoDocument, Basic, Additional, Curves, Assay, Blend };

    explicit CMainFrame(CViskoraApp& app);
    ~CMainFrame() override;

    MenuKind menuKind() const { return menuKind_; }
    QMdiArea& mdiArea() const { return *mdiArea_; }
    QToolBar& toolBar() const { return *toolBar_; }
    QLabel& indicator(int index) const { return *indicators_[index]; }

    // The child window of the active calculation, and all of them in the
    // order they were opened.
    CChildFrame* activeChild() const;
    QList<CChildFrame*> children() const;

    // The property curves window in front, and all of them in the order
    // they were opened.
    CurvesFrame* activeCurves() const;
    QList<CurvesFrame*> curvesWindows() const;

    // The assay and blend windows in front, and all of them in the order
    // they were opened.
    AssayFrame* activeAssay() const;
    QList<AssayFrame*> assayWindows() const;
    BlendFrame* activeBlend() const;
    QList<BlendFrame*> blendWindows() const;

    // Shows a new child window for the document and activates it.
    CChildFrame* addChild(std::unique_ptr<OilDocument> document);
    // Shows a property curves window (the area takes it over) and activates it.
    void addCurves(CurvesFrame* window);
    // Shows an assay or blend window (the area takes it over) and activates it.
    void addAssay(AssayFrame* window);
    void addBlend(BlendFrame* window);
    void activateChild(QMdiSubWindow* child);

    // The geometry and the toolbar's state kept at the last exit, or on a
    // first start the size that shows a whole form, within the primary
    // screen's available area. A window closed maximised opens normal.
    void restorePlacement(const AppSettings& settings);
    void savePlacement(AppSettings& settings) const;
    // The window's size when a child window opened as addChild opens it
    // shows a whole form of either kind.
    QSize sizeShowingWholeForm() const;
    // The recent-file entries of the File menus.
    void showRecentFiles(const QStringList& paths);
    // Reads the keyboard's lock lights into the indicators.
    void updateIndicators();

    // Opens each dropped file in turn, as the Open command does.
    void openDroppedFiles(const QList<QUrl>& urls);

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The commands' actions and what they do (main_frame_actions.cpp).
    void createActions();
    QAction* action(const char* name) const;

    // The menus, the toolbar and the menu bar of the active window's kind
    // (main_frame_menus.cpp).
    void createMenus();
    void createToolBar();
    QMenu* makeMenu(const char* title, std::initializer_list<const char*> entries);
    void fillWindowMenu();
    void switchMenus(MenuKind kind);

    // The prompt and the lock indicators (main_frame_status_bar.cpp).
    void createStatusBar();
    // Brings "Ready" back when a menu closes or a command runs.
    void clearPromptOnLeavingItsItem();

    // Where a new child window goes: a title bar's height down and right of
    // the last one opened, or the top left corner when it would not fit
    // (main_frame_placement.cpp, with the main window's own placement).
    QPoint cascadePosition(const QMdiSubWindow& child) const;

    void activeChildChanged();
    void updateCaption();
    void closeAllChildren();
    // Adds the child window to the area, sized to `size` (invalid: its size
    // hint) within the area, shows it in the cascade and activates it.
    void showChild(QMdiSubWindow* child, QSize size = {});

    CViskoraApp& app_;
    QMdiArea* mdiArea_;
    QToolBar* toolBar_ = nullptr;
    QLabel* indicators_[3] = {};
    QAction* recentPlaceholder_ = nullptr;
    QList<QAction*> recentActions_;
    QList<QAction*> windowListActions_;

    QMenu* noDocumentFile_ = nullptr;
    QMenu* documentFile_ = nullptr;
    QMenu* newMenu_ = nullptr;
    QMenu* exportMenu_ = nullptr;
    QMenu* calculateMenu_ = nullptr;
    QMenu* viewMenu_ = nullptr;
    QMenu* windowMenu_ = nullptr;
    QMenu* helpMenu_ = nullptr;
    MenuKind menuKind_ = MenuKind::NoDocument;
    bool menusShown_ = false;
};

} // namespace viskora
