#pragma once

#include "engine/calc_steps.h"
#include "engine/light_ends.h"

#include <array>
#include <optional>

// The vapour pressure of an oil from its narrow cuts and light ends: every
// 1 deg.C cut with a share is a pseudo-component (its molar mass and
// critical constants by Riazi and Daubert from its mid boiling point and
// specific gravity, its acentric factor and vapour pressure by Lee and
// Kesler), every light end a defined component, and the liquid an ideal
// solution of them (Raoult's law) under an ideal vapour. Good at the low
// pressures of storage, transport and the Reid test; far above about 1 MPa
// Raoult's law loses its footing.
namespace viskora {

// The temperature of the Reid vapour pressure (ASTM D323) and of the VPCR4
// of crude oils (ASTM D6377): 100 deg.F, which the standards state as 37.8 deg.C.
inline constexpr double kReidTempC = 37.8;

// Volumes of vapour space to one of liquid in the Reid test.
inline constexpr double kReidVapourToLiquid = 4;

// Each light end's share of the whole oil, per cent of mass, by component.
using LightEndAmounts = std::array<double, kLightEndCount>;

// The shares of `light` added up by component; shares that are not
// numbers or are negative are passed on for the input step to refuse.
LightEndAmounts lightEndAmounts(const LightEnds& light);

// The fraction of an oil that boils lowest: it holds the light ends (they
// are counted within its share) and, below the first narrow cut, the
// pentanes of a crude's light naphtha.
struct LowestFraction {
    int first = 0; // its cuts first..end
    int end = 0;
    // deg.C, where it starts to boil; below the cut first, its share is
    // spread on over 1 deg.C cuts of its own down to there, at most 15 of
    // them (kLowestCutC).
    double startC = 35;
};

// The lowest a fraction is taken to boil for the vapour pressure, deg.C:
// isopentane, the lightest component of a crude's light naphtha, boils at
// 27.9 deg.C, and a fraction without a given start holds it. The engine's
// first cut starts at 35 deg.C, where n-pentane (36.1) begins.
inline constexpr double kLowestCutC = 20;

// What a cut's boiling point alone gives of its constants.
struct CutBoilingTerms;

// An oil as the components of its vapour.
class OilVolatility {
  public:
    // The cuts of an oil (shares, per cent of mass, adding up to 100 with
    // the light ends counted within `lowest`; densities at 20 deg.C as the
    // viscosity by narrow cuts takes them, volume-additive to the oil's
    // density) and its light ends, per cent of the oil's mass: `lowest`
    // gives up the light ends' mass in proportion to its cuts' shares and
    // spreads the rest evenly over its cuts and those below them down to its
    // start (each at the density of its first cut). `density20`, kg/m3, is
    // the whole oil's, for the volumes of the Reid test. Nothing when a
    // figure is not a number or the light ends exceed `lowest`; with
    // `lowest` empty, the light ends stand beside the cuts.
    static std::optional<OilVolatility> of(const CutDistribution& cuts,
                                           const LowestFraction& lowest,
                                           const LightEndAmounts& lightEnds, double density20);

    // The true vapour pressure at `tempC`, MPa: the bubble-point pressure
    // sum(x_i Psat_i(T)) over the components' mole fractions x_i.
    double bubblePointPressure(double tempC) const;

    // The Reid vapour pressure, MPa: the pressure the oil builds at 37.8
    // deg.C in a closed space with four volumes of vapour to one of liquid
    // (ASTM D323; D6377's VPCR4). The vapour takes n_V,i = x_i Psat_i V_V /
    // (R T) of each component from the liquid, so with a_i = Psat_i V_V /
    // (R T) the liquid keeps n_L,i = n_i N_L / (N_L + a_i), N_L the liquid's
    // moles, which solves sum(n_i / (N_L + a_i)) = 1; the pressure is
    // sum(n_i Psat_i / (N_L + a_i)). The liquid's volume is the oil's at 20
    // deg.C. Dissolved air, and the air the D323 apparatus starts with, are
    // left out. When nothing stays liquid, the ideal gas's N R T / V_V.
    double reidVapourPressure() const;

    // Components held: the light ends given and the cuts with a share.
    int componentCount() const { return count_; }

  private:
    static constexpr int kCutsBelowTable = 15; // 35 - kLowestCutC
    static constexpr std::size_t kMaxComponents = kCutCount + kCutsBelowTable + kLightEndCount;

    struct Component {
        double moles = 0;           // kmol per kg of oil
        double critTemp = 0;        // K
        double logCritTemp = 0;     // ln(Tc / K)
        double logCritPressure = 0; // ln(Pc / MPa)
        double acentric = 0;
    };

    // ln(Psat / MPa) of a component at `kelvin` (ln kelvin `logKelvin`),
    // Lee-Kesler's relation with the component's logarithms formed once.
    static double logVapourPressure(const Component& c, double kelvin, double logKelvin);

    // A cut of `massPct` per cent of density `density20`, kg/m3, boiling
    // where `boiling` says; false when a figure is not a number.
    bool addCut(const CutBoilingTerms& boiling, double density20, double massPct);
    void add(const Component& component);

    std::array<Component, kMaxComponents> components_{};
    int count_ = 0;
    double totalMoles_ = 0;   // kmol per kg
    double liquidVolume_ = 0; // m3 per kg at 20 deg.C
};

} // namespace viskora
