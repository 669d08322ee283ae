#include "documents/record_fields.h"

#include "documents/field_labels.h"

namespace viskora {
namespace {

namespace l = field_labels;

// The three shapes of a row: an input with its unit, a result with its unit
// box, and a share or number without one.
template <typename Record, typename Results>
constexpr RecordField<Record, Results>
input(std::string_view name, FieldUnit unit, Quantity quantity, std::string Record::*text,
      int Record::*unitIndex, std::string Record::*unitName, std::string_view unitBox,
      int defaultUnitIndex, std::string_view label) {
    return {.name = name,
            .group = FieldGroup::Input,
            .unit = unit,
            .quantity = quantity,
            .text = text,
            .unitIndex = unitIndex,
            .unitName = unitName,
            .unitBox = unitBox,
            .defaultUnitIndex = defaultUnitIndex,
            .label = label};
}

template <typename Record, typename Results>
constexpr RecordField<Record, Results>
result(std::string_view name, FieldGroup group, Quantity quantity, double Record::*base,
       std::string Record::*text, int Record::*unitIndex, std::string Record::*unitName,
       std::string_view unitBox, int defaultUnitIndex, std::string_view label,
       std::string_view resultName, double (*value)(const Results&)) {
    RecordField<Record, Results> field =
        input<Record, Results>(name, FieldUnit::Own, quantity, text, unitIndex, unitName, unitBox,
                               defaultUnitIndex, label);
    field.group = group;
    field.base = base;
    field.resultName = resultName;
    field.result = value;
    return field;
}

template <typename Record, typename Results>
constexpr RecordField<Record, Results>
plainResult(std::string_view name, FieldGroup group, FieldUnit unit, std::string Record::*text,
            std::string_view label, std::string_view resultName, double (*value)(const Results&),
            std::string Results::*valueText) {
    return {.name = name,
            .group = group,
            .unit = unit,
            .quantity = Quantity::Density, // unused without a unit
            .text = text,
            .label = label,
            .resultName = resultName,
            .result = value,
            .resultText = valueText};
}

using B = BasicDocumentRecord;
using BR = BasicResults;
using Ref = ReferenceProperties;
constexpr auto basicInput = input<B, BR>;
constexpr auto basicResult = result<B, BR>;

constexpr BasicField kBasicFields[] = {
    basicInput("density", FieldUnit::Own, Quantity::Density, &B::densityText, &B::densityUnitIndex,
               &B::densityUnitName, "densityUnit", 0, l::kDensity),
    basicInput("densityTemp", FieldUnit::Own, Quantity::Temperature, &B::densityTempText,
               &B::tempUnitIndex, &B::tempUnitName, "tempUnit", 1, l::kAtTemperature),
    basicResult("resDensity", FieldGroup::Results, Quantity::Density, &B::resDensityBase,
                &B::resDensityText, &B::resDensityUnitIndex, &B::resDensityUnitName,
                "resDensityUnit", 0, l::kDensity, "density", resultAt<&BR::density>),
    basicResult("resHeat", FieldGroup::Results, Quantity::SpecificHeat, &B::resHeatBase,
                &B::resHeatText, &B::resHeatUnitIndex, &B::resHeatUnitName, "resHeatUnit", 1,
                l::kSpecificHeat, "specificHeat", resultAt<&BR::atReference, &Ref::specificHeat>),
    basicResult("resConductivity", FieldGroup::Results, Quantity::Conductivity,
                &B::resConductivityBase, &B::resConductivityText, &B::resConductivityUnitIndex,
                &B::resConductivityUnitName, "resConductivityUnit", 0, l::kConductivity,
                "thermalConductivity", resultAt<&BR::atReference, &Ref::thermalConductivity>),
    basicResult("resViscosity", FieldGroup::Results, Quantity::Viscosity, &B::resViscosityBase,
                &B::resViscosityText, &B::resViscosityUnitIndex, &B::resViscosityUnitName,
                "resViscosityUnit", 1, l::kViscosity, "kinematicViscosity",
                resultAt<&BR::atReference, &Ref::kinematicViscosity>),
    basicResult("resTension", FieldGroup::Results, Quantity::SurfaceTension, &B::resTensionBase,
                &B::resTensionText, &B::resTensionUnitIndex, &B::resTensionUnitName,
                "resTensionUnit", 0, l::kSurfaceTension, "surfaceTension",
                resultAt<&BR::atReference, &Ref::surfaceTension>),
    basicResult("resVapour", FieldGroup::Results, Quantity::Pressure, &B::resVapourBase,
                &B::resVapourText, &B::resVapourUnitIndex, &B::resVapourUnitName, "resVapourUnit",
                3, l::kVapourPressure, "vapourPressure",
                resultAt<&BR::atReference, &Ref::vapourPressure>),
    basicResult("resCritTemp", FieldGroup::Results, Quantity::Temperature, &B::resCritTempBase,
                &B::resCritTempText, &B::resCritTempUnitIndex, &B::resCritTempUnitName,
                "resCritTempUnit", 1, l::kCritTemperature, "pseudoCritTemp",
                resultAt<&BR::pseudoCritTemp>),
    plainResult("resPrandtl", FieldGroup::Results, FieldUnit::Number, &B::resPrandtlText,
                l::kPrandtl, "prandtl", resultAt<&BR::atReference, &Ref::prandtl>,
                &BR::prandtlText),
};

using A = AdditionalDocumentRecord;
using AR = AdditionalResults;
using Gas = GasProperties;
using Liquid = LiquidProperties;
constexpr auto additionalInput = input<A, AR>;
constexpr auto additionalResult = result<A, AR>;
constexpr auto gas = FieldGroup::GasPhase;
constexpr auto liquid = FieldGroup::LiquidPhase;

constexpr AdditionalField kAdditionalFields[] = {
    additionalInput("density", FieldUnit::Own, Quantity::Density, &A::densityText,
                    &A::densityUnitIndex, &A::densityUnitName, "densityUnit", 0, l::kDensity),
    additionalInput("densityTemp", FieldUnit::Own, Quantity::Temperature, &A::densityTempText,
                    &A::tempUnitIndex, &A::tempUnitName, "tempUnit", 1, l::kAtTemperature),
    additionalInput("designTemp", FieldUnit::Shared, Quantity::Temperature, &A::designTempText,
                    &A::tempUnitIndex, &A::designTempUnitName, "designTempUnit", 1,
                    l::kDesignTemperature),
    additionalInput("designPressure", FieldUnit::Own, Quantity::Pressure, &A::designPressureText,
                    &A::pressureUnitIndex, &A::pressureUnitName, "pressureUnit", 3,
                    l::kDesignPressure),
    plainResult("gasShare", gas, FieldUnit::Percent, &A::gasShareText, l::kShare, "gasMassShare",
                resultAt<&AR::gasMassShare>, &AR::gasShareText),
    additionalResult("gasDensity", gas, Quantity::Density, &A::gasDensityBase, &A::gasDensityText,
                     &A::gasDensityUnitIndex, &A::gasDensityUnitName, "gasDensityUnit", 0,
                     l::kDensity, "gasDensity", resultAt<&AR::gas, &Gas::density>),
    additionalResult("gasHeat", gas, Quantity::SpecificHeat, &A::gasHeatBase, &A::gasHeatText,
                     &A::gasHeatUnitIndex, &A::gasHeatUnitName, "gasHeatUnit", 1, l::kSpecificHeat,
                     "gasSpecificHeat", resultAt<&AR::gas, &Gas::specificHeat>),
    additionalResult("gasConductivity", gas, Quantity::Conductivity, &A::gasConductivityBase,
                     &A::gasConductivityText, &A::gasConductivityUnitIndex,
                     &A::gasConductivityUnitName, "gasConductivityUnit", 0, l::kConductivity,
                     "gasConductivity", resultAt<&AR::gas, &Gas::conductivity>),
    additionalResult("gasViscosity", gas, Quantity::Viscosity, &A::gasViscosityBase,
                     &A::gasViscosityText, &A::gasViscosityUnitIndex, &A::gasViscosityUnitName,
                     "gasViscosityUnit", 1, l::kViscosity, "gasViscosity",
                     resultAt<&AR::gas, &Gas::viscosity>),
    additionalResult("gasEnthalpy", gas, Quantity::Enthalpy, &A::gasEnthalpyBase,
                     &A::gasEnthalpyText, &A::gasEnthalpyUnitIndex, &A::gasEnthalpyUnitName,
                     "gasEnthalpyUnit", 1, l::kEnthalpy, "gasVaporisationEnthalpy",
                     resultAt<&AR::gas, &Gas::vaporisationEnthalpy>),
    plainResult("gasPrandtl", gas, FieldUnit::Number, &A::gasPrandtlText, l::kPrandtl, "gasPrandtl",
                resultAt<&AR::gas, &Gas::prandtl>, &AR::gasPrandtlText),
    plainResult("liquidShare", liquid, FieldUnit::Percent, &A::liquidShareText, l::kShare,
                "liquidMassShare", resultAt<&AR::liquidMassShare>, &AR::liquidShareText),
    additionalResult("liquidDensity", liquid, Quantity::Density, &A::liquidDensityBase,
                     &A::liquidDensityText, &A::liquidDensityUnitIndex, &A::liquidDensityUnitName,
                     "liquidDensityUnit", 0, l::kDensity, "liquidDensity",
                     resultAt<&AR::liquid, &Liquid::density>),
    additionalResult("liquidHeat", liquid, Quantity::SpecificHeat, &A::liquidHeatBase,
                     &A::liquidHeatText, &A::liquidHeatUnitIndex, &A::liquidHeatUnitName,
                     "liquidHeatUnit", 1, l::kSpecificHeat, "liquidSpecificHeat",
                     resultAt<&AR::liquid, &Liquid::specificHeat>),
    additionalResult("liquidConductivity", liquid, Quantity::Conductivity,
                     &A::liquidConductivityBase, &A::liquidConductivityText,
                     &A::liquidConductivityUnitIndex, &A::liquidConductivityUnitName,
                     "liquidConductivityUnit", 0, l::kConductivity, "liquidConductivity",
                     resultAt<&AR::liquid, &Liquid::conductivity>),
    additionalResult("liquidViscosity", liquid, Quantity::Viscosity, &A::liquidViscosityBase,
                     &A::liquidViscosityText, &A::liquidViscosityUnitIndex,
                     &A::liquidViscosityUnitName, "liquidViscosityUnit", 1, l::kViscosity,
                     "liquidViscosity", resultAt<&AR::liquid, &Liquid::viscosity>),
    additionalResult("liquidTension", liquid, Quantity::SurfaceTension, &A::liquidTensionBase,
                     &A::liquidTensionText, &A::liquidTensionUnitIndex, &A::liquidTensionUnitName,
                     "liquidTensionUnit", 0, l::kSurfaceTension, "liquidSurfaceTension",
                     resultAt<&AR::liquid, &Liquid::surfaceTension>),
    // The liquid phase's Prandtl number keeps the basic calculation's name.
    plainResult("liquidPrandtl", liquid, FieldUnit::Number, &A::liquidPrandtlText, l::kPrandtl,
                "prandtl", resultAt<&AR::liquid, &Liquid::prandtl>, &AR::liquidPrandtlText),
};

} // namespace

std::span<const BasicField> recordFields(const BasicDocumentRecord&) {
    return kBasicFields;
}

std::span<const AdditionalField> recordFields(const AdditionalDocumentRecord&) {
    return kAdditionalFields;
}

std::span<const BasicField> recordFields(const BasicResults&) {
    return kBasicFields;
}

std::span<const AdditionalField> recordFields(const AdditionalResults&) {
    return kAdditionalFields;
}

} // namespace viskora
