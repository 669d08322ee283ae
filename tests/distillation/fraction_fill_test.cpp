#include "distillation/curve_conversion.h"
#include "distillation/extended_curve.h"
#include "engine/oil_cuts.h"
#include "units/number_text.h"
#include "units/unit_tables.h"

#include <gtest/gtest.h>

#include <cmath>

#include <string>
#include <vector>

namespace viskora::distillation {
namespace {

// A crude oil's TBP curve by mass, deg.C.
const std::vector<CurvePointText> kCrudeTbpMass = {{"5", "62"},   {"10", "96"},  {"30", "190"},
                                                   {"50", "288"}, {"70", "398"}, {"90", "538"},
                                                   {"95", "598"}};

// Kerosene by D86, deg.C (Riazi 2005, Ex. 3.3).
const std::vector<CurvePointText> kKeroseneD86 = {{"0", "165.6"},  {"10", "173.7"},
                                                  {"30", "193.3"}, {"50", "206.7"},
                                                  {"70", "222.8"}, {"90", "242.8"}};

std::vector<CurvePointText> inUnit(const std::vector<CurvePointText>& celsius, int unit) {
    std::vector<CurvePointText> points = celsius;
    for (CurvePointText& p : points) {
        p.temperature =
            std::to_string(convertTemperature(textToNumber(p.temperature), unit::kCelsius, unit));
    }
    return points;
}

// The engine's narrow-cut distribution from the rows as texts, as a form's
// Calculate makes it.
OilInputs engineInputsOf(const std::vector<RowTexts>& rows, int tempUnit) {
    OilInputs oil;
    oil.density = 0; // taken from the cut table
    oil.tempUnit = tempUnit;
    oil.useFractions = true;
    for (const RowTexts& row : rows) {
        oil.fractions.push_back(
            {textToNumber(row.start), textToNumber(row.end), textToNumber(row.share)});
    }
    return oil;
}

// Percent of the mass in the cuts below `celsius`, the cut that holds it
// counted in proportion.
double engineDistilledAt(const OilCuts& cuts, double celsius) {
    double sum = 0;
    for (int i = cuts.first; i < cuts.end; ++i) {
        if (cuts.high[i] <= celsius) {
            sum += cuts.share[i];
        } else if (cuts.low[i] < celsius) {
            sum += cuts.share[i] * (celsius - cuts.low[i]);
        }
    }
    return sum;
}

long long hundredthsSum(const std::vector<RowTexts>& rows) {
    long long sum = 0;
    for (const RowTexts& row : rows) {
        sum += std::llround(textToNumber(row.share) * 100);
    }
    return sum;
}

struct FillCase {
    std::string name;
    RowRule rule;
    int tempUnit;
};

void PrintTo(const FillCase& c, std::ostream* out) {
    *out << c.name;
}

class MassCurveFill : public ::testing::TestWithParam<FillCase> {};

// The table made from a TBP curve by mass gives the engine a distribution
// that passes through every given point; its shares add to 100 in their
// texts and are never negative.
TEST_P(MassCurveFill, ReproducesTheCurveThroughTheEngine) {
    const FillCase& c = GetParam();
    CurveInput input;
    input.type = CurveType::TbpMass;
    input.points = inUnit(kCrudeTbpMass, c.tempUnit);
    input.tempUnit = c.tempUnit;
    input.rule = c.rule;
    const CurveOutcome outcome = convertCurve(input);
    ASSERT_TRUE(outcome.usable()) << outcome.errors.front();
    ASSERT_LE(outcome.rowTexts.size(), 100u);
    EXPECT_EQ(hundredthsSum(outcome.rowTexts), 10000);
    for (const RowTexts& row : outcome.rowTexts) {
        EXPECT_GE(textToNumber(row.share), 0) << row.start << ".." << row.end;
    }

    // Every warning is answered Yes: a crude's table ends above 600 deg.C.
    const CutsOutcome engine =
        calculateCuts(engineInputsOf(outcome.rowTexts, c.tempUnit), AcceptedWarnings::all());
    ASSERT_EQ(engine.status, CalcOutcome::Completed)
        << (engine.messages.empty() ? "" : engine.messages.back().text);
    const OilCuts& calc = engine.cuts;
    for (const CurvePointText& point : kCrudeTbpMass) {
        EXPECT_NEAR(engineDistilledAt(calc, textToNumber(point.temperature)),
                    textToNumber(point.percent), 0.1)
            << "at " << point.temperature << " deg.C";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rules, MassCurveFill,
    ::testing::Values(
        FillCase{"TenFractions", {RowRule::Kind::Count, 10}, unit::kCelsius},
        FillCase{"HundredFractions", {RowRule::Kind::Count, 100}, unit::kCelsius},
        FillCase{"EveryTenDegrees", {RowRule::Kind::Step, 10}, unit::kCelsius},
        FillCase{"TenFractionsInKelvin", {RowRule::Kind::Count, 10}, unit::kKelvin},
        FillCase{"TenFractionsInFahrenheit", {RowRule::Kind::Count, 10}, unit::kFahrenheit}),
    [](const auto& info) { return info.param.name; });

TEST(FillRules, TooFineAStepIsRefused) {
    CurveInput input;
    input.points = kCrudeTbpMass;
    input.rule = {RowRule::Kind::Step, 2};
    const CurveOutcome outcome = convertCurve(input);
    ASSERT_FALSE(outcome.usable());
    EXPECT_NE(outcome.errors.front().find("more than 100 fractions"), std::string::npos);
}

// A curve that leaves the table at either end is cut there: what lies
// beyond goes into the end rows, and the user is told how much.
TEST(FillRules, CurveBeyondTheTableEndsIsCutAndSaid) {
    CurveInput input;
    input.type = CurveType::TbpMass;
    input.points = {{"10", "20"}, {"50", "400"}, {"80", "830"}};
    const CurveOutcome outcome = convertCurve(input);
    ASSERT_TRUE(outcome.usable());
    EXPECT_EQ(outcome.rows.front().start, 35);
    EXPECT_EQ(outcome.rows.back().end, 835);
    ASSERT_EQ(outcome.warnings.size(), 2u);
    EXPECT_NE(outcome.warnings[0].find("below 35 deg.C"), std::string::npos);
    EXPECT_NE(outcome.warnings[1].find("above 835 deg.C"), std::string::npos);
    EXPECT_GT(outcome.rows.front().share, 10);
    EXPECT_GE(outcome.rows.back().share, 19.9);
}

// By volume, the light cuts weigh less: the mass distilled at the volume
// curve's middle is below 50 %.
TEST(VolumeToMass, LightCutsWeighLess) {
    const auto massAtMiddle = [](std::optional<double> density) {
        CurveInput input;
        input.type = CurveType::TbpVolume;
        input.points = {{"0", "100"}, {"50", "300"}, {"100", "500"}};
        input.density20 = density;
        input.rule = {RowRule::Kind::Step, 100};
        const CurveOutcome outcome = convertCurve(input);
        EXPECT_TRUE(outcome.usable());
        double below300 = 0;
        for (const FractionRow& row : outcome.rows) {
            if (row.end <= 300) {
                below300 += row.share;
            }
        }
        return below300;
    };
    const double typical = massAtMiddle(std::nullopt);
    EXPECT_LT(typical, 49.5);
    EXPECT_GT(typical, 45);
}

// Where the points rise the whole curve rises, through a sharp kink and
// beyond the points, and reading it back gives the percent again.
TEST(ExtendedCurves, NeverFallWhereTheDataRise) {
    const ExtendedCurve curve({{10, 100}, {20, 101}, {30, 300}, {40, 302}, {90, 420}});
    double previous = curve.temperatureAt(0);
    for (int step = 1; step < 1000; ++step) {
        const double percent = step / 10.0;
        const double t = curve.temperatureAt(percent);
        EXPECT_GE(t, previous) << "at " << percent << " %";
        EXPECT_NEAR(curve.percentAt(t), percent, 1e-6) << "at " << percent << " %";
        previous = t;
    }
    EXPECT_DOUBLE_EQ(curve.temperatureAt(20), 101);
    EXPECT_DOUBLE_EQ(curve.temperatureAt(90), 420);
}

// A D1160 curve without a density is brought to 1 atm with K 12, said so.
TEST(VacuumCurves, WithoutDensityUseTypicalWatsonK) {
    CurveInput input;
    input.type = CurveType::D1160;
    input.points = {{"10", "150"}, {"30", "205"}, {"50", "250"}, {"70", "290"}, {"90", "350"}};
    const CurveOutcome outcome = convertCurve(input);
    ASSERT_TRUE(outcome.usable());
    ASSERT_TRUE(outcome.tbp.watsonK);
    EXPECT_EQ(*outcome.tbp.watsonK, 12);
    EXPECT_NE(outcome.warnings.front().find("Watson K of 12"), std::string::npos);
    // 250 deg.C at 10 mmHg boils near 410 deg.C at atmospheric pressure.
    EXPECT_NEAR(outcome.tbp.points[2].temperature, 410, 15);
}

} // namespace
} // namespace viskora::distillation

namespace viskora::distillation {
namespace {

// A curve steep at first and flat later is not fitted by a degenerate
// distribution (T0 near 0 K) whose tail would reach absolute zero.
TEST(ExtendedCurves, ConcaveCurveKeepsAPlausibleStart) {
    CurveInput input;
    input.type = CurveType::SimDist;
    input.points = {{"10", "150"}, {"50", "250"}, {"90", "300"}};
    const CurveOutcome outcome = convertCurve(input);
    ASSERT_TRUE(outcome.usable());
    ASSERT_TRUE(outcome.fit);
    EXPECT_GT(outcome.startTemperature, -100);
    EXPECT_LT(outcome.rows.front().share, 11);
}

} // namespace
} // namespace viskora::distillation

namespace viskora::distillation {
namespace {

// A curve given from 0 % starts at its 0 % point: that point is not also a
// boundary, which would make a sliver of a first row.
TEST(FillRules, ZeroPercentPointMakesNoSliverRow) {
    CurveInput input;
    input.type = CurveType::D86;
    input.points = kKeroseneD86;
    const CurveOutcome outcome = convertCurve(input);
    ASSERT_TRUE(outcome.usable());
    for (const FractionRow& row : outcome.rows) {
        EXPECT_GT(row.share, 4) << row.start << ".." << row.end;
    }
}

} // namespace
} // namespace viskora::distillation
