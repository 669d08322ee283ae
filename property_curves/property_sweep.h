#pragma once

#include "engine/calc_results.h"
#include "engine/calc_warnings.h"
#include "engine/oil_inputs.h"
#include "engine/walther.h"
#include "property_curves/sweep_range.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace viskora {

enum class SweepVariable { Temperature, Pressure };

// What a sweep runs over. Temperatures are in the oil's temperature unit,
// pressures in `pressureUnit`, as the forms take them.
struct SweepSettings {
    SweepVariable variable = SweepVariable::Temperature;
    SweepRange range;
    double designTemp = 50;      // the fixed temperature of a pressure sweep
    double designPressure = 0.3; // the fixed pressure of a temperature sweep
    int pressureUnit = unit::kMPa;
};

// A measured kinematic viscosity, mm2/s, at a temperature in the oil's unit.
struct MeasuredViscosity {
    double viscosity = 0;
    double temperature = 0;
};

// The range of measured kinematic viscosities, mm2/s, that can anchor a
// curve: what glass capillary viscometers measure (ASTM D445, 0.2 to
// 300 000 mm2/s). A figure outside it is a typing slip, not a measurement,
// and would carry the Walther line beyond the numbers.
inline constexpr double kLowestMeasuredViscosity = 0.2;
inline constexpr double kHighestMeasuredViscosity = 300000;

// The note of a point with a liquid where the anchored line gives no
// viscosity (it runs beyond the numbers there).
inline constexpr const char* kNoAnchoredViscosityHere =
    "The anchored viscosity cannot be had here: the line through the measured values runs "
    "out of range.";

// One point of a sweep: its state as given, and the additional calculation's
// results in base units when the engine completed; otherwise the message
// that stopped it. A completed point's message is a note on a figure it
// could not give.
struct SweepPoint {
    double temperature = 0; // in the oil's temperature unit
    double pressure = 0;    // in the sweep's pressure unit
    CalcOutcome outcome = CalcOutcome::Failed;
    std::string message;
    bool stoppedByAnswer = false; // the message is a warning or question answered No
    AdditionalResults results;
    // mm2/s: the liquid's viscosity by each method (0 without a liquid
    // phase, as the other liquid results); results.liquid.viscosity is the
    // one of the oil's own method, which its Prandtl number follows.
    double liquidViscosityWholeOil = 0;
    double liquidViscosityByCuts = 0;
    std::optional<double> anchoredViscosity; // mm2/s, from the measured values
    // MPa: the whole oil's saturated vapour pressure at the point's
    // temperature, when the point was calculated.
    std::optional<double> vapourPressure;
    // MPa: the whole oil's true vapour pressure (bubble point) there by
    // narrow cuts and light ends, when the point was calculated and it has
    // a value.
    std::optional<double> trueVapourPressure;
};

struct SweepResult {
    std::string problem; // why the sweep did not run; empty when it did
    std::vector<SweepPoint> points;
    std::optional<walther::Line> anchor;
    std::string anchorNote; // why measured values gave no anchored curve
    bool cancelled = false;
    // Each message the sweep met, once, in the order first met: what a
    // user is told or asked, and the warnings accepted on the way.
    std::vector<CalcMessage> messages;
};

// Called after each point with the points done and the total; false cancels
// the rest of the sweep.
using SweepProgress = std::function<bool(int done, int total)>;

// The additional calculation at every point of the sweep. The oil's inputs
// are checked and its cut distribution built once; each point then equals,
// to the bit, a single additional calculation at that state. A point where
// the engine stops carries its message and the others are still computed.
// `oil` gives the oil (its density, units and fraction table) and the
// viscosity method; the sweep sets the pressure unit and design states.
// Every point answers warnings and questions from `accepted`; a point that
// meets one not accepted stops there, as at the answer No.
//
// With measured viscosities the liquid viscosity is also given on the ASTM
// D341 line anchored to them. A measured viscosity is the whole oil's, in a
// closed viscometer at atmospheric pressure: the line goes through both of
// two points, or through a single point with the slope of the whole oil's
// computed viscosity (all its cuts liquid, by the oil's viscosity method)
// 1 K either side. Where a point boils light ends off, the anchored liquid
// viscosity is the line's times the computed ratio of the liquid's
// viscosity to the whole oil's at that point.
SweepResult runSweep(const OilInputs& oil, const SweepSettings& settings,
                     const std::vector<MeasuredViscosity>& measured,
                     const AcceptedWarnings& accepted, const SweepProgress& progress = {});

// runSweep at the given values of the swept variable in place of
// settings.range, as many as the caller has: for scripts that bring their own
// points (the Python module's arrays).
SweepResult runSweepAt(const OilInputs& oil, const SweepSettings& settings,
                       const std::vector<double>& values,
                       const std::vector<MeasuredViscosity>& measured,
                       const AcceptedWarnings& accepted, const SweepProgress& progress = {});

// A temperature in a temperature unit code, in K; an unknown code reads as deg.C.
double temperatureInKelvin(double value, int tempUnit);

} // namespace viskora
