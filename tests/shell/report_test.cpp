#include "shell_fixture.h"

#include "forms/oil_form_view.h"
#include "shell/about_dlg.h"
#include "shell/help_window.h"
#include "shell/main_frame.h"
#include "shell/oil_document.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>

#include <algorithm>
#include <ostream>

namespace viskora::testing {
namespace {

using Reports = ShellTest;
using Help = ShellTest;

QUrl fileUrl(const QString& path) {
    return QUrl::fromLocalFile(path);
}

TEST_F(Reports, EachCommandWritesItsFileIntoTheOutputFolderAndOpensIt) {
    start();
    trigger("actionNewBasic");
    dialogs.saveAnswers = {path("pipe.vkr")};
    trigger("actionSave");
    qobject_cast<QAbstractButton*>(activeDocument()->view().control("calculate"))->click();

    trigger("actionTextReport");
    trigger("actionHtmlReport");
    trigger("actionExcelExport");
    trigger("actionPdfReport");
    const QString out = path("OUT");
    EXPECT_EQ(opener.urls, (QList<QUrl>{fileUrl(out + "/pipe.txt"), fileUrl(out + "/pipe.html"),
                                        fileUrl(out + "/pipe.xlsx"), fileUrl(out + "/pipe.pdf")}));
    for (const char* name : {"pipe.txt", "pipe.html", "pipe.xlsx", "pipe.pdf"}) {
        EXPECT_GT(QFileInfo(QDir(out).filePath(QLatin1String(name))).size(), 0) << name;
    }
    QFile text(out + "/pipe.txt");
    ASSERT_TRUE(text.open(QIODevice::ReadOnly));
    EXPECT_TRUE(text.readAll().contains("Calculation results"));

    // At exit the files go; a folder in there stays with its contents.
    ASSERT_TRUE(QDir(out).mkpath(QStringLiteral("keep")));
    QFile kept(out + "/keep/mine.txt");
    ASSERT_TRUE(kept.open(QIODevice::WriteOnly));
    kept.close();
    quit();
    EXPECT_EQ(QDir(out).entryList(QDir::Files), QStringList());
    EXPECT_TRUE(QFile::exists(out + "/keep/mine.txt"));
}

TEST_F(Reports, ANewCalculationIsNamedByItsTitleAndTextTypedSinceIsIncluded) {
    start();
    trigger("actionNewAdditional");
    qobject_cast<QLineEdit*>(activeDocument()->view().control("density"))->setText("777.5");
    trigger("actionTextReport");
    QFile text(path("OUT/ViskoraAddCalc1.txt"));
    ASSERT_TRUE(text.open(QIODevice::ReadOnly));
    EXPECT_TRUE(text.readAll().contains("777.5"));
}

TEST_F(Reports, AReportNoProgramCouldOpenSaysWhereItIs) {
    start();
    trigger("actionNewBasic");
    opener.opens = false;
    MessageBoxScript boxes;
    trigger("actionHtmlReport");
    ASSERT_EQ(boxes.texts.size(), 1);
    EXPECT_TRUE(
        boxes.texts[0].contains(QDir::toNativeSeparators(path("OUT/ViskoraBasicCalc1.html"))));
}

// xdg-open starts even when no program is registered for the type and fails
// later; the report then seemed to vanish.
TEST_F(Reports, AReportWhoseOpenerFailsLaterSaysWhereItIs) {
    start();
    trigger("actionNewBasic");
    MessageBoxScript boxes;
    trigger("actionTextReport");
    EXPECT_TRUE(boxes.texts.isEmpty());
    ASSERT_EQ(opener.failures.size(), 1U);
    ASSERT_TRUE(opener.failures[0]);
    opener.failures[0]();
    ASSERT_EQ(boxes.texts.size(), 1);
    EXPECT_TRUE(
        boxes.texts[0].contains(QDir::toNativeSeparators(path("OUT/ViskoraBasicCalc1.txt"))));
    // The opener was there: the box must not say that none could be started,
    // and the file goes with the output folder at exit.
    EXPECT_FALSE(boxes.texts[0].contains(QStringLiteral("No program could be started")));
    EXPECT_TRUE(boxes.texts[0].contains(QStringLiteral("Save Report As")));
}

struct OpenerCase {
    const char* what;
    const char* program;
    bool started;
    bool failedLater;
};

TEST(DesktopOpener, TheOpenersExitStatusIsWatched) {
    const OpenerCase cases[] = {
        {"an opener that succeeds", "true", true, false},
        {"an opener that fails after it started", "false", true, true},
        {"no opener installed", "no-such-opener-here", false, false},
    };
    QTemporaryDir folder;
    const QUrl file = QUrl::fromLocalFile(folder.filePath(QStringLiteral("report.txt")));
    for (const OpenerCase& c : cases) {
        SCOPED_TRACE(c.what);
        DesktopShellOpener opener{QString::fromLatin1(c.program)};
        bool failed = false;
        EXPECT_EQ(opener.openUrl(file, [&failed] { failed = true; }), c.started);
        EXPECT_TRUE(waitFor([&opener] {
            const QList<QProcess*> processes = opener.findChildren<QProcess*>();
            return std::all_of(processes.begin(), processes.end(), [](const QProcess* process) {
                return process->state() == QProcess::NotRunning;
            });
        }));
        EXPECT_EQ(failed, c.failedLater);
    }
}

// A report in the output folder goes at exit; Save Report As keeps one where
// the user wants it.
TEST_F(Reports, SaveReportAsWritesTheKindItsNameSaysAndRemembersTheFolder) {
    struct Case {
        const char* name;
        QByteArray start;
    };
    const Case cases[] = {
        {"kept/pipe.txt", "Thermophysical properties"},
        {"kept/pipe.html", "<html>"},
        {"kept/pipe.HTM", "<html>"},
        {"kept/pipe.xlsx", "PK"},
        {"kept/pipe.pdf", "%PDF-"},
    };
    ASSERT_TRUE(QDir(path(QString())).mkpath(QStringLiteral("kept")));
    start();
    trigger("actionNewBasic");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        dialogs.saveAnswers = {path(QString::fromLatin1(c.name))};
        MessageBoxScript boxes;
        trigger("actionSaveReportAs");
        EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join(u'|').toStdString();
        QFile written(path(QString::fromLatin1(c.name)));
        ASSERT_TRUE(written.open(QIODevice::ReadOnly));
        EXPECT_TRUE(written.readAll().startsWith(c.start));
    }
    EXPECT_TRUE(opener.urls.isEmpty());
    // The first proposal is in the home folder, the later ones where the last went.
    ASSERT_EQ(dialogs.reportSuggestions.size(), 5);
    EXPECT_EQ(dialogs.reportSuggestions[0],
              QDir(QDir::homePath()).filePath(QStringLiteral("ViskoraBasicCalc1.pdf")));
    EXPECT_EQ(dialogs.reportSuggestions[4], path(QStringLiteral("kept/ViskoraBasicCalc1.pdf")));

