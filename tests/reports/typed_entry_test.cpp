#include "reports/typed_entry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>

namespace viskora {
namespace {

struct Entry {
    const char* name;
    const char* text;
    bool number;
    double value = 0;
    bool exponentForm = false;
};

void PrintTo(const Entry& entry, std::ostream* out) {
    *out << entry.name;
}

class TypedEntryTest : public ::testing::TestWithParam<Entry> {};

TEST_P(TypedEntryTest, ReadsAsASpreadsheetReadsATypedText) {
    const Entry& entry = GetParam();
    const auto typed = typedNumber(entry.text);
    ASSERT_EQ(typed.has_value(), entry.number) << entry.text;
    if (typed) {
        EXPECT_EQ(typed->value, entry.value) << entry.text;
        EXPECT_FALSE(std::signbit(typed->value) && typed->value == 0) << entry.text;
        EXPECT_EQ(typed->exponentForm, entry.exponentForm) << entry.text;
    }
}

INSTANTIATE_TEST_SUITE_P(
    CellTexts, TypedEntryTest,
    ::testing::Values(
        Entry{"FormInput", "702.7", true, 702.7},                   // an input as typed in the form
        Entry{"ExponentResult", "2.93e-002", true, 0.0293, true},   // a result in exponent notation
        Entry{"CapitalExponent", "1.23E+010", true, 1.23e10, true}, // capital E reads the same
        Entry{"RowNumber", "100", true, 100},         // a row number of the fraction table
        Entry{"Negative", "-12.3", true, -12.3},      // a negative result
        Entry{"LeadingPlus", "+5", true, 5},          // a leading plus is typed too
        Entry{"NoDigitBeforePoint", ".5", true, 0.5}, // no digit before the point
        Entry{"NoDigitAfterPoint", "5.", true, 5},    // no digit after it
        Entry{"NegativeZero", "-0", true, 0},         // no negative zero in a sheet
        Entry{"ValueWithUnit", "500°С", false},       // a value with its unit stays a text
        Entry{"JunkAfterNumber", "8.5e2°", false},    // as does junk after a number
        Entry{"DecimalComma", "1,5", false},   // a decimal comma depends on the reader's language
        Entry{"LeadingBlank", " 850", false},  // blanks around keep the typed text
        Entry{"TrailingBlank", "850 ", false}, //
        Entry{"ExponentWithoutDigits", "1e", false}, // an exponent without digits
        Entry{"PointAlone", ".", false},             // a point alone
        Entry{"SignAlone", "-", false},              // a sign alone
        Entry{"EmptyCell", "", false},               // an empty cell
        Entry{"Infinity", "inf", false},             // never a number here
        Entry{"Hexadecimal", "0x1A", false},         // hexadecimal is not typed
        Entry{"BeyondADouble", "1e999", false},      // beyond a double: shown as typed
        Entry{"RoundsToZero", "1e-999", false},      // a non-zero number a double rounds to 0
        Entry{"ZeroWithATinyExponent", "0e-999", true, 0, true}, // while zero stays zero
        Entry{"Label", "Density : ", false}),                    // a label
    [](const ::testing::TestParamInfo<Entry>& info) { return std::string(info.param.name); });

} // namespace
} // namespace viskora
