#include "engine/narrow_cut_vapour_pressure.h"

#include "engine/correlation_constants.h"
#include "engine/critical_correlations.h"
#include "engine/narrow_cut_viscosity.h"
#include "engine/oil_inputs.h"
#include "engine/vapour_pressure_correlations.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace viskora {

struct CutBoilingTerms {
    double tb = 0;    // K
    double logTb = 0; // ln(Tb / K)
    vapour::RiaziDaubertBoilingPart critTemp;
    vapour::RiaziDaubertBoilingPart critPressure;
    vapour::RiaziDaubertBoilingPart molarMass;
};

namespace {

// The molar gas constant, J/(kmol K) (CODATA 2018).
constexpr double kGasConstant = 8314.462618;
constexpr double kPascalPerMPa = 1e6;
const double kLogAtmosphere = std::log(0.101325); // ln(1 atm / MPa)

// Newton's steps on the liquid's moles in the Reid flash: each squares the
// error, so a few dozen reach the last bit from any start the bracket keeps.
constexpr int kFlashSteps = 200;

CutBoilingTerms boilingTermsAt(double tb) {
    const double logTb = std::log(tb);
    return {tb, logTb, vapour::boilingPart(vapour::kCriticalTemperature, tb, logTb),
            vapour::boilingPart(vapour::kCriticalPressure, tb, logTb),
            vapour::boilingPart(vapour::kMolarMass, tb, logTb)};
}

// The standard cuts (35 + i to 36 + i deg.C) boil at fixed temperatures:
// their terms are formed once for every oil.
const std::array<CutBoilingTerms, kCutCount>& standardCutTerms() {
    static const auto terms = [] {
        std::array<CutBoilingTerms, kCutCount> t{};
        for (int i = 0; i < kCutCount; ++i) {
            t[static_cast<std::size_t>(i)] = boilingTermsAt(35.5 + i + kKelvinOffset);
        }
        return t;
    }();
    return terms;
}

} // namespace

LightEndAmounts lightEndAmounts(const LightEnds& light) {
    LightEndAmounts amounts{};
    for (const LightEndShare& share : light) {
        amounts[static_cast<std::size_t>(share.component)] += share.massPct;
    }
    return amounts;
}

std::optional<OilVolatility> OilVolatility::of(const CutDistribution& cuts,
                                               const LowestFraction& lowest,
                                               const LightEndAmounts& lightEnds, double density20) {
    if (!(density20 > 0) || !std::isfinite(density20)) {
        return std::nullopt;
    }
    OilVolatility oil;
    oil.liquidVolume_ = 1 / density20;
    double lightEndsPct = 0;
    for (std::size_t j = 0; j < lightEnds.size(); ++j) {
        if (lightEnds[j] > 0) {
            const LightEndConstants& c = kLightEnds[j];
            oil.add({lightEnds[j] / 100 / c.molarMass, c.critTemp, std::log(c.critTemp),
                     std::log(c.critPressure), c.acentric});
            lightEndsPct += lightEnds[j];
        }
    }

    // The lowest fraction without its light ends, spread evenly over its
    // cuts and those below them.
    const int first = std::max(lowest.first, cuts.first);
    const int end = std::min(lowest.end, cuts.end);
    int below = 0;
    double lowestPct = 0;
    if (first < end) {
        const double start = std::max(lowest.startC, kLowestCutC);
        below =
            std::clamp(static_cast<int>(std::floor(cuts.low[first] - start)), 0, kCutsBelowTable);
        for (int i = first; i < end; ++i) {
            lowestPct += cuts.share[i];
        }
    }
    const double keptPct = lowestPct - lightEndsPct;
    if (first < end && !(keptPct >= -kShareSumTolerance)) {
        return std::nullopt;
    }
    const double perCut = first < end ? std::max(0.0, keptPct) / (end - first + below) : 0;
    for (int k = below; k >= 1; --k) {
        const double tb = (cuts.low[first] - k + 0.5) + kKelvinOffset;
        if (!oil.addCut(boilingTermsAt(tb), cuts.density[first], perCut)) {
            return std::nullopt;
        }
    }

    const auto& standard = standardCutTerms();
    for (int i = cuts.first; i < cuts.end; ++i) {
        const bool standardCut = cuts.low[i] == 35 + i && cuts.high[i] == 36 + i;
        const CutBoilingTerms boiling =
            standardCut ? standard[static_cast<std::size_t>(i)]
                        : boilingTermsAt((cuts.low[i] + cuts.high[i]) / 2 + kKelvinOffset);
        const double share = i >= first && i < end ? perCut : cuts.share[i];
        if (!oil.addCut(boiling, cuts.density[i], share)) {
            return std::nullopt;
        }
    }
    if (!(oil.totalMoles_ > 0)) {
        return std::nullopt;
    }
    return oil;
}

