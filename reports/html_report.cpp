#include "reports/html_report.h"

#include "documents/cp1251.h"
#include "reports/html_escape.h"
#include "reports/report_lines.h"
#include "reports/report_templates.h"
#include "reports/report_texts.h"
#include "reports/shown_text.h"

#include <string_view>
#include <vector>

namespace viskora {
namespace {

namespace t = report_texts;

constexpr std::string_view kInputCell = R"(<td height="30" bgcolor="#FFFFFF" class="d">)";
constexpr std::string_view kResultsTable = R"(<table width="80%"  border="0" class="d">)";
// Half the table's width keeps the longest label, the phase's share of the
// mass, on one line on an A4 page.
constexpr std::string_view kFirstLabelCell =
    R"(<td width="50%" height="30" align="right" bgcolor="#FFFFFF" class="d">)";

// The generated part of a page is one run of markup without line breaks.
class Markup {
  public:
    Markup& operator<<(std::string_view literal) {
        text_ += literal;
        return *this;
    }
    // A text of the document: never trusted to be markup, and cut to a
    // length a page can lay out.
    Markup& text(std::string_view documentText) {
        text_ += escapeHtml(shownText(documentText));
        return *this;
    }
    const std::string& str() const { return text_; }

  private:
    std::string text_;
};

void inputRow(Markup& page, std::string_view label, const std::string& value,
              const std::string& unit) {
    page << "<tr>" << kInputCell << label;
    page.text(value) << " ( ";
    page.text(unit) << " ) "
                    << "</td>"
                    << "</tr>";
}

template <typename Record> void densityInputRow(Markup& page, const Record& record) {
    page << "<tr>" << kInputCell << t::kDensity;
    page.text(record.densityText) << " ( ";
    page.text(record.densityUnitName) << " )&nbsp;&nbsp;&nbsp;&nbsp;&nbsp; " << t::kAtTemperature;
    page.text(record.densityTempText) << " ( ";
    page.text(record.tempUnitName) << " ) "
                                   << "</td>"
                                   << "</tr>";
}

void fractionTable(Markup& page, int fractionCount, const FractionRows& rows) {
    page << R"(<table width="80%"  border="0">)"
         << "<tr>"
         << R"(<td height="30">)" << t::kFractionalComposition << " :</td></tr></table>";
    // The two heading rows are the table's head, which a paged layout
    // repeats at the top of every page the table runs on.
    page << R"(<table width="80%"  border="1" align="center" >)"
         << "<thead>"
         << "<tr>"
         << R"(<td height="30" colspan="3" align="center">)" << t::kTemperatureHeading << "</td>"
         << R"(<td width="41%" rowspan="2" align="center">)"
         << "The fraction % in the total mass of the substance"
         << "</td>"
         << "</tr>";
    page << "<tr>"
         << R"(<td width="5%" height="30" align="center">N</td>)"
         << R"(<td width="25%" align="center">)" << t::kStartPoint << "</td>"
         << R"(<td width="29%" align="center">)" << t::kFinalPoint << "</td>"
         << "</tr>"
         << "</thead>"
         << "<tbody>";
    for (int row = 0; row < reportedFractionRows(fractionCount); ++row) {
        page << "<tr>"
             << R"(<td height="30" align="center">)";
        page.text(rows.cell(row, 0)) << "</td>";
        for (int column = 1; column <= 3; ++column) {
            page << R"(<td align="center">)";
            page.text(rows.cell(row, column)) << "</td>";
        }
        page << "</tr>";
    }
    page << "</tbody>"
         << "</table>";
}

void resultsOpening(Markup& page) {
    page
        << "<p>&nbsp;</p>" << kResultsTable << "<tr>"
        << R"(<td height="30" colspan="2" bordercolor="#FFFFFF" bgcolor="#CCCCCC"><p class="d"><strong>)"
        << t::kCalculationResults << " </strong></p></td></tr>";
}

void unitSuffix(Markup& page, const ReportLine& line) {
    if (line.unitName != nullptr) {
        page << " ( ";
        page.text(*line.unitName) << " ) ";
    }
}

// The density row sets the widths of the table's two columns; the rows
// after it take them over.
void resultRows(Markup& page, const std::vector<ReportLine>& lines) {
    for (const ReportLine& line : lines) {
        page << "<tr>";
        if (line.label == t::kDensity) {
            page << kFirstLabelCell << line.label << "&nbsp;&nbsp;&nbsp;&nbsp; "
                 << R"( </td><td width="59%" bgcolor="#FFFFFF" class="d">)";
        } else {
            page << R"(<td height="30" align="right" bgcolor="#FFFFFF" class="d">)" << line.label
                 << R"(&nbsp;&nbsp;&nbsp;&nbsp;</td><td height="30" bgcolor="#FFFFFF" class="d"> )";
        }
        page.text(*line.text);
        unitSuffix(page, line);
        page << "</td></tr>";
    }
}

// Each phase is a table of its own, below the one before it, which it
// closes: the results heading's table, or the gas phase's.
void phaseRows(Markup& page, std::string_view phase, const std::vector<ReportLine>& lines) {
    page << "</table>" << kResultsTable << "<tr>"
         << R"(<td height="30" ><p class="d"><strong>)" << phase << "</strong></p></td></tr>";
    resultRows(page, lines);
}

// Each method line spans both columns of the results table.
void methodRows(Markup& page, const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        // The light ends' shares are typed texts: markup in them stays text.
        page << "<tr>"
             << R"(<td height="30" colspan="2" bgcolor="#FFFFFF" class="d">)";
        page.text(line) << "</td></tr>";
    }
}

std::string finishedPage(std::string_view pageTemplate, Markup& page) {
    page << "</table>"
         << "</div>"
         << "</body>"
         << "</html>";
    return std::string(pageTemplate) + utf8ToCp1251(page.str());
}

} // namespace

std::string basicHtmlReport(const BasicDocumentRecord& record, const FractionRows& rows) {
    Markup page;
    densityInputRow(page, record);
    page << "</table>";
    if (record.useFractions == 1) {
        fractionTable(page, record.fractionCount, rows);
    }
    resultsOpening(page);
    resultRows(page, reportLines(record, FieldGroup::Results));
    methodRows(page, methodLines(record));
    return finishedPage(basicHtmlTemplate(), page);
}

std::string additionalHtmlReport(const AdditionalDocumentRecord& record, const FractionRows& rows) {
    Markup page;
    densityInputRow(page, record);
    inputRow(page, t::kDesignTemperature, record.designTempText, record.designTempUnitName);
    inputRow(page, t::kDesignPressure, record.designPressureText, record.pressureUnitName);
    page << "</table>";
    if (record.useFractions == 1) {
        fractionTable(page, record.fractionCount, rows);
    }
    resultsOpening(page);
    phaseRows(page, t::kGasPhase, reportLines(record, FieldGroup::GasPhase));
    phaseRows(page, t::kLiquidPhase, reportLines(record, FieldGroup::LiquidPhase));
    methodRows(page, methodLines(record));
    return finishedPage(additionalHtmlTemplate(), page);
}

} // namespace viskora
