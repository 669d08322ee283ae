#include "engine/prepared_oil.h"

#include "engine/calc_messages.h"
#include "engine/calc_sequence.h"
#include "engine/calc_steps.h"
#include "engine/fill_oil_calc.h"
#include "engine/message_texts.h"
#include "engine/oil_calc.h"
#include "engine/recording_messages.h"

#include <cmath>
#include <exception>

namespace viskora {
namespace {

// The design state's share of the input step, exactly as prepareInputs takes
// it: both values finite, the pressure converted to MPa and above 0, the
// temperature converted to deg.C and not below absolute zero.
bool takeDesignState(COilCalc& calc) {
    const auto refuse = [&calc](const char* text) {
        if (calc.messages() != nullptr) {
            calc.messages()->inputError(text);
        }
        return false;
    };
    if (!std::isfinite(calc.designTempIn) || !std::isfinite(calc.designPressureIn)) {
        return refuse(texts::kNumberOutOfRange);
    }
    calc.designPressure = convert(Quantity::Pressure, calc.designPressureIn, calc.pressureUnit,
                                  baseUnitCode(Quantity::Pressure));
    if (!std::isfinite(calc.designPressure)) {
        return refuse(texts::kNumberOutOfRange);
    }
    if (!(calc.designPressure > 0)) {
        return refuse(texts::kPressureNotPositive);
    }
    calc.designTemp = calc.designTempIn;
    if (isTemperatureCode(calc.tempUnit)) {
        calc.designTemp = toCelsius(calc.designTempIn, calc.tempUnit);
    }
    if (belowAbsoluteZero(calc.designTemp)) {
        return refuse(texts::kDesignTempBelowAbsoluteZero);
    }
    return true;
}

// A completed state's liquid viscosity by `method`: the calculation's own
// where that is its method, 0 where the state has no liquid phase.
double liquidViscosityBy(const COilCalc& state, ViscosityMethod method) {
    if (!(state.liquidMassShare > 0)) {
        return 0;
    }
    return method == state.viscosityMethod ? state.liquid.viscosity
                                           : state.liquidViscosityBy(method);
}

// A completed state's true vapour pressure: the calculation's own bubble
// point where it is by narrow cuts, else found from the oil's components.
std::optional<double> trueVapourPressureOf(const COilCalc& state) {
    if (state.vapourPressureMethod == VapourPressureMethod::NarrowCuts) {
        return state.bubblePointPressure;
    }
    if (!state.volatility) {
        return std::nullopt;
    }
    const double pressure = state.volatility->bubblePointPressure(state.designTemp);
    if (!std::isfinite(pressure) || !(pressure > 0)) {
        return std::nullopt;
    }
    return pressure;
}

} // namespace

PreparedOil::PreparedOil(const OilInputs& oil, const AcceptedWarnings& accepted)
    : accepted_(accepted) {
    RecordingMessages messages(accepted_);
    prepared_ = std::make_unique<COilCalc>(&messages);
    fillOilCalc(*prepared_, oil);
    // The input step does not use the design state beyond checking it, so a
    // state it always accepts stands in; every calculation sets its own.
    prepared_->designTempIn = 0;
    prepared_->designPressureIn = 1;
    try {
        outcome_ = prepared_->prepareInputs() ? CalcOutcome::Completed : CalcOutcome::Stopped;
        // Made once here, so that every state can give the liquid's
        // viscosity by narrow cuts whatever the calculation's own method.
        if (outcome_ == CalcOutcome::Completed && !prepared_->cutViscosityReady) {
            prepared_->prepareCutViscosity();
        }
        if (outcome_ == CalcOutcome::Completed && !prepared_->volatility) {
            prepared_->prepareVolatility();
        }
    } catch (const std::exception&) {
        prepared_->reportFailure(texts::kCalculationError);
        outcome_ = CalcOutcome::Failed;
    }
    prepared_->reportTo(nullptr);
    messages_ = messages.take();
    if (outcome_ == CalcOutcome::Stopped) {
        stoppedInputs_ = std::make_unique<COilCalc>();
        fillOilCalc(*stoppedInputs_, oil);
    }
}

PreparedOil::~PreparedOil() = default;

StateOutcome PreparedOil::runAdditional(double designTemp, double designPressure,
                                        bool withWholeOilViscosity) const {
    StateOutcome state;
    AdditionalOutcome& outcome = state.additional;
    if (outcome_ != CalcOutcome::Stopped && outcome_ != CalcOutcome::Completed) {
        outcome.status = outcome_;
        return state;
    }
    RecordingMessages messages(accepted_);
    if (outcome_ == CalcOutcome::Stopped) {
        // The input step checks the state among the oil's own inputs, so it
        // is run again with the state: it stops at the state's check where
        // that comes first, else where it stopped the oil, never beyond.
        const auto result = std::make_unique<COilCalc>(*stoppedInputs_);
        result->reportTo(&messages);
        result->designTempIn = designTemp;
        result->designPressureIn = designPressure;
        result->prepareInputs();
        outcome.status = CalcOutcome::Stopped;
        outcome.messages = messages.take();
        return state;
    }
    outcome.messages = messages_;
    const auto result = std::make_unique<COilCalc>(*prepared_);
    result->reportTo(&messages);
    result->designTempIn = designTemp;
    result->designPressureIn = designPressure;
    const bool stateTaken = takeDesignState(*result);
    if (stateTaken) {
        state.designTempC = result->designTemp;
        outcome.status = runAdditionalCalculationAfterInputs(*result, &outcome.wholeOil);
    } else {
        outcome.status = CalcOutcome::Stopped;
    }
    for (CalcMessage& met : messages.take()) {
        outcome.messages.push_back(std::move(met));
    }
    if (outcome.status != CalcOutcome::Completed) {
        return state;
    }
    outcome.characterisation = characterisationOf(*result);
    outcome.results = additionalResults(*result);
    state.liquidViscosityWholeOil = liquidViscosityBy(*result, ViscosityMethod::WholeOil);
    state.liquidViscosityByCuts = liquidViscosityBy(*result, ViscosityMethod::NarrowCuts);
    state.trueVapourPressure = trueVapourPressureOf(*result);
    if (withWholeOilViscosity && result->liquidMassShare > 0) {
        state.wholeOilViscosity =
            result->wholeOilViscosityBy(result->viscosityMethod, result->designState());
    }
    return state;
}

std::optional<double> PreparedOil::wholeOilViscosity(ViscosityMethod method,
                                                     const DesignState& state) const {
    if (outcome_ != CalcOutcome::Completed) {
        return std::nullopt;
    }
    const auto oil = std::make_unique<COilCalc>(*prepared_);
    oil->computeBaseProperties();
    const double viscosity = oil->wholeOilViscosityBy(method, state);
    if (!std::isfinite(viscosity) || !(viscosity > 0)) {
        return std::nullopt;
    }
    return viscosity;
}

} // namespace viskora
