#include "forms/in_place_edit.h"
#include "forms/num_edit.h"
#include "message_box_answerer.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <vector>

namespace viskora {
namespace {

CNumEdit* boxWith(const char* text, int cursor) {
    auto* box = new CNumEdit();
    box->setText(QString::fromUtf8(text));
    box->setCursorPosition(cursor);
    return box;
}

struct TypingCase {
    const char* what;
    const char* start;
    int cursor;
    const char* typed; // one key per character
    const char* expected;
};

void PrintTo(const TypingCase& c, std::ostream* out) {
    *out << c.what;
}

class Typing : public ::testing::TestWithParam<TypingCase> {};

TEST_P(Typing, KeepsATextThatBeginsWithANumber) {
    const TypingCase& c = GetParam();
    std::unique_ptr<CNumEdit> box(boxWith(c.start, c.cursor));
    QTest::keyClicks(box.get(), QString::fromUtf8(c.typed));
    EXPECT_EQ(box->text(), QString::fromUtf8(c.expected));
}

INSTANTIATE_TEST_SUITE_P(CNumEdit, Typing,
                         ::testing::ValuesIn(std::vector<TypingCase>{
                             {"702.7 key by key", "", 0, "702.7", "702.7"},
                             {"minus into an empty box", "", 0, "-", ""},
                             {"point into an empty box", "", 0, ".", ""},
                             {"minus in front of digits", "12", 0, "-", "-12"},
                             {"point in front of digits", "12", 0, ".", ".12"},
                             {"letters after a number", "12", 2, "abc", "12abc"},
                             {"letters first", "", 0, "abc", ""},
                             {"a letter in front of a number", "12", 0, "x", "12"},
                             {"a space never gets in", "1", 1, " 2 ", "12"},
                             {"a space into an empty box", "", 0, " ", ""},
                             {"an exponent", "", 0, "1e-5", "1e-5"},
                             {"a number beyond the float range", "3", 1, "e39", "3e3"},
                             {"a comma goes in as a decimal point", "1", 1, ",5", "1.5"},
                         }));

TEST(CNumEdit, ARefusedKeySelectsTheKeptText) {
    std::unique_ptr<CNumEdit> box(boxWith("12", 0));
    QTest::keyClick(box.get(), Qt::Key_A);
    EXPECT_EQ(box->text(), QStringLiteral("12"));
    EXPECT_EQ(box->selectedText(), QStringLiteral("12"));
}

struct EditingKeyCase {
    const char* what;
    const char* start;
    int cursor;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* expected;
};

void PrintTo(const EditingKeyCase& c, std::ostream* out) {
    *out << c.what;
}

class EditingKey : public ::testing::TestWithParam<EditingKeyCase> {};

TEST_P(EditingKey, BackspaceMayNotEmptyTheBoxButDeleteMay) {
    const EditingKeyCase& c = GetParam();
    std::unique_ptr<CNumEdit> box(boxWith(c.start, c.cursor));
    QTest::keyClick(box.get(), c.key, c.modifiers);
    EXPECT_EQ(box->text(), QString::fromUtf8(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    CNumEdit, EditingKey,
    ::testing::ValuesIn(std::vector<EditingKeyCase>{
        {"Backspace leaving a number", "72", 2, Qt::Key_Backspace, Qt::NoModifier, "7"},
        {"Backspace emptying the box", "7", 1, Qt::Key_Backspace, Qt::NoModifier, "7"},
        {"Backspace leaving a minus alone", "-5", 2, Qt::Key_Backspace, Qt::NoModifier, "-5"},
        {"Backspace after a minus", "-5", 1, Qt::Key_Backspace, Qt::NoModifier, "5"},
        {"Delete emptying the box", "7", 0, Qt::Key_Delete, Qt::NoModifier, ""},
        {"Delete leaving no number", "7.", 0, Qt::Key_Delete, Qt::NoModifier, "."},
        {"Control held is not tested", "12", 2, Qt::Key_Backspace, Qt::ControlModifier, ""},
    }));

struct PasteCase {
    const char* what;
    const char* start;
    int cursor;
    const char* clipboard;
    const char* expected;
};

void PrintTo(const PasteCase& c, std::ostream* out) {
    *out << c.what;
}

class Paste : public ::testing::TestWithParam<PasteCase> {};

TEST_P(Paste, TestsTheClipboardTextAlone) {
    const PasteCase& c = GetParam();
    std::unique_ptr<CNumEdit> box(boxWith(c.start, c.cursor));
    QGuiApplication::clipboard()->setText(QString::fromUtf8(c.clipboard));
    QTest::keyClick(box.get(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box->text(), QString::fromUtf8(c.expected));
}

INSTANTIATE_TEST_SUITE_P(CNumEdit, Paste,
                         ::testing::ValuesIn(std::vector<PasteCase>{
                             {"a number into the middle", "12", 1, "5", "152"},
                             {"a number into an empty box", "", 0, "4.5", "4.5"},
                             {"a word", "12", 2, "abc", "12"},
                             {"a word into an empty box", "", 0, "abc", ""},
                             {"a lone minus", "12", 0, "-", "12"},
                             // Only the pasted text is tried, not the text it makes.
                             {"a number making a text without one", "-5", 1, " 3", "- 35"},
                         }));

// The ways a text gets into a box besides single keys.
enum class Entry { CtrlV, ShiftInsert, ContextMenuPaste, InputMethod };

// Right-clicks the box and chooses Paste from the menu the box pops up.
void pasteFromContextMenu(CNumEdit& box) {
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(2, 2), box.mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(&box, &click);
    auto* menu = box.findChild<QMenu*>();
    ASSERT_NE(menu, nullptr);
    QAction* paste = nullptr;
    for (QAction* action : menu->actions()) {
        if (action->text().startsWith(QStringLiteral("&Paste"))) {
            paste = action;
        }
    }
    ASSERT_NE(paste, nullptr);
    paste->trigger();
    menu->close();
}

void enter(CNumEdit& box, Entry entry, const QString& text) {
    switch (entry) {
    case Entry::CtrlV:
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
        break;
    case Entry::ShiftInsert:
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(&box, Qt::Key_Insert, Qt::ShiftModifier);
        break;
    case Entry::ContextMenuPaste:
        QGuiApplication::clipboard()->setText(text);
        pasteFromContextMenu(box);
        break;
    case Entry::InputMethod: {
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QApplication::sendEvent(&box, &commit);
        break;
    }
    }
}

struct EntryCase {
    const char* what;
    Entry entry;
    const char* start;
    int cursor;
    const char* text;
    const char* expected;
};

void PrintTo(const EntryCase& c, std::ostream* out) {
    *out << c.what;
}

class EveryWayIn : public ::testing::TestWithParam<EntryCase> {};

// A value box and a fraction cell's editor take text by every path under one
// rule; a word pasted from the context menu once went round it ("x50" read
// as 0).
TEST_P(EveryWayIn, TakesOnlyNumbersAndMakesCommasPoints) {
    const EntryCase& c = GetParam();
    const std::function<CNumEdit*()> boxes[] = {[] { return new CNumEdit(); },
                                                [] { return new CInPlaceEdit(); }};
    for (const auto& makeBox : boxes) {
        std::unique_ptr<CNumEdit> box(makeBox());
        SCOPED_TRACE(box->metaObject()->className());
        box->setText(QString::fromUtf8(c.start));
        box->setCursorPosition(c.cursor);
        enter(*box, c.entry, QString::fromUtf8(c.text));
        EXPECT_EQ(box->text(), QString::fromUtf8(c.expected));
    }
}

INSTANTIATE_TEST_SUITE_P(
    CNumEdit, EveryWayIn,
    ::testing::ValuesIn(std::vector<EntryCase>{
        {"Ctrl+V of a word", Entry::CtrlV, "50", 0, "x", "50"},
        {"Shift+Insert of a word", Entry::ShiftInsert, "50", 0, "x", "50"},
        {"menu Paste of a word", Entry::ContextMenuPaste, "50", 0, "x", "50"},
        {"menu Paste of a word into a cell's 0", Entry::ContextMenuPaste, "0", 0, "abc", "0"},
        {"input method commit of a word", Entry::InputMethod, "50", 0, "x", "50"},
        {"menu Paste of a number", Entry::ContextMenuPaste, "50", 0, "4", "450"},
        {"input method commit of a number", Entry::InputMethod, "50", 2, "5", "505"},
        {"Ctrl+V of a decimal comma", Entry::CtrlV, "", 0, "1,5", "1.5"},
        {"Shift+Insert of a decimal comma", Entry::ShiftInsert, "", 0, "1,5", "1.5"},
        {"menu Paste of a decimal comma", Entry::ContextMenuPaste, "", 0, "1,5", "1.5"},
        {"input method commit of a decimal comma", Entry::InputMethod, "1", 1, ",5", "1.5"},
    }));

TEST(CNumEdit, ValidityCodesFollowTheRange) {
    CNumEdit box;
    struct Case {
        const char* text;
        int code;
    };
    const Case defaultRange[] = {
        {"0", 0},     {"-3.4e38", 0}, {"3.4e38", 0}, {"3.5e38", 1}, {"-1e39", 1}, {"1e999", 1},
        {"12abc", 0}, {"  5", 0},     {"abc", 2},    {"", 2},       {"-", 2},     {".", 2},
    };
    for (const Case& c : defaultRange) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(box.validate(QString::fromUtf8(c.text)), c.code);
    }

    box.setRange(10.0F, -1.0F);
    float maximum = 0;
    float minimum = 0;
    box.getRange(maximum, minimum);
    EXPECT_EQ(maximum, 10.0F);
    EXPECT_EQ(minimum, -1.0F);
    const Case narrowRange[] = {{"10", 0}, {"-1", 0}, {"10.5", 1}, {"-2", 1}, {"x", 2}};
    for (const Case& c : narrowRange) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(box.validate(QString::fromUtf8(c.text)), c.code);
    }
    // A key that would leave the range is refused like one that leaves no number.
    box.setText(QStringLiteral("1"));
    box.setCursorPosition(1);
    QTest::keyClick(&box, Qt::Key_5);
    EXPECT_EQ(box.text(), QStringLiteral("1"));
}

TEST(CNumEdit, ValueIsShownWithSixDecimalsAndReadFromTheLeadingNumber) {
    CNumEdit box;
    box.setValue(1.5F);
    EXPECT_EQ(box.text(), QStringLiteral("1.500000"));
    box.setValue(-0.25F);
    EXPECT_EQ(box.text(), QStringLiteral("-0.250000"));
    box.setText(QStringLiteral("12abc"));
    EXPECT_EQ(box.value(), 12.0F);
    box.setText(QStringLiteral("abc"));
    EXPECT_EQ(box.value(), 0.0F);
    box.setText(QStringLiteral("5e39"));
    EXPECT_EQ(box.value(), 0.0F);
}

TEST(CNumEdit, VerboseBoxReportsEachRefusal) {
    CNumEdit box;
    box.setVerbose(true);
    EXPECT_TRUE(box.verbose());
    box.setRange(100.0F, 0.0F);
    box.setText(QStringLiteral("50"));
    box.setCursorPosition(2);
    testing::MessageBoxAnswerer answerer;
    QTest::keyClick(&box, Qt::Key_0);
    box.setCursorPosition(2);
    QTest::keyClick(&box, Qt::Key_X);
    box.setCursorPosition(0);
    QTest::keyClick(&box, Qt::Key_Q);
    EXPECT_EQ(box.text(), QStringLiteral("50x"));
    ASSERT_EQ(answerer.shown().size(), 2U);
    EXPECT_EQ(answerer.shown()[0].text, QStringLiteral("Given value is out of range.\n"));
    EXPECT_EQ(answerer.shown()[1].text, QStringLiteral("Characters must be a number.\n"));
    EXPECT_EQ(answerer.shown()[0].icon, QMessageBox::Critical);
    EXPECT_EQ(answerer.shown()[0].buttons, QMessageBox::Ok);
}

} // namespace
} // namespace viskora
