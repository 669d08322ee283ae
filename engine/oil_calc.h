#pragma once

#include "engine/tilted_sums.h"
#include "units/unit_tables.h"

#include <array>

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
class COilCalc {
  public:
    static constexpr int kCutCount = 800;               // narrow cuts of 1 deg.C, 35 to 835 deg.C
    static constexpr int kMaxFractions = 100;           // rows a form can pass
    static constexpr int kRowSlots = kMaxFractions + 2; // rows 1..101 (one remainder row)

    using CutArray = std::array<double, kCutCount>;
    using RowArray = std::array<double, kRowSlots>;

    // Messages go to `messages`; without one, input errors are silent and
    // every warning or question is answered No.
    explicit COilCalc(CalcMessages* messages = nullptr);
    virtual ~COilCalc() = default;

    // The steps. A step that returns false has told the user why.
    bool prepareInputs();
    void computeBaseProperties();
    void computeCriticalProperties();
    // False when a question was answered No, or, with stepFailed set, when
    // the split has no value at the design state.
    bool splitPhases();
    void computeLiquidProperties();
    void computeGasProperties();

    // Conversions between two unit codes of one quantity (see convert in
    // units/unit_tables.h).
    double convertDensity(double value, int fromCode, int toCode) const;
    double convertPressure(double value, int fromCode, int toCode) const;
    double convertSpecificHeat(double value, int fromCode, int toCode) const;
    double convertConductivity(double value, int fromCode, int toCode) const;
    double convertEnthalpy(double value, int fromCode, int toCode) const;
    double convertViscosity(double value, int fromCode, int toCode) const;
    double convertSurfaceTension(double value, int fromCode, int toCode) const;
    static double convertTemperature(double value, int fromCode, int toCode);

    // Tells the user that the calculation failed (OK button, no icon).
    void reportFailure(const char* text) const;

    // Where this record's messages go; nothing when they are not shown.
    CalcMessages* messages() const { return messages_; }

    // --- Inputs, in the units the user gave them -------------------------
    double densityIn = 930;
    double densityTempIn = 20;
    double designTempIn = 10;
    double designPressureIn = 0.3;
    RowArray fracStartIn{};
    RowArray fracEndIn{};
    RowArray fracShare{};
    int fracCountIn = 3;
    int inputMode = 2; // 1: density only; 2: fraction table
    int tempUnit = 2;  // 1 K, 2 deg.C, 3 deg.F, 4 deg.R
    int densityUnit = 1;
    int pressureUnit = 4;
    double refTemp = 20; // deg.C

    // --- Inputs in base units (prepareInputs) -----------------------------
    double density = 0;
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

    // --- Characterisation -------------------------------------------------
    double tvAvg = 0;     // K, volume-average boiling temperature
    double tmAvg = 0;     // K, mass-average boiling temperature
    double t50 = 0;       // deg.C, 50 % distilled
    double d20 = 0;       // relative density at 20 deg.C
    double d15 = 0;       // relative density at 15 deg.C
    double refrIndex = 0; // refractive index
    double molarMass = 0; // kg/kmol
    double watsonK = 0;
    double critTemp = 0;     // K
    double critPressure = 0; // MPa
    double critDensity = 0;  // kg/m3
    double acentric = 0;

    // --- Results of the basic calculation ---------------------------------
    double specificHeat = 0;
    double thermalConductivity = 0;
    double kinematicViscosity = 0;
    double surfaceTension = 0;
    double vapourPressure = 0;
    double prandtl = 0;
    double pseudoCritTemp = 0; // deg.C

    // --- Additional calculation -------------------------------------------
    double gasMassShare = 0;
    double liquidMassShare = 0;
    int splitCut = 0;
    int savedCutEnd = 0;
    CutArray cutHighAtP{};
    double vaporisationEnthalpy = 0;
    double gasDensity = 0;
    double gasSpecificHeat = 0;
    double gasConductivity = 0;
    double gasViscosity = 0;
    double gasVaporisationEnthalpy = 0;
    double gasPrandtl = 0;
    double liquidDensity = 0;
    double liquidSpecificHeat = 0;
    double liquidConductivity = 0;
    double liquidViscosity = 0;
    double liquidSurfaceTension = 0;

    // --- State flags --------------------------------------------------------
    int phaseState = 1; // 1 evaluate; 2 no gas part; 3 no liquid part
    int pseudoCritTempFrozen = 0;
    // Set by a step that met a state it cannot evaluate (and has told the
    // user so); the sequence stops instead of showing made-up results.
    bool stepFailed = false;

    // --- Unit factor tables, indexed by unit code ---------------------------
    FactorTable densityFactor{};
    FactorTable pressureFactor{};
    FactorTable specificHeatFactor{};
    FactorTable conductivityFactor{};
    FactorTable viscosityFactor{};
    FactorTable enthalpyFactor{};
    FactorTable surfaceTensionFactor{};

  protected:
    void reportInputError(const char* text) const;
    bool confirmWarning(const char* text) const;
    bool askQuestion(const char* text) const;

  private:
    bool inputsAreFinite() const;
    bool checkFractionRows();
    void fitDensityOnly();
    bool distributeFractions();
    double fractionShareSum() const;
    double mixtureDensity() const;
    TiltedSums::Sums tiltSide(int from, int direction, int count, double start, double ratio);
    TiltedSums::Sums liftAndSumSide(int from, int direction, int count);

    CalcMessages* messages_;
};

} // namespace viskora
