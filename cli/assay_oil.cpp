#include "cli/assay_oil.h"

#include "assays/assay_document.h"
#include "assays/assay_figures.h"
#include "cli/calc_report.h"
#include "documents/light_end_texts.h"
#include "units/display_format.h"
#include "units/unit_tables.h"

#include <algorithm>
#include <iostream>

namespace viskora {
namespace {

// A boundary in deg.C as the oil's temperature unit writes it; 0 stays 0,
// the fraction table's "not given".
std::string boundaryText(double celsius, int tempUnit) {
    if (celsius == 0) {
        return "0";
    }
    return shortestNumberText(convertTemperature(celsius, unit::kCelsius, tempUnit));
}

} // namespace

std::optional<int> applyAssayToOil(const std::string& path, ResolvedOil& oil,
                                   const std::string& command) {
    if (path.empty()) {
        return std::nullopt;
    }
    const bool lightEndsGiven =
        std::ranges::any_of(oil.lightEnds, [](const std::string& share) { return !share.empty(); });
    if (!oil.fractions.empty() || lightEndsGiven) {
        std::cerr << "viskora-calc " << command << ": --assay and "
                  << (lightEndsGiven ? "--light-end" : "--fraction") << " exclude each other\n"
                  << "(see viskora-calc " << command << " --help)\n";
        return kExitUsage;
    }
    const assays::AssayReadResult read = assays::openAssayDocument(path);
    if (!read.assay) {
        std::cerr << "viskora-calc " << command << ": " << path << ": " << read.message << '\n';
        return kExitInputError;
    }
    const assays::FiguresOutcome figures = assays::characteriseAssay(*read.assay);
    if (!figures.figures) {
        std::cerr << "viskora-calc " << command << ": " << path << ": " << figures.problem << '\n';
        return kExitInputError;
    }
    const assays::EngineOil& engineOil = figures.figures->engineOil;
    oil.densityText = shortestNumberText(convert(Quantity::Density, engineOil.density15,
                                                 baseUnitCode(Quantity::Density), oil.densityUnit));
    oil.densityTempText = boundaryText(15, oil.tempUnit);
    for (const assays::EngineRow& row : engineOil.rows) {
        oil.fractions.push_back({boundaryText(row.startC, oil.tempUnit),
                                 boundaryText(row.endC, oil.tempUnit),
                                 shortestNumberText(row.massPct)});
    }
    oil.lightEnds = lightEndTextsOf(engineOil.lightEnds);
    oil.residueRunsToTableTop = !engineOil.rows.empty() && engineOil.rows.back().residue;
    return std::nullopt;
}

} // namespace viskora
