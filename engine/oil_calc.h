#pragma once

#include "engine/calc_results.h"
#include "engine/calc_steps.h"
#include "engine/narrow_cut_vapour_pressure.h"
#include "engine/narrow_cut_viscosity.h"
#include "engine/oil_inputs.h"
#include "engine/tilted_sums.h"
#include "units/unit_tables.h"

#include <array>
#include <optional>

namespace viskora {

class CalcMessages;

// The engine record: everything one calculation needs, from the inputs as
// the user gave them to the results in base units. One record is made per
// Calculate command (or per unit conversion) and discarded afterwards. It has
// fixed capacity and its steps allocate nothing.
//
// Base units: temperature deg.C (K where a field says so), density kg/m3,
// pressure MPa, specific heat kJ/(kg K), thermal conductivity W/(m K),
// kinematic viscosity mm2/s, surface tension N/m, vaporisation enthalpy
// kJ/kg, shares in per cent of mass.
//
// Each field has one meaning for the whole run: a step writes only its own
// outputs and never turns the record over to another part of the oil. The
// steps themselves are the functions of engine/calc_steps.h; the members
// below call them on the record's fields, in the order of the calculation:
// prepareInputs, computeBaseProperties and computeCriticalProperties (the
// whole oil), then for the additional calculation splitPhases,
// computeGasProperties (the gas part) and computeLiquidProperties (the
// liquid part).
class COilCalc {
  public:
    static constexpr int kCutCount = viskora::kCutCount; // narrow cuts of 1 deg.C, 35 to 835 deg.C
    static constexpr int kMaxFractions = viskora::kMaxFractions; // rows a form can pass
    static constexpr int kRowSlots = kMaxFractions + 2;          // rows 1..101 (one remainder row)

    using CutArray = viskora::CutArray;
    using RowArray = std::array<double, kRowSlots>;

    // The input modes.
    static constexpr int kDensityOnly = 1;
    static constexpr int kFractionTable = 2;

    // Messages go to `messages`; without one, input errors are silent and
    // every warning or question is answered No.
    explicit COilCalc(CalcMessages* messages = nullptr);
    virtual ~COilCalc() = default;

    // The steps. A step that returns false has told the user why.
    bool prepareInputs();
    // The whole oil's characterisation and its properties at refTemp.
    void computeBaseProperties();
    // The whole oil's pseudocritical properties and pseudoCritTemp.
    void computeCriticalProperties();
    // Asks about doubtful design states, then splits the whole oil into its
    // gas and liquid parts. False when a question was answered No, or, with
    // stepFailed set, when the split has no value at the design state.
    bool splitPhases();
    // The gas part characterised (gasPart) and its gas-phase results, all 0
    // when there is no gas part. False, with stepFailed set, when the part
    // cannot be evaluated at the design state.
    bool computeGasProperties();
    // The liquid part characterised (liquidPart) and its liquid-phase
    // results, all 0 when there is no liquid part; false as above.
    bool computeLiquidProperties();

    // The narrow cuts' viscosity lines of the whole oil, once its cuts are
    // distributed; prepareInputs makes them when the calculation is by
    // narrow cuts. False when the cut densities cannot be made
    // volume-additive; the viscosities by narrow cuts are then 0.
    bool prepareCutViscosity();

    // The whole oil as the components of its vapour (its cuts at the
    // densities the viscosity by narrow cuts takes, and its light ends),
    // once its cuts are distributed; prepareInputs makes it when the vapour
    // pressure is by narrow cuts. False when the cut densities cannot be
    // made volume-additive; there is then no vapour pressure by narrow cuts.
    bool prepareVolatility();

    // The whole oil's bubble-point pressure at the design temperature by
    // narrow cuts (bubblePointPressure); false, having told the user, when
    // it has no value.
    bool computeBubblePoint();

    // The kinematic viscosity, mm2/s, of the part of cuts first..end with
    // the characterisation `part` as a liquid at `state`, by `method`.
    double partViscosity(const Characterisation& part, int first, int end, ViscosityMethod method,
                         const DesignState& state) const;
    // The liquid part's viscosity at the design state by either method,
    // after computeLiquidProperties found a liquid part.
    double liquidViscosityBy(ViscosityMethod method) const;
    // The whole oil's, all its cuts held in the liquid, at `state`.
    double wholeOilViscosityBy(ViscosityMethod method, const DesignState& state) const;

    // Tells the user that the calculation failed (OK button, no icon).
    void reportFailure(const char* text) const;

    // Where this record's messages go; nothing when they are not shown.
    CalcMessages* messages() const { return messages_; }
    // A copy made for another calculation reports to that calculation's own.
    void reportTo(CalcMessages* messages) { messages_ = messages; }

