#include "grid/grid_control.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <ostream>
#include <tuple>
#include <vector>

namespace viskora {
namespace {

// A window with a box before and after the grid, as a form has.
struct GridWindow {
    QWidget window;
    QLineEdit* before = new QLineEdit(&window);
    GridControl* grid = new GridControl(&window);
    QLineEdit* after = new QLineEdit(&window);

    GridWindow() {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(before);
        layout->addWidget(grid);
        layout->addWidget(after);
        grid->setColumnCount(4);
        grid->setRowCount(3);
        grid->setFixedColumnCount(1);
        grid->setTakesTab(false);
        grid->setCellSelectionEnabled(false);
        for (int row = 0; row < 3; ++row) {
            grid->setCellText(row, 0, QString::number(row + 1));
            for (int column = 1; column < 4; ++column) {
                grid->setCellText(row, column, QStringLiteral("0"));
            }
        }
    }

    QTableWidget* table() const { return grid->findChild<QTableWidget*>(); }

    void show() {
        window.show();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
};

TEST(GridControl, CellsOutsideTheTableReadEmptyAndIgnoreWrites) {
    GridWindow w;
    w.grid->setCellText(1, 2, QStringLiteral("12.5"));
    struct Case {
        int row;
        int column;
        const char* expected;
    };
    const Case cases[] = {
        {1, 2, "12.5"}, {0, 0, "1"}, {-1, 0, ""}, {0, -1, ""}, {3, 1, ""}, {0, 4, ""}, {99, 99, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.row << "," << c.column);
        EXPECT_EQ(w.grid->cellText(c.row, c.column), QString::fromUtf8(c.expected));
    }
    for (const Case& c : cases) {
        w.grid->setCellText(c.row, c.column, QStringLiteral("x"));
    }
    EXPECT_EQ(w.grid->rowCount(), 3);
    EXPECT_EQ(w.grid->columnCount(), 4);
}

TEST(GridControl, AppendsAndDeletesRows) {
    GridWindow w;
    EXPECT_EQ(w.grid->appendRow(QStringLiteral("4")), 3);
    EXPECT_EQ(w.grid->rowCount(), 4);
    EXPECT_EQ(w.grid->cellText(3, 0), QStringLiteral("4"));
    EXPECT_EQ(w.grid->cellText(3, 1), QString());

    w.grid->setCellText(2, 1, QStringLiteral("third"));
    w.grid->deleteRow(1);
    EXPECT_EQ(w.grid->rowCount(), 3);
    EXPECT_EQ(w.grid->cellText(1, 1), QStringLiteral("third"));
    w.grid->deleteRow(7);
    w.grid->deleteRow(-1);
    EXPECT_EQ(w.grid->rowCount(), 3);
}

TEST(GridControl, FixedColumnIsNeitherEditableNorSelectable) {
    GridWindow w;
    w.grid->appendRow(QStringLiteral("4"));
    for (int row = 0; row < w.grid->rowCount(); ++row) {
        SCOPED_TRACE(row);
        const Qt::ItemFlags fixed = w.table()->item(row, 0)->flags();
        EXPECT_FALSE(fixed.testFlag(Qt::ItemIsEditable));
        EXPECT_FALSE(fixed.testFlag(Qt::ItemIsSelectable));
        const Qt::ItemFlags value = w.table()->item(row, 2)->flags();
        EXPECT_TRUE(value.testFlag(Qt::ItemIsEditable));
        EXPECT_FALSE(value.testFlag(Qt::ItemIsSelectable));
    }
    w.grid->setCellsEditable(false);
    EXPECT_FALSE(w.table()->item(0, 2)->flags().testFlag(Qt::ItemIsEditable));
}

TEST(GridControl, TabLeavesTheGridAlsoWhileACellIsEdited) {
    GridWindow w;
    w.grid->setCellEditorFactory([](QWidget* parent) {
        auto* editor = new QLineEdit(parent);
        editor->setObjectName(QStringLiteral("cellEditor"));
        return editor;
    });
    w.show();

    w.grid->setFocus();
    w.table()->setCurrentCell(0, 1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), w.after);

