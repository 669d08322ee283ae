#pragma once

#include <nlohmann/json.hpp>

#include <string_view>

namespace viskora {

// What keeps a versioned JSON document from being read as a document of a
// kind.
enum class EnvelopeFault {
    None,
    NotThisKind,  // no JSON object, or its "format" names another kind
    NoVersion,    // "version" missing or not a whole number of at least 1
    NewerVersion, // written by a newer program than this one
};

struct JsonEnvelope {
    nlohmann::json root; // the parsed document, when it is of the kind
    EnvelopeFault fault = EnvelopeFault::None;
    long long version = 0;
};

// The envelope every JSON document of the program has, {"format": NAME,
// "version": N, ...}, checked for the kind `formatName` read by a program
// that knows versions up to `newestVersion`. The document's own fields are
// the caller's to read from `root`.
JsonEnvelope openJsonEnvelope(std::string_view bytes, std::string_view formatName,
                              long long newestVersion);

} // namespace viskora
