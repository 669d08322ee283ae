#include "reports/sheet_model.h"

#include <algorithm>
#include <array>

namespace viskora {
namespace {

// The default palette, index 1 first.
constexpr std::array<std::uint32_t, 56> kDefaultPalette = {
    0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0xFF00FF, 0x00FFFF,
    0x800000, 0x008000, 0x000080, 0x808000, 0x800080, 0x008080, 0xC0C0C0, 0x808080,
    0x9999FF, 0x993366, 0xFFFFCC, 0xCCFFFF, 0x660066, 0xFF8080, 0x0066CC, 0xCCCCFF,
    0x000080, 0xFF00FF, 0xFFFF00, 0x00FFFF, 0x800080, 0x800000, 0x008080, 0x0000FF,
    0x00CCFF, 0xCCFFFF, 0xCCFFCC, 0xFFFF99, 0x99CCFF, 0xFF99CC, 0xCC99FF, 0xFFCC99,
    0x3366FF, 0x33CCCC, 0x99CC00, 0xFFCC00, 0xFF9900, 0xFF6600, 0x666699, 0x969696,
    0x003366, 0x339966, 0x003300, 0x333300, 0x993300, 0x993366, 0x333399, 0x333333,
};

constexpr int kContinuous = 1;

} // namespace

void SheetModel::forEachCell(const CellRange& range,
                             const std::function<void(int, int, SheetCell&)>& change) {
    for (int row = range.firstRow; row <= range.lastRow; ++row) {
        for (int column = range.firstColumn; column <= range.lastColumn; ++column) {
            change(row, column, cell(row, column));
        }
    }
}

void SheetModel::borderAround(const CellRange& range, CellEdge edge) {
    forEachCell(range, [&](int row, int column, SheetCell& target) {
        if (row == range.firstRow) {
            target.style.top = edge;
        }
        if (row == range.lastRow) {
            target.style.bottom = edge;
        }
        if (column == range.firstColumn) {
            target.style.left = edge;
        }
        if (column == range.lastColumn) {
            target.style.right = edge;
        }
    });
}

bool insideSheet(int row, int column) {
    return row >= 1 && row <= kMaxSheetRows && column >= 1 && column <= kMaxSheetColumns;
}

std::optional<std::pair<int, int>> parseCellName(std::string_view name) {
    std::size_t i = 0;
    long column = 0;
    for (; i < name.size() && i < 3 && name[i] >= 'A' && name[i] <= 'Z'; ++i) {
        column = column * 26 + (name[i] - 'A' + 1);
    }
    const std::size_t digitsStart = i;
    long row = 0;
    for (; i < name.size() && i - digitsStart < 7 && name[i] >= '0' && name[i] <= '9'; ++i) {
        row = row * 10 + (name[i] - '0');
    }
    if (digitsStart == 0 || i == digitsStart || i != name.size() || name[digitsStart] == '0' ||
        !insideSheet(static_cast<int>(row), static_cast<int>(column))) {
        return std::nullopt;
    }
    return std::pair{static_cast<int>(row), static_cast<int>(column)};
}

CellRange spannedRange(std::pair<int, int> first, std::pair<int, int> second) {
    return {std::min(first.first, second.first), std::min(first.second, second.second),
            std::max(first.first, second.first), std::max(first.second, second.second)};
}

std::optional<std::uint32_t> paletteColour(int index) {
    if (index < 1 || index > static_cast<int>(kDefaultPalette.size())) {
        return std::nullopt;
    }
    return kDefaultPalette[static_cast<std::size_t>(index - 1)];
}

std::optional<CellAlignment> alignmentFromCode(int code) {
    switch (code) {
    case 1:
        return CellAlignment::General;
    case 2:
    case -4131:
        return CellAlignment::Left;
    case 3:
    case -4108:
        return CellAlignment::Centre;
    case 4:
    case -4152:
        return CellAlignment::Right;
    case 5:
        return CellAlignment::Fill;
    case 6:
    case -4130:
        return CellAlignment::Justify;
    case 7:
        return CellAlignment::CentreAcrossSelection;
    default:
        return std::nullopt;
    }
}

std::optional<BorderLine> borderFromStyle(int lineStyle, int weight) {
    if (lineStyle != kContinuous) {
        return std::nullopt;
    }
    switch (weight) {
    case 1:
        return BorderLine::Hair;
    case 2:
        return BorderLine::Thin;
    case -4138:
        return BorderLine::Medium;
    case 4:
        return BorderLine::Thick;
    default:
        return std::nullopt;
    }
}

} // namespace viskora
