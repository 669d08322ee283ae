// The oil's vapour pressure by narrow cuts: the whole oil as the components
// of its vapour, its true vapour pressure at the reference temperature and
// its bubble point at the design temperature.
#include "engine/oil_calc.h"

#include "engine/message_texts.h"

#include <cmath>

namespace viskora {

bool COilCalc::prepareVolatility() {
    volatility.reset();
    const std::optional<CutArray>& densities = volumeAdditiveCutDensities();
    if (!densities) {
        return false;
    }
    volatility = OilVolatility::of({cutLow, cutHigh, *densities, cutShare, cutFirst, cutEnd},
                                   lowestFraction(), lightEndsIn, density);
    return volatility.has_value();
}

bool COilCalc::computeBubblePoint() {
    if (vapourPressureMethod != VapourPressureMethod::NarrowCuts) {
        return true;
    }
    bubblePointPressure = volatility ? volatility->bubblePointPressure(designTemp) : NAN;
    if (!std::isfinite(bubblePointPressure) || !(bubblePointPressure > 0)) {
        return refuseState(texts::kResultOutOfRange);
    }
    return true;
}

} // namespace viskora
