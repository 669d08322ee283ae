#pragma once

#include "sweeps/property_sweep.h"
#include "units/unit_tables.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace viskora {

// A column of the curves table: the swept state, then every result of the
// additional calculation under the name the calculator gives it, then the
// anchored viscosity. A column without a quantity is a share in % or a
// Prandtl number and has no unit list.
struct SweepColumn {
    std::string_view name;
    std::optional<Quantity> quantity;
    std::string_view fixedUnit; // the unit of a column without a quantity
};

std::span<const SweepColumn> sweepColumns();

// The column of a name, or nothing.
const SweepColumn* findSweepColumn(std::string_view name);

// A column's value at a point: temperature and pressure as swept (in the
// oil's temperature unit and the sweep's pressure unit), the results in base
// units. Nothing where the point has none: a result of a point the engine
// stopped at, or an anchored viscosity without measured values.
std::optional<double> sweepColumnValue(const SweepPoint& point, const SweepColumn& column);

// The short name of a unit for a column heading: "°C" of "°C - Celsius",
// "MPa" of "MPa (megapascal)"; empty for a code outside the quantity's list.
std::string shortUnitName(Quantity quantity, int unitCode);

} // namespace viskora
