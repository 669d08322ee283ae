#include "cli/batch_command.h"

#include "cli/calc_report.h"
#include "cli/console_messages.h"
#include "engine/message_texts.h"
#include "engine/oil_calc.h"
#include "units/display_format.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <memory>
#include <optional>
#include <sstream>
#include <thread>

namespace viskora {
namespace {

// The longest message a row of the output carries.
constexpr std::size_t kMaxMessageCharacters = 200;

enum class Column {
    Kind,
    Density,
    DensityUnit,
    DensityTemp,
    TempUnit,
    DesignTemp,
    DesignPressure,
    PressureUnit,
    Fractions,
    ViscosityMethod,
};

const std::map<std::string, Column, std::less<>>& columnNames() {
    static const std::map<std::string, Column, std::less<>> names = {
        {"kind", Column::Kind},
        {"density", Column::Density},
        {"density_unit", Column::DensityUnit},
        {"density_temp", Column::DensityTemp},
        {"temp_unit", Column::TempUnit},
        {"design_temp", Column::DesignTemp},
        {"design_pressure", Column::DesignPressure},
        {"pressure_unit", Column::PressureUnit},
        {"fractions", Column::Fractions},
        {"viscosityMethod", Column::ViscosityMethod},
    };
    return names;
}

// The result columns after row, kind, status and message: the basic results,
// then the additional ones. The liquid phase's Prandtl number shares the
// column `prandtl` with the basic one, as it shares the calculator's name.
const std::vector<std::string>& resultColumns() {
    static const std::vector<std::string> columns = [] {
        std::vector<std::string> names;
        for (const auto& lines : {resultLines(BasicResults{}), resultLines(AdditionalResults{})}) {
            for (const ResultLine& line : lines) {
                if (std::ranges::find(names, line.name) == names.end()) {
                    names.push_back(line.name);
                }
            }
        }
        return names;
    }();
    return columns;
}

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const std::size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

std::vector<std::string> splitFractions(std::string_view text) {
    std::vector<std::string> rows;
    if (trimmed(text).empty()) {
        return rows;
    }
    std::size_t begin = 0;
    while (true) {
        const std::size_t end = text.find(';', begin);
        rows.emplace_back(trimmed(text.substr(begin, end - begin)));
        if (end == std::string_view::npos) {
            return rows;
        }
        begin = end + 1;
    }
}

// A row that cannot be read names the kind its kind field holds, or none.
BatchRow unreadableRow(const csv::Record& fields, const std::vector<Column>& columns,
                       std::string problem) {
    BatchRow row;
    row.kind.clear();
    const auto kind = std::find(columns.begin(), columns.end(), Column::Kind);
    const auto index = static_cast<std::size_t>(kind - columns.begin());
    if (kind != columns.end() && index < fields.size()) {
        row.kind = csv::excerpt(trimmed(fields[index]));
    }
    row.problem = std::move(problem);
    return row;
}

// A row's fields by column; columns the header lacks, and empty kind and
// unit fields, keep the defaults of the command line. An empty value field
// is an empty text, read as 0 like an empty box of the form.
BatchRow resolveRow(const csv::Record& fields, const std::vector<Column>& columns) {
    BatchRow row;
    if (fields.size() != columns.size()) {
        return unreadableRow(fields, columns,
                             "the row has " + std::to_string(fields.size()) +
                                 " fields, the header " + std::to_string(columns.size()));
    }
    OilOptions oil;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const std::string value(trimmed(fields[i]));
        switch (columns[i]) {
        case Column::Kind:
            row.kind = value.empty() ? row.kind : value;
            break;
        case Column::Density:
            oil.density = value;
            break;
        case Column::DensityUnit:
            oil.densityUnit = value.empty() ? oil.densityUnit : value;
            break;
        case Column::DensityTemp:
            oil.densityTemp = value;
            break;
        case Column::TempUnit:
            oil.tempUnit = value.empty() ? oil.tempUnit : value;
            break;
        case Column::DesignTemp:
            row.design.designTemp = value;
            break;
        case Column::DesignPressure:
            row.design.designPressure = value;
            break;
        case Column::PressureUnit:
            row.design.pressureUnit = value.empty() ? row.design.pressureUnit : value;
            break;
        case Column::Fractions:
            oil.fractions = splitFractions(value);
            break;
        case Column::ViscosityMethod:
            oil.viscosityMethod = value.empty() ? oil.viscosityMethod : value;
            break;
        }
    }
    if (row.kind != "basic" && row.kind != "additional") {
        row.kind = csv::excerpt(row.kind);
        row.problem = "unknown kind: " + row.kind + " (basic or additional)";
        return row;
    }
    const OilValueNames names = {"column density", "column density_temp", "column fractions",
                                 "column viscosityMethod"};
    const auto resolved = resolveOil(oil, row.problem, names);
    if (!resolved) {
        // The problem may quote a field; a row's message stays short.
        row.problem = csv::excerpt(row.problem, kMaxMessageCharacters);
        return row;
    }
    if (row.kind == "additional" &&
        (!checkNumberText("column design_temp", row.design.designTemp, row.problem) ||
         !checkNumberText("column design_pressure", row.design.designPressure, row.problem))) {
        return row;
    }
    row.oil = *resolved;
    const auto pressureUnit = parsePressureUnit(row.design.pressureUnit);
    if (!pressureUnit) {
        row.problem = "unknown pressure unit: " + csv::excerpt(row.design.pressureUnit);
        return row;
    }
    row.pressureUnit = *pressureUnit;
    return row;
}

struct RowOutcome {
    std::string status;
    std::string message;
    std::vector<ResultLine> lines;
};

RowOutcome calculateRow(const BatchRow& row, bool answerYes) {
    if (!row.problem.empty()) {
        return {"bad-row", row.problem, {}};
    }
    const auto firstText = [](const std::vector<ShownMessage>& shown) {
        return shown.empty() ? std::string() : shown.front().text;
    };
    if (row.kind == "additional") {
        const AdditionalRun run =
            runAdditional(row.oil, row.design, row.pressureUnit, answerYes, nullptr);
        RowOutcome outcome{run.status.word, firstText(run.messages), {}};
        if (run.outcome == CalcOutcome::Completed) {
            outcome.lines = resultLines(run.results);
        }
        return outcome;
    }
    ConsoleMessages messages(answerYes, nullptr);
    COilCalc calc(&messages);
    fillOilInputs(calc, row.oil);
    const CalcOutcome result = runBasicCalculation(calc);
    RowOutcome outcome{statusOf(result, messages).word, firstText(messages.shown()), {}};
    if (result == CalcOutcome::Completed) {
        outcome.lines = resultLines(basicResults(calc));
    }
    return outcome;
}

csv::Record outputRecord(std::size_t index, const BatchRow& row, const RowOutcome& outcome) {
    // Kind and message may repeat the input's text, which must not become a
    // formula when the output is opened as a spreadsheet.
    csv::Record record = {std::to_string(index + 1), csv::spreadsheetText(row.kind), outcome.status,
                          csv::spreadsheetText(outcome.message)};
    const std::vector<std::string>& columns = resultColumns();
    record.resize(record.size() + columns.size());
    for (const ResultLine& line : outcome.lines) {
        const auto column = std::find(columns.begin(), columns.end(), line.name);
        if (column != columns.end()) {
            record[4 + static_cast<std::size_t>(column - columns.begin())] =
                shortestNumberText(line.value);
        }
    }
    return record;
}

csv::Record calculateOutput(std::size_t index, const BatchRow& row, bool answerYes) {
    try {
        return outputRecord(index, row, calculateRow(row, answerYes));
    } catch (const std::exception&) {
        return outputRecord(index, row, {"error", texts::kCalculationError, {}});
    }
}

struct BatchOptions {
    std::string file = "-";
    bool yes = false;
    unsigned threads = 0;
};

std::optional<std::string> readInput(const std::string& file) {
    std::ostringstream text;
    if (file == "-") {
        text << std::cin.rdbuf();
        return text.str();
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    text << in.rdbuf();
    return text.str();
}

int runBatchCommand(const BatchOptions& options) {
    const auto text = readInput(options.file);
    if (!text) {
        std::cerr << "viskora-calc batch: cannot read " << options.file << '\n';
        return kExitUsage;
    }
    const BatchInput input = readBatch(*text);
    if (!input.ok) {
        std::cerr << "viskora-calc batch: " << input.problem << '\n';
        return kExitInputError;
    }
    std::string out = csv::line(batchHeader());
    for (const csv::Record& record : calculateBatch(input.rows, options.yes, options.threads)) {
        out += csv::line(record);
    }
    std::cout << out;
    std::cout.flush();
    return std::cout ? kExitResults : kExitFailed;
}

} // namespace

BatchInput readBatch(std::string_view text) {
    BatchInput input;
    const csv::ParseResult parsed = csv::parse(text);
    if (!parsed.ok) {
        input.ok = false;
        input.problem = "line " + std::to_string(parsed.errorLine) + ": " + parsed.error;
        return input;
    }
    if (parsed.records.empty()) {
        input.ok = false;
        input.problem = "the file has no header row";
        return input;
    }
    if (const auto over = parsed.overLimit.find(0); over != parsed.overLimit.end()) {
        input.ok = false;
        input.problem = "the header " + over->second + ": " + parsed.records.front().front();
        return input;
    }
    std::vector<Column> columns;
    for (const std::string& name : parsed.records.front()) {
        const auto column = columnNames().find(trimmed(name));
        if (column == columnNames().end()) {
            input.ok = false;
            input.problem = "unknown column: " + csv::excerpt(name);
            return input;
        }
        if (std::find(columns.begin(), columns.end(), column->second) != columns.end()) {
            input.ok = false;
            input.problem = "column given twice: " + csv::excerpt(name);
            return input;
        }
        columns.push_back(column->second);
    }
    for (std::size_t i = 1; i < parsed.records.size(); ++i) {
        const auto over = parsed.overLimit.find(i);
        input.rows.push_back(over == parsed.overLimit.end()
                                 ? resolveRow(parsed.records[i], columns)
                                 : unreadableRow({}, columns, "the row " + over->second));
    }
    return input;
}

csv::Record batchHeader() {
    csv::Record header = {"row", "kind", "status", "message"};
    const std::vector<std::string>& columns = resultColumns();
    header.insert(header.end(), columns.begin(), columns.end());
    return header;
}

std::vector<csv::Record> calculateBatch(const std::vector<BatchRow>& rows, bool answerYes,
                                        unsigned threads) {
    if (threads == 0) {
        threads = std::max(1u, std::thread::hardware_concurrency());
    }
    threads = static_cast<unsigned>(
        std::min<std::size_t>(threads, std::max<std::size_t>(rows.size(), 1)));
    std::vector<csv::Record> output(rows.size());
    std::atomic<std::size_t> next{0};
    const auto work = [&] {
        for (std::size_t i = next++; i < rows.size(); i = next++) {
            output[i] = calculateOutput(i, rows[i], answerYes);
        }
    };
    {
        std::vector<std::jthread> helpers;
        for (unsigned t = 1; t < threads; ++t) {
            helpers.emplace_back(work);
        }
        work();
    }
    return output;
}

void addBatchCommand(CLI::App& app, int& exitStatus) {
    auto options = std::make_shared<BatchOptions>();
    CLI::App* command = app.add_subcommand(
        "batch", "Many calculations from a CSV file, one per row, calculated in parallel");
    command
        ->add_option("file", options->file,
                     "CSV file with a header row naming some of: kind (basic or additional; "
                     "default additional), density, density_unit, density_temp, temp_unit, "
                     "design_temp, design_pressure, pressure_unit, fractions "
                     "(START:END:SHARE rows joined by ';', empty for density only), "
                     "viscosityMethod (whole or cuts; default whole); - for standard input")
        ->capture_default_str();
    command->add_flag("--yes", options->yes, "Answer Yes to every warning (default: No)");
    command->add_option("--threads", options->threads, "Threads to calculate on (0: one per core)")
        ->capture_default_str();
    command->callback([options, &exitStatus] { exitStatus = runBatchCommand(*options); });
}

} // namespace viskora
