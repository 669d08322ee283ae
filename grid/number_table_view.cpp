#include "grid/number_table_view.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>

#include <optional>

namespace viskora {
namespace {

// The neighbour an arrow key leads to from the edited text, as a column and
// row step; none for a key that moves within the text.
std::optional<QPoint> arrowStep(const QLineEdit& line, const QKeyEvent& key) {
    if (key.modifiers() != Qt::NoModifier && key.modifiers() != Qt::KeypadModifier) {
        return std::nullopt;
    }
    const bool noSelection = !line.hasSelectedText();
    switch (key.key()) {
    case Qt::Key_Up:
        return QPoint(0, -1);
    case Qt::Key_Down:
        return QPoint(0, 1);
    case Qt::Key_Left:
        return noSelection && line.cursorPosition() == 0 ? std::optional(QPoint(-1, 0))
                                                         : std::nullopt;
    case Qt::Key_Right:
        return noSelection && line.cursorPosition() == line.text().size()
                   ? std::optional(QPoint(1, 0))
                   : std::nullopt;
    default:
        return std::nullopt;
    }
}

} // namespace

NumberCellDelegate::NumberCellDelegate(NumberTableView* view)
    : QStyledItemDelegate(view), view_(view) {}

QWidget* NumberCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& /*option*/,
                                          const QModelIndex& /*index*/) const {
    auto* line = new QLineEdit(parent);
    line->setFrame(false);
    line->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    line->setValidator(
        new NumberValidator(line, NumberValidator::Blocks::Allowed, view_->emptyCells_));
    openEditor_ = line;
    return line;
}

void NumberCellDelegate::finishEditing() {
    if (openEditor_ != nullptr) {
        QWidget* editor = openEditor_;
        openEditor_ = nullptr;
        endEdit(editor);
    }
}

void NumberCellDelegate::endEdit(QWidget* editor) {
    emit commitData(editor);
    emit closeEditor(editor, QAbstractItemDelegate::NoHint);
}

bool NumberCellDelegate::eventFilter(QObject* object, QEvent* event) {
    auto* line = qobject_cast<QLineEdit*>(object);
    if (event->type() != QEvent::KeyPress || line == nullptr) {
        return QStyledItemDelegate::eventFilter(object, event);
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
        endEdit(line);
        view_->leaveByTab(key->key() == Qt::Key_Tab &&
                          !key->modifiers().testFlag(Qt::ShiftModifier));
        return true;
    }
    if (key->matches(QKeySequence::Paste)) {
        const QString clipboard = QGuiApplication::clipboard()->text();
        if (NumberValidator::isBlock(clipboard)) {
            endEdit(line);
            view_->pasteBlock(clipboard);
            return true;
        }
    }
    if (const std::optional<QPoint> step = arrowStep(*line, *key)) {
        endEdit(line);
        view_->stepCurrentCell(step->y(), step->x());
        return true;
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

NumberTableView::NumberTableView(QWidget* parent, NumberValidator::Empty emptyCells)
    : QTableView(parent), delegate_(new NumberCellDelegate(this)), emptyCells_(emptyCells) {
    setItemDelegate(delegate_);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
}

void NumberTableView::pasteBlock(const QString& text) {
    const QModelIndex current = currentIndex();
    pasteBlockAt(current.isValid() ? current.row() : 0, current.isValid() ? current.column() : 0,
                 text);
}

void NumberTableView::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste) && model() != nullptr) {
        pasteBlock(QGuiApplication::clipboard()->text());
        return;
    }
    QTableView::keyPressEvent(event);
}

void NumberTableView::stepCurrentCell(int rows, int columns) {
    const QModelIndex next = currentIndex().siblingAtRow(currentIndex().row() + rows);
    const QModelIndex target =
        next.isValid() ? next.siblingAtColumn(next.column() + columns) : QModelIndex();
    if (target.isValid()) {
        setCurrentIndex(target);
    }
}

} // namespace viskora
