#include "engine/calc_sequence.h"
#include "engine/oil_calc.h"
#include "form_fixture.h"
#include "forms/simple_oil_view.h"
#include "message_box_answerer.h"
#include "units/display_format.h"

#include "forms/num_edit.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace viskora {
namespace {

using Form = testing::FormFixture<CSimpleOilView>;
using testing::MessageBoxAnswerer;

constexpr int kResultBoxes[] = {1011, 1013, 1016, 1017, 1018, 1024, 1030, 1027};
constexpr int kFractionControls[] = {1053, 1039, 1044, 1045, 1040, 1041, 1042, 1043, 1046};

// What the engine gives for a density alone, in base units.
BasicResults engineResults(double density) {
    COilCalc calc;
    calc.inputMode = 1;
    calc.densityIn = density;
    EXPECT_EQ(runBasicCalculation(calc), CalcOutcome::Completed);
    return basicResults(calc);
}

TEST(BasicForm, ANewFormShowsItsDefaults) {
    Form f;
    EXPECT_EQ(f.text(1003), QStringLiteral("702.7"));
    EXPECT_EQ(f.text(1005), QStringLiteral("20"));
    for (int id : kResultBoxes) {
        EXPECT_EQ(f.text(id), QStringLiteral("0")) << id;
    }
    const std::pair<int, const char*> units[] = {
        {1004, "kg/m3"},     {1006, "°C - Celsius"}, {1008, "kg/m3"},
        {1014, "kJ/(kg•K)"}, {1021, "Wt/(m•K)"},     {1022, "mm2/c"},
        {1026, "N/m"},       {1025, "MPa (MN/m2)"},  {1034, "°C - Celsius"},
    };
    for (const auto& [id, name] : units) {
        EXPECT_EQ(f.unit(id), QString::fromUtf8(name)) << id;
    }
    EXPECT_EQ(f.get<QLabel>(1037)->text(), QStringLiteral("Saturated vapor pressure : "));
    EXPECT_EQ(f.get<QLabel>(1046)->text(), QStringLiteral("The number of fractions"));
    EXPECT_EQ(f.get<QCheckBox>(1055)->text(), QStringLiteral("Use fractional composition"));
    EXPECT_FALSE(f.get<QCheckBox>(1055)->isChecked());
    EXPECT_EQ(f.text(1039), QStringLiteral("5"));
    ASSERT_EQ(f.grid().rowCount(), 5);
    for (int row = 0; row < 5; ++row) {
        EXPECT_EQ(f.cell(row, 0), QString::number(row + 1));
        for (int column = 1; column <= 3; ++column) {
            EXPECT_EQ(f.cell(row, column), QStringLiteral("0"));
        }
    }
    for (int id : kFractionControls) {
        EXPECT_FALSE(f.view->control(id)->isEnabled()) << id;
    }
    EXPECT_EQ(f.view->sizeHint(), f.view->templateSize());
}

TEST(BasicForm, ACellStillBeingEditedReachesTheRecordExchange) {
    // Save and the reports start with the exchange; a value typed into a
    // cell whose editor is still open (Ctrl+S from the cell) must not be lost.
    Form f;
    f.click(1055);
    auto* table = f.grid().findChild<QTableWidget*>();
    ASSERT_NE(table, nullptr);
    const QModelIndex index = table->model()->index(0, 1);
    table->setCurrentIndex(index);
    table->edit(index);
    auto* editor = table->viewport()->findChild<CNumEdit*>();
    ASSERT_NE(editor, nullptr);
    editor->setText(QStringLiteral("350"));
    EXPECT_EQ(f.cell(0, 1), QStringLiteral("0"));
    f.view->exchangeToRecord();
    EXPECT_EQ(f.cell(0, 1), QStringLiteral("350"));
}

TEST(BasicForm, SwitchGreysExactlyTheFractionControlsAndKeepsTheTable) {
    Form f;
    f.click(1055);
    EXPECT_EQ(f.view->record().useFractions, 1);
    for (int id : kFractionControls) {
        EXPECT_TRUE(f.view->control(id)->isEnabled()) << id;
    }
    f.view->record().fractions[0][0] = "not shown again";
    QLineEdit* count = f.get<QLineEdit>(1039);
    count->setText(QStringLiteral("2"));
    f.click(1045);
    f.click(1055);
    EXPECT_EQ(f.view->record().useFractions, 0);
    for (int id : kFractionControls) {
        EXPECT_FALSE(f.view->control(id)->isEnabled()) << id;
    }
    for (int id : {1054, 1055, 1003, 1019}) {
        EXPECT_TRUE(f.view->control(id)->isEnabled()) << id;
    }
    f.click(1055);
    EXPECT_EQ(f.grid().rowCount(), 2);
    EXPECT_EQ(f.cell(0, 1), QStringLiteral("0"));
}

TEST(BasicForm, ApplyClampsTheCountAndKeepsExistingRows) {
    Form f;
    f.click(1055);
    for (int row = 0; row < 5; ++row) {
        f.grid().setCellText(row, 1, QString::number(100 + row));
    }
    struct Step {
        const char* typed;
        const char* shown;
        int rows;
    };
    const Step steps[] = {
        {"3", "3", 3}, {"7", "7", 7}, {"7", "7", 7}, {"150", "100", 100}, {"0", "1", 1},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.typed);
        f.setText(1039, QString::fromUtf8(step.typed));
        f.click(1045);
        EXPECT_EQ(f.text(1039), QString::fromUtf8(step.shown));
        EXPECT_EQ(f.view->record().fractionCount, step.rows);
        ASSERT_EQ(f.grid().rowCount(), step.rows);
        for (int row = 0; row < step.rows; ++row) {
            EXPECT_EQ(f.cell(row, 0), QString::number(row + 1));
            // Rows 1 to 3 keep their texts; rows deleted and appended again are "0".
            EXPECT_EQ(f.cell(row, 1), row < 3 ? QString::number(100 + row) : QStringLiteral("0"));
            EXPECT_EQ(f.cell(row, 3), QStringLiteral("0"));
        }
    }
}

