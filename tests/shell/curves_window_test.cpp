#include "shell_fixture.h"

#include "property_curves_ui/curves_table_model.h"
#include "property_curves_ui/curves_window.h"
#include "shell/main_frame.h"
#include "shell/property_curves_frame.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTest>

namespace viskora::testing {
namespace {

using CurvesWindows = ShellTest;

QByteArray contents(const QString& file) {
    QFile in(file);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

// The CSV's records split into fields (the tests' files hold no quoted
// fields with commas).
QList<QByteArrayList> csvRecords(const QByteArray& text) {
    QList<QByteArrayList> records;
    for (QByteArray line : text.split('\n')) {
        line = line.trimmed();
        if (!line.isEmpty()) {
            records << line.split(',');
        }
    }
    return records;
}

void setText(CurvesWindow& window, const char* name, const char* text) {
    auto* box = window.findChild<QLineEdit*>(QString::fromLatin1(name));
    ASSERT_NE(box, nullptr) << name;
    box->setText(QString::fromLatin1(text));
    emit box->textEdited(box->text());
}

bool sweep(CurvesWindow& window) {
    MessageBoxScript yes({QMessageBox::Yes, QMessageBox::Yes, QMessageBox::Yes});
    bool finished = false;
    QObject::connect(&window, &CurvesWindow::sweepFinished, &window, [&] { finished = true; });
    window.findChild<QPushButton*>(QStringLiteral("calculate"))->click();
    return waitFor([&] { return finished; }, 30000);
}

// The desktop window and the calculator must give the same numbers for the
// same oil: the window's CSV export in the default units against
// `viskora-calc curves --csv`, field by field. A unit picked for a column
// then converts that column, marks the document and names the unit.
TEST_F(CurvesWindows, SweepMatchesTheCalculatorAndExportsInTheChosenUnit) {
    start();
    trigger("actionNewCurves");
    CurvesFrame* frame = this->frame().activeCurves();
    ASSERT_NE(frame, nullptr);
    CurvesWindow& window = frame->window();
    setText(window, "density", "850");
    setText(window, "from", "-20");
    setText(window, "to", "280");
    setText(window, "step", "20");
    setText(window, "measured1", "12.5");
    setText(window, "measuredTemp1", "40");
    ASSERT_TRUE(sweep(window));
    EXPECT_TRUE(frame->isModified());
    ASSERT_EQ(window.model().rowCount(), 16);

    dialogs.saveAnswers = {path(QStringLiteral("window.csv"))};
    window.findChild<QPushButton*>(QStringLiteral("csv"))->click();
    QProcess calc;
    calc.start(QStringLiteral(VISKORA_CALC),
               {QStringLiteral("curves"), QStringLiteral("--density=850"),
                QStringLiteral("--temps=-20:280:20"),
                QStringLiteral("--measured-viscosity=12.5@40"), QStringLiteral("--csv"),
                QStringLiteral("--yes")});
    ASSERT_TRUE(calc.waitForFinished(30000));
    const auto expected = csvRecords(calc.readAllStandardOutput());
    const auto shown = csvRecords(contents(path(QStringLiteral("window.csv"))));
    ASSERT_EQ(shown.size(), 17);
    ASSERT_EQ(shown.size(), expected.size());
    // The same headings, unit names and all, so that one script reads both.
    EXPECT_EQ(shown[0], expected[0]);
    for (qsizetype row = 1; row < shown.size(); ++row) {
        // Every number; the messages are worded for their medium.
        for (qsizetype column = 0; column + 1 < expected[row].size(); ++column) {
            EXPECT_EQ(shown[row].value(column), expected[row][column])
                << "row " << row << ", " << expected[0][column].toStdString();
        }
    }

    // Liquid viscosity in m2/s (the first of its list): a millionth of mm2/s.
    frame->setModified(false);
    CurvesTableModel& model = window.model();
    const int viscosity = model.columnOf("liquidViscosity");
    const double before = *model.value(0, viscosity);
    model.setColumnUnit(viscosity, 0);
    EXPECT_TRUE(frame->isModified());
    const QString heading = QStringLiteral("liquidViscosity [m2/s]");
    EXPECT_EQ(model.heading(viscosity), heading);
    EXPECT_DOUBLE_EQ(*model.value(0, viscosity), before * 1e-6);
    dialogs.saveAnswers = {path(QStringLiteral("chosen.csv"))};
    window.findChild<QPushButton*>(QStringLiteral("csv"))->click();
    const auto exported = csvRecords(contents(path(QStringLiteral("chosen.csv"))));
    ASSERT_EQ(exported.size(), 17);
    EXPECT_EQ(QString::fromUtf8(exported[0][viscosity]), heading);
    EXPECT_EQ(exported[1][viscosity].toDouble(), *model.value(0, viscosity));

    // The workbook and the plot in each format, each file what its name says.
    const std::pair<const char*, QByteArray> files[] = {
        {"xlsx", "PK"}, {"plotFile", "\x89PNG"}, {"plotFile", "<?xml"}, {"plotFile", "%PDF"}};
    const char* names[] = {"table.xlsx", "plot.png", "plot.svg", "plot.pdf"};
    for (std::size_t i = 0; i < std::size(files); ++i) {
        dialogs.saveAnswers = {path(QString::fromLatin1(names[i]))};
        window.findChild<QPushButton*>(QString::fromLatin1(files[i].first))->click();
        EXPECT_TRUE(contents(path(QString::fromLatin1(names[i]))).startsWith(files[i].second))
            << names[i];
    }
}

// The sweep puts each of the engine's questions once, in the order a single
// calculation meets them: Yes to the oil's density goes on to the design
// temperature, and No to that stops only the points below 0 deg.C.
TEST_F(CurvesWindows, EachQuestionIsPutOnceAndNoStopsOnlyItsPoints) {
    start();
    trigger("actionNewCurves");
    CurvesWindow& window = frame().activeCurves()->window();
    setText(window, "density", "1050");
    setText(window, "from", "-20");
    setText(window, "to", "20");
    setText(window, "step", "10");
    MessageBoxScript answers({QMessageBox::Yes, QMessageBox::No});
    bool finished = false;
    QObject::connect(&window, &CurvesWindow::sweepFinished, &window, [&] { finished = true; });
    window.findChild<QPushButton*>(QStringLiteral("calculate"))->click();
    ASSERT_TRUE(waitFor([&] { return finished; }, 30000));
    ASSERT_EQ(answers.texts.size(), 2);
    EXPECT_TRUE(answers.texts[0].startsWith(QStringLiteral("Density must be")))
        << answers.texts[0].toStdString();
    EXPECT_TRUE(answers.texts[1].startsWith(QStringLiteral("The design temperature < 0")))
        << answers.texts[1].toStdString();
    const SweepResult& sweep = window.model().sweep();
    ASSERT_EQ(sweep.points.size(), 5u);
    for (const SweepPoint& point : sweep.points) {
        EXPECT_EQ(point.outcome == CalcOutcome::Completed, point.temperature >= 0)
            << point.temperature;
    }
}

// The fraction table is the forms' own: typing goes on to the next cell
// with the Right arrow, a block copied from a spreadsheet is pasted with
// Ctrl+V, and new rows start at "0".
TEST_F(CurvesWindows, FractionTableTakesTypingAcrossCellsAndAPastedBlock) {
    start();
    trigger("actionNewCurves");
    CurvesWindow& window = frame().activeCurves()->window();
    window.findChild<QCheckBox*>(QStringLiteral("useFractions"))->setChecked(true);
    window.findChild<QSpinBox*>(QStringLiteral("fractionCount"))->setValue(3);
    auto* table = window.findChild<QTableView*>(QStringLiteral("fractions"));
    ASSERT_NE(table, nullptr);
    window.activateWindow();
    table->setFocus();
    table->setCurrentIndex(table->model()->index(0, 0));
    for (const Qt::Key key : {Qt::Key_3, Qt::Key_5, Qt::Key_Right, Qt::Key_9, Qt::Key_0,
                              Qt::Key_Right, Qt::Key_1, Qt::Key_5, Qt::Key_Return}) {
        QTest::keyClick(QApplication::focusWidget(), key);
    }
    QApplication::clipboard()->setText(QStringLiteral("90\t200\t50\n200\t350\t35\n"));
    table->setCurrentIndex(table->model()->index(1, 0));
    QTest::keyClick(table, Qt::Key_V, Qt::ControlModifier);
    const CurveDocument document = window.document();
    ASSERT_EQ(document.fractions.size(), 3u);
    EXPECT_EQ(document.fractions[0], (FractionRow{"35", "90", "15"}));
    EXPECT_EQ(document.fractions[1], (FractionRow{"90", "200", "50"}));
    EXPECT_EQ(document.fractions[2], (FractionRow{"200", "350", "35"}));
    window.findChild<QSpinBox*>(QStringLiteral("fractionCount"))->setValue(4);
    EXPECT_EQ(window.document().fractions[3], (FractionRow{"0", "0", "0"}));
}

// Cancel stops a long sweep after the point in hand, and a window closed
// while its sweep runs waits for it instead of leaving the sweep's thread
// writing into a window that is gone.
TEST_F(CurvesWindows, CancelStopsTheSweepAndClosingWaitsForIt) {
    start();
    trigger("actionNewCurves");
    CurvesFrame* frame = this->frame().activeCurves();
    ASSERT_NE(frame, nullptr);
    CurvesWindow& window = frame->window();
    window.findChild<QSpinBox*>(QStringLiteral("pointCount"))->setValue(kMaxSweepPoints);
    MessageBoxScript no({QMessageBox::No, QMessageBox::No});
    bool finished = false;
    QObject::connect(&window, &CurvesWindow::sweepFinished, &window, [&] { finished = true; });
    window.calculate();
    window.cancel();
    ASSERT_TRUE(waitFor([&] { return finished; }, 30000));
    EXPECT_TRUE(window.model().sweep().cancelled);
    EXPECT_LT(window.model().rowCount(), kMaxSweepPoints);

    window.calculate();
    EXPECT_TRUE(window.isRunning());
    frame->closeWithoutPrompt();
    EXPECT_TRUE(waitFor([&] { return app->curvesWindows().isEmpty(); }));
}

// Leaving the program with a changed curves window asks to save it, and
// Cancel keeps the program and the window open.
TEST_F(CurvesWindows, ExitAsksToSaveAChangedWindow) {
    start();
    trigger("actionNewCurves");
    ASSERT_NE(frame().activeCurves(), nullptr);
    setText(frame().activeCurves()->window(), "density", "880");
    MessageBoxScript cancel({QMessageBox::Cancel});
    EXPECT_FALSE(frame().close());
    EXPECT_EQ(cancel.texts, QStringList{QStringLiteral("Save changes to ViskoraCurves1?")});
    EXPECT_EQ(app->curvesWindows().size(), 1);
}

// A curves window is a document: Save As writes a .vkc that File > Open
// recognises by its content whatever its name, with the units picked; a
// damaged one is refused with the reader's reason and opens nothing.
TEST_F(CurvesWindows, SavedDocumentsOpenByContentAndDamagedOnesAreRefused) {
    start();
    // A new curves window takes the oil of the calculation in front.
    app->openDocumentFile(additionalFile(QStringLiteral("in front.vkr"), "870"));
    trigger("actionNewCurves");
    CurvesFrame* frame = this->frame().activeCurves();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->window().document().densityText, "870");
    frame->window().model().setColumnUnit(frame->window().model().columnOf("liquidDensity"), 1);
    const CurveDocument saved = frame->window().document();
    dialogs.saveAnswers = {path(QStringLiteral("oil.data"))};
    trigger("actionSaveAs");
    EXPECT_FALSE(frame->isModified());
    EXPECT_EQ(frame->title(), QStringLiteral("oil.data"));
    EXPECT_EQ(app->recentFiles().paths().value(0), path(QStringLiteral("oil.data")));
    frame->close();
    ASSERT_TRUE(waitFor([&] { return app->curvesWindows().isEmpty(); }));

    app->openDocumentFile(path(QStringLiteral("oil.data")));
    ASSERT_EQ(app->curvesWindows().size(), 1);
    EXPECT_EQ(app->curvesWindows().front()->window().document(), saved);
    EXPECT_FALSE(app->curvesWindows().front()->isModified());

    const QString damaged = textFile(QStringLiteral("damaged.vkc"), "{\"format\": 12");
    MessageBoxScript boxes;
    app->openDocumentFile(damaged);
    EXPECT_EQ(app->curvesWindows().size(), 1);
    ASSERT_EQ(boxes.texts.size(), 1);
    EXPECT_TRUE(boxes.texts.front().contains(QStringLiteral("damaged.vkc")));
}

} // namespace
} // namespace viskora::testing
