#pragma once

#include <QPoint>
#include <QPointer>
#include <QStyledItemDelegate>

#include <optional>

class QKeyEvent;

namespace viskora {

class GridControl;

// Draws the grid's cells and supplies their in-place editor. Cells of the
// fixed columns are drawn like a header; a text cut off by the cell's edge
// is shown whole as a tool tip; Tab in an editor leaves the grid when the
// grid does not take Tab. In an editor the arrows work as in a spreadsheet:
// Up and Down, Left at the start and Right at the end of the text end the
// edit and move to the neighbour cell; a paste of a block of values ends the
// edit and spreads the block from the cell. A commit that changes a cell's
// text is reported as the user's edit.
class CellDelegate : public QStyledItemDelegate {
    Q_OBJECT

  public:
    explicit CellDelegate(GridControl* grid);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

    // Writes the text of an editor still open into its cell and closes it.
    void finishEditing();

  protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
    bool eventFilter(QObject* object, QEvent* event) override;

  private:
    // The neighbour an arrow key leads to from the edited text, as a row
    // and column step; none for a key that stays within the text.
    static std::optional<QPoint> arrowStep(const QObject* editor, const QKeyEvent* key);
    void endEdit(QWidget* editor);

    GridControl* grid_;
    mutable QPointer<QWidget> openEditor_;
};

} // namespace viskora
