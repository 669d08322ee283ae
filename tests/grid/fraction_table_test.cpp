#include "grid/fraction_table_model.h"
#include "grid/fraction_table_view.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <ostream>
#include <tuple>
#include <vector>

namespace viskora {
namespace {

// A window with a box before and after the table, as a form has; three
// rows of "0".
struct TableWindow {
    QWidget window;
    QLineEdit* before = new QLineEdit(&window);
    FractionTableView* view = new FractionTableView(&window);
    QLineEdit* after = new QLineEdit(&window);
    FractionTableModel model;

    TableWindow() {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(before);
        layout->addWidget(view);
        layout->addWidget(after);
        model.setRows(3);
        view->setFractionModel(&model);
    }

    QString cell(int row, int column) const { return model.text(row, column); }
    void setCurrentCell(int row, int column) const {
        view->setCurrentIndex(model.index(row, column));
    }
    QPoint current() const { return {view->currentIndex().column(), view->currentIndex().row()}; }

    void show() {
        window.show();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
};

TEST(FractionTable, CellsOutsideTheTableReadEmptyAndIgnoreWrites) {
    FractionTableModel model;
    model.setRows(3);
    model.setText(1, 1, QStringLiteral(" 12.5 "));
    const std::tuple<int, int, const char*> cases[] = {
        {1, 1, "12.5"}, {0, 0, "0"}, {-1, 0, ""}, {0, -1, ""}, {3, 1, ""}, {0, 3, ""}, {99, 99, ""},
    };
    for (const auto& [row, column, expected] : cases) {
        SCOPED_TRACE(testing::Message() << row << "," << column);
        EXPECT_EQ(model.text(row, column), QString::fromUtf8(expected));
        model.setText(row, column == 1 && row == 1 ? 1 : column, QStringLiteral("12.5"));
    }
    EXPECT_EQ(model.rowCount(), 3);
    model.setText(2, 0, QStringLiteral("third"));
    model.setRows(2);
    model.setRows(4);
    EXPECT_EQ(model.text(2, 0), QStringLiteral("0")) << "a row taken off comes back new";
    EXPECT_EQ(model.headerData(3, Qt::Vertical, Qt::DisplayRole).toInt(), 4);
}

TEST(FractionTable, TabLeavesTheTableAlsoWhileACellIsEdited) {
    TableWindow w;
    w.show();

    w.view->setFocus();
    w.setCurrentCell(0, 0);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), w.after);

    w.view->setFocus();
    w.setCurrentCell(1, 1);
    QTest::keyClick(w.view, Qt::Key_7);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    QTest::keyClick(editor, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), w.after);
    EXPECT_EQ(w.cell(1, 1), QStringLiteral("7"));

    w.view->setFocus();
    w.setCurrentCell(1, 0);
    QTest::keyClick(w.view, Qt::Key_5);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), w.before);
    EXPECT_EQ(w.cell(1, 0), QStringLiteral("5"));
}

TEST(FractionTable, EditorTakesTheCellsAlignmentAndEnterEndsTheEdit) {
    TableWindow w;
    w.show();
    w.view->setFocus();
    w.setCurrentCell(2, 2);
    QTest::keyClick(w.view, Qt::Key_4);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->alignment().testFlag(Qt::AlignRight));
    QTest::keyClick(editor, Qt::Key_2);
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents(); // the delegate commits from the event queue
    EXPECT_EQ(w.cell(2, 2), QStringLiteral("42"));
    EXPECT_EQ(QApplication::focusWidget(), w.view);
}

// Keys for the script of a case: digits are typed, the letters are keys.
void press(char key) {
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    switch (key) {
    case 'U':
        QTest::keyClick(focus, Qt::Key_Up);
        break;
    case 'D':
        QTest::keyClick(focus, Qt::Key_Down);
        break;
    case 'L':
        QTest::keyClick(focus, Qt::Key_Left);
        break;
    case 'R':
        QTest::keyClick(focus, Qt::Key_Right);
        break;
    case 'E':
        QTest::keyClick(focus, Qt::Key_Return);
        break;
    default:
        QTest::keyClicks(focus, QString(QLatin1Char(key)));
    }
    QCoreApplication::processEvents();
}

