// Pseudocritical temperature, pressure and density and the acentric factor
// of the oil the record describes.
#include "engine/oil_calc.h"

#include "engine/correlation_constants.h"
#include "engine/critical_correlations.h"

namespace viskora {

void COilCalc::computeCriticalProperties() {
    if (phaseState != 1) {
        return;
    }
    const double tb = tvAvg;
    critDensity = 1 / critical::riaziDaubertCriticalVolume(tb, d20);
    critTemp = critical::keslerLeeCriticalTemperature(tb, d15);
    if (pseudoCritTempFrozen == 0) {
        // The pseudocritical temperature reported is 2 % below Kesler-Lee's.
        pseudoCritTemp = 0.98 * critTemp - kKelvinOffset;
    }
    critPressure = critical::keslerLeeCriticalPressure(tb, d15);
    const double theta = tb / critTemp;
    acentric = theta <= 0.8 ? critical::leeKeslerAcentric(theta, critPressure)
                            : critical::keslerLeeAcentric(theta, tb, d15);
}

} // namespace viskora
