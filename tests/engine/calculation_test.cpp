#include "engine/calc_sequence.h"
#include "engine/calculation.h"
#include "engine/message_texts.h"
#include "engine/oil_calc.h"
#include "scripted_messages.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

namespace viskora {
namespace {

using testing::ScriptedMessages;

// Unit codes without a name of their own in units/unit_tables.h.
constexpr int kGramsPerCm3 = 1;
constexpr int kBar = 5;

// An oil given in other units than the defaults, with a design state where
// both phases exist, and the same oil written into a record field by field.
struct FaceCase {
    const char* name;
    OilInputs oil;
};

void PrintTo(const FaceCase& c, std::ostream* out) {
    *out << c.name;
}

void fillByHand(COilCalc& calc, const OilInputs& oil) {
    calc.densityIn = oil.density;
    calc.densityTempIn = oil.densityTemp;
    calc.densityUnit = oil.densityUnit;
    calc.tempUnit = oil.tempUnit;
    calc.designTempIn = oil.designTemp;
    calc.designPressureIn = oil.designPressure;
    calc.pressureUnit = oil.pressureUnit;
    calc.viscosityMethod = oil.viscosityMethod;
    calc.inputMode = oil.useFractions ? 2 : 1;
    calc.fracCountIn = static_cast<int>(oil.fractions.size());
    for (std::size_t i = 0; i < oil.fractions.size(); ++i) {
        calc.fracStartIn[i + 1] = oil.fractions[i].start;
        calc.fracEndIn[i + 1] = oil.fractions[i].end;
        calc.fracShare[i + 1] = oil.fractions[i].share;
    }
}

OilInputs oil(int tempUnit, double densityTemp, bool fractions, double designTemp, int pressureUnit,
              double pressure, ViscosityMethod method) {
    OilInputs in;
    in.density = 0.85;
    in.densityUnit = kGramsPerCm3;
    in.tempUnit = tempUnit;
    in.densityTemp = densityTemp;
    in.useFractions = fractions;
    if (fractions) {
        in.fractions = {{104, 212, 20}, {212, 392, 30}, {392, 752, 50}}; // deg.F
    }
    in.designTemp = designTemp;
    in.pressureUnit = pressureUnit;
    in.designPressure = pressure;
    in.viscosityMethod = method;
    return in;
}

class Face : public ::testing::TestWithParam<FaceCase> {};

// The face gives the figures of the record filled field by field, to the bit.
TEST_P(Face, EqualsTheRecordFilledByHand) {
    const OilInputs& in = GetParam().oil;
    const auto calc = std::make_unique<COilCalc>();
    fillByHand(*calc, in);
    ASSERT_EQ(runAdditionalCalculation(*calc), CalcOutcome::Completed);
    const AdditionalOutcome outcome = calculateAdditional(in, nullptr);
    ASSERT_EQ(outcome.status, CalcOutcome::Completed);
    EXPECT_EQ(outcome.results.gasMassShare, calc->gasMassShare);
    EXPECT_EQ(outcome.results.gas.density, calc->gas.density);
    EXPECT_EQ(outcome.results.liquid.viscosity, calc->liquid.viscosity);
    EXPECT_EQ(outcome.characterisation.molarMass, calc->liquidPart.molarMass);
    EXPECT_GT(outcome.results.gasMassShare, 0);
    EXPECT_GT(outcome.results.liquidMassShare, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Oils, Face,
    ::testing::Values(
        FaceCase{"DensityOnlyInFahrenheitAndBar",
                 oil(unit::kFahrenheit, 68, false, 482, kBar, 2, ViscosityMethod::WholeOil)},
        FaceCase{"FractionsInFahrenheitByCuts", oil(unit::kFahrenheit, 59, true, 392, unit::kMPa,
                                                    0.05, ViscosityMethod::NarrowCuts)},
        FaceCase{"DensityOnlyInKelvin", oil(unit::kKelvin, 293.15, false, 473.15, unit::kMPa, 0.05,
                                            ViscosityMethod::WholeOil)}),
    [](const auto& info) { return std::string(info.param.name); });

// A table in use must have 1 to kMaxFractions rows; more are not cut off.
TEST(Face, FractionTableOutsideItsRowCountIsRefused) {
    for (const std::size_t rows : {std::size_t{0}, std::size_t{kMaxFractions + 1}}) {
        OilInputs in;
        in.useFractions = true;
        in.fractions.assign(rows, {100, 100, 0.5});
        ScriptedMessages messages;
        EXPECT_EQ(calculateBasic(in, &messages).status, CalcOutcome::Stopped);
        EXPECT_EQ(messages.texts(), std::vector<std::string>{texts::kFractionCountOutOfRange});
    }
}

} // namespace
} // namespace viskora
