#include "grid/light_end_table_model.h"

#include "grid/number_validator.h"
#include "grid/spreadsheet_block.h"

#include <cstddef>
#include <optional>

namespace viskora {
namespace {

QString withoutBlanks(QString text) {
    text.removeIf([](QChar c) { return c.isSpace(); });
    return text;
}

// A value as a light end's cell takes it: nothing (a component not given)
// or a number; no text for anything else.
std::optional<QString> shareText(const QString& value) {
    if (withoutBlanks(value).isEmpty()) {
        return QString();
    }
    return NumberValidator::cellNumber(value);
}

std::size_t slot(int row) {
    return static_cast<std::size_t>(row);
}

} // namespace

LightEndTableModel::LightEndTableModel(QObject* parent) : QAbstractTableModel(parent) {}

int LightEndTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kRows;
}

int LightEndTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 1;
}

QVariant LightEndTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !contains(index.row()) || index.column() != 0) {
        return {};
    }
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
    case Qt::ToolTipRole: // the whole text of a cell too narrow for it
        return text(index.row());
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant LightEndTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Vertical) {
        if (!contains(section)) {
            return {};
        }
        const std::string_view name = kLightEnds[slot(section)].name;
        switch (role) {
        case Qt::DisplayRole:
            return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
        default:
            return {};
        }
    }
    if (section != 0) {
        return {};
    }
    switch (role) {
    case Qt::DisplayRole:
        return QStringLiteral("% of mass");
    case Qt::ToolTipRole:
        return QStringLiteral("The share of the whole oil's mass, counted within the first "
                              "fraction; empty for a component not given");
    default:
        return {};
    }
}

Qt::ItemFlags LightEndTableModel::flags(const QModelIndex& index) const {
    return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
}

bool LightEndTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid() || !contains(index.row()) || index.column() != 0) {
        return false;
    }
    const QString typed = value.toString();
    if (NumberValidator::isBlock(typed)) {
        pasteBlock(index.row(), typed);
        return true;
    }
    const std::optional<QString> share = shareText(typed);
    if (!share) {
        return false;
    }
    putUserText(index.row(), *share);
    return true;
}

QString LightEndTableModel::text(int row) const {
    return contains(row) ? shares_[slot(row)] : QString();
}

void LightEndTableModel::setText(int row, const QString& text) {
    if (!contains(row)) {
        return;
    }
    shares_[slot(row)] = withoutBlanks(text);
    const QModelIndex cell = index(row, 0);
    emit dataChanged(cell, cell);
}

void LightEndTableModel::pasteBlock(int row, const QString& block) {
    const QList<QStringList> lines = spreadsheetBlockValues(block);
    for (int r = 0; r < lines.size() && contains(row + r); ++r) {
        if (const std::optional<QString> share = shareText(lines[r].value(0))) {
            putUserText(row + r, *share);
        }
    }
}

void LightEndTableModel::putUserText(int row, const QString& text) {
    if (text == shares_[slot(row)]) {
        return;
    }
    setText(row, text);
    emit shareEdited(row);
}

} // namespace viskora
