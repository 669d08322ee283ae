#include "documents/replacement_file.h"

#include <cerrno>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <utility>
#include <vector>

namespace viskora {
namespace {

namespace fs = std::filesystem;

constexpr int kNameAttempts = 100;
constexpr std::size_t kCopyBlockBytes = 65536;
constexpr int kMaxLinkHops = 40; // as the kernel follows in one path

fs::path folderOf(const fs::path& file) {
    return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

// Whether the kernel's rule for links in shared folders (fs.protected_symlinks,
// on by default) keeps this process from following the link at `link`: it
// sits in a sticky folder that everyone may write to, and neither the
// folder's owner nor this user owns it. Another user could otherwise plant a
// link there and have a save replace, or make, a file of their choosing. The
// rule is kept even where a machine switched it off: it refuses only what an
// attacker's link asks for.
bool kernelRefusesToFollow(const fs::path& link) {
    struct stat linkStat {};
    struct stat folderStat {};
    if (::lstat(link.c_str(), &linkStat) != 0 || ::stat(folderOf(link).c_str(), &folderStat) != 0) {
        return false;
    }
    const bool sharedFolder =
        (folderStat.st_mode & S_ISVTX) != 0 && (folderStat.st_mode & S_IWOTH) != 0;
    return sharedFolder && linkStat.st_uid != folderStat.st_uid && linkStat.st_uid != ::geteuid();
}

// The file a save replaces: the end of a chain of symbolic links, else path
// itself. The end need not exist: a link to a file not made yet has it made.
// A relative link is read from its own folder. A chain that does not end
// (a loop) leaves the path as it is, for the checks to refuse. A link the
// kernel would not follow sets `refusal`.
fs::path followLink(const fs::path& path, std::string& refusal) {
    std::error_code ec;
    fs::path target = path;
    for (int hop = 0; fs::is_symlink(target, ec); ++hop) {
        if (kernelRefusesToFollow(target)) {
            refusal = kForeignLinkReason;
            return path;
        }
        const fs::path next = fs::read_symlink(target, ec);
        if (ec || hop == kMaxLinkHops) {
            return path;
        }
        target = folderOf(target) / next;
    }
    if (target == path) {
        return path;
    }
    fs::path resolved = fs::weakly_canonical(target, ec);
    return ec ? target : resolved;
}

// ".vk" and six random letters or digits: short, so that a file name near
// the file system's limit still has a temporary name beside it, and hidden.
std::string temporaryName() {
    static constexpr std::string_view kLetters = "abcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937 generator{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, kLetters.size() - 1);
    std::string name = ".vk";
    for (int i = 0; i < 6; ++i) {
        name += kLetters[pick(generator)];
    }
    return name;
}

// A new, empty file in folder, open for reading and writing. Its mode
// follows the umask like any new file's does.
int createTemporary(const fs::path& folder, fs::path& temporary) {
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        temporary = folder / temporaryName();
        const int fd = ::open(temporary.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
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

// Copies the whole of from over to, which ends up the same length.
bool copyContent(int from, int to) {
    std::vector<char> block(kCopyBlockBytes);
    off_t offset = 0;
    while (true) {
        const ssize_t read = ::pread(from, block.data(), block.size(), offset);
        if (read < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        if (read == 0) {
            break;
        }
        if (::lseek(to, offset, SEEK_SET) < 0 ||
            !writeAll(to, std::string_view(block.data(), static_cast<std::size_t>(read)))) {
            return false;
        }
        offset += read;
    }
    return ::ftruncate(to, offset) == 0 && ::fsync(to) == 0;
}

// The old file open for rewriting: for reading too where its mode allows,
// as a file system without a native reservation has posix_fallocate read
// each block before it writes one.
int openForRewrite(const fs::path& path) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    if (fd >= 0 || errno != EACCES) {
        return fd;
    }
    return ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
}

// Takes in `to` every block the content of `from` will need there, before a
// byte of `to` is overwritten: a full disk, a quota or a size limit then
// refuses the rewrite while the old content is whole, where the copy would
// stop part way through it. The old bytes stay as they are; a refused
// reservation that lengthened the file is cut back. Returns 0 or the error.
int reserveRoom(int from, int to) {
    struct stat fresh {};
    struct stat old {};
    if (::fstat(from, &fresh) != 0 || ::fstat(to, &old) != 0) {
        return errno;
    }
    if (fresh.st_size == 0) {
        return 0;
    }
    const int error = ::posix_fallocate(to, 0, fresh.st_size);
    if (error != 0 && ::ftruncate(to, old.st_size) != 0) {
        return errno;
    }
    return error;
}

void syncFolder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

std::string systemErrorText(int error) {
    return std::generic_category().message(error) + ".";
}

ReplacementFile::ReplacementFile(fs::path path) {
    // In the body: failure_ is made after target_.
    target_ = followLink(path, failure_);
    if (!failure_.empty() || refuseTarget()) {
        return;
    }
    const int fd = createTemporary(folderOf(target_), temporary_);
    if (fd < 0) {
        failure_ = systemErrorText(errno);
        temporary_.clear();
        return;
    }
    if (targetExists_ && !keepOwnerAndMode(fd)) {
        ::close(fd);
        ::unlink(temporary_.c_str());
        temporary_.clear();
        return;
    }
    descriptor_ = fd;
}

ReplacementFile::~ReplacementFile() {
    if (descriptor_ >= 0) {
        ::close(descriptor_);
    }
    if (!temporary_.empty()) {
        ::unlink(temporary_.c_str());
    }
}

// True, with a failure, when what is at the target must not be replaced.
bool ReplacementFile::refuseTarget() {
    struct stat old {};
    if (::stat(target_.c_str(), &old) != 0) {
        if (errno == ENOENT) {
            return false;
        }
        failure_ = systemErrorText(errno);
        return true;
    }
    targetExists_ = true;
    if (!S_ISREG(old.st_mode)) {
        failure_ = kNotARegularFileReason;
        return true;
    }
    // The user's own right to write the file decides, not the folder's: a
    // rename would replace a read-only file as easily as any other. The
    // superuser passes every access check, so a file that nobody may write
    // is refused by its mode bits.
    if (::faccessat(AT_FDCWD, target_.c_str(), W_OK, AT_EACCESS) != 0) {
        failure_ = errno == EACCES || errno == EPERM ? std::string(kReadOnlyFileReason)
                                                     : systemErrorText(errno);
        return true;
    }
    if ((old.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
        failure_ = kReadOnlyFileReason;
        return true;
    }
    return false;
}

// The new file takes the old one's owner, group and permissions; the owner
// comes first, as changing it clears the set-user-ID bits.
bool ReplacementFile::keepOwnerAndMode(int fd) {
    struct stat old {};
    struct stat fresh {};
    if (::stat(target_.c_str(), &old) != 0 || ::fstat(fd, &fresh) != 0) {
        failure_ = systemErrorText(errno);
        return false;
    }
    if ((old.st_uid != fresh.st_uid || old.st_gid != fresh.st_gid) &&
        ::fchown(fd, old.st_uid, old.st_gid) != 0) {
        failure_ = kOwnerNotKeptReason;
        return false;
    }
    if (::fchmod(fd, old.st_mode & 07777) != 0) {
        failure_ = systemErrorText(errno);
        return false;
    }
    return true;
}

bool ReplacementFile::write(std::string_view bytes) {
    if (!created()) {
        return false;
    }
    if (!writeAll(descriptor_, bytes)) {
        failure_ = systemErrorText(errno);
        return false;
    }
    return true;
}

bool ReplacementFile::commit() {
    if (!created()) {
        return false;
    }
    if (::fsync(descriptor_) != 0) {
        failure_ = systemErrorText(errno);
        return false;
    }
    struct stat old {};
    if (::stat(target_.c_str(), &old) == 0 && S_ISREG(old.st_mode) && old.st_nlink > 1) {
        return writeThroughLinks();
    }
    if (::rename(temporary_.c_str(), target_.c_str()) != 0) {
        failure_ = systemErrorText(errno);
        return false;
    }
    ::close(descriptor_);
    descriptor_ = -1;
    temporary_.clear();
    syncFolder(folderOf(target_));
    return true;
}

// A rename would leave the other names with the old content, so the new
// content, complete on the disk in the temporary file, is copied into the
// old file, once the room it needs there is taken; without that room the old
// file is left as it was. Should the copy still fail part way, the temporary
// file is kept and the failure says where it is.
bool ReplacementFile::writeThroughLinks() {
    const int old = openForRewrite(target_);
    if (old < 0) {
        failure_ = systemErrorText(errno);
        return false;
    }
    if (const int error = reserveRoom(descriptor_, old); error != 0) {
        ::close(old);
        failure_ = systemErrorText(error);
        return false;
    }
    const bool copied = copyContent(descriptor_, old);
    const int error = errno;
    const bool closed = ::close(old) == 0;
    if (!copied || !closed) {
        failure_ = systemErrorText(copied ? errno : error) + " The new content is kept in " +
                   temporary_.string() + ".";
        ::close(descriptor_);
        descriptor_ = -1;
        temporary_.clear();
        return false;
    }
    ::close(descriptor_);
    descriptor_ = -1;
    ::unlink(temporary_.c_str());
    temporary_.clear();
    return true;
}

} // namespace viskora
