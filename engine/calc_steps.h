#pragma once

#include "engine/calc_results.h"

#include <array>
#include <optional>

// The steps of a calculation, each with inputs and outputs of its own. The
// engine record (COilCalc) calls them in order and keeps what they give;
// each can also be run, and tested, on its own.
namespace viskora {

// The narrow cuts of 1 deg.C from 35 to 835 deg.C.
inline constexpr int kCutCount = 800;
using CutArray = std::array<double, kCutCount>;

// A cut distribution: the cut table and the range of cuts first <= i < end
// that holds the oil (or a part of it), whose shares add up to 100 %. Only
// the range of `share` is read.
struct CutDistribution {
    const CutArray& low;     // deg.C, lower boundary of each cut
    const CutArray& high;    // deg.C, upper boundary of each cut
    const CutArray& density; // kg/m3 at 20 deg.C
    const CutArray& share;   // per cent of mass
    int first;
    int end;
};

// The characterisation of an oil, or of a part of it, from its cut
// distribution: boiling temperatures, relative densities, molar mass and the
// pseudocritical properties.
struct Characterisation {
    double tvAvg = 0;        // K, volume-average boiling temperature
    double tmAvg = 0;        // K, mass-average boiling temperature
    double t50 = 0;          // deg.C, 50 % distilled
    double d20 = 0;          // relative density at 20 deg.C
    double d15 = 0;          // relative density at 15 deg.C
    double refrIndex = 0;    // refractive index
    double molarMass = 0;    // kg/kmol
    double watsonK = 0;      // Watson characterisation factor
    double critTemp = 0;     // K
    double critPressure = 0; // MPa
    double critDensity = 0;  // kg/m3
    double acentric = 0;
    double density = 0; // kg/m3 at 20 deg.C, of the mixture of the cuts
};

// Everything of the characterisation but the pseudocritical properties
// (left 0): the averages over the cuts and the correlations at 20 deg.C.
Characterisation characteriseCuts(const CutDistribution& cuts);

// The characterisation with its pseudocritical properties added, from its
// volume-average boiling temperature and relative densities.
Characterisation withCriticalProperties(Characterisation characterisation);

// Whether every figure of the characterisation and every share and density
// of its cuts is a number: one that is not could be passed over by a
// comparison further on and end as a finite, wrong result.
bool characterisationIsFinite(const Characterisation& characterisation,
                              const CutDistribution& cuts);

// The pseudocritical temperature as the calculation reports it, deg.C: 2 %
// below the Kesler-Lee temperature (K). 700 K gives 412.85 deg.C.
double reportedPseudoCritTemp(double critTemp);

// The properties of a characterised oil at the reference temperature
// `refTemp` (deg.C) and atmospheric pressure.
ReferenceProperties referencePropertiesOf(const Characterisation& oil, double refTemp);

// A design state: temperature and absolute pressure.
struct DesignState {
    double temperature = 0; // deg.C
    double pressure = 0;    // MPa
};

// Whether a temperature input, deg.C, lies below absolute zero. A margin
// keeps absolute zero entered in deg.F or deg.R, which comes back a rounding
// step below -273.15, from counting as below it.
bool belowAbsoluteZero(double celsius);

// Which parts of the oil a calculation describes.
enum class PhaseState {
    Unsplit,      // the whole oil: the basic calculation, or before the split
    GasAndLiquid, // the design state boils off a part and leaves the rest
    LiquidOnly,   // nothing boils off (a gas share below half a per cent)
    GasOnly,      // everything boils off (a liquid share below half a per cent)
};

// The split of an oil at a design state into the part boiled off (the gas
// part) and the rest (the liquid part). The gas part is cuts
// first <= i < splitCut of the oil's range, the liquid part the cuts from
// splitCut to its end; each part's shares are the oil's times its scale,
// which makes them add up to 100 %.
struct PhaseSplit {
    double gasMassShare = 0;    // %, as shown: rounded at the extremes
    double liquidMassShare = 0; // %, 100 minus the gas share
    int splitCut = 0;
    double gasShareScale = 1;
    double liquidShareScale = 1;
    PhaseState state = PhaseState::GasAndLiquid;
};

// Splits `oil` at `state`; `highAtPressure` receives the cuts' upper
// boundaries at the design pressure. Nothing when one of those is not a
// number (far from atmospheric pressure).
std::optional<PhaseSplit> splitIntoParts(const CutDistribution& oil, const DesignState& state,
                                         CutArray& highAtPressure);

// The viscosity of a characterised part as a liquid at a design state,
// mm2/s, from its own viscosity at the reference temperature (the method of
// the oil as a whole): carried along the line through 20 and 50 deg.C set by
// its 50 % point, then raised to the pressure.
double wholeOilLiquidViscosity(const Characterisation& part, const ReferenceProperties& atReference,
                               const DesignState& state);

// The properties of a characterised part as a liquid at a design state;
// `atReference` are the part's own properties at the reference temperature
// `refTemp` (deg.C).
LiquidProperties liquidPropertiesAt(const Characterisation& part,
                                    const ReferenceProperties& atReference, double refTemp,
                                    const DesignState& state);

// The properties of a characterised part as a gas at a design state, by the
// Lee-Kesler corresponding-states method; nothing when its volume iteration
// does not settle.
std::optional<GasProperties> gasPropertiesAt(const Characterisation& part,
                                             const DesignState& state);

} // namespace viskora
