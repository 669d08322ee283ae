#include "engine/critical_correlations.h"

#include "engine/common_correlations.h"
#include "engine/int_power.h"

#include <cmath>

namespace viskora::critical {

double keslerLeeCriticalTemperature(double tb, double d15) {
    return 189.833 + 450.56 * d15 + (0.4244 + 0.1174 * d15) * tb +
           (0.1441 - 1.00688 * d15) * 100000 / tb;
}

double riaziDaubertCriticalVolume(double tb, double d20) {
    return 0.00006049 * std::exp(-0.0026422 * tb - 0.26404 * d20 + 0.001971 * tb * d20) *
           std::pow(tb, 0.7506) * std::pow(d20, -1.2028);
}

double keslerLeeCriticalPressure(double tb, double d15) {
    const double d15Squared = intPower(d15, 2);
    const double l = 3.38639 - 0.0566 / d15 -
                     (4.12164 / d15 + 0.436392 + 0.213426 / d15Squared) * tb / 1000 +
                     (11.81952 / d15 + 4.75794 + 1.530155 / d15Squared) * intPower(tb, 2) / 1e7 -
                     (9.900986 / d15Squared + 2.450548) * intPower(tb, 3) / 1e10;
    return std::exp(l);
}

double leeKeslerAcentric(double theta, double critPressure) {
    return leeKeslerAcentricOfLogs(theta, std::log(theta), std::log(0.101325 / critPressure));
}

double leeKeslerAcentricOfLogs(double theta, double logTheta, double logReducedAtmosphere) {
    const double theta6 = intPower(theta, 6);
    return (logReducedAtmosphere - 5.92714 + 6.09648 / theta + 1.28862 * logTheta -
            0.169347 * theta6) /
           (15.2518 - 15.6875 / theta - 13.4721 * logTheta + 0.43577 * theta6);
}

double keslerLeeAcentric(double theta, double tb, double d15) {
    const double kw = watsonFactor(tb, d15, kWatsonExponentSixPlaces);
    return -7.904 + 0.1352 * kw - 0.007465 * intPower(kw, 2) + 8.359 * theta +
           (1.408 - 0.01063 * kw) / theta;
}

} // namespace viskora::critical
