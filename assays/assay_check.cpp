#include "assays/assay_check.h"
#include "units/unit_tables.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace viskora::assays {
namespace {

constexpr double kAbsoluteZeroC = -kKelvinOffset;
constexpr double kLowestStatedTempC = -50;
constexpr double kHighestDensityTempC = 150;
constexpr double kHighestViscosityTempC = 400;
constexpr double kEngineCutsStartC = 35;

std::string cutName(std::size_t index) {
    return "Cut " + std::to_string(index + 1);
}

std::string degrees(double celsius) {
    return numberForMessage(celsius) + " deg.C";
}

// Whether the cut [start, end] holds a whole 1 deg.C cut of the engine
// (35 + i to 36 + i deg.C); a start not given is the table's start.
bool holdsWholeEngineCut(std::optional<double> start, double end) {
    const double from = std::ceil(std::max(start.value_or(kEngineCutsStartC), kEngineCutsStartC));
    return std::floor(std::min(end, kTableTopC)) - from >= 1;
}

std::optional<std::string> densityProblem(const StatedDensity& density, const std::string& whose) {
    if (!std::isfinite(density.kgPerM3) || !std::isfinite(density.tempC)) {
        return whose + ": the density is not a number.";
    }
    if (density.kgPerM3 < kLightestDensity || density.kgPerM3 > kHeaviestDensity) {
        return whose + ": the density, " + numberForMessage(density.kgPerM3) +
               " kg/m3, lies outside " + numberForMessage(kLightestDensity) + " to " +
               numberForMessage(kHeaviestDensity) + " kg/m3.";
    }
    if (density.tempC < kLowestStatedTempC || density.tempC > kHighestDensityTempC) {
        return whose + ": the density's temperature, " + degrees(density.tempC) +
               ", lies outside -50 to 150 deg.C.";
    }
    return std::nullopt;
}

std::optional<std::string> boundaryProblem(const AssayCut& cut, std::size_t index,
                                           std::size_t count) {
    const std::string name = cutName(index);
    if (!cut.startC && index > 0) {
        return name + ": only the first cut may leave its start out.";
    }
    if (!cut.endC && index + 1 < count) {
        return name + ": only the last cut may leave its end out (a residue).";
    }
    for (const std::optional<double>& boundary : {cut.startC, cut.endC}) {
        if (boundary && !std::isfinite(*boundary)) {
            return name + ": a boiling temperature is not a number.";
        }
        if (boundary && *boundary < kAbsoluteZeroC) {
            return name + ": a boiling temperature lies below absolute zero.";
        }
        if (boundary && *boundary > kTableTopC) {
            return name + ": " + degrees(*boundary) + " lies above 835 deg.C, the top of the " +
                   "narrow cuts.";
        }
    }
    if (cut.startC && cut.endC && !(*cut.endC > *cut.startC)) {
        return name + ": its end is not above its start.";
    }
    const double end = cut.endC.value_or(kTableTopC);
    if (end > kLightEndsTopC && !holdsWholeEngineCut(cut.startC, end)) {
        return name + " holds no whole 1 deg.C cut between 35 and 835 deg.C.";
    }
    return std::nullopt;
}

std::optional<std::string> cutProblem(const Assay& assay, std::size_t index) {
    const AssayCut& cut = assay.cuts[index];
    const std::string name = cutName(index);
    if (auto problem = boundaryProblem(cut, index, assay.cuts.size())) {
        return problem;
    }
    if (index > 0) {
        const double previousEnd = *assay.cuts[index - 1].endC;
        if (*cut.startC < previousEnd) {
            return name + " overlaps cut " + std::to_string(index) + ": it starts at " +
                   degrees(*cut.startC) + ", below that cut's end at " + degrees(previousEnd) + ".";
        }
        if (*cut.startC > previousEnd) {
            return name + " leaves a gap after cut " + std::to_string(index) + ": it starts at " +
                   degrees(*cut.startC) + ", above that cut's end at " + degrees(previousEnd) + ".";
        }
    }
    if (!std::isfinite(cut.yield) || cut.yield < 0) {
        return name + ": the yield must be a number of 0 or more.";
    }
    if (cut.density) {
        if (auto problem = densityProblem(*cut.density, name)) {
            return problem;
        }
    }
    if (cut.viscosity) {
        const StatedViscosity& v = *cut.viscosity;
        if (!std::isfinite(v.mm2PerS) || !(v.mm2PerS > 0)) {
            return name + ": the measured viscosity must be above 0 mm2/s.";
        }
        if (!std::isfinite(v.tempC) || v.tempC < kLowestStatedTempC ||
            v.tempC > kHighestViscosityTempC) {
            return name + ": the viscosity's temperature lies outside -50 to 400 deg.C.";
        }
        if (cut.endC && *cut.endC <= kLightEndsTopC) {
            return name + " is light ends (it ends at or below 36 deg.C): its viscosity cannot "
                          "be used.";
        }
    }
    return std::nullopt;
}

// The light ends given by component: each once, with a yield, and not
// beside a light-ends cut that would count them twice.
std::optional<std::string> lightEndsProblem(const Assay& assay) {
    std::array<bool, kLightEndCount> seen{};
    for (const LightEndYield& given : assay.lightEnds) {
        const std::string name = "Light end " + std::string(constantsOf(given.component).name);
        if (!std::isfinite(given.yield) || given.yield < 0) {
            return name + ": the yield must be a number of 0 or more.";
        }
        bool& already = seen[static_cast<std::size_t>(given.component)];
        if (already) {
            return name + " is given twice.";
        }
        already = true;
    }
    const bool lightEndsCut =
        std::any_of(assay.cuts.begin(), assay.cuts.end(),
                    [](const AssayCut& c) { return c.endC && *c.endC <= kLightEndsTopC; });
    if (!assay.lightEnds.empty() && lightEndsCut) {
        return std::string("The light ends are given both as a cut and by component: give one.");
    }
    return std::nullopt;
}

} // namespace

