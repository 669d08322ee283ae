#include "distillation/monotone_cubic.h"

#include <algorithm>
#include <cmath>

namespace viskora::distillation {

MonotoneCubic::MonotoneCubic(std::vector<double> x, std::vector<double> y)
    : x_(std::move(x)), y_(std::move(y)), slope_(x_.size(), 0.0) {
    const std::size_t n = x_.size();
    if (n < 2) {
        return;
    }
    std::vector<double> secant(n - 1);
    for (std::size_t k = 0; k + 1 < n; ++k) {
        secant[k] = (y_[k + 1] - y_[k]) / (x_[k + 1] - x_[k]);
    }
    // Start from the mean of the neighbouring secants, zero at an extremum.
    slope_[0] = secant[0];
    slope_[n - 1] = secant[n - 2];
    for (std::size_t k = 1; k + 1 < n; ++k) {
        slope_[k] = secant[k - 1] * secant[k] <= 0 ? 0.0 : (secant[k - 1] + secant[k]) / 2;
    }
    // Fritsch-Carlson limiter: keep (alpha, beta) inside the circle of
    // radius 3, which is sufficient for a monotone piece.
    for (std::size_t k = 0; k + 1 < n; ++k) {
        if (secant[k] == 0) {
            slope_[k] = 0;
            slope_[k + 1] = 0;
            continue;
        }
        const double alpha = slope_[k] / secant[k];
        const double beta = slope_[k + 1] / secant[k];
        const double radius = std::hypot(alpha, beta);
        if (radius > 3) {
            const double tau = 3 / radius;
            slope_[k] = tau * alpha * secant[k];
            slope_[k + 1] = tau * beta * secant[k];
        }
    }
}

double MonotoneCubic::operator()(double at) const {
    if (x_.empty()) {
        return 0;
    }
    if (at <= x_.front()) {
        return y_.front();
    }
    if (at >= x_.back()) {
        return y_.back();
    }
    const auto upper = std::upper_bound(x_.begin(), x_.end(), at);
    const std::size_t k = static_cast<std::size_t>(upper - x_.begin()) - 1;
    const double h = x_[k + 1] - x_[k];
    const double t = (at - x_[k]) / h;
    const double t2 = t * t;
    const double t3 = t2 * t;
    return (2 * t3 - 3 * t2 + 1) * y_[k] + (t3 - 2 * t2 + t) * h * slope_[k] +
           (-2 * t3 + 3 * t2) * y_[k + 1] + (t3 - t2) * h * slope_[k + 1];
}

} // namespace viskora::distillation
