#include "grid/fraction_table_model.h"

#include "grid/number_validator.h"
#include "grid/spreadsheet_block.h"

namespace viskora {
namespace {

QString withoutBlanks(QString text) {
    text.removeIf([](QChar c) { return c.isSpace(); });
    return text;
}

} // namespace

FractionTableModel::FractionTableModel(QObject* parent) : QAbstractTableModel(parent) {}

int FractionTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int FractionTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QVariant FractionTableModel::data(const QModelIndex& index, int role) const {
    if (!contains(index.row(), index.column())) {
        return {};
    }
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
    case Qt::ToolTipRole: // the whole text of a cell too narrow for it
        return text(index.row(), index.column());
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant FractionTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal) {
        // Shown where no labels stand above the table, and naming a cell
        // in messages.
        static const std::array<const char*, kColumns> headings = {"Start", "End", "Share, %"};
        return role == Qt::DisplayRole && section >= 0 && section < kColumns
                   ? QVariant(QString::fromLatin1(headings[static_cast<std::size_t>(section)]))
                   : QVariant();
    }
    if (role == Qt::DisplayRole) {
        return section + 1;
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(Qt::AlignCenter);
    }
    return {};
}

Qt::ItemFlags FractionTableModel::flags(const QModelIndex& index) const {
    return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
}

bool FractionTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !contains(index.row(), index.column())) {
        return false;
    }
    const QString text = value.toString();
    if (NumberValidator::isBlock(text)) {
        pasteBlock(index.row(), index.column(), text);
    } else {
        putUserText(index.row(), index.column(), text);
    }
    return true;
}

QString FractionTableModel::text(int row, int column) const {
    return contains(row, column) ? rows_[row][static_cast<std::size_t>(column)] : QString();
}

void FractionTableModel::setText(int row, int column, const QString& text) {
    if (!contains(row, column)) {
        return;
    }
    rows_[row][static_cast<std::size_t>(column)] = withoutBlanks(text);
    const QModelIndex cell = index(row, column);
    emit dataChanged(cell, cell);
}

void FractionTableModel::setRows(int count) {
    const int before = rowCount();
    if (count < before) {
        beginRemoveRows({}, count, before - 1);
        rows_.resize(count);
        endRemoveRows();
    } else if (count > before) {
        beginInsertRows({}, before, count - 1);
        rows_.resize(count, {QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0")});
        endInsertRows();
    }
}

void FractionTableModel::pasteBlock(int row, int column, const QString& block) {
    const QList<QStringList> values = spreadsheetBlockValues(block);
    for (int r = 0; r < values.size() && contains(row + r, column); ++r) {
        for (int c = 0; c < values[r].size() && contains(row + r, column + c); ++c) {
            if (const auto number = NumberValidator::cellNumber(values[r][c])) {
                putUserText(row + r, column + c, *number);
            }
        }
    }
}

bool FractionTableModel::contains(int row, int column) const {
    return row >= 0 && row < rowCount() && column >= 0 && column < kColumns;
}

void FractionTableModel::putUserText(int row, int column, const QString& text) {
    const QString cleaned = withoutBlanks(text);
    if (cleaned == this->text(row, column)) {
        return;
    }
    setText(row, column, cleaned);
    emit cellEdited(row, column);
}

} // namespace viskora
