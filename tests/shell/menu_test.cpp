#include "shell_fixture.h"

#include "shell/commands.h"
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

    trigger(command::NewBasic);
    EXPECT_EQ(frame().menuKind(), CMainFrame::MenuKind::Basic);
    EXPECT_EQ(barTitles(*frame().menuBar()), document);

    trigger(command::NewAdditional);
    EXPECT_EQ(frame().menuKind(), CMainFrame::MenuKind::Additional);
    EXPECT_EQ(barTitles(*frame().menuBar()), document);

    // The same command from the additional menu makes another one.
    trigger(command::NewAdditional);
    EXPECT_EQ(frame().menuKind(), CMainFrame::MenuKind::Additional);
    EXPECT_EQ(app->documents().size(), 3);

    frame().activateChild(frame().children().front());
    EXPECT_EQ(frame().menuKind(), CMainFrame::MenuKind::Basic);

    trigger(command::CloseAll);
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
    trigger(command::NewBasic);
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
    const int documentCommands[] = {
        command::Close,      command::Save,         command::SaveAs,
        command::TextReport, command::HtmlReport,   command::ExcelExport,
        command::PdfReport,  command::SaveReportAs, command::CloseAll};
    const int alwaysThere[] = {command::NewBasic, command::NewAdditional, command::New,
                               command::Open,     command::HelpContents,  command::HomePage,
                               command::About,    command::Exit,          command::ViewToolbar,
                               command::Settings};
    for (int id : documentCommands) {
        EXPECT_FALSE(frame().action(id)->isEnabled()) << id;
    }
    for (int id : alwaysThere) {
        EXPECT_TRUE(frame().action(id)->isEnabled()) << id;
    }
    EXPECT_FALSE(frame().action(command::RecentFile1)->isVisible());

    trigger(command::NewBasic);
    for (int id : documentCommands) {
        EXPECT_TRUE(frame().action(id)->isEnabled()) << id;
    }
    trigger(command::Close);
    ASSERT_TRUE(waitFor([this] { return !frame().action(command::Save)->isEnabled(); }));
}

TEST_F(Menus, CtrlNCreatesNothing) {
    start();
    trigger(command::New);
    EXPECT_TRUE(app->documents().isEmpty());
}

TEST_F(Menus, TheWindowMenuListsTheOpenCalculations) {
    start();
    trigger(command::NewBasic);
    trigger(command::NewAdditional);
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
    for (QAction* action : frame().toolBar().actions()) {
        if (action->isSeparator()) {
            order << QStringLiteral("-");
        } else if (frame().toolBar().widgetForAction(action) == &frame().newButton()) {
            order << QString::number(command::New);
        } else {
            order << QString::number(action->data().toInt());
        }
    }
    EXPECT_EQ(order, (QStringList{"57600", "57601", "57603", "143", "-", "137", "138", "139", "-",
                                  "141", "134"}));
    EXPECT_EQ(frame().toolBar().iconSize(), QSize(24, 24));
    // Every button is a picture, the property curves' too.
    for (QAction* action : frame().toolBar().actions()) {
        EXPECT_TRUE(action->isSeparator() || !action->icon().isNull() ||
                    frame().toolBar().widgetForAction(action) == &frame().newButton())
            << action->text().toStdString();
    }
    QToolButton& button = frame().newButton();
    EXPECT_EQ(button.popupMode(), QToolButton::InstantPopup);
    ASSERT_NE(button.menu(), nullptr);
    const QList<QAction*> items = button.menu()->actions();
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
    EXPECT_FALSE(frame().action(command::Save)->isEnabled());
}

TEST_F(ToolBar, ViewCommandsHideAndShowTheBars) {
    start();
    trigger(command::ViewToolbar);
    EXPECT_FALSE(frame().toolBar().isVisible());
    EXPECT_FALSE(frame().action(command::ViewToolbar)->isChecked());
    trigger(command::ViewStatusBar);
    EXPECT_FALSE(frame().statusBar()->isVisible());
    trigger(command::ViewToolbar);
    EXPECT_TRUE(frame().toolBar().isVisible());
    EXPECT_TRUE(frame().action(command::ViewToolbar)->isChecked());
}

TEST_F(StatusBar, ShowsReadyBetweenPromptsAndThreeIndicators) {
    start();
    EXPECT_EQ(frame().statusBar()->currentMessage(), QStringLiteral("Ready"));
    // A highlighted item shows its prompt; leaving it brings "Ready" back.
    frame().action(command::Open)->showStatusText(&frame());
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
    frame().action(command::Open)->showStatusText(&frame());
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
                                  window.action(command::ViewToolbar)->trigger();
                              }},
                             {"a dialog closes",
                              [](CMainFrame& window) {
                                  QDialog dialog(&window);
                                  dialog.show();
                                  QApplication::setActiveWindow(&dialog);
                                  ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
                                  window.action(command::Open)->showStatusText(&window);
                                  dialog.close();
                                  QApplication::setActiveWindow(&window);
                                  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
                              }},
                         }));

} // namespace
} // namespace viskora::testing
