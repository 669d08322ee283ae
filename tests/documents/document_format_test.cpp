#include "documents/document_format.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace viskora {
namespace {

std::string joinLines(const std::vector<std::string>& lines, std::string_view end = "\n") {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += end;
    }
    return text;
}

std::vector<std::string> newBasicFileLines() {
    std::vector<std::string> lines = {"[General]", "type=Viskora",
                                      "state=1",   "version=1",
                                      "[Data]",    "702.7",
                                      "0",         "20",
                                      "1",         "0.000000",
                                      "0",         "0",
                                      "0.000000",  "0",
                                      "1",         "0.000000",
                                      "0",         "0",
                                      "0.000000",  "0",
                                      "1",         "0.000000",
                                      "0",         "0",
                                      "0.000000",  "0",
                                      "3",         "0.000000",
                                      "0",         "1",
                                      "0",         "0",
                                      "5"};
    lines.insert(lines.end(), 15, "0");
    return lines;
}

// A basic record with a result, non-ASCII texts and a few fraction rows.
BasicDocumentRecord sampleBasic() {
    BasicDocumentRecord record;
    record.densityText = "845.3";
    record.densityUnitIndex = 1;
    record.densityTempText = "15";
    record.tempUnitIndex = 2;
    record.resDensityBase = 842.123456;
    record.resDensityText = "842";
    record.resViscosityBase = -3.5;
    record.resViscosityText = "-3.50";
    record.resVapourBase = 0.00123;
    record.resVapourText = "1.23e-003";
    record.resVapourUnitIndex = 0;
    record.resCritTempText = "430°";
    record.resPrandtlText = "Прандтль";
    record.useFractions = 1;
    record.fractionCount = 3;
    record.fractions[0] = {"35", "100", "12.5"};
    record.fractions[1] = {"100", "200", "кусок"};
    record.fractions[2] = {"200", "", "47.5"};
    return record;
}

AdditionalDocumentRecord sampleAdditional() {
    AdditionalDocumentRecord record;
    record.densityText = "900";
    record.tempUnitIndex = 0;
    record.designTempText = "350";
    record.designPressureText = "1.5";
    record.pressureUnitIndex = 5;
    record.gasShareText = "33.4";
    record.gasDensityBase = 5.25;
    record.gasDensityText = "5.25";
    record.gasEnthalpyBase = 301.5;
    record.gasEnthalpyText = "302";
    record.gasEnthalpyUnitIndex = 5;
    record.gasPrandtlText = "0.712";
    record.liquidShareText = "66.6";
    record.liquidTensionBase = 0.0215;
    record.liquidTensionText = "0.0215";
    record.liquidTensionUnitIndex = 2;
    record.liquidPrandtlText = "12.3";
    record.useFractions = 0;
    record.fractionCount = 2;
    record.fractions[0] = {"40", "°С", "50"};
    record.fractions[1] = {"1", "2", "3"};
    return record;
}

// Reading a file and writing the record again gives the same bytes: every
// field survived.
void expectSameBasic(const BasicDocumentRecord& read, const BasicDocumentRecord& written) {
    EXPECT_EQ(basicDocumentText(read, RecordFractionRows(read)),
              basicDocumentText(written, RecordFractionRows(written)));
}

TEST(DocumentFormat, NewBasicDocumentIsTheFortyEightLineFile) {
    const BasicDocumentRecord record;
    const std::string bytes = basicDocumentText(record, RecordFractionRows(record));
    EXPECT_EQ(bytes, joinLines(newBasicFileLines()));
    EXPECT_EQ(std::ranges::count(bytes, '\n'), 48);
}

TEST(DocumentFormat, NewAdditionalDocumentLayout) {
    const AdditionalDocumentRecord record;
    const std::string bytes = additionalDocumentText(record, RecordFractionRows(record));
    std::vector<std::string> lines = {
        "[General]", "type=Viskora", "state=2", "version=1", "[Data]", "702.7", "0", "20",
        "1",         "50",           "1",       "0.3",       "3",      "0"};
    const int gasUnits[] = {0, 1, 0, 1, 1};
    for (int unit : gasUnits) {
        lines.insert(lines.end(), {"0.000000", "0", std::to_string(unit)});
    }
    lines.insert(lines.end(), {"0", "0"});
    const int liquidUnits[] = {0, 1, 0, 1, 0};
    for (int unit : liquidUnits) {
        lines.insert(lines.end(), {"0.000000", "0", std::to_string(unit)});
    }
    lines.insert(lines.end(), {"0", "0", "5"});
    lines.insert(lines.end(), 15, "0");
    ASSERT_EQ(lines.size(), 49u + 15u);
    EXPECT_EQ(bytes, joinLines(lines));
}

