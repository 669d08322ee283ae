#pragma once

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

} // namespace viskora
