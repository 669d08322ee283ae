#include "documents/json_envelope.h"

#include <string>

namespace viskora {

JsonEnvelope openJsonEnvelope(std::string_view bytes, std::string_view formatName,
                              long long newestVersion) {
    JsonEnvelope envelope;
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