TEST(DocumentFormat, BasicRoundTrips) {
    for (bool withRows : {false, true}) {
        BasicDocumentRecord record = withRows ? sampleBasic() : BasicDocumentRecord{};
        const std::string bytes = basicDocumentText(record, RecordFractionRows(record));
        EXPECT_EQ(recogniseDocument(bytes), DocumentKind::Basic);
        expectSameBasic(readBasicDocument(bytes), record);
        EXPECT_EQ(std::ranges::count(bytes, '\n'), 33 + 3 * record.fractionCount);
    }
    const BasicDocumentRecord sample = sampleBasic();
    const BasicDocumentRecord read =
        readBasicDocument(basicDocumentText(sample, RecordFractionRows(sample)));
    EXPECT_EQ(read.resPrandtlText, "Прандтль");
    EXPECT_EQ(read.fractions[1][2], "кусок");
    EXPECT_DOUBLE_EQ(read.resDensityBase, 842.123456);
}

TEST(DocumentFormat, AdditionalRoundTrip) {
    const AdditionalDocumentRecord record = sampleAdditional();
    const std::string bytes = additionalDocumentText(record, RecordFractionRows(record));
    EXPECT_EQ(recogniseDocument(bytes), DocumentKind::Additional);
    EXPECT_EQ(std::ranges::count(bytes, '\n'), 49 + 3 * 2);
    const AdditionalDocumentRecord read = readAdditionalDocument(bytes);
    EXPECT_TRUE(read.loadedFromFile);
    EXPECT_EQ(read.liquidTensionUnitIndex, 2);
    EXPECT_EQ(read.fractions[0][1], "°С");
    EXPECT_EQ(additionalDocumentText(read, RecordFractionRows(read)), bytes);
}

TEST(DocumentFormat, TextsAreWindows1251InTheFile) {
    const BasicDocumentRecord record = sampleBasic();
    const std::string bytes = basicDocumentText(record, RecordFractionRows(record));
    EXPECT_NE(bytes.find("\n430\xB0\n"), std::string::npos);
    EXPECT_NE(bytes.find("\n\xEA\xF3\xF1\xEE\xEA\n"), std::string::npos); // "кусок"
    EXPECT_EQ(bytes.find("\xC2\xB0"), std::string::npos);
}

