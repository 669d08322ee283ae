#include "reports/sheet_model.h"

#include <gtest/gtest.h>

namespace viskora {
namespace {

TEST(SheetModel, BorderAroundSetsOnlyTheOuterEdges) {
    SheetModel sheet;
    const CellEdge thin{BorderLine::Thin, 0x000000};
    sheet.borderAround({14, 7, 15, 9}, thin); // G14:I15
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
