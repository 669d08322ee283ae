#include "document_samples.h"
#include "documents/document_format.h"

#include "units/display_format.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

namespace viskora {
namespace {

TEST(DocumentFormat, NewBasicDocumentIsTheFortyEightLineFile) {
    const BasicDocumentRecord record;
    const std::string bytes = basicDocumentText(record, RecordFractionRows(record));
    EXPECT_EQ(bytes, testing::joinLines(testing::newBasicFileLines()));
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
    EXPECT_EQ(bytes, testing::joinLines(lines));
}

TEST(DocumentFormat, BasicRoundTrips) {
    for (bool withRows : {false, true}) {
        BasicDocumentRecord record = withRows ? testing::sampleBasic() : BasicDocumentRecord{};
        const std::string bytes = basicDocumentText(record, RecordFractionRows(record));
        EXPECT_EQ(recogniseDocument(bytes), DocumentKind::Basic);
        testing::expectSameBasic(readBasicDocument(bytes), record);
        EXPECT_EQ(std::ranges::count(bytes, '\n'), 33 + 3 * record.fractionCount);
    }
    const BasicDocumentRecord sample = testing::sampleBasic();
    const BasicDocumentRecord read =
        readBasicDocument(basicDocumentText(sample, RecordFractionRows(sample)));
    EXPECT_EQ(read.resPrandtlText, "Прандтль");
    EXPECT_EQ(read.fractions[1][2], "кусок");
    EXPECT_DOUBLE_EQ(read.resDensityBase, 842.123456);
}

TEST(DocumentFormat, AdditionalRoundTrip) {
    const AdditionalDocumentRecord record = testing::sampleAdditional();
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
    const BasicDocumentRecord record = testing::sampleBasic();
    const std::string bytes = basicDocumentText(record, RecordFractionRows(record));
    EXPECT_NE(bytes.find("\n430\xB0\n"), std::string::npos);
    EXPECT_NE(bytes.find("\n\xEA\xF3\xF1\xEE\xEA\n"), std::string::npos); // "кусок"
    EXPECT_EQ(bytes.find("\xC2\xB0"), std::string::npos);
}

// Base values on their line and back, each with the digits it keeps.
struct BaseValueLine {
    double value;
    const char* line;
};

void PrintTo(const BaseValueLine& row, std::ostream* out) {
    *out << row.line;
}

class BaseValueLines : public ::testing::TestWithParam<BaseValueLine> {};

TEST_P(BaseValueLines, KeepTheirDigits) {
    BasicDocumentRecord record;
    record.resVapourBase = GetParam().value;
    const std::string bytes = basicDocumentText(record, RecordFractionRows(record));
    EXPECT_NE(bytes.find("\n" + std::string(GetParam().line) + "\n"), std::string::npos);
    EXPECT_NEAR(readBasicDocument(bytes).resVapourBase, GetParam().value,
                std::fabs(GetParam().value) * 1e-6);
}

INSTANTIATE_TEST_SUITE_P(FixedAndExponent, BaseValueLines,
                         ::testing::Values(BaseValueLine{702.7, "702.700000"},
                                           BaseValueLine{-2.0000004, "-2.000000"},
                                           BaseValueLine{0, "0.000000"},
                                           // fixed notation down to 0.001
                                           BaseValueLine{0.001, "0.001000"},
                                           // below it, six decimals of the mantissa
                                           BaseValueLine{0.000999, "9.990000e-04"},
                                           // a vapour pressure in MPa, once saved as 0
                                           BaseValueLine{2.48e-8, "2.480000e-08"},
                                           BaseValueLine{-2.48e-8, "-2.480000e-08"},
                                           BaseValueLine{1e-300, "1.000000e-300"}));

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
        testing::joinLines({"7",  "g0", "g0", "g0", "g1", "g1", "g1", "g2", "g2", "g2", "g3",
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

TEST(DocumentFormat, NarrowCutsAddOneLineAfterTheRows) {
    BasicDocumentRecord record;
    record.fractionCount = 0;
    const std::string whole = basicDocumentText(record, RecordFractionRows(record));
    record.viscosityMethod = ViscosityMethod::NarrowCuts;
    EXPECT_EQ(basicDocumentText(record, RecordFractionRows(record)), whole + "viscosity=cuts\n");
    EXPECT_EQ(readBasicDocument(whole + "viscosity=cuts\n").viscosityMethod,
              ViscosityMethod::NarrowCuts);
}

// By narrow cuts, the vapour pressure's method, the light ends as typed and
// an additional calculation's bubble point follow the rows, and read back;
// a light end whose share box is empty writes no line.
TEST(DocumentFormat, VapourPressureByNarrowCutsKeepsItsLightEndsAndBubblePoint) {
    AdditionalDocumentRecord record = testing::sampleAdditional();
    record.viscosityMethod = ViscosityMethod::WholeOil;
    const std::string before = additionalDocumentText(record, RecordFractionRows(record));
    record.vapourPressureMethod = VapourPressureMethod::NarrowCuts;
    record.lightEnds[static_cast<int>(LightEnd::Propane)] = "0.35";
    record.lightEnds[static_cast<int>(LightEnd::NButane)] = "1,5";
    record.bubblePointBase = 0.0423;
    record.bubblePointUnitIndex = 1;
    const std::string bytes = additionalDocumentText(record, RecordFractionRows(record));
    EXPECT_EQ(bytes, before + "vapourPressure=cuts\nlightEnd=propane:0.35\nlightEnd=n-butane:1,5\n"
                              "bubblePoint=0.042300\nbubblePointUnit=1\n");
    AdditionalDocumentRecord read;
    readAdditionalDocument(bytes, read);
    EXPECT_EQ(read.vapourPressureMethod, VapourPressureMethod::NarrowCuts);
    EXPECT_EQ(read.lightEnds, record.lightEnds);
    EXPECT_EQ(read.bubblePointBase, 0.0423);
    EXPECT_EQ(read.bubblePointUnitIndex, 1);
    EXPECT_EQ(read.bubblePointText, formatInUnit(Quantity::Pressure, 0.0423, 1));
    // Read into a record that held them, a file without the lines clears them.
    readAdditionalDocument(before, read);
    EXPECT_EQ(read.vapourPressureMethod, VapourPressureMethod::AverageBoilingPoint);
    EXPECT_EQ(read.lightEnds, LightEndTexts{});
    EXPECT_EQ(read.bubblePointBase, 0);
}

// What follows the last fraction row, and the method read into a record that
// held the other one.
struct MethodTail {
    const char* tail;
    ViscosityMethod method;
};

void PrintTo(const MethodTail& row, std::ostream* out) {
    *out << '"' << row.tail << '"';
}

class MethodTails : public ::testing::TestWithParam<MethodTail> {};

TEST_P(MethodTails, OnlyTheLineRightAfterTheRowsNamingCutsMeansNarrowCuts) {
    const BasicDocumentRecord written = testing::sampleBasic();
    BasicDocumentRecord read;
    read.viscosityMethod = GetParam().method == ViscosityMethod::WholeOil
                               ? ViscosityMethod::NarrowCuts
                               : ViscosityMethod::WholeOil;
    readBasicDocument(basicDocumentText(written, RecordFractionRows(written)) + GetParam().tail,
                      read);
    EXPECT_EQ(read.viscosityMethod, GetParam().method);
    EXPECT_EQ(read.fractions[1], written.fractions[1]);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, MethodTails,
    ::testing::Values(MethodTail{"", ViscosityMethod::WholeOil}, // every older file
                      MethodTail{"viscosity=cuts", ViscosityMethod::NarrowCuts},
                      MethodTail{"viscosity=cuts\r\nviscosity=whole\n",
                                 ViscosityMethod::NarrowCuts},
                      MethodTail{"viscosity=whole\n", ViscosityMethod::WholeOil},
                      // Unknown words leave the file readable.
                      MethodTail{"viscosity=CUTS\n", ViscosityMethod::WholeOil},
                      MethodTail{"viscosity=\n", ViscosityMethod::WholeOil},
                      MethodTail{"method=cuts\n", ViscosityMethod::WholeOil},
                      // The line has its place.
                      MethodTail{"\nviscosity=cuts\n", ViscosityMethod::WholeOil}));

} // namespace
} // namespace viskora
