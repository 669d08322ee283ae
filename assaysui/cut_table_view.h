#pragma once

#include <QTableView>

namespace viskora {

class CutTableModel;

// The table of an assay's cuts: Ctrl+V pastes a block copied from a
// spreadsheet from the current cell on, Delete empties the selected cells,
// and a right-click on a heading picks the column's unit.
class CutTableView : public QTableView {
    Q_OBJECT

  public:
    explicit CutTableView(CutTableModel& model, QWidget* parent = nullptr);

    // Pastes text as Ctrl+V pastes the clipboard's.
    void pasteText(const QString& text);

  signals:
    // A paste left out `refused` fields that were not numbers.
    void pasted(int refused);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void showUnitMenu(const QPoint& position);

    CutTableModel& model_;
};

} // namespace viskora
