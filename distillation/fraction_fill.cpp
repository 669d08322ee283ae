#include "distillation/fraction_fill.h"

#include "engine/cut_tables.h"
#include "engine/oil_inputs.h"
#include "units/display_format.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace viskora::distillation {
namespace {

constexpr int kFirstCutLow = 35;
constexpr int kCuts = kCutCount;
// A share smaller than this does not show in a share text of two decimals.
constexpr double kInvisibleShare = 0.00005;
constexpr double kLightestDensity = 1; // kg/m3, a floor for an extreme shift

std::string percentText(double fraction) {
    return formatFixed(fraction * 100, 2);
}

// Cumulative mass at each cut boundary, 0..kCuts; [0] holds what boils
// below the table.
std::vector<double> cumulativeAtBoundaries(const MassCuts& mass) {
    std::vector<double> cumulative(kCuts + 1);
    cumulative[0] = mass.below;
    for (int i = 0; i < kCuts; ++i) {
        cumulative[i + 1] = cumulative[i] + mass.cuts[static_cast<std::size_t>(i)];
    }
    return cumulative;
}

// The whole-degree boundary (as a cut index) nearest to where the
// cumulative mass reaches `target`.
int boundaryAt(const std::vector<double>& cumulative, double target) {
    const auto upper = std::upper_bound(cumulative.begin(), cumulative.end(), target);
    const int j = std::clamp(static_cast<int>(upper - cumulative.begin()) - 1, 0, kCuts - 1);
    const double inCut = cumulative[j + 1] - cumulative[j];
    const double part = inCut > 0 ? (target - cumulative[j]) / inCut : 0;
    return part < 0.5 ? j : j + 1;
}

// Inner boundaries (cut indexes strictly between `first` and `last`) for
// `count` fractions of equal mass that also pass through the temperatures
// `keepAt`: a step boundary within a quarter step of a kept one gives way
// to it, and while there are more than 99 the boundary nearest (by mass) to
// a neighbour goes, step boundaries before kept ones.
std::vector<int> countBoundaries(const std::vector<double>& cumulative, int count,
                                 const std::vector<double>& keepAt, int first, int last) {
    struct Boundary {
        int cut;
        bool kept;
    };
    std::vector<Boundary> boundaries;
    for (double t : keepAt) {
        const int cut = static_cast<int>(std::lround(t)) - kFirstCutLow;
        if (cut > first && cut < last) {
            boundaries.push_back({cut, true});
        }
    }
    const double total = cumulative.back();
    const double step = total / count;
    for (int k = 1; k < count; ++k) {
        const int cut = boundaryAt(cumulative, step * k);
        const bool nearKept = std::any_of(boundaries.begin(), boundaries.end(), [&](const auto& b) {
            return b.kept && std::abs(cumulative[b.cut] - cumulative[cut]) < step / 4;
        });
        if (cut > first && cut < last && !nearKept) {
            boundaries.push_back({cut, false});
        }
    }
    std::sort(boundaries.begin(), boundaries.end(),
              [](const Boundary& a, const Boundary& b) { return a.cut < b.cut; });
    boundaries.erase(
        std::unique(boundaries.begin(), boundaries.end(),
                    [](const Boundary& a, const Boundary& b) { return a.cut == b.cut; }),
        boundaries.end());
    const int maxInner = kMaxFractions - 1;
    while (static_cast<int>(boundaries.size()) > maxInner) {
        const auto gap = [&](std::size_t i) {
            const double below =
                cumulative[boundaries[i].cut] - cumulative[i == 0 ? first : boundaries[i - 1].cut];
            const double above =
                cumulative[i + 1 == boundaries.size() ? last : boundaries[i + 1].cut] -
                cumulative[boundaries[i].cut];
            return std::min(below, above) + (boundaries[i].kept ? total : 0.0);
        };
        std::size_t weakest = 0;
        for (std::size_t i = 1; i < boundaries.size(); ++i) {
            if (gap(i) < gap(weakest)) {
                weakest = i;
            }
        }
        boundaries.erase(boundaries.begin() + static_cast<std::ptrdiff_t>(weakest));
    }
    std::vector<int> cuts;
    for (const Boundary& b : boundaries) {
        cuts.push_back(b.cut);
    }
    return cuts;
}

} // namespace

