#include "grid/number_validator.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <ostream>

namespace viskora {
namespace {

// What a value box holds after the user's keys; "^V" pastes the clipboard.
struct EntryCase {
    const char* what;
    const char* start;
    int cursor;
    const char* typed;
    const char* clipboard;
    const char* expected;
};

void PrintTo(const EntryCase& c, std::ostream* out) {
    *out << c.what;
}

class ValueBoxEntry : public ::testing::TestWithParam<EntryCase> {};

TEST_P(ValueBoxEntry, KeepsATextThatBeginsWithANumber) {
    const EntryCase& c = GetParam();
    QLineEdit box;
    box.setValidator(new NumberValidator(&box));
    box.setText(QString::fromUtf8(c.start));
    box.setCursorPosition(c.cursor);
    if (c.clipboard != nullptr) {
        QGuiApplication::clipboard()->setText(QString::fromUtf8(c.clipboard));
        QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
    } else {
        QTest::keyClicks(&box, QString::fromUtf8(c.typed));
    }
    EXPECT_EQ(box.text(), QString::fromUtf8(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    NumberValidator, ValueBoxEntry,
    ::testing::Values(EntryCase{"702.7 key by key", "", 0, "702.7", nullptr, "702.7"},
                      EntryCase{"minus into an empty box", "", 0, "-", nullptr, ""},
                      EntryCase{"minus in front of digits", "12", 0, "-", nullptr, "-12"},
                      EntryCase{"letters after a number", "12", 2, "abc", nullptr, "12abc"},
                      EntryCase{"a letter in front of a number", "12", 0, "x", nullptr, "12"},
                      EntryCase{"a space never gets in", "1", 1, " 2 ", nullptr, "12"},
                      EntryCase{"an exponent", "", 0, "1e-5", nullptr, "1e-5"},
                      // The reader takes only the point: "1,5" would be read as 1.
                      EntryCase{"a comma goes in as a decimal point", "1", 1, ",5", nullptr, "1.5"},
                      EntryCase{"a pasted comma", "", 0, nullptr, "2,75", "2.75"},
                      EntryCase{"a pasted word", "", 0, nullptr, "abc", ""},
                      EntryCase{"a pasted number with blanks", "", 0, nullptr, " 4 5 ", "45"}));

} // namespace
} // namespace viskora
