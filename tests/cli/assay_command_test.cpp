#include "../reports/temporary_folder.h"
#include "cli/csv_reader.h"
#include "run_calculator.h"
#include "units/number_text.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace viskora {
namespace {

using testing::runCalculator;

const std::vector<std::string> kCuts = {
    "--cut", ":36:3.9:566",        "--cut", "36:74:7.5:655.4",    "--cut", "74:166:17:761.1",
    "--cut", "166:249:13.1:818.1", "--cut", "249:343:15.4:871.2", "--cut", "343:538:26.5:930",
    "--cut", "538::16.6:1024.6"};

std::vector<std::string> assayCall(std::vector<std::string> extra) {
    std::vector<std::string> arguments = {"assay", "--yield", "volume"};
    arguments.insert(arguments.end(), kCuts.begin(), kCuts.end());
    arguments.insert(arguments.end(), extra.begin(), extra.end());
    return arguments;
}

// Each test process writes its own files, removed when it ends: ctest runs
// the tests of this program as processes side by side, and one rewriting a
// file another reads would fail it.
std::filesystem::path scratchFile(const std::string& name, const std::string& content) {
    static const testing::TemporaryFolder folder;
    const auto path = folder.path() / name;
    std::ofstream(path) << content;
    return path;
}

// An oil of two cuts by mass, without cut densities.
const std::string kBlendOil =
    scratchFile("viskora-blend-a.vka",
                "{\"format\":\"viskora-assay\",\"version\":1,\"name\":\"A\",\"yieldBasis\":"
                "\"mass\",\"density\":{\"value\":850,\"temp\":15},\"cuts\":[{\"start\":null,"
                "\"end\":300,\"yield\":50,\"density\":null,\"viscosity\":null},{\"start\":300,"
                "\"end\":null,\"yield\":50,\"density\":null,\"viscosity\":null}]}")
        .string();

struct AssayCall {
    std::string name;
    std::vector<std::string> arguments;
    int exitStatus;
    std::string stderrPart;
};

void PrintTo(const AssayCall& call, std::ostream* out) {
    *out << call.name;
}

class AssayCalls : public ::testing::TestWithParam<AssayCall> {};

TEST_P(AssayCalls, ExitWithTheirStatusAndMessage) {
    const AssayCall& call = GetParam();
    const auto run = runCalculator(call.arguments);
    EXPECT_EQ(run.exitStatus, call.exitStatus) << run.err;
    EXPECT_NE(run.err.find(call.stderrPart), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
}

INSTANTIATE_TEST_SUITE_P(
    BadInputs, AssayCalls,
    ::testing::Values(
        AssayCall{"YieldsOver100",
                  {"assay", "--cut", "35:200:60", "--cut", "200:400:41", "--density", "850"},
                  2,
                  "The yields add up to 101 %, not 100 %."},
        AssayCall{"Overlap",
                  {"assay", "--cut", "35:200:60", "--cut", "190:400:40", "--density", "850"},
                  2,
                  "Cut 2 overlaps cut 1"},
        AssayCall{"Gap",
                  {"assay", "--cut", "35:200:60", "--cut", "210:400:40", "--density", "850"},
                  2,
                  "Cut 2 leaves a gap after cut 1"},
        AssayCall{"DensityOutOfRange",
                  {"assay", "--cut", "35:200:60:450", "--cut", "200:400:40:880"},
                  2,
                  "Cut 1: the density, 450 kg/m3, lies outside 500 to 1200 kg/m3."},
        AssayCall{"NoOilDensity",
                  {"assay", "--cut", "35:200:60", "--cut", "200:400:40:880"},
                  2,
                  "The whole oil's density is needed: cut 1 has no density."},
        AssayCall{"MalformedCut", {"assay", "--cut", "35:200"}, 64, "is not START:END:YIELD"},
        AssayCall{"TextInCut", {"assay", "--cut", "35:2O0:100"}, 64, "is not START:END:YIELD"},
        AssayCall{"BadYieldBasis",
                  {"assay", "--yield", "weight", "--cut", "35:200:100"},
                  64,
                  "--yield must be mass or volume"},
        AssayCall{"NoCuts", {"assay"}, 64, "give an assay file or --cut rows"},
        AssayCall{"MissingFile",
                  {"assay", "/nonexistent/crude.vka"},
                  2,
                  "/nonexistent/crude.vka: Cannot read this file."},
        AssayCall{"NotAnAssay",
                  {"assay", scratchFile("viskora-not-assay.vka", "{\"format\": \"x\"}").string()},
                  2,
                  "This is not a Viskora assay document."},
        AssayCall{"BlendSharesOff",
                  {"blend", kBlendOil + ":60", kBlendOil + ":30", "--by", "mass"},
                  2,
                  "The shares add up to 90 %, not 100 %."},
        AssayCall{"BlendUnreadable",
                  {"blend", "/nonexistent/a.vka:50", "/nonexistent/b.vka:50", "--by", "volume"},
                  2,
                  "/nonexistent/a.vka: Cannot read this file."},
        AssayCall{"CalculationOfUnreadableAssay",
                  {"basic", "--assay", "/nonexistent/crude.vka"},
                  2,
                  "/nonexistent/crude.vka: Cannot read this file."},
        AssayCall{"CalculationOfAssayAndFractions",
                  {"additional", "--assay", kBlendOil, "--fraction", "35:400:100"},
                  64,
                  "--assay and --fraction exclude each other"},
        AssayCall{"CalculationOfAssayAndLightEnds",
                  {"basic", "--assay", kBlendOil, "--light-end", "propane:1"},
                  64,
                  "--assay and --light-end exclude each other"},
        AssayCall{"LightEndUnknown",
                  {"assay", "--cut", "35:400:99", "--light-end", "methane:1", "--density", "850"},
                  64,
                  "--light-end methane:1 is not COMPONENT:YIELD"},
        AssayCall{"LightEndsBesideTheirCut",
                  {"assay", "--cut", ":36:1", "--cut", "36:400:98", "--light-end", "propane:1",
                   "--density", "850"},
                  2,
                  "The light ends are given both as a cut and by component: give one."},
        AssayCall{"BlendShareNotANumber",
                  {"blend", kBlendOil + ":50%", kBlendOil + ":50", "--by", "mass"},
                  64,
                  ": the share \"50%\" is not a number"},
        AssayCall{"BlendShareNan",
                  {"blend", kBlendOil + ":nan", kBlendOil + ":50", "--by", "mass"},
                  64,
                  ": the share \"nan\" is not a number"},
        AssayCall{"BlendSomeShares",
                  {"blend", kBlendOil + ":50", kBlendOil, "--by", "mass"},
                  64,
                  "give every oil a share"}),
    [](const auto& info) { return info.param.name; });

// An assay's name comes from its file: control characters in it reach a
// terminal escaped, as show writes them, never as the bytes that would run.
TEST(AssayCommand, EscapesControlCharactersOfItsName) {
    const std::string file =
        scratchFile("viskora-escapes.vka",
                    "{\"format\":\"viskora-assay\",\"version\":1,\"name\":\"\\u001b]0;PWNED\\u0007"
                    "\\u001b[2J\\r\\nFake line\",\"yieldBasis\":\"mass\",\"density\":{\"value\":"
                    "850,\"temp\":15},\"cuts\":[{\"start\":null,\"end\":300,\"yield\":50,"
                    "\"density\":null,\"viscosity\":null},{\"start\":300,\"end\":null,\"yield\":50,"
                    "\"density\":null,\"viscosity\":null}]}")
            .string();
    const auto run = runCalculator({"assay", file});
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    EXPECT_EQ(run.out.find('\x1b'), std::string::npos);
    EXPECT_NE(run.out.find("Assay \\x1b]0;PWNED\\x07\\x1b[2J\\r\\nFake line (yields"),
              std::string::npos)
        << run.out;
}

// A script passes every calculating command the same options: assay and
// blend take --yes as basic, additional and curves do.
TEST(AssayCommand, TakesYesAsEveryCalculatingCommandDoes) {
    EXPECT_EQ(runCalculator(assayCall({"--yes", "--json"})).exitStatus, 0);
    EXPECT_EQ(
        runCalculator({"blend", kBlendOil + ":50", kBlendOil + ":50", "--by", "mass", "--yes"})
            .exitStatus,
        0);
}

// An assay's oil in a calculation is its fraction table and its density at
// 15 deg.C, carried into the calculation's temperature unit.
TEST(AssayCommand, CalculatesTheOilOfItsFractionTable) {
    const std::vector<std::string> design = {"--temp-unit",       "F",   "--design-temp", "392",
                                             "--design-pressure", "0.2", "--yes",         "--json"};
    std::vector<std::string> byAssay = {"additional", "--assay", kBlendOil};
    byAssay.insert(byAssay.end(), design.begin(), design.end());
    std::vector<std::string> byTable = {"additional", "--fraction",     "0:572:50",
                                        "--fraction", "572:1535:50",    "--density",
                                        "850",        "--density-temp", "59"};
    byTable.insert(byTable.end(), design.begin(), design.end());
    const auto assayRun = runCalculator(byAssay);
    ASSERT_EQ(assayRun.exitStatus, 0) << assayRun.err;
    // The typed table's end of 1535 deg.F is asked about; the assay's
    // residue, run up to there by the program, is not.
    nlohmann::json ofAssay = nlohmann::json::parse(assayRun.out);
    nlohmann::json ofTable = nlohmann::json::parse(runCalculator(byTable).out);
    EXPECT_TRUE(ofAssay.at("messages").empty()) << assayRun.out;
    EXPECT_FALSE(ofTable.at("messages").empty());
    ofAssay.erase("messages");
    ofTable.erase("messages");
    EXPECT_EQ(ofAssay, ofTable);
}

// An assay written to a file whose last cut ends at 700 deg.C, typed so.
const std::string kOilEndingAt700 =
    scratchFile("viskora-ends-700.vka",
                "{\"format\":\"viskora-assay\",\"version\":1,\"name\":\"B\",\"yieldBasis\":"
                "\"mass\",\"density\":{\"value\":850,\"temp\":15},\"cuts\":[{\"start\":null,"
                "\"end\":300,\"yield\":50,\"density\":null,\"viscosity\":null},{\"start\":300,"
                "\"end\":700,\"yield\":50,\"density\":null,\"viscosity\":null}]}")
        .string();

struct LastEndCall {
    std::string name;
    std::vector<std::string> arguments;
    bool asked; // about a last end above 600 deg.C
};

void PrintTo(const LastEndCall& call, std::ostream* out) {
    *out << call.name;
}

class LastEndCalls : public ::testing::TestWithParam<LastEndCall> {};

// A residue's end is the program's, not the user's: only an end the user
// gave above 600 deg.C is asked about, and without --yes the answer No
// stops the calculation.
TEST_P(LastEndCalls, AskOnlyAboutATypedEnd) {
    const auto run = runCalculator(GetParam().arguments);
    const bool asked =
        run.err.find("End boiling temperature of the last fraction > 600") != std::string::npos;
    EXPECT_EQ(asked, GetParam().asked) << run.err;
    EXPECT_EQ(run.out.find("\"status\": \"stopped\"") != std::string::npos, GetParam().asked)
        << run.out;
}

INSTANTIATE_TEST_SUITE_P(
    Oils, LastEndCalls,
    ::testing::Values(
        LastEndCall{"BasicOfAssayResidue", {"basic", "--assay", kBlendOil, "--json"}, false},
        LastEndCall{"AdditionalOfAssayResidue",
                    {"additional", "--assay", kBlendOil, "--viscosity-method", "cuts", "--json"},
                    false},
        LastEndCall{"CurvesOfAssayResidue",
                    {"curves", "--assay", kBlendOil, "--temps", "20:40:20", "--json"},
                    false},
        LastEndCall{"AssayCutTypedTo700", {"basic", "--assay", kOilEndingAt700, "--json"}, true},
        LastEndCall{"TableTypedTo835",
                    {"basic", "--fraction", "0:300:50", "--fraction", "300:835:50", "--density",
                     "850", "--json"},
                    true}),
    [](const auto& info) { return info.param.name; });

// An assay that cannot be calculated is not saved, and an existing file
// keeps its content; a good one saves a document that reads back to the
// same figures.
TEST(AssayCommand, SavesOnlyWhatItCalculated) {
    const auto path = scratchFile("viskora-saved.vka", "old");
    const auto refused = runCalculator({"assay", "--cut", "35:200:60", "--cut", "200:400:41",
                                        "--density", "850", "--save", path.string()});
    EXPECT_EQ(refused.exitStatus, 2);
    std::ifstream old(path);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(old), {}), "old");

