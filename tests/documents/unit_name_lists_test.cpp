#include "documents/document_records.h"
#include "documents/unit_name_lists.h"

#include <gtest/gtest.h>

#include <set>

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

struct DefaultUnit {
    int controlId;
    std::string_view name;
};

void expectDefaults(std::span<const UnitBoxInfo> boxes, std::span<const DefaultUnit> expected) {
    const CUnitNameLists lists;
    ASSERT_EQ(boxes.size(), expected.size());
    std::set<int> ids;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        EXPECT_EQ(boxes[i].controlId, expected[i].controlId);
        EXPECT_EQ(lists.nameAt(boxes[i].quantity, boxes[i].defaultIndex), expected[i].name)
            << boxes[i].indexField;
        ids.insert(boxes[i].controlId);
    }
    EXPECT_EQ(ids.size(), boxes.size());
}

TEST(UnitNameLists, BasicFormBoxesSelectTheirDefaultUnits) {
    const DefaultUnit expected[] = {
        {1006, "°C - Celsius"}, {1004, "kg/m3"},       {1008, "kg/m3"},
        {1014, "kJ/(kg•K)"},    {1021, "Wt/(m•K)"},    {1022, "mm2/c"},
        {1026, "N/m"},          {1025, "MPa (MN/m2)"}, {1034, "°C - Celsius"},
    };
    expectDefaults(basicFormUnitBoxes(), expected);
}

TEST(UnitNameLists, AdditionalFormBoxesSelectTheirDefaultUnits) {
    const DefaultUnit expected[] = {
        {1006, "°C - Celsius"}, {1004, "kg/m3"},     {1010, "MPa (MN/m2)"}, {1012, "kg/m3"},
        {1081, "kJ/(kg•K)"},    {1082, "Wt/(m•K)"},  {1083, "mm2/c"},       {1084, "kJ/kg"},
        {1088, "kg/m3"},        {1089, "kJ/(kg•K)"}, {1090, "Wt/(m•K)"},    {1092, "mm2/c"},
        {1091, "N/m"},
    };
    expectDefaults(additionalFormUnitBoxes(), expected);
}

TEST(UnitNameLists, NewRecordsHoldTheBoxDefaults) {
    const BasicDocumentRecord basic;
    const int basicIndices[] = {
        basic.tempUnitIndex,       basic.densityUnitIndex,         basic.resDensityUnitIndex,
        basic.resHeatUnitIndex,    basic.resConductivityUnitIndex, basic.resViscosityUnitIndex,
        basic.resTensionUnitIndex, basic.resVapourUnitIndex,       basic.resCritTempUnitIndex};
    for (std::size_t i = 0; i < std::size(basicIndices); ++i) {
        EXPECT_EQ(basicIndices[i], basicFormUnitBoxes()[i].defaultIndex)
            << basicFormUnitBoxes()[i].indexField;
    }
    const AdditionalDocumentRecord additional;
    const int additionalIndices[] = {additional.tempUnitIndex,
                                     additional.densityUnitIndex,
                                     additional.pressureUnitIndex,
                                     additional.gasDensityUnitIndex,
                                     additional.gasHeatUnitIndex,
                                     additional.gasConductivityUnitIndex,
                                     additional.gasViscosityUnitIndex,
                                     additional.gasEnthalpyUnitIndex,
                                     additional.liquidDensityUnitIndex,
                                     additional.liquidHeatUnitIndex,
                                     additional.liquidConductivityUnitIndex,
                                     additional.liquidViscosityUnitIndex,
                                     additional.liquidTensionUnitIndex};
    for (std::size_t i = 0; i < std::size(additionalIndices); ++i) {
        EXPECT_EQ(additionalIndices[i], additionalFormUnitBoxes()[i].defaultIndex)
            << additionalFormUnitBoxes()[i].indexField;
    }
}

} // namespace
} // namespace viskora
