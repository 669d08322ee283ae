#pragma once

#include "engine/calc_steps.h"

#include <string>

namespace viskora {

class COilCalc;

enum class CalcOutcome {
    Completed, // results may be copied out
    Stopped,   // an input error, or No to a warning; the user has been told
    Failed,    // the calculation broke down; the user has been told
};

// The results of the basic calculation in base units, and the Prandtl
// number as the form shows it.
struct BasicResults {
    double density = 0;             // kg/m3
    double specificHeat = 0;        // kJ/(kg K)
    double thermalConductivity = 0; // W/(m K)
    double kinematicViscosity = 0;  // mm2/s
    double surfaceTension = 0;      // N/m
    double vapourPressure = 0;      // MPa
    double pseudoCritTemp = 0;      // deg.C
    double prandtl = 0;
    std::string prandtlText;
};

// Runs the basic sequence on a record whose inputs are filled: input checks
// and distribution, base and pseudocritical properties. Any exception is
// turned into the message "Error!"; a result that is not a finite, physically
// possible number stops the calculation with a message instead of being shown.
CalcOutcome runBasicCalculation(COilCalc& calc);

BasicResults basicResults(const COilCalc& calc);

// The characterisation of the oil the record last described: the whole
// oil's after the basic calculation; after the additional one the liquid
// part's, or the gas part's when everything boiled off.
Characterisation characterisationOf(const COilCalc& calc);

// The results of the additional calculation in base units, the Prandtl
// numbers as the form shows them, and the two mass shares as the form shows
// them: the gas share with one decimal, the liquid share as 100 minus the
// number shown for the gas, so that the two always add up to 100.0.
struct AdditionalResults {
    double gasMassShare = 0;            // %
    double liquidMassShare = 0;         // %
    double gasDensity = 0;              // kg/m3
    double gasSpecificHeat = 0;         // kJ/(kg K)
    double gasConductivity = 0;         // W/(m K)
    double gasViscosity = 0;            // mm2/s
    double gasVaporisationEnthalpy = 0; // kJ/kg
    double gasPrandtl = 0;
    double liquidDensity = 0;        // kg/m3
    double liquidSpecificHeat = 0;   // kJ/(kg K)
    double liquidConductivity = 0;   // W/(m K)
    double liquidViscosity = 0;      // mm2/s
    double liquidSurfaceTension = 0; // N/m
    double prandtl = 0;              // of the liquid phase
    std::string gasPrandtlText;
    std::string liquidPrandtlText;
    std::string gasShareText;
    std::string liquidShareText;
};

// Runs the additional sequence on a record whose inputs are filled: input
// checks and distribution, the whole oil's characterisation, the design-state
// questions and the phase split, the gas part, then the liquid part. The
// guard and the result check are those of the basic sequence; the results of
// a phase that is absent are 0, which is not a failure. When `wholeOil` is
// given it receives the whole oil's characterisation, taken before the split.
CalcOutcome runAdditionalCalculation(COilCalc& calc, Characterisation* wholeOil = nullptr);

// The additional sequence from the whole oil's characterisation on, for a
// record whose input step has already run (see engine/prepared_oil.h).
CalcOutcome runAdditionalCalculationAfterInputs(COilCalc& calc,
                                                Characterisation* wholeOil = nullptr);

AdditionalResults additionalResults(const COilCalc& calc);

} // namespace viskora
