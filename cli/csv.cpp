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

    // False on a malformed quoted field; `error` says why. A record over
    // the limits is read to its end but not kept: `overLimit` says which
    // limit it passed and record holds its excerpt.
    bool readRecord(Record& record, std::string& overLimit, std::string& error) {
        record.clear();
        overLimit.clear();
        start_ = pos_;
        std::size_t fields = 0;
        while (true) {
            std::string value;
            if (!atEnd() && text_[pos_] == '"') {
                if (!readQuoted(value, error)) {
                    return false;
                }
            } else {
                while (!atEnd() && text_[pos_] != ',' && !isLineEnd(text_[pos_])) {
                    keep(value, text_[pos_++]);
                }
            }
            if (++fields <= kMaxFields && withinBytes()) {
                record.push_back(std::move(value));
            }
            if (!atEnd() && text_[pos_] == ',') {
                ++pos_;
                continue;
            }
            break;
        }
        // The record's length is that of its text, its line end not counted.
        if (!withinBytes() || fields > kMaxFields) {
            overLimit = withinBytes() ? "has more than " + std::to_string(kMaxFields) + " fields"
                                      : std::string("is longer than 1 MiB");
            const std::string_view whole = text_.substr(start_, pos_ - start_);
            record = {excerpt(whole.substr(0, whole.find_first_of("\r\n")))};
        }
        if (!atEnd()) {
            skipLineEnd();
        }
        return true;
    }

  private:
    bool withinBytes() const { return pos_ - start_ <= kMaxRecordBytes; }

    // Appends c unless the record is already over its length limit.
    void keep(std::string& value, char c) const {
        if (withinBytes()) {
            value += c;
        }
    }

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
                    keep(value, '"');
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
            keep(value, c);
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
    std::size_t start_ = 0; // where the record being read starts
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
        std::string overLimit;
        if (!reader.readRecord(record, overLimit, error)) {
            result.ok = false;
            result.errorLine = line;
            result.error = error;
            return result;
        }
        if (!overLimit.empty()) {
            result.overLimit.emplace(result.records.size(), overLimit);
        }
        result.records.push_back(record);
    }
    return result;
}

std::string excerpt(std::string_view text, std::size_t characters) {
    std::size_t seen = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        // Every byte but a UTF-8 continuation byte starts a character.
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 && seen++ == characters) {
            return std::string(text.substr(0, i)) + "...";
        }
    }
    return std::string(text);
}

std::string spreadsheetText(std::string_view text) {
    if (!text.empty() &&
        std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos) {
        return "'" + std::string(text);
    }
    return std::string(text);
}

} // namespace viskora::csv