    w.grid->setFocus();
    w.table()->setCurrentCell(1, 2);
    QTest::keyClick(w.table(), Qt::Key_7);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->objectName(), QStringLiteral("cellEditor"));
    QTest::keyClick(editor, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), w.after);
    EXPECT_EQ(w.grid->cellText(1, 2), QStringLiteral("7"));

    w.grid->setFocus();
    w.table()->setCurrentCell(1, 1);
    QTest::keyClick(w.table(), Qt::Key_5);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), w.before);
    EXPECT_EQ(w.grid->cellText(1, 1), QStringLiteral("5"));
}

TEST(GridControl, EditorTakesTheCellsAlignmentAndEnterEndsTheEdit) {
    GridWindow w;
    w.grid->setCellEditorFactory([](QWidget* parent) { return new QLineEdit(parent); });
    w.grid->setCellAlignment(2, 3, Qt::AlignRight);
    w.show();
    w.grid->setFocus();
    w.table()->setCurrentCell(2, 3);
    QTest::keyClick(w.table(), Qt::Key_4);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->alignment().testFlag(Qt::AlignRight));
    QTest::keyClick(editor, Qt::Key_2);
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents(); // the delegate commits from the event queue
    EXPECT_EQ(w.grid->cellText(2, 3), QStringLiteral("42"));
    EXPECT_EQ(QApplication::focusWidget(), w.table());
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
    GridWindow w;
    w.grid->setCellEditorFactory([](QWidget* parent) { return new QLineEdit(parent); });
    w.show();
    w.grid->setFocus();
    w.table()->setCurrentCell(c.row, c.column);
    for (const char* key = c.keys; *key != '\0'; ++key) {
        press(*key);
    }
    for (const auto& [row, column, text] : c.cells) {
        EXPECT_EQ(w.grid->cellText(row, column), QString::fromUtf8(text)) << row << "," << column;
    }
    EXPECT_EQ(QPoint(w.table()->currentColumn(), w.table()->currentRow()), c.current);
}

INSTANTIATE_TEST_SUITE_P(
    GridControl, EditedCellKeys,
    ::testing::Values(
        ArrowCase{"Right at the end", 1, 1, "35R150E", {{1, 1, "35"}, {1, 2, "150"}}, {2, 1}},
        ArrowCase{"Down", 1, 1, "7D8E", {{1, 1, "7"}, {2, 1, "8"}}, {1, 2}},
        ArrowCase{"Up", 1, 1, "7U8E", {{1, 1, "7"}, {0, 1, "8"}}, {1, 0}},
        ArrowCase{"Left at the start", 1, 2, "7LL8E", {{1, 2, "7"}, {1, 1, "8"}}, {1, 1}},
        ArrowCase{"Left and Right within the text", 1, 1, "12LR3E", {{1, 1, "123"}}, {1, 1}},
        ArrowCase{"Enter stays", 2, 3, "4E", {{2, 3, "4"}}, {3, 2}},
        ArrowCase{"no step into the fixed column", 1, 1, "9LL", {{1, 1, "9"}, {1, 0, "2"}}, {1, 1}},
        ArrowCase{"no step out of the table", 2, 3, "6DR", {{2, 3, "6"}}, {3, 2}}));

TEST(GridControl, OnlyAnEditThatChangesACellIsReported) {
    GridWindow w;
    w.grid->setCellEditorFactory([](QWidget* parent) { return new QLineEdit(parent); });
    QSignalSpy edited(w.grid, &GridControl::cellEdited);
    w.show();
    w.grid->setCellText(0, 1, QStringLiteral("5")); // from code: no edit
    w.grid->setFocus();
    w.table()->setCurrentCell(0, 1);
    press('5');
    press('E');
    EXPECT_EQ(edited.count(), 0);
    press('6');
    press('E');
    ASSERT_EQ(edited.count(), 1);
    EXPECT_EQ(edited[0], (QList<QVariant>{0, 1}));
}