    // The whole oil's cut distribution, and the design state in base units.
    CutDistribution wholeOilCuts() const {
        return {cutLow, cutHigh, cutDensity, cutShare, cutFirst, cutEnd};
    }
    DesignState designState() const { return {designTemp, designPressure}; }

    // --- Inputs, in the units the user gave them (see fillOilCalc) ------
    double densityIn = 930;
    double densityTempIn = 20;
    double designTempIn = 10;
    double designPressureIn = 0.3;
    RowArray fracStartIn{};
    RowArray fracEndIn{};
    RowArray fracShare{};
    int fracCountIn = 3;
    int inputMode = kFractionTable;
    int tempUnit = unit::kCelsius; // unit codes of units/unit_tables.h
    int densityUnit = unit::kKgPerM3;
    int pressureUnit = unit::kMPa;
    double refTemp = 20; // deg.C
    ViscosityMethod viscosityMethod = ViscosityMethod::WholeOil;
    VapourPressureMethod vapourPressureMethod = VapourPressureMethod::AverageBoilingPoint;
    LightEndAmounts lightEndsIn{};      // per cent of the whole oil's mass
    bool residueRunsToTableTop = false; // see OilInputs

    // --- Inputs in base units (prepareInputs) -----------------------------
    double density = 0; // at refTemp: as given, or the cuts' mixture's if not given
    double densityTemp = 0;
    double designTemp = 0;
    double designPressure = 0;
    RowArray fracStart{};
    RowArray fracEnd{};
    int fracCount = 0;

    // --- Narrow-cut table -------------------------------------------------
    CutArray cutLow{};
    CutArray cutHigh{};
    CutArray cutDensity{};
    CutArray cutDefaultShare{};
    CutArray cutShare{};
    int cutFirst = 0;
    int cutEnd = 515;
    std::array<int, kRowSlots> fracCutCount{};
    CutViscosityLines cutViscosity; // prepareCutViscosity
    bool cutViscosityReady = false;
    std::optional<OilVolatility> volatility; // prepareVolatility
    // The cut densities shifted to add up by volume to the oil's density,
    // which both narrow-cut methods take; made once the cuts are
    // distributed, at the first call of volumeAdditiveCutDensities.
    std::optional<CutArray> cutDensityByVolume;
    bool cutDensityByVolumeMade = false;

    // --- The whole oil's characterisation ------------------------------------
    // Its density is the mixture's of the fitted or distributed cuts; the
    // pseudocritical properties come from computeCriticalProperties.
    Characterisation wholeOil;

    // --- The whole oil at refTemp: the basic calculation's results ------------
    ReferenceProperties atReference;
    double pseudoCritTemp = 0; // deg.C

    // --- The split at the design state (splitPhases) ------------------------
    PhaseState phaseState = PhaseState::Unsplit;
    double gasMassShare = 0;        // %, as shown
    double liquidMassShare = 0;     // %, as shown
    int splitCut = 0;               // gas part: cutFirst..splitCut; liquid: splitCut..cutEnd
    CutArray cutHighAtP{};          // deg.C, cutHigh at the design pressure
    double gasShareScale = 1;       // the gas part's shares are cutShare times it
    double liquidShareScale = 1;    // the liquid part's likewise
    double bubblePointPressure = 0; // MPa, computeBubblePoint

    // --- The parts at the design state --------------------------------------
    Characterisation gasPart;
    Characterisation liquidPart;
    GasProperties gas;       // computeGasProperties; all 0 without a gas part
    LiquidProperties liquid; // computeLiquidProperties; all 0 without a liquid part

    // Set by a step that met a state it cannot evaluate (and has told the
    // user so); the sequence stops instead of showing made-up results.
    bool stepFailed = false;

  protected:
    void reportInputError(const char* text) const;
    bool confirmWarning(const char* text) const;
    bool askQuestion(const char* text) const;

  private:
    // The part of cuts first..end, its shares cutShare x shareScale,
    // characterised; nothing, having told the user, when a figure of it is
    // not a number.
    std::optional<Characterisation> characterisePart(int first, int end, double shareScale);
    // Marks the step failed and tells the user why; false.
    bool refuseState(const char* text);

    bool takeInputs();
    bool inputsAreFinite() const;
    bool checkFractionRows();
    bool checkLightEnds();
    const std::optional<CutArray>& volumeAdditiveCutDensities();
    // The fraction that holds the light ends: the first of the table, or
    // the whole oil given by its density alone.
    LowestFraction lowestFraction() const;
    void fitDensityOnly();
    bool distributeFractions();
    double fractionShareSum() const;
    double cutMixtureDensity() const;
    TiltedSums::Sums tiltSide(int from, int direction, int count, double start, double ratio);
    TiltedSums::Sums liftAndSumSide(int from, int direction, int count);

    CalcMessages* messages_;
};

} // namespace viskora
