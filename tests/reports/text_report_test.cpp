#include "golden_files.h"
#include "reports/text_report.h"
#include "sample_documents.h"

#include <gtest/gtest.h>

#include <sstream>
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

TEST(TextReport, BasicWithoutFractionsMatchesGolden) {
    const auto record = testing::sampleBasicRecord();
    EXPECT_EQ(basicTextReport(record, RecordFractionRows(record)), goldenFile("basic_plain.txt"));
}

TEST(TextReport, BasicWithFractionsMatchesGolden) {
    auto record = testing::sampleBasicRecord();
    testing::useRows(record, testing::fewFractionRows());
    EXPECT_EQ(basicTextReport(record, RecordFractionRows(record)),
              goldenFile("basic_fractions.txt"));
}

TEST(TextReport, AdditionalWithoutFractionsMatchesGolden) {
    const auto record = testing::sampleAdditionalRecord();
    EXPECT_EQ(additionalTextReport(record, RecordFractionRows(record)),
              goldenFile("additional_plain.txt"));
}

TEST(TextReport, AdditionalWithHundredRowsMatchesGolden) {
    auto record = testing::sampleAdditionalRecord();
    testing::useRows(record, testing::hundredFractionRows());
    EXPECT_EQ(additionalTextReport(record, RecordFractionRows(record)),
              goldenFile("additional_hundred_rows.txt"));
}

TEST(TextReport, WithoutFractionsResultsFollowThreeEmptyLines) {
    const auto record = testing::sampleBasicRecord();
    const auto lines = linesOf(basicTextReport(record, RecordFractionRows(record)));
    ASSERT_GT(lines.size(), 19u);
    EXPECT_EQ(lines[14].rfind("\tDensity : 702.7 (kg/m3)  at the temperature : 20 (", 0), 0u);
    EXPECT_EQ(lines[15], "");
    EXPECT_EQ(lines[16], "");
    EXPECT_EQ(lines[17], "");
    EXPECT_EQ(lines[18], "\tCalculation results");
}

TEST(TextReport, ColumnsArePaddedByCharactersNotBytes) {
    // "°", "С" and "Ж" take two bytes each in UTF-8 but one column on screen;
    // "✓", which the program's files cannot hold, is shown as "?" as in the
    // HTML report, and so is a byte that is not UTF-8 at all.
    auto record = testing::sampleBasicRecord();
    testing::useRows(record, {{"350", "°С°С", "Ж✓\xFF"}});
    const auto lines = linesOf(basicTextReport(record, RecordFractionRows(record)));
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
    EXPECT_EQ(lines[23].substr(0, 8), "\t|1  |35");
    EXPECT_EQ(lines[24], "\t|   |" + std::string(22, ' ') + "|" + std::string(19, ' ') + "|" +
                             std::string(33, ' ') + "|");
    EXPECT_EQ(lines[26].substr(0, 5), "\t+---");

    record.fractionCount = 250;
    const auto many = linesOf(basicTextReport(record, RecordFractionRows(record)));
    const auto basicPlainLines = linesOf(goldenFile("basic_plain.txt")).size();
    EXPECT_EQ(many.size(), basicPlainLines + 9 + 100);
}

TEST(TextReport, AdditionalPhaseLinesHaveNoEmptyLinesBetween) {
    const auto record = testing::sampleAdditionalRecord();
    const auto lines = linesOf(additionalTextReport(record, RecordFractionRows(record)));
    ASSERT_EQ(lines.size(), 45u);
    EXPECT_EQ(lines[23], "\tGas phase");
    EXPECT_EQ(lines[26], "\tThe share in the total mass, %% : 12.5");
    EXPECT_EQ(lines[27], "\tDensity : 4.91 (kg/m3)  ");
    EXPECT_EQ(lines[32], "\tPrandtl number : 0.74");
    EXPECT_EQ(lines[33], "");
    EXPECT_EQ(lines[34], "");
    EXPECT_EQ(lines[35], "\tLiquid phase");
    EXPECT_EQ(lines[44], "\tPrandtl number : 9.2");
}

} // namespace
} // namespace viskora
