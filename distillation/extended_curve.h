#pragma once

#include "distillation/distillation_curve.h"
#include "distillation/monotone_cubic.h"
#include "distillation/riazi_distribution.h"

#include <optional>
#include <vector>

namespace viskora::distillation {

// A whole curve from its points (deg.C, percents rising, temperatures not
// falling): the monotone cubic between the points and, beyond the first and
// the last, the shape of the Riazi distribution fitted to all of them,
// joined to the end point so that the curve is continuous and keeps rising
// (the fitted function's own level may miss the end point a little). When
// no fit is possible, the end intervals' slopes extend it instead. Without
// a 100 % point it rises without bound towards 100 %.
class ExtendedCurve {
  public:
    explicit ExtendedCurve(const std::vector<CurvePoint>& points);

    // Temperature, deg.C, at a percent distilled in 0..100.
    double temperatureAt(double percent) const;

    // Percent distilled at a temperature, deg.C: 0 below the curve's
    // start, 100 at or above its end.
    double percentAt(double temperature) const;

    // The fit in K, when there is one.
    const std::optional<RiaziFit>& fit() const { return fit_; }

  private:
    double fittedCelsius(double percent) const;
    double tailBelow(double percent) const;
    double tailAbove(double percent) const;

    std::vector<CurvePoint> points_;
    MonotoneCubic inner_;
    std::optional<RiaziFit> fit_;
    double lowSlope_ = 0;  // deg.C per percent, without a fit
    double highSlope_ = 0; // deg.C per percent, without a fit
};

} // namespace viskora::distillation
