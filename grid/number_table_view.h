#pragma once

#include "grid/number_validator.h"

#include <QPointer>
#include <QStyledItemDelegate>
#include <QTableView>

class QKeyEvent;

namespace viskora {

class NumberTableView;

// The editor of a cell: a frameless box under the value rule that lets a
// pasted block through, right-aligned as the cell. In an editor Tab leaves
// the table, and the arrows work as in a spreadsheet: Up and Down, Left at
// the start and Right at the end of the text end the edit and move to the
// neighbour cell.
class NumberCellDelegate : public QStyledItemDelegate {
    Q_OBJECT

  public:
    explicit NumberCellDelegate(NumberTableView* view);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    // Writes the text of an editor still open into its cell and closes it.
    void finishEditing();

  protected:
    bool eventFilter(QObject* object, QEvent* event) override;

  private:
    void endEdit(QWidget* editor);

    NumberTableView* view_;
    mutable QPointer<QWidget> openEditor_;
};

// A table of typed numbers as the forms show them: rows as tall as a value
// box, cells edited under the value rule, Tab passing on to the next
// control, and a spreadsheet block pasted with the paste key from the
// current cell (the first when none is current). The model behind it says
// how a block spreads over its cells.
class NumberTableView : public QTableView {
    Q_OBJECT

  public:
    // Ends an edit still open in a cell, keeping its text, so that readers
    // of the table (Calculate, saving, the reports) see what was typed.
    void finishEditing() { delegate_->finishEditing(); }
    // Pastes `text` from the current cell on.
    void pasteBlock(const QString& text);

  protected:
    // `emptyCells` says whether Enter takes a cell emptied in its editor.
    NumberTableView(QWidget* parent, NumberValidator::Empty emptyCells);

    // Spreads a pasted block over the model's cells from (row, column) on.
    virtual void pasteBlockAt(int row, int column, const QString& block) = 0;

    void keyPressEvent(QKeyEvent* event) override;

  private:
    friend class NumberCellDelegate;
    void leaveByTab(bool forward) { focusNextPrevChild(forward); }
    void stepCurrentCell(int rows, int columns);

    NumberCellDelegate* delegate_;
    NumberValidator::Empty emptyCells_;
};

} // namespace viskora
