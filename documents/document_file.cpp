#include "documents/document_file.h"

#include "documents/replacement_file.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace viskora {
namespace {

namespace fs = std::filesystem;

std::string saveFailure(const fs::path& path, const std::string& reason) {
    return "Cannot save the file " + path.string() + ".\r\n" + reason;
}

constexpr std::size_t kReadBlockBytes = 65536;

std::string cannotRead(std::string_view reason) {
    return "Cannot read this file.\r\n" + std::string(reason);
}

struct FileCloser {
    int fd;
    ~FileCloser() { ::close(fd); }
};

} // namespace

SaveResult saveDocumentFile(const fs::path& path, std::string_view bytes) {
    ReplacementFile file(path);
    if (!file.write(bytes) || !file.commit()) {
        return {false, saveFailure(path, file.failure())};
    }
    return {true, {}};
}

DocumentBytes readDocumentFile(const fs::path& path) {
    // Not blocking, so that opening a pipe with no writer returns at once;
    // it is refused as not a regular file.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return {std::nullopt, cannotRead(systemErrorText(errno))};
    }
    const FileCloser closer{fd};
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        return {std::nullopt, cannotRead(systemErrorText(errno))};
    }
    if (S_ISDIR(info.st_mode)) {
        return {std::nullopt, cannotRead(systemErrorText(EISDIR))};
    }
    if (!S_ISREG(info.st_mode)) {
        return {std::nullopt, cannotRead(kNotARegularFileToReadReason)};
    }
    if (static_cast<std::uintmax_t>(info.st_size) > kMaxDocumentFileBytes) {
        return {std::nullopt, cannotRead(kTooLargeToReadReason)};
    }
    // The size may change while the file is read: no more than the limit
    // is ever kept.
    std::string bytes;
    std::size_t filled = 0;
    while (true) {
        bytes.resize(std::min(filled + kReadBlockBytes, kMaxDocumentFileBytes + 1));
        const ssize_t got = ::read(fd, bytes.data() + filled, bytes.size() - filled);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return {std::nullopt, cannotRead(systemErrorText(errno))};
        }
        filled += static_cast<std::size_t>(got);
        if (got == 0) {
            break;
        }
        if (filled > kMaxDocumentFileBytes) {
            return {std::nullopt, cannotRead(kTooLargeToReadReason)};
        }
    }
    bytes.resize(filled);
    return {std::move(bytes), {}};
}

std::optional<std::string> readDocumentBytes(const fs::path& path) {
    return readDocumentFile(path).bytes;
}

std::optional<DocumentKind> recogniseDocumentFile(const fs::path& path) {
    const std::optional<std::string> bytes = readDocumentBytes(path);
    if (!bytes) {
        return std::nullopt;
    }
    return recogniseDocument(*bytes);
}

OpenResult openDocumentFile(const fs::path& path) {
    const DocumentBytes file = readDocumentFile(path);
    if (!file.bytes) {
        return {std::nullopt, file.failure};
    }
    const std::optional<DocumentKind> kind = recogniseDocument(*file.bytes);
    if (!kind) {
        return {std::nullopt, std::string(kNotAViskoraFileMessage)};
    }
    if (*kind == DocumentKind::Basic) {
        return {readBasicDocument(*file.bytes), {}};
    }
    return {readAdditionalDocument(*file.bytes), {}};
}

} // namespace viskora
