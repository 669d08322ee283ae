#include "documents/cp1251.h"
#include "run_calculator.h"
#include "temporary_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <ostream>
#include <regex>
#include <sstream>
#include <sys/stat.h>
#include <vector>

namespace viskora {
namespace {

namespace fs = std::filesystem;
using testing::runCalculator;
using testing::TemporaryFolder;

std::string contentsOf(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(ReportCommand, WritesEachKindOfReportOfASavedDocument) {
    TemporaryFolder temp;
    const fs::path document = temp.path() / "pipe.vkr";
    ASSERT_EQ(runCalculator({"additional", "--fraction", "35:200:40", "--fraction", "200:400:60",
                             "--yes", "--save", document.string()})
                  .exitStatus,
              0);

    const fs::path text = temp.path() / "pipe.txt";
    auto run = runCalculator({"report", document.string(), "--text", "--output", text.string()});
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    EXPECT_EQ(run.out, text.string() + "\n");
    // UTF-8, as terminals and editors read it.
    const std::string report = contentsOf(text);
    EXPECT_EQ(report.rfind("Thermophysical properties of oil and its derivatives\r\n", 0), 0u);
    // Unit names follow from the file's unit indices.
    EXPECT_TRUE(contains(report, "\tDensity : 702.7 (kg/m3)  at the temperature : 20 (°C - "
                                 "Celsius)  \r\n\tDesign temperature : 50 (°C - Celsius)  \r\n"));
    EXPECT_TRUE(contains(report, "\t|2  |200                   |400  "));

    const fs::path page = temp.path() / "page.html";
    run = runCalculator({"report", document.string(), "--html", "--output", page.string()});
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    EXPECT_TRUE(contains(contentsOf(page), "<td align=\"center\">400</td>"));

    const fs::path workbook = temp.path() / "sheet.xlsx";
    run = runCalculator({"report", document.string(), "--xlsx", "--output", workbook.string()});
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    EXPECT_EQ(contentsOf(workbook).substr(0, 2), "PK");
}

// What a poppler tool prints for a PDF file.
std::string popplerOutput(const std::string& tool, const fs::path& pdf) {
    const fs::path out = pdf.string() + "." + tool.substr(0, tool.find(' ')) + ".out";
    const std::string command =
        tool + " '" + pdf.string() + "' " +
        (tool.rfind("pdftotext", 0) == 0 ? "'" + out.string() + "'" : "") +
        (tool.rfind("pdftotext", 0) == 0 ? "" : " > '" + out.string() + "'");
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    return contentsOf(out);
}

// Runs of white space as one space, none at the ends.
std::string collapsed(const std::string& text) {
    std::string one = std::regex_replace(text, std::regex("\\s+"), " ");
    const auto first = one.find_first_not_of(' ');
    const auto last = one.find_last_not_of(' ');
    return first == std::string::npos ? std::string() : one.substr(first, last - first + 1);
}

// The texts a reader sees on the HTML report's page, one per element.
std::vector<std::string> visibleTexts(const std::string& html) {
    std::string body = html.substr(html.find("<body"));
    body = std::regex_replace(body, std::regex("<[^>]*>"), "\n");
    for (const auto& [entity, text] : std::vector<std::pair<std::string, std::string>>{
             {"&nbsp;", " "}, {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&amp;", "&"}}) {
        body = std::regex_replace(body, std::regex(entity), text);
    }
    std::vector<std::string> texts;
    std::istringstream lines(body);
    for (std::string line; std::getline(lines, line);) {
        if (const std::string text = collapsed(line); !text.empty()) {
            texts.push_back(text);
        }
    }
    return texts;
}

struct PdfCase {
    const char* what;
    std::vector<std::string> calculation;
    const char* pages; // as pdfinfo prints them; empty: any
};

void PrintTo(const PdfCase& row, std::ostream* out) {
    *out << row.what;
}

class PdfReports : public ::testing::TestWithParam<PdfCase> {};

// A report nobody could open became a PDF anyone can; it must say all the
// HTML report says.
TEST_P(PdfReports, HoldEveryLabelAndValueOfTheHtmlReportOnA4) {
    const PdfCase& c = GetParam();
    TemporaryFolder temp;
    const fs::path document = temp.path() / "pipe.vkr";
    std::vector<std::string> calculation = c.calculation;
    calculation.insert(calculation.end(), {"--save", document.string()});
    ASSERT_EQ(runCalculator(calculation).exitStatus, 0);
    const fs::path page = temp.path() / "pipe.html";
    ASSERT_EQ(runCalculator({"report", document.string(), "--html", "--output", page.string()})
                  .exitStatus,
              0);
    const fs::path pdf = temp.path() / "pipe.pdf";
    const auto run =
        runCalculator({"report", document.string(), "--pdf", "--output", pdf.string()});
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    EXPECT_EQ(run.out, pdf.string() + "\n");
    ASSERT_EQ(contentsOf(pdf).substr(0, 5), "%PDF-");

    const std::string shown = collapsed(popplerOutput("pdftotext -raw -enc UTF-8", pdf));
    const std::vector<std::string> texts = visibleTexts(cp1251ToUtf8(contentsOf(page)));
    ASSERT_GT(texts.size(), 20U);
    for (const std::string& text : texts) {
        EXPECT_TRUE(contains(shown, text)) << "missing from the PDF: " << text;
    }

    const std::string info = popplerOutput("pdfinfo", pdf);
    EXPECT_TRUE(contains(info, "(A4)")) << info;
    if (*c.pages != '\0') {
        EXPECT_TRUE(contains(collapsed(info), c.pages)) << info;
    }
    // Every font embedded: the fifth column from the end of pdffonts.
    std::istringstream fonts(popplerOutput("pdffonts", pdf));
    int fontCount = 0;
    bool pastHeader = false;
    for (std::string line; std::getline(fonts, line);) {
        if (line.rfind("----", 0) == 0) {
            pastHeader = true;
            continue;
        }
        if (!pastHeader || line.empty()) {
            continue;
        }
        std::istringstream words(line);
        const std::vector<std::string> columns{std::istream_iterator<std::string>(words), {}};
        ASSERT_GE(columns.size(), 6U) << line;
        EXPECT_EQ(columns[columns.size() - 5], "yes") << line;
        ++fontCount;
    }
    EXPECT_GT(fontCount, 0);
}

INSTANTIATE_TEST_SUITE_P(Kinds, PdfReports,
                         ::testing::Values(PdfCase{"a basic calculation fits one page",
                                                   {"basic", "--density", "850"},
                                                   "Pages: 1 "},
                                           PdfCase{"an additional calculation with fractions",
                                                   {"additional", "--fraction", "35:200:40",
                                                    "--fraction", "200:400:60", "--yes"},
                                                   ""},
                                           PdfCase{"by narrow cuts, which it says",
                                                   {"basic", "--viscosity-method", "cuts"},
                                                   "Pages: 1 "}));

TEST(ReportCommand, RefusesWhatItCannotRead) {
    TemporaryFolder temp;
    const fs::path notADocument = temp.path() / "notes.vkr";
    std::ofstream(notADocument) << "[General]\ntype=Something\n";
    auto run = runCalculator(
        {"report", notADocument.string(), "--text", "--output", (temp.path() / "x.txt").string()});
    EXPECT_EQ(run.exitStatus, 2);
    EXPECT_TRUE(contains(run.err, "This is not a valid Viskora file."));
    EXPECT_FALSE(fs::exists(temp.path() / "x.txt"));

    const fs::path document = temp.path() / "a.b.vkr";
    ASSERT_EQ(runCalculator({"basic", "--save", document.string()}).exitStatus, 0);
    // A folder given with --output is not made.
    const fs::path unwritable = temp.path() / "missing" / "x.html";
    run = runCalculator({"report", document.string(), "--html", "--output", unwritable.string()});
    EXPECT_EQ(run.exitStatus, 5);
    EXPECT_EQ(run.err, "viskora-calc report: Error while creating file!\n" + unwritable.string() +
                           "\nNo such file or directory.\n");
    EXPECT_FALSE(fs::exists(temp.path() / "missing"));
    // Exactly one kind of report.
    EXPECT_EQ(runCalculator({"report", document.string()}).exitStatus, 64);
    EXPECT_EQ(runCalculator({"report", document.string(), "--text", "--xlsx"}).exitStatus, 64);
}

// Every kind of report refuses, with exit status 5 and the reason, to take
// the place of a pipe or of a read-only file, and leaves it as it was; a
// name as long as a file system allows is written.
class ReportTargetTest : public ::testing::TestWithParam<const char*> {};

TEST_P(ReportTargetTest, PipesAndReadOnlyFilesAreNotReplacedAndLongNamesAreWritten) {
    TemporaryFolder temp;
    const fs::path document = temp.path() / "pipe.vkr";
    ASSERT_EQ(runCalculator({"basic", "--save", document.string()}).exitStatus, 0);

    const fs::path pipe = temp.path() / "pipe.out";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    auto run = runCalculator({"report", document.string(), GetParam(), "--output", pipe.string()});
    EXPECT_EQ(run.exitStatus, 5);
    EXPECT_TRUE(contains(run.err, pipe.string())) << run.err;
    EXPECT_TRUE(contains(run.err, "It is not a regular file")) << run.err;
    EXPECT_TRUE(fs::is_fifo(pipe));

    // Read-only by its mode, for the superuser as well.
    const fs::path readOnly = temp.path() / "kept.out";
    std::ofstream(readOnly) << "kept";
    fs::permissions(readOnly, fs::perms::owner_read);
    run = runCalculator({"report", document.string(), GetParam(), "--output", readOnly.string()});
    EXPECT_EQ(run.exitStatus, 5);
    EXPECT_TRUE(contains(run.err, "The file is read-only.")) << run.err;
    EXPECT_EQ(contentsOf(readOnly), "kept");

    // A name of 255 bytes, the file system's limit, still has room for the
    // temporary file beside it.
    const fs::path longName = temp.path() / (std::string(251, 'r') + ".out");
    run = runCalculator({"report", document.string(), GetParam(), "--output", longName.string()});
    EXPECT_EQ(run.exitStatus, 0) << run.err;
    EXPECT_TRUE(fs::is_regular_file(longName));
}

INSTANTIATE_TEST_SUITE_P(Kinds, ReportTargetTest, ::testing::Values("--text", "--html", "--xlsx"),
                         [](const auto& info) { return std::string(info.param + 2); });

} // namespace
} // namespace viskora