MassCuts massCuts(const ExtendedCurve& tbp, CurveBasis basis, std::optional<double> density20) {
    std::vector<double> distilled(kCuts + 1);
    for (int j = 0; j <= kCuts; ++j) {
        distilled[j] = tbp.percentAt(kFirstCutLow + j) / 100;
    }
    MassCuts mass;
    mass.below = distilled[0];
    for (int i = 0; i < kCuts; ++i) {
        mass.cuts[static_cast<std::size_t>(i)] = std::max(0.0, distilled[i + 1] - distilled[i]);
    }
    mass.above = std::max(0.0, 1 - distilled[kCuts]);
    if (basis == CurveBasis::Mass) {
        return mass;
    }

    CutArray low{};
    CutArray high{};
    CutArray density{};
    CutArray typicalShare{};
    fillCutTables(low, high, density, typicalShare);
    const double belowDensity = density.front();
    const double aboveDensity = density.back();

    double shift = 0;
    if (density20 && *density20 > 0) {
        double mixture = mass.below * belowDensity + mass.above * aboveDensity;
        for (std::size_t i = 0; i < density.size(); ++i) {
            mixture += mass.cuts[i] * density[i];
        }
        shift = *density20 - mixture;
    }
    const auto weighed = [&](double volume, double cutDensity) {
        return volume * std::max(cutDensity + shift, kLightestDensity);
    };
    mass.below = weighed(mass.below, belowDensity);
    mass.above = weighed(mass.above, aboveDensity);
    double total = mass.below + mass.above;
    for (std::size_t i = 0; i < density.size(); ++i) {
        mass.cuts[i] = weighed(mass.cuts[i], density[i]);
        total += mass.cuts[i];
    }
    mass.below /= total;
    mass.above /= total;
    for (double& share : mass.cuts) {
        share /= total;
    }
    return mass;
}

FilledRows fillRows(const MassCuts& mass, RowRule rule, const std::vector<double>& keepAt) {
    FilledRows filled;
    if (rule.kind == RowRule::Kind::Count && (rule.value < 1 || rule.value > 100)) {
        filled.error =
            "The number of fractions must be 1 to 100, not " + std::to_string(rule.value) + ".";
        return filled;
    }
    if (rule.kind == RowRule::Kind::Step && (rule.value < 1 || rule.value > kCuts)) {
        filled.error =
            "The boundary step must be 1 to 800 deg.C, not " + std::to_string(rule.value) + ".";
        return filled;
    }
    const std::vector<double> cumulative = cumulativeAtBoundaries(mass);
    const double total = cumulative[kCuts] + mass.above;

    // The curve's start and end in whole degrees (cut indexes 0..kCuts).
    int first = 0;
    while (first + 1 < kCuts && cumulative[first + 1] < kInvisibleShare) {
        ++first;
    }
    int last = kCuts;
    while (last - 1 > first && total - cumulative[last - 1] < kInvisibleShare) {
        --last;
    }

    std::vector<int> boundaries{first};
    if (rule.kind == RowRule::Kind::Count) {
        const std::vector<int> inner = countBoundaries(cumulative, rule.value, keepAt, first, last);
        boundaries.insert(boundaries.end(), inner.begin(), inner.end());
    } else {
        const int firstMultiple = ((kFirstCutLow + first) / rule.value + 1) * rule.value;
        for (int t = firstMultiple; t < kFirstCutLow + last; t += rule.value) {
            boundaries.push_back(t - kFirstCutLow);
        }
        if (static_cast<int>(boundaries.size()) > kMaxFractions) {
            filled.error = "Boundaries every " + std::to_string(rule.value) +
                           " deg.C make more than 100 fractions; choose a wider step.";
            return filled;
        }
    }
    boundaries.push_back(last);

    for (std::size_t r = 0; r + 1 < boundaries.size(); ++r) {
        const int a = boundaries[r];
        const int b = boundaries[r + 1];
        double share = cumulative[b] - cumulative[a];
        if (r == 0) {
            share += cumulative[a];
        }
        if (r + 2 == boundaries.size()) {
            share += total - cumulative[b];
        }
        filled.rows.push_back({kFirstCutLow + a, kFirstCutLow + b, share / total * 100});
    }
    if (mass.below >= kInvisibleShare) {
        filled.warnings.push_back(percentText(mass.below / total) +
                                  " % of the oil boils below 35 deg.C: it is put in the first "
                                  "fraction.");
    }
    if (mass.above >= kInvisibleShare) {
        filled.warnings.push_back(percentText(mass.above / total) +
                                  " % of the oil boils above 835 deg.C: it is put in the last "
                                  "fraction.");
    }
    return filled;
}

} // namespace viskora::distillation
