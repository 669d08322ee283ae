#include "assays/assay_check.h"
#include "assays/assay_document.h"
#include "example_assays.h"

#include <gtest/gtest.h>

#include <ostream>

#include <string>

namespace viskora::assays {
namespace {

// Written and read again, an assay is the same, to the bit.
TEST(AssayDocument, ReadsBackWhatItWrites) {
    Assay assay = testing::mediumCrude();
    assay.name = "Crude \"A\" \xC3\xA9";
    assay.cuts[4].viscosity = StatedViscosity{0.1 + 0.2, 37.8};
    const AssayReadResult read = readAssayDocument(assayDocumentText(assay));
    ASSERT_TRUE(read.assay) << read.message;
    EXPECT_EQ(*read.assay, assay);
    EXPECT_TRUE(isAssayDocument(assayDocumentText(assay)));
}

// A file that nests without end, or holds a flood of values, is refused at
// once, unparsed, by what is wrong with it, and still known as an assay.
TEST(AssayDocument, AFloodOfValuesIsRefusedUnparsed) {
    const std::string head = R"({"format": "viskora-assay", "version": 1, "cuts": )";
    const std::string expected =
        "Cannot read this file.\nThe assay document is damaged: it nests deeper than 16 levels "
        "or holds more than 100000 values.";
    for (const std::string& text :
         {head + std::string(4'000'000, '['), head + "[" + std::string(400'000, ',') + "]}"}) {
        EXPECT_TRUE(isAssayDocument(text));
        EXPECT_EQ(readAssayDocument(text).message, expected);
    }
    // Sixteen levels are still read as JSON (and refused for what they hold).
    const std::string sixteen = head + std::string(15, '[') + std::string(15, ']') + "}";
    EXPECT_NE(readAssayDocument(sixteen).message, expected);
    EXPECT_FALSE(isAssayDocument(std::string(100, '[')));
}

// The most cuts an assay holds read back whole; one more is refused by its
// count before any cut is read.
TEST(AssayDocument, HoldsAtMostItsCapacityOfCuts) {
    Assay assay;
    assay.basis = YieldBasis::Mass;
    assay.density = StatedDensity{850, 15};
    for (std::size_t i = 0; i < kMaxAssayCuts; ++i) {
        assay.cuts.push_back(
            {35.0 + 5 * static_cast<double>(i), 40.0 + 5 * static_cast<double>(i), 1, {}, {}});
    }
    const AssayReadResult full = readAssayDocument(assayDocumentText(assay));
    ASSERT_TRUE(full.assay) << full.message;
    EXPECT_EQ(full.assay->cuts.size(), kMaxAssayCuts);
    EXPECT_EQ(assayProblem(*full.assay), std::nullopt);
    assay.cuts.push_back({535, 540, 1, {}, {}});
    EXPECT_EQ(readAssayDocument(assayDocumentText(assay)).message,
              "Cannot read this file.\nThe assay document is damaged: it has more than 100 cuts.");
    EXPECT_EQ(assayProblem(assay), "The assay has more than 100 cuts.");
}

struct DamagedDocument {
    const char* name;
    const char* from; // a text of the sound document
    const char* to;   // what replaces it
    const char* message;
};

void PrintTo(const DamagedDocument& row, std::ostream* out) {
    *out << row.name;
}

class DamagedAssayDocument : public ::testing::TestWithParam<DamagedDocument> {};

TEST_P(DamagedAssayDocument, IsRefusedByName) {
    std::string text = assayDocumentText(testing::mediumCrude());
    const std::size_t at = text.find(GetParam().from);
    ASSERT_NE(at, std::string::npos);
    text.replace(at, std::string(GetParam().from).size(), GetParam().to);
    const AssayReadResult read = readAssayDocument(text);
    EXPECT_FALSE(read.assay);
    EXPECT_EQ(read.message, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, DamagedAssayDocument,
    ::testing::Values(
        DamagedDocument{"NotJson", "{", "[",
                        "Cannot read this file.\nThis is not a Viskora assay document."},
        DamagedDocument{"OtherFormat", "viskora-assay", "viskora-curves",
                        "Cannot read this file.\nThis is not a Viskora assay document."},
        DamagedDocument{"NewerVersion", "\"version\": 1", "\"version\": 7",
                        "Cannot read this file.\nIt was written by a newer version of Viskora "
                        "(assay format 7)."},
        DamagedDocument{"NoVersion", "\"version\": 1", "\"versio\": 1",
                        "Cannot read this file.\nThe assay document is damaged: its format "
                        "version is missing."},
        DamagedDocument{"VersionPastAnyInteger", "\"version\": 1",
                        "\"version\": 99999999999999999999",
                        "Cannot read this file.\nThe assay document is damaged: its format "
                        "version is not one this program reads (it reads 1 to 1)."},
        DamagedDocument{"VersionPastASignedInteger", "\"version\": 1",
                        "\"version\": 18446744073709551615",
                        "Cannot read this file.\nThe assay document is damaged: its format "
                        "version is not one this program reads (it reads 1 to 1)."},
        DamagedDocument{"FractionalVersion", "\"version\": 1", "\"version\": 1.5",
                        "Cannot read this file.\nThe assay document is damaged: its format "
                        "version is not one this program reads (it reads 1 to 1)."},
        DamagedDocument{"ZeroVersion", "\"version\": 1", "\"version\": 0",
                        "Cannot read this file.\nThe assay document is damaged: its format "
                        "version is not one this program reads (it reads 1 to 1)."},
        DamagedDocument{"OverflowingVersion", "\"version\": 1", "\"version\": 1e999",
                        "Cannot read this file.\nThe assay document is damaged: its format "
                        "version is not one this program reads (it reads 1 to 1)."},
        DamagedDocument{"OverflowingYield", "\"yield\": 7.5", "\"yield\": 1e999",
                        "Cannot read this file.\nThe assay document is damaged: the number in "
                        "field cuts[2].yield is out of range."},
        DamagedDocument{"OverflowingDensity", "\"temp\": 15.6", "\"temp\": -2E+999",
                        "Cannot read this file.\nThe assay document is damaged: the number in "
                        "field density.temp is out of range."},
        DamagedDocument{"OverflowingStart", "\"start\": 36.0",
                        "\"start\": 1000000000000000000000000000000000000000000000000000000"
                        "0000000000000000000000000000000000000000000000000000000000000000000000"
                        "0000000000000000000000000000000000000000000000000000000000000000000000"
                        "0000000000000000000000000000000000000000000000000000000000000000000000"
                        "0000000000000000000000000000000000000000000000000000000000000000000000"
                        "00000000000000000000",
                        "Cannot read this file.\nThe assay document is damaged: the number in "
                        "field cuts[2].start is out of range."},
        DamagedDocument{"YieldBasis", "\"volume\"", "\"weight\"",
                        "Cannot read this file.\nThe assay document is damaged: yieldBasis is "
                        "neither mass nor volume."},
        DamagedDocument{"YieldText", "\"yield\": 7.5", "\"yield\": \"7.5\"",
                        "Cannot read this file.\nThe assay document is damaged: in cut 2, yield "
                        "is not a number."},
        DamagedDocument{"StartText", "\"start\": 36.0", "\"start\": true",
                        "Cannot read this file.\nThe assay document is damaged: in cut 2, start "
                        "is neither a number nor null."},
        DamagedDocument{"DensityTemp", "\"temp\": 15.6", "\"tmp\": 15.6",
                        "Cannot read this file.\nThe assay document is damaged: density: temp is "
                        "missing."},
        DamagedDocument{"CutsNotList", "\"cuts\": [", "\"cuts\": 7, \"x\": [",
                        "Cannot read this file.\nThe assay document is damaged: cuts is not a "
                        "list."}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace viskora::assays
