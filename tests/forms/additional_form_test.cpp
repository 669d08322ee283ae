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

constexpr const char* kGasResults[] = {"gasShare",        "gasDensity",   "gasHeat",
                                       "gasConductivity", "gasViscosity", "gasEnthalpy",
                                       "gasPrandtl"};
constexpr const char* kLiquidResults[] = {"liquidShare",        "liquidDensity",   "liquidHeat",
                                          "liquidConductivity", "liquidViscosity", "liquidTension",
                                          "liquidPrandtl"};

TEST(AdditionalForm, ANewFormShowsItsDefaults) {
    Additional f;
    const std::pair<const char*, const char*> texts[] = {
        {"density", "702.7"},
        {"densityTemp", "20"},
        {"designTemp", "50"},
        {"designPressure", "0.3"},
        {"designTempUnit", "°C - Celsius"},
    };
    for (const auto& [control, text] : texts) {
        EXPECT_EQ(f.text(control), QString::fromUtf8(text)) << control;
    }
    EXPECT_EQ(f.unit("densityUnit"), QStringLiteral("kg/m3"));
    EXPECT_EQ(f.unit("tempUnit"), QStringLiteral("°C - Celsius"));
    EXPECT_EQ(f.unit("pressureUnit"), QStringLiteral("MPa (MN/m2)"));
    EXPECT_EQ(f.unit("gasEnthalpyUnit"), QStringLiteral("kJ/kg"));
    EXPECT_EQ(f.unit("liquidTensionUnit"), QStringLiteral("N/m"));
    for (const char* control : kGasResults) {
        EXPECT_EQ(f.text(control), QStringLiteral("0")) << control;
    }
    for (const char* control : kLiquidResults) {
        EXPECT_EQ(f.text(control), QStringLiteral("0")) << control;
    }
    EXPECT_EQ(f.get<QLabel>("gasShareLabel")->text(),
              QStringLiteral("The share in the total mass, %% : "));
    EXPECT_EQ(f.get<QLabel>("fractionCountLabel")->text(),
              QStringLiteral("The number of fractions"));
    EXPECT_FALSE(f.view->control("fractions")->isEnabled());
    EXPECT_EQ(f.table().rowCount(), 5);
}

TEST(AdditionalForm, DesignTemperatureShowsTheTemperatureUnit) {
    Additional f;
    f.setText("densityTemp", QStringLiteral("68"));
    f.pick("tempUnit", 2);
    EXPECT_EQ(f.text("designTempUnit"), QStringLiteral("°F - Fahrenheit"));
    EXPECT_EQ(f.view->record().designTempUnitName, "°F - Fahrenheit");
    EXPECT_EQ(f.text("densityTemp"), QStringLiteral("68"));
    EXPECT_EQ(f.text("designTemp"), QStringLiteral("50"));

    // When the count box stops the exchange, the list goes back to the unit
    // in force, and the design temperature's unit stays with it.
    f.setText("fractionCount", QString());
    MessageBoxAnswerer answerer;
    f.pick("tempUnit", 0);
    EXPECT_EQ(answerer.shown().size(), 1U);
    EXPECT_EQ(f.unit("tempUnit"), QStringLiteral("°F - Fahrenheit"));
    EXPECT_EQ(f.text("designTempUnit"), QStringLiteral("°F - Fahrenheit"));
}

TEST(AdditionalForm, CalculateShowsBothPhasesWithSharesAddingUpToHundred) {
    Additional f;
    f.setText("designTemp", QStringLiteral("150"));
    f.pick("liquidDensityUnit", 1); // liquid density in g/cm3
    QSignalSpy modified(f.view.get(), &OilFormView::documentModified);
    MessageBoxAnswerer answerer;
    f.click("calculate");
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
    EXPECT_EQ(record.gasDensityBase, expected.gas.density);
    EXPECT_EQ(record.gasEnthalpyBase, expected.gas.vaporisationEnthalpy);
    EXPECT_EQ(record.liquidTensionBase, expected.liquid.surfaceTension);
    EXPECT_EQ(f.text("gasShare"), QString::fromStdString(expected.gasShareText));
    EXPECT_EQ(f.text("liquidShare"), QString::fromStdString(expected.liquidShareText));
    EXPECT_EQ(f.text("gasShare").size(), 4);
    EXPECT_DOUBLE_EQ(textToNumber(f.text("gasShare").toStdString()) +
                         textToNumber(f.text("liquidShare").toStdString()),
                     100.0);
    EXPECT_EQ(f.text("gasPrandtl"), QString::fromStdString(expected.gasPrandtlText));
    EXPECT_EQ(f.text("liquidPrandtl"), QString::fromStdString(expected.liquidPrandtlText));
    EXPECT_EQ(f.text("gasDensity"), QString::fromStdString(formatForDisplay(expected.gas.density)));
    EXPECT_EQ(f.text("liquidDensity"),
              QString::fromStdString(formatForDisplay(expected.liquid.density / 1000)));
    EXPECT_EQ(f.text("gasEnthalpy"),
              QString::fromStdString(formatForDisplay(expected.gas.vaporisationEnthalpy)));
}

