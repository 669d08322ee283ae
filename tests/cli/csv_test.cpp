#include "cli/csv.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace viskora {
namespace {

using Records = std::vector<csv::Record>;

// A batch file's text and the records read from it.
struct CsvText {
    const char* name;
    std::string text;
    Records expected;
};

void PrintTo(const CsvText& row, std::ostream* out) {
    *out << row.name;
}

class CsvTexts : public ::testing::TestWithParam<CsvText> {};

TEST_P(CsvTexts, GiveTheirFieldsRecordsAndQuotes) {
    const csv::ParseResult result = csv::parse(GetParam().text);
    EXPECT_TRUE(result.ok) << result.error;
    EXPECT_EQ(result.records, GetParam().expected);
}

const CsvText kCsvTexts[] = {
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

INSTANTIATE_TEST_SUITE_P(Texts, CsvTexts, ::testing::ValuesIn(kCsvTexts));

// Batch files come from every kind of editor: a line ends with LF, CR LF or a
// lone CR, and an error must name the same line whichever it is.
class CsvLineEnds : public ::testing::TestWithParam<std::string> {
  protected:
    // The text with each LF replaced by the line end under test.
    std::string withLineEnds(std::string_view text) const {
        std::string out;
        for (char c : text) {
            out += c == '\n' ? GetParam() : std::string(1, c);
        }
        return out;
    }
};

TEST_P(CsvLineEnds, MalformedQuotesAreReportedWithTheirLine) {
    struct Case {
        const char* text;
        std::size_t line;
    };
    const Case cases[] = {
        {"a,b\n\"open,c\n", 2},                         // never closed, from line 2 on
        {"a\n\n\"x\"y,z\n", 3},                         // text after the closing quote
        {"\"multi\nline\",ok\n\"bad\" ,x\n", 3},        // after a field of two lines
        {"\"three\nline\nfield\",ok\n\n\"bad\"x\n", 5}, // and a blank line
        {"a\n\"b\n\n\",c\n\"d\"e\n", 5},                // a blank line inside quotes
        {"\n\n\n\"x\"y\n", 4},                          // blank lines first
        {"\"never closed", 1},
    };
    for (const Case& c : cases) {
        const std::string text = withLineEnds(c.text);
        SCOPED_TRACE(::testing::PrintToString(text));
        const csv::ParseResult result = csv::parse(text);
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.errorLine, c.line);
        EXPECT_FALSE(result.error.empty());
    }
}

TEST_P(CsvLineEnds, RecordsAndLineBreaksInQuotesComeBack) {
    const csv::ParseResult result = csv::parse(withLineEnds("a,b\n\"x\ny\",z\n\n\nc"));
    ASSERT_TRUE(result.ok) << result.error;
    const Records expected = {{"a", "b"}, {withLineEnds("x\ny"), "z"}, {"c"}};
    EXPECT_EQ(result.records, expected);
}

INSTANTIATE_TEST_SUITE_P(EveryLineEnd, CsvLineEnds, ::testing::Values("\n", "\r\n", "\r"),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             return info.param == "\n"     ? std::string("LF")
                                    : info.param == "\r\n" ? std::string("CRLF")
                                                           : std::string("CR");
                         });

// The limits of one record, 1 MiB and 256 fields, on both sides of the
// line: a record at the limit is read whole, one past it is not kept.
struct RecordLimitCase {
    const char* name;
    std::string record;
    std::size_t fields; // 0: over the limit
};

void PrintTo(const RecordLimitCase& row, std::ostream* out) {
    *out << row.name;
}

class CsvRecordLimits : public ::testing::TestWithParam<RecordLimitCase> {};

TEST_P(CsvRecordLimits, AreDrawnExactly) {
    const csv::ParseResult parsed = csv::parse("a\n" + GetParam().record + "\nb\n");
    ASSERT_TRUE(parsed.ok) << parsed.error;
    ASSERT_EQ(parsed.records.size(), 3u);
    EXPECT_EQ(parsed.records[2], csv::Record{"b"});
    if (GetParam().fields == 0) {
        EXPECT_EQ(parsed.overLimit.count(1), 1u);
    } else {
        EXPECT_EQ(parsed.overLimit.count(1), 0u);
        EXPECT_EQ(parsed.records[1].size(), GetParam().fields);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Csv, CsvRecordLimits,
    ::testing::Values(RecordLimitCase{"Fields256", std::string(255, ','), 256},
                      RecordLimitCase{"Fields257", std::string(256, ','), 0},
                      RecordLimitCase{"Bytes1MiB", std::string(1048576, 'x'), 1},
                      RecordLimitCase{"Bytes1MiBAndOne", std::string(1048577, 'x'), 0}),
    [](const auto& info) { return std::string(info.param.name); });

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

// A text a spreadsheet would run as a formula gets a leading apostrophe.
struct SheetText {
    std::string_view text;
    std::string_view written;
};

void PrintTo(const SheetText& row, std::ostream* out) {
    *out << ::testing::PrintToString(std::string(row.text));
}

class SpreadsheetTexts : public ::testing::TestWithParam<SheetText> {};

TEST_P(SpreadsheetTexts, KeepFormulasFromRunning) {
    EXPECT_EQ(csv::spreadsheetText(GetParam().text), GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SpreadsheetTexts,
    ::testing::Values(
        // What a spreadsheet reads as the start of a formula, blanks before it too.
        SheetText{"=1+1", "'=1+1"}, SheetText{"+1", "'+1"}, SheetText{"-1", "'-1"},
        SheetText{"@SUM(A1)", "'@SUM(A1)"}, SheetText{"\t=1", "'\t=1"}, SheetText{"\r=1", "'\r=1"},
        // Texts that are no formula stay as they are.
        SheetText{"a=1", "a=1"}, SheetText{"", ""}, SheetText{"'quoted", "'quoted"}));

TEST(Csv, ExcerptCutsWholeCharacters) {
    EXPECT_EQ(csv::excerpt("short"), "short");
    EXPECT_EQ(csv::excerpt(std::string(80, 'a')), std::string(80, 'a'));
    EXPECT_EQ(csv::excerpt("жжж", 2), "жж...");
}

} // namespace
} // namespace viskora
