#include "reports/pending_file.h"

#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <utility>
#include <vector>

namespace viskora {
namespace {

namespace fs = std::filesystem;

// mkstemp gives 0600; a report should get the permissions of any new file.
void applyDefaultPermissions(int descriptor) {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(descriptor, 0666 & ~mask);
}

bool syncToDisk(const fs::path& file) {
    const int descriptor = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) {
        return false;
    }
    const bool synced = ::fsync(descriptor) == 0;
    return ::close(descriptor) == 0 && synced;
}

} // namespace

PendingFile::PendingFile(fs::path target) : target_(std::move(target)) {
    std::string pattern = target_.string() + ".XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int descriptor = ::mkstemp(name.data());
    if (descriptor < 0) {
        return;
    }
    applyDefaultPermissions(descriptor);
    ::close(descriptor);
    temporary_ = fs::path(name.data());
}

PendingFile::~PendingFile() {
    if (!temporary_.empty()) {
        std::error_code ignored;
        fs::remove(temporary_, ignored);
    }
}

bool PendingFile::commit() {
    if (temporary_.empty() || !syncToDisk(temporary_)) {
        return false;
    }
    std::error_code error;
    fs::rename(temporary_, target_, error);
    if (error) {
        return false;
    }
    temporary_.clear();
    return true;
}

} // namespace viskora
