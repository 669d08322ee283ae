#pragma once

#include "property_curves/property_sweep.h"
#include "units/unit_tables.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace viskora {

// The phase a column describes: its values exist only where the point has
// that phase.
enum class SweepPhase { None, Gas, Liquid };

// A column of the curves table: the swept state, then every result of the
// additional calculation under the name the calculator gives it, then the
// anchored viscosity. A column without a quantity is a share in % or a
// Prandtl number and has no unit list.
struct SweepColumn {
    std::string_view name;
    std::optional<Quantity> quantity;
    std::string_view fixedUnit; // the unit of a column without a quantity
    SweepPhase phase = SweepPhase::None;
};

std::span<const SweepColumn> sweepColumns();

// The column of a name, or nothing.
const SweepColumn* findSweepColumn(std::string_view name);

// A column's value at a point: temperature and pressure as swept (in the
// oil's temperature unit and the sweep's pressure unit), the results in base
// units. Nothing where the point has none: a result of a point the engine
// stopped at, a property of a phase the point does not have (the engine
// gives such a property as 0, which is no value of it), or an anchored
// viscosity without measured values.
std::optional<double> sweepColumnValue(const SweepPoint& point, const SweepColumn& column);

// The short name of a unit for a column heading: "°C" of "°C - Celsius",
// "MPa" of "MPa (megapascal)"; empty for a code outside the quantity's list.
std::string shortUnitName(Quantity quantity, int unitCode);

// The name of a unit as files and scripts read it, the calculator's: plain
// ASCII ("mm2/s", "W/(m K)", "cal/(g deg.C)") for every quantity but the
// temperature, which keeps its short name ("°C"), as the calculator has
// always written it. Empty for a code outside the quantity's list.
std::string fileUnitName(Quantity quantity, int unitCode);

// "name [unit]" of a column in a file's heading, with the unit code it is
// written in (ignored for a column without a quantity).
std::string sweepColumnHeading(const SweepColumn& column, int unitCode);

// A point's message as a CSV field: its line breaks as CR LF, the line end
// of the file it is written into.
std::string csvMessage(std::string_view message);
// A point's message on one line, its line breaks as blanks: for a table's
// row and tab-separated text.
std::string oneLineMessage(std::string_view message);

} // namespace viskora