    // The folder is kept for the next start; a name of no report kind is
    // refused, and the dialog comes back with it to be mended.
    quit();
    start();
    trigger("actionNewBasic");
    dialogs.saveAnswers = {path(QStringLiteral("kept/notes.doc")),
                           path(QStringLiteral("kept/notes.txt"))};
    MessageBoxScript boxes;
    trigger("actionSaveReportAs");
    ASSERT_GE(dialogs.reportSuggestions.size(), 2);
    EXPECT_EQ(dialogs.reportSuggestions[dialogs.reportSuggestions.size() - 2],
              path(QStringLiteral("kept/ViskoraBasicCalc1.pdf")));
    EXPECT_EQ(dialogs.reportSuggestions.last(), path(QStringLiteral("kept/notes.doc")));
    EXPECT_EQ(boxes.texts.size(), 1);
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("kept/notes.doc"))));
    EXPECT_TRUE(QFile::exists(path(QStringLiteral("kept/notes.txt"))));
}

TEST_F(Reports, AnOutputFolderThatCannotBeMadeIsReported) {
    textFile(QStringLiteral("blocker"), "a file where a folder should be");
    AppOptions blocked = options();
    blocked.outputFolder = path("blocker/OUT").toStdString();
    app = std::make_unique<CViskoraApp>(blocked);
    app->initInstance({path("bin/viskora")});
    trigger("actionNewBasic");
    MessageBoxScript boxes;
    trigger("actionTextReport");
    EXPECT_EQ(boxes.texts, QStringList{QStringLiteral("Error while creating directory!\n") +
                                       path("blocker/OUT") + QStringLiteral("\nNot a directory.")});
    EXPECT_TRUE(opener.urls.isEmpty());
}

