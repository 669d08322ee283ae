#pragma once

#include <optional>
#include <string_view>

namespace viskora {

// What a spreadsheet makes of a text typed into a cell: a text in plain
// decimal or exponent notation ("850", "-12.5", ".5", "2.93e-002") is read
// as the number it denotes, anything else stays a text. A number typed in
// exponent form keeps that look through the number format "0.00E+00".
struct TypedNumber {
    double value;
    bool exponentForm;
};

// The number a spreadsheet reads from `text`; none when it reads a text.
// Only the notation every spreadsheet reads the same way in every language
// setting counts: an optional sign, digits with at most one point, an
// optional exponent, nothing around it. Blanks, thousands separators, a
// decimal comma, units or symbols keep the text a text, and so does a
// number beyond what a double holds.
std::optional<TypedNumber> typedNumber(std::string_view text);

} // namespace viskora
