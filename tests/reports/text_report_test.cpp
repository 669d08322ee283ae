#include "golden_files.h"
#include "reports/html_report.h"
#include "reports/text_report.h"
#include "sample_documents.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace viskora {
namespace {

using testing::goldenFile;

std::vector<std::string> linesOf(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(bytes.substr(start, end - start));
    }
    EXPECT_EQ(start, bytes.size()) << "the last line must end with CR LF";
    return lines;
}

// Both reports of both calculations, without fractions, with a few and with
// the whole table of a hundred rows, against the files a user opens.
enum class Rows { None, Few, Hundred };

struct GoldenCase {
    const char* golden;
    bool additional;
    Rows rows;
};

void PrintTo(const GoldenCase& c, std::ostream* out) {
    *out << c.golden;
}

template <typename Record> Record withRows(Record record, Rows rows) {
    if (rows == Rows::Few) {
        testing::useRows(record, testing::fewFractionRows());
    } else if (rows == Rows::Hundred) {
        testing::useRows(record, testing::hundredFractionRows());
    }
    return record;
}

class ReportGoldens : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(ReportGoldens, AreWrittenByteForByte) {
    const GoldenCase& c = GetParam();
    const bool html = std::string_view(c.golden).ends_with(".html");
    std::string written;
    if (c.additional) {
        const auto record = withRows(testing::sampleAdditionalRecord(), c.rows);
        const RecordFractionRows rows(record);
        written = html ? additionalHtmlReport(record, rows) : additionalTextReport(record, rows);
    } else {
        const auto record = withRows(testing::sampleBasicRecord(), c.rows);
        const RecordFractionRows rows(record);
        written = html ? basicHtmlReport(record, rows) : basicTextReport(record, rows);
    }
    EXPECT_EQ(written, goldenFile(c.golden));
}

INSTANTIATE_TEST_SUITE_P(
    TextAndHtml, ReportGoldens,
    ::testing::Values(GoldenCase{"basic_plain.txt", false, Rows::None},
                      GoldenCase{"basic_fractions.txt", false, Rows::Few},
                      GoldenCase{"additional_plain.txt", true, Rows::None},
                      GoldenCase{"additional_hundred_rows.txt", true, Rows::Hundred},
                      GoldenCase{"basic_plain.html", false, Rows::None},
                      GoldenCase{"basic_fractions.html", false, Rows::Few},
                      GoldenCase{"additional_plain.html", true, Rows::None},
                      GoldenCase{"additional_hundred_rows.html", true, Rows::Hundred}),
    [](const ::testing::TestParamInfo<GoldenCase>& info) {
        std::string name = info.param.golden;
        std::replace(name.begin(), name.end(), '.', '_');
        return name;
    });

TEST(TextReport, ColumnsArePaddedByCharactersNotBytes) {
    // "°", "С" and "Ж" take two bytes each in UTF-8 but one column on screen;
    // "✓", which the program's files cannot hold, is shown as "?" as in the
    // HTML report, and so is a byte that is not UTF-8 at all.
    auto record = testing::sampleBasicRecord();
    testing::useRows(record, {{"350", "°С°С", "Ж✓\xFF"}});
    const auto lines = linesOf(basicTextReport(record, RecordFractionRows(record)));
    ASSERT_GT(lines.size(), 23u);
    EXPECT_EQ(lines[23], "\t|1  |350" + std::string(19, ' ') + "|°С°С" + std::string(15, ' ') +
                             "|Ж??" + std::string(30, ' ') + "|");
}

TEST(TextReport, RowsFollowTheRecordCountNotTheGrid) {
    // The count box may ask for more rows than the grid holds: missing rows
    // read as empty cells, and no row beyond the table's capacity is read.
    auto record = testing::sampleBasicRecord();
    record.useFractions = 1;
    record.fractionCount = 3;
    const testing::GridRows grid({{"35", "100", "50"}});
    const auto lines = linesOf(basicTextReport(record, grid));
    ASSERT_GT(lines.size(), 26u);
    EXPECT_EQ(lines[23].substr(0, 8), "\t|1  |35");
    EXPECT_EQ(lines[24], "\t|   |" + std::string(22, ' ') + "|" + std::string(19, ' ') + "|" +
                             std::string(33, ' ') + "|");
    EXPECT_EQ(lines[26].substr(0, 5), "\t+---");

    record.fractionCount = 250;
    const auto many = linesOf(basicTextReport(record, RecordFractionRows(record)));
    const auto basicPlainLines = linesOf(goldenFile("basic_plain.txt")).size();
    EXPECT_EQ(many.size(), basicPlainLines + 9 + 100);
}

} // namespace
} // namespace viskora