TEST(BasicForm, SpinStaysWithinOneToHundredAndCountBoxTakesDigitsOnly) {
    Form f;
    f.click(1055);
    QLineEdit* count = f.get<QLineEdit>(1039);
    count->setText(QStringLiteral("99"));
    QTest::keyClick(count, Qt::Key_Up);
    QTest::keyClick(count, Qt::Key_Up);
    EXPECT_EQ(count->text(), QStringLiteral("100"));
    count->setText(QStringLiteral("2"));
    QTest::keyClick(count, Qt::Key_Down);
    QTest::keyClick(count, Qt::Key_Down);
    EXPECT_EQ(count->text(), QStringLiteral("1"));
    count->setText(QStringLiteral("500"));
    QTest::keyClick(count, Qt::Key_Down);
    EXPECT_EQ(count->text(), QStringLiteral("100"));
    count->clear();
    QTest::keyClicks(count, QStringLiteral("1a-2"));
    EXPECT_EQ(count->text(), QStringLiteral("12"));
    // The count box is only a request: the grid changes on Apply.
    EXPECT_EQ(f.grid().rowCount(), 5);
}

TEST(BasicForm, CalculateShowsTheEnginesResultsAndMarksTheDocument) {
    Form f;
    QSignalSpy modified(f.view.get(), &OilFormView::documentModified);
    QSignalSpy completed(f.view.get(), &OilFormView::calculationCompleted);
    f.setText(1003, QStringLiteral("850"));
    MessageBoxAnswerer answerer;
    f.click(1019);
    EXPECT_TRUE(answerer.shown().empty());
    EXPECT_EQ(modified.count(), 1);
    EXPECT_EQ(completed.count(), 1);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    const BasicResults expected = engineResults(850);
    const BasicDocumentRecord& record = f.view->record();
    EXPECT_EQ(record.resDensityBase, expected.density);
    EXPECT_EQ(record.resHeatBase, expected.specificHeat);
    EXPECT_EQ(record.resCritTempBase, expected.pseudoCritTemp);
    const std::pair<int, double> shown[] = {
        {1011, expected.density},
        {1013, expected.specificHeat},
        {1016, expected.thermalConductivity},
        {1017, expected.kinematicViscosity},
        {1018, expected.surfaceTension},
        {1024, expected.vapourPressure},
        {1030, expected.pseudoCritTemp},
        {1027, expected.prandtl},
    };
    for (const auto& [id, value] : shown) {
        EXPECT_EQ(f.text(id), QString::fromStdString(formatForDisplay(value))) << id;
    }

    // The same inputs again give the same texts: nothing survives a calculation.
    const QString viscosity = f.text(1017);
    f.click(1019);
    EXPECT_EQ(f.text(1017), viscosity);
    EXPECT_EQ(modified.count(), 2);
}

