#include "reports/typed_entry.h"

#include <gtest/gtest.h>

#include <cmath>

namespace viskora {
namespace {

struct Entry {
    const char* text;
    bool number;
    double value = 0;
    bool exponentForm = false;
};

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
    ::testing::Values(Entry{"702.7", true, 702.7},             // an input as typed in the form
                      Entry{"2.93e-002", true, 0.0293, true},  // a result in exponent notation
                      Entry{"1.23E+010", true, 1.23e10, true}, // capital E reads the same
                      Entry{"100", true, 100},                 // a row number of the fraction table
                      Entry{"-12.3", true, -12.3},             // a negative result
                      Entry{"+5", true, 5},                    // a leading plus is typed too
                      Entry{".5", true, 0.5},                  // no digit before the point
                      Entry{"5.", true, 5},                    // no digit after it
                      Entry{"-0", true, 0},                    // no negative zero in a sheet
                      Entry{"500°С", false},                   // a value with its unit stays a text
                      Entry{"8.5e2°", false},                  // as does junk after a number
                      Entry{"1,5", false},    // a decimal comma depends on the reader's language
                      Entry{" 850", false},   // blanks around keep the typed text
                      Entry{"850 ", false},   //
                      Entry{"1e", false},     // an exponent without digits
                      Entry{".", false},      // a point alone
                      Entry{"-", false},      // a sign alone
                      Entry{"", false},       // an empty cell
                      Entry{"inf", false},    // never a number here
                      Entry{"0x1A", false},   // hexadecimal is not typed
                      Entry{"1e999", false},  // beyond a double: shown as typed
                      Entry{"1e-999", false}, // a non-zero number a double rounds to 0
                      Entry{"0e-999", true, 0, true}, // while zero stays zero
                      Entry{"Density : ", false}));   // a label

} // namespace
} // namespace viskora
