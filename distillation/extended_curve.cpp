#include "distillation/extended_curve.h"
#include "units/unit_tables.h"

#include <algorithm>
#include <cmath>

namespace viskora::distillation {
namespace {

constexpr double kKelvin = kKelvinOffset;
// The highest percent below 100 that the fitted tail is evaluated at: the
// distribution reaches thousands of degrees long before it.
constexpr double kTopPercent = 100 - 1e-9;

std::vector<double> percentsOf(const std::vector<CurvePoint>& points) {
    std::vector<double> x;
    for (const CurvePoint& p : points) {
        x.push_back(p.percent);
    }
    return x;
}

std::vector<double> temperaturesOf(const std::vector<CurvePoint>& points) {
    std::vector<double> y;
    for (const CurvePoint& p : points) {
        y.push_back(p.temperature);
    }
    return y;
}

std::optional<RiaziFit> fitPoints(const std::vector<CurvePoint>& points) {
    std::vector<double> fractions;
    std::vector<double> kelvins;
    for (const CurvePoint& p : points) {
        if (p.percent < 100) {
            fractions.push_back(p.percent / 100);
            kelvins.push_back(p.temperature + kKelvin);
        }
    }
    return fitRiaziDistribution(fractions, kelvins);
}

double secantSlope(const CurvePoint& a, const CurvePoint& b) {
    return std::max(0.0, (b.temperature - a.temperature) / (b.percent - a.percent));
}

} // namespace

ExtendedCurve::ExtendedCurve(const std::vector<CurvePoint>& points)
    : points_(points), inner_(percentsOf(points), temperaturesOf(points)), fit_(fitPoints(points)) {
    if (points_.size() >= 2) {
        lowSlope_ = secantSlope(points_[0], points_[1]);
        highSlope_ = secantSlope(points_[points_.size() - 2], points_.back());
    }
}

double ExtendedCurve::fittedCelsius(double percent) const {
    return fit_->distribution.temperature(std::min(percent, kTopPercent) / 100) - kKelvin;
}

double ExtendedCurve::tailBelow(double percent) const {
    const CurvePoint& first = points_.front();
    const double drop = fit_ ? fittedCelsius(first.percent) - fittedCelsius(percent)
                             : lowSlope_ * (first.percent - percent);
    // Never below absolute zero, whatever a poor fit says.
    return std::max(first.temperature - drop, -kKelvin + 1);
}

double ExtendedCurve::tailAbove(double percent) const {
    const CurvePoint& last = points_.back();
    const double rise = fit_ ? fittedCelsius(percent) - fittedCelsius(last.percent)
                             : highSlope_ * (percent - last.percent);
    return last.temperature + rise;
}

double ExtendedCurve::temperatureAt(double percent) const {
    if (points_.empty()) {
        return 0;
    }
    if (percent < points_.front().percent) {
        return tailBelow(percent);
    }
    if (percent > points_.back().percent) {
        return tailAbove(percent);
    }
    return inner_(percent);
}

double ExtendedCurve::percentAt(double temperature) const {
    if (points_.empty() || temperature <= temperatureAt(0)) {
        return 0;
    }
    double high = points_.back().percent == 100 ? 100 : kTopPercent;
    if (temperature >= temperatureAt(high)) {
        return 100;
    }
    double low = 0;
    for (int step = 0; step < 60 && high - low > 1e-12; ++step) {
        const double middle = (low + high) / 2;
        if (temperatureAt(middle) < temperature) {
            low = middle;
        } else {
            high = middle;
        }
    }
    return (low + high) / 2;
}

} // namespace viskora::distillation
