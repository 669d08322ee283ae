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
