#include "cli/csv_reader.h"

namespace viskora::csv {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
// Read from a stream this much at a time.
constexpr std::size_t kBufferBytes = 64 * 1024;
// A UTF-8 character takes at most 4 bytes: this much of a first line gives
// an excerpt, and shows whether there was more.
constexpr std::size_t kExcerptBytes = 4 * (kExcerptCharacters + 1);

bool isLineEnd(int byte) {
    return byte == '\n' || byte == '\r';
}

} // namespace

RecordReader::RecordReader(std::string_view text) : data_(text) {}

RecordReader::RecordReader(std::istream& in) : in_(&in), buffer_(kBufferBytes) {}

RecordReader::Outcome RecordReader::next(Record& record, std::string& refusal, bool stopAtRefusal) {
    record.clear();
    refusal.clear();
    if (!started_) {
        skipByteOrderMark();
    }
    while (isLineEnd(peek())) {
        skipLineEnd();
    }
    if (peek() == kEnd) {
        return Outcome::End;
    }
    recordLine_ = line_;
    stopAtRefusal_ = stopAtRefusal;
    bytes_ = 0;
    fields_ = 0;
    nulByte_ = false;
    firstLineOver_ = false;
    firstLine_.clear();
    while (true) {
        std::string value;
        if (peek() == '"') {
            if (!readQuoted(value)) {
                return Outcome::Malformed;
            }
        } else {
            readUnquoted(value);
        }
        ++fields_;
        if (!refused()) {
            record.push_back(std::move(value));
        }
        if (halted()) {
            break;
        }
        if (peek() != ',') {
            break;
        }
        take(',');
    }
    if (refused()) {
        refusal = refusalText();
        record = {excerpt(firstLine_)};
    }
    if (!halted() && peek() != kEnd) {
        skipLineEnd();
    }
    return Outcome::Record;
}

int RecordReader::peek() {
    if (pos_ == data_.size() && !refill()) {
        return kEnd;
    }
    return static_cast<unsigned char>(data_[pos_]);
}

void RecordReader::take(int byte) {
    ++pos_;
    ++bytes_;
    nulByte_ = nulByte_ || byte == 0;
    if (firstLineOver_) {
        return;
    }
    // The excerpt ends at the first line end, and before a NUL byte, which
    // must not reach a message.
    if (isLineEnd(byte) || byte == 0) {
        firstLineOver_ = true;
    } else if (firstLine_.size() < kExcerptBytes) {
        firstLine_ += static_cast<char>(byte);
    }
}

bool RecordReader::refill() {
    if (in_ == nullptr) {
        return false;
    }
    in_->read(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    data_ = std::string_view(buffer_.data(), static_cast<std::size_t>(in_->gcount()));
    pos_ = 0;
    return !data_.empty();
}

void RecordReader::skipByteOrderMark() {
    started_ = true;
    // A stream's first buffer holds the mark whole unless the stream is
    // shorter.
    if (peek() != kEnd && data_.substr(pos_).starts_with(kByteOrderMark)) {
        pos_ += kByteOrderMark.size();
    }
}

void RecordReader::skipLineEnd() {
    const int byte = peek();
    ++pos_;
    if (byte == '\r' && peek() == '\n') {
        ++pos_;
    }
    ++line_;
}

bool RecordReader::readQuoted(std::string& value) {
    take('"');
    while (!halted()) {
        const int byte = peek();
        if (byte == kEnd) {
            error_ = "a quoted field is not closed";
            return false;
        }
        take(byte);
        if (byte == '"') {
            const int after = peek();
            if (after == '"') {
                take(after);
                if (!refused()) {
                    value += '"';
                }
                continue;
            }
            if (after != kEnd && after != ',' && !isLineEnd(after)) {
                error_ = "a quoted field is followed by text";
                return false;
            }
            return true;
        }
        if (byte == '\n' || (byte == '\r' && peek() != '\n')) {
            ++line_;
        }
        if (!refused()) {
            value += static_cast<char>(byte);
        }
    }
    return true;
}

void RecordReader::readUnquoted(std::string& value) {
    for (int byte = peek(); byte != kEnd && byte != ',' && !isLineEnd(byte) && !halted();
         byte = peek()) {
        take(byte);
        if (!refused()) {
            value += static_cast<char>(byte);
        }
    }
}

// The record's length is that of its text, its line end not counted.
bool RecordReader::refused() const {
    return bytes_ > kMaxRecordBytes || fields_ > kMaxFields || nulByte_;
}

std::string RecordReader::refusalText() const {
    if (bytes_ > kMaxRecordBytes) {
        return "is longer than 1 MiB";
    }
    if (fields_ > kMaxFields) {
        return "has more than " + std::to_string(kMaxFields) + " fields";
    }
    return "holds a NUL byte";
}

} // namespace viskora::csv
