#include "distillation/tbp_conversion.h"
#include "units/unit_tables.h"

#include "distillation/extended_curve.h"
#include "distillation/interconversion.h"
#include "engine/reference_correlations.h"
#include "units/display_format.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace viskora::distillation {
namespace {

constexpr double kKelvin = kKelvinOffset;
constexpr double kVacuumPressure = 10; // mmHg of a D1160 curve
constexpr double kTypicalWatsonK = 12;

double toFahrenheit(double celsius) {
    return celsius * 1.8 + 32;
}
double fromFahrenheit(double fahrenheit) {
    return (fahrenheit - 32) / 1.8;
}

using StandardConversion =
    std::function<std::vector<StandardPoint>(std::span<const StandardPoint> celsius)>;

// A method in deg.F or K wrapped to take and give deg.C.
StandardConversion
inFahrenheit(std::vector<StandardPoint> (*method)(std::span<const StandardPoint>)) {
    return [method](std::span<const StandardPoint> celsius) {
        std::vector<StandardPoint> points(celsius.begin(), celsius.end());
        for (StandardPoint& p : points) {
            p.temperature = toFahrenheit(p.temperature);
        }
        points = method(points);
        for (StandardPoint& p : points) {
            p.temperature = fromFahrenheit(p.temperature);
        }
        return points;
    };
}

StandardConversion inKelvin(std::vector<StandardPoint> (*method)(std::span<const StandardPoint>)) {
    return [method](std::span<const StandardPoint> celsius) {
        std::vector<StandardPoint> points(celsius.begin(), celsius.end());
        for (StandardPoint& p : points) {
            p.temperature += kKelvin;
        }
        points = method(points);
        for (StandardPoint& p : points) {
            p.temperature -= kKelvin;
        }
        return points;
    };
}

// Linear in percent between the standard points, held beyond them.
double differenceAt(const std::vector<StandardPoint>& differences, double percent) {
    if (percent <= differences.front().percent) {
        return differences.front().temperature;
    }
    for (std::size_t i = 1; i < differences.size(); ++i) {
        const StandardPoint& lower = differences[i - 1];
        const StandardPoint& upper = differences[i];
        if (percent <= upper.percent) {
            const double t = (percent - lower.percent) / (upper.percent - lower.percent);
            return lower.temperature + t * (upper.temperature - lower.temperature);
        }
    }
    return differences.back().temperature;
}

void holdLevelWhereFalling(std::vector<CurvePoint>& points) {
    for (std::size_t i = 1; i < points.size(); ++i) {
        points[i].temperature = std::max(points[i].temperature, points[i - 1].temperature);
    }
}

std::vector<CurvePoint> convertAtStandardPercents(const std::vector<CurvePoint>& points,
                                                  std::span<const double> standardPercents,
                                                  const StandardConversion& convert,
                                                  bool chainedFromMiddle,
                                                  std::vector<std::string>& warnings) {
    const ExtendedCurve source(points);
    const double middle = chainedFromMiddle ? 50.0 : points.front().percent;
    const double low = std::min(points.front().percent, middle);
    const double high = std::max(points.back().percent, middle);
    std::vector<StandardPoint> standard;
    for (double percent : standardPercents) {
        if (percent >= low && percent <= high) {
            standard.push_back({percent, source.temperatureAt(percent)});
        }
    }
    if (chainedFromMiddle && (points.front().percent > 50 || points.back().percent < 50)) {
        warnings.push_back("The curve does not reach 50 % distilled: the conversion starts from "
                           "the fitted curve's 50 % point.");
    }
    if (standard.empty()) {
        // A short pointwise curve between two standard percents: the
        // nearest standard percent stands for it.
        const double nearest = *std::min_element(
            standardPercents.begin(), standardPercents.end(), [&](double a, double b) {
                return std::abs(a - points.front().percent) < std::abs(b - points.front().percent);
            });
        standard.push_back({nearest, source.temperatureAt(nearest)});
    }
    const std::vector<StandardPoint> converted = convert(standard);
    std::vector<StandardPoint> differences = standard;
    for (std::size_t i = 0; i < differences.size(); ++i) {
        differences[i].temperature = converted[i].temperature - standard[i].temperature;
    }
    std::vector<CurvePoint> tbp = points;
    for (CurvePoint& p : tbp) {
        p.temperature += differenceAt(differences, p.percent);
    }
    holdLevelWhereFalling(tbp);
    return tbp;
}

// D1160 at 10 mmHg to atmospheric pressure with the oil's Watson K, which
// itself depends on the atmospheric 50 % point: a few rounds settle both.
std::vector<CurvePoint> toAtmospheric(const std::vector<CurvePoint>& vacuum,
                                      std::optional<double> density20, TbpCurve& result) {
    double watsonK = kTypicalWatsonK;
    if (density20 && *density20 > 0) {
        const double gravity = reference::relativeDensity15(*density20 / 1000);
        const double middle = ExtendedCurve(vacuum).temperatureAt(50) + kKelvin;
        for (int round = 0; round < 20; ++round) {
            const double boiling = normalBoilingPoint(middle, kVacuumPressure, watsonK);
            watsonK = watsonFactor(boiling, gravity);
        }
    } else {
        result.warnings.push_back("No density is given: a typical Watson K of 12 is assumed "
                                  "to bring the D1160 curve to atmospheric pressure.");
    }
    result.watsonK = watsonK;
    std::vector<CurvePoint> atmospheric = vacuum;
    for (CurvePoint& p : atmospheric) {
        p.temperature =
            normalBoilingPoint(p.temperature + kKelvin, kVacuumPressure, watsonK) - kKelvin;
    }
    holdLevelWhereFalling(atmospheric);
    return atmospheric;
}

} // namespace

TbpCurve convertToTbp(const CurveRequest& request) {
    TbpCurve result;
    result.basis = basisOf(request.type);
    switch (request.type) {
    case CurveType::TbpVolume:
    case CurveType::TbpMass:
        result.points = request.points;
        break;
    case CurveType::D86:
        result.points =
            request.method == D86Method::Daubert
                ? convertAtStandardPercents(request.points, daubertD86Percents(),
                                            inFahrenheit(&daubertD86ToTbp), true, result.warnings)
                : convertAtStandardPercents(request.points, riaziDaubertD86Percents(),
                                            inKelvin(&riaziDaubertD86ToTbp), false,
                                            result.warnings);
        break;
    case CurveType::SimDist:
        result.points =
            convertAtStandardPercents(request.points, daubertSimDistPercents(),
                                      inFahrenheit(&daubertSimDistToTbp), true, result.warnings);
        break;
    case CurveType::D1160: {
        const std::vector<CurvePoint> vacuum = convertAtStandardPercents(
            request.points, d1160Percents(), &d1160ToTbp, true, result.warnings);
        result.points = toAtmospheric(vacuum, request.density20, result);
        break;
    }
    }
    return result;
}

} // namespace viskora::distillation
