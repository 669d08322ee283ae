#include "documents/profile_lookup.h"

#include "documents/line_reader.h"

#include <algorithm>

namespace viskora {
namespace {

std::string_view trimBlanks(std::string_view text) {
    const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

char asciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) { return asciiLower(x) == asciiLower(y); });
}

} // namespace

std::string profileString(std::string_view text, std::string_view section, std::string_view key) {
    LineReader lines(text);
    bool inSection = false;
    while (!lines.atEnd()) {
        const std::string_view line = trimBlanks(lines.next());
        if (line.starts_with('[')) {
            std::string_view name = line.substr(1);
            name = name.substr(0, name.find(']'));
            inSection = equalIgnoringCase(trimBlanks(name), section);
            continue;
        }
        if (!inSection) {
            continue;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos ||
            !equalIgnoringCase(trimBlanks(line.substr(0, equals)), key)) {
            continue;
        }
        const std::string_view value = trimBlanks(line.substr(equals + 1));
        return std::string(value.substr(0, kProfileValueLimit));
    }
    return {};
}

} // namespace viskora