TEST(BasicForm, ResultsAreShownInTheUnitsSelectedAtCalculate) {
    Form f;
    f.pick(1008, 1); // g/cm3
    f.pick(1034, 2); // deg.F
    MessageBoxAnswerer answerer;
    f.click(1019);
    const BasicResults expected = engineResults(702.7);
    EXPECT_EQ(f.text(1011), QString::fromStdString(formatForDisplay(expected.density / 1000)));
    EXPECT_EQ(f.text(1030), QString::fromStdString(formatForDisplay(
                                COilCalc::convertTemperature(expected.pseudoCritTemp, 2, 3))));
}

TEST(BasicForm, AStoppedCalculationChangesNothing) {
    struct Case {
        const char* what;
        const char* density;
        QMessageBox::StandardButton answer;
        const char* message;
        QMessageBox::Icon icon;
    };
    const Case cases[] = {
        {"input error", "", QMessageBox::Ok, "Density must be specified.", QMessageBox::Warning},
        {"No to a warning", "1200", QMessageBox::No,
         "Density must be >= 600 kg/m3 and <= 990 kg/m3.\nPossible calculation error.\nContinue?",
         QMessageBox::Warning},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Form f;
        {
            MessageBoxAnswerer first;
            f.click(1019);
        }
        const BasicDocumentRecord before = f.view->record();
        QSignalSpy modified(f.view.get(), &OilFormView::documentModified);
        f.setText(1003, QString::fromUtf8(c.density));
        MessageBoxAnswerer answerer({c.answer});
        f.click(1019);
        ASSERT_EQ(answerer.shown().size(), 1U);
        EXPECT_EQ(answerer.shown()[0].text, QString::fromUtf8(c.message));
        EXPECT_EQ(answerer.shown()[0].icon, c.icon);
        EXPECT_EQ(modified.count(), 0);
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(f.view->record().resDensityBase, before.resDensityBase);
        EXPECT_EQ(f.view->record().resPrandtlText, before.resPrandtlText);
        EXPECT_EQ(f.text(1011), QString::fromStdString(before.resDensityText));
        EXPECT_EQ(f.text(1027), QString::fromStdString(before.resPrandtlText));
    }
}

