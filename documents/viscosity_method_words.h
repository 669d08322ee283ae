#pragma once

#include "engine/calc_results.h"

#include <optional>
#include <string_view>

// The words that name a viscosity method wherever it is written as text: in
// a document file's method line, on the calculator's command line, in a batch
// file's column and in JSON. One vocabulary, so that a word read in one place
// means the same in every other.
namespace viskora {

inline constexpr std::string_view kWholeOilWord = "whole";
inline constexpr std::string_view kNarrowCutsWord = "cuts";

inline std::string_view viscosityMethodWord(ViscosityMethod method) {
    return method == ViscosityMethod::NarrowCuts ? kNarrowCutsWord : kWholeOilWord;
}

// The method a word names, letter for letter; nothing for any other text.
inline std::optional<ViscosityMethod> viscosityMethodOfWord(std::string_view word) {
    if (word == kWholeOilWord) {
        return ViscosityMethod::WholeOil;
    }
    if (word == kNarrowCutsWord) {
        return ViscosityMethod::NarrowCuts;
    }
    return std::nullopt;
}

} // namespace viskora
