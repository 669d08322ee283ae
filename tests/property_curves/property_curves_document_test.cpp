#include "property_curves/property_curves_document.h"

#include "../reports/temporary_folder.h"

#include <gtest/gtest.h>

#include <ostream>

#include <fstream>

namespace viskora {
namespace {

// Every field away from its default, texts as a user may type them.
CurveDocument fullDocument() {
    CurveDocument d;
    d.densityText = "0,85e3 kg";
    d.densityUnitIndex = 2;
    d.densityTempText = "68";
    d.tempUnitIndex = 2;
    d.useFractions = true;
    d.fractions = {{"86", "212", "12.5"}, {"212", "392", "30"}, {"392", "", "\"57.5\"\n"}};
    d.variable = SweepVariable::Pressure;
    d.fromText = "1";
    d.toText = "45.5";
    d.stepText = "";
    d.pointCount = 1000;
    d.designTempText = "302 °F";
    d.designPressureText = "14.7";
    d.pressureUnitIndex = 10;
    d.measured = {{"1.644", 4, "32"}, {"9.95e-6", 0, "104"}};
    d.columnUnits = {{"liquidViscosity", 4}, {"temperature", 2}, {"gasDensity", 9}};
    d.viscosityMethod = ViscosityMethod::NarrowCuts;
    return d;
}

TEST(CurveDocument, ReadsBackExactlyThroughAFile) {
    testing::TemporaryFolder folder;
    const auto path = folder.path() / "crude.vkc";
    const CurveDocument written = fullDocument();
    ASSERT_TRUE(saveCurveDocument(path, written));
    const CurveReadResult read = openCurveDocument(path);
    ASSERT_TRUE(read.document) << read.message;
    EXPECT_EQ(*read.document, written);
    // A new document too: the defaults survive, the empty lists stay empty.
    const CurveReadResult fresh = readCurveDocument(curveDocumentText(CurveDocument{}));
    ASSERT_TRUE(fresh.document) << fresh.message;
    EXPECT_EQ(*fresh.document, CurveDocument{});
    // A curve of the oil as a whole is written as before the method existed.
    EXPECT_EQ(curveDocumentText(CurveDocument{}).find("viscosityMethod"), std::string::npos);
}

struct DamagedCase {
    const char* name;
    const char* from; // replaced once in a sound document's text ...
    const char* to;   // ... by this
    const char* message;
};

void PrintTo(const DamagedCase& row, std::ostream* out) {
    *out << row.name;
}

class DamagedCurveDocument : public ::testing::TestWithParam<DamagedCase> {};

TEST_P(DamagedCurveDocument, IsRefusedWithAClearMessage) {
    const DamagedCase& c = GetParam();
    std::string text = curveDocumentText(fullDocument());
    const std::size_t at = text.find(c.from);
    ASSERT_NE(at, std::string::npos) << c.from;
    text.replace(at, std::string(c.from).size(), c.to);
    const CurveReadResult read = readCurveDocument(text);
    EXPECT_FALSE(read.document);
    EXPECT_NE(read.message.find(c.message), std::string::npos) << read.message;
}

INSTANTIATE_TEST_SUITE_P(
    Faults, DamagedCurveDocument,
    ::testing::Values(
        DamagedCase{"BrokenJson", "\"sweep\"", "", "not a Viskora property curves document"},
        DamagedCase{"OtherFormat", "viskora-curves", "viskora-report",
                    "not a Viskora property curves document"},
        DamagedCase{"NewerVersion", "\"version\": 1", "\"version\": 2", "newer version"},
        DamagedCase{"VersionMissing", "\"version\": 1", "\"versio\": 1", "format version"},
        DamagedCase{"VersionPastAnyInteger", "\"version\": 1", "\"version\": 99999999999999999999",
                    "damaged: its format version is not one this program reads (it reads 1 to 1)."},
        DamagedCase{"OverflowingPoints", "\"points\": 1000", "\"points\": 1e999",
                    "damaged: the number in field sweep.points is out of range."},
        DamagedCase{"UnitIndexOutOfRange", "\"pressureUnit\": 10", "\"pressureUnit\": 12",
                    "in sweep, pressureUnit is out of range"},
        DamagedCase{"NumberForText", "\"density\": \"0,85e3 kg\"", "\"density\": 850",
                    "in oil, density is missing or not a text"},
        DamagedCase{"ShortFractionRow", "\"212\",\n        \"392\",", "\"212\",",
                    "a fraction row is not three texts"},
        DamagedCase{"TooManyPoints", "\"points\": 1000", "\"points\": 1001",
                    "points is out of range"},
        DamagedCase{"UnknownVariable", "\"variable\": \"pressure\"", "\"variable\": \"depth\"",
                    "variable is neither"},
        DamagedCase{"ColumnWithoutUnits", "\"gasDensity\"", "\"gasPrandtl\"",
                    "the column gasPrandtl has no unit list"},
        DamagedCase{"NestedWithoutEnd", "\"measured\": [", "\"measured\": [[[[[[[[[[[[[[[[",
                    "it nests deeper than 16 levels"},
        DamagedCase{"UnknownLightEnd", "\"useFractions\"",
                    "\"lightEnds\": {\"methane\": \"1\"}, \"useFractions\"",
                    "lightEnds holds methane, which is not a light end"},
        DamagedCase{"UnknownViscosityMethod", "\"viscosityMethod\": \"cuts\"",
                    "\"viscosityMethod\": \"both\"",
                    "in oil, viscosityMethod is neither whole nor cuts"},
        DamagedCase{"ThreeMeasured", "\"measured\": [", "\"measured\": [1,",
                    "more than two measured viscosities"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace viskora
