#include "assays/descriptors.h"

#include "engine/vapour_pressure_correlations.h"

#include "assays/viscosity_index_table.h"
#include "engine/common_correlations.h"
#include "engine/narrow_cut_viscosity.h"

#include <algorithm>
#include <cmath>

namespace viskora::assays {
namespace {

constexpr double kWaterAt60F = 999.0;            // kg/m3
constexpr double kLowestRiaziDaubertK = 293.15;  // 20 deg.C
constexpr double kHighestRiaziDaubertK = 833.15; // 560 deg.C
constexpr double kLowestIndexViscosity = 2;      // mm2/s at 100 deg.C
constexpr double kHighestTabledViscosity = 70;   // mm2/s at 100 deg.C

struct ReferenceOils {
    double l;
    double h;
};

ReferenceOils referenceOils(double viscosity100) {
    if (viscosity100 > kHighestTabledViscosity) {
        const double y = viscosity100;
        return {0.8353 * y * y + 14.67 * y - 216, 0.1684 * y * y + 11.85 * y - 97};
    }
    const auto& table = viscosityIndexTable();
    const auto above = std::lower_bound(
        table.begin(), table.end(), viscosity100,
        [](const ViscosityIndexRow& row, double v) { return row.viscosity100 < v; });
    if (above == table.begin()) {
        return {above->l, above->h};
    }
    const auto below = above - 1;
    const double t =
        (viscosity100 - below->viscosity100) / (above->viscosity100 - below->viscosity100);
    return {below->l + t * (above->l - below->l), below->h + t * (above->h - below->h)};
}

} // namespace

double density15Of(double density20) {
    return relativeDensityAt(density20 / 1000, 15, 20) * 1000;
}

double specificGravityOf(double density20) {
    return cutSpecificGravity(density20);
}

double densityOfSpecificGravity(double specificGravity) {
    return specificGravity * kWaterAt60F;
}

double apiGravity(double specificGravity) {
    return 141.5 / specificGravity - 131.5;
}

double watsonK(double boilingKelvin, double specificGravity) {
    return std::cbrt(1.8 * boilingKelvin) / specificGravity;
}

double specificGravityOfWatsonK(double boilingKelvin, double watsonFactor) {
    return std::cbrt(1.8 * boilingKelvin) / watsonFactor;
}

std::optional<double> riaziDaubertMolarMass(double boilingKelvin, double specificGravity) {
    if (!(boilingKelvin >= kLowestRiaziDaubertK && boilingKelvin <= kHighestRiaziDaubertK) ||
        !(specificGravity > 0)) {
        return std::nullopt;
    }
    return vapour::riaziDaubert(vapour::kMolarMass, boilingKelvin, specificGravity);
}

std::optional<double> viscosityIndex(double viscosity40, double viscosity100) {
    if (!(viscosity100 >= kLowestIndexViscosity) || !(viscosity40 > 0) ||
        !std::isfinite(viscosity40) || !std::isfinite(viscosity100)) {
        return std::nullopt;
    }
    const ReferenceOils reference = referenceOils(viscosity100);
    const double u = viscosity40;
    if (u >= reference.h) {
        return 100 * (reference.l - u) / (reference.l - reference.h);
    }
    const double n = (std::log10(reference.h) - std::log10(u)) / std::log10(viscosity100);
    return (std::pow(10, n) - 1) / 0.00715 + 100;
}

} // namespace viskora::assays
