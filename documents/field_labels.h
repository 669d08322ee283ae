#pragma once

#include <string_view>

// The labels of the records' fields as the forms and the reports show them,
// character for character.
namespace viskora::field_labels {

inline constexpr std::string_view kDensity = "Density : ";
inline constexpr std::string_view kAtTemperature = "at the temperature : ";
inline constexpr std::string_view kDesignTemperature = "Design temperature : ";
inline constexpr std::string_view kDesignPressure = "Design pressure : ";
inline constexpr std::string_view kSpecificHeat = "Isobaric specific heat : ";
inline constexpr std::string_view kConductivity = "Thermal conductivity : ";
inline constexpr std::string_view kViscosity = "Kinematic viscosity : ";
inline constexpr std::string_view kSurfaceTension = "Surface tension : ";
inline constexpr std::string_view kVapourPressure = "Saturated vapor pressure : ";
inline constexpr std::string_view kBubblePoint = "Bubble-point pressure : ";
inline constexpr std::string_view kCritTemperature = "Pseudocritical temperature : ";
inline constexpr std::string_view kEnthalpy = "Vaporisation enthalpy : ";
inline constexpr std::string_view kPrandtl = "Prandtl number : ";
// Two percent signs: the label has always been written this way.
inline constexpr std::string_view kShare = "The share in the total mass, %% : ";

} // namespace viskora::field_labels
