#include "engine/calc_sequence.h"
#include "engine/oil_calc.h"
#include "form_fixture.h"
#include "forms/complex_oil_view.h"
#include "forms/simple_oil_view.h"
#include "message_box_answerer.h"
#include "units/display_format.h"
#include "units/number_text.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace viskora {
namespace {

using Additional = testing::FormFixture<CComplexOilView>;
using Basic = testing::FormFixture<CSimpleOilView>;
using testing::MessageBoxAnswerer;

constexpr int kGasResults[] = {1015, 1065, 1072, 1077, 1078, 1079, 1080};
constexpr int kLiquidResults[] = {1075, 1020, 1047, 1050, 1052, 1058, 1066};

TEST(AdditionalForm, ANewFormShowsItsDefaults) {
    Additional f;
    const std::pair<int, const char*> texts[] = {
        {1003, "702.7"}, {1005, "20"}, {1007, "50"}, {1008, "0.3"}, {1009, "°C - Celsius"},
    };
    for (const auto& [id, text] : texts) {
        EXPECT_EQ(f.text(id), QString::fromUtf8(text)) << id;
    }
    EXPECT_EQ(f.unit(1004), QStringLiteral("kg/m3"));
    EXPECT_EQ(f.unit(1006), QStringLiteral("°C - Celsius"));
    EXPECT_EQ(f.unit(1010), QStringLiteral("MPa (MN/m2)"));
    EXPECT_EQ(f.unit(1084), QStringLiteral("kJ/kg"));
    EXPECT_EQ(f.unit(1091), QStringLiteral("N/m"));
    for (int id : kGasResults) {
        EXPECT_EQ(f.text(id), QStringLiteral("0")) << id;
    }
    for (int id : kLiquidResults) {
        EXPECT_EQ(f.text(id), QStringLiteral("0")) << id;
    }
    EXPECT_EQ(f.get<QLabel>(1046)->text(), QStringLiteral("The share in the total mass, %% : "));
    EXPECT_EQ(f.get<QLabel>(1048)->text(), QStringLiteral("The number of fractions"));
    EXPECT_FALSE(f.view->control(1027)->isEnabled());
    EXPECT_EQ(f.grid().rowCount(), 5);
}

TEST(AdditionalForm, DesignTemperatureShowsTheTemperatureUnit) {
    Additional f;
    f.setText(1005, QStringLiteral("68"));
    f.pick(1006, 2);
    EXPECT_EQ(f.text(1009), QStringLiteral("°F - Fahrenheit"));
    EXPECT_EQ(f.view->record().designTempUnitName, "°F - Fahrenheit");
    EXPECT_EQ(f.text(1005), QStringLiteral("68"));
    EXPECT_EQ(f.text(1007), QStringLiteral("50"));

    // When the count box stops the exchange, the list goes back to the unit
    // in force, and the design temperature's unit stays with it.
    f.setText(1039, QString());
    MessageBoxAnswerer answerer;
    f.pick(1006, 0);
    EXPECT_EQ(answerer.shown().size(), 1U);
    EXPECT_EQ(f.unit(1006), QStringLiteral("°F - Fahrenheit"));
    EXPECT_EQ(f.text(1009), QStringLiteral("°F - Fahrenheit"));
}

TEST(AdditionalForm, CalculateShowsBothPhasesWithSharesAddingUpToHundred) {
    Additional f;
    f.setText(1007, QStringLiteral("150"));
    f.pick(1088, 1); // liquid density in g/cm3
    QSignalSpy modified(f.view.get(), &OilFormView::documentModified);
    MessageBoxAnswerer answerer;
    f.click(1019);
    EXPECT_EQ(modified.count(), 1);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    COilCalc calc;
    calc.inputMode = 1;
    calc.densityIn = 702.7;
    calc.designTempIn = 150;
    calc.designPressureIn = 0.3;
    ASSERT_EQ(runAdditionalCalculation(calc), CalcOutcome::Completed);
    const AdditionalResults expected = additionalResults(calc);

    const AdditionalDocumentRecord& record = f.view->record();
    EXPECT_EQ(record.gasDensityBase, expected.gasDensity);
    EXPECT_EQ(record.gasEnthalpyBase, expected.gasVaporisationEnthalpy);
    EXPECT_EQ(record.liquidTensionBase, expected.liquidSurfaceTension);
    EXPECT_EQ(f.text(1015), QString::fromStdString(expected.gasShareText));
    EXPECT_EQ(f.text(1075), QString::fromStdString(expected.liquidShareText));
    EXPECT_EQ(f.text(1015).size(), 4);
    EXPECT_DOUBLE_EQ(
        textToNumber(f.text(1015).toStdString()) + textToNumber(f.text(1075).toStdString()), 100.0);
    EXPECT_EQ(f.text(1080), QString::fromStdString(expected.gasPrandtlText));
    EXPECT_EQ(f.text(1066), QString::fromStdString(expected.liquidPrandtlText));
    EXPECT_EQ(f.text(1065), QString::fromStdString(formatForDisplay(expected.gasDensity)));
    EXPECT_EQ(f.text(1020),
              QString::fromStdString(formatForDisplay(expected.liquidDensity / 1000)));
    EXPECT_EQ(f.text(1079),
              QString::fromStdString(formatForDisplay(expected.gasVaporisationEnthalpy)));
}

TEST(AdditionalForm, ACalculationStoppedByAQuestionChangesNothing) {
    Additional f;
    {
        MessageBoxAnswerer first;
        f.setText(1007, QStringLiteral("150"));
        f.click(1019);
    }
    const AdditionalDocumentRecord before = f.view->record();
    QSignalSpy modified(f.view.get(), &OilFormView::documentModified);
    f.setText(1007, QStringLiteral("-10"));
    MessageBoxAnswerer answerer({QMessageBox::No});
    f.click(1019);
    ASSERT_EQ(answerer.shown().size(), 1U);
    EXPECT_TRUE(answerer.texts()[0].startsWith(QStringLiteral("The design temperature < 0")));
    EXPECT_EQ(answerer.shown()[0].icon, QMessageBox::NoIcon);
    EXPECT_EQ(answerer.shown()[0].buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(modified.count(), 0);
    EXPECT_EQ(f.view->record().gasShareText, before.gasShareText);
    EXPECT_EQ(f.view->record().liquidDensityBase, before.liquidDensityBase);
    EXPECT_EQ(f.text(1015), QString::fromStdString(before.gasShareText));
    EXPECT_EQ(f.text(1066), QString::fromStdString(before.liquidPrandtlText));
}

// A basic form with a three-row table, its density in g/cm3 and its
// temperatures in deg.F.
void prepareBasic(Basic& basic, bool useFractions) {
    basic.setText(1003, QStringLiteral("0.85"));
    basic.get<QComboBox>(1004)->setCurrentIndex(1);
    basic.setText(1005, QStringLiteral("68"));
    basic.get<QComboBox>(1006)->setCurrentIndex(2);
    basic.click(1055);
    basic.setText(1039, QStringLiteral("3"));
    basic.click(1045);
    for (int row = 0; row < 3; ++row) {
        for (int column = 1; column <= 3; ++column) {
            basic.grid().setCellText(row, column, QString::number(row * 10 + column));
        }
    }
    if (!useFractions) {
        basic.click(1055);
    }
}

TEST(AdditionalForm, TakesOverInputsAndTableFromABasicForm) {
    Basic basic;
    prepareBasic(basic, true);
    basic.setText(1039, QStringLiteral("4")); // typed, not applied

    CComplexOilView view;
    view.setTakeOverSource(basic.view.get());
    view.initialUpdate();
    const AdditionalDocumentRecord& record = view.record();
    EXPECT_EQ(record.densityText, "0.85");
    EXPECT_EQ(record.densityUnitIndex, 1);
    EXPECT_EQ(record.densityTempText, "68");
    EXPECT_EQ(record.tempUnitIndex, 2);
    EXPECT_EQ(record.designTempUnitName, "°F - Fahrenheit");
    EXPECT_EQ(record.designTempText, "50");
    EXPECT_EQ(record.designPressureText, "0.3");
    EXPECT_EQ(record.useFractions, 1);
    EXPECT_EQ(record.fractionCount, 4);
    EXPECT_TRUE(qobject_cast<QCheckBox*>(view.control(1055))->isChecked());
    EXPECT_TRUE(view.control(1027)->isEnabled());
    const GridControl& grid = view.grid();
    ASSERT_EQ(grid.rowCount(), 4);
    for (int row = 0; row < 3; ++row) {
        for (int column = 1; column <= 3; ++column) {
            EXPECT_EQ(grid.cellText(row, column), QString::number(row * 10 + column));
        }
    }
    EXPECT_EQ(grid.cellText(3, 0), QStringLiteral("4"));
    EXPECT_EQ(grid.cellText(3, 1), QStringLiteral("0"));
    // The basic form is left as it was.
    EXPECT_EQ(basic.grid().rowCount(), 3);
    EXPECT_EQ(basic.text(1003), QStringLiteral("0.85"));
}

TEST(AdditionalForm, TakesOverOnlyTheInputsWhenTheBasicFormDoesNotUseItsTable) {
    Basic basic;
    prepareBasic(basic, false);
    CComplexOilView view;
    view.setTakeOverSource(basic.view.get());
    view.initialUpdate();
    EXPECT_EQ(view.record().densityText, "0.85");
    EXPECT_EQ(view.record().tempUnitIndex, 2);
    EXPECT_EQ(view.record().useFractions, 0);
    EXPECT_EQ(view.grid().rowCount(), 5);
    EXPECT_EQ(view.grid().cellText(0, 1), QStringLiteral("0"));
    EXPECT_FALSE(view.control(1027)->isEnabled());
}

TEST(AdditionalForm, KeepsItsOwnValuesWithoutABasicFormOrWhenReadFromAFile) {
    Basic basic;
    prepareBasic(basic, true);
    {
        CComplexOilView view;
        view.initialUpdate();
        EXPECT_EQ(view.record().densityText, "702.7");
        EXPECT_EQ(view.record().designTempText, "50");
    }
    CComplexOilView loaded;
    loaded.record().loadedFromFile = true;
    loaded.record().densityText = "800";
    loaded.record().tempUnitIndex = 0;
    loaded.record().designTempUnitName = "whatever the file held";
    loaded.setTakeOverSource(basic.view.get());
    loaded.initialUpdate();
    EXPECT_EQ(loaded.record().densityText, "800");
    EXPECT_EQ(loaded.record().useFractions, 0);
    EXPECT_EQ(loaded.record().designTempUnitName, "K  - Kelvine");
    loaded.takeOverFrom(basic.view.get());
    EXPECT_EQ(loaded.record().densityText, "800");
}

TEST(AdditionalForm, TakeOverAfterTheInitialUpdateIsShown) {
    Basic basic;
    prepareBasic(basic, true);
    Additional f;
    f.view->takeOverFrom(basic.view.get());
    EXPECT_EQ(f.text(1003), QStringLiteral("0.85"));
    EXPECT_EQ(f.text(1009), QStringLiteral("°F - Fahrenheit"));
    EXPECT_EQ(f.text(1039), QStringLiteral("3"));
    EXPECT_TRUE(f.view->control(1027)->isEnabled());
}

TEST(AdditionalForm, TabVisitsTheControlsInTemplateOrder) {
    QWidget window;
    auto* view = new CComplexOilView(&window);
    view->initialUpdate();
    qobject_cast<QCheckBox*>(view->control(1055))->click();
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    view->control(1003)->setFocus();
    const int expected[] = {1003, 1004, 1005, 1006, 1007, 1009, 1008, 1010, 1055, 1027,
                            1039, 1045, 1100, 1019, 1015, 1065, 1012, 1072, 1081, 1077,
                            1082, 1078, 1083, 1079, 1084, 1080, 1075, 1020, 1088, 1047,
                            1089, 1050, 1090, 1052, 1092, 1058, 1091, 1066};
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
