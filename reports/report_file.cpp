#include "reports/report_file.h"

#include "reports/output_folder.h"
#include "reports/pending_file.h"

#include <fstream>

namespace viskora {

namespace fs = std::filesystem;

fs::path reportFilePath(const fs::path& folder, std::string_view baseName,
                        std::string_view extension) {
    std::string name(baseName);
    name += extension;
    return folder / name;
}

ReportOutcome writeFileContents(const fs::path& file, std::string_view bytes) {
    PendingFile pending(file);
    if (!pending.created()) {
        return {file, std::string(kFileCreationFailed)};
    }
    std::ofstream stream(pending.temporaryPath(), std::ios::binary | std::ios::trunc);
    stream.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    stream.close();
    // A report that could not be written whole is a failure, not a success.
    if (!stream || !pending.commit()) {
        return {file, std::string(kFileCreationFailed)};
    }
    return {file, {}};
}

ReportOutcome writeReportFile(const fs::path& file, std::string_view bytes) {
    if (!ensureOutputFolder(file.parent_path())) {
        return {file, std::string(kDirectoryCreationFailed)};
    }
    return writeFileContents(file, bytes);
}

ReportOutcome writeAndOpenReport(const fs::path& file, std::string_view bytes,
                                 DocumentOpener& opener) {
    ReportOutcome outcome = writeReportFile(file, bytes);
    if (outcome.written()) {
        opener.open(outcome.file);
    }
    return outcome;
}

} // namespace viskora
