#include "cli/assay_output.h"

#include "assays/assay_figures_csv.h"
#include "assays/descriptors.h"

#include "cli/terminal_text.h"
#include "units/display_format.h"

#include <iomanip>

namespace viskora {
namespace {

using assays::CutFigures;
using assays::OilFigures;

std::string number(double value) {
    return shortestNumberText(value);
}

std::string optionalText(const std::optional<double>& value) {
    return value ? number(*value) : std::string();
}

std::string rangeText(const CutFigures& cut) {
    if (cut.component) {
        return std::string(constantsOf(*cut.component).name);
    }
    return (cut.startC ? formatFixed(*cut.startC, 1) : std::string("IBP")) + " - " +
           (cut.endC ? formatFixed(*cut.endC, 1) : std::string("FBP"));
}

std::string shown(const std::optional<double>& value, int decimals) {
    return value ? formatFixed(*value, decimals) : std::string("-");
}

} // namespace

void printAssayFigures(std::ostream& out, const assays::AssayFigures& figures) {
    out << (figures.name.empty() ? std::string("Assay") : "Assay " + printable(figures.name))
        << " (yields by " << (figures.basis == assays::YieldBasis::Mass ? "mass" : "volume")
        << ")\n\n";
    out << std::left << std::setw(16) << "TBP, deg.C" << std::setw(9) << "mass %" << std::setw(9)
        << "vol %" << std::setw(10) << "rho15" << std::setw(9) << "Tb, C" << std::setw(8) << "SG"
        << std::setw(7) << "API" << std::setw(7) << "K" << std::setw(8) << "MW" << std::setw(10)
        << "nu40"
        << "nu100\n";
    for (const CutFigures& cut : figures.cuts) {
        out << std::left << std::setw(16) << rangeText(cut) << std::setw(9)
            << formatFixed(cut.massPct, 3) << std::setw(9) << formatFixed(cut.volumePct, 3)
            << std::setw(10) << (formatFixed(cut.density15, 1) + (cut.densityEstimated ? "*" : ""))
            << std::setw(9) << formatFixed(cut.midBoilingC, 1) << std::setw(8)
            << formatFixed(cut.specificGravity, 4) << std::setw(7) << formatFixed(cut.apiGravity, 1)
            << std::setw(7) << formatFixed(cut.watsonK, 2) << std::setw(8)
            << shown(cut.molarMass, 0) << std::setw(10)
            << (shown(cut.viscosity40, 3) + (cut.viscosityAnchored ? "m" : ""))
            << shown(cut.viscosity100, 3) << (cut.lightEnds ? "  light ends" : "") << '\n';
    }
    out << "(* density from the oil's Watson K; m anchored to a measured viscosity; viscosities "
           "in mm2/s)\n\n";
    const OilFigures& oil = figures.oil;
    const auto row = [&out](const char* name, const std::string& value, std::string_view unit) {
        out << std::left << std::setw(28) << name << std::setw(14) << value << unit << '\n';
    };
    row("density at 15 deg.C", formatFixed(oil.density15, 1),
        oil.densityFromCuts ? "kg/m3 (from the cuts)" : "kg/m3");
    row("density at 20 deg.C", formatFixed(oil.density20, 1), "kg/m3");
    row("API gravity", formatFixed(oil.apiGravity, 2), "deg.API");
    row("Watson K", formatFixed(oil.watsonK, 2), "");
    row("molecular weight", formatFixed(oil.molarMass, 1), "kg/kmol");
    row("viscosity at 20 deg.C", formatForDisplay(oil.viscosity20), "mm2/s (by narrow cuts)");
    row("viscosity at 40 deg.C", formatForDisplay(oil.viscosity40), "mm2/s");
    row("viscosity at 50 deg.C", formatForDisplay(oil.viscosity50), "mm2/s");
    row("viscosity at 100 deg.C", formatForDisplay(oil.viscosity100), "mm2/s");
    row("viscosity index", oil.viscosityIndex ? formatFixed(*oil.viscosityIndex, 0) : "-",
        oil.viscosityIndex ? "(ASTM D2270)"
                           : "(" + std::string(assays::kViscosityIndexUndefined) + ")");
    row("light ends", formatFixed(oil.lightEndsMassPct, 3), "mass %");
    const auto pressure = [](const std::optional<double>& value) {
        return value ? formatForDisplay(*value) : std::string("-");
    };
    row("Reid vapour pressure", pressure(oil.reidVapourPressure),
        "MPa (by narrow cuts; dissolved air left out)");
    row("true vapour pressure 20 C", pressure(oil.trueVapourPressure20), "MPa");
    row("true vapour pressure 37.8 C", pressure(oil.trueVapourPressure37_8), "MPa");
    out << "\nFraction table (mass %), density " << formatFixed(figures.engineOil.density15, 2)
        << " kg/m3 at 15 deg.C\n";
    for (const assays::EngineRow& r : figures.engineOil.rows) {
        out << "  --fraction " << number(r.startC) << ':' << number(r.endC) << ':'
            << number(r.massPct) << '\n';
    }
    for (const LightEndShare& share : figures.engineOil.lightEnds) {
        out << "  --light-end " << constantsOf(share.component).name << ':' << number(share.massPct)
            << '\n';
    }
}

void writeAssayCsv(std::ostream& out, const assays::AssayFigures& figures) {
    out << assays::assayFiguresCsv(figures);
}

} // namespace viskora
