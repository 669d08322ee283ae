#pragma once

#include <string>
#include <string_view>

namespace viskora {

// The program holds its texts in UTF-8; every file it reads or writes is
// windows-1251. These two functions are the only crossing between the two.

// UTF-8 to windows-1251. A character that windows-1251 cannot hold, and every
// byte that is not part of a valid UTF-8 sequence, becomes "?".
std::string utf8ToCp1251(std::string_view utf8);

// windows-1251 to UTF-8. Never fails: every byte has a character. The one
// byte the code page leaves unassigned, 0x98, is read as the control
// character U+0098 and written back as 0x98, so no byte of a file is lost on
// its way through the program.
std::string cp1251ToUtf8(std::string_view bytes);

} // namespace viskora
