#include "grid/cell_delegate.h"

#include "grid/grid_control.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyle>
#include <QToolTip>

namespace viskora {

CellDelegate::CellDelegate(GridControl* grid) : QStyledItemDelegate(grid), grid_(grid) {}

QWidget* CellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                    const QModelIndex& index) const {
    if (!grid_->editorFactory_) {
        openEditor_ = QStyledItemDelegate::createEditor(parent, option, index);
        return openEditor_;
    }
    QWidget* editor = grid_->editorFactory_(parent);
    openEditor_ = editor;
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        const QVariant alignment = index.data(Qt::TextAlignmentRole);
        if (alignment.isValid()) {
            line->setAlignment(Qt::Alignment(alignment.toInt()));
        }
    }
    return editor;
}

void CellDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    if (index.column() < grid_->fixedColumns_) {
        const QPalette::ColorGroup group =
            option->state.testFlag(QStyle::State_Enabled) ? QPalette::Normal : QPalette::Disabled;
        option->backgroundBrush = option->palette.brush(group, QPalette::Button);
        option->palette.setBrush(QPalette::Text,
                                 option->palette.brush(group, QPalette::ButtonText));
    }
}

bool CellDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view,
                             const QStyleOptionViewItem& option, const QModelIndex& index) {
    if (event == nullptr || view == nullptr || event->type() != QEvent::ToolTip) {
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    }
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    QStyle* style = view->style();
    const QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, view);
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
    const int needed = opt.fontMetrics.horizontalAdvance(opt.text) + 2 * margin;
    if (!opt.text.isEmpty() && needed > textRect.width()) {
        QToolTip::showText(event->globalPos(), opt.text, view->viewport(), opt.rect);
    } else {
        QToolTip::hideText();
    }
    return true;
}

void CellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                const QModelIndex& index) const {
    if (const auto* line = qobject_cast<const QLineEdit*>(editor)) {
        grid_->commitCellText(index.row(), index.column(), line->text());
        return;
    }
    const QString before = index.data(Qt::EditRole).toString();
    QStyledItemDelegate::setModelData(editor, model, index);
    if (index.data(Qt::EditRole).toString() != before) {
        emit grid_->cellEdited(index.row(), index.column());
    }
}

void CellDelegate::finishEditing() {
    if (openEditor_ != nullptr) {
        QWidget* editor = openEditor_;
        openEditor_ = nullptr;
        endEdit(editor);
    }
}

void CellDelegate::endEdit(QWidget* editor) {
    emit commitData(editor);
    emit closeEditor(editor, QAbstractItemDelegate::NoHint);
}

std::optional<QPoint> CellDelegate::arrowStep(const QObject* editor, const QKeyEvent* key) {
    if (key->modifiers() != Qt::NoModifier && key->modifiers() != Qt::KeypadModifier) {
        return std::nullopt;
    }
    const auto* line = qobject_cast<const QLineEdit*>(editor);
    const bool atStart =
        line == nullptr || (line->cursorPosition() == 0 && !line->hasSelectedText());
    const bool atEnd = line == nullptr ||
                       (line->cursorPosition() == line->text().size() && !line->hasSelectedText());
    switch (key->key()) {
    case Qt::Key_Up:
        return QPoint(0, -1);
    case Qt::Key_Down:
        return QPoint(0, 1);
    case Qt::Key_Left:
        return atStart ? std::optional(QPoint(-1, 0)) : std::nullopt;
    case Qt::Key_Right:
        return atEnd ? std::optional(QPoint(1, 0)) : std::nullopt;
    default:
        return std::nullopt;
    }
}

bool CellDelegate::eventFilter(QObject* object, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return QStyledItemDelegate::eventFilter(object, event);
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    auto* editor = qobject_cast<QWidget*>(object);
    if (!grid_->takesTab() && (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)) {
        const bool forward =
            key->key() == Qt::Key_Tab && !key->modifiers().testFlag(Qt::ShiftModifier);
        endEdit(editor);
        grid_->leaveByTab(forward);
        return true;
    }
    if (key->matches(QKeySequence::Paste) &&
        GridControl::isBlock(QGuiApplication::clipboard()->text())) {
        endEdit(editor);
        grid_->pasteBlock(QGuiApplication::clipboard()->text());
        return true;
    }
    if (const std::optional<QPoint> step = arrowStep(object, key)) {
        endEdit(editor);
        grid_->stepCurrentCell(step->y(), step->x());
        return true;
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

} // namespace viskora
