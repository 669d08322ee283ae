#include "documents/cp1251.h"
#include "reports/html_escape.h"
#include "reports/html_report.h"
#include "reports/report_templates.h"
#include "reports/report_texts.h"
#include "sample_documents.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string_view>

namespace viskora {
namespace {


bool contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

TEST(HtmlReport, TemplatesAreBuiltInWindows1251Pages) {
    for (const std::string_view page : {basicHtmlTemplate(), additionalHtmlTemplate()}) {
        EXPECT_GT(page.size(), 1200u);
        EXPECT_LT(page.size(), 1600u);
        EXPECT_EQ(page.substr(0, 8), "<html>\r\n");
        // Each ends inside the open input table, after its heading row; the
        // page's division is closed after the results.
        EXPECT_EQ(page.substr(page.size() - 11), "    </tr>\r\n");
        EXPECT_FALSE(contains(page, "</div>"));
        EXPECT_TRUE(contains(page, "charset=windows-1251"));
        EXPECT_TRUE(contains(page, "<title>Viskora Document</title>"));
        EXPECT_TRUE(contains(page, "href=\"" + std::string(report_texts::kHomePageAddress) + "\""));
        // Every line feed belongs to a CR LF pair.
        for (std::size_t i = page.find('\n'); i != std::string_view::npos;
             i = page.find('\n', i + 1)) {
            ASSERT_EQ(page[i - 1], '\r');
        }
    }
    EXPECT_TRUE(contains(basicHtmlTemplate(), utf8ToCp1251(report_texts::kBasicTitle)));
    EXPECT_TRUE(contains(additionalHtmlTemplate(), report_texts::kAdditionalTitle));
}

// A document's text and how a page writes it.
struct Escape {
    const char* text;
    const char* escaped;
};

void PrintTo(const Escape& row, std::ostream* out) {
    *out << row.text;
}

class HtmlEscapes : public ::testing::TestWithParam<Escape> {};

TEST_P(HtmlEscapes, EscapeTheFiveMarkupCharacters) {
    EXPECT_EQ(escapeHtml(GetParam().text), GetParam().escaped);
}

INSTANTIATE_TEST_SUITE_P(Texts, HtmlEscapes,
                         ::testing::Values(
                             // Texts without markup characters stay as they are, other scripts too.
                             Escape{"", ""}, Escape{"702.7", "702.7"},
                             Escape{"°С kg/m3", "°С kg/m3"},
                             // Each of < > ' & " escaped, an entity's ampersand as well.
                             Escape{"12<script>alert('x')</script>",
                                    "12&lt;script&gt;alert(&#39;x&#39;)&lt;/script&gt;"},
                             Escape{"a & b", "a &amp; b"}, Escape{"&amp;", "&amp;amp;"},
                             Escape{"\"quoted\"", "&quot;quoted&quot;"}));

TEST(HtmlReport, EveryDocumentTextIsEscaped) {
    const std::string hostile = "1<b onmouseover='x()'>&\"";
    const std::string safe = "1&lt;b onmouseover=&#39;x()&#39;&gt;&amp;&quot;";
    auto record = testing::sampleAdditionalRecord();
    record.densityText = hostile;
    record.tempUnitName = hostile;
    record.designPressureText = hostile;
    record.gasShareText = hostile;
    record.liquidTensionUnitName = hostile;
    record.liquidPrandtlText = hostile;
    testing::useRows(record, {{hostile, "2", hostile}});
    const std::string page = cp1251ToUtf8(additionalHtmlReport(record, RecordFractionRows(record)));
    EXPECT_FALSE(contains(page, "<b onmouseover"));
    std::size_t count = 0;
    for (std::size_t i = page.find(safe); i != std::string::npos; i = page.find(safe, i + 1)) {
        ++count;
    }
    EXPECT_EQ(count, 8u);
}

} // namespace
} // namespace viskora
