#pragma once

#include "csv/csv_writing.h"

#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace viskora::csv {

// A record longer than this, or of more fields, is not kept: reading it
// whole would let one line of a file take any amount of memory.
inline constexpr std::size_t kMaxRecordBytes = 1024 * 1024;
inline constexpr std::size_t kMaxFields = 256;
// How much of a record over the limits is kept, to name it in a message.
inline constexpr std::size_t kExcerptCharacters = 80;

struct ParseResult {
    std::vector<Record> records;
    // The records the reader refused, by index into records, with why, as
    // the end of a sentence about it ("is longer than 1 MiB", "has more than
    // 256 fields", "holds a NUL byte"). Such a record holds one field: the
    // first kExcerptCharacters characters of its first line.
    std::map<std::size_t, std::string> overLimit;
    bool ok = true;
    std::size_t errorLine = 0; // 1-based line where the faulty record starts
    std::string error;
};

// Reads a whole comma-separated text as RecordReader (csv_reader.h) reads
// it. Fails on a quoted field that is never closed or is followed by
// anything but a comma or the end of the record.
ParseResult parse(std::string_view text);

// The first `characters` UTF-8 characters of text, followed by "..." when
// text was longer.
std::string excerpt(std::string_view text, std::size_t characters = kExcerptCharacters);

// A text for a text column: a spreadsheet opening the file must show it as
// text, not run it as a formula. A text starting with =, +, -, @, a tab or a
// carriage return gets a single quote in front.
std::string spreadsheetText(std::string_view text);

} // namespace viskora::csv
