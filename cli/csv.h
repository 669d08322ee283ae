#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace viskora::csv {

using Record = std::vector<std::string>;

struct ParseResult {
    std::vector<Record> records;
    bool ok = true;
    std::size_t errorLine = 0; // 1-based line where the faulty record starts
    std::string error;
};

// Reads comma-separated text: records end with LF, CR LF or a lone CR; a
// field in double quotes may hold commas, line breaks and "" for a quote
// mark. A quote mark inside an unquoted field is taken as it is. A UTF-8
// byte-order mark at the start is skipped, and so are empty lines. Fails on
// a quoted field that is never closed or is followed by anything but a comma
// or the end of the record.
ParseResult parse(std::string_view text);

// One field as it is written: in quotes (with "" for a quote mark) when it
// holds a comma, a quote mark, a line break or leading or trailing blanks.
std::string field(std::string_view text);

// One record with its fields joined by commas, ended by CR LF; a record of
// one empty field is written as "" so that it does not read as a blank line.
std::string line(const Record& record);

} // namespace viskora::csv
