#include "reports/text_report.h"

#include "documents/cp1251.h"
#include "reports/report_lines.h"
#include "reports/report_texts.h"

#include <array>
#include <string_view>
#include <vector>

namespace viskora {
namespace {

namespace t = report_texts;

constexpr std::string_view kTableTop =
    "+---+------------------------------------------+---------------------------------+";
constexpr std::string_view kTableRule =
    "+---+----------------------+-------------------+---------------------------------+";
constexpr std::string_view kPhaseRule = "-------------------";
// Widths of the four fraction columns: the row number, then the lengths of
// the headings "Boiling starting point", "Boiling final point" and
// "The fraction % in the total mass" plus one blank.
constexpr std::array<std::size_t, 4> kColumnWidths = {3, 22, 19, 33};

// Characters as the reader of the file counts them: one per windows-1251
// byte (every character of the report has one), whatever the text's length
// in UTF-8.
std::size_t shownLength(std::string_view utf8) {
    return utf8ToCp1251(utf8).size();
}

// The report is assembled in UTF-8; at the end it goes through windows-1251
// once, so that it holds the characters the program's other files hold, and
// malformed UTF-8 from a record never reaches the file.
class ReportText {
  public:
    void line(std::string_view text = {}) {
        text_ += text;
        text_ += "\r\n";
    }
    void emptyLines(int count) {
        for (int i = 0; i < count; ++i) {
            line();
        }
    }
    void tabbed(std::string_view text) { line("\t" + std::string(text)); }
    void underlined(std::string_view title, char mark) {
        tabbed(title);
        tabbed(std::string(shownLength(title), mark));
    }
    std::string bytes() const { return cp1251ToUtf8(utf8ToCp1251(text_)); }

  private:
    std::string text_;
};

std::string withUnit(std::string_view label, const std::string& text, const std::string& unit) {
    return std::string(label) + text + " (" + unit + ")  ";
}

std::string valueLine(const ReportLine& result) {
    if (result.unitName == nullptr) {
        return std::string(result.label) + *result.text;
    }
    return withUnit(result.label, *result.text, *result.unitName);
}

std::string paddedCell(const std::string& text, std::size_t width) {
    const std::size_t length = shownLength(text);
    return length >= width ? text : text + std::string(width - length, ' ');
}

void writeHeading(ReportText& report, std::string_view title) {
    report.line(t::kHeading);
    report.line();
    report.emptyLines(3);
    report.underlined(title, '=');
    report.emptyLines(4);
    report.underlined(t::kInputData, '=');
    report.line();
}

template <typename Record> void writeDensityLine(ReportText& report, const Record& record) {
    report.tabbed(withUnit(t::kDensity, record.densityText, record.densityUnitName) +
                  withUnit(t::kAtTemperature, record.densityTempText, record.tempUnitName));
}

void writeFractionBlock(ReportText& report, int fractionCount, const FractionRows& rows) {
    const std::string blank33(33, ' ');
    report.line();
    report.tabbed(t::kFractionalComposition);
    report.tabbed(kTableTop);
    report.tabbed("|   |" + std::string(t::kTemperatureHeading) + "    |" + blank33 + "|");
    report.tabbed("+   +------------------------------------------+" + blank33 + "|");
    report.tabbed("|   |                      |                   |" +
                  std::string(t::kShareHeading) + " |");
    report.tabbed("| N |" + std::string(t::kStartPoint) + "|" + std::string(t::kFinalPoint) + "|" +
                  std::string(t::kShareHeadingEnd) + std::string(17, ' ') + "|");
    report.tabbed(kTableRule);
    for (int row = 0; row < reportedFractionRows(fractionCount); ++row) {
        std::string line = "|";
        for (int column = 0; column < 4; ++column) {
            line += paddedCell(rows.cell(row, column), kColumnWidths[column]) + "|";
        }
        report.tabbed(line);
    }
    report.tabbed(kTableRule);
}

void writeResultsHeading(ReportText& report) {
    report.emptyLines(3);
    report.underlined(t::kCalculationResults, '=');
    report.line();
}

void writePhase(ReportText& report, std::string_view phase, const std::vector<ReportLine>& lines) {
    report.tabbed(phase);
    report.tabbed(kPhaseRule);
    report.line();
    for (const ReportLine& result : lines) {
        report.tabbed(valueLine(result));
    }
}

} // namespace

std::string basicTextReport(const BasicDocumentRecord& record, const FractionRows& rows) {
    ReportText report;
    writeHeading(report, t::kBasicTitle);
    writeDensityLine(report, record);
    if (record.useFractions == 1) {
        writeFractionBlock(report, record.fractionCount, rows);
    }
    writeResultsHeading(report);
    const std::vector<ReportLine> results = reportLines(record, FieldGroup::Results);
    for (std::size_t i = 0; i < results.size(); ++i) {
        report.tabbed(valueLine(results[i]));
        if (i + 1 < results.size()) {
            report.line();
        }
    }
    for (const std::string& line : methodLines(record)) {
        report.line();
        report.tabbed(line);
    }
    return report.bytes();
}

std::string additionalTextReport(const AdditionalDocumentRecord& record, const FractionRows& rows) {
    ReportText report;
    writeHeading(report, t::kAdditionalTitle);
    writeDensityLine(report, record);
    report.tabbed(
        withUnit(t::kDesignTemperature, record.designTempText, record.designTempUnitName));
    report.tabbed(withUnit(t::kDesignPressure, record.designPressureText, record.pressureUnitName));
    if (record.useFractions == 1) {
        writeFractionBlock(report, record.fractionCount, rows);
    }
    writeResultsHeading(report);
    writePhase(report, t::kGasPhase, reportLines(record, FieldGroup::GasPhase));
    report.emptyLines(2);
    writePhase(report, t::kLiquidPhase, reportLines(record, FieldGroup::LiquidPhase));
    for (const std::string& line : methodLines(record)) {
        report.tabbed(line);
    }
    return report.bytes();
}

} // namespace viskora
