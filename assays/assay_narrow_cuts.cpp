#include "assays/assay_narrow_cuts.h"

#include "assays/assay_check.h"
#include "engine/oil_cuts.h"

#include <cmath>
#include <memory>

namespace viskora::assays {
namespace {

// The first input error or failure an assay's calculation met, where the
// user is told why the oil cannot be calculated.
std::string refusalText(const std::vector<CalcMessage>& met) {
    for (const CalcMessage& message : met) {
        if (!message.asksYesOrNo()) {
            return message.text;
        }
    }
    return "The oil cannot be calculated.";
}

// The factors of ln Z tried for a measured viscosity: a viscosity from
// about a fiftieth to fifty times Twu's in ln Z covers any real cut.
const double kLowestLogFactor = std::log(1.0 / 50);
const double kHighestLogFactor = std::log(50.0);
constexpr int kAnchorSteps = 100;

} // namespace

AssayNarrowCuts::Build
AssayNarrowCuts::build(const EngineOil& oil,
                       const std::vector<std::optional<StatedViscosity>>& measured) {
    // The engine's questions are answered Yes: an assay's residue runs past
    // the 600 deg.C it asks about.
    const auto distributed = std::make_unique<CutsOutcome>(
        calculateCuts(engineInputsOf(oil, ViscosityMethod::NarrowCuts), AcceptedWarnings::all()));
    if (distributed->status != CalcOutcome::Completed) {
        return {std::nullopt, refusalText(distributed->messages)};
    }
    AssayNarrowCuts cuts;
    cuts.oil_ = std::move(distributed->cuts);
    cuts.firstRowStartC = oil.rows.empty() ? 0 : oil.rows.front().startC;
    OilCuts& calc = cuts.oil_;

    // The engine's rows are the assay's, in order, each over the cuts inside
    // its boundaries as the engine placed them.
    std::vector<CutRowDensity> rows;
    for (std::size_t r = 0; r < oil.rows.size(); ++r) {
        const RowBounds& row = calc.rows.at(r);
        int first = calc.end;
        int end = calc.first;
        for (int i = calc.first; i < calc.end; ++i) {
            if (row.start <= calc.low[i] && row.end >= calc.high[i]) {
                first = std::min(first, i);
                end = std::max(end, i + 1);
            }
        }
        cuts.rowCuts_.emplace_back(first, end);
        rows.push_back({first, end, oil.rows[r].density20});
    }
    const std::optional<CutArray> shifted = rowShiftedDensities(calc.distribution(), rows);
    if (!shifted) {
        return {std::nullopt, "The cut densities cannot be spread over the narrow cuts."};
    }
    calc.density = *shifted;
    // The cuts give the shape of the density over the boiling range, the
    // whole oil's measured density its level: cuts distilled and weighed
    // apart add up to a slightly lighter oil than the one measured (light
    // ends lost in the still), and the viscosity follows the oil's own.
    const std::optional<double> level = volumeAdditiveShift(calc.distribution(), calc.density20);
    if (!level) {
        return {std::nullopt, "The cut densities cannot be spread over the narrow cuts."};
    }
    for (int i = calc.first; i < calc.end; ++i) {
        calc.density[i] += *level;
    }
    cuts.level_ = *level;
    drawCutViscosityLinesAtDensities(calc.distribution(), cuts.lines_);
    for (std::size_t r = 0; r < measured.size() && r < oil.rows.size(); ++r) {
        if (measured[r]) {
            if (auto problem = cuts.anchor(r, *measured[r], oil.rows[r].endCut)) {
                return {std::nullopt, *problem};
            }
        }
    }
    return {std::move(cuts), {}};
}

std::optional<OilVolatility> AssayNarrowCuts::volatility(const LightEnds& lightEnds) const {
    if (rowCuts_.empty()) {
        return std::nullopt;
    }
    const LowestFraction lowest{rowCuts_.front().first, rowCuts_.front().second,
                                firstRowStartC == 0 ? kLowestCutC : firstRowStartC};
    return OilVolatility::of(oil_.distribution(), lowest, lightEndAmounts(lightEnds),
                             oil_.density20);
}

CutDistribution AssayNarrowCuts::cutsOf(int first, int end) const {
    return {oil_.low, oil_.high, oil_.density, oil_.share, first, end};
}

double AssayNarrowCuts::wholeOilViscosity(double tempC) const {
    return blendedCutViscosity(lines_, oil_.distribution(), tempC);
}

double AssayNarrowCuts::rowViscosity(std::size_t row, double tempC) const {
    const auto [first, end] = rowCuts_.at(row);
    return blendedCutViscosity(lines_, cutsOf(first, end), tempC);
}

std::optional<std::string> AssayNarrowCuts::anchor(std::size_t row, const StatedViscosity& measured,
                                                   std::size_t cutNumber) {
    const int first = rowCuts_.at(row).first;
    const int end = rowCuts_.at(row).second;
    const CutDistribution rowCuts = cutsOf(first, end);
    const CutViscosityLines drawn = lines_;
    const auto viscosityAt = [&](double logFactor) {
        const double factor = std::exp(logFactor);
        for (int i = first; i < end; ++i) {
            lines_.logZ100F[i] = drawn.logZ100F[i] * factor;
        }
        return blendedCutViscosity(lines_, rowCuts, measured.tempC);
    };
    double low = kLowestLogFactor;
    double high = kHighestLogFactor;
    if (!(viscosityAt(low) <= measured.mm2PerS && viscosityAt(high) >= measured.mm2PerS)) {
        lines_ = drawn;
        return "Cut " + std::to_string(cutNumber) + ": the measured viscosity of " +
               numberForMessage(measured.mm2PerS) + " mm2/s at " +
               numberForMessage(measured.tempC) +
               " deg.C lies too far from what its narrow cuts give to anchor them.";
    }
    for (int step = 0; step < kAnchorSteps; ++step) {
        const double middle = (low + high) / 2;
        (viscosityAt(middle) < measured.mm2PerS ? low : high) = middle;
    }
    viscosityAt((low + high) / 2);
    return std::nullopt;
}

} // namespace viskora::assays
