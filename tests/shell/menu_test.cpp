#include "shell_fixture.h"

#include "shell/main_frame.h"
#include "shell/oil_document.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include <functional>
#include <ostream>
#include <vector>

namespace viskora::testing {
namespace {

using Menus = ShellTest;
using ToolBar = ShellTest;
using StatusBar = ShellTest;

QMenu* menuNamed(const CMainFrame& frame, const QString& title) {
    for (QAction* action : frame.menuBar()->actions()) {
        if (action->text() == title) {
            return action->menu();
        }
    }
    return nullptr;
}

QStringList barTitles(const QMenuBar& bar) {
    QStringList list;
    for (const QAction* action : bar.actions()) {
        list << (action->isSeparator() ? QStringLiteral("|") : action->text());
    }
    return list;
}

// A menu's visible entries: "-" for a separator, a submenu by its title.
QStringList entries(const QMenu& menu) {
    QStringList list;
    for (const QAction* action : menu.actions()) {
        if (action->isVisible()) {
            list << (action->isSeparator() ? QStringLiteral("-") : action->text());
        }
    }
    return list;
}

TEST_F(Menus, TheMenuFollowsTheKindOfTheActiveCalculation) {
    start();
    const QStringList noDocument{QStringLiteral("&File"), QStringLiteral("&View"),
                                 QStringLiteral("|"), QStringLiteral("&Help")};
    const QStringList document{QStringLiteral("&File"), QStringLiteral("Data Export "),
                               QStringLiteral("&View"), QStringLiteral("&Window"),
                               QStringLiteral("|"),     QStringLiteral("&Help")};
    EXPECT_EQ(barTitles(*frame().menuBar()), noDocument);

    trigger("actionNewBasic");
    EXPECT_EQ(frame().menuKind(), CMainFrame::MenuKind::Basic);
    EXPECT_EQ(barTitles(*frame().menuBar()), document);

    trigger("actionNewAdditional");
    EXPECT_EQ(frame().menuKind(), CMainFrame::MenuKind::Additional);
    EXPECT_EQ(barTitles(*frame().menuBar()), document);

    // The same command from the additional menu makes another one.
    trigger("actionNewAdditional");
    EXPECT_EQ(frame().menuKind(), CMainFrame::MenuKind::Additional);
    EXPECT_EQ(app->documents().size(), 3);

    frame().activateChild(frame().children().front());
    EXPECT_EQ(frame().menuKind(), CMainFrame::MenuKind::Basic);

    trigger("actionCloseAll");
    ASSERT_TRUE(waitFor([this] { return frame().menuKind() == CMainFrame::MenuKind::NoDocument; }));
    EXPECT_EQ(barTitles(*frame().menuBar()), noDocument);
}

TEST_F(Menus, FileMenusListTheirEntriesInOrder) {
    start();
    EXPECT_EQ(
        entries(*menuNamed(frame(), QStringLiteral("&File"))),
        (QStringList{QStringLiteral("New"), QStringLiteral("Open..."), QStringLiteral("-"),
                     QStringLiteral("Recent File"), QStringLiteral("-"), QStringLiteral("&Close"),
                     QStringLiteral("Settings..."), QStringLiteral("E&xit")}));
    trigger("actionNewBasic");
    EXPECT_EQ(
        entries(*menuNamed(frame(), QStringLiteral("&File"))),
        (QStringList{QStringLiteral("New"), QStringLiteral("&Open..."), QStringLiteral("&Close"),
                     QStringLiteral("&Save"), QStringLiteral("Save &As..."), QStringLiteral("-"),
                     QStringLiteral("Recent File"), QStringLiteral("-"),
                     QStringLiteral("Settings..."), QStringLiteral("E&xit")}));
    EXPECT_EQ(entries(*menuNamed(frame(), QStringLiteral("Data Export "))),
              (QStringList{QStringLiteral("Text"), QStringLiteral("HTML"),
                           QStringLiteral("MS Excel"), QStringLiteral("PDF Report"),
                           QStringLiteral("-"), QStringLiteral("Save Report As...")}));
    EXPECT_EQ(entries(*menuNamed(frame(), QStringLiteral("&Help"))),
              (QStringList{QStringLiteral("Contents"), QStringLiteral("Qavel Engineering Homepage"),
                           QStringLiteral("-"), QStringLiteral("&About Viskora...")}));
}

TEST_F(Menus, DocumentCommandsAreGreyedWithoutACalculation) {
    start();
    const char* documentCommands[] = {"actionClose",      "actionSave",         "actionSaveAs",
                                      "actionTextReport", "actionHtmlReport",   "actionExcelExport",
                                      "actionPdfReport",  "actionSaveReportAs", "actionCloseAll"};
    const char* alwaysThere[] = {"actionNewBasic", "actionNewAdditional", "actionNew",
                                 "actionOpen",     "actionHelpContents",  "actionHomePage",
                                 "actionAbout",    "actionExit",          "actionViewToolbar",
                                 "actionSettings"};
    for (const char* name : documentCommands) {
        EXPECT_FALSE(action(name)->isEnabled()) << name;
    }
    for (const char* name : alwaysThere) {
        EXPECT_TRUE(action(name)->isEnabled()) << name;
    }
    EXPECT_FALSE(action("actionRecentFile1")->isVisible());

    trigger("actionNewBasic");
    for (const char* name : documentCommands) {
        EXPECT_TRUE(action(name)->isEnabled()) << name;
    }
    trigger("actionClose");
    ASSERT_TRUE(waitFor([this] { return !action("actionSave")->isEnabled(); }));
}

TEST_F(Menus, CtrlNCreatesNothing) {
    start();
    trigger("actionNew");
    EXPECT_TRUE(app->documents().isEmpty());
}

TEST_F(Menus, TheWindowMenuListsTheOpenCalculations) {
    start();
    trigger("actionNewBasic");
    trigger("actionNewAdditional");
    QMenu* window = menuNamed(frame(), QStringLiteral("&Window"));
    emit window->aboutToShow();
    const QStringList shown = entries(*window);
    EXPECT_EQ(shown.mid(0, 3), (QStringList{QStringLiteral("&Cascade"), QStringLiteral("&Tile"),
                                            QStringLiteral("Close All")}));
    EXPECT_EQ(shown.mid(3),
              (QStringList{QStringLiteral("-"), QStringLiteral("&1 ViskoraBasicCalc1"),
                           QStringLiteral("&2 ViskoraAddCalc1")}));
    window->actions().value(4)->trigger();
    EXPECT_EQ(activeDocument()->title(), QStringLiteral("ViskoraBasicCalc1"));
}

TEST_F(ToolBar, ButtonsComeInOrderAndNewDropsDownBothKinds) {
    start();
    QStringList order;
    for (QAction* button : frame().toolBar().actions()) {
        order << (button->isSeparator() ? QStringLiteral("-") : button->objectName());
        // Every button is a picture, the property curves' too.
        EXPECT_TRUE(button->isSeparator() || !button->icon().isNull())
            << button->text().toStdString();
    }
    EXPECT_EQ(order, (QStringList{"actionNew", "actionOpen", "actionSave", "actionNewCurves", "-",
                                  "actionTextReport", "actionHtmlReport", "actionExcelExport", "-",
                                  "actionHomePage", "actionHelpContents"}));
    EXPECT_EQ(frame().toolBar().iconSize(), QSize(24, 24));
    auto* button =
        qobject_cast<QToolButton*>(frame().toolBar().widgetForAction(action("actionNew")));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->popupMode(), QToolButton::InstantPopup);
    ASSERT_NE(action("actionNew")->menu<QMenu*>(), nullptr);
    const QList<QAction*> items = action("actionNew")->menu<QMenu*>()->actions();
    // The calculations and the curves, then after a separator the assay
    // and the blend.
    ASSERT_EQ(items.size(), 6);
    items[1]->trigger();
    EXPECT_EQ(activeDocument()->kind(), DocumentKind::Additional);
    items[0]->trigger();
    EXPECT_EQ(activeDocument()->kind(), DocumentKind::Basic);
    items[2]->trigger();
    EXPECT_NE(frame().activeCurves(), nullptr);
    EXPECT_EQ(frame().menuKind(), CMainFrame::MenuKind::Curves);
    EXPECT_TRUE(items[3]->isSeparator());
    items[4]->trigger();
    EXPECT_EQ(frame().menuKind(), CMainFrame::MenuKind::Assay);
    items[5]->trigger();
    EXPECT_EQ(frame().menuKind(), CMainFrame::MenuKind::Blend);
    EXPECT_FALSE(action("actionSave")->isEnabled());
}

TEST_F(ToolBar, ViewCommandsHideAndShowTheBars) {
    start();
    trigger("actionViewToolbar");
    EXPECT_FALSE(frame().toolBar().isVisible());
    EXPECT_FALSE(action("actionViewToolbar")->isChecked());
    trigger("actionViewStatusBar");
    EXPECT_FALSE(frame().statusBar()->isVisible());
    trigger("actionViewToolbar");
    EXPECT_TRUE(frame().toolBar().isVisible());
    EXPECT_TRUE(action("actionViewToolbar")->isChecked());
}

TEST_F(StatusBar, ShowsReadyBetweenPromptsAndThreeIndicators) {
    start();
    EXPECT_EQ(frame().statusBar()->currentMessage(), QStringLiteral("Ready"));
    // A highlighted item shows its prompt; leaving it brings "Ready" back.
    action("actionOpen")->showStatusText(&frame());
    EXPECT_EQ(frame().statusBar()->currentMessage(),
              QStringLiteral("Open an existing calculation"));
    QStatusTipEvent leave{QString()};
    QApplication::sendEvent(&frame(), &leave);
    EXPECT_EQ(frame().statusBar()->currentMessage(), QStringLiteral("Ready"));
    const char* names[] = {"CAP", "NUM", "SCRL"};
    for (int index = 0; index < 3; ++index) {
        EXPECT_EQ(frame().indicator(index).objectName(), QString::fromLatin1(names[index]));
    }
}

struct StalePromptCase {
    const char* what;
    std::function<void(CMainFrame&)> leave;
};

void PrintTo(const StalePromptCase& c, std::ostream* out) {
    *out << c.what;
}

class StalePrompt : public ShellTest, public ::testing::WithParamInterface<StalePromptCase> {};

// "Open an existing calculation" once stayed after its menu closed or the
// dialog of its command was closed.
TEST_P(StalePrompt, GivesWayToReady) {
    start();
    frame().show();
    QApplication::setActiveWindow(&frame());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame()));
    action("actionOpen")->showStatusText(&frame());
    ASSERT_EQ(frame().statusBar()->currentMessage(),
              QStringLiteral("Open an existing calculation"));
    GetParam().leave(frame());
    QApplication::processEvents();
    EXPECT_EQ(frame().statusBar()->currentMessage(), QStringLiteral("Ready"));
}

INSTANTIATE_TEST_SUITE_P(StatusBar, StalePrompt,
                         ::testing::ValuesIn(std::vector<StalePromptCase>{
                             {"the menu closes",
                              [](CMainFrame& window) {
                                  QMenu* file = window.menuBar()->actions().value(0)->menu();
                                  file->popup(window.mapToGlobal(QPoint(0, 0)));
                                  QApplication::processEvents();
                                  file->hide();
                              }},
                             {"its command runs",
                              [](CMainFrame& window) {
                                  window.findChild<QAction*>("actionViewToolbar")->trigger();
                              }},
                             {"a dialog closes",
                              [](CMainFrame& window) {
                                  QDialog dialog(&window);
                                  dialog.show();
                                  QApplication::setActiveWindow(&dialog);
                                  ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
                                  window.findChild<QAction*>("actionOpen")->showStatusText(&window);
                                  dialog.close();
                                  QApplication::setActiveWindow(&window);
                                  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
                              }},
                         }));

} // namespace
} // namespace viskora::testing
