#include "property_curves/sweep_point_lines.h"

#include "units/display_format.h"

#include <algorithm>

namespace viskora {

std::vector<ResultLine> sweepPointLines(const SweepPoint& point) {
    std::vector<ResultLine> lines = resultLines(point.results);
    const auto viscosity = std::find_if(lines.begin(), lines.end(), [](const ResultLine& line) {
        return line.name == "liquidViscosity";
    });
    viscosity->value = point.liquidViscosityWholeOil;
    viscosity->shown = formatForDisplay(point.liquidViscosityWholeOil);
    ResultLine byCuts = *viscosity;
    byCuts.name = "liquidViscosityByCuts";
    byCuts.value = point.liquidViscosityByCuts;
    byCuts.shown = formatForDisplay(point.liquidViscosityByCuts);
    lines.insert(viscosity + 1, byCuts);
    return lines;
}

} // namespace viskora
