#include "assaysui/light_end_yield_model.h"

#include "assaysui/cut_table_model.h"

#include <array>
#include <cstddef>
#include <optional>

namespace viskora {

void LightEndYieldModel::setYieldBasis(assays::YieldBasis basis) {
    basis_ = basis;
    emit headerDataChanged(Qt::Horizontal, 0, 0);
}

void LightEndYieldModel::setYields(const std::vector<assays::LightEndYield>& given) {
    std::array<std::optional<double>, kRows> sums{};
    for (const assays::LightEndYield& yield : given) {
        auto& sum = sums[static_cast<std::size_t>(yield.component)];
        sum = sum.value_or(0) + yield.yield;
    }
    for (int row = 0; row < kRows; ++row) {
        const auto& sum = sums[static_cast<std::size_t>(row)];
        setText(row, sum ? editableNumber(*sum) : QString());
    }
}

std::vector<assays::LightEndYield> LightEndYieldModel::yields(QString* problem) const {
    std::vector<assays::LightEndYield> given;
    for (int row = 0; row < kRows; ++row) {
        if (text(row).isEmpty()) {
            continue;
        }
        if (const std::optional<double> yield = typedNumber(text(row))) {
            given.push_back({static_cast<LightEnd>(row), *yield});
        } else if (problem != nullptr && problem->isEmpty()) {
            *problem = QStringLiteral("Light end %1: the yield is not a number.")
                           .arg(headerData(row, Qt::Vertical, Qt::DisplayRole).toString());
        }
    }
    return given;
}

QVariant LightEndYieldModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section != 0) {
        return LightEndTableModel::headerData(section, orientation, role);
    }
    switch (role) {
    case Qt::DisplayRole:
        return basis_ == assays::YieldBasis::Mass ? QStringLiteral("Yield\nmass %")
                                                  : QStringLiteral("Yield\nvolume %");
    case Qt::ToolTipRole:
        return QStringLiteral("The component's share of the whole oil, on the assay's basis; "
                              "empty for a component not given");
    default:
        return LightEndTableModel::headerData(section, orientation, role);
    }
}

} // namespace viskora