TEST(DocumentFormat, BaseValuesKeepTheirDigits) {
    struct Case {
        double value;
        const char* line;
    };
    const Case cases[] = {
        {702.7, "702.700000"},       {-2.0000004, "-2.000000"}, {0, "0.000000"},
        {0.001, "0.001000"},         // fixed notation down to 0.001
        {0.000999, "9.990000e-04"},  // below it, six decimals of the mantissa
        {2.48e-8, "2.480000e-08"},   // a vapour pressure in MPa, once saved as 0
        {-2.48e-8, "-2.480000e-08"}, //
        {1e-300, "1.000000e-300"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        BasicDocumentRecord record;
        record.resVapourBase = c.value;
        const std::string bytes = basicDocumentText(record, RecordFractionRows(record));
        EXPECT_NE(bytes.find("\n" + std::string(c.line) + "\n"), std::string::npos);
        EXPECT_NEAR(readBasicDocument(bytes).resVapourBase, c.value, std::fabs(c.value) * 1e-6);
    }
}

TEST(DocumentFormat, BaseValuesThatAreNotFiniteAreWrittenAsZero) {
    BasicDocumentRecord record;
    record.resViscosityBase = std::numeric_limits<double>::infinity();
    record.resTensionBase = std::numeric_limits<double>::quiet_NaN();
    const std::string bytes = basicDocumentText(record, RecordFractionRows(record));
    EXPECT_EQ(bytes.find("inf"), std::string::npos);
    EXPECT_EQ(bytes.find("nan"), std::string::npos);
    EXPECT_EQ(readBasicDocument(bytes).resViscosityBase, 0.0);
}

TEST(DocumentFormat, LineBreaksInsideATextDoNotShiftTheLines) {
    BasicDocumentRecord record;
    record.densityText = "70\n2.7";
    record.densityTempText = "2\r0";
    const std::string bytes = basicDocumentText(record, RecordFractionRows(record));
    EXPECT_EQ(std::ranges::count(bytes, '\n'), 48);
    const BasicDocumentRecord read = readBasicDocument(bytes);
    EXPECT_EQ(read.densityText, "70 2.7");
    EXPECT_EQ(read.densityTempText, "2 0");
    EXPECT_EQ(read.tempUnitIndex, 1);
}

// A grid whose count box asks for more rows than the grid has.
class ShortGrid : public FractionRows {
  public:
    int rowCount() const override { return 5; }
    std::string cell(int row, int column) const override {
        if (row < 0 || row >= 5 || column < 0 || column > 3) {
            return {};
        }
        return column == 0 ? std::to_string(row + 1) : "g" + std::to_string(row);
    }
};

TEST(DocumentFormat, CountAboveTheGridRowsWritesEmptyRows) {
    BasicDocumentRecord record;
    record.fractionCount = 7;
    const std::string bytes = basicDocumentText(record, ShortGrid());
    const std::string tail =
        joinLines({"7",  "g0", "g0", "g0", "g1", "g1", "g1", "g2", "g2", "g2", "g3",
                   "g3", "g3", "g4", "g4", "g4", "",   "",   "",   "",   "",   ""});
    EXPECT_TRUE(bytes.ends_with(tail));
    const BasicDocumentRecord read = readBasicDocument(bytes);
    EXPECT_EQ(read.fractionCount, 7);
    EXPECT_EQ(read.fractions[6], (FractionRow{"", "", ""}));
    EXPECT_EQ(read.fractions[7], (FractionRow{"0", "0", "0"}));
}

TEST(DocumentFormat, WrittenRowsStayWithinTheTable) {
    for (int count : {150, -3}) {
        BasicDocumentRecord record;
        record.fractionCount = count;
        const std::string bytes = basicDocumentText(record, RecordFractionRows(record));
        const int written = std::clamp(count, 0, kFractionRowCapacity);
        EXPECT_EQ(std::ranges::count(bytes, '\n'), 33 + 3 * written) << count;
        EXPECT_EQ(readBasicDocument(bytes).fractionCount, written) << count;
    }
}

std::string basicFileWithCount(std::string_view count, int rowLines) {
    std::vector<std::string> lines = newBasicFileLines();
    lines.resize(32);
    lines.push_back(std::string(count));
    for (int i = 0; i < rowLines; ++i) {
        lines.push_back("r" + std::to_string(i));
    }
    return joinLines(lines);
}

TEST(DocumentFormat, FileCountsOutsideTheTableAreBroughtIntoIt) {
    struct Case {
        std::string_view count;
        int rowLines;
        int expectedCount;
    };
    const Case cases[] = {
        {"150", 450, 100},      {"101", 10, 100}, {"2147483647", 3, 100}, {"-5", 6, 0},
        {"-99999999999", 6, 0}, {"0", 3, 0},      {"abc", 3, 0},          {"3", 9, 3},
    };
    for (const Case& c : cases) {
        const BasicDocumentRecord read = readBasicDocument(basicFileWithCount(c.count, c.rowLines));
        EXPECT_EQ(read.fractionCount, c.expectedCount) << c.count;
        if (c.expectedCount > 0) {
            EXPECT_EQ(read.fractions[0], (FractionRow{"r0", "r1", "r2"})) << c.count;
        } else {
            EXPECT_EQ(read.fractions[0], (FractionRow{"0", "0", "0"})) << c.count;
        }
    }
    const BasicDocumentRecord full = readBasicDocument(basicFileWithCount("150", 450));
    EXPECT_EQ(full.fractions[99], (FractionRow{"r297", "r298", "r299"}));
}

TEST(DocumentFormat, FileEndingEarlyReadsEmptyAndZero) {
    const std::string full = joinLines(newBasicFileLines());
    // Cut after line 7 (the density unit index) and in the middle of line 8.
    std::string bytes =
        joinLines({"[General]", "type=Viskora", "state=1", "version=1", "[Data]", "845", "2"}) +
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

TEST(DocumentFormat, LineEndsOfOtherSystemsReadTheSame) {
    const BasicDocumentRecord record = sampleBasic();
    const std::string lf = basicDocumentText(record, RecordFractionRows(record));
    std::string crlf;
    std::string cr;
    for (char c : lf) {
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
        cr += c == '\n' ? '\r' : c;
    }
    EXPECT_EQ(recogniseDocument(crlf), DocumentKind::Basic);
    EXPECT_EQ(recogniseDocument(cr), DocumentKind::Basic);
    expectSameBasic(readBasicDocument(crlf), record);
    expectSameBasic(readBasicDocument(cr), record);
}

TEST(DocumentFormat, OnlyTheLineFeedOfAPairIsSwallowed) {
    // Lone CRs end lines without eating the first byte of the next line;
    // CR CR is an empty line between them.
    const std::string bytes = "[General]\rtype=Viskora\rstate=1\rversion=1\r[Data]\r845\r\r20\r\n3";
    const BasicDocumentRecord read = readBasicDocument(bytes);
    EXPECT_EQ(read.densityText, "845");
    EXPECT_EQ(read.densityUnitIndex, 0);
    EXPECT_EQ(read.densityTempText, "20");
    EXPECT_EQ(read.tempUnitIndex, 3);
}

TEST(DocumentFormat, LenientNumbers) {
    struct Case {
        std::string_view line;
        int integer;
        double base;
    };
    const Case cases[] = {
        {"  12abc", 12, 12.0}, {"-7", -7, -7.0}, {"+3", 3, 3.0},   {"", 0, 0.0},
        {"inf", 0, 0.0},       {"nan", 0, 0.0},  {"0x10", 0, 0.0}, {"1e999", 1, 0.0},
        {"2.5e1", 2, 25.0},    {"x5", 0, 0.0},   {".5", 0, 0.5},   {"- 4", 0, 0.0},
    };
    for (const Case& c : cases) {
        // The line is read as the density result's base value and as the
        // fraction check box, the one integer that is not a unit index.
        std::vector<std::string> lines = {
            "[General]", "type=Viskora",      "state=1", "version=1", "[Data]", "t", "0", "t",
            "1",         std::string(c.line), "t",       "0"};
        lines.insert(lines.end(), 18, "0");
        lines.push_back("t");
        lines.emplace_back(c.line);
        const BasicDocumentRecord read = readBasicDocument(joinLines(lines));
        EXPECT_EQ(read.useFractions, c.integer) << c.line;
        EXPECT_DOUBLE_EQ(read.resDensityBase, c.base) << c.line;
    }
}

// A damaged file's unit index outside its list reads as the base unit's,
// the unit its value is read in.
TEST(DocumentFormat, UnitIndicesOutsideTheirListsReadAsTheBaseUnits) {
    std::vector<std::string> lines = newBasicFileLines();
    lines[6] = "40";  // density unit
    lines[8] = "-3";  // temperature unit
    lines[11] = "99"; // density result unit
    lines[26] = "11"; // vapour pressure unit: the last of its list
    const BasicDocumentRecord read = readBasicDocument(joinLines(lines));
    EXPECT_EQ(read.densityUnitIndex, 0);
    EXPECT_EQ(read.tempUnitIndex, 1);
    EXPECT_EQ(read.resDensityUnitIndex, 0);
    EXPECT_EQ(read.resVapourUnitIndex, 11);

    const AdditionalDocumentRecord additional = sampleAdditional();
    std::string bytes = additionalDocumentText(additional, RecordFractionRows(additional));
    const std::size_t pressure = bytes.find("\n1.5\n5\n"); // the pressure and its unit
    ASSERT_NE(pressure, std::string::npos);
    bytes.replace(pressure, 7, "\n1.5\n12\n");
    EXPECT_EQ(readAdditionalDocument(bytes).pressureUnitIndex, 3);
}

TEST(DocumentFormat, AdditionalLineElevenIsIgnored) {
    const AdditionalDocumentRecord record = sampleAdditional();
    std::string bytes = additionalDocumentText(record, RecordFractionRows(record));
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < bytes.size();) {
        const std::size_t end = bytes.find('\n', start);
        lines.push_back(bytes.substr(start, end - start));
        start = end + 1;
    }
    lines[10] = "deg.F or whatever";
    const AdditionalDocumentRecord read = readAdditionalDocument(joinLines(lines));
    EXPECT_EQ(read.tempUnitIndex, record.tempUnitIndex);
    EXPECT_EQ(read.designPressureText, record.designPressureText);
    EXPECT_EQ(read.pressureUnitIndex, record.pressureUnitIndex);
}

TEST(DocumentFormat, ExtraLinesAfterTheLastFieldAreIgnored) {
    const BasicDocumentRecord record = sampleBasic();
    const std::string bytes =
        basicDocumentText(record, RecordFractionRows(record)) + "junk\n\x01\x02\nmore";
    expectSameBasic(readBasicDocument(bytes), record);
}

} // namespace
} // namespace viskora
