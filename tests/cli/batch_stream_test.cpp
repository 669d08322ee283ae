// The batch input as a stream of any length: a window of rows at a time,
// NUL bytes refused, threads bounded.
#include "cli/batch_command.h"
#include "cli/batch_stream.h"
#include "cli/parallel_rows.h"
#include "run_calculator.h"

#include <gtest/gtest.h>

#include <ostream>
#include <sstream>
#include <stdexcept>
#include <streambuf>
#include <string>

namespace viskora {
namespace {

using namespace std::string_literals;

// Gives one byte over and over, `limit` bytes in all, and counts how many
// were read: an input that has, for the reader, no end.
class EndlessInput : public std::streambuf {
  public:
    EndlessInput(std::string prefix, char byte, std::size_t limit)
        : prefix_(std::move(prefix)), chunk_(64 * 1024, byte), limit_(limit) {}

    std::size_t given() const { return given_; }

  protected:
    int_type underflow() override {
        if (given_ >= limit_) {
            return traits_type::eof();
        }
        std::string& source = given_ < prefix_.size() ? prefix_ : chunk_;
        const std::size_t offset = given_ < prefix_.size() ? given_ : 0;
        const std::size_t size = std::min(source.size() - offset, limit_ - given_);
        given_ += size;
        setg(source.data() + offset, source.data() + offset, source.data() + offset + size);
        return traits_type::to_int_type(*gptr());
    }

