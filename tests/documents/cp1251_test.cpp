#include "documents/cp1251.h"

#include <gtest/gtest.h>

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

TEST(Cp1251, CharactersOfTheUnitNamesAndCyrillic) {
    struct Case {
        std::string_view utf8;
        std::string_view cp1251;
    };
    const Case cases[] = {
        {"°C - Celsius", "\xB0"
                         "C - Celsius"},
        {"kJ/(kg•K)", "kJ/(kg\x95K)"},
        {"deg.С", "deg.\xD1"},
        {"Привет", "\xCF\xF0\xE8\xE2\xE5\xF2"},
        {"ёЁ€№", "\xB8\xA8\x88\xB9"},
        {"", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(utf8ToCp1251(c.utf8), c.cp1251) << c.utf8;
        EXPECT_EQ(cp1251ToUtf8(c.cp1251), c.utf8) << c.utf8;
    }
}

TEST(Cp1251, WhatTheCodePageCannotHoldBecomesAQuestionMark) {
    struct Case {
        std::string_view utf8;
        std::string_view cp1251;
    };
    const Case cases[] = {
        {"ä", "?"},                    // Latin letter outside the code page
        {"a日b", "a?b"},               // three-byte character
        {"x\xF0\x9F\x98\x80y", "x?y"}, // four-byte character
        {"\xFF", "?"},                 // not UTF-8 at all
        {"a\xC3", "a?"},               // sequence cut short at the end
        {"\xE2\x82z", "??z"},          // sequence cut short before a letter
        {"\xC0\xAF", "??"},            // overlong form
        {"\xED\xA0\x80", "???"},       // surrogate
        {"°ä°", "\xB0?\xB0"},          // conversion goes on after a refusal
        // The first and last lead bytes of each sequence length: one
        // character, one question mark; just outside, one per byte.
        {"\xDF\xBF", "?"},            // U+07FF, the last two-byte character
        {"\xC1\xBF", "??"},           // overlong two-byte form
        {"\xE0\xA4\xB9", "?"},        // U+0939, lead byte E0
        {"\xE0\x9F\xBF", "???"},      // overlong three-byte form
        {"\xEF\xBF\xBD", "?"},        // U+FFFD, lead byte EF
        {"\xF0\x90\x80\x80", "?"},    // U+10000, the first four-byte character
        {"\xF0\x8F\xBF\xBF", "????"}, // overlong four-byte form
        {"\xF4\x8F\xBF\xBF", "?"},    // U+10FFFF, the last character
        {"\xF4\x90\x80\x80", "????"}, // beyond U+10FFFF
        {"\xF5\x80\x80\x80", "????"}, // a lead byte no character has
    };
    for (const Case& c : cases) {
        EXPECT_EQ(utf8ToCp1251(c.utf8), c.cp1251) << c.utf8;
    }
}

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
