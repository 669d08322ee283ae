#include "documents/document_records.h"
#include "documents/record_fields.h"
#include "documents/unit_name_lists.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <set>
#include <string>

namespace viskora {
namespace {

// A damaged file's index outside the list is read in the base unit, and its
// name says so.
TEST(UnitNameLists, NameAtAnIndexNoListHasIsTheBaseUnits) {
    const CUnitNameLists lists;
    EXPECT_EQ(lists.nameAt(Quantity::Temperature, 1), "°C - Celsius");
    EXPECT_EQ(lists.nameAt(Quantity::Pressure, 3), "MPa (MN/m2)");
    EXPECT_EQ(lists.nameAt(Quantity::Temperature, -1), "°C - Celsius");
    EXPECT_EQ(lists.nameAt(Quantity::Temperature, 4), "°C - Celsius");
    EXPECT_EQ(lists.nameAt(Quantity::Density, 1000000), "kg/m3");
}

// The unit a new form selects for a field, as the program has always shown it.
struct DefaultUnit {
    bool basic;
    std::string_view field;
    std::string_view unitName;
};

void PrintTo(const DefaultUnit& row, std::ostream* out) {
    *out << (row.basic ? "basic " : "additional ") << row.field;
}

template <typename Record> void expectDefault(const DefaultUnit& row) {
    const Record record;
    const auto fields = recordFields(record);
    const auto field =
        std::ranges::find(fields, row.field, &std::ranges::range_value_t<decltype(fields)>::name);
    ASSERT_NE(field, fields.end());
    EXPECT_EQ(CUnitNameLists().nameAt(field->quantity, field->defaultUnitIndex), row.unitName);
    // A new record holds the unit its box selects.
    EXPECT_EQ(record.*field->unitIndex, field->defaultUnitIndex);
}

class DefaultUnits : public ::testing::TestWithParam<DefaultUnit> {};

TEST_P(DefaultUnits, AreTheBaseUnitsAndNewRecordsHoldThem) {
    if (GetParam().basic) {
        expectDefault<BasicDocumentRecord>(GetParam());
    } else {
        expectDefault<AdditionalDocumentRecord>(GetParam());
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryUnitBox, DefaultUnits,
    ::testing::Values(
        DefaultUnit{true, "density", "kg/m3"}, DefaultUnit{true, "densityTemp", "°C - Celsius"},
        DefaultUnit{true, "resDensity", "kg/m3"}, DefaultUnit{true, "resHeat", "kJ/(kg•K)"},
        DefaultUnit{true, "resConductivity", "Wt/(m•K)"},
        DefaultUnit{true, "resViscosity", "mm2/c"}, DefaultUnit{true, "resTension", "N/m"},
        DefaultUnit{true, "resVapour", "MPa (MN/m2)"},
        DefaultUnit{true, "resCritTemp", "°C - Celsius"}, DefaultUnit{false, "density", "kg/m3"},
        DefaultUnit{false, "densityTemp", "°C - Celsius"},
        // Given in the temperature unit, named in a read-only box.
        DefaultUnit{false, "designTemp", "°C - Celsius"},
        DefaultUnit{false, "designPressure", "MPa (MN/m2)"},
        DefaultUnit{false, "gasDensity", "kg/m3"}, DefaultUnit{false, "gasHeat", "kJ/(kg•K)"},
        DefaultUnit{false, "gasConductivity", "Wt/(m•K)"},
        DefaultUnit{false, "gasViscosity", "mm2/c"}, DefaultUnit{false, "gasEnthalpy", "kJ/kg"},
        DefaultUnit{false, "liquidDensity", "kg/m3"}, DefaultUnit{false, "liquidHeat", "kJ/(kg•K)"},
        DefaultUnit{false, "liquidConductivity", "Wt/(m•K)"},
        DefaultUnit{false, "liquidViscosity", "mm2/c"},
        DefaultUnit{false, "liquidTension", "N/m"}));

// Two fields sharing a box would show one value in the other's place: every
// value box and every unit box of a form belongs to one field.
template <typename Record> void expectBoxesNamedOnce() {
    std::set<std::string_view> boxes;
    std::size_t count = 0;
    for (const auto& field : recordFields(Record{})) {
        boxes.insert(field.name);
        ++count;
        if (field.unit == FieldUnit::Own || field.unit == FieldUnit::Shared) {
            boxes.insert(field.unitBox);
            ++count;
        }
    }
    EXPECT_EQ(boxes.size(), count);
}

TEST(RecordFields, EveryBoxBelongsToOneField) {
    expectBoxesNamedOnce<BasicDocumentRecord>();
    expectBoxesNamedOnce<AdditionalDocumentRecord>();
}

} // namespace
} // namespace viskora
