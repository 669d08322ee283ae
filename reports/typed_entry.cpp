#include "reports/typed_entry.h"

#include "units/number_text.h"

#include <cmath>

namespace viskora {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The end of the run of digits from `pos` on; whether it had a non-zero one.
std::size_t skipDigits(std::string_view text, std::size_t pos, bool& nonZero) {
    for (; pos < text.size() && isDigit(text[pos]); ++pos) {
        nonZero = nonZero || text[pos] != '0';
    }
    return pos;
}

} // namespace

std::optional<TypedNumber> typedNumber(std::string_view text) {
    std::size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        ++pos;
    }
    bool nonZero = false;
    const std::size_t integerEnd = skipDigits(text, pos, nonZero);
    const bool point = integerEnd < text.size() && text[integerEnd] == '.';
    const std::size_t mantissaEnd = point ? skipDigits(text, integerEnd + 1, nonZero) : integerEnd;
    // At least one digit before or after the point.
    if (mantissaEnd - pos == (point ? 1u : 0u)) {
        return std::nullopt;
    }
    std::size_t end = mantissaEnd;
    const bool exponentForm = end < text.size() && (text[end] == 'e' || text[end] == 'E');
    if (exponentForm) {
        ++end;
        if (end < text.size() && (text[end] == '+' || text[end] == '-')) {
            ++end;
        }
        bool unused = false;
        const std::size_t digitsEnd = skipDigits(text, end, unused);
        if (digitsEnd == end) {
            return std::nullopt;
        }
        end = digitsEnd;
    }
    if (end != text.size()) {
        return std::nullopt;
    }
    const auto value = readLeadingNumber(text);
    // Too large for a double, or a non-zero number too small for one.
    if (!value || !std::isfinite(*value) || (*value == 0.0 && nonZero)) {
        return std::nullopt;
    }
    // A spreadsheet has no negative zero.
    return TypedNumber{*value == 0.0 ? 0.0 : *value, exponentForm};
}

} // namespace viskora
