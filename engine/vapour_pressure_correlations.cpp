#include "engine/vapour_pressure_correlations.h"

#include "engine/int_power.h"

#include <cmath>

namespace viskora::vapour {

RiaziDaubertBoilingPart boilingPart(const RiaziDaubertForm& form, double tb, double logTb) {
    return {std::log(form.a) + form.b * tb + form.e * logTb, form.c + form.d * tb};
}

double logRiaziDaubert(const RiaziDaubertForm& form, const RiaziDaubertBoilingPart& boiling,
                       double sg, double logSg) {
    return boiling.logPart + boiling.gravitySlope * sg + form.f * logSg;
}

double riaziDaubert(const RiaziDaubertForm& form, double tb, double sg) {
    return std::exp(logRiaziDaubert(form, boilingPart(form, tb, std::log(tb)), sg, std::log(sg)));
}

LeeKeslerTerms leeKeslerTerms(double tr, double logTr) {
    const double tr6 = intPower(tr, 6);
    return {5.92714 - 6.09648 / tr - 1.28862 * logTr + 0.169347 * tr6,
            15.2518 - 15.6875 / tr - 13.4721 * logTr + 0.43577 * tr6};
}

double leeKeslerVapourPressure(double tempK, double critTemp, double critPressure,
                               double acentric) {
    const double tr = tempK / critTemp;
    const LeeKeslerTerms terms = leeKeslerTerms(tr, std::log(tr));
    return critPressure * std::exp(terms.f0 + acentric * terms.f1);
}

} // namespace viskora::vapour
