#include "documents/document_file.h"

#include <cerrno>
#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace viskora {
namespace {

namespace fs = std::filesystem;

std::string saveFailure(const fs::path& path, int error) {
    return "Cannot save the file " + path.string() + ".\r\n" +
           std::generic_category().message(error) + ".";
}

// The file a save replaces: the target of a symbolic link, else path itself.
fs::path saveTarget(const fs::path& path) {
    std::error_code ec;
    if (fs::is_symlink(path, ec)) {
        fs::path target = fs::canonical(path, ec);
        if (!ec) {
            return target;
        }
    }
    return path;
}

// Creates a new, empty file beside target, open for writing. Its mode
// follows the umask like any new file's does.
int createTemporary(const fs::path& target, fs::path& temporary) {
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    const std::string stem = "." + target.filename().string() + ".saving-" +
                             std::to_string(static_cast<long>(getpid())) + "-";
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = folder / (stem + std::to_string(attempt));
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    errno = EEXIST;
    return -1;
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

void syncFolder(const fs::path& target) {
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

SaveResult saveDocumentFile(const fs::path& path, std::string_view bytes) {
    const fs::path target = saveTarget(path);
    fs::path temporary;
    const int fd = createTemporary(target, temporary);
    if (fd < 0) {
        return {false, saveFailure(path, errno)};
    }
    // A replaced file keeps its permissions.
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0) {
        ::fchmod(fd, old.st_mode & 07777);
    }
    bool written = writeAll(fd, bytes) && ::fsync(fd) == 0;
    int error = written ? 0 : errno;
    if (::close(fd) != 0 && written) {
        written = false;
        error = errno;
    }
    if (written && ::rename(temporary.c_str(), target.c_str()) != 0) {
        written = false;
        error = errno;
    }
    if (!written) {
        ::unlink(temporary.c_str());
        return {false, saveFailure(path, error)};
    }
    syncFolder(target);
    return {true, {}};
}

std::optional<std::string> readDocumentBytes(const fs::path& path) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) {
        return std::nullopt;
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    std::string bytes;
    // On the heap: a file may be opened deep inside nested event loops.
    std::vector<char> buffer(64 * 1024);
    while (file.read(buffer.data(), static_cast<std::streamsize>(buffer.size())) ||
           file.gcount() > 0) {
        bytes.append(buffer.data(), static_cast<std::size_t>(file.gcount()));
        if (bytes.size() > kMaxDocumentFileBytes) {
            return std::nullopt;
        }
    }
    if (file.bad()) {
        return std::nullopt;
    }
    return bytes;
}

std::optional<DocumentKind> recogniseDocumentFile(const fs::path& path) {
    const std::optional<std::string> bytes = readDocumentBytes(path);
    if (!bytes) {
        return std::nullopt;
    }
    return recogniseDocument(*bytes);
}

OpenResult openDocumentFile(const fs::path& path) {
    const std::optional<std::string> bytes = readDocumentBytes(path);
    const std::optional<DocumentKind> kind =
        bytes ? recogniseDocument(*bytes) : std::optional<DocumentKind>();
    if (!kind) {
        return {std::nullopt, std::string(kNotAViskoraFileMessage)};
    }
    if (*kind == DocumentKind::Basic) {
        return {readBasicDocument(*bytes), {}};
    }
    return {readAdditionalDocument(*bytes), {}};
}

} // namespace viskora
