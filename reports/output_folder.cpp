#include "reports/output_folder.h"

#include "documents/replacement_file.h"

#include <cstdlib>
#include <system_error>
#include <unistd.h>

namespace viskora {
namespace {

namespace fs = std::filesystem;

bool writableFolder(const fs::path& folder) {
    std::error_code error;
    return fs::is_directory(folder, error) && ::access(folder.c_str(), W_OK | X_OK) == 0;
}

// The system's own program folders: an installed program's reports belong in
// the user's data, also when the superuser (who may write anywhere) runs it.
bool systemProgramFolder(const fs::path& folder) {
    const std::string text = folder.lexically_normal().string();
    return text == "/bin" || text == "/sbin" || text.rfind("/usr/", 0) == 0;
}

fs::path absoluteFromEnvironment(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr) {
        return {};
    }
    fs::path path(value);
    return path.is_absolute() ? path : fs::path();
}

} // namespace

fs::path executableFolder() {
    std::error_code error;
    const fs::path executable = fs::read_symlink("/proc/self/exe", error);
    return error ? fs::path() : executable.parent_path();
}

fs::path applicationDataFolder() {
    if (fs::path data = absoluteFromEnvironment("XDG_DATA_HOME"); !data.empty()) {
        return data / "Viskora";
    }
    if (fs::path home = absoluteFromEnvironment("HOME"); !home.empty()) {
        return home / ".local" / "share" / "Viskora";
    }
    return {};
}

fs::path chooseOutputFolder(const fs::path& programFolder, const fs::path& dataFolder) {
    if (!programFolder.empty() && !systemProgramFolder(programFolder)) {
        const fs::path beside = programFolder / kOutputFolderName;
        std::error_code error;
        const bool present = fs::exists(fs::symlink_status(beside, error));
        if (present ? writableFolder(beside) : writableFolder(programFolder)) {
            return beside;
        }
    }
    if (!dataFolder.empty()) {
        return dataFolder / kOutputFolderName;
    }
    // Nowhere better: relative to the working folder, as a last resort.
    return fs::path(kOutputFolderName);
}

fs::path defaultOutputFolder() {
    return chooseOutputFolder(executableFolder(), applicationDataFolder());
}

std::string reportBaseName(std::string_view documentTitle) {
    const std::size_t dot = documentTitle.rfind('.');
    return std::string(dot == std::string_view::npos ? documentTitle
                                                     : documentTitle.substr(0, dot));
}

std::string makeOutputFolder(const fs::path& folder) {
    std::error_code error;
    if (folder.empty() || fs::exists(fs::symlink_status(folder, error))) {
        return {};
    }
    fs::create_directories(folder, error);
    return error ? systemErrorText(error.value()) : std::string();
}

bool ensureOutputFolder(const fs::path& folder) {
    return makeOutputFolder(folder).empty();
}

void cleanOutputFolder(const fs::path& folder) {
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        std::error_code ignored;
        // A link is removed itself, never followed, even when it points at a folder.
        if (!fs::is_directory(entry->symlink_status(ignored))) {
            fs::remove(entry->path(), ignored);
        }
    }
}

} // namespace viskora
