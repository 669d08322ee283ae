#pragma once

#include <string_view>

namespace viskora {

// Splits bytes into lines. A line ends at a line feed, at a carriage return,
// or at a carriage return followed by a line feed, which counts as one line
// end. Only that one line feed is swallowed after a carriage return, so a
// file with lone carriage returns loses nothing. Past the end every line is
// empty.
class LineReader {
  public:
    explicit LineReader(std::string_view bytes) : rest_(bytes) {}

    bool atEnd() const { return rest_.empty(); }

    std::string_view next() {
        const std::size_t end = rest_.find_first_of("\r\n");
        if (end == std::string_view::npos) {
            const std::string_view line = rest_;
            rest_ = {};
            return line;
        }
        const std::string_view line = rest_.substr(0, end);
        std::size_t skip = 1;
        if (rest_[end] == '\r' && end + 1 < rest_.size() && rest_[end + 1] == '\n') {
            skip = 2;
        }
        rest_.remove_prefix(end + skip);
        return line;
    }

  private:
    std::string_view rest_;
};

} // namespace viskora
