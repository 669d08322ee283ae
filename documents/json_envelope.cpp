#include "documents/json_envelope.h"

#include <string>

namespace viskora {
namespace {

// Whether the JSON text stays within the bounds, by one pass over its bytes
// that counts the open lists and objects and the separators between values
// outside strings (a string's escaped quote does not end it). Malformed text
// within the bounds is left to the parser to refuse.
bool withinBounds(std::string_view bytes) {
    int depth = 0;
    long long values = 0;
    bool inString = false;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (inString) {
            if (c == '\\') {
                ++i;
            } else if (c == '"') {
                inString = false;
            }
            continue;
        }
        switch (c) {
        case '"':
            inString = true;
            break;
        case '[':
        case '{':
            if (++depth > kMaxJsonDepth || ++values > kMaxJsonValues) {
                return false;
            }
            break;
        case ']':
        case '}':
            --depth;
            break;
        case ',':
            if (++values > kMaxJsonValues) {
                return false;
            }
            break;
        default:
            break;
        }
    }
    return true;
}

} // namespace

JsonEnvelope openJsonEnvelope(std::string_view bytes, std::string_view formatName,
                              long long newestVersion) {
    JsonEnvelope envelope;
    if (!withinBounds(bytes)) {
        envelope.fault = EnvelopeFault::Oversized;
        return envelope;
    }
    nlohmann::json root = nlohmann::json::parse(bytes.begin(), bytes.end(), nullptr, false);
    const auto format = root.is_object() ? root.find("format") : root.end();
    if (!root.is_object() || format == root.end() || !format->is_string() ||
        format->get<std::string>() != formatName) {
        envelope.fault = EnvelopeFault::NotThisKind;
        return envelope;
    }
    const auto version = root.find("version");
    if (version == root.end() || !version->is_number_integer() || version->get<long long>() < 1) {
        envelope.fault = EnvelopeFault::NoVersion;
        return envelope;
    }
    envelope.version = version->get<long long>();
    if (envelope.version > newestVersion) {
        envelope.fault = EnvelopeFault::NewerVersion;
        return envelope;
    }
    envelope.root = std::move(root);
    return envelope;
}

} // namespace viskora
