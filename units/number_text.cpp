#include "number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <limits>
#include <string>

namespace viskora {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

std::size_t skipBlanks(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && isBlank(text[pos])) {
        ++pos;
    }
    return pos;
}

// The parts of a leading decimal number, as positions in the text.
struct NumberSpan {
    std::size_t begin = 0; // first character after the sign
    std::size_t end = 0;   // one past the last character of the number
    bool negative = false;
    long long exponent = 0;      // the written exponent, 0 when there is none
    long long integerDigits = 0; // significant digits before the point
    bool nonZero = false;        // some digit of the mantissa is not 0
};

std::optional<NumberSpan> scanNumber(std::string_view text) {
    NumberSpan span;
    std::size_t pos = skipBlanks(text);
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        span.negative = text[pos] == '-';
        ++pos;
    }
    span.begin = pos;
    std::size_t digits = 0;
    bool leading = true;
    while (pos < text.size() && isDigit(text[pos])) {
        if (text[pos] != '0') {
            leading = false;
            span.nonZero = true;
        }
        if (!leading) {
            ++span.integerDigits;
        }
        ++pos;
        ++digits;
    }
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        while (pos < text.size() && isDigit(text[pos])) {
            if (text[pos] != '0') {
                span.nonZero = true;
            }
            ++pos;
            ++digits;
        }
    }
    if (digits == 0) {
        return std::nullopt;
    }
    span.end = pos;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        std::size_t expPos = pos + 1;
        bool expNegative = false;
        if (expPos < text.size() && (text[expPos] == '+' || text[expPos] == '-')) {
            expNegative = text[expPos] == '-';
            ++expPos;
        }
        if (expPos < text.size() && isDigit(text[expPos])) {
            long long exponent = 0;
            while (expPos < text.size() && isDigit(text[expPos])) {
                if (exponent < 1000000) {
                    exponent = exponent * 10 + (text[expPos] - '0');
                }
                ++expPos;
            }
            span.exponent = expNegative ? -exponent : exponent;
            span.end = expPos;
        }
    }
    return span;
}

} // namespace

std::optional<double> readLeadingNumber(std::string_view text) {
    const std::optional<NumberSpan> span = scanNumber(text);
    if (!span) {
        return std::nullopt;
    }
    const std::string_view number = text.substr(span->begin, span->end - span->begin);
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), value,
                                           std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        // Too large when the decimal magnitude is positive, too small otherwise.
        const bool overflow = span->nonZero && span->integerDigits + span->exponent > 0;
        value = overflow ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (ec != std::errc() || ptr != number.data() + number.size()) {
        value = 0.0;
    }
    return span->negative ? -value : value;
}

double textToNumber(std::string_view text) {
    return readLeadingNumber(text).value_or(0.0);
}

std::optional<double> readWholeNumber(std::string_view text) {
    std::size_t end = text.size();
    while (end > 0 && isBlank(text[end - 1])) {
        --end;
    }
    text = text.substr(0, end);
    if (skipBlanks(text) == text.size()) {
        return 0.0;
    }
    const std::optional<NumberSpan> span = scanNumber(text);
    if (!span || span->end != text.size()) {
        return std::nullopt;
    }
    return readLeadingNumber(text);
}

int textToInt(std::string_view text) {
    std::size_t pos = skipBlanks(text);
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    long long value = 0;
    constexpr long long limit = static_cast<long long>(std::numeric_limits<int>::max()) + 1;
    while (pos < text.size() && isDigit(text[pos])) {
        value = value * 10 + (text[pos] - '0');
        if (value > limit) {
            value = limit;
        }
        ++pos;
    }
    if (negative) {
        value = -value;
    }
    if (value > std::numeric_limits<int>::max()) {
        value = std::numeric_limits<int>::max();
    }
    return static_cast<int>(value);
}

std::optional<double> readTypedNumber(std::string_view text) {
    std::string withPoints(text);
    std::replace(withPoints.begin(), withPoints.end(), ',', '.');
    return readWholeNumber(withPoints);
}

} // namespace viskora
