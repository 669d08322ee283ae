#include "literal_density_fit.h"

#include "engine/oil_calc.h"

#include <cmath>

namespace viskora {
namespace {

double mixtureDensity(const COilCalc& calc) {
    double sum = 0;
    for (int i = calc.cutFirst; i < calc.cutEnd; ++i) {
        sum += calc.cutShare[i] * calc.cutDensity[i];
    }
    return sum / 100;
}

double shareSum(const COilCalc& calc) {
    double sum = 0;
    for (int i = calc.cutFirst; i < calc.cutEnd; ++i) {
        sum += calc.cutShare[i];
    }
    return sum;
}

void liftNonPositiveShares(COilCalc& calc) {
    for (int i = calc.cutFirst; i < calc.cutEnd; ++i) {
        if (calc.cutShare[i] <= 0) {
            calc.cutShare[i] = 0.0001;
        }
    }
}

} // namespace

void fitDensityLiterally(COilCalc& calc) {
    calc.cutFirst = 0;
    calc.cutEnd = 515;
    for (int i = calc.cutFirst; i < calc.cutEnd; ++i) {
        calc.cutShare[i] = calc.cutDefaultShare[i];
    }
    const int n = calc.cutEnd - calc.cutFirst;
    const int mid = calc.cutFirst + n / 2;
    double lo = 0;
    for (int i = calc.cutFirst; i < mid; ++i) {
        lo += calc.cutDefaultShare[i] * calc.cutDensity[i] / 100;
    }
    double hi = 0;
    for (int i = mid + 1; i < calc.cutEnd; ++i) {
        hi += calc.cutDefaultShare[i] * calc.cutDensity[i] / 100;
    }

    double r = calc.density - mixtureDensity(calc);
    double a = 0.5 * r / (hi - lo);
    double rPrev = r;
    for (int pass = 0; pass < 500; ++pass) {
        if ((rPrev > 0 && r < 0) || (rPrev < 0 && r > 0)) {
            a = -0.5 * a;
        }
        rPrev = r;

        for (int i = calc.cutFirst; i < mid; ++i) {
            calc.cutShare[i] /= std::exp(2 * a * (mid - i) / n);
        }
        for (int i = mid + 1; i < calc.cutEnd; ++i) {
            calc.cutShare[i] *= std::exp(2 * a * (i - mid) / n);
        }
        liftNonPositiveShares(calc);

        double s = shareSum(calc);
        if (s != 100) {
            while (std::fabs(100 - s) > 0.00001) {
                const double factor = std::exp((100 - s) / n);
                for (int i = calc.cutFirst; i < calc.cutEnd; ++i) {
                    calc.cutShare[i] *= factor;
                }
                liftNonPositiveShares(calc);
                s = shareSum(calc);
            }
        }
        r = calc.density - mixtureDensity(calc);
    }

    if (std::fabs(r) > 0.0001) {
        for (int i = calc.cutFirst; i < calc.cutEnd; ++i) {
            calc.cutDensity[i] += r;
        }
    }
}

} // namespace viskora
