#pragma once

#include <QPointer>
#include <QStyledItemDelegate>
#include <QTableView>

class QKeyEvent;

namespace viskora {

class FractionTableModel;

// The editor of a cell: a frameless box under the value rule that lets a
// pasted block through, right-aligned as the cell. In an editor Tab leaves
// the table, and the arrows work as in a spreadsheet: Up and Down, Left at
// the start and Right at the end of the text end the edit and move to the
// neighbour cell.
class NumberCellDelegate : public QStyledItemDelegate {
    Q_OBJECT

  public:
    explicit NumberCellDelegate(QTableView* view);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    // Writes the text of an editor still open into its cell and closes it.
    void finishEditing();

  protected:
    bool eventFilter(QObject* object, QEvent* event) override;

  private:
    void endEdit(QWidget* editor);

    QTableView* view_;
    mutable QPointer<QWidget> openEditor_;
};

// The table view of the fraction rows: numbered rows as tall as a value
// box, columns sharing the width, Tab passing on to the next control, and a spreadsheet block pasted
// with the paste key from the current cell (the first when none is current).
class FractionTableView : public QTableView {
    Q_OBJECT

  public:
    explicit FractionTableView(QWidget* parent = nullptr);

    void setFractionModel(FractionTableModel* model);
    FractionTableModel* fractionModel() const { return model_; }

    // Ends an edit still open in a cell, keeping its text, so that readers
    // of the table (Calculate, saving, the reports) see what was typed.
    void finishEditing() { delegate_->finishEditing(); }
    // Pastes `text` from the current cell on; see FractionTableModel.
    void pasteBlock(const QString& text);

    // Room for five rows without a scroll bar: the rows a new form has.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    friend class NumberCellDelegate;
    void leaveByTab(bool forward) { focusNextPrevChild(forward); }
    void stepCurrentCell(int rows, int columns);

    NumberCellDelegate* delegate_;
    FractionTableModel* model_ = nullptr;
};

} // namespace viskora