TEST(BasicForm, YesToAWarningGoesOn) {
    Form f;
    f.setText(1003, QStringLiteral("1200"));
    MessageBoxAnswerer answerer({QMessageBox::Yes});
    QSignalSpy modified(f.view.get(), &OilFormView::documentModified);
    f.click(1019);
    ASSERT_EQ(answerer.shown().size(), 1U);
    EXPECT_EQ(answerer.shown()[0].buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(modified.count(), 1);
    EXPECT_NE(f.text(1011), QStringLiteral("0"));
}

TEST(BasicForm, AUnitChangeConvertsFromTheStoredBaseValue) {
    Form f;
    EXPECT_EQ(f.text(1011), QStringLiteral("0"));
    f.pick(1008, 4);
    EXPECT_EQ(f.text(1011), QStringLiteral("0")); // before any calculation

    f.view->record().resDensityBase = 850;
    f.view->record().resCritTempBase = 400;
    f.view->exchangeToControls();
    f.pick(1008, 1);
    EXPECT_EQ(f.text(1011), QStringLiteral("0.85"));
    EXPECT_EQ(f.view->record().resDensityUnitIndex, 1);
    EXPECT_EQ(f.view->record().resDensityUnitName, "g/cm3");
    f.pick(1008, 0);
    EXPECT_EQ(f.text(1011), QStringLiteral("850"));
    EXPECT_EQ(f.view->record().resDensityBase, 850);
    f.pick(1034, 0);
    EXPECT_EQ(f.text(1030), QStringLiteral("673"));
    // An input unit changes nothing at once.
    f.pick(1004, 1);
    EXPECT_EQ(f.text(1003), QStringLiteral("702.7"));
}

TEST(BasicForm, ExchangeStopsAtAnEmptyCountBox) {
    Form f;
    f.click(1055);
    f.setText(1003, QStringLiteral("800"));
    f.setText(1039, QString());
    f.get<QComboBox>(1004)->setCurrentIndex(2);
    MessageBoxAnswerer answerer;
    EXPECT_FALSE(f.view->exchangeToRecord());
    ASSERT_EQ(answerer.texts(), QStringList{QStringLiteral("Enter an integer.")});
    EXPECT_EQ(answerer.shown()[0].buttons, QMessageBox::Ok);
    const BasicDocumentRecord& record = f.view->record();
    EXPECT_EQ(record.densityText, "800");
    EXPECT_EQ(record.useFractions, 1);
    EXPECT_EQ(record.fractionCount, 5);
    EXPECT_EQ(record.densityUnitIndex, 0);
    EXPECT_EQ(f.view->focusWidget(), f.get<QLineEdit>(1039));
}

TEST(BasicForm, AUnitChangeStoppedAtTheCountBoxKeepsThePreviousUnit) {
    Form f;
    f.view->record().resDensityBase = 850;
    f.view->exchangeToControls();
    f.setText(1039, QString());
    MessageBoxAnswerer answerer;
    f.pick(1008, 1);
    EXPECT_EQ(answerer.shown().size(), 1U);
    EXPECT_EQ(f.unit(1008), QStringLiteral("kg/m3"));
    EXPECT_EQ(f.text(1011), QStringLiteral("850"));
    EXPECT_EQ(f.text(1039), QStringLiteral("5"));
}

TEST(BasicForm, CalculateWithAnEmptyCountBoxComplainsOnceAndGoesOn) {
    Form f;
    f.setText(1039, QString());
    QSignalSpy modified(f.view.get(), &OilFormView::documentModified);
    MessageBoxAnswerer answerer;
    f.click(1019);
    EXPECT_EQ(answerer.texts(), QStringList{QStringLiteral("Enter an integer.")});
    EXPECT_EQ(modified.count(), 1);
    EXPECT_EQ(f.text(1039), QStringLiteral("5"));
}

TEST(BasicForm, CalculateReadsTheGridRows) {
    Form f;
    f.click(1055);
    f.setText(1039, QStringLiteral("3"));
    f.click(1045);
    auto& grid = f.grid();
    const char* rows[3][3] = {{"50", "100", "30"}, {"100", "200", "40"}, {"200", "300", "30"}};
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            grid.setCellText(row, column + 1, QString::fromUtf8(rows[row][column]));
        }
    }
    MessageBoxAnswerer answerer;
    f.click(1019);
    EXPECT_TRUE(answerer.shown().empty()) << answerer.texts().join(u'|').toStdString();

    COilCalc calc;
    calc.densityIn = 702.7;
    calc.inputMode = 2;
    calc.fracCountIn = 3;
    const double values[3][3] = {{50, 100, 30}, {100, 200, 40}, {200, 300, 30}};
    for (int row = 0; row < 3; ++row) {
        calc.fracStartIn[row + 1] = values[row][0];
        calc.fracEndIn[row + 1] = values[row][1];
        calc.fracShare[row + 1] = values[row][2];
    }
    ASSERT_EQ(runBasicCalculation(calc), CalcOutcome::Completed);
    EXPECT_EQ(f.view->record().resViscosityBase, calc.kinematicViscosity);

    // With the switch off the table is not read, whatever it holds.
    grid.setCellText(0, 1, QStringLiteral("999"));
    f.click(1055);
    f.click(1019);
    EXPECT_EQ(f.view->record().resViscosityBase, engineResults(702.7).kinematicViscosity);
}

