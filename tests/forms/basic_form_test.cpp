#include "engine/calc_sequence.h"
#include "engine/oil_calc.h"
#include "form_fixture.h"

#include "forms/simple_oil_view.h"
#include "message_box_answerer.h"
#include "units/display_format.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

#include <ostream>
#include <tuple>
#include <vector>

namespace viskora {
namespace {

using Form = testing::FormFixture<CSimpleOilView>;
using testing::MessageBoxAnswerer;

constexpr const char* kResultBoxes[] = {"resDensity",   "resHeat",    "resConductivity",
                                        "resViscosity", "resTension", "resVapour",
                                        "resCritTemp",  "resPrandtl"};
constexpr const char* kFractionControls[] = {
    "fractions",        "fractionCount",     "apply",
    "fractionTitle",    "startColumnTitle",  "endColumnTitle",
    "shareColumnTitle", "fractionCountLabel"};

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
    EXPECT_EQ(f.text("density"), QStringLiteral("702.7"));
    EXPECT_EQ(f.text("densityTemp"), QStringLiteral("20"));
    for (const char* control : kResultBoxes) {
        EXPECT_EQ(f.text(control), QStringLiteral("0")) << control;
    }
    const std::pair<const char*, const char*> units[] = {
        {"densityUnit", "kg/m3"},
        {"tempUnit", "°C - Celsius"},
        {"resDensityUnit", "kg/m3"},
        {"resHeatUnit", "kJ/(kg•K)"},
        {"resConductivityUnit", "Wt/(m•K)"},
        {"resViscosityUnit", "mm2/c"},
        {"resTensionUnit", "N/m"},
        {"resVapourUnit", "MPa (MN/m2)"},
        {"resCritTempUnit", "°C - Celsius"},
    };
    for (const auto& [control, unitName] : units) {
        EXPECT_EQ(f.unit(control), QString::fromUtf8(unitName)) << control;
    }
    EXPECT_EQ(f.get<QLabel>("resVapourLabel")->text(),
              QStringLiteral("Saturated vapor pressure : "));
    EXPECT_EQ(f.get<QLabel>("fractionCountLabel")->text(),
              QStringLiteral("The number of fractions"));
    EXPECT_EQ(f.get<QCheckBox>("useFractions")->text(),
              QStringLiteral("Use fractional composition"));
    EXPECT_FALSE(f.get<QCheckBox>("useFractions")->isChecked());
    EXPECT_EQ(f.text("fractionCount"), QStringLiteral("5"));
    ASSERT_EQ(f.table().rowCount(), 5);
    for (int row = 0; row < 5; ++row) {
        EXPECT_EQ(f.cell(row, 0), QString::number(row + 1));
        for (int column = 1; column <= 3; ++column) {
            EXPECT_EQ(f.cell(row, column), QStringLiteral("0"));
        }
    }
    for (const char* control : kFractionControls) {
        EXPECT_FALSE(f.view->control(control)->isEnabled()) << control;
    }
}

TEST(BasicForm, ACellStillBeingEditedReachesTheRecordExchange) {
    // Save and the reports start with the exchange; a value typed into a
    // cell whose editor is still open (Ctrl+S from the cell) must not be lost.
    Form f;
    f.click("useFractions");
    FractionTableView& table = f.view->tableView();
    const QModelIndex index = table.model()->index(0, 0);
    table.setCurrentIndex(index);
    table.edit(index);
    auto* editor = table.viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    editor->setText(QStringLiteral("350"));
    EXPECT_EQ(f.cell(0, 1), QStringLiteral("0"));
    f.view->exchangeToRecord();
    EXPECT_EQ(f.cell(0, 1), QStringLiteral("350"));
}

TEST(BasicForm, SwitchGreysExactlyTheFractionControlsAndKeepsTheTable) {
    Form f;
    f.click("useFractions");
    EXPECT_EQ(f.view->record().useFractions, 1);
    for (const char* control : kFractionControls) {
        EXPECT_TRUE(f.view->control(control)->isEnabled()) << control;
    }
    f.view->record().fractions[0][0] = "not shown again";
    f.setText("fractionCount", QStringLiteral("2"));
    f.click("apply");
    f.click("useFractions");
    EXPECT_EQ(f.view->record().useFractions, 0);
    for (const char* control : kFractionControls) {
        EXPECT_FALSE(f.view->control(control)->isEnabled()) << control;
    }
    for (const char* control : {"fractionGroup", "useFractions", "density", "calculate"}) {
        EXPECT_TRUE(f.view->control(control)->isEnabled()) << control;
    }
    f.click("useFractions");
    EXPECT_EQ(f.table().rowCount(), 2);
    EXPECT_EQ(f.cell(0, 1), QStringLiteral("0"));
}

TEST(BasicForm, ApplyClampsTheCountAndKeepsExistingRows) {
    Form f;
    f.click("useFractions");
    for (int row = 0; row < 5; ++row) {
        f.table().setText(row, 0, QString::number(100 + row));
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
        f.setText("fractionCount", QString::fromUtf8(step.typed));
        f.click("apply");
        EXPECT_EQ(f.text("fractionCount"), QString::fromUtf8(step.shown));
        EXPECT_EQ(f.view->record().fractionCount, step.rows);
        ASSERT_EQ(f.table().rowCount(), step.rows);
        for (int row = 0; row < step.rows; ++row) {
            EXPECT_EQ(f.cell(row, 0), QString::number(row + 1));
            // Rows 1 to 3 keep their texts; rows deleted and appended again are "0".
            EXPECT_EQ(f.cell(row, 1), row < 3 ? QString::number(100 + row) : QStringLiteral("0"));
            EXPECT_EQ(f.cell(row, 3), QStringLiteral("0"));
        }
    }
}

TEST(BasicForm, CountBoxStaysWithinOneToHundredAndTakesDigitsOnly) {
    Form f;
    f.click("useFractions");
    QLineEdit* count = f.lineEdit("fractionCount");
    const std::tuple<const char*, Qt::Key, const char*> steps[] = {
        {"99", Qt::Key_Up, "100"},
        {"2", Qt::Key_Down, "1"},
        {"500", Qt::Key_Down, "48"},
        {"1a-2", Qt::Key_Up, "14"},
    };
    for (const auto& [typed, key, shown] : steps) {
        SCOPED_TRACE(typed);
        count->selectAll();
        QTest::keyClicks(count, QString::fromUtf8(typed));
        QTest::keyClick(count, key);
        QTest::keyClick(count, key);
        EXPECT_EQ(count->text(), QString::fromUtf8(shown));
    }
    // The count box is only a request: the table changes on Apply.
    EXPECT_EQ(f.table().rowCount(), 5);
}

// A maximised form once kept its size and clipped the table's fifth row.
TEST(BasicForm, TheWholeTableShowsAndGrowsWithTheForm) {
    Form f;
    f.view->resize(f.view->sizeHint());
    f.view->show();
    FractionTableView& table = f.view->tableView();
    const auto lastRowBottom = [&] { return table.rowViewportPosition(4) + table.rowHeight(4); };
    EXPECT_LE(lastRowBottom(), table.viewport()->height());
    const int width = table.width();
    f.view->resize(f.view->sizeHint() * 2);
    QCoreApplication::processEvents();
    EXPECT_GT(table.width(), width);
}

TEST(BasicForm, CalculateShowsTheEnginesResultsAndMarksTheDocument) {
    Form f;
    QSignalSpy modified(f.view.get(), &OilFormView::documentModified);
    QSignalSpy completed(f.view.get(), &OilFormView::calculationCompleted);
    f.setText("density", QStringLiteral("850"));
    MessageBoxAnswerer answerer;
    f.click("calculate");
    EXPECT_TRUE(answerer.shown().empty());
    EXPECT_EQ(modified.count(), 1);
    EXPECT_EQ(completed.count(), 1);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    const BasicResults expected = engineResults(850);
    const BasicDocumentRecord& record = f.view->record();
    EXPECT_EQ(record.resDensityBase, expected.density);
    EXPECT_EQ(record.resHeatBase, expected.atReference.specificHeat);
    EXPECT_EQ(record.resCritTempBase, expected.pseudoCritTemp);
    const std::pair<const char*, double> shown[] = {
        {"resDensity", expected.density},
        {"resHeat", expected.atReference.specificHeat},
        {"resConductivity", expected.atReference.thermalConductivity},
        {"resViscosity", expected.atReference.kinematicViscosity},
        {"resTension", expected.atReference.surfaceTension},
        {"resVapour", expected.atReference.vapourPressure},
        {"resCritTemp", expected.pseudoCritTemp},
        {"resPrandtl", expected.atReference.prandtl},
    };
    for (const auto& [control, value] : shown) {
        EXPECT_EQ(f.text(control), QString::fromStdString(formatForDisplay(value))) << control;
    }

    // The same inputs again give the same texts: nothing survives a calculation.
    const QString viscosity = f.text("resViscosity");
    f.click("calculate");
    EXPECT_EQ(f.text("resViscosity"), viscosity);
    EXPECT_EQ(modified.count(), 2);
}

TEST(BasicForm, ResultsAreShownInTheUnitsSelectedAtCalculate) {
    Form f;
    f.pick("resDensityUnit", 1);  // g/cm3
    f.pick("resCritTempUnit", 2); // deg.F
    MessageBoxAnswerer answerer;
    f.click("calculate");
    const BasicResults expected = engineResults(702.7);
    EXPECT_EQ(f.text("resDensity"),
              QString::fromStdString(formatForDisplay(expected.density / 1000)));
    EXPECT_EQ(f.text("resCritTemp"),
              QString::fromStdString(formatForDisplay(
                  convertTemperature(expected.pseudoCritTemp, unit::kCelsius, unit::kFahrenheit))));
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
            f.click("calculate");
        }
        const BasicDocumentRecord before = f.view->record();
        QSignalSpy modified(f.view.get(), &OilFormView::documentModified);
        f.setText("density", QString::fromUtf8(c.density));
        MessageBoxAnswerer answerer({c.answer});
        f.click("calculate");
        ASSERT_EQ(answerer.shown().size(), 1U);
        EXPECT_EQ(answerer.shown()[0].text, QString::fromUtf8(c.message));
        EXPECT_EQ(answerer.shown()[0].icon, c.icon);
        EXPECT_EQ(modified.count(), 0);
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(f.view->record().resDensityBase, before.resDensityBase);
        EXPECT_EQ(f.view->record().resPrandtlText, before.resPrandtlText);
        EXPECT_EQ(f.text("resDensity"), QString::fromStdString(before.resDensityText));
        EXPECT_EQ(f.text("resPrandtl"), QString::fromStdString(before.resPrandtlText));
    }
}

