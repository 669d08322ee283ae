#pragma once

#include <QPointer>
#include <QStyledItemDelegate>

namespace viskora {

class GridControl;

// Draws the grid's cells and supplies their in-place editor. Cells of the
// fixed columns are drawn like a header; a text cut off by the cell's edge
// is shown whole as a tool tip; Tab in an editor leaves the grid when the
// grid does not take Tab.
class CellDelegate : public QStyledItemDelegate {
    Q_OBJECT

  public:
    explicit CellDelegate(GridControl* grid);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

    // Writes the text of an editor still open into its cell and closes it.
    void finishEditing();

  protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
    bool eventFilter(QObject* object, QEvent* event) override;

  private:
    GridControl* grid_;
    mutable QPointer<QWidget> openEditor_;
};

} // namespace viskora
