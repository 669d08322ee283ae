#pragma once

#include <filesystem>

namespace viskora {

// A new file that replaces `target` only when it is complete. The content is
// written to a temporary file in the target's folder (created empty by the
// constructor); commit() makes it durable and renames it over the target in
// one step, so a failed write never leaves a half-written file in place of
// an old one. An uncommitted temporary file is removed by the destructor.
class PendingFile {
  public:
    explicit PendingFile(std::filesystem::path target);
    ~PendingFile();
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;

    // False when the temporary file could not be created.
    bool created() const { return !temporary_.empty(); }
    const std::filesystem::path& temporaryPath() const { return temporary_; }
    const std::filesystem::path& targetPath() const { return target_; }

    // Flushes the temporary file to disk and renames it over the target.
    bool commit();

  private:
    std::filesystem::path target_;
    std::filesystem::path temporary_;
};

} // namespace viskora
