#include "engine/prepared_oil.h"

#include "engine/calc_messages.h"
#include "engine/calc_steps.h"
#include "engine/message_texts.h"
#include "engine/oil_calc.h"

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
    if (calc.tempUnit >= 1 && calc.tempUnit <= 4) {
        calc.designTemp = toCelsius(calc.designTempIn, calc.tempUnit);
    }
    if (belowAbsoluteZero(calc.designTemp)) {
        return refuse(texts::kDesignTempBelowAbsoluteZero);
    }
    return true;
}

} // namespace

PreparedOil::PreparedOil(const COilCalc& oil) : prepared_(std::make_unique<COilCalc>(oil)) {
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
    } catch (const std::exception&) {
        prepared_->reportFailure(texts::kCalculationError);
        outcome_ = CalcOutcome::Failed;
    }
    if (outcome_ == CalcOutcome::Stopped) {
        stoppedInputs_ = std::make_unique<COilCalc>(oil);
    }
}

PreparedOil::~PreparedOil() = default;

CalcOutcome PreparedOil::runAdditional(double designTempIn, double designPressureIn,
                                       COilCalc& result, Characterisation* wholeOil) const {
    if (outcome_ == CalcOutcome::Stopped) {
        // The input step checks the state among the oil's own inputs, so it
        // is run again with the state: it stops at the state's check where
        // that comes first, else where it stopped the oil, never beyond.
        result = *stoppedInputs_;
        result.designTempIn = designTempIn;
        result.designPressureIn = designPressureIn;
        result.prepareInputs();
        return CalcOutcome::Stopped;
    }
    if (outcome_ != CalcOutcome::Completed) {
        return outcome_;
    }
    result = *prepared_;
    result.designTempIn = designTempIn;
    result.designPressureIn = designPressureIn;
    if (!takeDesignState(result)) {
        return CalcOutcome::Stopped;
    }
    return runAdditionalCalculationAfterInputs(result, wholeOil);
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
