#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace viskora {

// The most characters of one document text a laid-out report (the HTML page
// and the PDF made from it) shows. A number a person types has a few dozen
// at most, a unit name fewer; a box may hold 32,767, and a file more. Qt's
// layout of one unbroken word takes time that grows with the square of its
// length (a 1 MiB text: about two minutes), so a page never carries more.
inline constexpr std::size_t kMaxShownCharacters = 256;

// The text as a report shows it: itself when it has at most
// kMaxShownCharacters characters, else its first kMaxShownCharacters and an
// ellipsis (U+2026), which says that the rest is left out. Characters are
// counted in UTF-8, so a character is never cut in two.
std::string shownText(std::string_view utf8);

} // namespace viskora