    const auto saved =
        runCalculator(assayCall({"--density", "864.4", "--json", "--save", path.string()}));
    ASSERT_EQ(saved.exitStatus, 0) << saved.err;
    const auto reread = runCalculator({"assay", path.string(), "--json"});
    ASSERT_EQ(reread.exitStatus, 0) << reread.err;
    EXPECT_EQ(reread.out, saved.out);
}

// The CSV an assay or a blend writes, read back by field name: its
// figures are those of --json, each under its own heading.
struct CsvTable {
    std::vector<std::string> heading;
    std::vector<std::vector<std::string>> records;

    std::string at(std::size_t record, const std::string& field) const {
        const auto column = std::find(heading.begin(), heading.end(), field);
        if (column == heading.end() || record >= records.size()) {
            ADD_FAILURE() << "no field " << field << " in record " << record;
            return {};
        }
        return records[record][static_cast<std::size_t>(column - heading.begin())];
    }
};

CsvTable readCsv(const std::string& text) {
    CsvTable table;
    csv::RecordReader reader(text);
    csv::Record record;
    std::string refusal;
    EXPECT_EQ(reader.next(record, refusal), csv::RecordReader::Outcome::Record);
    table.heading = record;
    while (reader.next(record, refusal) == csv::RecordReader::Outcome::Record) {
        EXPECT_EQ(record.size(), table.heading.size()) << record.front();
        table.records.push_back(record);
    }
    return table;
}

