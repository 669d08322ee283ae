#pragma once

namespace viskora {

// x^n for an integer n by repeated squaring over |n|; the reciprocal for a
// negative n. Every square, cube and higher integer power of the engine's
// correlations goes through here.
constexpr double intPower(double x, int n) {
    unsigned magnitude = n < 0 ? 0u - static_cast<unsigned>(n) : static_cast<unsigned>(n);
    double result = 1.0;
    double factor = x;
    while (magnitude != 0) {
        if (magnitude & 1u) {
            result *= factor;
        }
        factor *= factor;
        magnitude >>= 1;
    }
    return n < 0 ? 1.0 / result : result;
}

} // namespace viskora
