#pragma once

#include <nlohmann/json.hpp>

#include <string>
#include <string_view>

namespace viskora {

// What keeps a versioned JSON document from being read as a document of a
// kind.
enum class EnvelopeFault {
    None,
    NotThisKind,       // no JSON object, or its "format" names another kind
    NoVersion,         // "version" missing
    UnreadableVersion, // "version" not a whole number from 1 up within a long long
    NewerVersion,      // written by a newer program than this one
    Oversized,         // nests deeper, or holds more values, than any document of ours
    NumberOutOfRange,  // a number too large for a double (1e999): the field is named
};

// The most a document of ours holds: its lists and objects nest four deep
// and it has a few thousand values; the bounds leave room for later fields
// and refuse, before any parsing, a damaged or hostile file whose parse would
// take memory and time in proportion to its size (16 MiB of "[" alone would
// take over a gigabyte).
inline constexpr int kMaxJsonDepth = 16;
inline constexpr long long kMaxJsonValues = 100000;

struct JsonEnvelope {
    nlohmann::json root; // the parsed document, when it is of the kind
    EnvelopeFault fault = EnvelopeFault::None;
    long long version = 0;
    // The first number out of range, as a path from the root with items
    // counted from 1, as a reader counts them: "cuts[2].yield".
    std::string outOfRangeField;
};

// The envelope every JSON document of the program has, {"format": NAME,
// "version": N, ...}, checked for the kind `formatName` read by a program
// that knows versions up to `newestVersion`. The document's own fields are
// the caller's to read from `root`. Bytes beyond the bounds above are
// refused unparsed (Oversized).
JsonEnvelope openJsonEnvelope(std::string_view bytes, std::string_view formatName,
                              long long newestVersion);

// What is damaged, for a person, when the envelope's fault is NoVersion,
// UnreadableVersion, Oversized or NumberOutOfRange ("its format version is
// missing"); each kind of document words NotThisKind and NewerVersion itself.
std::string envelopeDamage(const JsonEnvelope& envelope, long long newestVersion);

} // namespace viskora
