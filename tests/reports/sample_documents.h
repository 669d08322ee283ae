#pragma once

#include "documents/document_records.h"

#include <array>
#include <string>
#include <vector>

namespace viskora::testing {

// The documents the golden reports were made from.
BasicDocumentRecord sampleBasicRecord();
AdditionalDocumentRecord sampleAdditionalRecord();

// Four rows: one with "350" as a start temperature, one with "°" and a
// Cyrillic letter in a cell, one whose cell is longer than its column.
std::vector<std::array<std::string, 3>> fewFractionRows();
// 100 rows, so that the last row number has three digits.
std::vector<std::array<std::string, 3>> hundredFractionRows();

// Puts rows into a record's table and switches the fraction input on.
template <typename Record>
void useRows(Record& record, const std::vector<std::array<std::string, 3>>& rows) {
    record.useFractions = 1;
    record.fractionCount = static_cast<int>(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        record.fractions[i] = rows[i];
    }
}

// A grid stand-in with its own cells; column 0 is numbered like the grid's.
class GridRows : public FractionRows {
  public:
    explicit GridRows(std::vector<std::array<std::string, 3>> rows) : rows_(std::move(rows)) {}
    int rowCount() const override { return static_cast<int>(rows_.size()); }
    std::string cell(int row, int column) const override;

  private:
    std::vector<std::array<std::string, 3>> rows_;
};

} // namespace viskora::testing
