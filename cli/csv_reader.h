#pragma once

#include "cli/csv.h"

#include <cstddef>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

namespace viskora::csv {

// Reads comma-separated records one at a time, from a text in memory or from
// a stream of any length; of a stream it holds a buffer and the record being
// read, which is never kept beyond the limits in csv.h. Records end with LF,
// CR LF or a lone CR; a field in double quotes may hold commas, line breaks
// and "" for a quote mark. A quote mark inside an unquoted field is taken as
// it is. A UTF-8 byte-order mark at the start is skipped, and so are empty
// lines.
class RecordReader {
  public:
    explicit RecordReader(std::string_view text);
    explicit RecordReader(std::istream& in);

    enum class Outcome {
        Record,    // `record` holds the next record
        End,       // the text is over
        Malformed, // a quoted field is never closed or is followed by text
    };

    // Reads the next record. A record the reader refuses (longer than
    // kMaxRecordBytes, of more than kMaxFields fields, or holding a NUL
    // byte, which no text of a batch file has) is read to its end but not
    // kept: `refusal` ends a sentence about it ("is longer than 1 MiB",
    // "has more than 256 fields", "holds a NUL byte") and `record` holds
    // one field, the first kExcerptCharacters characters of its first line
    // (up to a NUL byte). With `stopAtRefusal` the reader stops as soon as
    // it knows the record is refused, and cannot go on after it: for a
    // header, which ends the reading, on an input that may have no end.
    Outcome next(Record& record, std::string& refusal, bool stopAtRefusal = false);

    // The 1-based line where the last record read, or the malformed one,
    // starts.
    std::size_t recordLine() const { return recordLine_; }
    // Why the record was malformed.
    const std::string& error() const { return error_; }

  private:
    static constexpr int kEnd = -1;

    int peek();
    // Takes the byte peek() gave into the record being read.
    void take(int byte);
    bool refill();
    void skipByteOrderMark();
    void skipLineEnd();
    bool readQuoted(std::string& value);
    void readUnquoted(std::string& value);
    bool refused() const;
    bool halted() const { return stopAtRefusal_ && refused(); }
    std::string refusalText() const;

    std::istream* in_ = nullptr;
    std::vector<char> buffer_;
    std::string_view data_; // the text, or what the buffer holds
    std::size_t pos_ = 0;
    bool started_ = false;
    std::size_t line_ = 1;
    std::size_t recordLine_ = 1;
    std::string error_;

    // The record being read.
    bool stopAtRefusal_ = false;
    std::size_t bytes_ = 0;
    std::size_t fields_ = 0;
    bool nulByte_ = false;
    bool firstLineOver_ = false;
    std::string firstLine_; // enough of the first line for an excerpt
};

} // namespace viskora::csv
