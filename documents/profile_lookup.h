#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace viskora {

// The longest value profileString hands out, as the classic INI lookup with
// a 256-byte buffer does.
inline constexpr std::size_t kProfileValueLimit = 255;

// Looks up key in section of INI-style text: section and key names are
// compared without regard to letter case, blanks around names and values
// are ignored, and the value runs to the end of its line, cut to
// kProfileValueLimit bytes. The first matching key wins. A missing section
// or key gives "". Works on raw bytes; any input is safe.
std::string profileString(std::string_view text, std::string_view section, std::string_view key);

} // namespace viskora
