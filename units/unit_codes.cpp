#include "units/unit_codes.h"

#include <string>

namespace viskora {

std::optional<int> parseUnitCode(Quantity quantity, std::string_view text) {
    const auto names = unitNames(quantity);
    for (std::size_t i = 0; i < names.size(); ++i) {
        // The unit's number in its list as the help counts it, from 1; the
        // whole name, or its first word ("MPa" for "MPa (MN/m2)").
        const std::string_view name = names[i];
        if (text == std::to_string(i + 1) || name == text ||
            name.substr(0, name.find(' ')) == text) {
            return static_cast<int>(i);
        }
    }
    if (quantity == Quantity::Temperature && text.size() == 1) {
        const std::string_view letters = "KCFR";
        const std::size_t position = letters.find(text[0]);
        if (position != std::string_view::npos) {
            return static_cast<int>(position);
        }
    }
    return std::nullopt;
}

} // namespace viskora
