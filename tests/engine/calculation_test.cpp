#include "engine/calculation.h"
#include "engine/message_texts.h"
#include "scripted_messages.h"
#include "units/unit_tables.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>

namespace viskora {
namespace {

using testing::ScriptedMessages;

// Unit codes without a name of their own in units/unit_tables.h.
constexpr int kGramsPerCm3 = 1;
constexpr int kBar = 5;

// The oil of the cases in base units: 850 kg/m3 at `densityTemp` deg.C, by
// its density alone or by three fractions (deg.C), at a design state where
// both phases exist.
OilInputs oil(double densityTemp, bool fractions, double designTemp, double pressure,
              ViscosityMethod method) {
    OilInputs in;
    in.density = 850;
    in.densityTemp = densityTemp;
    in.useFractions = fractions;
    if (fractions) {
        in.fractions = {{40, 100, 20}, {100, 200, 30}, {200, 400, 50}};
    }
    in.designTemp = designTemp;
    in.designPressure = pressure;
    in.viscosityMethod = method;
    return in;
}

// The same oil given in other units: every temperature in `tempUnit`, the
// density in g/cm3, the pressure in `pressureUnit`.
OilInputs inOtherUnits(OilInputs in, int tempUnit, int pressureUnit) {
    const auto temperature = [tempUnit](double celsius) {
        return convertTemperature(celsius, unit::kCelsius, tempUnit);
    };
    in.density = 0.85;
    in.densityUnit = kGramsPerCm3;
    in.tempUnit = tempUnit;
    in.densityTemp = temperature(in.densityTemp);
    in.designTemp = temperature(in.designTemp);
    for (FractionInput& row : in.fractions) {
        row.start = temperature(row.start);
        row.end = temperature(row.end);
    }
    in.pressureUnit = pressureUnit;
    in.designPressure = convert(Quantity::Pressure, in.designPressure, unit::kMPa, pressureUnit);
    return in;
}

struct FaceCase {
    const char* name;
    OilInputs inBaseUnits;
    int tempUnit;
    int pressureUnit;
};

void PrintTo(const FaceCase& c, std::ostream* out) {
    *out << c.name;
}

class Face : public ::testing::TestWithParam<FaceCase> {};

// A unit code read the wrong way (as when the engine counted codes from 1
// and the boxes from 0) gives another oil; the same oil in any units gives
// the same phases.
TEST_P(Face, GivesTheSameOilInAnyUnits) {
    const FaceCase& c = GetParam();
    const AdditionalOutcome base = calculateAdditional(c.inBaseUnits, nullptr);
    const AdditionalOutcome other =
        calculateAdditional(inOtherUnits(c.inBaseUnits, c.tempUnit, c.pressureUnit), nullptr);
    ASSERT_EQ(base.status, CalcOutcome::Completed);
    ASSERT_EQ(other.status, CalcOutcome::Completed);
    EXPECT_GT(base.results.gasMassShare, 0);
    EXPECT_GT(base.results.liquidMassShare, 0);
    const std::pair<double, double> figures[] = {
        {other.results.gasMassShare, base.results.gasMassShare},
        {other.results.gas.density, base.results.gas.density},
        {other.results.liquid.viscosity, base.results.liquid.viscosity},
        {other.characterisation.molarMass, base.characterisation.molarMass},
    };
    for (const auto& [given, expected] : figures) {
        EXPECT_NEAR(given, expected, 1e-9 * expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Oils, Face,
    ::testing::Values(FaceCase{"DensityOnlyInFahrenheitAndBar",
                               oil(20, false, 250, 0.2, ViscosityMethod::WholeOil),
                               unit::kFahrenheit, kBar},
                      FaceCase{"FractionsInFahrenheitByCuts",
                               oil(15, true, 200, 0.05, ViscosityMethod::NarrowCuts),
                               unit::kFahrenheit, unit::kMPa},
                      FaceCase{"DensityOnlyInKelvin",
                               oil(20, false, 200, 0.05, ViscosityMethod::WholeOil), unit::kKelvin,
                               unit::kMPa}),
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
