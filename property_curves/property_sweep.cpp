#include "property_curves/property_sweep.h"

#include "engine/prepared_oil.h"
#include "engine/reference_correlations.h"
#include "units/unit_tables.h"

#include <algorithm>
#include <cmath>

namespace viskora {
namespace {

constexpr double kAtmosphericPressure = 0.101325; // MPa
constexpr double kProbeHalfWidth = 1.0;           // K

// Why the measured values cannot make a line, or empty when they can.
std::string measuredProblem(const std::vector<MeasuredViscosity>& measured, int tempUnit) {
    if (measured.size() > 2) {
        return "At most two measured viscosities can anchor the curve.";
    }
    for (const MeasuredViscosity& point : measured) {
        if (!(point.viscosity >= kLowestMeasuredViscosity &&
              point.viscosity <= kHighestMeasuredViscosity)) {
            return "A measured viscosity must lie within 0.2 to 300000 mm2/s, the range of "
                   "kinematic viscometers (ASTM D445).";
        }
        const double kelvin = temperatureInKelvin(point.temperature, tempUnit);
        if (!std::isfinite(kelvin) || !(kelvin > 0)) {
            return "A measured viscosity's temperature must be above absolute zero.";
        }
    }
    if (measured.size() == 2) {
        const double k1 = temperatureInKelvin(measured[0].temperature, tempUnit);
        const double k2 = temperatureInKelvin(measured[1].temperature, tempUnit);
        if (k1 == k2) {
            return "The two measured viscosities must be at different temperatures.";
        }
        if (!walther::lineThrough(measured[0].viscosity, k1, measured[1].viscosity, k2)) {
            return "The measured viscosity must fall as the temperature rises.";
        }
    }
    return {};
}

// The slope B of the oil's computed viscosity in the Walther chart, 1 K
// either side of `kelvin`. A measured viscosity is the whole oil's, held in
// a closed viscometer at atmospheric pressure: nothing of it boils off
// between the two probes, so neither does anything of the computed one.
std::optional<double> computedSlope(const PreparedOil& oil, ViscosityMethod method, double kelvin) {
    const double kelvins[2] = {kelvin - kProbeHalfWidth, kelvin + kProbeHalfWidth};
    double ordinates[2] = {};
    for (int side = 0; side < 2; ++side) {
        const auto viscosity =
            oil.wholeOilViscosity(method, {kelvins[side] - kKelvinOffset, kAtmosphericPressure});
        const auto w = viscosity ? walther::ordinate(*viscosity) : std::nullopt;
        if (!w) {
            return std::nullopt;
        }
        ordinates[side] = *w;
    }
    const double slope =
        (ordinates[0] - ordinates[1]) / (std::log10(kelvins[1]) - std::log10(kelvins[0]));
    if (!std::isfinite(slope) || !(slope > 0)) {
        return std::nullopt;
    }
    return slope;
}

std::optional<walther::Line> anchorLine(const std::vector<MeasuredViscosity>& measured,
                                        const PreparedOil& oil, ViscosityMethod method,
                                        int tempUnit) {
    const double k1 = temperatureInKelvin(measured[0].temperature, tempUnit);
    if (measured.size() == 2) {
        const double k2 = temperatureInKelvin(measured[1].temperature, tempUnit);
        return walther::lineThrough(measured[0].viscosity, k1, measured[1].viscosity, k2);
    }
    const auto slope = computedSlope(oil, method, k1);
    if (!slope) {
        return std::nullopt;
    }
    return walther::lineThrough(measured[0].viscosity, k1, *slope);
}

// The anchored liquid viscosity at a calculated point: the measured line
// holds the whole oil, so where the point boils light ends off, the liquid
// left is more viscous than the oil by the computed ratio of the two at the
// point's state (1 where nothing boils off). Nothing without a liquid
// phase.
std::optional<double> anchoredLiquidViscosity(double onLine, const StateOutcome& point) {
    if (!point.wholeOilViscosity) {
        return std::nullopt;
    }
    const double ratio = point.additional.results.liquid.viscosity / *point.wholeOilViscosity;
    if (!std::isfinite(ratio) || !(ratio > 0)) {
        return std::nullopt;
    }
    return onLine * ratio;
}

// Adds the messages not yet in `kept`, by text, in order.
void keepFirstMeetings(const std::vector<CalcMessage>& met, std::vector<CalcMessage>& kept) {
    for (const CalcMessage& message : met) {
        const bool known = std::any_of(
            kept.begin(), kept.end(), [&](const CalcMessage& k) { return k.text == message.text; });
        if (!known) {
            kept.push_back(message);
        }
    }
}

} // namespace

double temperatureInKelvin(double value, int tempUnit) {
    return (isTemperatureCode(tempUnit) ? toCelsius(value, tempUnit) : value) + kKelvinOffset;
}

SweepResult runSweep(const OilInputs& oilInputs, const SweepSettings& settings,
                     const std::vector<MeasuredViscosity>& measured,
                     const AcceptedWarnings& accepted, const SweepProgress& progress) {
    SweepResult result;
    const auto values = sweepValues(settings.range, result.problem);
    if (!values) {
        return result;
    }
    return runSweepAt(oilInputs, settings, *values, measured, accepted, progress);
}

SweepResult runSweepAt(const OilInputs& oilInputs, const SweepSettings& settings,
                       const std::vector<double>& values,
                       const std::vector<MeasuredViscosity>& measured,
                       const AcceptedWarnings& accepted, const SweepProgress& progress) {
    SweepResult result;
    OilInputs inputs = oilInputs;
    inputs.pressureUnit = settings.pressureUnit;
    const int tempUnit = inputs.tempUnit;
    result.problem = measuredProblem(measured, tempUnit);
    if (!result.problem.empty()) {
        return result;
    }

    const PreparedOil oil(inputs, accepted);
    keepFirstMeetings(oil.messages(), result.messages);

    if (!measured.empty() && oil.outcome() == CalcOutcome::Completed) {
        result.anchor = anchorLine(measured, oil, inputs.viscosityMethod, tempUnit);
        if (!result.anchor) {
            result.anchorNote = "The measured viscosity cannot anchor the curve: the computed "
                                "viscosity of the oil around its temperature is not available.";
        }
    }

    const bool overTemperature = settings.variable == SweepVariable::Temperature;
    const int total = static_cast<int>(values.size());
    result.points.reserve(values.size());
    for (int i = 0; i < total; ++i) {
        SweepPoint point;
        point.temperature = overTemperature ? values[i] : settings.designTemp;
        point.pressure = overTemperature ? settings.designPressure : values[i];
        const StateOutcome state =
            oil.runAdditional(point.temperature, point.pressure, result.anchor.has_value());
        keepFirstMeetings(state.additional.messages, result.messages);
        point.outcome = state.additional.status;
        if (point.outcome == CalcOutcome::Completed) {
            point.results = state.additional.results;
            point.vapourPressure =
                reference::vapourPressure(state.additional.wholeOil.tvAvg, state.designTempC);
            point.liquidViscosityWholeOil = state.liquidViscosityWholeOil;
            point.liquidViscosityByCuts = state.liquidViscosityByCuts;
            point.trueVapourPressure = state.trueVapourPressure;
        } else {
            // A state of an oil that failed has no message of its own.
            const CalcMessage* stop = stoppingMessage(state.additional.messages);
            if (stop == nullptr) {
                stop = stoppingMessage(oil.messages());
            }
            if (stop != nullptr) {
                point.message = stop->text;
                point.stoppedByAnswer = stop->asksYesOrNo() && !stop->accepted;
            }
        }
        if (result.anchor) {
            point.anchoredViscosity =
                result.anchor->viscosityAt(temperatureInKelvin(point.temperature, tempUnit));
            if (point.anchoredViscosity && point.outcome == CalcOutcome::Completed) {
                point.anchoredViscosity = anchoredLiquidViscosity(*point.anchoredViscosity, state);
            }
            // A point with a liquid and no anchored figure says why, so that
            // an empty cell never reads as "no liquid".
            if (!point.anchoredViscosity && point.outcome == CalcOutcome::Completed &&
                point.results.liquidMassShare > 0) {
                point.message = kNoAnchoredViscosityHere;
            }
        }
        result.points.push_back(std::move(point));
        if (progress && !progress(i + 1, total)) {
            result.cancelled = i + 1 < total;
            break;
        }
    }
    return result;
}

} // namespace viskora
