#pragma once

#include "reports/document_opener.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace viskora {

inline constexpr std::string_view kDirectoryCreationFailed = "Error while creating directory!";
inline constexpr std::string_view kFileCreationFailed = "Error while creating file!";

inline constexpr std::string_view kTextReportExtension = ".txt";
inline constexpr std::string_view kHtmlReportExtension = ".html";
inline constexpr std::string_view kWorkbookExtension = ".xlsx";
inline constexpr std::string_view kPdfReportExtension = ".pdf";

// What became of a report: the file written, or the message to show the user.
struct ReportOutcome {
    std::filesystem::path file;
    std::string message;

    bool written() const { return message.empty(); }
};

// A report message followed, each on a line of its own, by the file or
// folder that could not be made and the system's reason for the failure.
std::string failureWithReason(std::string_view message, const std::filesystem::path& where,
                              std::string_view reason);

// The longest file name, in bytes, that Linux's file systems take (NAME_MAX).
inline constexpr std::size_t kLongestFileName = 255;

// folder / (baseName + extension), the base name shortened where the whole
// would be longer than kLongestFileName bytes (never within a character).
std::filesystem::path reportFilePath(const std::filesystem::path& folder, std::string_view baseName,
                                     std::string_view extension);

// Writes `bytes` as the file `file`, replacing an existing one only once the
// new content is complete. Does not create folders. Fails with
// kFileCreationFailed and the reason.
ReportOutcome writeFileContents(const std::filesystem::path& file, std::string_view bytes);

// The steps every report file goes through: create its folder when it is
// missing (kDirectoryCreationFailed), then write the file (kFileCreationFailed),
// each failure with its reason.
ReportOutcome writeReportFile(const std::filesystem::path& file, std::string_view bytes);

// writeReportFile, then the written file is handed to `opener`.
ReportOutcome writeAndOpenReport(const std::filesystem::path& file, std::string_view bytes,
                                 DocumentOpener& opener);

} // namespace viskora
