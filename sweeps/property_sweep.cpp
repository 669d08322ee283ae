#include "sweeps/property_sweep.h"

#include "engine/oil_calc.h"
#include "engine/prepared_oil.h"
#include "engine/reference_correlations.h"
#include "sweeps/sweep_messages.h"
#include "units/unit_tables.h"

#include <cmath>
#include <memory>

namespace viskora {
namespace {

constexpr double kAtmosphericPressure = 0.101325; // MPa
constexpr double kProbeHalfWidth = 1.0;           // K

bool isTemperatureCode(int code) {
    return code >= 1 && code <= 4;
}

double fromKelvin(double kelvin, int tempUnit) {
    return isTemperatureCode(tempUnit) ? convertTemperature(kelvin, 1, tempUnit) : kelvin - 273.15;
}

// Why the measured values cannot make a line, or empty when they can.
std::string measuredProblem(const std::vector<MeasuredViscosity>& measured, int tempUnit) {
    if (measured.size() > 2) {
        return "At most two measured viscosities can anchor the curve.";
    }
    for (const MeasuredViscosity& point : measured) {
        if (!walther::ordinate(point.viscosity)) {
            return "A measured viscosity must be a number above 0.11 mm2/s.";
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

// The slope B of the computed liquid viscosity in the Walther chart, from
// two calculations at atmospheric pressure 1 K either side of `kelvin`.
std::optional<double> computedSlope(const PreparedOil& oil, COilCalc& record, double kelvin,
                                    int tempUnit, int pressureUnit) {
    const double pressure = convert(Quantity::Pressure, kAtmosphericPressure,
                                    baseUnitCode(Quantity::Pressure), pressureUnit);
    double ordinates[2] = {};
    const double kelvins[2] = {kelvin - kProbeHalfWidth, kelvin + kProbeHalfWidth};
    for (int side = 0; side < 2; ++side) {
        if (oil.runAdditional(fromKelvin(kelvins[side], tempUnit), pressure, record) !=
                CalcOutcome::Completed ||
            !(record.liquidMassShare > 0)) {
            return std::nullopt;
        }
        const auto w = walther::ordinate(record.liquidViscosity);
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
                                        const PreparedOil& oil, COilCalc& record, int tempUnit,
                                        int pressureUnit, SweepMessages& messages) {
    const double k1 = temperatureInKelvin(measured[0].temperature, tempUnit);
    if (measured.size() == 2) {
        const double k2 = temperatureInKelvin(measured[1].temperature, tempUnit);
        return walther::lineThrough(measured[0].viscosity, k1, measured[1].viscosity, k2);
    }
    messages.setProbing(true);
    const auto slope = computedSlope(oil, record, k1, tempUnit, pressureUnit);
    messages.setProbing(false);
    if (!slope) {
        return std::nullopt;
    }
    return walther::lineThrough(measured[0].viscosity, k1, *slope);
}

} // namespace

double temperatureInKelvin(double value, int tempUnit) {
    return (isTemperatureCode(tempUnit) ? toCelsius(value, tempUnit) : value) + 273.15;
}

SweepResult runSweep(const OilFiller& fillOil, const SweepSettings& settings,
                     const std::vector<MeasuredViscosity>& measured, CalcMessages* user,
                     const SweepProgress& progress) {
    SweepResult result;
    const auto values = sweepValues(settings.range, result.problem);
    if (!values) {
        return result;
    }

    SweepMessages messages(user);
    auto record = std::make_unique<COilCalc>(&messages);
    fillOil(*record);
    record->pressureUnit = settings.pressureUnit;
    const int tempUnit = record->tempUnit;
    result.problem = measuredProblem(measured, tempUnit);
    if (!result.problem.empty()) {
        return result;
    }

    const PreparedOil oil(*record);
    const std::string oilMessage = messages.pointMessage();
    const bool oilStoppedByAnswer = messages.stoppedByAnswer();

    if (!measured.empty() && oil.outcome() == CalcOutcome::Completed) {
        result.anchor =
            anchorLine(measured, oil, *record, tempUnit, settings.pressureUnit, messages);
        if (!result.anchor) {
            result.anchorNote = "The measured viscosity cannot anchor the curve: the computed "
                                "liquid viscosity around its temperature is not available.";
        }
    }

    const bool overTemperature = settings.variable == SweepVariable::Temperature;
    const int total = static_cast<int>(values->size());
    result.points.reserve(values->size());
    for (int i = 0; i < total; ++i) {
        SweepPoint point;
        point.temperature = overTemperature ? (*values)[i] : settings.designTemp;
        point.pressure = overTemperature ? settings.designPressure : (*values)[i];
        messages.startPoint();
        Characterisation wholeOil;
        point.outcome = oil.runAdditional(point.temperature, point.pressure, *record, &wholeOil);
        if (point.outcome == CalcOutcome::Completed) {
            point.results = additionalResults(*record);
            point.vapourPressure = reference::vapourPressure(wholeOil.tvAvg, record->designTemp);
        } else {
            const bool ownMessage = !messages.pointMessage().empty();
            point.message = ownMessage ? messages.pointMessage() : oilMessage;
            point.stoppedByAnswer = ownMessage ? messages.stoppedByAnswer() : oilStoppedByAnswer;
        }
        if (result.anchor) {
            point.anchoredViscosity =
                result.anchor->viscosityAt(temperatureInKelvin(point.temperature, tempUnit));
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
