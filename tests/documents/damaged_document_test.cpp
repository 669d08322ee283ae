#include "document_samples.h"
#include "documents/document_format.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <ostream>
#include <string>
#include <vector>

namespace viskora {
namespace {

std::string basicFileWithCount(std::string_view count, int rowLines) {
    std::vector<std::string> lines = testing::newBasicFileLines();
    lines.resize(32);
    lines.push_back(std::string(count));
    for (int i = 0; i < rowLines; ++i) {
        lines.push_back("r" + std::to_string(i));
    }
    return testing::joinLines(lines);
}

// A count line as a damaged or foreign file may hold it, followed by as
// many row lines.
struct FileCount {
    std::string_view count;
    int rowLines;
    int expectedCount;
};

void PrintTo(const FileCount& row, std::ostream* out) {
    *out << row.count;
}

class FileCounts : public ::testing::TestWithParam<FileCount> {};

TEST_P(FileCounts, AreBroughtIntoTheTable) {
    const FileCount& c = GetParam();
    const BasicDocumentRecord read = readBasicDocument(basicFileWithCount(c.count, c.rowLines));
    EXPECT_EQ(read.fractionCount, c.expectedCount);
    const FractionRow first =
        c.expectedCount > 0 ? FractionRow{"r0", "r1", "r2"} : FractionRow{"0", "0", "0"};
    EXPECT_EQ(read.fractions[0], first);
}

INSTANTIATE_TEST_SUITE_P(AboveBelowAndInside, FileCounts,
                         ::testing::Values(FileCount{"150", 450, 100}, FileCount{"101", 10, 100},
                                           FileCount{"2147483647", 3, 100}, FileCount{"-5", 6, 0},
                                           FileCount{"-99999999999", 6, 0}, FileCount{"0", 3, 0},
                                           FileCount{"abc", 3, 0}, FileCount{"3", 9, 3}));

TEST(DamagedDocument, AHundredRowsAreReadOfACountAboveThem) {
    const BasicDocumentRecord full = readBasicDocument(basicFileWithCount("150", 450));
    EXPECT_EQ(full.fractions[99], (FractionRow{"r297", "r298", "r299"}));
}

TEST(DamagedDocument, FileEndingEarlyReadsEmptyAndZero) {
    const std::string full = testing::joinLines(testing::newBasicFileLines());
    // Cut after line 7 (the density unit index) and in the middle of line 8.
    std::string bytes = testing::joinLines({"[General]", "type=Viskora", "state=1", "version=1",
                                            "[Data]", "845", "2"}) +
                        "1";
    const BasicDocumentRecord read = readBasicDocument(bytes);
    EXPECT_EQ(read.densityText, "845");
    EXPECT_EQ(read.densityUnitIndex, 2);
    EXPECT_EQ(read.densityTempText, "1");
    EXPECT_EQ(read.tempUnitIndex, 0);
    EXPECT_EQ(read.resDensityBase, 0.0);
    EXPECT_EQ(read.resDensityText, "");
    EXPECT_EQ(read.resVapourUnitIndex, 0);
    EXPECT_EQ(read.resPrandtlText, "");
    EXPECT_EQ(read.fractionCount, 0);

    for (std::size_t cut = 0; cut <= full.size(); ++cut) {
        EXPECT_NO_THROW(readBasicDocument(std::string_view(full).substr(0, cut)));
        EXPECT_NO_THROW(readAdditionalDocument(std::string_view(full).substr(0, cut)));
    }
    const AdditionalDocumentRecord empty = readAdditionalDocument("");
    EXPECT_EQ(empty.densityText, "");
    EXPECT_EQ(empty.pressureUnitIndex, 0);
    EXPECT_TRUE(empty.loadedFromFile);
}

TEST(DamagedDocument, LineEndsOfOtherSystemsReadTheSame) {
    const BasicDocumentRecord record = testing::sampleBasic();
    const std::string lf = basicDocumentText(record, RecordFractionRows(record));
    std::string crlf;
    std::string cr;
    for (char c : lf) {
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
        cr += c == '\n' ? '\r' : c;
    }
    EXPECT_EQ(recogniseDocument(crlf), DocumentKind::Basic);
    EXPECT_EQ(recogniseDocument(cr), DocumentKind::Basic);
    testing::expectSameBasic(readBasicDocument(crlf), record);
    testing::expectSameBasic(readBasicDocument(cr), record);
}

TEST(DamagedDocument, OnlyTheLineFeedOfAPairIsSwallowed) {
    // Lone CRs end lines without eating the first byte of the next line;
    // CR CR is an empty line between them.
    const std::string bytes = "[General]\rtype=Viskora\rstate=1\rversion=1\r[Data]\r845\r\r20\r\n3";
    const BasicDocumentRecord read = readBasicDocument(bytes);
    EXPECT_EQ(read.densityText, "845");
    EXPECT_EQ(read.densityUnitIndex, 0);
    EXPECT_EQ(read.densityTempText, "20");
    EXPECT_EQ(read.tempUnitIndex, 3);
}

// A line read as the density result's base value and as the fraction check
// box, the one integer that is not a unit index.
struct LenientNumber {
    std::string_view line;
    int integer;
    double base;
};

void PrintTo(const LenientNumber& row, std::ostream* out) {
    *out << row.line;
}

class LenientNumbers : public ::testing::TestWithParam<LenientNumber> {};

TEST_P(LenientNumbers, ReadAsTheirLeadingNumber) {
    const LenientNumber& c = GetParam();
    std::vector<std::string> lines = {
        "[General]", "type=Viskora",      "state=1", "version=1", "[Data]", "t", "0", "t",
        "1",         std::string(c.line), "t",       "0"};
    lines.insert(lines.end(), 18, "0");
    lines.push_back("t");
    lines.emplace_back(c.line);
    const BasicDocumentRecord read = readBasicDocument(testing::joinLines(lines));
    EXPECT_EQ(read.useFractions, c.integer);
    EXPECT_DOUBLE_EQ(read.resDensityBase, c.base);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, LenientNumbers,
    ::testing::Values(LenientNumber{"  12abc", 12, 12.0}, LenientNumber{"-7", -7, -7.0},
                      LenientNumber{"+3", 3, 3.0}, LenientNumber{"", 0, 0.0},
                      // not finite, or not a number the reader takes: 0
                      LenientNumber{"inf", 0, 0.0}, LenientNumber{"nan", 0, 0.0},
                      LenientNumber{"0x10", 0, 0.0}, LenientNumber{"1e999", 1, 0.0},
                      LenientNumber{"2.5e1", 2, 25.0}, LenientNumber{"x5", 0, 0.0},
                      LenientNumber{".5", 0, 0.5}, LenientNumber{"- 4", 0, 0.0}));

// A damaged file's unit index outside its list reads as the base unit's,
// the unit its value is read in.
TEST(DamagedDocument, UnitIndicesOutsideTheirListsReadAsTheBaseUnits) {
    std::vector<std::string> lines = testing::newBasicFileLines();
    ASSERT_GT(lines.size(), 26u);
    lines[6] = "40";  // density unit
    lines[8] = "-3";  // temperature unit
    lines[11] = "99"; // density result unit
    lines[26] = "11"; // vapour pressure unit: the last of its list
    const BasicDocumentRecord read = readBasicDocument(testing::joinLines(lines));
    EXPECT_EQ(read.densityUnitIndex, 0);
    EXPECT_EQ(read.tempUnitIndex, 1);
    EXPECT_EQ(read.resDensityUnitIndex, 0);
    EXPECT_EQ(read.resVapourUnitIndex, 11);

    const AdditionalDocumentRecord additional = testing::sampleAdditional();
    std::string bytes = additionalDocumentText(additional, RecordFractionRows(additional));
    const std::size_t pressure = bytes.find("\n1.5\n5\n"); // the pressure and its unit
    ASSERT_NE(pressure, std::string::npos);
    bytes.replace(pressure, 7, "\n1.5\n12\n");
    EXPECT_EQ(readAdditionalDocument(bytes).pressureUnitIndex, 3);
}

TEST(DamagedDocument, AdditionalLineElevenIsIgnored) {
    const AdditionalDocumentRecord record = testing::sampleAdditional();
    std::string bytes = additionalDocumentText(record, RecordFractionRows(record));
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < bytes.size();) {
        const std::size_t end = bytes.find('\n', start);
        lines.push_back(bytes.substr(start, end - start));
        start = end + 1;
    }
    ASSERT_GT(lines.size(), 10u);
    lines[10] = "deg.F or whatever";
    const AdditionalDocumentRecord read = readAdditionalDocument(testing::joinLines(lines));
    EXPECT_EQ(read.tempUnitIndex, record.tempUnitIndex);
    EXPECT_EQ(read.designPressureText, record.designPressureText);
    EXPECT_EQ(read.pressureUnitIndex, record.pressureUnitIndex);
}

TEST(DamagedDocument, ExtraLinesAfterTheLastFieldAreIgnored) {
    const BasicDocumentRecord record = testing::sampleBasic();
    const std::string bytes =
        basicDocumentText(record, RecordFractionRows(record)) + "junk\n\x01\x02\nmore";
    testing::expectSameBasic(readBasicDocument(bytes), record);
}

} // namespace
} // namespace viskora