std::string numberForMessage(double value) {
    // A sum of typed figures carries binary noise in its last digits
    // (99.80000000000001); twelve significant digits drop it.
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 12);
    return std::string(text, end.ptr);
}

std::optional<std::string> assayProblem(const Assay& assay) {
    if (assay.cuts.empty()) {
        return "The assay has no cuts.";
    }
    if (assay.cuts.size() > kMaxAssayCuts) {
        return "The assay has more than 100 cuts.";
    }
    double yieldSum = 0;
    std::optional<std::size_t> cutWithoutDensity;
    for (std::size_t i = 0; i < assay.cuts.size(); ++i) {
        if (auto problem = cutProblem(assay, i)) {
            return problem;
        }
        yieldSum += assay.cuts[i].yield;
        if (!assay.cuts[i].density && !cutWithoutDensity) {
            cutWithoutDensity = i;
        }
    }
    if (assay.cuts.back().endC && *assay.cuts.back().endC <= kLightEndsTopC) {
        return "The assay has no cut boiling above 36 deg.C.";
    }
    if (auto problem = lightEndsProblem(assay)) {
        return problem;
    }
    for (const LightEndYield& given : assay.lightEnds) {
        yieldSum += given.yield;
    }
    if (std::fabs(yieldSum - 100) > kYieldRoundingTolerance) {
        return "The yields add up to " + numberForMessage(yieldSum) + " %, not 100 %.";
    }
    if (assay.density) {
        if (auto problem = densityProblem(*assay.density, "The whole oil")) {
            return problem;
        }
    } else if (cutWithoutDensity) {
        return "The whole oil's density is needed: cut " + std::to_string(*cutWithoutDensity + 1) +
               " has no density.";
    }
    return std::nullopt;
}

} // namespace viskora::assays