TEST_F(Reports, TheHomePageCommandOpensTheMakersAddress) {
    start();
    trigger("actionHomePage");
    EXPECT_EQ(opener.urls, QList<QUrl>{QUrl(QStringLiteral("https://www.viskora.example/"))});
}

TEST(HelpLocation, BesideTheExecutableOrInTheInstalledDataFolder) {
    QTemporaryDir root;
    const QDir dir(root.path());
    ASSERT_TRUE(dir.mkpath("build/help") && dir.mkpath("usr/bin") &&
                dir.mkpath("usr/share/viskora/help"));
    for (const char* page : {"build/help/index.html", "usr/share/viskora/help/index.html"}) {
        QFile file(dir.filePath(QLatin1String(page)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    EXPECT_EQ(locateHelpContents(dir.filePath("build")),
              QFileInfo(dir.filePath("build/help/index.html")).canonicalFilePath());
    EXPECT_EQ(locateHelpContents(dir.filePath("usr/bin")),
              QFileInfo(dir.filePath("usr/share/viskora/help/index.html")).canonicalFilePath());
    EXPECT_EQ(locateHelpContents(dir.filePath("usr")), QString());
}

TEST_F(Help, ContentsAndF1ShowTheContentsPage) {
    start();
    trigger("actionHelpContents");
    ASSERT_NE(app->helpWindow(), nullptr);
    EXPECT_TRUE(app->helpWindow()->isVisible());
    EXPECT_EQ(app->helpWindow()->currentPage(), app->helpContentsPath());
    EXPECT_EQ(QFileInfo(app->helpContentsPath()).fileName(), QStringLiteral("index.html"));
    app->helpWindow()->close();

    frame().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame()));
    QTest::keyClick(&frame(), Qt::Key_F1);
    EXPECT_TRUE(app->helpWindow()->isVisible());

    // Escape in the guide's page closes it.
    HelpWindow* help = app->helpWindow();
    help->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(help));
    QWidget* page = help->findChild<QTextBrowser*>();
    page->setFocus();
    QTest::keyClick(page, Qt::Key_Escape);
    EXPECT_FALSE(help->isVisible());
}

TEST_F(Help, MissingPagesAreReported) {
    QFile::remove(path("bin/help/index.html"));
    start();
    MessageBoxScript boxes;
    trigger("actionHelpContents");
    EXPECT_EQ(boxes.texts.size(), 1);
    EXPECT_EQ(app->helpWindow(), nullptr);
}

struct AboutLinkCase {
    const char* name;
    QLabel& (CAboutDlg::*link)() const;
    QString shown;
    QUrl target;
};

void PrintTo(const AboutLinkCase& c, std::ostream* out) {
    *out << c.name;
}

class AboutLink : public ::testing::TestWithParam<AboutLinkCase> {};

// A click on a link's text hands its target to the desktop.
TEST_P(AboutLink, AClickOnItsTextOpensTheTarget) {
    RecordingOpener opener;
    CAboutDlg dialog(opener);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("About Viskora"));
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QLabel& link = (dialog.*GetParam().link)();
    QTextDocument text;
    text.setHtml(link.text());
    EXPECT_EQ(text.toPlainText(), GetParam().shown);
    QTest::mouseClick(&link, Qt::LeftButton, {}, QPoint(2, link.height() / 2));
    EXPECT_EQ(opener.urls, QList<QUrl>{GetParam().target});
}

