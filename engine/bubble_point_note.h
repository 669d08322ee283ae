#pragma once

#include <optional>
#include <string_view>

namespace viskora {

// The phase split of the additional calculation boils the oil's narrow cuts
// off by their boiling points at the design pressure; the bubble point by
// narrow cuts weighs them, light ends included, by Raoult's law. Where the
// two disagree on whether any gas forms, the engineer is told beside the
// phase shares: the design pressure (MPa) above the bubble point (MPa)
// while the split finds gas (a gas share, per cent, above 0), or below it
// while the split finds none. Nothing where they agree or there is no
// bubble point (0: not by narrow cuts). Header-only: the reports, which
// stand apart from the engine, give the note too.
inline constexpr std::string_view kAboveBubblePointNote =
    "The design pressure lies above the bubble point by narrow cuts, where the oil is all "
    "liquid.";
inline constexpr std::string_view kBelowBubblePointNote =
    "The design pressure lies below the bubble point by narrow cuts, where part of the oil "
    "boils off.";

constexpr std::optional<std::string_view> bubblePointNote(double designPressure, double bubblePoint,
                                                          double gasMassShare) {
    if (!(bubblePoint > 0)) {
        return std::nullopt;
    }
    if (designPressure > bubblePoint && gasMassShare > 0) {
        return kAboveBubblePointNote;
    }
    if (designPressure < bubblePoint && !(gasMassShare > 0)) {
        return kBelowBubblePointNote;
    }
    return std::nullopt;
}

} // namespace viskora
