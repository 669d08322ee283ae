#include "engine/bubble_point_note.h"
#include "engine/calculation.h"
#include "engine/critical_correlations.h"
#include "engine/light_ends.h"
#include "engine/narrow_cut_vapour_pressure.h"
#include "engine/vapour_pressure_correlations.h"
#include "scripted_messages.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>

namespace viskora {
namespace {

constexpr double kReidKelvin = kReidTempC + 273.15;

double psatAt(LightEnd component, double kelvin) {
    const LightEndConstants& c = constantsOf(component);
    return vapour::leeKeslerVapourPressure(kelvin, c.critTemp, c.critPressure, c.acentric);
}

struct HandbookPressure {
    LightEnd component;
    double kPaAt37_8; // measured (GPA 2145)
};

void PrintTo(const HandbookPressure& row, std::ostream* out) {
    *out << constantsOf(row.component).name;
}

class LightEndPressure : public ::testing::TestWithParam<HandbookPressure> {};

// Lee-Kesler's relation on the handbook constants stays within 1 % of each
// light end's measured vapour pressure at the Reid temperature.
TEST_P(LightEndPressure, WithinOnePercentOfTheHandbook) {
    const HandbookPressure& row = GetParam();
    const double kPa = psatAt(row.component, kReidKelvin) * 1000;
    EXPECT_NEAR(kPa, row.kPaAt37_8, 0.01 * row.kPaAt37_8);
}

INSTANTIATE_TEST_SUITE_P(At37_8C, LightEndPressure,
                         ::testing::Values(HandbookPressure{LightEnd::Propane, 1300},
                                           HandbookPressure{LightEnd::Isobutane, 500},
                                           HandbookPressure{LightEnd::NButane, 356},
                                           HandbookPressure{LightEnd::Isopentane, 141},
                                           HandbookPressure{LightEnd::NPentane, 107}),
                         [](const auto& info) {
                             std::string name(constantsOf(info.param.component).name);
                             std::erase(name, '-');
                             return name;
                         });

// n-heptane taken as a narrow cut from its boiling point and gravity alone,
// the chain every cut of an oil goes through, held to the pure component's
// measured figures (Tc 540.2 K, Pc 2.74 MPa, M 100.20, 11.2 kPa at 37.8
// deg.C); the correlations' own printed results are run with the other
// worked values.
TEST(NarrowCutComponent, HeptaneFromItsBoilingPointAndGravity) {
    constexpr double tb = 371.58;
    constexpr double sg = 0.6882;
    const double tc = vapour::riaziDaubert(vapour::kCriticalTemperature, tb, sg);
    const double pc = vapour::riaziDaubert(vapour::kCriticalPressure, tb, sg);
    EXPECT_NEAR(tc, 540.2, 0.01 * 540.2);
    EXPECT_NEAR(pc, 2.74, 0.03 * 2.74);
    EXPECT_NEAR(vapour::riaziDaubert(vapour::kMolarMass, tb, sg), 100.20, 0.01 * 100.2);
    const double omega = critical::leeKeslerAcentric(tb / tc, pc);
    // The acentric factor makes the cut boil at its own boiling point.
    EXPECT_NEAR(vapour::leeKeslerVapourPressure(tb, tc, pc, omega), 0.101325, 1e-12);
    const double kPa = vapour::leeKeslerVapourPressure(kReidKelvin, tc, pc, omega) * 1000;
    EXPECT_NEAR(kPa, 11.2, 0.02 * 11.2);
}

// An oil of light ends alone: no cuts.
std::optional<OilVolatility> lightEndsOnly(const LightEndAmounts& amounts, double density20) {
    static const CutArray none{};
    return OilVolatility::of({none, none, none, none, 0, 0}, {}, amounts, density20);
}

TEST(OilVolatility, TwoComponentBubblePointByHand) {
    LightEndAmounts amounts{};
    amounts[static_cast<int>(LightEnd::Propane)] = 30;
    amounts[static_cast<int>(LightEnd::NPentane)] = 70;
    const auto oil = lightEndsOnly(amounts, 600);
    ASSERT_TRUE(oil);
    const double propane = 30 / constantsOf(LightEnd::Propane).molarMass;
    const double pentane = 70 / constantsOf(LightEnd::NPentane).molarMass;
    const double kelvin = 25 + 273.15;
    const double byHand = (propane * psatAt(LightEnd::Propane, kelvin) +
                           pentane * psatAt(LightEnd::NPentane, kelvin)) /
                          (propane + pentane);
    EXPECT_NEAR(oil->bubblePointPressure(25), byHand, 1e-9 * byHand);
}

// The Reid flash of a mixture by the fixed point the method is published
// with: each component's liquid moles n_L,i = n_i / (1 + Psat_i V_V / (R T
// N_L)), N_L their sum, from N_L = sum(n_i) until it settles; the pressure
// is sum(n_L,i / N_L Psat_i). 5 % propane in n-pentane, its liquid 600 kg/m3,
// four volumes of vapour.
TEST(OilVolatility, ReidFlashByTheFixedPoint) {
    LightEndAmounts amounts{};
    amounts[static_cast<int>(LightEnd::Propane)] = 5;
    amounts[static_cast<int>(LightEnd::NPentane)] = 95;
    const auto oil = lightEndsOnly(amounts, 600);
    ASSERT_TRUE(oil);
    const double n[] = {0.05 / constantsOf(LightEnd::Propane).molarMass,
                        0.95 / constantsOf(LightEnd::NPentane).molarMass};
    const double p[] = {psatAt(LightEnd::Propane, kReidKelvin) * 1e6,
                        psatAt(LightEnd::NPentane, kReidKelvin) * 1e6};
    const double vapourVolume = 4.0 / 600; // m3 per kg of oil
    const double rt = 8314.462618 * kReidKelvin;
    double liquid = n[0] + n[1];
    double held[2] = {n[0], n[1]};
    for (int round = 0; round < 1000; ++round) {
        for (int i = 0; i < 2; ++i) {
            held[i] = n[i] / (1 + p[i] * vapourVolume / (rt * liquid));
        }
        liquid = held[0] + held[1];
    }
    const double byHand = (held[0] * p[0] + held[1] * p[1]) / liquid / 1e6;
    EXPECT_NEAR(oil->reidVapourPressure(), byHand, 1e-9 * byHand);
}

struct ReidCase {
    const char* name;
    LightEndAmounts amounts;
};

void PrintTo(const ReidCase& row, std::ostream* out) {
    *out << row.name;
}

class ReidFlash : public ::testing::TestWithParam<ReidCase> {};

// The Reid flash of a single component leaves its vapour pressure; of a
// mixture, the vapour space takes more of the light components than of the
// heavy, so the pressure falls below the bubble point and stays above the
// vapour pressure of the heaviest component.
TEST_P(ReidFlash, LiesBetweenTheHeaviestComponentAndTheBubblePoint) {
    const ReidCase& c = GetParam();
    const auto oil = lightEndsOnly(c.amounts, 580);
    ASSERT_TRUE(oil);
    double heaviest = 0;
    int given = 0;
    for (int j = 0; j < kLightEndCount; ++j) {
        if (c.amounts[static_cast<std::size_t>(j)] > 0) {
            heaviest = psatAt(static_cast<LightEnd>(j), kReidKelvin);
            ++given;
        }
    }
    const double reid = oil->reidVapourPressure();
    const double bubble = oil->bubblePointPressure(kReidTempC);
    if (given == 1) {
        EXPECT_NEAR(reid, heaviest, 1e-9 * heaviest);
        EXPECT_NEAR(bubble, heaviest, 1e-9 * heaviest);
    } else {
        EXPECT_LT(reid, bubble);
        EXPECT_GT(reid, heaviest);
    }
}

LightEndAmounts amountsOf(std::initializer_list<std::pair<LightEnd, double>> shares) {
    LightEndAmounts amounts{};
    for (const auto& [component, share] : shares) {
        amounts[static_cast<std::size_t>(component)] = share;
    }
    return amounts;
}

INSTANTIATE_TEST_SUITE_P(
    Components, ReidFlash,
    ::testing::Values(
        ReidCase{"Propane", amountsOf({{LightEnd::Propane, 100}})},
        ReidCase{"NPentane", amountsOf({{LightEnd::NPentane, 100}})},
        ReidCase{"PropaneInPentane", amountsOf({{LightEnd::Propane, 5}, {LightEnd::NPentane, 95}})},
        ReidCase{"Butanes", amountsOf({{LightEnd::Isobutane, 40}, {LightEnd::NButane, 60}})}),
    [](const auto& info) { return std::string(info.param.name); });

// A liquid so light that four of its volumes hold all of it as a gas
// below its vapour pressure: nothing stays liquid, and the pressure is the
// ideal gas's.
TEST(OilVolatility, NothingStaysLiquidInAVapourSpaceLargeEnough) {
    constexpr double density20 = 50;
    const auto oil = lightEndsOnly(amountsOf({{LightEnd::Propane, 100}}), density20);
    ASSERT_TRUE(oil);
    const double moles = 1.0 / constantsOf(LightEnd::Propane).molarMass; // kmol per kg
    const double gas = moles * 8314.462618 * kReidKelvin / (4 / density20) / 1e6;
    ASSERT_LT(gas, psatAt(LightEnd::Propane, kReidKelvin));
    EXPECT_NEAR(oil->reidVapourPressure(), gas, 1e-9 * gas);
}

// A crude of the published sample (Alaska North Slope, 864.42 kg/m3 at
// 15.6 deg.C, its assay as a fraction table) by narrow cuts.
OilInputs crude(VapourPressureMethod method, const LightEnds& lightEnds) {
    OilInputs oil;
    oil.density = 864.42;
    oil.densityTemp = 15.6;
    oil.useFractions = true;
    oil.fractions = {{0, 74, 8.271},     {74, 166, 15.089}, {166, 249, 12.531},
                     {249, 343, 15.653}, {343, 538, 28.66}, {538, 835, 19.796}};
    oil.vapourPressureMethod = method;
    oil.lightEnds = lightEnds;
    return oil;
}

// The published figure of the oil as a whole is kept beside the true one:
// by narrow cuts the 35 deg.C cuts alone give kilopascals, where the
// average boiling point gives a pressure ten million times smaller, and
// the light ends of the assay (2.556 % by mass of butanes and lighter)
// multiply it again.
TEST(VapourPressureMethod, TrueVapourPressureOfACrude) {
    const AcceptedWarnings yes = AcceptedWarnings::all(); // the residue ends above 600 deg.C
    const BasicOutcome byAverageBoilingPoint =
        calculateBasic(crude(VapourPressureMethod::AverageBoilingPoint, {}), yes);
    const BasicOutcome cutsAlone = calculateBasic(crude(VapourPressureMethod::NarrowCuts, {}), yes);
    const BasicOutcome withButanes = calculateBasic(
        crude(VapourPressureMethod::NarrowCuts,
              {{LightEnd::Propane, 0.4}, {LightEnd::Isobutane, 0.7}, {LightEnd::NButane, 1.456}}),
        yes);
    ASSERT_EQ(byAverageBoilingPoint.status, CalcOutcome::Completed);
    ASSERT_EQ(cutsAlone.status, CalcOutcome::Completed);
    ASSERT_EQ(withButanes.status, CalcOutcome::Completed);
    EXPECT_LT(byAverageBoilingPoint.results.atReference.vapourPressure, 1e-7);
    EXPECT_GT(cutsAlone.results.atReference.vapourPressure, 0.005);
    EXPECT_GT(withButanes.results.atReference.vapourPressure,
              2 * cutsAlone.results.atReference.vapourPressure);
    // Nothing but the vapour pressure depends on the method.
    EXPECT_EQ(withButanes.results.density, byAverageBoilingPoint.results.density);
    EXPECT_EQ(withButanes.results.atReference.kinematicViscosity,
              byAverageBoilingPoint.results.atReference.kinematicViscosity);
}

struct LightEndsCase {
    const char* name;
    bool useFractions;
    LightEnds lightEnds;
    const char* refusal; // nullptr: accepted
};

void PrintTo(const LightEndsCase& row, std::ostream* out) {
    *out << row.name;
}

class LightEndsCheck : public ::testing::TestWithParam<LightEndsCase> {};

// The light ends are part of the fraction that boils lowest (8.271 % here)
// or of the oil given by its density alone, which must hold them.
TEST_P(LightEndsCheck, RefusedOnlyBeyondWhatHoldsThem) {
    const LightEndsCase& c = GetParam();
    OilInputs oil = crude(VapourPressureMethod::NarrowCuts, c.lightEnds);
    oil.useFractions = c.useFractions;
    const BasicOutcome outcome = calculateBasic(oil, AcceptedWarnings::all());
    std::string shown;
    for (const std::string& text : testing::textsOf(outcome.messages)) {
        shown += text + "\n";
    }
    if (c.refusal == nullptr) {
        EXPECT_EQ(outcome.status, CalcOutcome::Completed) << shown;
    } else {
        EXPECT_EQ(outcome.status, CalcOutcome::Stopped);
        EXPECT_NE(shown.find(c.refusal), std::string::npos) << shown;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Shares, LightEndsCheck,
    ::testing::Values(
        LightEndsCase{"AllOfTheFirstFraction", true, {{LightEnd::NButane, 8.271}}, nullptr},
        LightEndsCase{"MoreThanTheFirstFraction",
                      true,
                      {{LightEnd::NButane, 8}, {LightEnd::Propane, 0.272}},
                      "more than the share\nof the first fraction"},
        LightEndsCase{"Negative",
                      true,
                      {{LightEnd::NButane, 1}, {LightEnd::Propane, -0.5}},
                      "must not be negative"},
        LightEndsCase{"HalfADensityOnlyOil", false, {{LightEnd::NPentane, 50}}, nullptr},
        LightEndsCase{"MoreThanTheOil", false, {{LightEnd::NPentane, 100.5}}, "whole oil"}),
    [](const auto& info) { return std::string(info.param.name); });

struct NoteCase {
    const char* name;
    double designPressure; // MPa
    double bubblePoint;    // MPa
    double gasShare;       // %
    std::optional<std::string_view> note;
};

void PrintTo(const NoteCase& row, std::ostream* out) {
    *out << row.name;
}

class BubblePointNote : public ::testing::TestWithParam<NoteCase> {};

// The note speaks only where the split and the bubble point disagree on
// whether gas forms; at the bubble point itself both are right.
TEST_P(BubblePointNote, OnlyWhereTheSplitAndTheBubblePointDisagree) {
    const NoteCase& c = GetParam();
    EXPECT_EQ(bubblePointNote(c.designPressure, c.bubblePoint, c.gasShare), c.note);
}

INSTANTIATE_TEST_SUITE_P(
    States, BubblePointNote,
    ::testing::Values(NoteCase{"AboveWithGas", 0.2, 0.1, 3, kAboveBubblePointNote},
                      NoteCase{"AboveAllLiquid", 0.2, 0.1, 0, std::nullopt},
                      NoteCase{"BelowWithoutGas", 0.05, 0.1, 0, kBelowBubblePointNote},
                      NoteCase{"BelowWithGas", 0.05, 0.1, 3, std::nullopt},
                      NoteCase{"AtTheBubblePoint", 0.1, 0.1, 0, std::nullopt},
                      NoteCase{"NotByNarrowCuts", 0.05, 0, 0, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace viskora
