#include "engine/light_ends.h"

#include <algorithm>
#include <cctype>
#include <cstddef>

namespace viskora {

const LightEndConstants& constantsOf(LightEnd component) {
    return kLightEnds[static_cast<std::size_t>(component)];
}

std::optional<LightEnd> lightEndNamed(std::string_view name) {
    const auto sameWord = [name](std::string_view known) {
        return std::equal(name.begin(), name.end(), known.begin(), known.end(), [](char a, char b) {
            return std::tolower(static_cast<unsigned char>(a)) == b;
        });
    };
    for (std::size_t i = 0; i < kLightEnds.size(); ++i) {
        if (sameWord(kLightEnds[i].name)) {
            return static_cast<LightEnd>(i);
        }
    }
    return std::nullopt;
}

} // namespace viskora