TEST(BasicForm, ACountBeyondTheTableIsReadAsApplyWouldBringIt) {
    Form f;
    f.click(1055);
    f.setText(1039, QStringLiteral("150"));
    MessageBoxAnswerer answerer;
    f.click(1019);
    // 100 rows are read: five from the grid and 95 empty ones, which the
    // engine refuses; nothing is read or written beyond them.
    ASSERT_EQ(answerer.shown().size(), 1U);
    EXPECT_TRUE(answerer.texts()[0].startsWith(QStringLiteral("Input data error.")));
    EXPECT_EQ(f.grid().rowCount(), 5);
}

TEST(BasicForm, EnterAndEscapeNeitherCalculateNorCloseButEndACellEdit) {
    QDialog dialog;
    auto* layout = new QVBoxLayout(&dialog);
    auto* view = new CSimpleOilView(&dialog);
    layout->addWidget(view);
    view->initialUpdate();
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    QSignalSpy modified(view, &OilFormView::documentModified);

    auto* density = qobject_cast<QLineEdit*>(view->control(1003));
    density->setFocus();
    QTest::keyClick(density, Qt::Key_Return);
    QTest::keyClick(density, Qt::Key_Escape);
    auto* calculate = qobject_cast<QWidget*>(view->control(1019));
    calculate->setFocus();
    QTest::keyClick(calculate, Qt::Key_Enter);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), 0);
    EXPECT_EQ(modified.count(), 0);
    EXPECT_EQ(density->text(), QStringLiteral("702.7"));

    // In a cell being edited Enter ends the edit and the numeric rules hold.
    qobject_cast<QCheckBox*>(view->control(1055))->click();
    modified.clear();
    auto* table = view->control(1053)->findChild<QAbstractItemView*>();
    table->setFocus();
    table->setCurrentIndex(table->model()->index(0, 1));
    QTest::keyClick(table, Qt::Key_Minus);
    QWidget* editor = QApplication::focusWidget();
    ASSERT_NE(qobject_cast<CNumEdit*>(editor), nullptr);
    QTest::keyClicks(editor, QStringLiteral("4x 5"));
    QTest::keyClick(editor, Qt::Key_Home);
    QTest::keyClick(editor, Qt::Key_Minus);
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(view->grid().cellText(0, 1), QStringLiteral("-4x5"));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(modified.count(), 1); // the cell's edit, no calculation

    table->setCurrentIndex(table->model()->index(0, 2));
    QTest::keyClick(table, Qt::Key_9);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_EQ(view->grid().cellText(0, 2), QStringLiteral("0"));
    EXPECT_TRUE(dialog.isVisible());
}

TEST(BasicForm, TabVisitsTheControlsInTemplateOrder) {
    QWidget window;
    auto* view = new CSimpleOilView(&window);
    view->initialUpdate();
    qobject_cast<QCheckBox*>(view->control(1055))->click();
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    view->control(1003)->setFocus();
    const int expected[] = {1003, 1004, 1005, 1006, 1055, 1053, 1039, 1045, 1100,
                            1011, 1008, 1013, 1014, 1016, 1021, 1017, 1022, 1018,
                            1026, 1024, 1025, 1030, 1034, 1027, 1019};
    for (int id : expected) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        QWidget* control = view->control(id);
        EXPECT_TRUE(focus == control || control->isAncestorOf(focus))
            << "expected " << id << ", got " << focus->objectName().toStdString();
        QTest::keyClick(focus, Qt::Key_Tab);
    }
}

} // namespace
} // namespace viskora