struct ArrowCase {
    const char* what;
    int row;
    int column;
    const char* keys;
    std::vector<std::tuple<int, int, const char*>> cells;
    QPoint current; // column, row
};

void PrintTo(const ArrowCase& c, std::ostream* out) {
    *out << c.what;
}

class EditedCellKeys : public ::testing::TestWithParam<ArrowCase> {};

// Typing 35, Right, 150 once gave "3515030" in one cell.
TEST_P(EditedCellKeys, CommitAndMoveAsInASpreadsheet) {
    const ArrowCase& c = GetParam();
    TableWindow w;
    w.show();
    w.view->setFocus();
    w.setCurrentCell(c.row, c.column);
    for (const char* key = c.keys; *key != '\0'; ++key) {
        press(*key);
    }
    for (const auto& [row, column, text] : c.cells) {
        EXPECT_EQ(w.cell(row, column), QString::fromUtf8(text)) << row << "," << column;
    }
    EXPECT_EQ(w.current(), c.current);
}

INSTANTIATE_TEST_SUITE_P(
    FractionTable, EditedCellKeys,
    ::testing::Values(
        ArrowCase{"Right at the end", 1, 0, "35R150E", {{1, 0, "35"}, {1, 1, "150"}}, {1, 1}},
        ArrowCase{"Down", 1, 0, "7D8E", {{1, 0, "7"}, {2, 0, "8"}}, {0, 2}},
        ArrowCase{"Up", 1, 0, "7U8E", {{1, 0, "7"}, {0, 0, "8"}}, {0, 0}},
        ArrowCase{"Left at the start", 1, 1, "7LL8E", {{1, 1, "7"}, {1, 0, "8"}}, {0, 1}},
        ArrowCase{"Left and Right within the text", 1, 0, "12LR3E", {{1, 0, "123"}}, {0, 1}},
        ArrowCase{"Enter stays", 2, 2, "4E", {{2, 2, "4"}}, {2, 2}},
        ArrowCase{"no step out at the left", 1, 0, "9LL", {{1, 0, "9"}}, {0, 1}},
        ArrowCase{"no step out of the table", 2, 2, "6DR", {{2, 2, "6"}}, {2, 2}}));

TEST(FractionTable, OnlyAnEditThatChangesACellIsReported) {
    TableWindow w;
    QSignalSpy edited(&w.model, &FractionTableModel::cellEdited);
    w.show();
    w.model.setText(0, 0, QStringLiteral("5")); // from code: no edit
    w.view->setFocus();
    w.setCurrentCell(0, 0);
    press('5');
    press('E');
    EXPECT_EQ(edited.count(), 0);
    press('6');
    press('E');
    ASSERT_EQ(edited.count(), 1);
    EXPECT_EQ(edited[0], (QList<QVariant>{0, 0}));
}

// How a paste reaches the table: on a cell not being edited, or in its editor.
enum class PasteWay { CtrlVOnCell, ShiftInsertOnCell, CtrlVInEditor };

struct PasteCase {
    const char* what;
    PasteWay way;
    int row;
    int column;
    const char* clipboard;
    std::vector<std::tuple<int, int, const char*>> cells;
};

void PrintTo(const PasteCase& c, std::ostream* out) {
    *out << c.what;
}

class PastedBlocks : public ::testing::TestWithParam<PasteCase> {};