bool OilVolatility::addCut(const CutBoilingTerms& boiling, double density20, double massPct) {
    if (!std::isfinite(massPct)) {
        return false;
    }
    if (!(massPct > 0)) {
        return true;
    }
    const double sg = cutSpecificGravity(density20);
    if (!(sg > 0) || !std::isfinite(sg)) {
        return false;
    }
    const double logSg = std::log(sg);
    Component c;
    c.logCritTemp =
        vapour::logRiaziDaubert(vapour::kCriticalTemperature, boiling.critTemp, sg, logSg);
    c.critTemp = std::exp(c.logCritTemp);
    c.logCritPressure =
        vapour::logRiaziDaubert(vapour::kCriticalPressure, boiling.critPressure, sg, logSg);
    c.acentric = critical::leeKeslerAcentricOfLogs(
        boiling.tb / c.critTemp, boiling.logTb - c.logCritTemp, kLogAtmosphere - c.logCritPressure);
    const double molarMass =
        std::exp(vapour::logRiaziDaubert(vapour::kMolarMass, boiling.molarMass, sg, logSg));
    c.moles = massPct / 100 / molarMass;
    if (!std::isfinite(c.acentric) || !std::isfinite(c.moles)) {
        return false;
    }
    add(c);
    return true;
}

void OilVolatility::add(const Component& component) {
    components_[static_cast<std::size_t>(count_)] = component;
    ++count_;
    totalMoles_ += component.moles;
}

double OilVolatility::logVapourPressure(const Component& c, double kelvin, double logKelvin) {
    const vapour::LeeKeslerTerms terms =
        vapour::leeKeslerTerms(kelvin / c.critTemp, logKelvin - c.logCritTemp);
    return c.logCritPressure + terms.f0 + c.acentric * terms.f1;
}

double OilVolatility::bubblePointPressure(double tempC) const {
    const double kelvin = tempC + kKelvinOffset;
    const double logKelvin = std::log(kelvin);
    double sum = 0;
    for (int i = 0; i < count_; ++i) {
        const Component& c = components_[static_cast<std::size_t>(i)];
        sum += c.moles * std::exp(logVapourPressure(c, kelvin, logKelvin));
    }
    return sum / totalMoles_;
}

double OilVolatility::reidVapourPressure() const {
    const double kelvin = kReidTempC + kKelvinOffset;
    const double logKelvin = std::log(kelvin);
    const double vapourVolume = kReidVapourToLiquid * liquidVolume_;
    // a_i, kmol per kg of oil: what the vapour space holds of a component
    // per unit of its mole fraction in the liquid.
    std::array<double, kMaxComponents> held{};
    std::array<double, kMaxComponents> pressure{};
    double allVapour = 0; // sum(n_i / a_i): above 1 some liquid stays
    for (int i = 0; i < count_; ++i) {
        const auto k = static_cast<std::size_t>(i);
        pressure[k] = std::exp(logVapourPressure(components_[k], kelvin, logKelvin));
        held[k] = pressure[k] * kPascalPerMPa * vapourVolume / (kGasConstant * kelvin);
        allVapour += held[k] > 0 ? components_[k].moles / held[k] : HUGE_VAL;
    }
    if (!(allVapour > 1)) {
        return totalMoles_ * kGasConstant * kelvin / vapourVolume / kPascalPerMPa;
    }
    // g(N) = sum(n_i / (N + a_i)) - 1 falls and is convex in N > 0, from
    // above 0 near N = 0 to below 0 at N = sum(n_i): Newton's steps within
    // that bracket, halving it where a step would leave it.
    const auto excess = [&](double liquidMoles, double& slope) {
        double g = -1;
        slope = 0;
        for (int i = 0; i < count_; ++i) {
            const auto k = static_cast<std::size_t>(i);
            const double inverse = 1 / (liquidMoles + held[k]);
            g += components_[k].moles * inverse;
            slope -= components_[k].moles * inverse * inverse;
        }
        return g;
    };
    double low = 0;
    double high = totalMoles_;
    double liquidMoles = totalMoles_;
    for (int step = 0; step < kFlashSteps; ++step) {
        double slope = 0;
        const double g = excess(liquidMoles, slope);
        (g > 0 ? low : high) = liquidMoles;
        double next = liquidMoles - g / slope;
        if (!(next > low && next < high)) {
            next = (low + high) / 2;
        }
        const bool settled = std::fabs(next - liquidMoles) <= 1e-15 * liquidMoles;
        liquidMoles = next;
        if (settled || g == 0) {
            break;
        }
    }
    double sum = 0;
    for (int i = 0; i < count_; ++i) {
        const auto k = static_cast<std::size_t>(i);
        sum += components_[k].moles * pressure[k] / (liquidMoles + held[k]);
    }
    return sum;
}

} // namespace viskora
