#pragma once

#include "engine/calc_results.h"

#include <optional>
#include <string_view>

// The words that name a vapour pressure method wherever it is written as
// text: in a document file's method line, on the calculator's command line,
// in a batch file's column and in JSON.
namespace viskora {

inline constexpr std::string_view kAverageBoilingPointWord = "average";
inline constexpr std::string_view kVapourByNarrowCutsWord = "cuts";

inline std::string_view vapourPressureMethodWord(VapourPressureMethod method) {
    return method == VapourPressureMethod::NarrowCuts ? kVapourByNarrowCutsWord
                                                      : kAverageBoilingPointWord;
}

// The methods as the forms' choice names them.
inline constexpr std::string_view kAverageBoilingPointText =
    "of the average boiling point";
inline constexpr std::string_view kVapourByNarrowCutsText = "true, by narrow cuts";

// The line reports and the calculator's tables write after the results
// when the vapour pressure is by narrow cuts (none for the default, whose
// reports read as they always have).
inline constexpr std::string_view kVapourPressureByNarrowCutsLine =
    "Vapour pressure: true, by narrow cuts";

// The method a word names, letter for letter; nothing for any other text.
inline std::optional<VapourPressureMethod> vapourPressureMethodOfWord(std::string_view word) {
    if (word == kAverageBoilingPointWord) {
        return VapourPressureMethod::AverageBoilingPoint;
    }
    if (word == kVapourByNarrowCutsWord) {
        return VapourPressureMethod::NarrowCuts;
    }
    return std::nullopt;
}

} // namespace viskora
