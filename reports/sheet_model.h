#pragma once

#include <compare>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>

namespace viskora {

// A worksheet held in memory while the export lays it out, cell by cell:
// the spreadsheet file is written in one go at the end, with one combined
// format per cell (a cell may get a border, a fill, bold type and an
// alignment from separate steps).

enum class BorderLine : std::uint8_t { None, Thin };

enum class CellAlignment : std::uint8_t {
    General,
    Right,
    // Centred across the range's cells (the empty ones to the right of a
    // text take part).
    CentreAcrossSelection
};

struct CellEdge {
    BorderLine line = BorderLine::None;
    std::uint32_t colour = 0; // 0xRRGGBB

    auto operator<=>(const CellEdge&) const = default;
};

struct CellStyle {
    bool bold = false;
    std::optional<std::uint32_t> fill; // 0xRRGGBB
    CellAlignment alignment = CellAlignment::General;
    CellEdge top, bottom, left, right;
    bool hyperlink = false; // blue, underlined

    auto operator<=>(const CellStyle&) const = default;
};

struct SheetCell {
    std::string value; // empty: no content
    CellStyle style;
};

// Rows and columns from 1, first <= last.
struct CellRange {
    int firstRow;
    int firstColumn;
    int lastRow;
    int lastColumn;
};

// How the sheet prints; what is left unset is the reader's default
// (portrait, the printer's paper).
struct PageLayout {
    std::optional<int> paperSize; // code of the page setup, 9 for A4
    bool landscape = false;       // the page turned, for a wide table
    // Pages across and down the print is scaled to; 0 leaves a direction free.
    std::optional<std::pair<int, int>> fitToPages;
    std::optional<CellRange> printArea;
    std::optional<std::pair<int, int>> titleRows; // first and last
};

struct SheetModel {
    std::string name = "Sheet1";
    std::map<std::pair<int, int>, SheetCell> cells;        // by (row, column)
    std::map<std::pair<int, int>, std::string> hyperlinks; // address by anchor cell
    std::map<int, double> columnWidths;                    // characters, by column
    PageLayout page;

    SheetCell& cell(int row, int column) { return cells[{row, column}]; }
    // Calls `change` on every cell of the range, creating missing ones.
    void forEachCell(const CellRange& range, const std::function<void(SheetCell&)>& change);
    // A border around the outside of the range.
    void borderAround(const CellRange& range, CellEdge edge);
    // A link to `address` on the cell, which shows the address when it
    // holds no text of its own.
    void link(int row, int column, const std::string& address);
};

} // namespace viskora
