#pragma once

#include "units/unit_tables.h"

#include <array>
#include <string>
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

} // namespace viskora
