#include "reports/report_file.h"

#include "reports/output_folder.h"
#include "reports/pending_file.h"

namespace viskora {

namespace fs = std::filesystem;

std::string failureWithReason(std::string_view message, const fs::path& where,
                              std::string_view reason) {
    std::string text(message);
    text += "\r\n";
    text += where.string();
    if (!reason.empty()) {
        text += "\r\n";
        text += reason;
    }
    return text;
}

fs::path reportFilePath(const fs::path& folder, std::string_view baseName,
                        std::string_view extension) {
    // The name's bytes are cut to what the file system takes with the
    // extension, back to the start of a UTF-8 character so that none is
    // cut in two (its continuation bytes are 10xxxxxx).
    std::size_t room =
        kLongestFileName > extension.size() ? kLongestFileName - extension.size() : 0;
    if (baseName.size() > room) {
        while (room > 0 && (static_cast<unsigned char>(baseName[room]) & 0xC0) == 0x80) {
            --room;
        }
        baseName = baseName.substr(0, room);
    }
    std::string name(baseName);
    name += extension;
    return folder / name;
}

ReportOutcome writeFileContents(const fs::path& file, std::string_view bytes) {
    PendingFile pending(file);
    // A report that could not be written whole is a failure, not a success.
    if (!pending.write(bytes) || !pending.commit()) {
        return {file, failureWithReason(kFileCreationFailed, file, pending.failure())};
    }
    return {file, {}};
}

ReportOutcome writeReportFile(const fs::path& file, std::string_view bytes) {
    const std::string folderFailure = makeOutputFolder(file.parent_path());
    if (!folderFailure.empty()) {
        return {file,
                failureWithReason(kDirectoryCreationFailed, file.parent_path(), folderFailure)};
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