// A CSV field holds the JSON figure to the bit, or is empty for null.
void expectSameFigure(const std::string& field, const nlohmann::json& value,
                      const std::string& where) {
    if (value.is_null()) {
        EXPECT_EQ(field, "") << where;
        return;
    }
    const std::optional<double> read = readWholeNumber(field);
    ASSERT_TRUE(read && !field.empty()) << where << ": " << field;
    EXPECT_EQ(*read, value.get<double>()) << where;
}

struct CsvField {
    const char* json; // the figure's name in --json
    const char* csv;  // its heading in --csv
};

void PrintTo(const CsvField& field, std::ostream* out) {
    *out << field.json;
}

class AssayCsvFields : public ::testing::TestWithParam<CsvField> {};

TEST_P(AssayCsvFields, HoldTheJsonFiguresOfEveryCut) {
    const auto json = nlohmann::json::parse(runCalculator(assayCall({"--json"})).out);
    const CsvTable table = readCsv(runCalculator(assayCall({"--csv"})).out);
    const auto& cuts = json["cuts"];
    ASSERT_EQ(table.records.size(), cuts.size() + 1);
    for (std::size_t i = 0; i < cuts.size(); ++i) {
        expectSameFigure(table.at(i, GetParam().csv), cuts[i][GetParam().json],
                         "cut " + std::to_string(i));
    }
}