TEST(AdditionalForm, ACalculationStoppedByAQuestionChangesNothing) {
    Additional f;
    {
        MessageBoxAnswerer first;
        f.setText("designTemp", QStringLiteral("150"));
        f.click("calculate");
    }
    const AdditionalDocumentRecord before = f.view->record();
    QSignalSpy modified(f.view.get(), &OilFormView::documentModified);
    f.setText("designTemp", QStringLiteral("-10"));
    MessageBoxAnswerer answerer({QMessageBox::No});
    f.click("calculate");
    ASSERT_EQ(answerer.shown().size(), 1U);
    EXPECT_TRUE(answerer.texts()[0].startsWith(QStringLiteral("The design temperature < 0")));
    EXPECT_EQ(answerer.shown()[0].icon, QMessageBox::NoIcon);
    EXPECT_EQ(answerer.shown()[0].buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(modified.count(), 0);
    EXPECT_EQ(f.view->record().gasShareText, before.gasShareText);
    EXPECT_EQ(f.view->record().liquidDensityBase, before.liquidDensityBase);
    EXPECT_EQ(f.text("gasShare"), QString::fromStdString(before.gasShareText));
    EXPECT_EQ(f.text("liquidPrandtl"), QString::fromStdString(before.liquidPrandtlText));
}

// A basic form with a three-row table, its density in g/cm3 and its
// temperatures in deg.F.
void prepareBasic(Basic& basic, bool useFractions) {
    basic.setText("density", QStringLiteral("0.85"));
    basic.get<QComboBox>("densityUnit")->setCurrentIndex(1);
    basic.setText("densityTemp", QStringLiteral("68"));
    basic.get<QComboBox>("tempUnit")->setCurrentIndex(2);
    basic.click("useFractions");
    basic.setText("fractionCount", QStringLiteral("3"));
    basic.click("apply");
    for (int row = 0; row < 3; ++row) {
        for (int column = 1; column <= 3; ++column) {
            basic.table().setText(row, column - 1, QString::number(row * 10 + column));
        }
    }
    if (!useFractions) {
        basic.click("useFractions");
    }
}

TEST(AdditionalForm, TakesOverInputsAndTableFromABasicForm) {
    Basic basic;
    prepareBasic(basic, true);
    basic.setText("fractionCount", QStringLiteral("4")); // typed, not applied

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
    EXPECT_TRUE(qobject_cast<QCheckBox*>(view.control("useFractions"))->isChecked());
    EXPECT_TRUE(view.control("fractions")->isEnabled());
    ASSERT_EQ(view.fractionTable().rowCount(), 4);
    for (int row = 0; row < 3; ++row) {
        for (int column = 1; column <= 3; ++column) {
            EXPECT_EQ(QString::fromStdString(view.fractionRows().cell(row, column)),
                      QString::number(row * 10 + column));
        }
    }
    EXPECT_EQ(QString::fromStdString(view.fractionRows().cell(3, 0)), QStringLiteral("4"));
    EXPECT_EQ(QString::fromStdString(view.fractionRows().cell(3, 1)), QStringLiteral("0"));
    // The basic form is left as it was.
    EXPECT_EQ(basic.table().rowCount(), 3);
    EXPECT_EQ(basic.text("density"), QStringLiteral("0.85"));
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
    EXPECT_EQ(view.fractionTable().rowCount(), 5);
    EXPECT_EQ(QString::fromStdString(view.fractionRows().cell(0, 1)), QStringLiteral("0"));
    EXPECT_FALSE(view.control("fractions")->isEnabled());
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
    EXPECT_EQ(f.text("density"), QStringLiteral("0.85"));
    EXPECT_EQ(f.text("designTempUnit"), QStringLiteral("°F - Fahrenheit"));
    EXPECT_EQ(f.text("fractionCount"), QStringLiteral("3"));
    EXPECT_TRUE(f.view->control("fractions")->isEnabled());
}

} // namespace
} // namespace viskora
