#include "documents/cp1251.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace viskora {
namespace {

TEST(Cp1251, EveryByteSurvivesTheRoundTrip) {
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        const std::string utf8 = cp1251ToUtf8(byte);
        EXPECT_FALSE(utf8.empty()) << b;
        EXPECT_EQ(utf8ToCp1251(utf8), byte) << b;
    }
}

TEST(Cp1251, AllBytesInOneTextKeepTheirOrder) {
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all.push_back(static_cast<char>(b));
    }
    EXPECT_EQ(utf8ToCp1251(cp1251ToUtf8(all)), all);
}

// A text and its bytes in the code page. A text the code page holds comes
// back from them; what it cannot hold becomes a question mark.
struct CodePageText {
    std::string_view utf8;
    std::string_view cp1251;
    bool comesBack;
};

void PrintTo(const CodePageText& row, std::ostream* out) {
    *out << ::testing::PrintToString(std::string(row.utf8));
}

class CodePageTexts : public ::testing::TestWithParam<CodePageText> {};

TEST_P(CodePageTexts, BecomeTheirBytes) {
    const CodePageText& c = GetParam();
    EXPECT_EQ(utf8ToCp1251(c.utf8), c.cp1251);
    if (c.comesBack) {
        EXPECT_EQ(cp1251ToUtf8(c.cp1251), c.utf8);
    }
}

INSTANTIATE_TEST_SUITE_P(
    UnitNamesCyrillicAndRefusals, CodePageTexts,
    ::testing::Values(
        // The characters of the unit names, and Cyrillic.
        CodePageText{"°C - Celsius",
                     "\xB0"
                     "C - Celsius",
                     true},
        CodePageText{"kJ/(kg•K)", "kJ/(kg\x95K)", true}, CodePageText{"deg.С", "deg.\xD1", true},
        CodePageText{"Привет", "\xCF\xF0\xE8\xE2\xE5\xF2", true},
        CodePageText{"ёЁ€№", "\xB8\xA8\x88\xB9", true}, CodePageText{"", "", true},
        // Latin letter outside the code page
        CodePageText{"ä", "?", false},
        // three- and four-byte characters
        CodePageText{"a日b", "a?b", false}, CodePageText{"x\xF0\x9F\x98\x80y", "x?y", false},
        // not UTF-8 at all; sequences cut short at the end and before a letter
        CodePageText{"\xFF", "?", false}, CodePageText{"a\xC3", "a?", false},
        CodePageText{"\xE2\x82z", "??z", false},
        // overlong form, surrogate
        CodePageText{"\xC0\xAF", "??", false}, CodePageText{"\xED\xA0\x80", "???", false},
        // conversion goes on after a refusal
        CodePageText{"°ä°", "\xB0?\xB0", false},
        // The first and last lead bytes of each sequence length: one
        // character, one question mark; just outside, one per byte.
        CodePageText{"\xDF\xBF", "?", false},            // U+07FF, the last two-byte character
        CodePageText{"\xC1\xBF", "??", false},           // overlong two-byte form
        CodePageText{"\xE0\xA4\xB9", "?", false},        // U+0939, lead byte E0
        CodePageText{"\xE0\x9F\xBF", "???", false},      // overlong three-byte form
        CodePageText{"\xEF\xBF\xBD", "?", false},        // U+FFFD, lead byte EF
        CodePageText{"\xF0\x90\x80\x80", "?", false},    // U+10000, the first four-byte one
        CodePageText{"\xF0\x8F\xBF\xBF", "????", false}, // overlong four-byte form
        CodePageText{"\xF4\x8F\xBF\xBF", "?", false},    // U+10FFFF, the last character
        CodePageText{"\xF4\x90\x80\x80", "????", false}, // beyond U+10FFFF
        CodePageText{"\xF5\x80\x80\x80", "????", false}  // a lead byte no character has
        ));

TEST(Cp1251, LongTextsAreConvertedWhole) {
    std::string utf8;
    std::string bytes;
    for (int i = 0; i < 20000; ++i) {
        utf8 += "Ж°";
        bytes += "\xC6\xB0";
    }
    EXPECT_EQ(utf8ToCp1251(utf8), bytes);
    EXPECT_EQ(cp1251ToUtf8(bytes), utf8);
}

} // namespace
} // namespace viskora
