#pragma once

#include "documents/document_records.h"
#include "grid/fraction_table_model.h"

namespace viskora {

// The fraction table of a form as the writers of files and reports read it:
// the live table, not the record's array. Column 0 is the row's number.
class TableFractionRows : public FractionRows {
  public:
    explicit TableFractionRows(const FractionTableModel& table) : table_(table) {}

    int rowCount() const override { return table_.rowCount(); }
    std::string cell(int row, int column) const override {
        if (column == 0) {
            return row >= 0 && row < rowCount() ? std::to_string(row + 1) : std::string();
        }
        return table_.text(row, column - 1).toStdString();
    }

  private:
    const FractionTableModel& table_;
};

} // namespace viskora
