#include "documents/json_envelope.h"

#include "units/number_text.h"

#include <cmath>
#include <limits>
#include <utility>
#include <vector>

namespace viskora {
namespace {

// Where the scan stands in one open list or object: the item it is in, or
// the key of the value it is in.
struct Level {
    bool list = false;
    long long item = 0;
    std::string_view key;
};

// The path of the value the scan stands in, items counted from 1.
std::string pathOf(const std::vector<Level>& levels) {
    std::string path;
    for (const Level& level : levels) {
        if (level.list) {
            path += "[" + std::to_string(level.item + 1) + "]";
        } else {
            path += (path.empty() ? "" : ".") + std::string(level.key);
        }
    }
    return path;
}

bool startsNumber(char c) {
    return c == '-' || (c >= '0' && c <= '9');
}

bool continuesNumber(char c) {
    return startsNumber(c) || c == '+' || c == '.' || c == 'e' || c == 'E';
}

// What one pass over a JSON text's bytes finds before it is parsed: whether
// it stays within the bounds (counting the open lists and objects and the
// separators between values outside strings; a string's escaped quote does
// not end it), and the numbers too large for a double, which the parser
// would refuse as malformed text, so that they can be named instead.
// Malformed text within the bounds is left to the parser to refuse.
struct ByteScan {
    bool withinBounds = true;
    std::vector<std::pair<std::size_t, std::size_t>> outOfRange; // offset, length
    std::string firstOutOfRangeField;
};

ByteScan scanBytes(std::string_view bytes) {
    ByteScan scan;
    std::vector<Level> levels;
    long long values = 0;
    std::size_t stringStart = 0;
    std::string_view lastString;
    bool inString = false;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (inString) {
            if (c == '\\') {
                ++i;
            } else if (c == '"') {
                inString = false;
                lastString = bytes.substr(stringStart, i - stringStart);
            }
            continue;
        }
        if (startsNumber(c)) {
            std::size_t end = i + 1;
            while (end < bytes.size() && continuesNumber(bytes[end])) {
                ++end;
            }
            const std::optional<double> value = readLeadingNumber(bytes.substr(i, end - i));
            if (value && std::isinf(*value)) {
                if (scan.outOfRange.empty()) {
                    scan.firstOutOfRangeField = pathOf(levels);
                }
                scan.outOfRange.emplace_back(i, end - i);
            }
            i = end - 1;
            continue;
        }
        switch (c) {
        case '"':
            inString = true;
            stringStart = i + 1;
            break;
        case '[':
        case '{':
            if (static_cast<int>(levels.size()) >= kMaxJsonDepth || ++values > kMaxJsonValues) {
                scan.withinBounds = false;
                return scan;
            }
            levels.push_back({c == '[', 0, {}});
            break;
        case ']':
        case '}':
            if (!levels.empty()) {
                levels.pop_back();
            }
            break;
        case ':':
            if (!levels.empty()) {
                levels.back().key = lastString;
            }
            break;
        case ',':
            if (++values > kMaxJsonValues) {
                scan.withinBounds = false;
                return scan;
            }
            if (!levels.empty()) {
                ++levels.back().item;
            }
            break;
        default:
            break;
        }
    }
    return scan;
}

// The text with each number out of range read as null, which the version
// and kind checks can then look past.
std::string withOutOfRangeAsNull(std::string_view bytes, const ByteScan& scan) {
    std::string text;
    text.reserve(bytes.size());
    std::size_t from = 0;
    for (const auto& [offset, length] : scan.outOfRange) {
        text.append(bytes.substr(from, offset - from));
        text.append("null");
        from = offset + length;
    }
    text.append(bytes.substr(from));
    return text;
}

// A version is a whole number from 1 up; one past a long long is none.
bool readableVersion(const nlohmann::json& version) {
    if (version.is_number_unsigned()) {
        return version.get<unsigned long long>() >= 1 &&
               version.get<unsigned long long>() <=
                   static_cast<unsigned long long>(std::numeric_limits<long long>::max());
    }
    return version.is_number_integer() && version.get<long long>() >= 1;
}

} // namespace

JsonEnvelope openJsonEnvelope(std::string_view bytes, std::string_view formatName,
                              long long newestVersion) {
    JsonEnvelope envelope;
    const ByteScan scan = scanBytes(bytes);
    if (!scan.withinBounds) {
        envelope.fault = EnvelopeFault::Oversized;
        return envelope;
    }
    const std::string text =
        scan.outOfRange.empty() ? std::string(bytes) : withOutOfRangeAsNull(bytes, scan);
    nlohmann::json root = nlohmann::json::parse(text.begin(), text.end(), nullptr, false);
    const auto format = root.is_object() ? root.find("format") : root.end();
    if (!root.is_object() || format == root.end() || !format->is_string() ||
        format->get<std::string>() != formatName) {
        envelope.fault = EnvelopeFault::NotThisKind;
        return envelope;
    }
    const auto version = root.find("version");
    if (version == root.end()) {
        envelope.fault = EnvelopeFault::NoVersion;
        return envelope;
    }
    if (!readableVersion(*version)) {
        envelope.fault = EnvelopeFault::UnreadableVersion;
        return envelope;
    }
    envelope.version = version->get<long long>();
    if (envelope.version > newestVersion) {
        envelope.fault = EnvelopeFault::NewerVersion;
        return envelope;
    }
    if (!scan.outOfRange.empty()) {
        envelope.fault = EnvelopeFault::NumberOutOfRange;
        envelope.outOfRangeField = scan.firstOutOfRangeField;
        return envelope;
    }
    envelope.root = std::move(root);
    return envelope;
}

std::string envelopeDamage(const JsonEnvelope& envelope, long long newestVersion) {
    switch (envelope.fault) {
    case EnvelopeFault::NoVersion:
        return "its format version is missing";
    case EnvelopeFault::UnreadableVersion:
        return "its format version is not one this program reads (it reads 1 to " +
               std::to_string(newestVersion) + ")";
    case EnvelopeFault::Oversized:
        return "it nests deeper than " + std::to_string(kMaxJsonDepth) +
               " levels or holds more than " + std::to_string(kMaxJsonValues) + " values";
    case EnvelopeFault::NumberOutOfRange:
        return "the number in field " + envelope.outOfRangeField + " is out of range";
    case EnvelopeFault::None:
    case EnvelopeFault::NotThisKind:
    case EnvelopeFault::NewerVersion:
        break;
    }
    return {};
}

} // namespace viskora
