// Qt's rich text lays the HTML report out for the PDF and forgives no
// unclosed or mis-nested element: a table left open swallows the next one.
#include "markup_nesting.h"
#include "reports/html_report.h"
#include "sample_documents.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

namespace viskora {
namespace {

// The documents of the golden files, with none, few or a hundred fraction
// rows, and by narrow cuts.
template <typename Record> Record sample(int rowCount, ViscosityMethod method) {
    Record record;
    if constexpr (std::is_same_v<Record, BasicDocumentRecord>) {
        record = testing::sampleBasicRecord();
    } else {
        record = testing::sampleAdditionalRecord();
    }
    if (rowCount > 0) {
        testing::useRows(record, rowCount == 100 ? testing::hundredFractionRows()
                                                 : testing::fewFractionRows());
    }
    record.viscosityMethod = method;
    return record;
}

std::string page(const BasicDocumentRecord& record) {
    return basicHtmlReport(record, RecordFractionRows(record));
}

std::string page(const AdditionalDocumentRecord& record) {
    return additionalHtmlReport(record, RecordFractionRows(record));
}

struct ReportPage {
    const char* name;
    bool additional;
    int rowCount;
    ViscosityMethod method;
};

void PrintTo(const ReportPage& row, std::ostream* out) {
    *out << row.name;
}

class WellFormedReports : public ::testing::TestWithParam<ReportPage> {};

TEST_P(WellFormedReports, CloseEveryElementInOrder) {
    const ReportPage& p = GetParam();
    const std::string html = p.additional
                                 ? page(sample<AdditionalDocumentRecord>(p.rowCount, p.method))
                                 : page(sample<BasicDocumentRecord>(p.rowCount, p.method));
    EXPECT_EQ(testing::markupFault(html), std::nullopt);
}

constexpr auto kWhole = ViscosityMethod::WholeOil;

INSTANTIATE_TEST_SUITE_P(
    Reports, WellFormedReports,
    ::testing::Values(ReportPage{"BasicPlain", false, 0, kWhole},
                      ReportPage{"BasicFewRows", false, 4, kWhole},
                      ReportPage{"BasicHundredRows", false, 100, kWhole},
                      ReportPage{"BasicByNarrowCuts", false, 0, ViscosityMethod::NarrowCuts},
                      ReportPage{"AdditionalPlain", true, 0, kWhole},
                      ReportPage{"AdditionalFewRows", true, 4, kWhole},
                      ReportPage{"AdditionalHundredRows", true, 100, kWhole},
                      ReportPage{"AdditionalByNarrowCuts", true, 4, ViscosityMethod::NarrowCuts}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace viskora
