#pragma once

#include "assays/assay.h"

#include <QAbstractTableModel>
#include <QString>

#include <optional>
#include <vector>

namespace viskora {

// An oil offered for a blend: its name, where it comes from (a window's
// title or a file's name) and the oil as an assay.
struct NamedOil {
    QString name;
    QString source;
    assays::Assay oil;
};

// The oils of a blend with their shares, per cent: the oil's name and
// source, read only, and its share, typed by the forms' rule for numbers
// (an empty share is 0).
class BlendPartsModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    enum Column { Name, Source, Share, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    void addOil(NamedOil oil, double sharePct);
    void removeOil(int row);
    const NamedOil& oil(int row) const { return parts_[static_cast<std::size_t>(row)].oil; }
    std::vector<double> shares() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  signals:
    void edited();

  private:
    struct Part {
        NamedOil oil;
        double sharePct = 0;
    };
    std::vector<Part> parts_;
};

// Why the shares cannot make a blend, as the blend itself says it
// (assays::blendShareProblem); nothing when they can.
std::optional<QString> shareProblem(const std::vector<double>& shares);

} // namespace viskora
