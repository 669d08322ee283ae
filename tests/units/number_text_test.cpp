#include "units/number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

namespace viskora {
namespace {

struct NumberCase {
    const char* text;
    bool isNumber;
    double value;
};

TEST(TextToNumber, ReadsTheLongestLeadingDecimalNumber) {
    const NumberCase cases[] = {
        {"702.7", true, 702.7}, {"  \t20", true, 20},  {"-12.5", true, -12.5},   {"+3", true, 3},
        {"12abc", true, 12},    {"1.5e3", true, 1500}, {"1.5E-2x", true, 0.015}, {"2e", true, 2},
        {"2e+", true, 2},       {".5", true, 0.5},     {"5.", true, 5},          {"1,5", true, 1},
        {"", false, 0},         {"abc", false, 0},     {"-", false, 0},          {".", false, 0},
        {"-.", false, 0},       {" - 5", false, 0},    {"inf", false, 0},        {"nan", false, 0},
        {"infinity", false, 0}, {"0x10", true, 0},     {"e5", false, 0},         {"1 000", true, 1},
    };
    for (const NumberCase& c : cases) {
        SCOPED_TRACE(c.text);
        const auto read = readLeadingNumber(c.text);
        EXPECT_EQ(read.has_value(), c.isNumber);
        EXPECT_DOUBLE_EQ(textToNumber(c.text), c.value);
    }
}

TEST(ReadWholeNumber, TakesOnlyTextsThatAreOneNumber) {
    const NumberCase cases[] = {
        {"702.7", true, 702.7}, {" 1.5\t", true, 1.5}, {"-2.5e-3", true, -0.0025},
        {"", true, 0},          {"  ", true, 0}, // empty reads 0, as an empty box
        {"1,5", false, 0},      {"850abc", false, 0},  {"abc", false, 0},
        {"2e", false, 0},       {"1 000", false, 0},   {"inf", false, 0},
    };
    for (const NumberCase& c : cases) {
        SCOPED_TRACE(c.text);
        const auto read = readWholeNumber(c.text);
        ASSERT_EQ(read.has_value(), c.isNumber);
        if (read) {
            EXPECT_DOUBLE_EQ(*read, c.value);
        }
    }
}

TEST(TextToNumber, NumbersBeyondADoubleBecomeInfinityOrZero) {
    EXPECT_EQ(textToNumber("1e999"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(textToNumber("-1e999"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(textToNumber("1e-999"), 0.0);
    EXPECT_EQ(textToNumber("0e999"), 0.0);
    // Long digit strings pasted without an exponent.
    EXPECT_EQ(textToNumber(std::string(400, '9')), std::numeric_limits<double>::infinity());
    EXPECT_EQ(textToNumber("-00" + std::string(400, '9') + ".5"),
              -std::numeric_limits<double>::infinity());
    EXPECT_EQ(textToNumber("0." + std::string(400, '0') + "1"), 0.0);
}

TEST(TextToNumber, CommaLocaleDoesNotChangeTheDecimalPoint) {
    // The desktop toolkit sets the C library's locale from the environment;
    // strtod would then stop at the point of "1.5" under a German locale.
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous != nullptr ? previous : "C";
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) {
        GTEST_SKIP() << "de_DE.UTF-8 locale not generated";
    }
    EXPECT_DOUBLE_EQ(textToNumber("1.5"), 1.5);
    EXPECT_DOUBLE_EQ(textToNumber("1,5"), 1.0);
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(TextToInt, IsLenientAndSaturates) {
    EXPECT_EQ(textToInt("5"), 5);
    EXPECT_EQ(textToInt("  -7x"), -7);
    EXPECT_EQ(textToInt("+12"), 12);
    EXPECT_EQ(textToInt("abc"), 0);
    EXPECT_EQ(textToInt(""), 0);
    EXPECT_EQ(textToInt("3.9"), 3);
    EXPECT_EQ(textToInt("99999999999999999999"), std::numeric_limits<int>::max());
    EXPECT_EQ(textToInt("-99999999999999999999"), std::numeric_limits<int>::min());
}

} // namespace
} // namespace viskora
