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
    const AdditionalOutcome base = calculateAdditional(c.inBaseUnits);
    const AdditionalOutcome other =
        calculateAdditional(inOtherUnits(c.inBaseUnits, c.tempUnit, c.pressureUnit));
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
        const BasicOutcome outcome = calculateBasic(in, AcceptedWarnings::all());
        EXPECT_EQ(outcome.status, CalcOutcome::Stopped);
        EXPECT_EQ(testing::textsOf(outcome.messages),
                  std::vector<std::string>{texts::kFractionCountOutOfRange});
    }
}

// A caller that asks its user calculates again with each answered text:
// the warnings come one at a time in the engine's order, and the last run
// gives to the bit what accepting everything at once gives.
TEST(Face, AcceptingEachWarningInTurnMeetsTheNextAndEndsAsYesToAll) {
    OilInputs in;
    in.density = 1050; // out of the usual range at 20 deg.C too
    in.densityTemp = -5;
    in.designTemp = -10; // a design state below 0 deg.C
    in.designPressure = 0.3;
    const std::vector<std::string> order = {texts::kDensityTempBelowZero, texts::kDensityOutOfRange,
                                            texts::kDesignTempBelowZero};
    AcceptedWarnings accepted;
    for (const std::string& expected : order) {
        const AdditionalOutcome stopped = calculateAdditional(in, accepted);
        ASSERT_EQ(stopped.status, CalcOutcome::Stopped) << expected;
        ASSERT_FALSE(stopped.messages.empty());
        EXPECT_EQ(stopped.messages.back().text, expected);
        EXPECT_FALSE(stopped.messages.back().accepted);
        accepted.accept(expected);
    }
    const AdditionalOutcome answered = calculateAdditional(in, accepted);
    const AdditionalOutcome yesToAll = calculateAdditional(in, AcceptedWarnings::all());
    ASSERT_EQ(answered.status, CalcOutcome::Completed);
    EXPECT_EQ(testing::textsOf(answered.messages), order);
    EXPECT_EQ(answered.results.liquid.viscosity, yesToAll.results.liquid.viscosity);
    EXPECT_EQ(answered.results.gasMassShare, yesToAll.results.gasMassShare);
}

} // namespace
} // namespace viskora
