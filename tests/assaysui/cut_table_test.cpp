#include "assaysui/cut_table_model.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

namespace viskora {
namespace {

// Unit codes without a name of their own in units/unit_tables.h.
constexpr int kGramsPerCm3 = 1;
constexpr int kSquareMetresPerSecond = 0;

struct TypingCase {
    std::string name;
    int column;
    int unitCode;
    const char* text;
    bool accepted;
    // What the cut holds afterwards, in deg.C, kg/m3 or mm2/s; nothing for
    // a value not given.
    std::optional<double> held;
};

void PrintTo(const TypingCase& c, std::ostream* os) {
    *os << c.name;
}

std::optional<double> heldValue(const assays::AssayCut& cut, int column) {
    switch (column) {
    case CutTableModel::Start:
        return cut.startC;
    case CutTableModel::End:
        return cut.endC;
    case CutTableModel::Yield:
        return cut.yield;
    case CutTableModel::Density:
        return cut.density ? std::optional(cut.density->kgPerM3) : std::nullopt;
    case CutTableModel::DensityTemp:
        return cut.density ? std::optional(cut.density->tempC) : std::nullopt;
    case CutTableModel::Viscosity:
        return cut.viscosity ? std::optional(cut.viscosity->mm2PerS) : std::nullopt;
    default:
        return cut.viscosity ? std::optional(cut.viscosity->tempC) : std::nullopt;
    }
}

class CutTyping : public ::testing::TestWithParam<TypingCase> {};

// A cut of a measured density and viscosity, so that every column has a
// value to change.
assays::AssayCut measuredCut() {
    assays::AssayCut cut;
    cut.startC = 100;
    cut.endC = 200;
    cut.yield = 20;
    cut.density = assays::StatedDensity{800, 20};
    cut.viscosity = assays::StatedViscosity{2, 50};
    return cut;
}

TEST_P(CutTyping, TypedTextReachesTheCutInBaseUnits) {
    const TypingCase& c = GetParam();
    CutTableModel model;
    model.setCuts({measuredCut()});
    model.setUnitCode(c.column, c.unitCode);
    const std::optional<double> before = heldValue(model.cuts()[0], c.column);

    const bool accepted =
        model.setData(model.index(0, c.column), QString::fromLatin1(c.text), Qt::EditRole);

    EXPECT_EQ(accepted, c.accepted);
    const std::optional<double> held = heldValue(model.cuts()[0], c.column);
    const std::optional<double> expected = c.accepted ? c.held : before;
    ASSERT_EQ(held.has_value(), expected.has_value());
    if (expected) {
        EXPECT_NEAR(*held, *expected, 1e-9 * std::max(1.0, std::abs(*expected)));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cells, CutTyping,
    ::testing::Values(
        TypingCase{"StartInCelsius", CutTableModel::Start, unit::kCelsius, "150", true, 150.0},
        TypingCase{"EmptyStartIsNotGiven", CutTableModel::Start, unit::kCelsius, "", true,
                   std::nullopt},
        TypingCase{"EndInFahrenheit", CutTableModel::End, unit::kFahrenheit, "392", true, 200.0},
        TypingCase{"EndInKelvin", CutTableModel::End, unit::kKelvin, "473.15", true, 200.0},
        TypingCase{"CommaIsADecimalPoint", CutTableModel::Yield, 0, "12,5", true, 12.5},
        TypingCase{"EmptyYieldIsZero", CutTableModel::Yield, 0, " ", true, 0.0},
        TypingCase{"DensityInGramsPerCm3", CutTableModel::Density, kGramsPerCm3, "0.85", true,
                   850.0},
        TypingCase{"DensityCleared", CutTableModel::Density, unit::kKgPerM3, "", true,
                   std::nullopt},
        TypingCase{"ViscosityInSquareMetresPerSecond", CutTableModel::Viscosity,
                   kSquareMetresPerSecond, "3e-6", true, 3.0},
        TypingCase{"TextIsRefused", CutTableModel::Density, unit::kKgPerM3, "heavy", false,
                   std::nullopt},
        TypingCase{"TrailingTextIsRefused", CutTableModel::End, unit::kCelsius, "200C", false,
                   std::nullopt},
        TypingCase{"OverflowIsRefused", CutTableModel::Yield, 0, "1e999", false, std::nullopt},
        TypingCase{"InfinityIsRefused", CutTableModel::Start, unit::kCelsius, "inf", false,
                   std::nullopt}),
    [](const ::testing::TestParamInfo<TypingCase>& info) { return info.param.name; });

// An empty temperature of a measured value is the laboratory's usual one:
// shown greyed, and given to the library.
TEST(CutTable, EmptyTemperatureOfAMeasurementIsTheUsualOne) {
    CutTableModel model;
    model.setCuts({measuredCut()});
    ASSERT_TRUE(model.setData(model.index(0, CutTableModel::DensityTemp), QString(), Qt::EditRole));
    ASSERT_TRUE(
        model.setData(model.index(0, CutTableModel::ViscosityTemp), QString(), Qt::EditRole));
    EXPECT_EQ(model.cuts()[0].density->tempC, 15);
    EXPECT_EQ(model.cuts()[0].viscosity->tempC, 40);
    EXPECT_EQ(model.data(model.index(0, CutTableModel::DensityTemp), Qt::DisplayRole).toString(),
              QStringLiteral("15"));
    EXPECT_EQ(model.data(model.index(0, CutTableModel::DensityTemp), Qt::EditRole).toString(),
              QString());
}

// A spreadsheet's block lands from the chosen cell on, adds the rows it
// needs, leaves a field that is no number as it was and counts it, and
// drops what lies past the last column.
TEST(CutTable, PastedBlockFillsFromTheChosenCellOn) {
    CutTableModel model;
    model.setCuts({measuredCut()});
    const QString block = QStringLiteral("36\t74\t7,5\n74\tx\t17\t761\t15\t1\t40\t99\r\n");

    const int refused = model.pasteBlock(0, CutTableModel::Start, block);

    EXPECT_EQ(refused, 1);
    ASSERT_EQ(model.rowCount(), 2);
    const auto cuts = model.cuts();
    EXPECT_EQ(cuts[0].startC, 36);
    EXPECT_EQ(cuts[0].endC, 74);
    EXPECT_EQ(cuts[0].yield, 7.5);
    EXPECT_EQ(cuts[0].density->kgPerM3, 800); // beyond the first line's fields
    EXPECT_EQ(cuts[1].startC, 74);
    EXPECT_FALSE(cuts[1].endC);
    EXPECT_EQ(cuts[1].yield, 17);
    EXPECT_EQ(cuts[1].density->kgPerM3, 761);
    EXPECT_EQ(cuts[1].viscosity->mm2PerS, 1);
    EXPECT_EQ(cuts[1].viscosity->tempC, 40);
}

TEST(CutTable, PasteStopsAtTheMostCutsAnAssayHolds) {
    CutTableModel model;
    QString block;
    for (std::size_t line = 0; line < assays::kMaxAssayCuts + 5; ++line) {
        block += QStringLiteral("1\n");
    }
    model.pasteBlock(0, CutTableModel::Yield, block);
    EXPECT_EQ(model.rowCount(), static_cast<int>(assays::kMaxAssayCuts));
    EXPECT_FALSE(model.insertCut(0));
}

// A column's unit changes what it shows and its heading, not the value held.
TEST(CutTable, ColumnUnitConvertsTheShownValueAndNamesIt) {
    CutTableModel model;
    model.setCuts({measuredCut()});
    model.setUnitCode(CutTableModel::End, unit::kFahrenheit);
    model.setUnitCode(CutTableModel::Density, kGramsPerCm3);
    EXPECT_EQ(model.data(model.index(0, CutTableModel::End), Qt::DisplayRole).toString(),
              QStringLiteral("392"));
    EXPECT_EQ(model.data(model.index(0, CutTableModel::Density), Qt::DisplayRole).toString(),
              QStringLiteral("0.8"));
    EXPECT_TRUE(model.headerData(CutTableModel::End, Qt::Horizontal, Qt::DisplayRole)
                    .toString()
                    .endsWith(QStringLiteral("°F")));
    EXPECT_EQ(model.cuts()[0].endC, 200);
    EXPECT_EQ(model.cuts()[0].density->kgPerM3, 800);
}

} // namespace
} // namespace viskora
