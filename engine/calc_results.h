#pragma once

#include <string>

// What a completed calculation gives, as plain data: the forms, the
// calculator and the documents' field tables read these without any of the
// engine's code.
namespace viskora {

// How a calculation finds the liquid's kinematic viscosity: from the oil's
// 50 % point and relative density as a whole, or by blending its narrow
// cuts' own viscosities.
enum class ViscosityMethod { WholeOil, NarrowCuts };

// How a calculation ended.
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

} // namespace viskora
