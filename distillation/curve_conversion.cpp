#include "distillation/curve_conversion.h"

#include "distillation/extended_curve.h"

#include <algorithm>
#include <utility>

namespace viskora::distillation {
namespace {

std::vector<CurvePoint> massCurveOf(const MassCuts& mass, int start, int end) {
    constexpr int kFirstCutLow = 35;
    std::vector<CurvePoint> points;
    double cumulative = mass.below;
    for (int i = 0; i < start - kFirstCutLow; ++i) {
        cumulative += mass.cuts[static_cast<std::size_t>(i)];
    }
    for (int t = start; t <= end; ++t) {
        points.push_back({std::min(cumulative * 100, 100.0), static_cast<double>(t)});
        if (t - kFirstCutLow < kCutCount) {
            cumulative += mass.cuts[static_cast<std::size_t>(t - kFirstCutLow)];
        }
    }
    return points;
}

} // namespace

CurveOutcome convertCurve(const CurveInput& input) {
    CurveOutcome outcome;
    const CheckedCurve checked = checkCurve(input.points, input.tempUnit);
    outcome.errors = checked.errors;
    if (!checked.usable()) {
        return outcome;
    }
    if (std::string error = conversionRangeError(checked.points, input.type, input.method);
        !error.empty()) {
        outcome.errors.push_back(std::move(error));
        return outcome;
    }
    outcome.warnings = checked.warnings;
    outcome.given = checked.points;
    outcome.tbp = convertToTbp({input.type, input.method, checked.points, input.density20});
    outcome.warnings.insert(outcome.warnings.end(), outcome.tbp.warnings.begin(),
                            outcome.tbp.warnings.end());

    const ExtendedCurve curve(outcome.tbp.points);
    outcome.fit = curve.fit();
    const bool extended =
        outcome.tbp.points.front().percent > 0 || outcome.tbp.points.back().percent < 100;
    if (!outcome.fit && extended) {
        outcome.warnings.push_back("No distribution could be fitted to the points: the curve "
                                   "is extended along the slopes of its end intervals.");
    }
    outcome.startTemperature = curve.temperatureAt(0);

    std::vector<double> pointTemperatures;
    for (const CurvePoint& p : outcome.tbp.points) {
        // The 0 and 100 % points are the curve's ends, not boundaries inside it.
        if (p.percent > 0 && p.percent < 100) {
            pointTemperatures.push_back(p.temperature);
        }
    }
    const MassCuts mass = massCuts(curve, outcome.tbp.basis, input.density20);
    FilledRows filled = fillRows(mass, input.rule, pointTemperatures);
    if (!filled.error.empty()) {
        outcome.errors.push_back(filled.error);
        return outcome;
    }
    outcome.warnings.insert(outcome.warnings.end(), filled.warnings.begin(), filled.warnings.end());
    outcome.rows = std::move(filled.rows);
    outcome.massCurve = massCurveOf(mass, outcome.rows.front().start, outcome.rows.back().end);
    outcome.rowTexts = rowTexts(outcome.rows, input.tempUnit);
    return outcome;
}

} // namespace viskora::distillation
