#include "grid/grid_control.h"

#include "grid/cell_delegate.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QTableWidget>
#include <QVBoxLayout>

namespace viskora {
namespace {

QString withoutBlanks(QString text) {
    text.removeIf([](QChar c) { return c.isSpace(); });
    return text;
}

// The rows of a pasted block, each split into its values; the line break
// that ends a spreadsheet's copy makes no row.
QList<QStringList> blockValues(QString text) {
    text.remove(QLatin1Char('\r'));
    while (text.endsWith(QLatin1Char('\n'))) {
        text.chop(1);
    }
    QList<QStringList> rows;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        rows.append(line.split(QLatin1Char('\t')));
    }
    return rows;
}

std::optional<QString> defaultPasteRule(const QString& value) {
    QString text = withoutBlanks(value);
    return text.isEmpty() ? std::nullopt : std::optional(text);
}

} // namespace

GridControl::GridControl(QWidget* parent)
    : QWidget(parent), table_(new QTableWidget(this)), delegate_(new CellDelegate(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(table_);
    setFocusProxy(table_);
    setFocusPolicy(table_->focusPolicy());

    table_->setItemDelegate(delegate_);
    table_->horizontalHeader()->hide();
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setMinimumSectionSize(1);
    table_->horizontalHeader()->setMinimumSectionSize(1);
    table_->setWordWrap(false);
    table_->setTextElideMode(Qt::ElideRight);
    table_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    table_->installEventFilter(this);
    pasteRule_ = defaultPasteRule;
}

void GridControl::setColumnCount(int count) {
    table_->setColumnCount(count);
    for (int row = 0; row < table_->rowCount(); ++row) {
        fillRow(row);
    }
}

int GridControl::columnCount() const {
    return table_->columnCount();
}

void GridControl::setRowCount(int count) {
    const int before = table_->rowCount();
    table_->setRowCount(count);
    for (int row = before; row < table_->rowCount(); ++row) {
        fillRow(row);
    }
}

int GridControl::rowCount() const {
    return table_->rowCount();
}

void GridControl::setFixedColumnCount(int count) {
    fixedColumns_ = count;
    refreshFlags();
}

void GridControl::setColumnWidth(int column, int pixels) {
    if (column >= 0 && column < table_->columnCount()) {
        table_->setColumnWidth(column, pixels);
    }
}

void GridControl::setRowHeight(int row, int pixels) {
    if (row >= 0 && row < table_->rowCount()) {
        table_->setRowHeight(row, pixels);
    }
}

QString GridControl::cellText(int row, int column) const {
    const QTableWidgetItem* item = itemAt(row, column);
    return item != nullptr ? item->text() : QString();
}

void GridControl::setCellText(int row, int column, const QString& text) {
    if (QTableWidgetItem* item = itemAt(row, column)) {
        item->setText(text);
    }
}

void GridControl::setCellAlignment(int row, int column, Qt::Alignment horizontal) {
    if (QTableWidgetItem* item = itemAt(row, column)) {
        item->setTextAlignment((horizontal & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter);
    }
}

int GridControl::appendRow(const QString& column0Text) {
    const int row = table_->rowCount();
    table_->insertRow(row);
    fillRow(row);
    setCellText(row, 0, column0Text);
    return row;
}

void GridControl::deleteRow(int row) {
    if (row >= 0 && row < table_->rowCount()) {
        table_->removeRow(row);
    }
}

void GridControl::setDragAndDropEnabled(bool enabled) {
    table_->setDragEnabled(enabled);
    table_->setAcceptDrops(enabled);
    table_->setDragDropMode(enabled ? QAbstractItemView::DragDrop : QAbstractItemView::NoDragDrop);
}

void GridControl::setCellsEditable(bool editable) {
    editable_ = editable;
    refreshFlags();
}

void GridControl::setTakesTab(bool takes) {
    takesTab_ = takes;
    table_->setTabKeyNavigation(takes);
}

void GridControl::setCellSelectionEnabled(bool enabled) {
    selectable_ = enabled;
    table_->setSelectionMode(enabled ? QAbstractItemView::ExtendedSelection
                                     : QAbstractItemView::NoSelection);
    table_->setSelectionBehavior(QAbstractItemView::SelectItems);
    refreshFlags();
}

void GridControl::setCellFont(const QFont& font) {
    table_->setFont(font);
}

void GridControl::setCellEditorFactory(EditorFactory factory) {
    editorFactory_ = std::move(factory);
}

void GridControl::setPasteRule(PasteRule rule) {
    pasteRule_ = rule ? std::move(rule) : PasteRule(defaultPasteRule);
}

bool GridControl::isBlock(const QString& text) {
    const QList<QStringList> rows = blockValues(text);
    return rows.size() > 1 || rows.front().size() > 1;
}

void GridControl::pasteBlock(const QString& text) {
    if (table_->currentRow() >= 0 && table_->currentColumn() >= fixedColumns_) {
        pasteBlockAt(table_->currentRow(), table_->currentColumn(), text);
    } else {
        pasteBlockAt(0, fixedColumns_, text);
    }
}

void GridControl::pasteBlockAt(int row, int column, const QString& text) {
    if (!editable_ || column < fixedColumns_) {
        return;
    }
    const QList<QStringList> rows = blockValues(text);
    for (int r = 0; r < rows.size() && row + r < table_->rowCount(); ++r) {
        const QStringList& values = rows[r];
        for (int c = 0; c < values.size() && column + c < table_->columnCount(); ++c) {
            if (const std::optional<QString> cell = pasteRule_(values[c])) {
                putUserText(row + r, column + c, *cell);
            }
        }
    }
}

void GridControl::commitCellText(int row, int column, const QString& text) {
    if (isBlock(text)) {
        pasteBlockAt(row, column, text);
    } else {
        putUserText(row, column, withoutBlanks(text));
    }
}

void GridControl::putUserText(int row, int column, const QString& text) {
    QTableWidgetItem* item = itemAt(row, column);
    if (item != nullptr && item->text() != text) {
        item->setText(text);
        emit cellEdited(row, column);
    }
}

bool GridControl::eventFilter(QObject* object, QEvent* event) {
    if (object == table_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste)) {
        pasteBlock(QGuiApplication::clipboard()->text());
        return true;
    }
    return QWidget::eventFilter(object, event);
}

void GridControl::repaintCells() {
    table_->viewport()->update();
}

QTableWidgetItem* GridControl::itemAt(int row, int column) const {
    if (row < 0 || column < 0 || row >= table_->rowCount() || column >= table_->columnCount()) {
        return nullptr;
    }
    return table_->item(row, column);
}

Qt::ItemFlags GridControl::flagsFor(int column) const {
    Qt::ItemFlags flags = Qt::ItemIsEnabled;
    if (column >= fixedColumns_) {
        if (editable_) {
            flags |= Qt::ItemIsEditable;
        }
        if (selectable_) {
            flags |= Qt::ItemIsSelectable;
        }
    }
    return flags;
}

void GridControl::fillRow(int row) {
    for (int column = 0; column < table_->columnCount(); ++column) {
        QTableWidgetItem* item = table_->item(row, column);
        if (item == nullptr) {
            item = new QTableWidgetItem();
            table_->setItem(row, column, item);
        }
        item->setFlags(flagsFor(column));
    }
}

void GridControl::refreshFlags() {
    for (int row = 0; row < table_->rowCount(); ++row) {
        fillRow(row);
    }
}

void GridControl::leaveByTab(bool forward) {
    focusNextPrevChild(forward);
}

void GridControl::stepCurrentCell(int rows, int columns) {
    const int row = table_->currentRow() + rows;
    const int column = table_->currentColumn() + columns;
    if (row >= 0 && row < table_->rowCount() && column >= fixedColumns_ &&
        column < table_->columnCount()) {
        table_->setCurrentCell(row, column);
    }
}

void GridControl::finishEditing() {
    delegate_->finishEditing();
}

} // namespace viskora
