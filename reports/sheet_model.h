#pragma once

#include <compare>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace viskora {

// A worksheet held in memory while the export describes it, cell by cell:
// the spreadsheet file is written in one go at the end, with one combined
// format per cell (a cell may get a border, a fill, bold type and an
// alignment from separate calls).

enum class BorderLine : std::uint8_t { None, Hair, Thin, Medium, Thick };

enum class CellAlignment : std::uint8_t {
    General,
    Left,
    Centre,
    Right,
    Fill,
    Justify,
    CentreAcrossSelection
};

struct CellEdge {
    BorderLine line = BorderLine::None;
    std::uint32_t colour = 0; // 0xRRGGBB

    auto operator<=>(const CellEdge&) const = default;
};

inline constexpr double kDefaultFontSize = 11.0;

struct CellStyle {
    bool bold = false;
    double fontSize = kDefaultFontSize;
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

inline constexpr int kMaxSheetRows = 1048576;
inline constexpr int kMaxSheetColumns = 16384;

enum class PageOrientation : std::uint8_t { Portrait, Landscape };

// How the sheet prints; what is left unset is the reader's default.
struct PageLayout {
    std::optional<int> paperSize; // code of the page setup, 9 for A4
    std::optional<PageOrientation> orientation;
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
    void forEachCell(const CellRange& range,
                     const std::function<void(int, int, SheetCell&)>& change);
    void borderAround(const CellRange& range, CellEdge edge);
};

// The row and column of a cell name such as "B9" or "AA10"; none when the
// text is not a cell name inside the sheet's limits.
std::optional<std::pair<int, int>> parseCellName(std::string_view name);

// The range spanned by two cells, whichever corner each one is.
CellRange spannedRange(std::pair<int, int> first, std::pair<int, int> second);

bool insideSheet(int row, int column);

// Colour of an entry of the default 56-colour palette; none outside 1 to 56.
std::optional<std::uint32_t> paletteColour(int index);

// Alignment codes of the object model; none for an unknown code.
std::optional<CellAlignment> alignmentFromCode(int code);

// Border of a line style and weight (only continuous lines are drawn); none
// for a combination the sheet cannot show.
std::optional<BorderLine> borderFromStyle(int lineStyle, int weight);

} // namespace viskora