TEST(BasicForm, YesToAWarningGoesOn) {
    Form f;
    f.setText("density", QStringLiteral("1200"));
    MessageBoxAnswerer answerer({QMessageBox::Yes});
    QSignalSpy modified(f.view.get(), &OilFormView::documentModified);
    f.click("calculate");
    ASSERT_EQ(answerer.shown().size(), 1U);
    EXPECT_EQ(answerer.shown()[0].buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(modified.count(), 1);
    EXPECT_NE(f.text("resDensity"), QStringLiteral("0"));
}

TEST(BasicForm, AUnitChangeConvertsFromTheStoredBaseValue) {
    Form f;
    EXPECT_EQ(f.text("resDensity"), QStringLiteral("0"));
    f.pick("resDensityUnit", 4);
    EXPECT_EQ(f.text("resDensity"), QStringLiteral("0")); // before any calculation

    f.view->record().resDensityBase = 850;
    f.view->record().resCritTempBase = 400;
    f.view->exchangeToControls();
    f.pick("resDensityUnit", 1);
    EXPECT_EQ(f.text("resDensity"), QStringLiteral("0.85"));
    EXPECT_EQ(f.view->record().resDensityUnitIndex, 1);
    EXPECT_EQ(f.view->record().resDensityUnitName, "g/cm3");
    f.pick("resDensityUnit", 0);
    EXPECT_EQ(f.text("resDensity"), QStringLiteral("850"));
    EXPECT_EQ(f.view->record().resDensityBase, 850);
    f.pick("resCritTempUnit", 0);
    EXPECT_EQ(f.text("resCritTemp"), QStringLiteral("673"));
    // An input unit changes nothing at once.
    f.pick("densityUnit", 1);
    EXPECT_EQ(f.text("density"), QStringLiteral("702.7"));
}

TEST(BasicForm, ExchangeStopsAtAnEmptyCountBox) {
    Form f;
    f.click("useFractions");
    f.setText("density", QStringLiteral("800"));
    f.setText("fractionCount", QString());
    f.get<QComboBox>("densityUnit")->setCurrentIndex(2);
    MessageBoxAnswerer answerer;
    EXPECT_FALSE(f.view->exchangeToRecord());
    ASSERT_EQ(answerer.texts(), QStringList{QStringLiteral("Enter an integer.")});
    EXPECT_EQ(answerer.shown()[0].buttons, QMessageBox::Ok);
    const BasicDocumentRecord& record = f.view->record();
    EXPECT_EQ(record.densityText, "800");
    EXPECT_EQ(record.useFractions, 1);
    EXPECT_EQ(record.fractionCount, 5);
    EXPECT_EQ(record.densityUnitIndex, 0);
    EXPECT_TRUE(f.view->focusWidget() == f.view->control("fractionCount") ||
                f.view->control("fractionCount")->isAncestorOf(f.view->focusWidget()));
}

TEST(BasicForm, AUnitChangeStoppedAtTheCountBoxKeepsThePreviousUnit) {
    Form f;
    f.view->record().resDensityBase = 850;
    f.view->exchangeToControls();
    f.setText("fractionCount", QString());
    MessageBoxAnswerer answerer;
    f.pick("resDensityUnit", 1);
    EXPECT_EQ(answerer.shown().size(), 1U);
    EXPECT_EQ(f.unit("resDensityUnit"), QStringLiteral("kg/m3"));
    EXPECT_EQ(f.text("resDensity"), QStringLiteral("850"));
    EXPECT_EQ(f.text("fractionCount"), QStringLiteral("5"));
}

TEST(BasicForm, CalculateWithAnEmptyCountBoxComplainsOnceAndGoesOn) {
    Form f;
    f.setText("fractionCount", QString());
    QSignalSpy modified(f.view.get(), &OilFormView::documentModified);
    MessageBoxAnswerer answerer;
    f.click("calculate");
    EXPECT_EQ(answerer.texts(), QStringList{QStringLiteral("Enter an integer.")});
    EXPECT_EQ(modified.count(), 1);
    EXPECT_EQ(f.text("fractionCount"), QStringLiteral("5"));
}

TEST(BasicForm, CalculateReadsTheTableRows) {
    Form f;
    f.click("useFractions");
    f.setText("fractionCount", QStringLiteral("3"));
    f.click("apply");
    FractionTableModel& table = f.table();
    const char* rows[3][3] = {{"50", "100", "30"}, {"100", "200", "40"}, {"200", "300", "30"}};
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            table.setText(row, column, QString::fromUtf8(rows[row][column]));
        }
    }
    MessageBoxAnswerer answerer;
    f.click("calculate");
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
    EXPECT_EQ(f.view->record().resViscosityBase, calc.atReference.kinematicViscosity);

    // With the switch off the table is not read, whatever it holds.
    table.setText(0, 0, QStringLiteral("999"));
    f.click("useFractions");
    f.click("calculate");
    EXPECT_EQ(f.view->record().resViscosityBase,
              engineResults(702.7).atReference.kinematicViscosity);
}

