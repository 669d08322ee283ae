#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace viskora::csv {

using Record = std::vector<std::string>;

// One field as it is written: in quotes (with "" for a quote mark) when it
// holds a comma, a quote mark, a line break or leading or trailing blanks.
std::string field(std::string_view text);

// One record with its fields joined by commas, ended by CR LF; a record of
// one empty field is written as "" so that it does not read as a blank line.
std::string line(const Record& record);

} // namespace viskora::csv