INSTANTIATE_TEST_SUITE_P(CutFigures, AssayCsvFields,
                         ::testing::Values(CsvField{"start", "start [deg.C]"},
                                           CsvField{"end", "end [deg.C]"},
                                           CsvField{"massPct", "massPct [%]"},
                                           CsvField{"volumePct", "volumePct [%]"},
                                           CsvField{"density15", "density15 [kg/m3]"},
                                           CsvField{"density20", "density20 [kg/m3]"},
                                           CsvField{"midBoilingPoint", "midBoilingPoint [deg.C]"},
                                           CsvField{"specificGravity", "specificGravity [-]"},
                                           CsvField{"apiGravity", "apiGravity [deg.API]"},
                                           CsvField{"watsonK", "watsonK [-]"},
                                           CsvField{"molecularWeight", "molecularWeight [kg/kmol]"},
                                           CsvField{"viscosity40", "viscosity40 [mm2/s]"},
                                           CsvField{"viscosity100", "viscosity100 [mm2/s]"}),
                         [](const auto& info) { return std::string(info.param.json); });

class OilCsvFields : public ::testing::TestWithParam<CsvField> {};

TEST_P(OilCsvFields, HoldTheJsonFiguresOfTheWholeOil) {
    const auto json = nlohmann::json::parse(runCalculator(assayCall({"--json"})).out);
    const CsvTable table = readCsv(runCalculator(assayCall({"--csv"})).out);
    ASSERT_FALSE(table.records.empty());
    const std::size_t oil = table.records.size() - 1;
    EXPECT_EQ(table.at(oil, "record"), "oil");
    expectSameFigure(table.at(oil, GetParam().csv), json["oil"][GetParam().json], "oil");
}

