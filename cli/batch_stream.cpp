#include "cli/batch_stream.h"

#include "cli/batch_rows.h"
#include "cli/csv_reader.h"
#include "cli/parallel_rows.h"

#include <cstddef>
#include <vector>

namespace viskora {
namespace {

// A window is this many rows, or fewer once their fields hold this many
// bytes: enough rows to keep every thread busy, and never more than a few
// MiB however long the rows are (a record holds at most 1 MiB).
constexpr std::size_t kWindowRows = 4096;
constexpr std::size_t kWindowBytes = 8 * 1024 * 1024;

std::size_t fieldBytes(const csv::Record& fields) {
    std::size_t bytes = 0;
    for (const std::string& field : fields) {
        bytes += field.size();
    }
    return bytes;
}

} // namespace

std::optional<std::string> streamBatch(std::istream& in, std::ostream& out, bool answerYes,
                                       unsigned threads) {
    csv::RecordReader reader(in);
    std::string problem;
    const std::optional<BatchColumns> columns = readBatchHeader(reader, problem);
    if (!columns) {
        return problem;
    }
    std::string text = csv::line(batchHeader());
    std::vector<BatchRecord> window;
    std::vector<std::string> lines;
    std::size_t firstRow = 0;
    bool atEnd = false;
    while (!atEnd) {
        window.clear();
        std::size_t bytes = 0;
        while (window.size() < kWindowRows && bytes < kWindowBytes) {
            BatchRecord record;
            const auto outcome = reader.next(record.fields, record.refusal);
            if (outcome == csv::RecordReader::Outcome::Malformed) {
                return malformedProblem(reader);
            }
            if (outcome == csv::RecordReader::Outcome::End) {
                atEnd = true;
                break;
            }
            bytes += fieldBytes(record.fields);
            window.push_back(std::move(record));
        }
        lines.assign(window.size(), std::string());
        forEachRow(window.size(), threads, [&](std::size_t i) {
            lines[i] =
                csv::line(batchOutput(firstRow + i, batchRow(window[i], *columns), answerYes));
        });
        for (const std::string& line : lines) {
            text += line;
        }
        out << text;
        if (!out) {
            return std::nullopt;
        }
        text.clear();
        firstRow += window.size();
    }
    return std::nullopt;
}

} // namespace viskora
