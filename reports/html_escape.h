#pragma once

#include <string>
#include <string_view>

namespace viskora {

// A text made safe to stand in an HTML page, as element content or inside a
// quoted attribute: & < > " and ' become character references. Document
// texts can hold anything (a value box accepts any text after its leading
// number, a file any bytes), and a report page must never run what they hold.
std::string escapeHtml(std::string_view text);

} // namespace viskora
