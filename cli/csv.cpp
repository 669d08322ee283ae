#include "cli/csv.h"

namespace viskora::csv {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool isLineEnd(char c) {
    return c == '\n' || c == '\r';
}

// Reads a record from `text` at `pos`, leaving `pos` past its line end.
class Reader {
  public:
    explicit Reader(std::string_view text) : text_(text) {}

    bool atEnd() const { return pos_ >= text_.size(); }
    std::size_t line() const { return line_; }

    // Skips a line with nothing on it; false when the line has a record.
    bool skipBlankLine() {
        if (atEnd() || !isLineEnd(text_[pos_])) {
            return false;
        }
        skipLineEnd();
        return true;
    }

    // False on a malformed quoted field; `error` says why.
    bool readRecord(Record& record, std::string& error) {
        record.clear();
        while (true) {
            std::string value;
            if (!atEnd() && text_[pos_] == '"') {
                if (!readQuoted(value, error)) {
                    return false;
                }
            } else {
                while (!atEnd() && text_[pos_] != ',' && !isLineEnd(text_[pos_])) {
                    value += text_[pos_++];
                }
            }
            record.push_back(std::move(value));
            if (atEnd()) {
                return true;
            }
            if (text_[pos_] == ',') {
                ++pos_;
                continue;
            }
            skipLineEnd();
            return true;
        }
    }

  private:
    bool readQuoted(std::string& value, std::string& error) {
        ++pos_; // the opening quote
        while (true) {
            if (atEnd()) {
                error = "a quoted field is not closed";
                return false;
            }
            const char c = text_[pos_++];
            if (c == '"') {
                if (!atEnd() && text_[pos_] == '"') {
                    value += '"';
                    ++pos_;
                    continue;
                }
                if (!atEnd() && text_[pos_] != ',' && !isLineEnd(text_[pos_])) {
                    error = "a quoted field is followed by text";
                    return false;
                }
                return true;
            }
            if (c == '\n' || (c == '\r' && (atEnd() || text_[pos_] != '\n'))) {
                ++line_;
            }
            value += c;
        }
    }

    void skipLineEnd() {
        if (text_[pos_] == '\r') {
            ++pos_;
            if (!atEnd() && text_[pos_] == '\n') {
                ++pos_;
            }
        } else {
            ++pos_;
        }
        ++line_;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    std::size_t line_ = 1;
};

} // namespace

ParseResult parse(std::string_view text) {
    if (text.starts_with(kByteOrderMark)) {
        text.remove_prefix(kByteOrderMark.size());
    }
    ParseResult result;
    Reader reader(text);
    Record record;
    while (!reader.atEnd()) {
        if (reader.skipBlankLine()) {
            continue;
        }
        const std::size_t line = reader.line();
        std::string error;
        if (!reader.readRecord(record, error)) {
            result.ok = false;
            result.errorLine = line;
            result.error = error;
            return result;
        }
        result.records.push_back(record);
    }
    return result;
}

std::string field(std::string_view text) {
    const bool needsQuotes = text.find_first_of(",\"\r\n") != std::string_view::npos ||
                             (!text.empty() && (text.front() == ' ' || text.back() == ' '));
    if (!needsQuotes) {
        return std::string(text);
    }
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') {
            quoted += '"';
        }
        quoted += c;
    }
    return quoted + '"';
}

std::string line(const Record& record) {
    // A lone empty field in quotes, so that the line is not read as blank.
    if (record.size() == 1 && record[0].empty()) {
        return "\"\"\r\n";
    }
    std::string text;
    for (std::size_t i = 0; i < record.size(); ++i) {
        if (i > 0) {
            text += ',';
        }
        text += field(record[i]);
    }
    return text + "\r\n";
}

} // namespace viskora::csv
