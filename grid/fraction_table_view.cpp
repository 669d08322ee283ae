#include "grid/fraction_table_view.h"

#include "grid/fraction_table_model.h"

#include <QHeaderView>

namespace viskora {

// A fraction's cell always holds a number: Enter in an emptied editor waits
// for one.
FractionTableView::FractionTableView(QWidget* parent)
    : NumberTableView(parent, NumberValidator::Empty::WhileTyping) {
    horizontalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
}

QSize FractionTableView::sizeHint() const {
    constexpr int kShownRows = 5;
    return {QTableView::sizeHint().width(),
            2 * frameWidth() + kShownRows * verticalHeader()->defaultSectionSize()};
}

void FractionTableView::setFractionModel(FractionTableModel* model) {
    model_ = model;
    setModel(model);
}

void FractionTableView::pasteBlockAt(int row, int column, const QString& block) {
    if (model_ != nullptr) {
        model_->pasteBlock(row, column, block);
    }
}

} // namespace viskora
