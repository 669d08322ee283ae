#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace viskora {

// A new file that takes the place of the file at a path only once it is
// complete, so that a failed write never leaves a half-written file where
// the user's file was.
//
// The constructor checks what is at the path and creates an empty temporary
// file with a short name in the same folder (a name near the file system's
// limit still leaves room for it). A symbolic link is followed: the file it
// points to is replaced, or made when it does not exist yet, and the link
// stays; but only where the kernel would let an open follow it (its rule
// fs.protected_symlinks, on by default, kept here also where a machine
// switched it off): a link in a sticky folder that everyone may write to is
// followed only for its own owner or when the folder's owner owns it. The path is refused, with a
// reason, when it holds something other than a regular file (a folder, a device, a pipe), when the
// user could not write the file in place (a read-only file is left alone even where the superuser
// could replace it), or when the new file could not keep the old one's owner and group.
//
// The new content is written to temporaryPath() or descriptor(); commit()
// flushes it to the disk and renames it over the old file. A file with other
// hard links is instead rewritten through its own inode once the new content
// is safe on the disk and the room it needs in the old file has been taken,
// so that every name keeps seeing the same file; without that room (a full
// disk, a quota, a size limit) the old file is left as it was. An
// uncommitted temporary file is removed by the destructor.
class ReplacementFile {
  public:
    explicit ReplacementFile(std::filesystem::path path);
    ~ReplacementFile();
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;

    // False when the path was refused or no temporary file could be created.
    bool created() const { return descriptor_ >= 0; }
    const std::filesystem::path& temporaryPath() const { return temporary_; }
    // The file that is replaced: the path, or the target of its link.
    const std::filesystem::path& targetPath() const { return target_; }
    // Open for writing at offset 0 while created().
    int descriptor() const { return descriptor_; }

    // Writes all of bytes through descriptor(); false with a failure() on an
    // error.
    bool write(std::string_view bytes);

    // Makes the content durable and puts it in place of the old file. False
    // when that failed; the old file is then as it was, unless failure() says
    // otherwise.
    bool commit();

    // Why the path was refused or the save failed, as a sentence for the
    // user; empty while nothing went wrong.
    const std::string& failure() const { return failure_; }

  private:
    bool refuseTarget();
    bool keepOwnerAndMode(int descriptor);
    bool writeThroughLinks();

    std::filesystem::path target_;
    std::filesystem::path temporary_;
    int descriptor_ = -1;
    bool targetExists_ = false;
    std::string failure_;
};

// The reasons a path is refused.
inline constexpr std::string_view kNotARegularFileReason =
    "It is not a regular file (a folder, a device or a pipe), so it is not replaced.";
inline constexpr std::string_view kReadOnlyFileReason = "The file is read-only.";
inline constexpr std::string_view kForeignLinkReason =
    "It is a link that another user placed in a folder everyone may write to (such as /tmp); "
    "the system does not follow such a link for you, and neither does the program.";
inline constexpr std::string_view kOwnerNotKeptReason =
    "Its owner and group could not be kept, so it is not replaced.";

// The system's text for an errno value, as a sentence.
std::string systemErrorText(int error);

} // namespace viskora
