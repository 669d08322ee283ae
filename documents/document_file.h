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
// file behind: the bytes go to a new file in the same folder, are flushed to
// the disk, and only then replace the old file in one rename. On failure
// the old file is as it was. A symbolic link is followed, so the file it
// points to is replaced and the link stays.
SaveResult saveDocumentFile(const std::filesystem::path& path, std::string_view bytes);

// The bytes of a regular file of at most kMaxDocumentFileBytes; nothing when
// the file cannot be read or is larger.
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
OpenResult openDocumentFile(const std::filesystem::path& path);

} // namespace viskora
