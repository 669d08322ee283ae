#include "documents/light_end_texts.h"

#include "units/display_format.h"
#include "units/number_text.h"

#include <array>
#include <cstddef>
#include <optional>

namespace viskora {

LightEnds lightEndsOfTexts(const LightEndTexts& texts) {
    LightEnds lightEnds;
    for (std::size_t j = 0; j < texts.size(); ++j) {
        if (!texts[j].empty()) {
            lightEnds.push_back({static_cast<LightEnd>(j), textToNumber(texts[j])});
        }
    }
    return lightEnds;
}

LightEndTexts lightEndTextsOf(const LightEnds& lightEnds) {
    std::array<std::optional<double>, kLightEndCount> sums{};
    for (const LightEndShare& share : lightEnds) {
        auto& sum = sums[static_cast<std::size_t>(share.component)];
        sum = sum.value_or(0) + share.massPct;
    }
    LightEndTexts texts{};
    for (std::size_t j = 0; j < sums.size(); ++j) {
        if (sums[j]) {
            texts[j] = shortestNumberText(*sums[j]);
        }
    }
    return texts;
}

} // namespace viskora
