#pragma once

#include <vector>

namespace viskora::distillation {

// Monotone piecewise-cubic Hermite interpolation (Fritsch and Carlson, SIAM
// J. Numer. Anal. 17, 1980): through data that never fall it never falls,
// and it makes no overshoot at a kink where a spline would. The abscissas
// must rise strictly; outside them the end values hold.
class MonotoneCubic {
  public:
    MonotoneCubic(std::vector<double> x, std::vector<double> y);

    double operator()(double at) const;

  private:
    std::vector<double> x_;
    std::vector<double> y_;
    std::vector<double> slope_;
};

} // namespace viskora::distillation
