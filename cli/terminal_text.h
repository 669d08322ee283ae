#pragma once

#include <string>
#include <string_view>

namespace viskora {

// A text from a document (or a message quoting one) as it can go to a
// terminal: a control character (an escape sequence would be run by the
// terminal, a line break would forge a field) is written as a C escape, and
// so is a backslash, so that the escapes cannot be forged either. UTF-8 C1
// controls (U+0080..U+009F) are escaped like the others. A message's own
// line feeds stay with `keepLineFeeds`.
std::string printable(std::string_view text, bool keepLineFeeds = false);

} // namespace viskora