TEST(BasicForm, ACountBeyondTheTableIsReadAsApplyWouldBringIt) {
    Form f;
    f.click("useFractions");
    f.setText("fractionCount", QStringLiteral("150"));
    MessageBoxAnswerer answerer;
    f.click("calculate");
    // 100 rows are read: five from the grid and 95 empty ones, which the
    // engine refuses; nothing is read or written beyond them.
    ASSERT_EQ(answerer.shown().size(), 1U);
    EXPECT_TRUE(answerer.texts()[0].startsWith(QStringLiteral("Input data error.")));
    EXPECT_EQ(f.table().rowCount(), 5);
}

struct FractionPasteCase {
    const char* what;
    int row;
    int column;
    const char* clipboard;
    std::vector<std::tuple<int, int, const char*>> cells;
};

void PrintTo(const FractionPasteCase& c, std::ostream* out) {
    *out << c.what;
}

class FractionTablePaste : public ::testing::TestWithParam<FractionPasteCase> {};

// The saved table and Calculate read the live cells: every value must be in
// a cell of its own, as the value boxes take numbers.
TEST_P(FractionTablePaste, PutsEachValueIntoItsCellUnderTheNumberRule) {
    const FractionPasteCase& c = GetParam();
    Form f;
    QSignalSpy modified(f.view.get(), &OilFormView::documentModified);
    FractionTableView& table = f.view->tableView();
    table.setCurrentIndex(table.model()->index(c.row, c.column - 1));
    table.pasteBlock(QString::fromUtf8(c.clipboard));
    for (const auto& [row, column, text] : c.cells) {
        EXPECT_EQ(f.view->fractionRows().cell(row, column), text) << row << "," << column;
    }
    EXPECT_EQ(f.table().rowCount(), 5);
    EXPECT_GT(modified.count(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    BasicForm, FractionTablePaste,
    ::testing::ValuesIn(std::vector<FractionPasteCase>{
        {"two spreadsheet columns",
         0,
         1,
         "40\t100\n100\t250\n250\t400\n400\t500\n",
         {{0, 1, "40"}, {0, 2, "100"}, {3, 1, "400"}, {3, 2, "500"}, {4, 1, "0"}}},
        {"decimal commas become points", 3, 3, "0,25\n0,75\n", {{3, 3, "0.25"}, {4, 3, "0.75"}}},
        {"a word keeps its cell", 0, 2, "abc\t1e1", {{0, 2, "0"}, {0, 3, "1e1"}}},
        {"the last row ends the paste", 4, 1, "1\t2\t3\n4\t5\t6\n", {{4, 1, "1"}, {4, 3, "3"}}},
    }));

} // namespace
} // namespace viskora
