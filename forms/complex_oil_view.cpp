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

constexpr int kTempUnitBoxId = 1006;

const ExchangeLayout<Record>& exchangeLayout() {
    static const ExchangeLayout<Record> kLayout{
        {
            {1003, &Record::densityText},
            {1005, &Record::densityTempText},
            {1008, &Record::designPressureText},
            {1007, &Record::designTempText},
            {1015, &Record::gasShareText},
            {1065, &Record::gasDensityText},
            {1072, &Record::gasHeatText},
            {1077, &Record::gasConductivityText},
            {1078, &Record::gasViscosityText},
            {1079, &Record::gasEnthalpyText},
            {1080, &Record::gasPrandtlText},
            {1075, &Record::liquidShareText},
            {1020, &Record::liquidDensityText},
            {1047, &Record::liquidHeatText},
            {1050, &Record::liquidConductivityText},
            {1052, &Record::liquidViscosityText},
            {1058, &Record::liquidTensionText},
            {1066, &Record::liquidPrandtlText},
        },
        {
            {1006, &Record::tempUnitIndex},
            {1004, &Record::densityUnitIndex},
            {1010, &Record::pressureUnitIndex},
            {1012, &Record::gasDensityUnitIndex},
            {1081, &Record::gasHeatUnitIndex},
            {1082, &Record::gasConductivityUnitIndex},
            {1083, &Record::gasViscosityUnitIndex},
            {1084, &Record::gasEnthalpyUnitIndex},
            {1088, &Record::liquidDensityUnitIndex},
            {1089, &Record::liquidHeatUnitIndex},
            {1090, &Record::liquidConductivityUnitIndex},
            {1092, &Record::liquidViscosityUnitIndex},
            {1091, &Record::liquidTensionUnitIndex},
        },
        {
            {1006, &Record::tempUnitName},
            {1004, &Record::densityUnitName},
            {1010, &Record::pressureUnitName},
            {1009, &Record::designTempUnitName},
            {1012, &Record::gasDensityUnitName},
            {1081, &Record::gasHeatUnitName},
            {1082, &Record::gasConductivityUnitName},
            {1083, &Record::gasViscosityUnitName},
            {1084, &Record::gasEnthalpyUnitName},
            {1088, &Record::liquidDensityUnitName},
            {1089, &Record::liquidHeatUnitName},
            {1090, &Record::liquidConductivityUnitName},
            {1092, &Record::liquidViscosityUnitName},
            {1091, &Record::liquidTensionUnitName},
        },
    };
    return kLayout;
}

// In the order in which Calculate shows them.
const ResultUnit<Record> kResults[] = {
    {1012, Quantity::Density, &Record::gasDensityBase, &Record::gasDensityText,
     &Record::gasDensityUnitIndex},
    {1081, Quantity::SpecificHeat, &Record::gasHeatBase, &Record::gasHeatText,
     &Record::gasHeatUnitIndex},
    {1082, Quantity::Conductivity, &Record::gasConductivityBase, &Record::gasConductivityText,
     &Record::gasConductivityUnitIndex},
    {1083, Quantity::Viscosity, &Record::gasViscosityBase, &Record::gasViscosityText,
     &Record::gasViscosityUnitIndex},
    {1084, Quantity::Enthalpy, &Record::gasEnthalpyBase, &Record::gasEnthalpyText,
     &Record::gasEnthalpyUnitIndex},
    {1088, Quantity::Density, &Record::liquidDensityBase, &Record::liquidDensityText,
     &Record::liquidDensityUnitIndex},
    {1089, Quantity::SpecificHeat, &Record::liquidHeatBase, &Record::liquidHeatText,
     &Record::liquidHeatUnitIndex},
    {1090, Quantity::Conductivity, &Record::liquidConductivityBase, &Record::liquidConductivityText,
     &Record::liquidConductivityUnitIndex},
    {1092, Quantity::Viscosity, &Record::liquidViscosityBase, &Record::liquidViscosityText,
     &Record::liquidViscosityUnitIndex},
    {1091, Quantity::SurfaceTension, &Record::liquidTensionBase, &Record::liquidTensionText,
     &Record::liquidTensionUnitIndex},
};

constexpr LabelText kLabels[] = {
    {1028, "Density : "},
    {1029, "at the temperature : "},
    {1030, "Design temperature : "},
    {1031, "Design pressure : "},
    {1046, "The share in the total mass, %% : "},
    {1032, "Density : "},
    {1033, "Isobaric specific heat : "},
    {1034, "Thermal conductivity : "},
    {1085, "Kinematic viscosity : "},
    {1086, "Vaporisation enthalpy : "},
    {1087, "Prandtl number : "},
    {1074, "The share in the total mass, %% : "},
    {1067, "Density : "},
    {1068, "Isobaric specific heat : "},
    {1069, "Thermal conductivity : "},
    {1070, "Kinematic viscosity : "},
    {1071, "Surface tension : "},
    {1073, "Prandtl number : "},
};

} // namespace

CComplexOilView::CComplexOilView(QWidget* parent)
    : OilFormView(QStringLiteral(":/forms/additional.form"), 1027, 1048, parent) {
    connect(controls_.get<QPushButton>(1019), &QPushButton::clicked, this,
            &CComplexOilView::calculate);
    connect(controls_.get<QComboBox>(kTempUnitBoxId), &QComboBox::activated, this,
            &CComplexOilView::mirrorDesignTempUnit);
    for (const Result& result : kResults) {
        connect(controls_.get<QComboBox>(result.boxId), &QComboBox::activated, this,
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
