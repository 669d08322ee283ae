#include "run_calculator.h"

#include "documents/document_file.h"
#include "documents/document_format.h"
#include "units/display_format.h"
#include "units/unit_tables.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <fstream>
#include <unistd.h>

namespace viskora {
namespace {

namespace fs = std::filesystem;
using testing::runCalculator;

class DocumentCommands : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "viskora-cli-docs-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
    }
    void TearDown() override { fs::remove_all(folder_); }

    static std::string contents(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    nlohmann::json shown(const fs::path& path) {
        const auto run = runCalculator({"show", path.string(), "--json"});
        EXPECT_EQ(run.exitStatus, 0) << run.err;
        return nlohmann::json::parse(run.out);
    }

    fs::path folder_;
};

TEST_F(DocumentCommands, SavedBasicCalculationOpensAgainWithTheSameFields) {
    const fs::path path = folder_ / "oil.vkr";
    const auto calc = runCalculator({"basic", "--density", "0", "--fraction", "0:300:100",
                                     "--temp-unit", "C", "--json", "--save", path.string()});
    ASSERT_EQ(calc.exitStatus, 0) << calc.err;
    const nlohmann::json results = nlohmann::json::parse(calc.out);

    const nlohmann::json doc = shown(path);
    EXPECT_EQ(doc["kind"], "basic");
    EXPECT_EQ(doc["densityText"], "0");
    EXPECT_EQ(doc["tempUnitIndex"], 1);
    EXPECT_EQ(doc["useFractions"], 1);
    EXPECT_EQ(doc["fractionCount"], 1);
    EXPECT_EQ(doc["fractions"], nlohmann::json::parse(R"([["0","300","100"]])"));
    const std::pair<const char*, const char*> fields[] = {
        {"density", "resDensity"},
        {"specificHeat", "resHeat"},
        {"thermalConductivity", "resConductivity"},
        {"kinematicViscosity", "resViscosity"},
        {"surfaceTension", "resTension"},
        {"vapourPressure", "resVapour"},
        {"pseudoCritTemp", "resCritTemp"},
    };
    for (const auto& [result, stem] : fields) {
        const std::string name = stem;
        EXPECT_EQ(doc[name + "Text"], results["shown"][result]) << name;
        EXPECT_NEAR(doc[name + "Base"].get<double>(), results["results"][result].get<double>(),
                    5e-7)
            << name;
    }
    EXPECT_EQ(doc["resPrandtlText"], results["shown"]["prandtl"]);
    EXPECT_EQ(doc["resVapourUnitIndex"], 3);
    EXPECT_EQ(doc["resVapourUnitName"], "MPa (MN/m2)");
    EXPECT_EQ(doc["resCritTempUnitName"], "°C - Celsius");
}

TEST_F(DocumentCommands, TinyResultSurvivesSavingOpeningAndAUnitChange) {
    // The vapour pressure of the 850 kg/m3 oil is about 2.48e-8 MPa.
    const fs::path path = folder_ / "oil.vkr";
    const auto calc =
        runCalculator({"basic", "--density", "850", "--json", "--save", path.string()});
    ASSERT_EQ(calc.exitStatus, 0) << calc.err;
    const double vapour = nlohmann::json::parse(calc.out)["results"]["vapourPressure"];
    ASSERT_LT(vapour, 1e-7);

    const double reopened = readBasicDocument(contents(path)).resVapourBase;
    EXPECT_NEAR(reopened, vapour, vapour * 1e-6);
    // Shown in Pa (unit code 0) after opening, as after the calculation.
    EXPECT_EQ(formatForDisplay(convert(Quantity::Pressure, reopened, unit::kMPa, 0)), "2.48e-002");
}

TEST_F(DocumentCommands, SavedWithoutFractionsKeepsTheDefaultTable) {
    const fs::path path = folder_ / "plain.vkr";
    const auto calc =
        runCalculator({"basic", "--density", "8.5e2", "--density-unit", "kg/m3", "--temp-unit", "F",
                       "--density-temp", "68", "--save", path.string()});
    ASSERT_EQ(calc.exitStatus, 0) << calc.err;
    const std::string bytes = contents(path);
    EXPECT_EQ(std::ranges::count(bytes, '\n'), 48);
    EXPECT_TRUE(bytes.starts_with("[General]\ntype=Viskora\nstate=1\nversion=1\n[Data]\n"
                                  "8.5e2\n0\n68\n2\n"));
    const nlohmann::json doc = shown(path);
    EXPECT_EQ(doc["densityText"], "8.5e2");
    EXPECT_EQ(doc["tempUnitName"], "°F - Fahrenheit");
    EXPECT_EQ(doc["useFractions"], 0);
    EXPECT_EQ(doc["fractionCount"], 5);
    EXPECT_EQ(doc["fractions"].size(), 5u);
    EXPECT_EQ(doc["fractions"][4], nlohmann::json::parse(R"(["0","0","0"])"));
}

TEST_F(DocumentCommands, SavedAdditionalCalculationOpensAgainWithTheSameFields) {
    const fs::path path = folder_ / "two phases.vkr";
    const auto calc = runCalculator({"additional", "--density", "850", "--design-temp", "300",
                                     "--design-pressure", "100", "--pressure-unit", "kPa",
                                     "--fraction", "35:200:40", "--fraction", "200:400:60", "--yes",
                                     "--json", "--save", path.string()});
    ASSERT_EQ(calc.exitStatus, 0) << calc.err;
    const nlohmann::json results = nlohmann::json::parse(calc.out);
    const nlohmann::json doc = shown(path);
    EXPECT_EQ(doc["kind"], "additional");
    EXPECT_EQ(doc["designTempText"], "300");
    EXPECT_EQ(doc["designPressureText"], "100");
    EXPECT_EQ(doc["pressureUnitIndex"], 2);
    EXPECT_EQ(doc["useFractions"], 1);
    EXPECT_EQ(doc["fractions"], nlohmann::json::parse(R"([["35","200","40"],["200","400","60"]])"));
    EXPECT_EQ(doc["gasShareText"], results["shown"]["gasMassShare"]);
    EXPECT_EQ(doc["liquidShareText"], results["shown"]["liquidMassShare"]);
    EXPECT_EQ(doc["gasEnthalpyText"], results["shown"]["gasVaporisationEnthalpy"]);
    EXPECT_EQ(doc["liquidTensionText"], results["shown"]["liquidSurfaceTension"]);
    EXPECT_EQ(doc["gasPrandtlText"], results["shown"]["gasPrandtl"]);
    EXPECT_EQ(doc["liquidPrandtlText"], results["shown"]["prandtl"]);
    EXPECT_NEAR(doc["liquidDensityBase"].get<double>(),
                results["results"]["liquidDensity"].get<double>(), 5e-7);
}

TEST_F(DocumentCommands, NothingIsSavedWhenTheCalculationStops) {
    const fs::path path = folder_ / "stopped.vkr";
    const auto calc = runCalculator({"basic", "--density", "0", "--save", path.string()});
    EXPECT_EQ(calc.exitStatus, 2);
    EXPECT_FALSE(fs::exists(path));
}

TEST_F(DocumentCommands, FailedSaveIsReportedAfterTheResults) {
    const fs::path path = folder_ / "missing" / "oil.vkr";
    const auto calc = runCalculator({"basic", "--save", path.string()});
    EXPECT_EQ(calc.exitStatus, 5);
    EXPECT_NE(calc.out.find("density"), std::string::npos);
    EXPECT_NE(calc.err.find("Cannot save the file"), std::string::npos);
    EXPECT_EQ(calc.err.find('\r'), std::string::npos);
}

TEST_F(DocumentCommands, AnEmptySaveNameIsWrongUsage) {
    const auto calc = runCalculator({"basic", "--save", ""});
    EXPECT_EQ(calc.exitStatus, 64);
    EXPECT_EQ(calc.out, "");
}

TEST_F(DocumentCommands, ShowsAnAdditionalDocument) {
    AdditionalDocumentRecord record;
    record.tempUnitIndex = 3;
    record.designTempText = "600";
    record.gasShareText = " 5.0";
    record.fractionCount = 2;
    record.fractions[1] = {"Ж", "", "x"};
    const fs::path path = folder_ / "add.vkr";
    ASSERT_TRUE(saveDocumentFile(path, additionalDocumentText(record, RecordFractionRows(record))));
    const nlohmann::json doc = shown(path);
    EXPECT_EQ(doc["kind"], "additional");
    EXPECT_EQ(doc["designTempText"], "600");
    EXPECT_EQ(doc["designTempUnitName"], "R  - Rankine");
    EXPECT_EQ(doc["gasShareText"], " 5.0");
    EXPECT_EQ(doc["gasEnthalpyUnitName"], "kJ/kg");
    EXPECT_EQ(doc["liquidTensionUnitName"], "N/m");
    EXPECT_EQ(doc["fractions"], nlohmann::json::parse(R"([["0","0","0"],["Ж","","x"]])"));
    EXPECT_EQ(doc["loadedFromFile"], true);

    const auto text = runCalculator({"show", path.string()});
    EXPECT_EQ(text.exitStatus, 0);
    // A result as four lines: its value in the base unit, its shown text and
    // its unit, by index and by name.
    const auto result = [](const std::string& stem, int unitIndex, const std::string& unitName) {
        return stem + "Base: 0\n" + stem + "Text: 0\n" + stem +
               "UnitIndex: " + std::to_string(unitIndex) + "\n" + stem + "UnitName: " + unitName +
               "\n";
    };
    EXPECT_EQ(text.out,
              "kind: additional\n"
              "densityText: 702.7\n"
              "densityUnitIndex: 0\n"
              "densityUnitName: kg/m3\n"
              "densityTempText: 20\n"
              "tempUnitIndex: 3\n"
              "tempUnitName: R  - Rankine\n"
              "designTempText: 600\n"
              "designTempUnitName: R  - Rankine\n"
              "designPressureText: 0.3\n"
              "pressureUnitIndex: 3\n"
              "pressureUnitName: MPa (MN/m2)\n"
              "gasShareText:  5.0\n" +
                  result("gasDensity", 0, "kg/m3") + result("gasHeat", 1, "kJ/(kg•K)") +
                  result("gasConductivity", 0, "Wt/(m•K)") + result("gasViscosity", 1, "mm2/c") +
                  result("gasEnthalpy", 1, "kJ/kg") +
                  "gasPrandtlText: 0\n"
                  "liquidShareText: 0\n" +
                  result("liquidDensity", 0, "kg/m3") + result("liquidHeat", 1, "kJ/(kg•K)") +
                  result("liquidConductivity", 0, "Wt/(m•K)") +
                  result("liquidViscosity", 1, "mm2/c") + result("liquidTension", 0, "N/m") +
                  "liquidPrandtlText: 0\n"
                  "useFractions: 0\n"
                  "fractionCount: 2\n"
                  "fractions:\n"
                  "  1: 0 | 0 | 0\n"
                  "  2: Ж |  | x\n"
                  "loadedFromFile: true\n");
}

TEST_F(DocumentCommands, ShowPrintsEveryFieldOfABasicDocument) {
    BasicDocumentRecord record;
    record.densityText = "0";
    record.resDensityBase = 770.680981;
    record.resDensityText = "771";
    record.resPrandtlText = "16.1";
    record.useFractions = 1;
    record.fractionCount = 2;
    record.fractions[0] = {"0", "300", "60"};
    record.fractions[1] = {"300", "", "40"};
    const fs::path path = folder_ / "basic.vkr";
    ASSERT_TRUE(saveDocumentFile(path, basicDocumentText(record, RecordFractionRows(record))));
    const auto run = runCalculator({"show", path.string()});
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    EXPECT_EQ(run.out, "kind: basic\n"
                       "densityText: 0\n"
                       "densityUnitIndex: 0\n"
                       "densityUnitName: kg/m3\n"
                       "densityTempText: 20\n"
                       "tempUnitIndex: 1\n"
                       "tempUnitName: °C - Celsius\n"
                       "resDensityBase: 770.680981\n"
                       "resDensityText: 771\n"
                       "resDensityUnitIndex: 0\n"
                       "resDensityUnitName: kg/m3\n"
                       "resHeatBase: 0\n"
                       "resHeatText: 0\n"
                       "resHeatUnitIndex: 1\n"
                       "resHeatUnitName: kJ/(kg•K)\n"
                       "resConductivityBase: 0\n"
                       "resConductivityText: 0\n"
                       "resConductivityUnitIndex: 0\n"
                       "resConductivityUnitName: Wt/(m•K)\n"
                       "resViscosityBase: 0\n"
                       "resViscosityText: 0\n"
                       "resViscosityUnitIndex: 1\n"
                       "resViscosityUnitName: mm2/c\n"
                       "resTensionBase: 0\n"
                       "resTensionText: 0\n"
                       "resTensionUnitIndex: 0\n"
                       "resTensionUnitName: N/m\n"
                       "resVapourBase: 0\n"
                       "resVapourText: 0\n"
                       "resVapourUnitIndex: 3\n"
                       "resVapourUnitName: MPa (MN/m2)\n"
                       "resCritTempBase: 0\n"
                       "resCritTempText: 0\n"
                       "resCritTempUnitIndex: 1\n"
                       "resCritTempUnitName: °C - Celsius\n"
                       "resPrandtlText: 16.1\n"
                       "useFractions: 1\n"
                       "fractionCount: 2\n"
                       "fractions:\n"
                       "  1: 0 | 300 | 60\n"
                       "  2: 300 |  | 40\n");
}

// A document's texts could hold terminal escape sequences: the plain output
// shows them escaped, JSON keeps them as they are.
TEST_F(DocumentCommands, ShowEscapesControlCharacters) {
    BasicDocumentRecord record;
    record.densityText = "\x1b]0;owned\x07 8\\5";
    record.fractionCount = 1;
    // U+0098, the one C1 control a windows-1251 document can hold (0x98).
    record.fractions[0] = {"\x1b[2J", "\x7f", "1\xC2\x98"};
    const fs::path path = folder_ / "escapes.vkr";
    ASSERT_TRUE(saveDocumentFile(path, basicDocumentText(record, RecordFractionRows(record))));
    const auto text = runCalculator({"show", path.string()});
    EXPECT_EQ(text.exitStatus, 0);
    EXPECT_EQ(text.out.find('\x1b'), std::string::npos);
    EXPECT_NE(text.out.find("densityText: \\x1b]0;owned\\x07 8\\\\5\n"), std::string::npos)
        << text.out;
    EXPECT_NE(text.out.find("  1: \\x1b[2J | \\x7f | 1\\u0098\n"), std::string::npos) << text.out;
    EXPECT_EQ(shown(path)["densityText"], record.densityText);
}

TEST_F(DocumentCommands, ShowRefusesWhatIsNotADocument) {
    const fs::path junk = folder_ / "junk.vkr";
    std::ofstream(junk) << "[General]\ntype=viskora\nstate=1\n";
    const std::pair<fs::path, std::string> cases[] = {
        {junk, "This is not a valid Viskora file."},
        {folder_ / "missing.vkr", "No such file or directory."},
    };
    for (const auto& [path, reason] : cases) {
        const auto run = runCalculator({"show", path.string(), "--json"});
        EXPECT_EQ(run.exitStatus, 2) << path;
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find("Cannot read this file.\n" + reason), std::string::npos) << run.err;
    }
}

} // namespace
} // namespace viskora
