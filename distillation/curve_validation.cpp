#include "distillation/curve_validation.h"

#include "distillation/extended_curve.h"
#include "units/display_format.h"
#include "units/number_text.h"
#include "units/unit_tables.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace viskora::distillation {
namespace {

std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// The program's number reading, with nothing allowed after the number:
// "1,5" or "12 C" are not numbers here, so that a pasted column in another
// notation is refused instead of read as something else.
std::optional<double> wholeNumber(std::string_view text) {
    text = trimmed(text);
    const auto value = readLeadingNumber(text);
    if (!value || !std::isfinite(*value)) {
        return std::nullopt;
    }
    std::string_view digits = text;
    if (!digits.empty() && digits.front() == '+') {
        digits.remove_prefix(1);
    }
    double parsed = 0;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), parsed);
    if (result.ec != std::errc() || result.ptr != digits.data() + digits.size()) {
        return std::nullopt;
    }
    return value;
}

std::string shown(double value) {
    return formatForDisplay(value);
}

std::string pointLabel(std::size_t index) {
    return "Point " + std::to_string(index + 1);
}

} // namespace

CheckedCurve checkCurve(const std::vector<CurvePointText>& texts, int tempUnit) {
    CheckedCurve curve;
    if (texts.size() < 2) {
        curve.errors.push_back("A curve needs at least two points; " +
                               std::to_string(texts.size()) + " given.");
        return curve;
    }
    constexpr double kAbsoluteZero = -kKelvinOffset;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const auto percent = wholeNumber(texts[i].percent);
        const auto temperature = wholeNumber(texts[i].temperature);
        if (!percent) {
            curve.errors.push_back(pointLabel(i) + ": the percent distilled \"" + texts[i].percent +
                                   "\" is not a number.");
        } else if (*percent < 0 || *percent > 100) {
            curve.errors.push_back(pointLabel(i) + ": the percent distilled " + shown(*percent) +
                                   " is outside 0..100.");
        }
        if (!temperature) {
            curve.errors.push_back(pointLabel(i) + ": the temperature \"" + texts[i].temperature +
                                   "\" is not a number.");
        }
        if (percent && temperature) {
            const double celsius = toCelsius(*temperature, tempUnit);
            if (!(celsius > kAbsoluteZero)) {
                curve.errors.push_back(pointLabel(i) + ": the temperature " + shown(*temperature) +
                                       " is not above absolute zero.");
            } else if (celsius > kHighestCurveTemperature) {
                curve.errors.push_back(pointLabel(i) + ": the temperature " +
                                       std::string(trimmed(texts[i].temperature)) + " is above " +
                                       formatFixed(kHighestCurveTemperature, 0) +
                                       " deg.C, where no oil boils.");
            }
            curve.points.push_back({*percent, celsius});
        }
    }
    if (!curve.errors.empty()) {
        curve.points.clear();
        return curve;
    }
    std::stable_sort(
        curve.points.begin(), curve.points.end(),
        [](const CurvePoint& a, const CurvePoint& b) { return a.percent < b.percent; });
    for (std::size_t i = 1; i < curve.points.size(); ++i) {
        const CurvePoint& lower = curve.points[i - 1];
        const CurvePoint& upper = curve.points[i];
        if (upper.percent == lower.percent) {
            curve.errors.push_back("Two points are given at " + shown(upper.percent) +
                                   " % distilled.");
        } else if (upper.temperature < lower.temperature) {
            curve.errors.push_back("The temperature falls between " + shown(lower.percent) +
                                   " % and " + shown(upper.percent) +
                                   " % distilled: a distillation curve rises.");
        }
    }
    if (!curve.errors.empty()) {
        curve.points.clear();
        return curve;
    }
    if (curve.points.size() < 3) {
        curve.warnings.push_back("Only two points: the curve between and beyond them is "
                                 "estimated from them alone.");
    }
    return curve;
}

std::string conversionRangeError(const std::vector<CurvePoint>& points, CurveType type,
                                 D86Method method) {
    constexpr double kZeroFahrenheit = -160.0 / 9; // deg.C
    if (type != CurveType::D86 || method != D86Method::Daubert ||
        !(ExtendedCurve(points).temperatureAt(50) < kZeroFahrenheit)) {
        return {};
    }
    return "The curve's 50 % point lies below 0 deg.F (-17.8 deg.C), where Daubert's D86 "
           "conversion has no value; the Riazi-Daubert method converts it.";
}

} // namespace viskora::distillation
