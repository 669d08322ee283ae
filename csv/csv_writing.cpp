#include "csv/csv_writing.h"

namespace viskora::csv {

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
