#include "grid/grid_control.h"

#include <QApplication>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

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

} // namespace
} // namespace viskora
