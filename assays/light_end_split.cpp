#include "assays/light_end_split.h"

#include <algorithm>

namespace viskora::assays {
namespace {

constexpr double kWaterAt60F = 999.0; // kg/m3

double densityOf(LightEnd component) {
    return constantsOf(component).specificGravity * kWaterAt60F;
}

} // namespace

LightEnds lumpedLightEnds(double massPct, double density15) {
    // Volume fractions of the butanes' two components among the butanes.
    constexpr double iso = kIsobutanePerNormalButane / (1 + kIsobutanePerNormalButane);
    const double butanes =
        iso * densityOf(LightEnd::Isobutane) + (1 - iso) * densityOf(LightEnd::NButane);
    // The one other component and its volume fraction.
    LightEnd other = LightEnd::Propane;
    double share = 0;
    if (density15 <= butanes) {
        share = (butanes - density15) / (butanes - densityOf(LightEnd::Propane));
    } else {
        other = LightEnd::NPentane;
        share = (density15 - butanes) / (densityOf(LightEnd::NPentane) - butanes);
    }
    share = std::clamp(share, 0.0, 1.0);
    const double isoMass = (1 - share) * iso * densityOf(LightEnd::Isobutane);
    const double normalMass = (1 - share) * (1 - iso) * densityOf(LightEnd::NButane);
    const double otherMass = share * densityOf(other);
    const double total = isoMass + normalMass + otherMass;
    LightEnds components;
    if (other == LightEnd::Propane && otherMass > 0) {
        components.push_back({LightEnd::Propane, massPct * otherMass / total});
    }
    if (isoMass > 0) {
        components.push_back({LightEnd::Isobutane, massPct * isoMass / total});
        components.push_back({LightEnd::NButane, massPct * normalMass / total});
    }
    if (other == LightEnd::NPentane && otherMass > 0) {
        components.push_back({LightEnd::NPentane, massPct * otherMass / total});
    }
    return components;
}

} // namespace viskora::assays
