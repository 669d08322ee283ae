#pragma once

#include "units/unit_tables.h"

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace viskora {

// The unit names of every quantity, one list per quantity in the order of
// Quantity (temperature, density, pressure, specific heat, thermal
// conductivity, vaporisation enthalpy, kinematic viscosity, surface tension).
// A name's 0-based position in its list is its unit code minus one. The
// names are UTF-8; they become windows-1251 only in files.
class CUnitNameLists {
  public:
    CUnitNameLists();

    const std::vector<std::string>& names(Quantity quantity) const;

    // The name at a unit index. An index the list does not have (a damaged
    // file can hold one) gives the base unit's name, as its value is read
    // in the base unit.
    std::string nameAt(Quantity quantity, int unitIndex) const;

  private:
    std::array<std::vector<std::string>, kQuantityCount> lists_;
};

// One unit box of a calculation form: its control id, the quantity whose
// list it offers, the unit index it selects on a new form, and the record
// field that keeps its selection.
struct UnitBoxInfo {
    int controlId;
    Quantity quantity;
    int defaultIndex;
    std::string_view indexField;
};

// The nine unit boxes of the basic form and the thirteen of the additional
// form, in the order in which the forms exchange their unit indices.
std::span<const UnitBoxInfo> basicFormUnitBoxes();
std::span<const UnitBoxInfo> additionalFormUnitBoxes();

} // namespace viskora
