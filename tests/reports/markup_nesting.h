#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace viskora::testing {

// The first fault of a page's markup, or nothing when it is balanced as
// strictly as Qt's rich text needs it, which forgives less than a browser:
// every element but the void ones (meta, br, hr, img, input, link) is closed
// by its own end tag, in the order it was opened; a table holds only rows,
// its head and body, a row only cells, and a row or cell lies nowhere else.
// Comments (the style sheet's included) are passed over.
std::optional<std::string> markupFault(std::string_view page);

} // namespace viskora::testing
