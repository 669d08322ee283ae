#pragma once

#include <optional>
#include <string_view>

namespace viskora {

// The one text-to-number routine of the program. Leading white space is
// skipped, then the longest leading decimal number is read: an optional
// sign, digits with an optional point and more digits, and an optional
// exponent. What follows is ignored. The decimal mark is always "." and the
// user's locale never matters. "inf", "nan" and hexadecimal forms are not
// numbers. A number too large for a double reads as an infinity of its sign,
// one too small as zero of its sign.
std::optional<double> readLeadingNumber(std::string_view text);

// The same, with 0 for a text that does not begin with a number.
double textToNumber(std::string_view text);

// Strict reading for values that scripts give: blanks around it aside, the
// whole text must be one number as above; an empty or blank text reads 0.
// Nothing when anything else is in the text ("1,5", "850abc", "abc").
std::optional<double> readWholeNumber(std::string_view text);

// A value typed into a box, as the forms' value boxes take it: a comma is a
// decimal point ("1,5" is 1.5), otherwise as readWholeNumber.
std::optional<double> readTypedNumber(std::string_view text);

// Lenient decimal integer: leading blanks skipped, an optional sign and the
// digits up to the first other character; 0 when there are no digits.
// Saturates at the limits of int instead of overflowing.
int textToInt(std::string_view text);

} // namespace viskora
