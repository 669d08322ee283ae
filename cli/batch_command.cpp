#include "cli/batch_command.h"

#include "cli/batch_stream.h"
#include "cli/calc_report.h"
#include "cli/csv_reader.h"
#include "cli/parallel_rows.h"

#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>

namespace viskora {
namespace {

struct BatchOptions {
    std::string file = "-";
    bool yes = false;
    unsigned threads = 0;
};

int streamBatchFile(const BatchOptions& options) {
    std::ifstream file;
    if (options.file != "-") {
        std::error_code error;
        if (std::filesystem::is_directory(options.file, error)) {
            std::cerr << "viskora-calc batch: " << options.file
                      << " is a folder, not a CSV file\n(see viskora-calc batch --help)\n";
            return kExitUsage;
        }
        file.open(options.file, std::ios::binary);
        if (!file) {
            std::cerr << "viskora-calc batch: cannot read " << options.file << '\n';
            return kExitUsage;
        }
    }
    std::istream& in = options.file == "-" ? std::cin : file;
    if (const auto problem = streamBatch(in, std::cout, options.yes, options.threads)) {
        std::cout.flush();
        std::cerr << "viskora-calc batch: " << *problem << '\n';
        return kExitInputError;
    }
    std::cout.flush();
    return std::cout ? kExitResults : kExitFailed;
}

int runBatchCommand(const BatchOptions& options) {
    if (options.threads > mostBatchThreads()) {
        std::cerr << "viskora-calc batch: --threads must be from 0 to " << mostBatchThreads()
                  << "\n(see viskora-calc batch --help)\n";
        return kExitUsage;
    }
    try {
        return streamBatchFile(options);
    } catch (const std::exception& error) {
        std::cout.flush();
        std::cerr << "viskora-calc batch: " << error.what() << '\n';
        return kExitFailed;
    }
}

} // namespace

BatchInput readBatch(std::string_view text) {
    BatchInput input;
    csv::RecordReader reader(text);
    const std::optional<BatchColumns> columns = readBatchHeader(reader, input.problem);
    if (!columns) {
        input.ok = false;
        return input;
    }
    BatchRecord record;
    while (true) {
        switch (reader.next(record.fields, record.refusal)) {
        case csv::RecordReader::Outcome::End:
            return input;
        case csv::RecordReader::Outcome::Malformed:
            input.ok = false;
            input.problem = malformedProblem(reader);
            input.rows.clear();
            return input;
        case csv::RecordReader::Outcome::Record:
            input.rows.push_back(batchRow(record, *columns));
            break;
        }
    }
}

std::vector<csv::Record> calculateBatch(const std::vector<BatchRow>& rows, bool answerYes,
                                        unsigned threads) {
    std::vector<csv::Record> output(rows.size());
    forEachRow(rows.size(), threads,
               [&](std::size_t i) { output[i] = batchOutput(i, rows[i], answerYes); });
    return output;
}

void addBatchCommand(CLI::App& app, int& exitStatus) {
    auto options = std::make_shared<BatchOptions>();
    CLI::App* command = app.add_subcommand(
        "batch", "Many calculations from a CSV file, one per row, calculated in parallel");
    command
        ->add_option(
            "file", options->file,
            "CSV file with a header row naming some of: kind (basic or additional; "
            "default additional), density, density_unit, density_temp, temp_unit, "
            "design_temp, design_pressure, pressure_unit, fractions "
            "(START:END:SHARE rows joined by ';', empty for density only), "
            "viscosityMethod (whole or cuts; default whole), vapourPressureMethod (average or "
            "cuts; default average); - for standard input")
        ->capture_default_str();
    command->add_flag("--yes", options->yes, "Answer Yes to every warning (default: No)");
    command
        ->add_option("--threads", options->threads,
                     "Threads to calculate on (0: one per core; at most " +
                         std::to_string(mostBatchThreads()) + ")")
        ->capture_default_str();
    command->callback([options, &exitStatus] { exitStatus = runBatchCommand(*options); });
}

} // namespace viskora
