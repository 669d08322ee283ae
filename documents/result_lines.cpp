#include "documents/result_lines.h"

#include "documents/record_fields.h"
#include "units/display_format.h"

#include <algorithm>
#include <array>

namespace viskora {
namespace {

// The base unit of a quantity as the calculator's tables write it.
std::string_view baseUnitText(Quantity quantity) {
    switch (quantity) {
    case Quantity::Temperature:
        return "deg.C";
    case Quantity::Density:
        return "kg/m3";
    case Quantity::Pressure:
        return "MPa";
    case Quantity::SpecificHeat:
        return "kJ/(kg K)";
    case Quantity::Conductivity:
        return "W/(m K)";
    case Quantity::Enthalpy:
        return "kJ/kg";
    case Quantity::Viscosity:
        return "mm2/s";
    case Quantity::SurfaceTension:
        return "N/m";
    }
    return "";
}

template <typename Results> std::vector<ResultLine> linesOf(const Results& results) {
    std::vector<ResultLine> lines;
    for (const auto& field : recordFields(results)) {
        if (field.result == nullptr) {
            continue;
        }
        const double value = field.result(results);
        switch (field.unit) {
        case FieldUnit::Own:
        case FieldUnit::Shared:
            lines.push_back({std::string(field.resultName), value,
                             std::string(baseUnitText(field.quantity)),
                             formatInUnit(field.quantity, value, field.defaultUnitIndex)});
            break;
        case FieldUnit::Percent:
        case FieldUnit::Number:
            lines.push_back({std::string(field.resultName), value,
                             field.unit == FieldUnit::Percent ? "%" : "-",
                             results.*field.resultText});
            break;
        }
    }
    // The split into phases comes first.
    // (std::stable_partition, not the ranges one, which clang 14 cannot
    // compile against this standard library in the fuzzing build.)
    std::stable_partition(lines.begin(), lines.end(),
                          [](const ResultLine& line) { return line.baseUnit == "%"; });
    return lines;
}

using C = Characterisation;
constexpr std::array kCharacterisationFigures = {
    CharacterisationFigure{"tvAvg", &C::tvAvg, "K"},
    CharacterisationFigure{"tmAvg", &C::tmAvg, "K"},
    CharacterisationFigure{"t50", &C::t50, "deg.C"},
    CharacterisationFigure{"d20", &C::d20, "-"},
    CharacterisationFigure{"d15", &C::d15, "-"},
    CharacterisationFigure{"refrIndex", &C::refrIndex, "-"},
    CharacterisationFigure{"molarMass", &C::molarMass, "kg/kmol"},
    CharacterisationFigure{"watsonK", &C::watsonK, "-"},
    CharacterisationFigure{"critTemp", &C::critTemp, "K"},
    CharacterisationFigure{"critPressure", &C::critPressure, "MPa"},
    CharacterisationFigure{"critDensity", &C::critDensity, "kg/m3"},
    CharacterisationFigure{"acentric", &C::acentric, "-"},
};

} // namespace

std::vector<ResultLine> resultLines(const BasicResults& results) {
    return linesOf(results);
}

std::vector<ResultLine> resultLines(const AdditionalResults& results) {
    std::vector<ResultLine> lines = linesOf(results);
    // By narrow cuts only, so that every other calculation reads as it did.
    if (results.bubblePointPressure > 0) {
        constexpr int kMPaIndex = 3;
        lines.push_back({"bubblePointPressure", results.bubblePointPressure,
                         std::string(baseUnitText(Quantity::Pressure)),
                         formatInUnit(Quantity::Pressure, results.bubblePointPressure, kMPaIndex)});
    }
    return lines;
}

std::span<const CharacterisationFigure> characterisationFigures() {
    return kCharacterisationFigures;
}

} // namespace viskora
