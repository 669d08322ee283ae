// A report of a calculation by narrow cuts is the report of one by the oil as
// a whole (the golden files) with one line more, right after the last result
// the method decides.
#include "reports/html_report.h"
#include "reports/spreadsheet_export.h"
#include "reports/text_report.h"
#include "sample_documents.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>

namespace viskora {
namespace {

template <typename Record>
std::string reportOf(Record record, ViscosityMethod method,
                     std::string (*write)(const Record&, const FractionRows&)) {
    record.viscosityMethod = method;
    return write(record, RecordFractionRows(record));
}

struct MethodReport {
    const char* what;
    std::string (*basic)(const BasicDocumentRecord&, const FractionRows&);
    std::string (*additional)(const AdditionalDocumentRecord&, const FractionRows&);
    // The basic report's and the additional report's line, and what follows it.
    std::string_view basicLine, additionalLine, ending;
};

void PrintTo(const MethodReport& row, std::ostream* out) {
    *out << row.what;
}

class MethodReports : public ::testing::TestWithParam<MethodReport> {};

TEST_P(MethodReports, NameNarrowCutsAfterTheLastResultTheMethodDecides) {
    const MethodReport& p = GetParam();
    const auto expectLine = [&](const std::string& whole, const std::string& cuts,
                                std::string_view line) {
        ASSERT_TRUE(whole.ends_with(p.ending));
        EXPECT_EQ(cuts, whole.substr(0, whole.size() - p.ending.size()) + std::string(line) +
                            std::string(p.ending));
    };
    const auto basic = testing::sampleBasicRecord();
    const auto additional = testing::sampleAdditionalRecord();
    expectLine(reportOf(basic, ViscosityMethod::WholeOil, p.basic),
               reportOf(basic, ViscosityMethod::NarrowCuts, p.basic), p.basicLine);
    expectLine(reportOf(additional, ViscosityMethod::WholeOil, p.additional),
               reportOf(additional, ViscosityMethod::NarrowCuts, p.additional), p.additionalLine);
}

constexpr std::string_view kHtmlRow =
    R"(<tr><td height="30" colspan="2" bgcolor="#FFFFFF" class="d">Viscosity: by narrow cuts</td></tr>)";

INSTANTIATE_TEST_SUITE_P(Formats, MethodReports,
                         ::testing::Values(
                             // The basic results are parted by empty lines, the phases' are not.
                             MethodReport{"text", basicTextReport, additionalTextReport,
                                          "\r\n\tViscosity: by narrow cuts\r\n",
                                          "\tViscosity: by narrow cuts\r\n", ""},
                             // The PDF report lays out this page.
                             MethodReport{"HTML", basicHtmlReport, additionalHtmlReport, kHtmlRow,
                                          kHtmlRow, "</table></div></body></html>"}));

TEST(MethodSheets, NameNarrowCutsInTheRowBelowTheLastPrandtlNumber) {
    auto basic = testing::sampleBasicRecord();
    auto additional = testing::sampleAdditionalRecord();
    basic.viscosityMethod = additional.viscosityMethod = ViscosityMethod::NarrowCuts;
    // The Prandtl numbers are in rows 21 and 32 (see SheetBlocks).
    const SheetModel b = basicSheet(basic, RecordFractionRows(basic));
    const SheetModel a = additionalSheet(additional, RecordFractionRows(additional));
    EXPECT_EQ(b.cells.at({22, 2}).value, "Viscosity: by narrow cuts");
    EXPECT_EQ(a.cells.at({33, 2}).value, "Viscosity: by narrow cuts");
    EXPECT_EQ(b.page.printArea->lastRow, 22);
    EXPECT_EQ(a.page.printArea->lastRow, 33);
}

} // namespace
} // namespace viskora
