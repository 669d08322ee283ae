#include "forms/complex_oil_view.h"

#include "engine/calc_sequence.h"
#include "engine/oil_calc.h"
#include "forms/busy_cursor.h"
#include "forms/simple_oil_view.h"
#include "grid/grid_control.h"
#include "units/display_format.h"
#include "units/number_text.h"

#include <QComboBox>
#include <QPushButton>

#include <algorithm>
#include <memory>

namespace viskora {
namespace {

using Record = AdditionalDocumentRecord;

const ExchangeLayout<Record>& exchangeLayout() {
    static const ExchangeLayout<Record> kLayout{
        {
            {"density", &Record::densityText},
            {"densityTemp", &Record::densityTempText},
            {"designPressure", &Record::designPressureText},
            {"designTemp", &Record::designTempText},
            {"gasShare", &Record::gasShareText},
            {"gasDensity", &Record::gasDensityText},
            {"gasHeat", &Record::gasHeatText},
            {"gasConductivity", &Record::gasConductivityText},
            {"gasViscosity", &Record::gasViscosityText},
            {"gasEnthalpy", &Record::gasEnthalpyText},
            {"gasPrandtl", &Record::gasPrandtlText},
            {"liquidShare", &Record::liquidShareText},
            {"liquidDensity", &Record::liquidDensityText},
            {"liquidHeat", &Record::liquidHeatText},
            {"liquidConductivity", &Record::liquidConductivityText},
            {"liquidViscosity", &Record::liquidViscosityText},
            {"liquidTension", &Record::liquidTensionText},
            {"liquidPrandtl", &Record::liquidPrandtlText},
        },
        {
            {"tempUnit", &Record::tempUnitIndex},
            {"densityUnit", &Record::densityUnitIndex},
            {"pressureUnit", &Record::pressureUnitIndex},
            {"gasDensityUnit", &Record::gasDensityUnitIndex},
            {"gasHeatUnit", &Record::gasHeatUnitIndex},
            {"gasConductivityUnit", &Record::gasConductivityUnitIndex},
            {"gasViscosityUnit", &Record::gasViscosityUnitIndex},
            {"gasEnthalpyUnit", &Record::gasEnthalpyUnitIndex},
            {"liquidDensityUnit", &Record::liquidDensityUnitIndex},
            {"liquidHeatUnit", &Record::liquidHeatUnitIndex},
            {"liquidConductivityUnit", &Record::liquidConductivityUnitIndex},
            {"liquidViscosityUnit", &Record::liquidViscosityUnitIndex},
            {"liquidTensionUnit", &Record::liquidTensionUnitIndex},
        },
        {
            {"tempUnit", &Record::tempUnitName},
            {"densityUnit", &Record::densityUnitName},
            {"pressureUnit", &Record::pressureUnitName},
            {"designTempUnit", &Record::designTempUnitName},
            {"gasDensityUnit", &Record::gasDensityUnitName},
            {"gasHeatUnit", &Record::gasHeatUnitName},
            {"gasConductivityUnit", &Record::gasConductivityUnitName},
            {"gasViscosityUnit", &Record::gasViscosityUnitName},
            {"gasEnthalpyUnit", &Record::gasEnthalpyUnitName},
            {"liquidDensityUnit", &Record::liquidDensityUnitName},
            {"liquidHeatUnit", &Record::liquidHeatUnitName},
            {"liquidConductivityUnit", &Record::liquidConductivityUnitName},
            {"liquidViscosityUnit", &Record::liquidViscosityUnitName},
            {"liquidTensionUnit", &Record::liquidTensionUnitName},
        },
    };
    return kLayout;
}

// In the order in which Calculate shows them.
const ResultUnit<Record> kResults[] = {
    {"gasDensityUnit", Quantity::Density, &Record::gasDensityBase, &Record::gasDensityText,
     &Record::gasDensityUnitIndex},
    {"gasHeatUnit", Quantity::SpecificHeat, &Record::gasHeatBase, &Record::gasHeatText,
     &Record::gasHeatUnitIndex},
    {"gasConductivityUnit", Quantity::Conductivity, &Record::gasConductivityBase,
     &Record::gasConductivityText, &Record::gasConductivityUnitIndex},
    {"gasViscosityUnit", Quantity::Viscosity, &Record::gasViscosityBase, &Record::gasViscosityText,
     &Record::gasViscosityUnitIndex},
    {"gasEnthalpyUnit", Quantity::Enthalpy, &Record::gasEnthalpyBase, &Record::gasEnthalpyText,
     &Record::gasEnthalpyUnitIndex},
    {"liquidDensityUnit", Quantity::Density, &Record::liquidDensityBase, &Record::liquidDensityText,
     &Record::liquidDensityUnitIndex},
    {"liquidHeatUnit", Quantity::SpecificHeat, &Record::liquidHeatBase, &Record::liquidHeatText,
     &Record::liquidHeatUnitIndex},
    {"liquidConductivityUnit", Quantity::Conductivity, &Record::liquidConductivityBase,
     &Record::liquidConductivityText, &Record::liquidConductivityUnitIndex},
    {"liquidViscosityUnit", Quantity::Viscosity, &Record::liquidViscosityBase,
     &Record::liquidViscosityText, &Record::liquidViscosityUnitIndex},
    {"liquidTensionUnit", Quantity::SurfaceTension, &Record::liquidTensionBase,
     &Record::liquidTensionText, &Record::liquidTensionUnitIndex},
};

constexpr LabelText kLabels[] = {
    {"densityLabel", "Density : "},
    {"densityTempLabel", "at the temperature : "},
    {"designTempLabel", "Design temperature : "},
    {"designPressureLabel", "Design pressure : "},
    {"gasShareLabel", "The share in the total mass, %% : "},
    {"gasDensityLabel", "Density : "},
    {"gasHeatLabel", "Isobaric specific heat : "},
    {"gasConductivityLabel", "Thermal conductivity : "},
    {"gasViscosityLabel", "Kinematic viscosity : "},
    {"gasEnthalpyLabel", "Vaporisation enthalpy : "},
    {"gasPrandtlLabel", "Prandtl number : "},
    {"liquidShareLabel", "The share in the total mass, %% : "},
    {"liquidDensityLabel", "Density : "},
    {"liquidHeatLabel", "Isobaric specific heat : "},
    {"liquidConductivityLabel", "Thermal conductivity : "},
    {"liquidViscosityLabel", "Kinematic viscosity : "},
    {"liquidTensionLabel", "Surface tension : "},
    {"liquidPrandtlLabel", "Prandtl number : "},
};

} // namespace

CComplexOilView::CComplexOilView(QWidget* parent)
    : OilFormView(QStringLiteral(":/forms/additional.form"), parent) {
    connect(controls_.get<QPushButton>("calculate"), &QPushButton::clicked, this,
            &CComplexOilView::calculate);
    connect(controls_.get<QComboBox>("tempUnit"), &QComboBox::activated, this,
            &CComplexOilView::mirrorDesignTempUnit);
    for (const Result& result : kResults) {
        connect(controls_.get<QComboBox>(result.boxName), &QComboBox::activated, this,
                [this, &result] { changeResultUnit(result); });
    }
}

void CComplexOilView::initialUpdate() {
    exchangeToControls();
    fillUnitBoxes(additionalFormUnitBoxes(), true);
    setSpinRange();
    setUpGrid(record_.fractionCount, record_.fractions);
    takeOverFrom(takeOverSource_);
    setFractionSwitchText();
    exchangeToControls();
    enableFractionControls(record_.useFractions == 1);
    mirrorDesignTempUnit();
    fitToTemplate();
    initialised_ = true;
}

void CComplexOilView::takeOverFrom(CSimpleOilView* basic) {
    if (basic == nullptr || record_.loadedFromFile) {
        return;
    }
    basic->exchangeToRecord();
    const BasicDocumentRecord& source = basic->record();
    record_.densityText = source.densityText;
    record_.densityUnitIndex = source.densityUnitIndex;
    record_.densityTempText = source.densityTempText;
    record_.tempUnitIndex = source.tempUnitIndex;
    if (source.useFractions == 1) {
        record_.fractionCount = source.fractionCount;
        record_.useFractions = 1;
        exchangeToControls();
        apply();
        copyGridRowsFrom(*basic);
    }
    if (initialised_) {
        exchangeToControls();
        enableFractionControls(record_.useFractions == 1);
        mirrorDesignTempUnit();
    }
}

void CComplexOilView::copyGridRowsFrom(const CSimpleOilView& basic) {
    const GridControl& from = basic.grid();
    const int rows = std::min(from.rowCount(), grid_->rowCount());
    for (int row = 0; row < rows; ++row) {
        grid_->setCellText(row, 0, QString::number(row + 1));
        formatGridRow(row);
        for (int column = 1; column <= 3; ++column) {
            grid_->setCellText(row, column, from.cellText(row, column));
        }
    }
}

bool CComplexOilView::exchangeToRecord() {
    grid_->finishEditing();
    readTexts(exchangeLayout(), controls_, record_);
    record_.useFractions = readFractionSwitch();
    if (!readFractionCount(record_.fractionCount)) {
        return false;
    }
    readUnits(exchangeLayout(), controls_, record_);
    return true;
}

void CComplexOilView::exchangeToControls() {
    showTexts(exchangeLayout(), controls_, record_);
    showFractionSwitch(record_.useFractions);
    showFractionCount(record_.fractionCount);
    showLabels(kLabels);
    showFractionLabels();
    showUnits(exchangeLayout(), controls_, record_);
}

void CComplexOilView::mirrorDesignTempUnit() {
    exchangeToRecord();
    // The name of the unit the record holds: when the exchange stopped at the
    // count box, the list goes back to that unit, and so does this box.
    record_.designTempUnitName =
        CUnitNameLists().nameAt(Quantity::Temperature, record_.tempUnitIndex);
    exchangeToControls();
}

void CComplexOilView::changeResultUnit(const Result& result) {
    exchangeToRecord();
    record_.*result.text =
        formatInUnit(result.quantity, record_.*result.base, record_.*result.unitIndex + 1);
    exchangeToControls();
}

void CComplexOilView::calculate() {
    exchangeToRecord();
    const QuietCountBox quiet(*this);
    const auto calc = std::make_unique<COilCalc>(&messages_);
    BusyCursor busy;
    fillOilInputs(*calc, record_);
    calc->designTempIn = textToNumber(record_.designTempText);
    calc->designPressureIn = textToNumber(record_.designPressureText);
    calc->pressureUnit = record_.pressureUnitIndex + 1;
    if (!runGuarded(busy, [&] { return runAdditionalCalculation(*calc); })) {
        return;
    }

    const AdditionalResults results = additionalResults(*calc);
    record_.gasDensityBase = results.gasDensity;
    record_.gasHeatBase = results.gasSpecificHeat;
    record_.gasConductivityBase = results.gasConductivity;
    record_.gasViscosityBase = results.gasViscosity;
    record_.gasEnthalpyBase = results.gasVaporisationEnthalpy;
    record_.liquidDensityBase = results.liquidDensity;
    record_.liquidHeatBase = results.liquidSpecificHeat;
    record_.liquidConductivityBase = results.liquidConductivity;
    record_.liquidViscosityBase = results.liquidViscosity;
    record_.liquidTensionBase = results.liquidSurfaceTension;
    // Each unit change shows the record again, so the texts without a unit
    // are set after them.
    for (const Result& result : kResults) {
        changeResultUnit(result);
    }
    record_.gasPrandtlText = results.gasPrandtlText;
    record_.gasShareText = results.gasShareText;
    record_.liquidPrandtlText = results.liquidPrandtlText;
    record_.liquidShareText = results.liquidShareText;
    showCompletedCalculation(busy);
}

} // namespace viskora
