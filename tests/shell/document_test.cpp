#include "shell_fixture.h"

#include "forms/simple_oil_view.h"
#include "shell/child_frame.h"
#include "shell/main_frame.h"
#include "shell/oil_document.h"
#include "shell/simple_oil_doc.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>

#include <QAbstractItemView>
#include <QTest>
#include <ostream>
#include <utility>
#include <vector>

namespace viskora::testing {
namespace {

using Documents = ShellTest;
using SavePrompt = ShellTest;

QByteArray contents(const QString& file) {
    QFile in(file);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

void calculate(OilDocument& document) {
    qobject_cast<QAbstractButton*>(document.view().control("calculate"))->click();
}

QLineEdit& densityBox(const OilDocument& document) {
    return *qobject_cast<QLineEdit*>(document.view().control("density"));
}

struct UserChange {
    const char* what;
    const char* newCommand;
    bool fractionsOn; // the switch clicked before, the mark then cleared
    std::function<void(OilFormView&)> make;
};

void typeInto(OilFormView& view, const char* name, const char* keys) {
    QWidget* box = view.control(QString::fromLatin1(name));
    box->setFocus();
    QTest::keyClicks(box, QString::fromLatin1(keys));
}

void pickUnit(OilFormView& view, const char* name, int index) {
    auto* box = qobject_cast<QComboBox*>(view.control(QString::fromLatin1(name)));
    box->setCurrentIndex(index);
    emit box->activated(index);
}

// A design temperature changed after the last Calculate was once dropped
// without a question when the window closed.
TEST_F(Documents, EveryChangeByTheUserMarksTheDocumentAndItsTitle) {
    const UserChange changes[] = {
        {"a digit typed into the density", "actionNewBasic", false,
         [](OilFormView& v) { typeInto(v, "density", "1"); }},
        {"the design temperature", "actionNewAdditional", false,
         [](OilFormView& v) { typeInto(v, "designTemp", "5"); }},
        {"a unit box", "actionNewBasic", false,
         [](OilFormView& v) { pickUnit(v, "densityUnit", 1); }},
        {"a result's unit box", "actionNewBasic", false,
         [](OilFormView& v) { pickUnit(v, "resDensityUnit", 1); }},
        {"the switch", "actionNewBasic", false,
         [](OilFormView& v) {
             qobject_cast<QAbstractButton*>(v.control("useFractions"))->click();
         }},
        {"the count typed", "actionNewBasic", true,
         [](OilFormView& v) { typeInto(v, "fractionCount", "1"); }},
        {"the count's arrows", "actionNewBasic", true,
         [](OilFormView& v) {
             typeInto(v, "fractionCount", "");
             QTest::keyClick(v.control("fractionCount"), Qt::Key_Up);
         }},
        {"a cell", "actionNewBasic", true,
         [](OilFormView& v) {
             auto* table = qobject_cast<QAbstractItemView*>(v.control("fractions"));
             table->setFocus();
             table->setCurrentIndex(table->model()->index(0, 0));
             QTest::keyClick(table, Qt::Key_7);
             QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
             QCoreApplication::processEvents();
         }},
    };
    start();
    for (const UserChange& change : changes) {
        SCOPED_TRACE(change.what);
        trigger(change.newCommand);
        OilDocument& document = *activeDocument();
        QApplication::processEvents();
        EXPECT_FALSE(document.isModified());
        if (change.fractionsOn) {
            qobject_cast<QAbstractButton*>(document.view().control("useFractions"))->click();
            document.setModified(false);
        }
        change.make(document.view());
        EXPECT_TRUE(document.isModified());
        QApplication::processEvents();
        EXPECT_TRUE(shownTitle(*frame().activeChild()).endsWith(QLatin1Char('*')));
        EXPECT_TRUE(shownTitle(frame()).endsWith(QLatin1Char('*')));
        frame().activeChild()->closeWithoutPrompt();
    }
}

TEST_F(Documents, LoadingAFileLeavesItUnmarkedAndAnEditAsksAtClose) {
    const QString file = basicFile(QStringLiteral("pipe.vkr"));
    start({file});
    OilDocument& document = *activeDocument();
    QApplication::processEvents();
    EXPECT_FALSE(document.isModified());
    EXPECT_EQ(shownTitle(frame()), QStringLiteral("Viskora - pipe.vkr"));
    typeInto(document.view(), "densityTemp", "1");
    MessageBoxScript boxes({QMessageBox::Cancel});
    trigger("actionClose");
    EXPECT_EQ(boxes.texts, QStringList{QStringLiteral("Save changes to pipe.vkr?")});
    EXPECT_EQ(activeDocument(), &document);
}

// Tab from the last control (Calculate on the basic form) once went to no
// visible control for one press, and Shift+Tab from the density box too.
TEST_F(Documents, TabWrapsBetweenTheFirstAndLastControlsOfTheForm) {
    start();
    const std::pair<const char*, const char*> forms[] = {{"actionNewBasic", "calculate"},
                                                         {"actionNewAdditional", "liquidPrandtl"}};
    for (const auto& [command, lastControlName] : forms) {
        SCOPED_TRACE(command);
        trigger(command);
        QApplication::processEvents();
        const OilFormView& view = activeDocument()->view();
        QWidget* last = view.control(QString::fromLatin1(lastControlName));
        QWidget* density = view.control("density");
        last->setFocus();
        QTest::keyClick(last, Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), density);
        QTest::keyClick(density, Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_EQ(QApplication::focusWidget(), last);
    }
}

TEST_F(Documents, SaveAsThenOpenThroughTheDialogsGivesTheSameForm) {
    start();
    trigger("actionNewBasic");
    OilDocument& document = *activeDocument();
    densityBox(document).setText(QStringLiteral("850"));
    calculate(document);
    const QString file = path("pipe.vkr");
    dialogs.saveAnswers = {file};
    trigger("actionSave");

    EXPECT_EQ(dialogs.suggestions.value(0),
              QDir(QDir::homePath()).filePath("ViskoraBasicCalc1.vkr"));
    EXPECT_EQ(document.title(), QStringLiteral("pipe.vkr"));
    EXPECT_EQ(document.pathName(), file);
    EXPECT_FALSE(document.isModified());
    const QByteArray saved = contents(file);
    EXPECT_TRUE(saved.startsWith("[General]\ntype=Viskora\nstate=1\nversion=1\n[Data]\n850\n"));
    EXPECT_EQ(saved.count('\n'), 48);
    EXPECT_EQ(app->recentFiles().paths().value(0), file);

    // A later Save writes to the same file without asking.
    densityBox(document).setText(QStringLiteral("860"));
    trigger("actionSave");
    EXPECT_EQ(dialogs.suggestions.size(), 1);
    EXPECT_TRUE(contents(file).contains("\n860\n"));

    // Open gives a second, independent window on the same file.
    dialogs.openAnswers = {file};
    trigger("actionOpen");
    EXPECT_EQ(dialogs.openFolders.value(0), path("bin"));
    ASSERT_EQ(app->documents().size(), 2);
    OilDocument& reopened = *activeDocument();
    EXPECT_NE(&reopened, &document);
    EXPECT_EQ(reopened.title(), QStringLiteral("pipe.vkr"));
    EXPECT_EQ(densityBox(reopened).text(), QStringLiteral("860"));
    EXPECT_EQ(static_cast<CSimpleOilDoc&>(reopened).view().record().resDensityText,
              static_cast<CSimpleOilDoc&>(document).view().record().resDensityText);
    EXPECT_EQ(app->settings().readPath(), folder.path());

    // The next Open starts in the folder of the last one.
    trigger("actionOpen");
    EXPECT_EQ(dialogs.openFolders.value(1), folder.path());
    EXPECT_EQ(app->documents().size(), 2);
}

TEST_F(Documents, AFormThatCannotBeReadIsNotSavedOrReported) {
    start();
    trigger("actionNewBasic");
    activeDocument()->view().control("fractionCount")->findChild<QLineEdit*>()->clear();
    dialogs.saveAnswers = {path("pipe.vkr")};
    MessageBoxScript boxes;
    trigger("actionSave");
    trigger("actionTextReport");
    EXPECT_EQ(boxes.texts, (QStringList{QStringLiteral("Enter an integer."),
                                        QStringLiteral("Enter an integer.")}));
    EXPECT_FALSE(QFile::exists(path("pipe.vkr")));
    EXPECT_EQ(activeDocument()->title(), QStringLiteral("ViskoraBasicCalc1"));
    EXPECT_TRUE(opener.urls.isEmpty());
}

TEST_F(Documents, ACancelledSaveAsChangesNothing) {
    start();
    trigger("actionNewAdditional");
    OilDocument& document = *activeDocument();
    calculate(document);
    trigger("actionSaveAs");
    EXPECT_EQ(document.title(), QStringLiteral("ViskoraAddCalc1"));
    EXPECT_TRUE(document.pathName().isEmpty());
    EXPECT_TRUE(document.isModified());
}

TEST_F(Documents, AFailedSaveIsReportedAndKeepsTheDocumentModified) {
    start();
    trigger("actionNewBasic");
    OilDocument& document = *activeDocument();
    calculate(document);
    dialogs.saveAnswers = {path("no-such-folder/pipe.vkr")};
    MessageBoxScript boxes;
    trigger("actionSave");
    ASSERT_EQ(boxes.texts.size(), 1);
    EXPECT_TRUE(boxes.texts[0].startsWith(QStringLiteral("Cannot save the file ")));
    EXPECT_TRUE(document.isModified());
    EXPECT_TRUE(document.pathName().isEmpty());
}

TEST_F(SavePrompt, TheThreeAnswersAtClose) {
    struct Case {
        QMessageBox::StandardButton answer;
        bool saved;
        bool closed;
    };
    const Case cases[] = {
        {QMessageBox::Yes, true, true},
        {QMessageBox::No, false, true},
        {QMessageBox::Cancel, false, false},
    };
    start();
    int run = 0;
    for (const Case& c : cases) {
        trigger("actionNewBasic");
        OilDocument* document = activeDocument();
        calculate(*document);
        const QString file = path(QStringLiteral("answer%1.vkr").arg(++run));
        dialogs.saveAnswers = {file};
        MessageBoxScript boxes({c.answer});
        const QString title = document->title();
        trigger("actionClose");
        QApplication::processEvents();
        EXPECT_EQ(boxes.texts, QStringList{QStringLiteral("Save changes to %1?").arg(title)});
        EXPECT_EQ(QFile::exists(file), c.saved) << run;
        EXPECT_EQ(titles().contains(title) || titles().contains(QFileInfo(file).fileName()),
                  !c.closed)
            << run;
    }
}

TEST_F(SavePrompt, AnUncalculatedDocumentClosesWithoutAsking) {
    start();
    trigger("actionNewBasic");
    densityBox(*activeDocument()).setText(QStringLiteral("900"));
    MessageBoxScript boxes;
    trigger("actionClose");
    QApplication::processEvents();
    EXPECT_TRUE(boxes.texts.isEmpty());
    EXPECT_TRUE(app->documents().isEmpty());
}

TEST_F(SavePrompt, ASavedDocumentIsNamedByItsFileAndAFailedSaveKeepsItOpen) {
    start();
    trigger("actionNewBasic");
    OilDocument& document = *activeDocument();
    QDir(folder.path()).mkdir(QStringLiteral("sub"));
    dialogs.saveAnswers = {path("sub/pipe.vkr")};
    trigger("actionSave");
    calculate(document);
    // The folder goes away under the open document.
    ASSERT_TRUE(QDir(path("sub")).removeRecursively());

    MessageBoxScript boxes({QMessageBox::Yes});
    trigger("actionClose");
    QApplication::processEvents();
    ASSERT_EQ(boxes.texts.size(), 2);
    EXPECT_EQ(boxes.texts[0], QStringLiteral("Save changes to pipe.vkr?"));
    EXPECT_TRUE(boxes.texts[1].startsWith(QStringLiteral("Cannot save the file ")));
    EXPECT_EQ(app->documents().size(), 1);
    EXPECT_TRUE(document.isModified());
}

TEST_F(SavePrompt, ExitAsksAboutAdditionalCalculationsFirstAndCancelKeepsTheProgram) {
    start();
    trigger("actionNewBasic");
    calculate(*activeDocument());
    trigger("actionNewAdditional");
    calculate(*activeDocument());

    MessageBoxScript boxes({QMessageBox::No, QMessageBox::Cancel});
    trigger("actionExit");
    EXPECT_EQ(boxes.texts, (QStringList{QStringLiteral("Save changes to ViskoraAddCalc1?"),
                                        QStringLiteral("Save changes to ViskoraBasicCalc1?")}));
    EXPECT_TRUE(frame().isVisible());
    EXPECT_EQ(app->documents().size(), 2);
}

TEST_F(SavePrompt, CloseAllStopsAtTheFirstCancel) {
    start();
    trigger("actionNewBasic");
    calculate(*activeDocument());
    trigger("actionNewBasic");
    trigger("actionNewBasic");
    calculate(*activeDocument());

    MessageBoxScript boxes({QMessageBox::Cancel});
    trigger("actionCloseAll");
    QApplication::processEvents();
    EXPECT_EQ(boxes.texts, QStringList{QStringLiteral("Save changes to ViskoraBasicCalc1?")});
    EXPECT_EQ(app->documents().size(), 3);
}

struct SaveAsFolderCase {
    const char* what;
    const char* openedFrom; // a folder in the test folder, or none
    const char* savedInto;
    bool restarted;
    const char* expected; // a folder in the test folder; none for the home folder
};

void PrintTo(const SaveAsFolderCase& c, std::ostream* out) {
    *out << c.what;
}

class SaveAsFolder : public ShellTest, public ::testing::WithParamInterface<SaveAsFolderCase> {};

// Save As of a new calculation once proposed the folder of the last Open
// even after saves into another one.
TEST_P(SaveAsFolder, ANewCalculationIsProposedWhereTheLastSaveWent) {
    const SaveAsFolderCase& c = GetParam();
    for (const char* sub : {"opened", "saved"}) {
        ASSERT_TRUE(QDir(folder.path()).mkpath(QString::fromLatin1(sub)));
    }
    start();
    if (c.openedFrom != nullptr) {
        dialogs.openAnswers = {
            basicFile(QStringLiteral("%1/pipe.vkr").arg(QString::fromLatin1(c.openedFrom)))};
        trigger("actionOpen");
    }
    if (c.savedInto != nullptr) {
        trigger("actionNewBasic");
        dialogs.saveAnswers = {
            path(QStringLiteral("%1/kept.vkr").arg(QString::fromLatin1(c.savedInto)))};
        trigger("actionSaveAs");
    }
    if (c.restarted) {
        quit();
        start();
    }
    trigger("actionNewBasic");
    const QString title = activeDocument()->title();
    trigger("actionSaveAs");
    const QString expectedFolder =
        c.expected != nullptr ? path(QString::fromLatin1(c.expected)) : QDir::homePath();
    EXPECT_EQ(dialogs.suggestions.last(), QDir(expectedFolder).filePath(title + ".vkr"));
}

INSTANTIATE_TEST_SUITE_P(Documents, SaveAsFolder,
                         ::testing::ValuesIn(std::vector<SaveAsFolderCase>{
                             {"nothing remembered", nullptr, nullptr, false, nullptr},
                             {"only an Open", "opened", nullptr, false, "opened"},
                             {"a save after an Open", "opened", "saved", false, "saved"},
                             {"a save before the last start", "opened", "saved", true, "saved"},
                         }));

} // namespace
} // namespace viskora::testing
