#include "assaysui/cut_table_view.h"

#include "assaysui/cut_table_model.h"
#include "documents/unit_name_lists.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>

namespace viskora {

CutTableView::CutTableView(CutTableModel& model, QWidget* parent)
    : QTableView(parent), model_(model) {
    setObjectName(QStringLiteral("cutTable"));
    setModel(&model_);
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    // Room for every heading and a density with its decimals.
    setMinimumWidth(440);
    horizontalHeader()->setContextMenuPolicy(Qt::CustomContextMenu);
    horizontalHeader()->setToolTip(QStringLiteral("Right-click a heading to pick its unit"));
    verticalHeader()->setDefaultSectionSize(verticalHeader()->minimumSectionSize() + 4);
    connect(horizontalHeader(), &QWidget::customContextMenuRequested, this,
            &CutTableView::showUnitMenu);
}

void CutTableView::pasteText(const QString& text) {
    QModelIndex from = currentIndex();
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    for (const QModelIndex& index : selected) {
        if (!from.isValid() || index.row() < from.row() ||
            (index.row() == from.row() && index.column() < from.column())) {
            from = index;
        }
    }
    const int row = from.isValid() ? from.row() : model_.rowCount();
    const int column = from.isValid() ? from.column() : 0;
    emit pasted(model_.pasteBlock(row, column, text));
}

void CutTableView::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste)) {
        pasteText(QApplication::clipboard()->text());
        return;
    }
    if ((event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace) &&
        state() != QAbstractItemView::EditingState) {
        for (const QModelIndex& index : selectionModel()->selectedIndexes()) {
            model_.setData(index, QString(), Qt::EditRole);
        }
        return;
    }
    QTableView::keyPressEvent(event);
}

void CutTableView::showUnitMenu(const QPoint& position) {
    const int column = horizontalHeader()->logicalIndexAt(position);
    const auto quantity = CutTableModel::quantityOf(column);
    if (!quantity) {
        return;
    }
    QMenu menu(this);
    const CUnitNameLists lists;
    const auto& names = lists.names(*quantity);
    for (std::size_t i = 0; i < names.size(); ++i) {
        const int code = static_cast<int>(i);
        QAction* action = menu.addAction(QString::fromStdString(names[i]));
        action->setCheckable(true);
        action->setChecked(code == model_.unitCode(column));
        connect(action, &QAction::triggered, this,
                [this, column, code] { model_.setUnitCode(column, code); });
    }
    menu.exec(horizontalHeader()->mapToGlobal(position));
}

} // namespace viskora