INSTANTIATE_TEST_SUITE_P(
    OilFigures, OilCsvFields,
    ::testing::Values(CsvField{"density15", "density15 [kg/m3]"},
                      CsvField{"density20", "density20 [kg/m3]"},
                      CsvField{"specificGravity", "specificGravity [-]"},
                      CsvField{"apiGravity", "apiGravity [deg.API]"},
                      CsvField{"watsonK", "watsonK [-]"},
                      CsvField{"molecularWeight", "molecularWeight [kg/kmol]"},
                      CsvField{"viscosity20", "viscosity20 [mm2/s]"},
                      CsvField{"viscosity40", "viscosity40 [mm2/s]"},
                      CsvField{"viscosity50", "viscosity50 [mm2/s]"},
                      CsvField{"viscosity100", "viscosity100 [mm2/s]"},
                      CsvField{"viscosityIndex", "viscosityIndex [-]"},
                      CsvField{"reidVapourPressure", "reidVapourPressure [MPa]"},
                      CsvField{"trueVapourPressure20", "trueVapourPressure20 [MPa]"},
                      CsvField{"trueVapourPressure37_8", "trueVapourPressure37_8 [MPa]"}),
    [](const auto& info) { return std::string(info.param.json); });

// Every heading names its unit in plain ASCII; an oil too light for a
// viscosity index says why its field is empty.
TEST(AssayCsv, HeadingsCarryAsciiUnitsAndAnEmptyIndexItsReason) {
    const CsvTable table = readCsv(
        runCalculator({"assay", "--cut", ":200:30:750", "--cut", "200::70:900", "--csv"}).out);
    for (const std::string& heading : table.heading) {
        EXPECT_TRUE(std::ranges::all_of(heading, [](char c) { return c > 0 && c < 127; }))
            << heading;
        if (heading != "record" && heading != "note") {
            EXPECT_TRUE(heading.ends_with("]")) << heading;
        }
    }
    ASSERT_EQ(table.records.size(), 3u);
    EXPECT_EQ(table.at(2, "viscosityIndex [-]"), "");
    EXPECT_NE(table.at(2, "note").find("viscosity index not defined"), std::string::npos);
}

} // namespace
} // namespace viskora
