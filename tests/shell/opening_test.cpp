#include "shell_fixture.h"

#include "forms/oil_form_view.h"
#include "shell/main_frame.h"
#include "shell/oil_document.h"
#include "shell/open_failures_text.h"
#include "shell/recent_file_list.h"
#include "shell/single_instance.h"

#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QMimeData>
#include <QProcess>
#include <QSettings>

namespace viskora::testing {
namespace {

using RecentFiles = ShellTest;
using DroppedFiles = ShellTest;
using HandOver = ShellTest;
using FileMessages = ShellTest;

TEST(RecentFileListTest, KeepsFourDistinctPathsMostRecentFirst) {
    RecentFileList list;
    for (const char* name : {"/a.vkr", "/b.vkr", "/c.vkr", "/d.vkr", "/b.vkr", "/e.vkr"}) {
        list.add(QString::fromLatin1(name));
    }
    EXPECT_EQ(list.paths(), (QStringList{"/e.vkr", "/b.vkr", "/d.vkr", "/c.vkr"}));
    list.remove(1);
    list.remove(7);
    EXPECT_EQ(list.paths(), (QStringList{"/e.vkr", "/d.vkr", "/c.vkr"}));
    // Read from the settings: order kept, blanks and repeats dropped.
    EXPECT_EQ(RecentFileList({"/x.vkr", "", "/y.vkr", "/x.vkr"}).paths(),
              (QStringList{"/x.vkr", "/y.vkr"}));
}

TEST(RecentFileListTest, MenuTextsAreNumberedAndKeepAmpersands) {
    EXPECT_EQ(RecentFileList::menuText(0, "/data/R&D/pipe.vkr"),
              QStringLiteral("&1 /data/R&&D/pipe.vkr"));
    const QString shown = RecentFileList::menuText(3, "/" + QString(100, QLatin1Char('x')));
    EXPECT_TRUE(shown.startsWith(QStringLiteral("&4 /xxx")));
    EXPECT_TRUE(shown.contains(QStringLiteral("...")));
    EXPECT_LE(shown.size(), 64);
}

TEST_F(RecentFiles, TheFourLatestOpenedOrSavedFilesSurviveARestart) {
    start();
    for (int index = 1; index <= 4; ++index) {
        dialogs.openAnswers = {basicFile(QStringLiteral("f%1.vkr").arg(index))};
        trigger("actionOpen");
    }
    trigger("actionNewAdditional");
    dialogs.saveAnswers = {path("saved.vkr")};
    trigger("actionSave");
    const QStringList expected{path("saved.vkr"), path("f4.vkr"), path("f3.vkr"), path("f2.vkr")};
    EXPECT_EQ(app->recentFiles().paths(), expected);
    quit();

    {
        QSettings settings(QStringLiteral("Qavel Engineering"), QStringLiteral("Viskora"));
        EXPECT_EQ(settings.value(QStringLiteral("Recent File List/File1")).toString(), expected[0]);
        EXPECT_EQ(settings.value(QStringLiteral("Recent File List/File4")).toString(), expected[3]);
        EXPECT_FALSE(settings.contains(QStringLiteral("Recent File List/File5")));
    }
    start();
    EXPECT_EQ(app->recentFiles().paths(), expected);
    for (int index = 0; index < 4; ++index) {
        const QAction* entry = action(QStringLiteral("actionRecentFile%1").arg(index + 1));
        EXPECT_TRUE(entry->isVisible());
        EXPECT_EQ(entry->text(), RecentFileList::menuText(index, expected[index]));
        EXPECT_EQ(entry->statusTip(), QStringLiteral("Open this document"));
    }
}

TEST_F(RecentFiles, AnEntryOpensByKindOrActivatesTheOpenWindow) {
    const QString additional = additionalFile(QStringLiteral("tank.vkr"));
    const QString basic = basicFile(QStringLiteral("pipe.vkr"));
    start({additional});
    dialogs.openAnswers = {basic};
    trigger("actionOpen");
    ASSERT_EQ(app->recentFiles().paths(), (QStringList{basic, additional}));

    trigger("actionRecentFile2");
    EXPECT_EQ(app->documents().size(), 2);
    EXPECT_EQ(activeDocument()->pathName(), additional);
    EXPECT_EQ(frame().menuKind(), CMainFrame::MenuKind::Additional);

    trigger("actionCloseAll");
    ASSERT_TRUE(waitFor([this] { return app->documents().isEmpty(); }));
    trigger("actionRecentFile1");
    ASSERT_EQ(app->documents().size(), 1);
    EXPECT_EQ(activeDocument()->kind(), DocumentKind::Basic);
}

TEST_F(RecentFiles, AnEntryWhoseFileIsGoneIsReportedAndDropped) {
    const QString gone = basicFile(QStringLiteral("gone.vkr"));
    const QString kept = basicFile(QStringLiteral("kept.vkr"));
    start({kept});
    dialogs.openAnswers = {gone};
    trigger("actionOpen");
    trigger("actionCloseAll");
    QFile::remove(gone);

    MessageBoxScript boxes;
    trigger("actionRecentFile1");
    EXPECT_EQ(boxes.texts.size(), 1);
    EXPECT_EQ(app->recentFiles().paths(), QStringList{kept});
}

TEST_F(DroppedFiles, EachIsOpenedByItsKindAndAForeignOneIsReported) {
    start();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(basicFile(QStringLiteral("a.vkr"))),
                  QUrl::fromLocalFile(textFile(QStringLiteral("b.txt"), "hello\n")),
                  QUrl::fromLocalFile(additionalFile(QStringLiteral("c.vkr"))),
                  QUrl::fromLocalFile(basicFile(QStringLiteral("d.vkr")))});
    MessageBoxScript boxes;
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(frame().mdiArea().viewport(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(frame().mdiArea().viewport(), &drop);
    ASSERT_TRUE(waitFor([this] { return app->documents().size() == 3; }));
    EXPECT_EQ(titles(), (QStringList{"a.vkr", "c.vkr", "d.vkr"}));
    EXPECT_EQ(app->documents()[1]->kind(), DocumentKind::Additional);
    EXPECT_EQ(boxes.texts.size(), 1);
}

TEST_F(DroppedFiles, AFormBoxThatTakesTextDropsDoesNotSwallowAFile) {
    start();
    trigger("actionNewAdditional");
    // The read-only unit box beside the design temperature is a plain text
    // box, which would take the drag as text and then refuse it.
    auto* box = qobject_cast<QLineEdit*>(activeDocument()->view().control("designTempUnit"));
    ASSERT_TRUE(box->acceptDrops());
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(basicFile(QStringLiteral("a.vkr")))});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(box, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(box, &drop);
    ASSERT_TRUE(waitFor([this] { return app->documents().size() == 2; }));
    EXPECT_EQ(activeDocument()->kind(), DocumentKind::Basic);
}

TEST_F(HandOver, AFileHandedOverOpensOnceAndThenActivatesItsWindow) {
    start();
    const QString server = path("hand-over.socket");
    ASSERT_TRUE(app->acceptHandOvers(server));
    const QString additional = additionalFile(QStringLiteral("tank.vkr"));
    trigger("actionNewBasic");

    ASSERT_TRUE(SingleInstance::handOver(server, additional));
    ASSERT_TRUE(waitFor([this] { return app->documents().size() == 2; }));
    EXPECT_EQ(activeDocument()->kind(), DocumentKind::Additional);

    frame().activateChild(frame().children().front());
    ASSERT_TRUE(SingleInstance::handOver(server, additional));
    ASSERT_TRUE(
        waitFor([this, &additional] { return activeDocument()->pathName() == additional; }));
    EXPECT_EQ(app->documents().size(), 2);
}

TEST_F(HandOver, NobodyListeningMeansTheStartRunsOnItsOwn) {
    EXPECT_FALSE(SingleInstance::handOver(path("nobody.socket"), path("x.vkr")));
}

TEST_F(HandOver, ASecondStartOfTheProgramHandsItsFileOverAndEnds) {
    start();
    // The second program finds the first through its runtime folder.
    const QString runtime = path("runtime");
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("runtime")));
    QFile::setPermissions(runtime,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    ASSERT_TRUE(app->acceptHandOvers(QDir(runtime).filePath(QStringLiteral("viskora.socket"))));
    const QString basic = basicFile(QStringLiteral("pipe.vkr"));

    QProcess second;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    second.setProcessEnvironment(environment);
    second.setWorkingDirectory(folder.path());
    second.start(QStringLiteral(VISKORA_PROGRAM), {QStringLiteral("pipe.vkr")});
    ASSERT_TRUE(second.waitForFinished(20000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    ASSERT_TRUE(waitFor([this] { return app->documents().size() == 1; }));
    EXPECT_EQ(activeDocument()->pathName(), basic);
}

// How a file reaches the program.
enum class Way { OpenDialog, RecentFile, Drop, HandOver };

struct UnreadableCase {
    const char* name;
    Way way;
    const char* file;
    QByteArray bytes; // empty: the file is gone
    const char* reason;
};

TEST_F(FileMessages, AFileThatCannotBeOpenedIsNamedInItsMessage) {
    const UnreadableCase cases[] = {
        {"foreign text by Open", Way::OpenDialog, "notes.txt", "hello\n",
         "Cannot read this file.\nThis is not a valid Viskora file."},
        {"gone by Open",
         Way::OpenDialog,
         "gone.vkr",
         {},
         "Cannot read this file.\nNo such file or directory."},
        {"not curves by Open", Way::OpenDialog, "plain.vkc", "{\"a\": 1}\n",
         "Cannot read this file.\nThis is not a Viskora property curves document."},
        {"gone recent file",
         Way::RecentFile,
         "gone.vkr",
         {},
         "Cannot read this file.\nNo such file or directory."},
        {"foreign recent file", Way::RecentFile, "later.vkr", "hello\n",
         "Cannot read this file.\nThis is not a valid Viskora file."},
        {"dropped text", Way::Drop, "dropped.txt", "hello\n",
         "Cannot read this file.\nThis is not a valid Viskora file."},
        {"handed over text", Way::HandOver, "handed.txt", "hello\n",
         "Cannot read this file.\nThis is not a valid Viskora file."},
    };
    for (const UnreadableCase& c : cases) {
        SCOPED_TRACE(c.name);
        const QString file = c.way == Way::RecentFile ? basicFile(QString::fromUtf8(c.file))
                                                      : path(QString::fromUtf8(c.file));
        start();
        if (c.way == Way::RecentFile) {
            dialogs.openAnswers = {file};
            trigger("actionOpen");
            trigger("actionCloseAll");
        }
        QFile::remove(file);
        if (!c.bytes.isEmpty()) {
            textFile(QString::fromUtf8(c.file), c.bytes);
        }
        MessageBoxScript boxes;
        switch (c.way) {
        case Way::OpenDialog:
            dialogs.openAnswers = {file};
            trigger("actionOpen");
            break;
        case Way::RecentFile:
            trigger("actionRecentFile1");
            break;
        case Way::Drop: {
            QMimeData data;
            data.setUrls({QUrl::fromLocalFile(file)});
            QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton,
                                  Qt::NoModifier);
            QApplication::sendEvent(frame().mdiArea().viewport(), &enter);
            QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(frame().mdiArea().viewport(), &drop);
            break;
        }
        case Way::HandOver: {
            const QString server = path(QStringLiteral("server"));
            ASSERT_TRUE(app->acceptHandOvers(server));
            ASSERT_TRUE(SingleInstance::handOver(server, file));
            break;
        }
        }
        ASSERT_TRUE(waitFor([&boxes] { return !boxes.texts.isEmpty(); }));
        EXPECT_EQ(boxes.texts, QStringList{QStringLiteral("Cannot open %1\n%2")
                                               .arg(QDir::toNativeSeparators(file),
                                                    QString::fromUtf8(c.reason))});
        quit();
    }
}

struct FailuresCase {
    const char* name;
    QList<std::pair<QString, QString>> failures;
    QString expected;
};

TEST(OpenFailuresTextTest, NamesEachFileWithItsReason) {
    const FailuresCase cases[] = {
        {"one file",
         {{"/data/a.txt", "Cannot read this file.\nWhy."}},
         "Cannot open /data/a.txt\nCannot read this file.\nWhy."},
        {"two files, one reason",
         {{"/data/a.txt", "Cannot read this file.\nWhy."},
          {"/data/b.txt", "Cannot read this file.\nWhy."}},
         "2 files were not opened.\n\nCannot read this file.\nWhy.\n    /data/a.txt\n    "
         "/data/b.txt"},
        {"two reasons",
         {{"/data/a.txt", "First."}, {"/data/b.vkc", "Second."}, {"/data/c.txt", "First."}},
         "3 files were not opened.\n\nFirst.\n    /data/a.txt\n    /data/c.txt\n\nSecond.\n    "
         "/data/b.vkc"},
    };
    // Twelve files of one reason and two of another: the list stops at ten,
    // and each reason still says how many files it has left.
    QList<std::pair<QString, QString>> many;
    for (int i = 0; i < 12; ++i) {
        many.append({QStringLiteral("/data/%1.txt").arg(i), QStringLiteral("First.")});
    }
    many.append({QStringLiteral("/data/x.vkc"), QStringLiteral("Second.")});
    many.append({QStringLiteral("/data/y.vkc"), QStringLiteral("Second.")});
    const QString text = openFailuresText(many);
    EXPECT_TRUE(text.contains(QStringLiteral("/data/9.txt\n    ... and 2 more files\n\nSecond.\n"
                                             "    ... and 2 more files")))
        << text.toStdString();
    for (const FailuresCase& c : cases) {
        EXPECT_EQ(openFailuresText(c.failures), c.expected) << c.name;
    }
}

} // namespace
} // namespace viskora::testing
