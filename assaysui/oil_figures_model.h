#pragma once

#include "assays/assay_figures.h"

#include <QAbstractTableModel>
#include <QString>

#include <vector>

namespace viskora {

// The whole-oil figures of one or more oils side by side, read only: one
// row a figure (figure_tables.h), one column an oil; a blend shows its
// oils and itself.
class OilFiguresModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    struct NamedFigures {
        QString name;
        assays::OilFigures figures;
    };

    using QAbstractTableModel::QAbstractTableModel;

    void setOils(std::vector<NamedFigures> oils);
    const std::vector<NamedFigures>& oils() const { return oils_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    std::vector<NamedFigures> oils_;
};

} // namespace viskora
