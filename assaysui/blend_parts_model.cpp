#include "assaysui/blend_parts_model.h"

#include "assays/blend.h"
#include "assaysui/cut_table_model.h"


namespace viskora {

void BlendPartsModel::addOil(NamedOil oil, double sharePct) {
    beginInsertRows({}, rowCount(), rowCount());
    parts_.push_back({std::move(oil), sharePct});
    endInsertRows();
    emit edited();
}

void BlendPartsModel::removeOil(int row) {
    if (row < 0 || row >= rowCount()) {
        return;
    }
    beginRemoveRows({}, row, row);
    parts_.erase(parts_.begin() + row);
    endRemoveRows();
    emit edited();
}

std::vector<double> BlendPartsModel::shares() const {
    std::vector<double> shares;
    for (const Part& part : parts_) {
        shares.push_back(part.sharePct);
    }
    return shares;
}

int BlendPartsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(parts_.size());
}

int BlendPartsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant BlendPartsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const Part& part = parts_[static_cast<std::size_t>(index.row())];
    if (role == Qt::TextAlignmentRole && index.column() == Share) {
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    }
    if (role != Qt::DisplayRole && role != Qt::EditRole) {
        return {};
    }
    switch (index.column()) {
    case Name:
        return part.oil.name;
    case Source:
        return part.oil.source;
    default:
        return editableNumber(part.sharePct);
    }
}

bool BlendPartsModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || index.column() != Share ||
        index.row() >= rowCount()) {
        return false;
    }
    const QString text = value.toString().trimmed();
    const std::optional<double> share = text.isEmpty() ? 0.0 : typedNumber(text);
    if (!share) {
        return false;
    }
    parts_[static_cast<std::size_t>(index.row())].sharePct = *share;
    emit dataChanged(index, index);
    emit edited();
    return true;
}

Qt::ItemFlags BlendPartsModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    const Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    return index.column() == Share ? flags | Qt::ItemIsEditable : flags;
}

QVariant BlendPartsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    switch (section) {
    case Name:
        return QStringLiteral("Oil");
    case Source:
        return QStringLiteral("From");
    case Share:
        return QStringLiteral("Share, %");
    default:
        return {};
    }
}

std::optional<QString> shareProblem(const std::vector<double>& shares) {
    const std::optional<std::string> problem = assays::blendShareProblem(shares);
    return problem ? std::optional(QString::fromStdString(*problem)) : std::nullopt;
}

} // namespace viskora
