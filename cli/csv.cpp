#include "cli/csv.h"

#include "cli/csv_reader.h"

namespace viskora::csv {

ParseResult parse(std::string_view text) {
    ParseResult result;
    RecordReader reader(text);
    Record record;
    std::string refusal;
    while (true) {
        switch (reader.next(record, refusal)) {
        case RecordReader::Outcome::End:
            return result;
        case RecordReader::Outcome::Malformed:
            result.ok = false;
            result.errorLine = reader.recordLine();
            result.error = reader.error();
            return result;
        case RecordReader::Outcome::Record:
            if (!refusal.empty()) {
                result.overLimit.emplace(result.records.size(), refusal);
            }
            result.records.push_back(record);
            break;
        }
    }
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
