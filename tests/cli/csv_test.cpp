#include "cli/csv.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace viskora {
namespace {

using Records = std::vector<csv::Record>;

TEST(Csv, ReadsFieldsRecordsAndQuotes) {
    struct Case {
        const char* name;
        std::string text;
        Records expected;
    };
    const Case cases[] = {
        {"plain LF", "a,b\n1,2\n", {{"a", "b"}, {"1", "2"}}},
        {"CR LF, no final line end", "a,b\r\n1,2", {{"a", "b"}, {"1", "2"}}},
        {"lone CR", "a\r1\r", {{"a"}, {"1"}}},
        {"empty fields", ",x,\n", {{"", "x", ""}}},
        {"comma and quote in quotes", "\"1,5\",\"say \"\"hi\"\"\"\n", {{"1,5", "say \"hi\""}}},
        {"line breaks in quotes", "\"a\r\nb\",c\n", {{"a\r\nb", "c"}}},
        {"empty quoted field", "\"\",x\n\"\"\n", {{"", "x"}, {""}}},
        {"quote inside an unquoted field", "5\"pipe,x\n", {{"5\"pipe", "x"}}},
        {"blank lines skipped", "\n\na\r\n\r\n\nb\n\n", {{"a"}, {"b"}}},
        {"byte-order mark", "\xEF\xBB\xBFkind,density\n", {{"kind", "density"}}},
        {"blanks kept", " a , b \n", {{" a ", " b "}}},
        {"nothing", "", {}},
    };
    for (const Case& c : cases) {
        const csv::ParseResult result = csv::parse(c.text);
        EXPECT_TRUE(result.ok) << c.name << ": " << result.error;
        EXPECT_EQ(result.records, c.expected) << c.name;
    }
}

TEST(Csv, MalformedQuotesAreReportedWithTheirLine) {
    struct Case {
        std::string text;
        std::size_t line;
    };
    const Case cases[] = {
        {"a,b\n\"open,c\n", 2},
        {"a\n\n\"x\"y,z\n", 3},
        {"\"multi\nline\",ok\n\"bad\" ,x\n", 3},
        {"\"never closed", 1},
    };
    for (const Case& c : cases) {
        const csv::ParseResult result = csv::parse(c.text);
        EXPECT_FALSE(result.ok) << c.text;
        EXPECT_EQ(result.errorLine, c.line) << c.text;
        EXPECT_FALSE(result.error.empty());
    }
}

TEST(Csv, WrittenRecordsReadBackUnchanged) {
    const Records records = {
        {"row", "status", "message"},
        {"1", "ok", ""},
        {"2", "error", "Calculation error.\nThe properties \"cannot\" be, calculated"},
        {""},
        {" padded ", "\r", "a\r\nb"},
    };
    std::string text;
    for (const csv::Record& record : records) {
        text += csv::line(record);
    }
    EXPECT_EQ(csv::line({"1", "ok", ""}), "1,ok,\r\n");
    EXPECT_EQ(csv::field("1,5"), "\"1,5\"");
    EXPECT_EQ(csv::field("say \"hi\""), "\"say \"\"hi\"\"\"");
    const csv::ParseResult result = csv::parse(text);
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(result.records, records);
}

TEST(Csv, SpreadsheetTextKeepsFormulasFromRunning) {
    const struct {
        std::string_view text;
        std::string_view written;
    } cases[] = {
        {"=1+1", "'=1+1"},      {"+1", "'+1"},     {"-1", "'-1"},  {"@SUM(A1)", "'@SUM(A1)"},
        {"\t=1", "'\t=1"},      {"\r=1", "'\r=1"}, {"a=1", "a=1"}, {"", ""},
        {"'quoted", "'quoted"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(csv::spreadsheetText(c.text), c.written) << c.text;
    }
}

TEST(Csv, ExcerptCutsWholeCharacters) {
    EXPECT_EQ(csv::excerpt("short"), "short");
    EXPECT_EQ(csv::excerpt(std::string(80, 'a')), std::string(80, 'a'));
    EXPECT_EQ(csv::excerpt("жжж", 2), "жж...");
}

} // namespace
} // namespace viskora
