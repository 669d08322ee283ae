#include "documents/replacement_file.h"
#include "reports/output_folder.h"
#include "reports/report_commands.h"
#include "reports/report_file.h"
#include "sample_documents.h"
#include "temporary_folder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <ostream>
#include <unistd.h>
#include <vector>

namespace viskora {
namespace {

namespace fs = std::filesystem;
using testing::TemporaryFolder;

class RecordingOpener : public DocumentOpener {
  public:
    void open(const fs::path& file) override { opened.push_back(file); }
    std::vector<fs::path> opened;
};

std::string contentsOf(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void makeFile(const fs::path& file, const std::string& text = "x") {
    std::ofstream(file, std::ios::binary) << text;
}

std::vector<std::string> namesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// A document's title and the base name of its reports.
struct BaseName {
    const char* title;
    const char* base;
};

void PrintTo(const BaseName& row, std::ostream* out) {
    *out << row.title;
}

class ReportBaseNames : public ::testing::TestWithParam<BaseName> {};

TEST_P(ReportBaseNames, CutTheTitleBeforeItsLastDot) {
    EXPECT_EQ(reportBaseName(GetParam().title), GetParam().base);
}

INSTANTIATE_TEST_SUITE_P(Titles, ReportBaseNames,
                         ::testing::Values(BaseName{"pipe.vkr", "pipe"}, BaseName{"a.b.vkr", "a.b"},
                                           BaseName{"нефть.vkr", "нефть"},
                                           BaseName{"trailing.", "trailing"},
                                           // an unsaved document's title has no dot
                                           BaseName{"ViskoraAddCalc1", "ViskoraAddCalc1"},
                                           BaseName{"ViskoraBasicCalc12", "ViskoraBasicCalc12"},
                                           BaseName{"", ""}));

TEST(OutputFolder, IsBesideTheProgramWhenThatFolderIsWritable) {
    TemporaryFolder program;
    TemporaryFolder data;
    EXPECT_EQ(chooseOutputFolder(program.path(), data.path()), program.path() / "OUT");
    fs::create_directory(program.path() / "OUT");
    EXPECT_EQ(chooseOutputFolder(program.path(), data.path()), program.path() / "OUT");
}

TEST(OutputFolder, FallsBackToApplicationDataWhenTheProgramFolderCannotHoldIt) {
    TemporaryFolder program;
    TemporaryFolder data;
    // A file named OUT beside the program: the folder cannot be made there.
    makeFile(program.path() / "OUT");
    EXPECT_EQ(chooseOutputFolder(program.path(), data.path()), data.path() / "OUT");
    // The program's path is unknown.
    EXPECT_EQ(chooseOutputFolder({}, data.path()), data.path() / "OUT");
    if (::geteuid() != 0) { // the superuser may write anywhere
        fs::remove(program.path() / "OUT");
        fs::permissions(program.path(), fs::perms::owner_write, fs::perm_options::remove);
        EXPECT_EQ(chooseOutputFolder(program.path(), data.path()), data.path() / "OUT");
        fs::permissions(program.path(), fs::perms::owner_write, fs::perm_options::add);
    }
}

TEST(OutputFolder, AnInstalledProgramWritesIntoTheUsersDataEvenAsSuperuser) {
    TemporaryFolder data;
    for (const char* folder : {"/usr/bin", "/usr/local/bin", "/bin", "/usr/lib/viskora/"}) {
        EXPECT_EQ(chooseOutputFolder(folder, data.path()), data.path() / "OUT") << folder;
    }
}

TEST(OutputFolder, DefaultIsBesideThisProgramOrInTheUsersData) {
    const fs::path folder = defaultOutputFolder();
    EXPECT_EQ(folder.filename(), "OUT");
    EXPECT_TRUE(folder.parent_path() == executableFolder() ||
                folder.parent_path() == applicationDataFolder());
}

TEST(ReportFile, CreatesTheOutputFolderAndOpensTheReport) {
    TemporaryFolder temp;
    const fs::path folder = temp.path() / "app" / "OUT";
    RecordingOpener opener;
    const auto outcome = writeAndOpenReport(reportFilePath(folder, "pipe", ".txt"), "text", opener);
    ASSERT_TRUE(outcome.written()) << outcome.message;
    EXPECT_EQ(outcome.file, folder / "pipe.txt");
    EXPECT_EQ(contentsOf(folder / "pipe.txt"), "text");
    ASSERT_EQ(opener.opened.size(), 1u);
    EXPECT_EQ(opener.opened[0], folder / "pipe.txt");
}

TEST(ReportFile, FailuresShowTheirMessageAndOpenNothing) {
    TemporaryFolder temp;
    RecordingOpener opener;
    // The folder's place is taken by a file and a folder cannot go below it.
    makeFile(temp.path() / "blocked");
    auto outcome = writeAndOpenReport(temp.path() / "blocked" / "OUT" / "pipe.txt", "text", opener);
    EXPECT_EQ(outcome.message, "Error while creating directory!\r\n" +
                                   (temp.path() / "blocked" / "OUT").string() +
                                   "\r\nNot a directory.");
    // The folder exists but the report's name is taken by a folder.
    fs::create_directories(temp.path() / "OUT" / "pipe.html");
    outcome = writeAndOpenReport(temp.path() / "OUT" / "pipe.html", "page", opener);
    EXPECT_EQ(outcome.message, "Error while creating file!\r\n" +
                                   (temp.path() / "OUT" / "pipe.html").string() + "\r\n" +
                                   std::string(kNotARegularFileReason));
    // An entry named like the folder that is not a folder.
    makeFile(temp.path() / "FILE_OUT");
    outcome = writeAndOpenReport(temp.path() / "FILE_OUT" / "pipe.txt", "text", opener);
    EXPECT_EQ(outcome.message, "Error while creating file!\r\n" +
                                   (temp.path() / "FILE_OUT" / "pipe.txt").string() +
                                   "\r\nNot a directory.");
    EXPECT_TRUE(opener.opened.empty());
    EXPECT_EQ(namesIn(temp.path() / "OUT"), std::vector<std::string>{"pipe.html"});
}

TEST(ReportFile, IsWrittenWhenTheProgramHasNoStandardInput) {
    // Started with descriptor 0 closed (as some launchers and scripts do),
    // the program gets descriptor 0 for the next file it opens: a good one.
    TemporaryFolder temp;
    const int savedInput = ::dup(0);
    ASSERT_GE(savedInput, 0);
    ::close(0);
    const ReportOutcome outcome = writeFileContents(temp.path() / "pipe.txt", "text");
    ::dup2(savedInput, 0);
    ::close(savedInput);
    EXPECT_TRUE(outcome.written()) << outcome.message;
    EXPECT_EQ(contentsOf(temp.path() / "pipe.txt"), "text");
}

TEST(ReportFile, SameTitleReplacesTheReportAndBothKindsStay) {
    TemporaryFolder temp;
    RecordingOpener opener;
    auto first = testing::sampleBasicRecord();
    auto second = testing::sampleBasicRecord();
    second.densityText = "850";
    const fs::path out = temp.path() / "OUT";
    ASSERT_TRUE(
        exportReport(ReportFormat::Text, first, RecordFractionRows(first), out, "pipe.vkr", opener)
            .written());
    ASSERT_TRUE(exportReport(ReportFormat::Text, second, RecordFractionRows(second), out,
                             "pipe.vkr", opener)
                    .written());
    ASSERT_TRUE(exportReport(ReportFormat::Html, second, RecordFractionRows(second), out,
                             "pipe.vkr", opener)
                    .written());
    EXPECT_EQ(namesIn(out), (std::vector<std::string>{"pipe.html", "pipe.txt"}));
    EXPECT_NE(contentsOf(out / "pipe.txt").find("Density : 850 "), std::string::npos);

    const auto additional = testing::sampleAdditionalRecord();
    ASSERT_TRUE(exportReport(ReportFormat::Text, additional, RecordFractionRows(additional), out,
                             "ViskoraAddCalc1", opener)
                    .written());
    ASSERT_TRUE(exportReport(ReportFormat::Html, additional, RecordFractionRows(additional), out,
                             "a.b.vkr", opener)
                    .written());
    EXPECT_EQ(namesIn(out), (std::vector<std::string>{"ViskoraAddCalc1.txt", "a.b.html",
                                                      "pipe.html", "pipe.txt"}));
    EXPECT_EQ(opener.opened.back(), out / "a.b.html");
}

TEST(OutputFolder, CleanUpDeletesFilesAndKeepsSubfolders) {
    TemporaryFolder temp;
    const fs::path out = temp.path() / "OUT";
    fs::create_directories(out / "kept" / "deeper");
    makeFile(out / "pipe.txt");
    makeFile(out / "pipe.html");
    makeFile(out / ".hidden");
    makeFile(out / "kept" / "inside.txt");
    makeFile(temp.path() / "outside.txt");
    fs::create_symlink(temp.path() / "outside.txt", out / "link-to-file");
    fs::create_directory_symlink(out / "kept", out / "link-to-folder");

    cleanOutputFolder(out);

    EXPECT_EQ(namesIn(out), std::vector<std::string>{"kept"});
    EXPECT_TRUE(fs::exists(out / "kept" / "inside.txt"));
    EXPECT_TRUE(fs::exists(out / "kept" / "deeper"));
    EXPECT_TRUE(fs::exists(temp.path() / "outside.txt"));
    cleanOutputFolder(temp.path() / "missing"); // nothing to do, nothing thrown
}

// A document named with 251 letters gave "pipe.txt" and "pipe.pdf" but no
// HTML report or workbook: the derived name is cut to what the file system
// takes with its extension, and never inside a character.
struct LongName {
    const char* name;
    std::string baseName;
    const char* extension;
    std::string expected;
};

void PrintTo(const LongName& row, std::ostream* out) {
    *out << row.name;
}

class LongReportNames : public ::testing::TestWithParam<LongName> {};

TEST_P(LongReportNames, FitTheFileSystem) {
    const LongName& c = GetParam();
    const fs::path path = reportFilePath("/out", c.baseName, c.extension);
    EXPECT_EQ(path.filename().string(), c.expected + c.extension);
    EXPECT_LE(path.filename().string().size(), kLongestFileName);
}

std::string repeated(std::string_view piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) {
        text += piece;
    }
    return text;
}

INSTANTIATE_TEST_SUITE_P(
    Names, LongReportNames,
    ::testing::Values(LongName{"FitsAsItIs", repeated("L", 251), ".txt", repeated("L", 251)},
                      LongName{"OneByteTooLong", repeated("L", 251), ".html", repeated("L", 250)},
                      LongName{"Workbook", repeated("L", 251), ".xlsx", repeated("L", 250)},
                      // 127 two-byte letters: 254 bytes, cut to 125 letters, not to the
                      // 251 bytes that would end inside the 126th.
                      LongName{"CyrillicNotCutInTwo", repeated("\u0416", 127), ".txt",
                               repeated("\u0416", 125)}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace viskora
