#pragma once

#include "engine/calculation.h"

#include <memory>
#include <optional>

namespace viskora {

class COilCalc;

// The additional calculation at one design state of a prepared oil, with
// the figures a sweep shows beside its results.
struct StateOutcome {
    AdditionalOutcome additional;
    double designTempC = 0; // the state's temperature, deg.C, when the input step took it
    // mm2/s, the liquid's viscosity by each method; 0 without a liquid phase,
    // as the other liquid results.
    double liquidViscosityWholeOil = 0;
    double liquidViscosityByCuts = 0;
    // mm2/s, the whole oil's at the state by its own method, all its cuts held
    // in the liquid; only when asked for and the state has a liquid phase.
    std::optional<double> wholeOilViscosity;
    // MPa, the whole oil's true vapour pressure (bubble-point pressure) at
    // the state's temperature by narrow cuts, whatever the calculation's
    // own method; nothing when the state did not complete or it has no value.
    std::optional<double> trueVapourPressure;
};

// An oil whose inputs have been checked and whose narrow-cut distribution
// (for a density-only oil, the density fit, by far the dearest step) has been
// built once, ready to be calculated at many design states. Each state is
// calculated on a copy of the prepared record, so no state leaves anything
// behind for the next.
class PreparedOil {
  public:
    // The oil's inputs and its pressure unit are taken; its design
    // temperature and pressure are not looked at. The input step's warnings
    // and every state's are answered from `accepted`.
    PreparedOil(const OilInputs& oil, const AcceptedWarnings& accepted);
    ~PreparedOil();
    PreparedOil(const PreparedOil&) = delete;
    PreparedOil& operator=(const PreparedOil&) = delete;

    // Completed when the oil can be calculated; otherwise messages() says
    // why not. Where the oil's inputs stopped the input step, every
    // state stops as the single calculation's input step stops at it: at the
    // state's own check where that comes first (a temperature below absolute
    // zero), else at the oil's again, a warning with its first answer. Where
    // the oil failed, every state fails without a message.
    CalcOutcome outcome() const { return outcome_; }
    // The input step's messages, in the order met.
    const std::vector<CalcMessage>& messages() const { return messages_; }

    // The additional calculation at a design temperature and pressure given
    // in the oil's temperature and pressure units: the same numbers, to the
    // bit, as calculateAdditional with the same inputs. Its messages are the
    // input step's accepted ones followed by the state's own; a state of an
    // oil that failed has none. Safe to call from several threads at once.
    StateOutcome runAdditional(double designTemp, double designPressure,
                               bool withWholeOilViscosity = false) const;

    // The whole oil's kinematic viscosity at a state in base units (deg.C,
    // MPa), all its cuts held in the liquid as in a closed viscometer, by
    // `method`; nothing when the oil cannot be calculated or the figure is
    // not a positive number.
    std::optional<double> wholeOilViscosity(ViscosityMethod method, const DesignState& state) const;

  private:
    std::unique_ptr<COilCalc> prepared_;
    std::unique_ptr<COilCalc> stoppedInputs_; // the oil as given, when its input step stopped
    CalcOutcome outcome_ = CalcOutcome::Failed;
    AcceptedWarnings accepted_;
    std::vector<CalcMessage> messages_;
};

} // namespace viskora
