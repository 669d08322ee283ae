#include "grid/light_end_table_model.h"
#include "grid/light_end_table_view.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <array>
#include <ostream>

namespace viskora {
namespace {

// A window with the light-end table laid out in it, every share given by
// the program.
struct LightEndWindow {
    QWidget window;
    LightEndTableView* view = new LightEndTableView(&window);
    LightEndTableModel model;

    LightEndWindow() {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(view);
        view->setLightEndModel(&model);
        const std::array start{"0.1", "0.2", "0.3", "0.4", "0.5", "0.6"};
        for (int row = 0; row < LightEndTableModel::kRows; ++row) {
            model.setText(row, QString::fromLatin1(start[static_cast<std::size_t>(row)]));
        }
    }

    void show() {
        window.show();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        view->setFocus();
    }
};

// How the user changes the cell the case starts on.
enum class Way { TypeAndEnter, EmptyTheEditorAndEnter, DeleteKey, PasteKey };

struct EditCase {
    const char* what;
    int row;
    Way way;
    const char* input; // typed keys or the clipboard
    std::array<const char*, LightEndTableModel::kRows> shares;
    int edits; // cells the user changed
};

void PrintTo(const EditCase& c, std::ostream* out) {
    *out << c.what;
}

class LightEndEdits : public ::testing::TestWithParam<EditCase> {};

// An empty share is a component not given, so emptying a cell must be as
// easy as typing in it; a block from a spreadsheet's column goes down the
// components.
TEST_P(LightEndEdits, ReachTheSharesAsTheUserMeantThem) {
    const EditCase& c = GetParam();
    LightEndWindow w;
    QSignalSpy edited(&w.model, &LightEndTableModel::shareEdited);
    w.show();
    w.view->setCurrentIndex(w.model.index(c.row, 0));
    const QString input = QString::fromUtf8(c.input);
    switch (c.way) {
    case Way::TypeAndEnter:
        // The first key opens the editor, which takes the rest.
        for (const QChar key : input) {
            QTest::keyClicks(QApplication::focusWidget(), QString(key));
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        break;
    case Way::EmptyTheEditorAndEnter: {
        QTest::keyClick(w.view, Qt::Key_F2);
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        ASSERT_NE(editor, nullptr);
        editor->selectAll();
        QTest::keyClick(editor, Qt::Key_Backspace);
        QTest::keyClick(editor, Qt::Key_Return);
        break;
    }
    case Way::DeleteKey:
        QTest::keyClick(w.view, Qt::Key_Delete);
        break;
    case Way::PasteKey:
        QGuiApplication::clipboard()->setText(input);
        QTest::keyClick(w.view, Qt::Key_V, Qt::ControlModifier);
        break;
    }
    QCoreApplication::processEvents(); // the delegate commits from the event queue
    for (int row = 0; row < LightEndTableModel::kRows; ++row) {
        EXPECT_EQ(w.model.text(row), QString::fromUtf8(c.shares[static_cast<std::size_t>(row)]))
            << "row " << row;
    }
    EXPECT_EQ(edited.count(), c.edits);
    EXPECT_EQ(QApplication::focusWidget(), w.view) << "the edit has ended";
}

INSTANTIATE_TEST_SUITE_P(
    LightEndTable, LightEndEdits,
    ::testing::Values(EditCase{"a typed comma is a decimal point",
                               1,
                               Way::TypeAndEnter,
                               "1,5",
                               {"0.1", "1.5", "0.3", "0.4", "0.5", "0.6"},
                               1},
                      EditCase{"Enter takes an emptied editor",
                               2,
                               Way::EmptyTheEditorAndEnter,
                               "",
                               {"0.1", "0.2", "", "0.4", "0.5", "0.6"},
                               1},
                      EditCase{"Delete empties the cell",
                               5,
                               Way::DeleteKey,
                               "",
                               {"0.1", "0.2", "0.3", "0.4", "0.5", ""},
                               1},
                      EditCase{"a column goes down, an empty value empties its cell",
                               1,
                               Way::PasteKey,
                               "1\n2\n\n4\n",
                               {"0.1", "1", "2", "", "4", "0.6"},
                               4},
                      EditCase{"lines past n-pentane are dropped",
                               4,
                               Way::PasteKey,
                               "7\n8\n9",
                               {"0.1", "0.2", "0.3", "0.4", "7", "8"},
                               2},
                      EditCase{"only the first value of a line is a share",
                               0,
                               Way::PasteKey,
                               "1\t99\n2\t98",
                               {"1", "2", "0.3", "0.4", "0.5", "0.6"},
                               2},
                      EditCase{"a word leaves its cell as it was",
                               0,
                               Way::PasteKey,
                               "propane\n3",
                               {"0.1", "3", "0.3", "0.4", "0.5", "0.6"},
                               1}));

// The six rows and the heading show whole at the size the table asks for.
TEST(LightEndTable, ShowsEveryComponentWithoutScrolling) {
    LightEndWindow w;
    w.show();
    const QRect viewport = w.view->viewport()->rect();
    for (int row = 0; row < LightEndTableModel::kRows; ++row) {
        EXPECT_TRUE(viewport.contains(w.view->visualRect(w.model.index(row, 0)))) << row;
    }
    EXPECT_GE(w.view->height(), w.view->sizeHint().height());
}

} // namespace
} // namespace viskora
