#pragma once

#include "documents/document_records.h"

namespace viskora {

class GridControl;

// The fraction grid of a form as the writers of files and reports read it:
// the live table, not the record's array.
class GridFractionRows : public FractionRows {
  public:
    explicit GridFractionRows(const GridControl& grid) : grid_(grid) {}

    int rowCount() const override;
    std::string cell(int row, int column) const override;

  private:
    const GridControl& grid_;
};

} // namespace viskora
