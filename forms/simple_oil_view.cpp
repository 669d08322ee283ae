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
            {"density", &Record::densityText},
            {"densityTemp", &Record::densityTempText},
            {"resDensity", &Record::resDensityText},
            {"resHeat", &Record::resHeatText},
            {"resConductivity", &Record::resConductivityText},
            {"resViscosity", &Record::resViscosityText},
            {"resTension", &Record::resTensionText},
            {"resVapour", &Record::resVapourText},
            {"resCritTemp", &Record::resCritTempText},
            {"resPrandtl", &Record::resPrandtlText},
        },
        {
            {"tempUnit", &Record::tempUnitIndex},
            {"densityUnit", &Record::densityUnitIndex},
            {"resDensityUnit", &Record::resDensityUnitIndex},
            {"resHeatUnit", &Record::resHeatUnitIndex},
            {"resConductivityUnit", &Record::resConductivityUnitIndex},
            {"resViscosityUnit", &Record::resViscosityUnitIndex},
            {"resTensionUnit", &Record::resTensionUnitIndex},
            {"resVapourUnit", &Record::resVapourUnitIndex},
            {"resCritTempUnit", &Record::resCritTempUnitIndex},
        },
        {
            {"tempUnit", &Record::tempUnitName},
            {"densityUnit", &Record::densityUnitName},
            {"resDensityUnit", &Record::resDensityUnitName},
            {"resHeatUnit", &Record::resHeatUnitName},
            {"resConductivityUnit", &Record::resConductivityUnitName},
            {"resViscosityUnit", &Record::resViscosityUnitName},
            {"resTensionUnit", &Record::resTensionUnitName},
            {"resVapourUnit", &Record::resVapourUnitName},
            {"resCritTempUnit", &Record::resCritTempUnitName},
        },
    };
    return kLayout;
}

// In the order in which Calculate shows them.
const ResultUnit<Record> kResults[] = {
    {"resDensityUnit", Quantity::Density, &Record::resDensityBase, &Record::resDensityText,
     &Record::resDensityUnitIndex},
    {"resHeatUnit", Quantity::SpecificHeat, &Record::resHeatBase, &Record::resHeatText,
     &Record::resHeatUnitIndex},
    {"resConductivityUnit", Quantity::Conductivity, &Record::resConductivityBase,
     &Record::resConductivityText, &Record::resConductivityUnitIndex},
    {"resViscosityUnit", Quantity::Viscosity, &Record::resViscosityBase, &Record::resViscosityText,
     &Record::resViscosityUnitIndex},
    {"resTensionUnit", Quantity::SurfaceTension, &Record::resTensionBase, &Record::resTensionText,
     &Record::resTensionUnitIndex},
    {"resVapourUnit", Quantity::Pressure, &Record::resVapourBase, &Record::resVapourText,
     &Record::resVapourUnitIndex},
    {"resCritTempUnit", Quantity::Temperature, &Record::resCritTempBase, &Record::resCritTempText,
     &Record::resCritTempUnitIndex},
};

constexpr LabelText kLabels[] = {
    {"densityLabel", "Density : "},
    {"densityTempLabel", "at the temperature : "},
    {"resDensityLabel", "Density : "},
    {"resHeatLabel", "Isobaric specific heat : "},
    {"resConductivityLabel", "Thermal conductivity : "},
    {"resViscosityLabel", "Kinematic viscosity : "},
    {"resTensionLabel", "Surface tension : "},
    {"resVapourLabel", "Saturated vapor pressure : "},
    {"resCritTempLabel", "Pseudocritical temperature : "},
    {"resPrandtlLabel", "Prandtl number : "},
};

} // namespace

CSimpleOilView::CSimpleOilView(QWidget* parent)
    : OilFormView(QStringLiteral(":/forms/basic.form"), parent) {
    connect(controls_.get<QPushButton>("calculate"), &QPushButton::clicked, this,
            &CSimpleOilView::calculate);
    for (const Result& result : kResults) {
        connect(controls_.get<QComboBox>(result.boxName), &QComboBox::activated, this,
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