INSTANTIATE_TEST_SUITE_P(
    AboutBox, AboutLink,
    ::testing::Values(AboutLinkCase{"HomePage", &CAboutDlg::homePageLink,
                                    QStringLiteral("www.viskora.example"),
                                    QUrl(QStringLiteral("https://www.viskora.example/"))},
                      AboutLinkCase{"Support", &CAboutDlg::supportLink,
                                    QStringLiteral("support@viskora.example"),
                                    QUrl(QStringLiteral("mailto:support@viskora.example"))}),
    [](const auto& info) { return std::string(info.param.name); });

QString helpPage(const QDir& folder, const QString& name) {
    QFile file(folder.filePath(name));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

struct HelpPageCase {
    const char* page;
    QStringList says; // phrases the page must hold
};

TEST(HelpPages, EveryPageIsListedInTheContentsAndTellsItsSubject) {
    const QDir folder(QStringLiteral(VISKORA_HELP_DIR));
    const QString contents = helpPage(folder, QStringLiteral("index.html"));
    ASSERT_FALSE(contents.isEmpty());
    const HelpPageCase cases[] = {
        {"basic.html",
         {"true, by narrow cuts", "Riazi–Daubert", "Lee–Kesler", "Raoult's law", "Light ends",
          "whole</i> oil's mass", "first fraction", "lower bound"}},
        {"additional.html", {"Bubble-point pressure", "above the bubble point", "below it"}},
        {"inputs.html", {}},
        {"fractions.html", {}},
        {"units.html", {}},
        {"files.html",
         {"changed as soon as you type in its form", "vapourPressure=cuts",
          "lightEnd=COMPONENT:SHARE", "bubblePoint=", "bubblePointUnit=", "true, by narrow cuts"}},
        {"reports.html", {}},
        {"pdf_reports.html",
         {"PDF Report", "A4", "Save Report As...", ".txt", ".html", ".xlsx", ".pdf",
          "opens nothing", "proposed the next time"}},
        {"from_curve.html",
         {"From Curve...", "D86", "TBP by volume", "D2887", "D1160", "Fill",
          "Use fractional composition"}},
        {"curves.html",
         {"Property Curves", "1,000", "measured", "anchored liquid viscosity",
          "of the oil as a whole", "by narrow cuts", "both</b> liquid viscosities", "Right-click",
          "logarithmic", "CSV...", "Excel...", "Plot...", "Copy", ".vkc", "Light ends",
          "true vapour pressure"}},
        {"assays.html",
         {"Add Oil", "Ctrl+V", "Right-click", "Calculate", "Report...", "Open as Assay", "100 %",
          ".vka", "Light ends", "Reid vapour pressure", "VPCR4", "Dissolved air"}},
    };
    QStringList listed;
    const QRegularExpression link(QStringLiteral("href=\"([^\"#]+)\""));
    for (const QRegularExpressionMatch& match : link.globalMatch(contents)) {
        listed << match.captured(1);
    }
    for (const HelpPageCase& c : cases) {
        const QString name = QString::fromUtf8(c.page);
        SCOPED_TRACE(c.page);
        EXPECT_TRUE(listed.contains(name));
        const QString page = helpPage(folder, name);
        EXPECT_TRUE(page.contains(QStringLiteral("<a href=\"index.html\">Contents</a>")));
        for (const QString& phrase : c.says) {
            EXPECT_TRUE(page.contains(phrase)) << phrase.toStdString();
        }
    }
    const QStringList pages = folder.entryList({QStringLiteral("*.html")}, QDir::Files);
    EXPECT_EQ(pages.size(), std::size(cases) + 1);
    for (const QString& name : listed) {
        EXPECT_TRUE(pages.contains(name)) << name.toStdString();
    }
}

} // namespace
} // namespace viskora::testing
