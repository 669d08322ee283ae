// Pseudocritical temperature, pressure and density and the acentric factor
// of an oil (or of a part of it).
#include "engine/calc_steps.h"
#include "engine/oil_calc.h"

#include "engine/correlation_constants.h"
#include "engine/critical_correlations.h"

namespace viskora {

Characterisation withCriticalProperties(Characterisation c) {
    const double tb = c.tvAvg;
    c.critDensity = 1 / critical::riaziDaubertCriticalVolume(tb, c.d20);
    c.critTemp = critical::keslerLeeCriticalTemperature(tb, c.d15);
    c.critPressure = critical::keslerLeeCriticalPressure(tb, c.d15);
    // The reduced boiling temperature chooses the acentric relation; the two
    // do not quite meet at 0.8 (for d15 0.75, Tb 570.3 K: 0.8273 at 0.8 and
    // 0.8329 just above).
    const double theta = tb / c.critTemp;
    c.acentric = theta <= 0.8 ? critical::leeKeslerAcentric(theta, c.critPressure)
                              : critical::keslerLeeAcentric(theta, tb, c.d15);
    return c;
}

double reportedPseudoCritTemp(double critTemp) {
    return 0.98 * critTemp - kKelvinOffset;
}

void COilCalc::computeCriticalProperties() {
    wholeOil = withCriticalProperties(wholeOil);
    pseudoCritTemp = reportedPseudoCritTemp(wholeOil.critTemp);
}

} // namespace viskora
