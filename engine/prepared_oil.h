#pragma once

#include "engine/calc_sequence.h"

#include <memory>
#include <optional>

namespace viskora {

class COilCalc;

// An oil whose inputs have been checked and whose narrow-cut distribution
// (for a density-only oil, the density fit, by far the dearest step) has been
// built once, ready to be calculated at many design states. Each state is
// calculated on a copy of the prepared record, so no state leaves anything
// behind for the next.
class PreparedOil {
  public:
    // `oil` holds the oil's inputs (density, its temperature, units and the
    // fraction table) and the pressure unit; its design temperature and
    // pressure are not looked at. The messages `oil` was made with hear the
    // input step's warnings and errors now, and every state's later.
    explicit PreparedOil(const COilCalc& oil);
    ~PreparedOil();
    PreparedOil(const PreparedOil&) = delete;
    PreparedOil& operator=(const PreparedOil&) = delete;

    // Completed when the oil can be calculated; otherwise the user has been
    // told why not. Where the oil's inputs stopped the input step, every
    // state stops as the single calculation's input step stops at it: at the
    // state's own check where that comes first (a temperature below absolute
    // zero), else at the oil's again, a warning with its first answer. Where
    // the oil failed, every state fails without a message.
    CalcOutcome outcome() const { return outcome_; }

    // The additional calculation at a design temperature and pressure given
    // in the oil's temperature and pressure units, left in `result`: the same
    // numbers, to the bit, as runAdditionalCalculation on a fresh record with
    // the same inputs.
    CalcOutcome runAdditional(double designTempIn, double designPressureIn, COilCalc& result,
                              Characterisation* wholeOil = nullptr) const;

    // The whole oil's kinematic viscosity at a state in base units (deg.C,
    // MPa), all its cuts held in the liquid as in a closed viscometer, by
    // `method`; nothing when the oil cannot be calculated or the figure is
    // not a positive number.
    std::optional<double> wholeOilViscosity(ViscosityMethod method, const DesignState& state) const;

  private:
    std::unique_ptr<COilCalc> prepared_;
    std::unique_ptr<COilCalc> stoppedInputs_; // the oil as given, when its input step stopped
    CalcOutcome outcome_ = CalcOutcome::Failed;
};

} // namespace viskora
