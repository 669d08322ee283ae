#pragma once

#include "documents/field_labels.h"

#include <string_view>

// The fixed texts of the reports, character for character (UTF-8; "deg.\u0421"
// is written with the Cyrillic capital Es, as the program has always shown it).
namespace viskora::report_texts {

// The labels of the fields, as the forms show them.
using namespace field_labels;

// The maker's home page, linked from the HTML page and the workbook.
inline constexpr std::string_view kHomePageAddress = "https://www.viskora.example/";

inline constexpr std::string_view kHeading = "Thermophysical properties of oil and its derivatives";
inline constexpr std::string_view kBasicTitle =
    "Calculation at the atmosphere pressure and the temperature 20 deg.\u0421 (68 deg.F)";
inline constexpr std::string_view kAdditionalTitle =
    "Calculation at given absolute pressure and temperature within the under-critical range";

inline constexpr std::string_view kInputData = "Input data";
inline constexpr std::string_view kCalculationResults = "Calculation results";
inline constexpr std::string_view kGasPhase = "Gas phase";
inline constexpr std::string_view kLiquidPhase = "Liquid phase";
// After the results the viscosity method decides, when they are by narrow cuts.
inline constexpr std::string_view kViscosityByNarrowCuts = "Viscosity: by narrow cuts";
// Before the light ends given, by component, when the vapour pressure is by
// narrow cuts.
inline constexpr std::string_view kLightEndsOfMass = "Light ends, % of mass: ";

inline constexpr std::string_view kFractionalComposition = "Fractional composition";
inline constexpr std::string_view kTemperatureHeading = "Temperature at the atmosphere pressure";
inline constexpr std::string_view kStartPoint = "Boiling starting point";
inline constexpr std::string_view kFinalPoint = "Boiling final point";
inline constexpr std::string_view kShareHeading = "The fraction % in the total mass";
inline constexpr std::string_view kShareHeadingEnd = "of the substance";
inline constexpr std::string_view kRowNumberHeading = "N";

} // namespace viskora::report_texts