// How a paste reaches the grid: on a cell not being edited, or in its editor.
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
    GridWindow w;
    w.grid->setCellEditorFactory([](QWidget* parent) { return new QLineEdit(parent); });
    QSignalSpy edited(w.grid, &GridControl::cellEdited);
    w.show();
    w.grid->setFocus();
    w.table()->setCurrentCell(c.row, c.column);
    QGuiApplication::clipboard()->setText(QString::fromUtf8(c.clipboard));
    switch (c.way) {
    case PasteWay::CtrlVOnCell:
        QTest::keyClick(w.table(), Qt::Key_V, Qt::ControlModifier);
        break;
    case PasteWay::ShiftInsertOnCell:
        QTest::keyClick(w.table(), Qt::Key_Insert, Qt::ShiftModifier);
        break;
    case PasteWay::CtrlVInEditor:
        press('9');
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
        break;
    }
    QCoreApplication::processEvents();
    for (const auto& [row, column, text] : c.cells) {
        EXPECT_EQ(w.grid->cellText(row, column), QString::fromUtf8(text)) << row << "," << column;
    }
    for (int row = 0; row < w.grid->rowCount(); ++row) {
        for (int column = 1; column < w.grid->columnCount(); ++column) {
            const QString text = w.grid->cellText(row, column);
            EXPECT_FALSE(text.contains(QLatin1Char('\t')) || text.contains(QLatin1Char('\n')) ||
                         text.contains(QLatin1Char(' ')))
                << row << "," << column;
        }
    }
    EXPECT_EQ(w.grid->rowCount(), 3);
    EXPECT_GT(edited.count(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    GridControl, PastedBlocks,
    ::testing::Values(
        PasteCase{"two columns stop at the last row",
                  PasteWay::CtrlVOnCell,
                  0,
                  1,
                  "40\t100\n100\t250\n250\t400\n400\t500\n",
                  {{0, 1, "40"},
                   {0, 2, "100"},
                   {1, 1, "100"},
                   {1, 2, "250"},
                   {2, 1, "250"},
                   {2, 2, "400"},
                   {0, 3, "0"}}},
        PasteCase{"values beyond the last column are dropped",
                  PasteWay::ShiftInsertOnCell,
                  1,
                  2,
                  "1\t2\t3\n4\t5\t6",
                  {{1, 1, "0"}, {1, 2, "1"}, {1, 3, "2"}, {2, 2, "4"}, {2, 3, "5"}, {0, 2, "0"}}},
        PasteCase{"blanks and Windows line ends",
                  PasteWay::CtrlVOnCell,
                  0,
                  1,
                  " 7 \t 8\r\n1 0\t\r\n",
                  {{0, 1, "7"}, {0, 2, "8"}, {1, 1, "10"}, {1, 2, "0"}}},
        PasteCase{"a single value into the cell",
                  PasteWay::CtrlVOnCell,
                  2,
                  3,
                  "12.5\n",
                  {{2, 3, "12.5"}}},
        PasteCase{"a block into a cell being edited replaces its text",
                  PasteWay::CtrlVInEditor,
                  1,
                  1,
                  "40\t100\n100\t250\n",
                  {{1, 1, "40"}, {1, 2, "100"}, {2, 1, "100"}, {2, 2, "250"}}}));

// A block that reaches an editor by any other way is spread when the edit
// ends, and a single value loses its blanks.
TEST(GridControl, CommittedTextNeverKeepsBlanks) {
    GridWindow w;
    w.grid->setCellEditorFactory([](QWidget* parent) { return new QLineEdit(parent); });
    w.show();
    w.grid->setFocus();
    const std::tuple<int, const char*, std::vector<std::tuple<int, int, const char*>>> cases[] = {
        {0, "1 2", {{0, 1, "12"}}},
        {1, "5\t6\n7", {{1, 1, "5"}, {1, 2, "6"}, {2, 1, "7"}}},
    };
    for (const auto& [row, typed, cells] : cases) {
        SCOPED_TRACE(typed);
        w.table()->setCurrentCell(row, 1);
        press('9');
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        ASSERT_NE(editor, nullptr);
        editor->setText(QString::fromUtf8(typed));
        press('E');
        for (const auto& [r, column, text] : cells) {
            EXPECT_EQ(w.grid->cellText(r, column), QString::fromUtf8(text)) << r << "," << column;
        }
    }
}

} // namespace
} // namespace viskora
