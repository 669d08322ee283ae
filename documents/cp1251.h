#pragma once

#include <string>
#include <string_view>

namespace viskora {

// The program holds its texts in UTF-8; every file it reads or writes is
// windows-1251. These two functions are the only crossing between the two.

// UTF-8 to windows-1251. A character that windows-1251 cannot hold, and every
// byte that is not part of a valid UTF-8 sequence, becomes "?".
std::string utf8ToCp1251(std::string_view utf8);

// windows-1251 to UTF-8. Never fails: every byte has a character (the one
// unassigned byte, 0x98, becomes U+FFFD).
std::string cp1251ToUtf8(std::string_view bytes);

} // namespace viskora
