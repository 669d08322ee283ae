#include "display_format.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>

namespace viskora {
namespace {

constexpr const char* kNotANumberText = "n/a";

std::string charsOf(double x, std::chars_format format, int precision) {
    std::array<char, 400> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), x, format, precision);
    return std::string(buffer.data(), result.ptr);
}

// "d.dd" and a signed exponent of at least three digits.
std::string exponentText(std::string_view mantissa, int exponent) {
    std::string text(mantissa);
    text += exponent < 0 ? "e-" : "e+";
    std::string digits = std::to_string(std::abs(exponent));
    while (digits.size() < 3) {
        digits.insert(digits.begin(), '0');
    }
    return text + digits;
}

// Rounds a digit string to three significant digits, half up, as
// floor(v + 0.5) with v the digits read with a point after the third.
int roundToThreeDigits(const std::string& digits) {
    const std::string withPoint = digits.substr(0, 3) + "." + digits.substr(3);
    double value = 0.0;
    std::from_chars(withPoint.data(), withPoint.data() + withPoint.size(), value);
    return static_cast<int>(std::floor(value + 0.5));
}

void stripTrailing(std::string& text, char c) {
    while (!text.empty() && text.back() == c) {
        text.pop_back();
    }
}

// Puts a point after `place` digits, then drops trailing zeros and a
// trailing point.
std::string withPointAfter(std::string digits, std::size_t place) {
    if (digits.size() <= place) {
        return digits;
    }
    digits.insert(place, ".");
    stripTrailing(digits, '0');
    stripTrailing(digits, '.');
    return digits;
}

// Below this magnitude ten decimals hold fewer than three significant
// digits, so a value is written from its own digits instead.
constexpr double kOwnDigitsBelow = 1e-7;

// "d.dde-0dd" of a positive value, rounded from the value itself.
std::string tinyMagnitudeText(double magnitude) {
    const std::string text = formatExponent(magnitude, 2);
    const std::size_t e = text.find('e');
    int exponent = 0;
    std::from_chars(text.data() + e + 1 + (text[e + 1] == '+' ? 1 : 0), text.data() + text.size(),
                    exponent);
    return exponentText(std::string_view(text).substr(0, e), exponent);
}

std::string magnitudeText(double x) {
    const std::string fixed = charsOf(std::fabs(x), std::chars_format::fixed, 10);
    const std::size_t point = fixed.find('.');
    std::string integer = fixed.substr(0, point);
    std::string fraction = point == std::string::npos ? std::string() : fixed.substr(point + 1);
    integer.erase(0, integer.find_first_not_of('0') == std::string::npos
                         ? integer.size()
                         : integer.find_first_not_of('0'));
    stripTrailing(fraction, '0');
    if (integer.empty() && fraction.empty()) {
        return "0";
    }
    if (std::fabs(x) < kOwnDigitsBelow) {
        return tinyMagnitudeText(std::fabs(x));
    }

    int n = static_cast<int>(integer.size());
    if (n == 0) {
        const std::size_t firstSignificant = fraction.find_first_not_of('0');
        int zeros = static_cast<int>(firstSignificant);
        std::string digits = fraction.substr(firstSignificant);
        if (digits.size() > 3) {
            int m = roundToThreeDigits(digits);
            if (m == 1000) {
                m = 100;
                --zeros;
                if (zeros < 0) {
                    n = 1;
                }
            }
            digits = std::to_string(m);
            stripTrailing(digits, '0');
        }
        if (n == 1) {
            return digits;
        }
        if (static_cast<int>(digits.size()) + zeros >= 4) {
            std::string mantissa = digits;
            while (mantissa.size() < 3) {
                mantissa += '0';
            }
            return exponentText(mantissa.substr(0, 1) + "." + mantissa.substr(1, 2), -(zeros + 1));
        }
        return "0." + std::string(static_cast<std::size_t>(zeros), '0') + digits;
    }

    std::string digits = integer + fraction;
    if (digits.size() > 3) {
        int m = roundToThreeDigits(digits);
        if (m == 1000) {
            m = 100;
            ++n;
        }
        digits = std::to_string(m);
    }
    if (n >= 4) {
        return exponentText(digits.substr(0, 1) + "." + digits.substr(1, 2), n - 1);
    }
    if (n == 3) {
        return digits;
    }
    return withPointAfter(digits, static_cast<std::size_t>(n));
}

} // namespace

std::string formatForDisplay(double x) {
    if (x == 0.0) {
        return "0";
    }
    if (!std::isfinite(x)) {
        return kNotANumberText;
    }
    const std::string magnitude = magnitudeText(x);
    if (magnitude == "0" || x > 0) {
        return magnitude;
    }
    return "-" + magnitude;
}

std::string formatInUnit(Quantity quantity, double baseValue, int unitCode) {
    const double shown = convert(quantity, baseValue, baseUnitCode(quantity), unitCode);
    return std::isfinite(shown) ? formatForDisplay(shown) : std::string();
}

std::string formatFixed(double x, int decimals, int width) {
    std::string text = charsOf(x, std::chars_format::fixed, decimals);
    if (static_cast<int>(text.size()) < width) {
        text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
    }
    return text;
}

std::string formatExponent(double x, int decimals) {
    return charsOf(x, std::chars_format::scientific, decimals);
}

std::string shortestNumberText(double value) {
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

} // namespace viskora
