#include "documents/unit_name_lists.h"

#include <cstddef>

namespace viskora {
namespace {

constexpr UnitBoxInfo kBasicFormUnitBoxes[] = {
    {1006, Quantity::Temperature, 1, "tempUnitIndex"},
    {1004, Quantity::Density, 0, "densityUnitIndex"},
    {1008, Quantity::Density, 0, "resDensityUnitIndex"},
    {1014, Quantity::SpecificHeat, 1, "resHeatUnitIndex"},
    {1021, Quantity::Conductivity, 0, "resConductivityUnitIndex"},
    {1022, Quantity::Viscosity, 1, "resViscosityUnitIndex"},
    {1026, Quantity::SurfaceTension, 0, "resTensionUnitIndex"},
    {1025, Quantity::Pressure, 3, "resVapourUnitIndex"},
    {1034, Quantity::Temperature, 1, "resCritTempUnitIndex"},
};

constexpr UnitBoxInfo kAdditionalFormUnitBoxes[] = {
    {1006, Quantity::Temperature, 1, "tempUnitIndex"},
    {1004, Quantity::Density, 0, "densityUnitIndex"},
    {1010, Quantity::Pressure, 3, "pressureUnitIndex"},
    {1012, Quantity::Density, 0, "gasDensityUnitIndex"},
    {1081, Quantity::SpecificHeat, 1, "gasHeatUnitIndex"},
    {1082, Quantity::Conductivity, 0, "gasConductivityUnitIndex"},
    {1083, Quantity::Viscosity, 1, "gasViscosityUnitIndex"},
    {1084, Quantity::Enthalpy, 1, "gasEnthalpyUnitIndex"},
    {1088, Quantity::Density, 0, "liquidDensityUnitIndex"},
    {1089, Quantity::SpecificHeat, 1, "liquidHeatUnitIndex"},
    {1090, Quantity::Conductivity, 0, "liquidConductivityUnitIndex"},
    {1092, Quantity::Viscosity, 1, "liquidViscosityUnitIndex"},
    {1091, Quantity::SurfaceTension, 0, "liquidTensionUnitIndex"},
};

} // namespace

CUnitNameLists::CUnitNameLists() {
    for (int q = 0; q < kQuantityCount; ++q) {
        const auto quantity = static_cast<Quantity>(q);
        for (std::string_view name : unitNames(quantity)) {
            lists_[static_cast<std::size_t>(q)].emplace_back(name);
        }
    }
}

const std::vector<std::string>& CUnitNameLists::names(Quantity quantity) const {
    return lists_[static_cast<std::size_t>(quantity)];
}

std::string CUnitNameLists::nameAt(Quantity quantity, int unitIndex) const {
    const std::vector<std::string>& list = names(quantity);
    if (unitIndex < 0 || static_cast<std::size_t>(unitIndex) >= list.size()) {
        return list[static_cast<std::size_t>(baseUnitCode(quantity) - 1)];
    }
    return list[static_cast<std::size_t>(unitIndex)];
}

std::span<const UnitBoxInfo> basicFormUnitBoxes() {
    return kBasicFormUnitBoxes;
}

std::span<const UnitBoxInfo> additionalFormUnitBoxes() {
    return kAdditionalFormUnitBoxes;
}

} // namespace viskora
