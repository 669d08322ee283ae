#include "distillation/riazi_distribution.h"

#include <Eigen/Core>
#include <unsupported/Eigen/NonLinearOptimization>
#include <unsupported/Eigen/NumericalDiff>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <vector>

namespace viskora::distillation {
namespace {

// B of a typical crude or wide fraction, held when two points cannot fix it.
constexpr double kTypicalShape = 1.5;

// T0 is sought between these shares of the lowest temperature: the initial
// boiling point of an oil lies below its first point, but not so far below
// that a curve bending the other way (steep at first, then flat) is fitted
// by a degenerate T0 near 0 K, which would send the extrapolation towards
// absolute zero.
constexpr double kLowestT0Share = 0.5;
constexpr double kHighestT0Share = 1.0;

// Residuals T(x_i) - T_i over free parameters (q0, ln A[, ln B]), T0 =
// lowest (0.5 + 0.5 s(q0)) with s the logistic function, so that the
// search stays among admissible parameters without bounds.
struct Residuals {
    using Scalar = double;
    enum { InputsAtCompileTime = Eigen::Dynamic, ValuesAtCompileTime = Eigen::Dynamic };
    using InputType = Eigen::VectorXd;
    using ValueType = Eigen::VectorXd;
    using JacobianType = Eigen::MatrixXd;

    std::span<const double> fractions;
    std::span<const double> temperatures;
    bool holdShape = false;
    double lowest = 0;

    int inputs() const { return holdShape ? 2 : 3; }
    int values() const { return static_cast<int>(fractions.size()); }

    RiaziDistribution distribution(const Eigen::VectorXd& p) const {
        const double share =
            kLowestT0Share + (kHighestT0Share - kLowestT0Share) / (1 + std::exp(-p[0]));
        return {share * lowest, std::exp(p[1]), holdShape ? kTypicalShape : std::exp(p[2])};
    }

    int operator()(const Eigen::VectorXd& p, Eigen::VectorXd& residual) const {
        const RiaziDistribution d = distribution(p);
        for (std::size_t i = 0; i < fractions.size(); ++i) {
            residual[static_cast<Eigen::Index>(i)] = d.temperature(fractions[i]) - temperatures[i];
        }
        return 0;
    }
};

double sumOfSquares(const RiaziDistribution& d, std::span<const double> fractions,
                    std::span<const double> temperatures) {
    double sum = 0;
    for (std::size_t i = 0; i < fractions.size(); ++i) {
        const double r = d.temperature(fractions[i]) - temperatures[i];
        sum += r * r;
    }
    return sum;
}

} // namespace

double RiaziDistribution::temperature(double fraction) const {
    const double spread = a / b * std::log(1 / (1 - fraction));
    return t0 * (1 + std::pow(spread, 1 / b));
}

std::optional<RiaziFit> fitRiaziDistribution(std::span<const double> fractions,
                                             std::span<const double> temperatures) {
    if (fractions.size() != temperatures.size() || fractions.size() < 2) {
        return std::nullopt;
    }
    double lowest = std::numeric_limits<double>::infinity();
    for (double t : temperatures) {
        lowest = std::min(lowest, t);
    }
    const Residuals residuals{fractions, temperatures, fractions.size() < 3, lowest};

    // T0 lies below the lowest temperature (at it when x = 0 is given); a few
    // starts guard against a local minimum of a short or kinked curve.
    std::optional<RiaziFit> best;
    double bestSum = std::numeric_limits<double>::infinity();
    for (double start : std::array{0.99, 0.9, 0.75, 0.6}) {
        Eigen::VectorXd p(residuals.inputs());
        // The logistic's inverse at the start's place between the bounds.
        const double place = (start - kLowestT0Share) / (kHighestT0Share - kLowestT0Share);
        p[0] = std::log(place / (1 - place));
        p[1] = std::log(0.2);
        if (!residuals.holdShape) {
            p[2] = std::log(kTypicalShape);
        }
        Eigen::NumericalDiff<Residuals> numeric(residuals);
        Eigen::LevenbergMarquardt<Eigen::NumericalDiff<Residuals>> solver(numeric);
        solver.parameters.maxfev = 4000;
        solver.minimize(p);
        const RiaziDistribution d = residuals.distribution(p);
        const double sum = sumOfSquares(d, fractions, temperatures);
        if (std::isfinite(sum) && std::isfinite(d.t0) && std::isfinite(d.a) && std::isfinite(d.b) &&
            sum < bestSum) {
            bestSum = sum;
            best = RiaziFit{d, 0, residuals.holdShape};
        }
    }
    if (!best) {
        return std::nullopt;
    }
    double mean = 0;
    for (double t : temperatures) {
        mean += t / static_cast<double>(temperatures.size());
    }
    double total = 0;
    for (double t : temperatures) {
        total += (t - mean) * (t - mean);
    }
    best->rSquared = total > 0 ? 1 - bestSum / total : 1.0;
    return best;
}

} // namespace viskora::distillation