// Two columns copied from a spreadsheet once went into one cell, tabs and
// line breaks included.
TEST_P(PastedBlocks, FillTheCellsRightAndDownWithinTheTable) {
    const PasteCase& c = GetParam();
    TableWindow w;
    QSignalSpy edited(&w.model, &FractionTableModel::cellEdited);
    w.show();
    w.view->setFocus();
    w.setCurrentCell(c.row, c.column);
    QGuiApplication::clipboard()->setText(QString::fromUtf8(c.clipboard));
    switch (c.way) {
    case PasteWay::CtrlVOnCell:
        QTest::keyClick(w.view, Qt::Key_V, Qt::ControlModifier);
        break;
    case PasteWay::ShiftInsertOnCell:
        QTest::keyClick(w.view, Qt::Key_Insert, Qt::ShiftModifier);
        break;
    case PasteWay::CtrlVInEditor:
        press('9');
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
        break;
    }
    QCoreApplication::processEvents();
    for (const auto& [row, column, text] : c.cells) {
        EXPECT_EQ(w.cell(row, column), QString::fromUtf8(text)) << row << "," << column;
    }
    for (int row = 0; row < w.model.rowCount(); ++row) {
        for (int column = 0; column < FractionTableModel::kColumns; ++column) {
            const QString text = w.cell(row, column);
            EXPECT_FALSE(text.contains(QLatin1Char('\t')) || text.contains(QLatin1Char('\n')) ||
                         text.contains(QLatin1Char(' ')))
                << row << "," << column;
        }
    }
    EXPECT_EQ(w.model.rowCount(), 3);
    EXPECT_GT(edited.count(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    FractionTable, PastedBlocks,
    ::testing::Values(
        PasteCase{"two columns stop at the last row",
                  PasteWay::CtrlVOnCell,
                  0,
                  0,
                  "40\t100\n100\t250\n250\t400\n400\t500\n",
                  {{0, 0, "40"},
                   {0, 1, "100"},
                   {1, 0, "100"},
                   {1, 1, "250"},
                   {2, 0, "250"},
                   {2, 1, "400"},
                   {0, 2, "0"}}},
        PasteCase{"values beyond the last column are dropped",
                  PasteWay::ShiftInsertOnCell,
                  1,
                  1,
                  "1\t2\t3\n4\t5\t6",
                  {{1, 0, "0"}, {1, 1, "1"}, {1, 2, "2"}, {2, 1, "4"}, {2, 2, "5"}, {0, 1, "0"}}},
        PasteCase{"blanks and Windows line ends",
                  PasteWay::CtrlVOnCell,
                  0,
                  0,
                  " 7 \t 8\r\n1 0\t\r\n",
                  {{0, 0, "7"}, {0, 1, "8"}, {1, 0, "10"}, {1, 1, "0"}}},
        PasteCase{"a single value into the cell",
                  PasteWay::CtrlVOnCell,
                  2,
                  2,
                  "12.5\n",
                  {{2, 2, "12.5"}}},
        PasteCase{"a block into a cell being edited replaces its text",
                  PasteWay::CtrlVInEditor,
                  1,
                  0,
                  "40\t100\n100\t250\n",
                  {{1, 0, "40"}, {1, 1, "100"}, {2, 0, "100"}, {2, 1, "250"}}}));

// A block that reaches an editor by any other way is spread when the edit
// ends, and a single value loses its blanks.
TEST(FractionTable, CommittedTextNeverKeepsBlanks) {
    TableWindow w;
    w.show();
    w.view->setFocus();
    const std::tuple<int, const char*, std::vector<std::tuple<int, int, const char*>>> cases[] = {
        {0, "1 2", {{0, 0, "12"}}},
        {1, "5\t6\n7", {{1, 0, "5"}, {1, 1, "6"}, {2, 0, "7"}}},
    };
    for (const auto& [row, typed, cells] : cases) {
        SCOPED_TRACE(typed);
        w.setCurrentCell(row, 0);
        press('9');
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        ASSERT_NE(editor, nullptr);
        editor->setText(QString::fromUtf8(typed));
        press('E');
        for (const auto& [r, column, text] : cells) {
            EXPECT_EQ(w.cell(r, column), QString::fromUtf8(text)) << r << "," << column;
        }
    }
}

} // namespace
} // namespace viskora
