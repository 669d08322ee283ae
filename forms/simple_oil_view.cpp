#include "forms/simple_oil_view.h"

#include "engine/calc_sequence.h"
#include "engine/oil_calc.h"
#include "forms/busy_cursor.h"
#include "grid/grid_control.h"
#include "units/display_format.h"

#include <QComboBox>
#include <QPushButton>

#include <memory>

namespace viskora {
namespace {

using Record = BasicDocumentRecord;

const ExchangeLayout<Record>& exchangeLayout() {
    static const ExchangeLayout<Record> kLayout{
        {
            {1003, &Record::densityText},
            {1005, &Record::densityTempText},
            {1011, &Record::resDensityText},
            {1013, &Record::resHeatText},
            {1016, &Record::resConductivityText},
            {1017, &Record::resViscosityText},
            {1018, &Record::resTensionText},
            {1024, &Record::resVapourText},
            {1030, &Record::resCritTempText},
            {1027, &Record::resPrandtlText},
        },
        {
            {1006, &Record::tempUnitIndex},
            {1004, &Record::densityUnitIndex},
            {1008, &Record::resDensityUnitIndex},
            {1014, &Record::resHeatUnitIndex},
            {1021, &Record::resConductivityUnitIndex},
            {1022, &Record::resViscosityUnitIndex},
            {1026, &Record::resTensionUnitIndex},
            {1025, &Record::resVapourUnitIndex},
            {1034, &Record::resCritTempUnitIndex},
        },
        {
            {1006, &Record::tempUnitName},
            {1004, &Record::densityUnitName},
            {1008, &Record::resDensityUnitName},
            {1014, &Record::resHeatUnitName},
            {1021, &Record::resConductivityUnitName},
            {1022, &Record::resViscosityUnitName},
            {1026, &Record::resTensionUnitName},
            {1025, &Record::resVapourUnitName},
            {1034, &Record::resCritTempUnitName},
        },
    };
    return kLayout;
}

// In the order in which Calculate shows them.
const ResultUnit<Record> kResults[] = {
    {1008, Quantity::Density, &Record::resDensityBase, &Record::resDensityText,
     &Record::resDensityUnitIndex},
    {1014, Quantity::SpecificHeat, &Record::resHeatBase, &Record::resHeatText,
     &Record::resHeatUnitIndex},
    {1021, Quantity::Conductivity, &Record::resConductivityBase, &Record::resConductivityText,
     &Record::resConductivityUnitIndex},
    {1022, Quantity::Viscosity, &Record::resViscosityBase, &Record::resViscosityText,
     &Record::resViscosityUnitIndex},
    {1026, Quantity::SurfaceTension, &Record::resTensionBase, &Record::resTensionText,
     &Record::resTensionUnitIndex},
    {1025, Quantity::Pressure, &Record::resVapourBase, &Record::resVapourText,
     &Record::resVapourUnitIndex},
    {1034, Quantity::Temperature, &Record::resCritTempBase, &Record::resCritTempText,
     &Record::resCritTempUnitIndex},
};

constexpr LabelText kLabels[] = {
    {1028, "Density : "},
    {1029, "at the temperature : "},
    {1031, "Density : "},
    {1032, "Isobaric specific heat : "},
    {1033, "Thermal conductivity : "},
    {1035, "Kinematic viscosity : "},
    {1036, "Surface tension : "},
    {1037, "Saturated vapor pressure : "},
    {1094, "Pseudocritical temperature : "},
    {1093, "Prandtl number : "},
};

} // namespace

CSimpleOilView::CSimpleOilView(QWidget* parent)
    : OilFormView(QStringLiteral(":/forms/basic.form"), 1053, 1046, parent) {
    connect(controls_.get<QPushButton>(1019), &QPushButton::clicked, this,
            &CSimpleOilView::calculate);
    for (const Result& result : kResults) {
        connect(controls_.get<QComboBox>(result.boxId), &QComboBox::activated, this,
                [this, &result] { changeResultUnit(result); });
    }
}

void CSimpleOilView::initialUpdate() {
    exchangeToControls();
    fillUnitBoxes(basicFormUnitBoxes(), false);
    setSpinRange();
    setUpGrid(record_.fractionCount, record_.fractions);
    setFractionSwitchText();
    exchangeToControls();
    enableFractionControls(record_.useFractions == 1);
    fitToTemplate();
}

bool CSimpleOilView::exchangeToRecord() {
    grid_->finishEditing();
    readTexts(exchangeLayout(), controls_, record_);
    record_.useFractions = readFractionSwitch();
    if (!readFractionCount(record_.fractionCount)) {
        return false;
    }
    readUnits(exchangeLayout(), controls_, record_);
    return true;
}

void CSimpleOilView::exchangeToControls() {
    showTexts(exchangeLayout(), controls_, record_);
    showFractionSwitch(record_.useFractions);
    showFractionCount(record_.fractionCount);
    showLabels(kLabels);
    showFractionLabels();
    showUnits(exchangeLayout(), controls_, record_);
}

void CSimpleOilView::changeResultUnit(const Result& result) {
    exchangeToRecord();
    record_.*result.text =
        formatInUnit(result.quantity, record_.*result.base, record_.*result.unitIndex + 1);
    exchangeToControls();
}

void CSimpleOilView::calculate() {
    exchangeToRecord();
    const QuietCountBox quiet(*this);
    const auto calc = std::make_unique<COilCalc>(&messages_);
    BusyCursor busy;
    fillOilInputs(*calc, record_);
    if (!runGuarded(busy, [&] { return runBasicCalculation(*calc); })) {
        return;
    }

    const BasicResults results = basicResults(*calc);
    record_.resDensityBase = results.density;
    record_.resHeatBase = results.specificHeat;
    record_.resConductivityBase = results.thermalConductivity;
    record_.resViscosityBase = results.kinematicViscosity;
    record_.resTensionBase = results.surfaceTension;
    record_.resVapourBase = results.vapourPressure;
    record_.resCritTempBase = results.pseudoCritTemp;
    // Each unit change shows the record again, so the Prandtl number, which
    // has no unit, is set after them.
    for (const Result& result : kResults) {
        changeResultUnit(result);
    }
    record_.resPrandtlText = results.prandtlText;
    showCompletedCalculation(busy);
}

} // namespace viskora
