#pragma once

#include "documents/document_format.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace viskora {

// No document comes near this size; a larger file is not read into memory.
inline constexpr std::size_t kMaxDocumentFileBytes = 16 * 1024 * 1024;

struct SaveResult {
    bool ok = false;
    std::string message; // why the save failed, for the user; empty on success

    explicit operator bool() const { return ok; }
};

// Writes bytes as the file at path without ever leaving a half-written
// file behind, as ReplacementFile does: the bytes go to a new file in the
// same folder, are flushed to the disk, and only then take the old file's
// place. On failure the old file is as it was and the message names the
// file and the reason. A symbolic link is followed, so the file it points to
// is replaced and the link stays; what is not a regular file, a read-only
// file and a file whose owner could not be kept are refused.
SaveResult saveDocumentFile(const std::filesystem::path& path, std::string_view bytes);

// The reasons a file is not read.
inline constexpr std::string_view kNotARegularFileToReadReason =
    "It is not a regular file (a pipe or a device).";
inline constexpr std::string_view kTooLargeToReadReason =
    "It is larger than 16 MiB, more than any Viskora file holds.";

struct DocumentBytes {
    std::optional<std::string> bytes; // the whole file
    std::string failure;              // why there are none, for the user
};

// The bytes of a regular file of at most kMaxDocumentFileBytes, or the
// message that says why the file cannot be read ("Cannot read this file."
// and the system's reason: missing, no permission, a folder, a pipe, too
// large).
DocumentBytes readDocumentFile(const std::filesystem::path& path);

// readDocumentFile's bytes.
std::optional<std::string> readDocumentBytes(const std::filesystem::path& path);

// The kind of the document at path; nothing for a file that cannot be read
// or is not a document (show kNotAViskoraFileMessage then).
std::optional<DocumentKind> recogniseDocumentFile(const std::filesystem::path& path);

using DocumentRecord = std::variant<BasicDocumentRecord, AdditionalDocumentRecord>;

struct OpenResult {
    std::optional<DocumentRecord> record; // the record read, by the file's kind
    std::string message;                  // set when there is no record
};

// Recognises the file at path and reads it into a new record of its kind.
// The message says why a file could not be read, or is
// kNotAViskoraFileMessage for a readable file that is not a document.
OpenResult openDocumentFile(const std::filesystem::path& path);

} // namespace viskora
