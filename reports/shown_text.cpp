#include "reports/shown_text.h"

namespace viskora {
namespace {

constexpr std::string_view kEllipsis = "\u2026";

bool isContinuationByte(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

} // namespace

std::string shownText(std::string_view utf8) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (isContinuationByte(utf8[i])) {
            continue;
        }
        if (characters == kMaxShownCharacters) {
            return std::string(utf8.substr(0, i)) + std::string(kEllipsis);
        }
        ++characters;
    }
    return std::string(utf8);
}

} // namespace viskora
