#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

// The light ends of a crude oil: the gases and pentanes that boil below the
// engine's first narrow cut (35 deg.C) and set most of its vapour pressure.
// Each is a defined component with handbook constants; an oil gives them as
// shares of its whole mass.
namespace viskora {

enum class LightEnd { Ethane, Propane, Isobutane, NButane, Isopentane, NPentane };

inline constexpr int kLightEndCount = 6;

// A light end's constants (Poling, Prausnitz and O'Connell, The Properties
// of Gases and Liquids, 5th ed., 2001, Appendix A; liquid specific gravity
// at 60/60 deg.F from the GPA Standard 2145 table of physical constants).
struct LightEndConstants {
    std::string_view name; // as files, options and tables spell it
    double molarMass;      // kg/kmol
    double critTemp;       // K
    double critPressure;   // MPa
    double acentric;
    double specificGravity; // liquid, 60/60 deg.F
    double boilingK;        // normal boiling point
};

// In the order of the enumeration, lightest first.
inline constexpr std::array<LightEndConstants, kLightEndCount> kLightEnds{{
    {"ethane", 30.07, 305.32, 4.872, 0.099, 0.3562, 184.55},
    {"propane", 44.10, 369.83, 4.248, 0.152, 0.5070, 231.02},
    {"isobutane", 58.12, 407.8, 3.640, 0.186, 0.5629, 261.34},
    {"n-butane", 58.12, 425.12, 3.796, 0.200, 0.5840, 272.66},
    {"isopentane", 72.15, 460.4, 3.380, 0.229, 0.6247, 300.99},
    {"n-pentane", 72.15, 469.7, 3.370, 0.252, 0.6311, 309.22},
}};

constexpr const LightEndConstants& constantsOf(LightEnd component) {
    return kLightEnds[static_cast<std::size_t>(component)];
}

// The light end a name spells (as kLightEnds spells it, any case); nothing
// for another word. Header-only, as the documents read these names too.
constexpr std::optional<LightEnd> lightEndNamed(std::string_view name) {
    const auto lower = [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    };
    for (std::size_t i = 0; i < kLightEnds.size(); ++i) {
        const std::string_view known = kLightEnds[i].name;
        bool same = known.size() == name.size();
        for (std::size_t k = 0; same && k < known.size(); ++k) {
            same = lower(name[k]) == known[k];
        }
        if (same) {
            return static_cast<LightEnd>(i);
        }
    }
    return std::nullopt;
}

// One light end of an oil: its share of the whole oil's mass, per cent.
struct LightEndShare {
    LightEnd component = LightEnd::Propane;
    double massPct = 0;

    bool operator==(const LightEndShare&) const = default;
};

using LightEnds = std::vector<LightEndShare>;

} // namespace viskora