  private:
    std::string prefix_;
    std::string chunk_;
    std::size_t limit_;
    std::size_t given_ = 0;
};

std::string streamed(const std::string& text, unsigned threads, std::string* problem = nullptr) {
    std::istringstream in(text);
    std::ostringstream out;
    const auto found = streamBatch(in, out, false, threads);
    if (problem != nullptr) {
        *problem = found.value_or("");
    }
    return out.str();
}

// A NUL byte is no part of any text of a batch file: a row holding one is
// a bad row, and no NUL reaches the output or a message.
struct NulCase {
    const char* name;
    std::string text;
    std::string problem; // of the file as a whole; empty: read
    std::string rowMessage;
};

void PrintTo(const NulCase& row, std::ostream* out) {
    *out << row.name;
}

class BatchNulBytes : public ::testing::TestWithParam<NulCase> {};

TEST_P(BatchNulBytes, AreRefusedAndNeverWritten) {
    std::string problem;
    const std::string out = streamed(GetParam().text, 1, &problem);
    EXPECT_EQ(problem, GetParam().problem);
    EXPECT_EQ(out.find('\0'), std::string::npos);
    if (GetParam().problem.empty()) {
        const BatchInput input = readBatch(GetParam().text);
        ASSERT_TRUE(input.ok) << input.problem;
        ASSERT_EQ(input.rows.size(), 2u);
        EXPECT_EQ(input.rows[0].kind, "");
        EXPECT_EQ(input.rows[0].problem, GetParam().rowMessage);
        EXPECT_EQ(input.rows[1].problem, "");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, BatchNulBytes,
    ::testing::Values(
        NulCase{"InAKind", "kind,density\nba\0sic,850\nbasic,850\n"s, "",
                "the row holds a NUL byte"},
        NulCase{"InAQuotedField", "kind,fractions\nbasic,\"0:300:50;\0\"\nbasic,\n"s, "",
                "the row holds a NUL byte"},
        NulCase{"InTheHeader", "den\0sity\n850\n"s, "the header holds a NUL byte: den", ""},
        NulCase{"StartingTheFile", "\0\0\0\n850\n"s, "the header holds a NUL byte", ""}),
    [](const auto& info) { return std::string(info.param.name); });

// An input without end (a device, a line without a line feed) is read only
// as far as it must be: a header is refused once it passes a limit.
struct EndlessCase {
    const char* name;
    char byte;
    std::string problem;
};

void PrintTo(const EndlessCase& row, std::ostream* out) {
    *out << row.name;
}

class BatchEndlessHeaders : public ::testing::TestWithParam<EndlessCase> {};

TEST_P(BatchEndlessHeaders, AreRefusedEarly) {
    constexpr std::size_t kOffered = 64 * 1024 * 1024;
    EndlessInput endless("", GetParam().byte, kOffered);
    std::istream in(&endless);
    std::ostringstream out;
    EXPECT_EQ(streamBatch(in, out, false, 1).value_or(""), GetParam().problem);
    EXPECT_EQ(out.str(), "");
    EXPECT_LT(endless.given(), 2 * csv::kMaxRecordBytes);
}

INSTANTIATE_TEST_SUITE_P(Inputs, BatchEndlessHeaders,
                         ::testing::Values(EndlessCase{"Zeros", '\0',
                                                       "the header holds a NUL byte"},
                                           EndlessCase{"OneLongLine", 'k',
                                                       "the header is longer than 1 MiB: " +
                                                           std::string(80, 'k') + "..."}),
                         [](const auto& info) { return std::string(info.param.name); });

// A row without end after a good header is read through, not kept: it is
// one bad row, and the rows before it are written.
TEST(BatchStream, ARowWithoutALineEndIsOneBadRow) {
    EndlessInput endless("density\n850\n", 'x', 40 * 1024 * 1024);
    std::istream in(&endless);
    std::ostringstream out;
    EXPECT_FALSE(streamBatch(in, out, true, 2).has_value());
    const csv::ParseResult parsed = csv::parse(out.str());
    ASSERT_TRUE(parsed.ok);
    ASSERT_EQ(parsed.records.size(), 3u);
    EXPECT_EQ(parsed.records[1][2], "ok");
    EXPECT_EQ(parsed.records[2][3], "the row is longer than 1 MiB");
}

// The streamed output is the output of the whole file calculated at once,
// across windows, bad rows among them, at any number of threads.
TEST(BatchStream, WindowsJoinIntoTheWholeFilesOutput) {
    std::string text = "kind,density,fractions\n";
    for (int i = 0; i < 9000; ++i) {
        text += i % 997 == 0    ? "mystery,850,\n"
                : i % 3 == 0    ? "basic," + std::to_string(700 + i % 250) + ",\n"
                : i % 1009 == 0 ? std::string(csv::kMaxRecordBytes + 1, 'x') + "\n"
                : i % 50 == 1   ? "additional,850,\"0:300:60;300:400:40\"\n"
                                : "additional," + std::to_string(700 + i % 250) + ",\n";
    }
    const BatchInput input = readBatch(text);
    ASSERT_TRUE(input.ok) << input.problem;
    std::string whole = csv::line(batchHeader());
    for (const csv::Record& record : calculateBatch(input.rows, false, 1)) {
        whole += csv::line(record);
    }
    for (unsigned threads : {1u, 3u}) {
        EXPECT_EQ(streamed(text, threads), whole) << threads;
    }
}

// Of a file malformed past its first window, the windows before it are
// written; within the first, nothing is.
TEST(BatchStream, AMalformedRecordStopsTheReadingAfterTheWindowsBefore) {
    std::string text = "kind\n";
    for (int i = 0; i < 5000; ++i) {
        text += "mystery\n";
    }
    std::string problem;
    const std::string out = streamed(text + "\"open\n", 2, &problem);
    EXPECT_EQ(problem, "line 5002: a quoted field is not closed");
    const csv::ParseResult parsed = csv::parse(out);
    ASSERT_TRUE(parsed.ok);
    EXPECT_GT(parsed.records.size(), 1u);
    EXPECT_LT(parsed.records.size(), 5001u);
    EXPECT_EQ(streamed("kind\nmystery\n\"open\n", 2, &problem), "");
    EXPECT_EQ(problem, "line 3: a quoted field is not closed");
}

// An exception on a helper thread ends the batch on the caller, not the
// program.
TEST(BatchThreads, AnExceptionOnAThreadReachesTheCaller) {
    EXPECT_THROW(forEachRow(100, 4,
                            [](std::size_t i) {
                                if (i == 50) {
                                    throw std::runtime_error("row 50");
                                }
                            }),
                 std::runtime_error);
}

// --threads is bounded as the calculator's other options are: wrong usage,
// exit 64, a message that names it.
struct ThreadOptionCase {
    const char* name;
    std::string threads;
    int exitStatus;
};

void PrintTo(const ThreadOptionCase& row, std::ostream* out) {
    *out << row.name;
}

class BatchThreadOptions : public ::testing::TestWithParam<ThreadOptionCase> {};

TEST_P(BatchThreadOptions, AreBounded) {
    const auto run =
        testing::runCalculator({"batch", "/dev/null", "--threads", GetParam().threads});
    EXPECT_EQ(run.exitStatus, GetParam().exitStatus) << run.err;
    if (GetParam().exitStatus == 64) {
        EXPECT_NE(run.err.find("--threads"), std::string::npos) << run.err;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Values, BatchThreadOptions,
    ::testing::Values(ThreadOptionCase{"AtTheLimit", std::to_string(mostBatchThreads()), 2},
                      ThreadOptionCase{"PastTheLimit", std::to_string(mostBatchThreads() + 1), 64},
                      ThreadOptionCase{"Huge", "100000", 64},
                      ThreadOptionCase{"Negative", "-1", 64}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BatchStream, TheZeroDeviceIsRefusedAtOnce) {
    const auto run = testing::runCalculator({"batch", "/dev/zero"});
    EXPECT_EQ(run.exitStatus, 2);
    EXPECT_EQ(run.err, "viskora-calc batch: the header holds a NUL byte\n");
}

} // namespace
} // namespace viskora
