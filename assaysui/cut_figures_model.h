#pragma once

#include "assays/assay_figures.h"

#include <QAbstractTableModel>

#include <vector>

namespace viskora {

// The characterised cuts, read only: the boiling range, then the figures
// of figure_tables.h. A density the library estimated (the cut had none)
// and a viscosity anchored to a measured one are marked in their cells'
// tooltips.
class CutFiguresModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    using QAbstractTableModel::QAbstractTableModel;

    void setCuts(std::vector<assays::CutFigures> cuts);
    const std::vector<assays::CutFigures>& cuts() const { return cuts_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    std::vector<assays::CutFigures> cuts_;
};

} // namespace viskora
