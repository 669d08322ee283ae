#pragma once

#include "assays/assay.h"
#include "grid/light_end_table_model.h"

#include <QString>

#include <vector>

namespace viskora {

// The light ends of an assay by component, in the table the forms give
// them in (its rule for typed and pasted shares, an empty cell a component
// not given), each a yield on the assay's basis, which the column's
// heading names.
class LightEndYieldModel : public LightEndTableModel {
    Q_OBJECT

  public:
    using LightEndTableModel::LightEndTableModel;

    void setYieldBasis(assays::YieldBasis basis);

    // The assay's light ends into the cells, not as the user's edit; a
    // component given twice (only a damaged file holds one) shows the sum
    // of its yields.
    void setYields(const std::vector<assays::LightEndYield>& given);
    // The cells as the assay's light ends, in the order of kLightEnds. A
    // cell that holds no number, as the assay's boxes read them, is left
    // out and named in `problem` when it is given.
    std::vector<assays::LightEndYield> yields(QString* problem = nullptr) const;

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    assays::YieldBasis basis_ = assays::YieldBasis::Volume;
};

} // namespace viskora
