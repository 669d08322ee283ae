#include "units/number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <ostream>
#include <string>

namespace viskora {
namespace {

// A text, whether the reader takes a number from it, and the number.
struct NumberText {
    const char* text;
    bool isNumber;
    double value;
};

void PrintTo(const NumberText& row, std::ostream* out) {
    *out << '"' << row.text << '"';
}

class LeadingNumbers : public ::testing::TestWithParam<NumberText> {};

TEST_P(LeadingNumbers, AreTheLongestLeadingDecimalNumber) {
    const NumberText& c = GetParam();
    EXPECT_EQ(readLeadingNumber(c.text).has_value(), c.isNumber);
    EXPECT_DOUBLE_EQ(textToNumber(c.text), c.value);
}

INSTANTIATE_TEST_SUITE_P(Texts, LeadingNumbers,
                         ::testing::Values(
                             // A number and whatever follows it.
                             NumberText{"702.7", true, 702.7}, NumberText{"  \t20", true, 20},
                             NumberText{"-12.5", true, -12.5}, NumberText{"+3", true, 3},
                             NumberText{"12abc", true, 12}, NumberText{"1.5e3", true, 1500},
                             NumberText{"1.5E-2x", true, 0.015}, NumberText{"2e", true, 2},
                             NumberText{"2e+", true, 2}, NumberText{".5", true, 0.5},
                             NumberText{"5.", true, 5}, NumberText{"1,5", true, 1},
                             NumberText{"0x10", true, 0}, NumberText{"1 000", true, 1},
                             // No number: read as 0.
                             NumberText{"", false, 0}, NumberText{"abc", false, 0},
                             NumberText{"-", false, 0}, NumberText{".", false, 0},
                             NumberText{"-.", false, 0}, NumberText{" - 5", false, 0},
                             NumberText{"inf", false, 0}, NumberText{"nan", false, 0},
                             NumberText{"infinity", false, 0}, NumberText{"e5", false, 0}));

class WholeNumbers : public ::testing::TestWithParam<NumberText> {};

TEST_P(WholeNumbers, AreTextsThatAreOneNumber) {
    const NumberText& c = GetParam();
    const auto read = readWholeNumber(c.text);
    ASSERT_EQ(read.has_value(), c.isNumber);
    if (read) {
        EXPECT_DOUBLE_EQ(*read, c.value);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, WholeNumbers,
    ::testing::Values(NumberText{"702.7", true, 702.7}, NumberText{" 1.5\t", true, 1.5},
                      NumberText{"-2.5e-3", true, -0.0025},
                      // empty reads 0, as an empty box
                      NumberText{"", true, 0}, NumberText{"  ", true, 0},
                      // anything beside the number refuses the text
                      NumberText{"1,5", false, 0}, NumberText{"850abc", false, 0},
                      NumberText{"abc", false, 0}, NumberText{"2e", false, 0},
                      NumberText{"1 000", false, 0}, NumberText{"inf", false, 0}));

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
