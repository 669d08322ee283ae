#include "distillation/distillation_curve.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace viskora::distillation {
namespace {

struct TypeName {
    CurveType type;
    std::string_view name;
};

constexpr std::array<TypeName, 5> kTypeNames = {{
    {CurveType::D86, "D86"},
    {CurveType::TbpVolume, "TBP-volume"},
    {CurveType::TbpMass, "TBP-mass"},
    {CurveType::SimDist, "SimDist"},
    {CurveType::D1160, "D1160"},
}};

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

} // namespace

CurveBasis basisOf(CurveType type) {
    return type == CurveType::TbpMass || type == CurveType::SimDist ? CurveBasis::Mass
                                                                    : CurveBasis::Volume;
}

std::string_view curveTypeName(CurveType type) {
    for (const TypeName& entry : kTypeNames) {
        if (entry.type == type) {
            return entry.name;
        }
    }
    return {};
}

std::optional<CurveType> parseCurveType(std::string_view text) {
    for (const TypeName& entry : kTypeNames) {
        if (sameIgnoringCase(entry.name, text)) {
            return entry.type;
        }
    }
    return std::nullopt;
}

std::string_view d86MethodName(D86Method method) {
    return method == D86Method::Daubert ? "daubert" : "riazi-daubert";
}

std::optional<D86Method> parseD86Method(std::string_view text) {
    if (sameIgnoringCase(text, "daubert")) {
        return D86Method::Daubert;
    }
    if (sameIgnoringCase(text, "riazi-daubert")) {
        return D86Method::RiaziDaubert;
    }
    return std::nullopt;
}

} // namespace viskora::distillation
