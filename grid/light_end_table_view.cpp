#include "grid/light_end_table_view.h"

#include "grid/light_end_table_model.h"

#include <QHeaderView>
#include <QKeyEvent>

#include <algorithm>

namespace viskora {

LightEndTableView::LightEndTableView(QWidget* parent)
    : NumberTableView(parent, NumberValidator::Empty::Allowed) {
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

QSize LightEndTableView::sizeHint() const {
    // Room for a share such as "100.0000", or for the heading when that is
    // wider; a longer text shows whole in its cell's tool tip.
    const int shareWidth = std::max(fontMetrics().horizontalAdvance(QStringLiteral("100.0000")) +
                                        fontMetrics().averageCharWidth() * 2,
                                    horizontalHeader()->sectionSizeHint(0));
    const int rows = model_ != nullptr ? model_->rowCount() : 0;
    return {2 * frameWidth() + verticalHeader()->sizeHint().width() + shareWidth,
            2 * frameWidth() + horizontalHeader()->sizeHint().height() +
                rows * verticalHeader()->defaultSectionSize()};
}

void LightEndTableView::setLightEndModel(LightEndTableModel* model) {
    model_ = model;
    setModel(model);
    updateGeometry();
}

void LightEndTableView::keyPressEvent(QKeyEvent* event) {
    const bool clears = (event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace) &&
                        event->modifiers() == Qt::NoModifier;
    if (clears && model_ != nullptr && currentIndex().isValid()) {
        model_->setData(currentIndex(), QString(), Qt::EditRole);
        return;
    }
    NumberTableView::keyPressEvent(event);
}

void LightEndTableView::pasteBlockAt(int row, int /*column*/, const QString& block) {
    if (model_ != nullptr) {
        model_->pasteBlock(row, block);
    }
}

} // namespace viskora
