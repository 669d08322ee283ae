// Where the PDF report puts things, read back from the file by poppler's
// pdftotext with the box of every word: the words alone would not show a
// table drawn inside another one or headings missing from a page.
#include "run_calculator.h"
#include "temporary_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <ostream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace viskora {
namespace {

namespace fs = std::filesystem;
using testing::runCalculator;
using testing::TemporaryFolder;

// Where a word starts, in points from its page's top left corner.
struct Place {
    int page = 0;
    double left = 0, top = 0, bottom = 0;
};

struct Word {
    std::string text; // as XML text: the phrases looked for have no & or <
    Place place;
};

using Line = std::vector<Word>;

// The lines of every page of the PDF report of a calculation, as
// pdftotext -bbox-layout finds them.
std::vector<Line> pdfLinesOf(std::vector<std::string> calculation) {
    TemporaryFolder temp;
    const fs::path document = temp.path() / "pipe.vkr";
    const fs::path pdf = temp.path() / "pipe.pdf";
    const fs::path boxes = temp.path() / "pipe.html";
    calculation.insert(calculation.end(), {"--yes", "--save", document.string()});
    EXPECT_EQ(runCalculator(calculation).exitStatus, 0);
    EXPECT_EQ(
        runCalculator({"report", document.string(), "--pdf", "--output", pdf.string()}).exitStatus,
        0);
    const std::string command =
        "pdftotext -bbox-layout '" + pdf.string() + "' '" + boxes.string() + "'";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    std::ifstream in(boxes);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const std::regex token(R"re(<page |<line |<word xMin="([-\d.]+)" yMin="([-\d.]+)" )re"
                           R"re(xMax="[-\d.]+" yMax="([-\d.]+)">([^<]*)</word>)re");
    std::vector<Line> lines;
    int page = 0;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), token);
         it != std::sregex_iterator(); ++it) {
        const std::smatch& m = *it;
        if (m.str(0).starts_with("<page")) {
            ++page;
        } else if (m.str(0).starts_with("<line")) {
            lines.emplace_back();
        } else if (!lines.empty()) {
            lines.back().push_back(
                {m.str(4), {page, std::stod(m.str(1)), std::stod(m.str(2)), std::stod(m.str(3))}});
        }
    }
    return lines;
}

// Every place where the words of phrase follow each other on one line.
std::vector<Place> placesOf(const std::vector<Line>& lines, const std::string& phrase) {
    std::istringstream split(phrase);
    const std::vector<std::string> words{std::istream_iterator<std::string>(split), {}};
    std::vector<Place> places;
    for (const Line& line : lines) {
        for (std::size_t first = 0; first + words.size() <= line.size(); ++first) {
            bool same = true;
            for (std::size_t k = 0; k < words.size() && same; ++k) {
                same = line[first + k].text == words[k];
            }
            if (same) {
                places.push_back(line[first].place);
            }
        }
    }
    return places;
}

// Two texts of a report: the lower one, laid out on one line, comes below the
// upper one (its first place), and starts at the same left edge when both are
// in one column.
struct Placement {
    const char* name;
    const char* kind;
    const char* upper;
    const char* lower;
    bool sameLeftEdge;
};

void PrintTo(const Placement& row, std::ostream* out) {
    *out << row.name;
}

class PdfPlacements : public ::testing::TestWithParam<Placement> {};

TEST_P(PdfPlacements, PutTheLowerTextBelowTheUpperOne) {
    const Placement& c = GetParam();
    const std::vector<Line> lines = pdfLinesOf({c.kind});
    const std::vector<Place> uppers = placesOf(lines, c.upper);
    ASSERT_FALSE(uppers.empty()) << c.upper << " is not on one line";
    const Place& upper = uppers.front();
    const std::vector<Place> lowers = placesOf(lines, c.lower);
    const auto lower = std::ranges::find_if(lowers, [&](const Place& place) {
        return place.page > upper.page ||
               (place.page == upper.page && place.top >= upper.bottom - 0.5);
    });
    ASSERT_NE(lower, lowers.end()) << c.lower << " is not on one line below " << c.upper;
    if (c.sameLeftEdge) {
        EXPECT_NEAR(lower->left, upper.left, 1.0) << c.lower << " beside " << c.upper;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Reports, PdfPlacements,
    ::testing::Values(
        // The bar heads its table: the input rows lie under it, in its column.
        Placement{"BasicInputRowsUnderTheirBar", "basic", "Input data", "Density :", true},
        Placement{"AdditionalInputRowsUnderTheirBar", "additional", "Input data",
                  "Design pressure :", true},
        // The liquid phase's table follows the gas phase's, not inside its last row.
        Placement{"LiquidTableUnderTheGasTable", "additional", "Gas phase", "Liquid phase", true},
        // The longest label of each phase fits its column.
        Placement{"GasLabelsOnOneLine", "additional", "Gas phase",
                  "The share in the total mass, %% :", false},
        Placement{"LiquidLabelsOnOneLine", "additional", "Liquid phase",
                  "The share in the total mass, %% :", false}),
    [](const auto& info) { return std::string(info.param.name); });

class PdfLongTables : public ::testing::TestWithParam<const char*> {};

// A fraction table of 100 rows runs over three pages, and the results follow
// it on the page where it ends; a reader of each page sees which column is
// which.
TEST_P(PdfLongTables, RepeatTheirHeadingsOnEveryPage) {
    std::vector<std::string> calculation{GetParam()};
    for (int row = 0; row < 100; ++row) {
        calculation.insert(calculation.end(),
                           {"--fraction", std::to_string(40 + 7 * row) + ":" +
                                              std::to_string(47 + 7 * row) + ":1"});
    }
    const std::vector<Line> lines = pdfLinesOf(calculation);
    const std::vector<Place> results = placesOf(lines, "Calculation results");
    ASSERT_EQ(results.size(), 1U);
    ASSERT_GE(results.front().page, 3);
    std::vector<int> headedPages;
    for (const Place& place : placesOf(lines, "Boiling final point")) {
        headedPages.push_back(place.page);
    }
    std::vector<int> tablePages;
    for (int page = 1; page <= results.front().page; ++page) {
        tablePages.push_back(page);
    }
    EXPECT_EQ(headedPages, tablePages);
}

INSTANTIATE_TEST_SUITE_P(Kinds, PdfLongTables, ::testing::Values("basic", "additional"),
                         [](const auto& info) { return std::string(info.param); });

} // namespace
} // namespace viskora
