#pragma once

#include "grid/number_table_view.h"

namespace viskora {

class FractionTableModel;

// The table view of the fraction rows: numbered rows, columns sharing the
// width, and a pasted block spread right and down over the rows the table
// has (see FractionTableModel).
class FractionTableView : public NumberTableView {
    Q_OBJECT

  public:
    explicit FractionTableView(QWidget* parent = nullptr);

    void setFractionModel(FractionTableModel* model);
    FractionTableModel* fractionModel() const { return model_; }

    // Room for five rows without a scroll bar: the rows a new form has.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

  protected:
    void pasteBlockAt(int row, int column, const QString& block) override;

  private:
    FractionTableModel* model_ = nullptr;
};

} // namespace viskora
