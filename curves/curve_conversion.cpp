#include "curves/curve_conversion.h"

#include "curves/extended_curve.h"

namespace viskora::curves {

CurveOutcome convertCurve(const CurveInput& input) {
    CurveOutcome outcome;
    const CheckedCurve checked = checkCurve(input.points, input.tempUnit);
    outcome.errors = checked.errors;
    if (!checked.usable()) {
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
        pointTemperatures.push_back(p.temperature);
    }
    FilledRows filled = fillRows(massCuts(curve, outcome.tbp.basis, input.density20), input.rule,
                                 pointTemperatures);
    if (!filled.error.empty()) {
        outcome.errors.push_back(filled.error);
        return outcome;
    }
    outcome.warnings.insert(outcome.warnings.end(), filled.warnings.begin(), filled.warnings.end());
    outcome.rows = std::move(filled.rows);
    outcome.rowTexts = rowTexts(outcome.rows, input.tempUnit);
    return outcome;
}

} // namespace viskora::curves
