#include "documents/document_format.h"
#include "reports/html_report.h"
#include "reports/shown_text.h"
#include "sample_documents.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace viskora {
namespace {

std::string repeated(std::string_view part, std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        text += part;
    }
    return text;
}

struct ShownCase {
    const char* name;
    std::string text;
    std::string shown;
};

void PrintTo(const ShownCase& row, std::ostream* out) {
    *out << row.name;
}

class ShownTexts : public ::testing::TestWithParam<ShownCase> {};

TEST_P(ShownTexts, KeepAtMostTheLimitOfCharactersAndMarkTheCut) {
    EXPECT_EQ(shownText(GetParam().text), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ShownTexts,
    ::testing::Values(ShownCase{"AtTheLimit", std::string(kMaxShownCharacters, '9'),
                                std::string(kMaxShownCharacters, '9')},
                      ShownCase{"OneOver", std::string(kMaxShownCharacters + 1, '9'),
                                std::string(kMaxShownCharacters, '9') + "\u2026"},
                      // Two bytes a character: counted as one, never cut in two.
                      ShownCase{"CyrillicLetters", repeated("Ж", kMaxShownCharacters + 1),
                                repeated("Ж", kMaxShownCharacters) + "\u2026"}),
    [](const auto& info) { return std::string(info.param.name); });

// A document file with a mebibyte of digits in one of its lines: the page
// made of it, which the PDF report lays out, keeps only the shown part.
struct LongField {
    const char* name;
    void (*set)(AdditionalDocumentRecord&, const std::string&);
};

void PrintTo(const LongField& row, std::ostream* out) {
    *out << row.name;
}

class LongFieldPages : public ::testing::TestWithParam<LongField> {};

TEST_P(LongFieldPages, LayOutOnlyTheShownPartOfTheText) {
    auto record = testing::sampleAdditionalRecord();
    testing::useRows(record, testing::fewFractionRows());
    const std::string ordinaryPage = additionalHtmlReport(record, RecordFractionRows(record));
    const std::string digits = "1" + std::string(1024 * 1024 - 1, '0');
    GetParam().set(record, digits);
    const auto read =
        readAdditionalDocument(additionalDocumentText(record, RecordFractionRows(record)));

    auto page = additionalHtmlReport(read, RecordFractionRows(read));
    // Unit names are not in the file; the page of the record read has none.
    EXPECT_LT(page.size(), ordinaryPage.size() + kMaxShownCharacters + 1);
    // windows-1251 has the ellipsis as byte 0x85.
    EXPECT_NE(page.find(digits.substr(0, kMaxShownCharacters) + "\x85"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, LongFieldPages,
    ::testing::Values(
        LongField{"Density", [](auto& r, const auto& text) { r.densityText = text; }},
        LongField{"DesignPressure", [](auto& r, const auto& text) { r.designPressureText = text; }},
        LongField{"FractionShare", [](auto& r, const auto& text) { r.fractions[0][2] = text; }},
        LongField{"GasDensityResult", [](auto& r, const auto& text) { r.gasDensityText = text; }}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace viskora
