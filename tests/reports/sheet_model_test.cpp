#include "reports/sheet_model.h"

#include <gtest/gtest.h>

#include <optional>
#include <utility>

namespace viskora {
namespace {

TEST(SheetModel, CellNames) {
    using Cell = std::optional<std::pair<int, int>>;
    const struct {
        const char* name;
        Cell cell;
    } cases[] = {
        {"A1", Cell{{1, 1}}},
        {"B9", Cell{{9, 2}}},
        {"I100", Cell{{100, 9}}},
        {"AA10", Cell{{10, 27}}},
        {"XFD1048576", Cell{{1048576, 16384}}},
        {"XFE1", std::nullopt},
        {"A1048577", std::nullopt},
        {"A0", std::nullopt},
        {"A01", std::nullopt},
        {"b9", std::nullopt},
        {"9B", std::nullopt},
        {"B", std::nullopt},
        {"B9 ", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(parseCellName(c.name), c.cell) << c.name;
    }
}

TEST(SheetModel, BorderAroundSetsOnlyTheOuterEdges) {
    SheetModel sheet;
    const CellEdge thin{BorderLine::Thin, 0x000000};
    sheet.borderAround(spannedRange({15, 9}, {14, 7}), thin); // G14:I15 given backwards
    const CellStyle& topLeft = sheet.cell(14, 7).style;
    EXPECT_EQ(topLeft.top, thin);
    EXPECT_EQ(topLeft.left, thin);
    EXPECT_EQ(topLeft.bottom, CellEdge{});
    EXPECT_EQ(topLeft.right, CellEdge{});
    const CellStyle& middleBottom = sheet.cell(15, 8).style;
    EXPECT_EQ(middleBottom.bottom, thin);
    EXPECT_EQ(middleBottom.top, CellEdge{});
    EXPECT_EQ(middleBottom.left, CellEdge{});
    EXPECT_EQ(middleBottom.right, CellEdge{});
    EXPECT_EQ(sheet.cells.size(), 6u);

    sheet.borderAround({3, 2, 3, 2}, thin); // one cell: all four edges
    const CellStyle& single = sheet.cell(3, 2).style;
    EXPECT_EQ(single.top, thin);
    EXPECT_EQ(single.bottom, thin);
    EXPECT_EQ(single.left, thin);
    EXPECT_EQ(single.right, thin);
}

} // namespace
} // namespace viskora
