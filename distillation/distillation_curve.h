#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace viskora::distillation {

// The laboratory curves the program reads. D86 and TBP by volume are by
// liquid volume at atmospheric pressure, TBP by mass and simulated
// distillation (gas chromatography) by mass, D1160 by volume at 10 mmHg.
enum class CurveType { D86, TbpVolume, TbpMass, SimDist, D1160 };

// The two published D86 to TBP conversions.
enum class D86Method { Daubert, RiaziDaubert };

// Whether a curve's percents are of liquid volume or of mass.
enum class CurveBasis { Volume, Mass };

CurveBasis basisOf(CurveType type);

// The names the calculator and the dialog use: "D86", "TBP-volume",
// "TBP-mass", "SimDist", "D1160" (case-insensitive when read).
std::string_view curveTypeName(CurveType type);
std::optional<CurveType> parseCurveType(std::string_view text);

// "daubert" or "riazi-daubert".
std::string_view d86MethodName(D86Method method);
std::optional<D86Method> parseD86Method(std::string_view text);

// One point of a curve: percent distilled (0 to 100) and temperature, deg.C.
struct CurvePoint {
    double percent = 0;
    double temperature = 0;
};

// A point as the user typed it.
struct CurvePointText {
    std::string percent;
    std::string temperature;
};

} // namespace viskora::distillation
