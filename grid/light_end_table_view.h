#pragma once

#include "grid/number_table_view.h"

namespace viskora {

class LightEndTableModel;

// The table view of an oil's light ends: the components named down the
// left, their shares in one column headed "% of mass", every row shown
// without a scroll bar. A pasted block goes down the column (see
// LightEndTableModel). A cell emptied in its editor, or by Delete or
// Backspace on the cell, is a component not given.
class LightEndTableView : public NumberTableView {
    Q_OBJECT

  public:
    explicit LightEndTableView(QWidget* parent = nullptr);

    void setLightEndModel(LightEndTableModel* model);
    LightEndTableModel* lightEndModel() const { return model_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

  protected:
    void pasteBlockAt(int row, int column, const QString& block) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    LightEndTableModel* model_ = nullptr;
};

} // namespace viskora
