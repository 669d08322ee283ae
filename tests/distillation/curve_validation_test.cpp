#include "distillation/curve_conversion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace viskora::distillation {
namespace {

struct CurveCase {
    std::string name;
    std::vector<CurvePointText> points;
    int tempUnit;
    std::string error;   // a part of the expected error, empty when usable
    std::string warning; // a part of an expected warning
};

void PrintTo(const CurveCase& c, std::ostream* out) {
    *out << c.name;
}

bool anyContains(const std::vector<std::string>& texts, const std::string& part) {
    for (const std::string& text : texts) {
        if (text.find(part) != std::string::npos) {
            return true;
        }
    }
    return false;
}

class CurveChecks : public ::testing::TestWithParam<CurveCase> {};

TEST_P(CurveChecks, RefuseBadCurvesWithTheirReason) {
    const CurveCase& c = GetParam();
    CurveInput input;
    input.type = CurveType::D86;
    input.points = c.points;
    input.tempUnit = c.tempUnit;
    const CurveOutcome outcome = convertCurve(input);
    if (c.error.empty()) {
        EXPECT_TRUE(outcome.usable()) << (outcome.errors.empty() ? "" : outcome.errors.front());
        EXPECT_FALSE(outcome.rows.empty());
    } else {
        EXPECT_TRUE(anyContains(outcome.errors, c.error))
            << (outcome.errors.empty() ? "no error" : outcome.errors.front());
        EXPECT_TRUE(outcome.rows.empty());
        EXPECT_TRUE(outcome.rowTexts.empty());
    }
    if (!c.warning.empty()) {
        EXPECT_TRUE(anyContains(outcome.warnings, c.warning));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Curves, CurveChecks,
    ::testing::Values(
        // Usable: out of order is sorted; blanks around a number are fine.
        CurveCase{"Unordered",
                  {{"50", "206.7"}, {"10", " 173.7 "}, {"90", "242.8"}},
                  unit::kCelsius,
                  "",
                  ""},
        CurveCase{"TwoPointsWarn",
                  {{"10", "350"}, {"90", "469"}},
                  unit::kFahrenheit,
                  "",
                  "Only two points"},
        CurveCase{"LevelIsAllowed",
                  {{"10", "100"}, {"50", "100"}, {"90", "150"}},
                  unit::kCelsius,
                  "",
                  ""},
        // Errors.
        CurveCase{"NoPoint", {}, unit::kCelsius, "at least two points", ""},
        CurveCase{"OnePoint", {{"50", "200"}}, unit::kCelsius, "at least two points", ""},
        CurveCase{"Falling",
                  {{"10", "200"}, {"50", "180"}, {"90", "250"}},
                  unit::kCelsius,
                  "falls between 10 % and 50 %",
                  ""},
        CurveCase{"PercentAbove100",
                  {{"10", "200"}, {"101", "300"}},
                  unit::kCelsius,
                  "outside 0..100",
                  ""},
        CurveCase{
            "PercentBelow0", {{"-5", "150"}, {"50", "300"}}, unit::kCelsius, "outside 0..100", ""},
        CurveCase{"SamePercent",
                  {{"50", "200"}, {"50", "210"}, {"90", "300"}},
                  unit::kCelsius,
                  "Two points are given at 50 %",
                  ""},
        CurveCase{"CommaDecimal",
                  {{"10", "150"}, {"50", "200,5"}},
                  unit::kCelsius,
                  "temperature \"200,5\" is not a number",
                  ""},
        CurveCase{"TextTemperature",
                  {{"10", "150"}, {"50", "hot"}},
                  unit::kCelsius,
                  "Point 2: the temperature \"hot\" is not a number",
                  ""},
        CurveCase{"EmptyPercent",
                  {{"", "150"}, {"50", "200"}},
                  unit::kCelsius,
                  "Point 1: the percent distilled \"\" is not a number",
                  ""},
        CurveCase{"NotANumberWord",
                  {{"10", "nan"}, {"50", "200"}},
                  unit::kCelsius,
                  "is not a number",
                  ""},
        CurveCase{"BelowAbsoluteZero",
                  {{"10", "-10"}, {"50", "200"}},
                  unit::kKelvin,
                  "not above absolute zero",
                  ""}),
    [](const auto& info) { return info.param.name; });

// Temperatures a conversion cannot hold are refused, naming the point, so
// that no infinity or NaN is shown or used; up to the highest temperature
// allowed, every conversion gives finite numbers.
struct RangeCase {
    std::string name;
    CurveType type;
    D86Method method;
    std::vector<CurvePointText> points;
    int tempUnit;
    std::string error; // a part of the expected error, empty when usable
};

void PrintTo(const RangeCase& c, std::ostream* out) {
    *out << c.name;
}

class ConversionRange : public ::testing::TestWithParam<RangeCase> {};

TEST_P(ConversionRange, RefusesWhatTheConversionCannotHold) {
    const RangeCase& c = GetParam();
    const CurveOutcome outcome =
        convertCurve({c.type, c.method, c.points, c.tempUnit, 900.0, RowRule{}});
    if (!c.error.empty()) {
        EXPECT_TRUE(anyContains(outcome.errors, c.error))
            << (outcome.errors.empty() ? "no error" : outcome.errors.front());
        EXPECT_TRUE(outcome.rows.empty());
        return;
    }
    ASSERT_TRUE(outcome.usable()) << outcome.errors.front();
    EXPECT_TRUE(std::isfinite(outcome.startTemperature));
    for (const CurvePoint& p : outcome.tbp.points) {
        EXPECT_TRUE(std::isfinite(p.temperature)) << p.percent;
    }
    for (const FractionRow& row : outcome.rows) {
        EXPECT_TRUE(std::isfinite(row.share)) << row.start;
    }
}

const std::vector<CurvePointText> kAtTheLimit = {{"10", "9000"}, {"50", "9990"}, {"90", "10000"}};
const std::vector<CurvePointText> kBelowZeroFahrenheit = {
    {"10", "-100"}, {"50", "-60"}, {"90", "-50"}};

INSTANTIATE_TEST_SUITE_P(
    Temperatures, ConversionRange,
    ::testing::Values(RangeCase{"SimDistNear1e300",
                                CurveType::SimDist,
                                D86Method::Daubert,
                                {{"10", "1e300"}, {"90", "2e300"}},
                                unit::kCelsius,
                                "Point 1: the temperature 1e300 is above 10000 deg.C"},
                      RangeCase{"D1160From1e200",
                                CurveType::D1160,
                                D86Method::Daubert,
                                {{"10", "150"}, {"50", "1e200"}},
                                unit::kCelsius,
                                "Point 2: the temperature 1e200 is above 10000 deg.C"},
                      // 18040 deg.F is just above 10000 deg.C.
                      RangeCase{"FahrenheitJustAbove",
                                CurveType::TbpMass,
                                D86Method::Daubert,
                                {{"10", "300"}, {"90", " 18040 "}},
                                unit::kFahrenheit,
                                "Point 2: the temperature 18040 is"},
                      RangeCase{"SimDistAtTheLimit", CurveType::SimDist, D86Method::Daubert,
                                kAtTheLimit, unit::kCelsius, ""},
                      RangeCase{"D1160AtTheLimit", CurveType::D1160, D86Method::Daubert,
                                kAtTheLimit, unit::kCelsius, ""},
                      RangeCase{"D86AtTheLimit", CurveType::D86, D86Method::Daubert, kAtTheLimit,
                                unit::kCelsius, ""},
                      // Daubert's D86 conversion takes a power of the 50 % point in deg.F,
                      // read from the fitted curve where the points do not reach it.
                      RangeCase{"D86MiddleBelowZeroFahrenheit", CurveType::D86, D86Method::Daubert,
                                kBelowZeroFahrenheit, unit::kFahrenheit, "below 0 deg.F"},
                      RangeCase{"D86FittedMiddleBelowZeroFahrenheit",
                                CurveType::D86,
                                D86Method::Daubert,
                                {{"70", "-25"}, {"80", "-20"}, {"90", "-18"}},
                                unit::kCelsius,
                                "below 0 deg.F"},
                      RangeCase{"D86MiddleAtZeroFahrenheit",
                                CurveType::D86,
                                D86Method::Daubert,
                                {{"10", "-100"}, {"50", "0"}, {"90", "50"}},
                                unit::kFahrenheit,
                                ""},
                      RangeCase{"RiaziDaubertBelowZeroFahrenheit", CurveType::D86,
                                D86Method::RiaziDaubert, kBelowZeroFahrenheit, unit::kFahrenheit,
                                ""}),
    [](const auto& info) { return info.param.name; });

} // namespace
} // namespace viskora::distillation
