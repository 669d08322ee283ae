#include "cli/batch_rows.h"

#include "cli/calc_report.h"
#include "cli/console_messages.h"
#include "engine/calculation.h"
#include "engine/message_texts.h"
#include "units/display_format.h"

#include <algorithm>
#include <exception>
#include <map>

namespace viskora {
namespace {

// The longest message a row of the output carries.
constexpr std::size_t kMaxMessageCharacters = 200;

const std::map<std::string, BatchColumn, std::less<>>& columnNames() {
    static const std::map<std::string, BatchColumn, std::less<>> names = {
        {"kind", BatchColumn::Kind},
        {"density", BatchColumn::Density},
        {"density_unit", BatchColumn::DensityUnit},
        {"density_temp", BatchColumn::DensityTemp},
        {"temp_unit", BatchColumn::TempUnit},
        {"design_temp", BatchColumn::DesignTemp},
        {"design_pressure", BatchColumn::DesignPressure},
        {"pressure_unit", BatchColumn::PressureUnit},
        {"fractions", BatchColumn::Fractions},
        {"viscosityMethod", BatchColumn::ViscosityMethod},
        {"vapourPressureMethod", BatchColumn::VapourPressureMethod},
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
BatchRow unreadableRow(const csv::Record& fields, const BatchColumns& columns,
                       std::string problem) {
    BatchRow row;
    row.kind.clear();
    const auto kind = std::find(columns.begin(), columns.end(), BatchColumn::Kind);
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
BatchRow resolveRow(const csv::Record& fields, const BatchColumns& columns) {
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
        case BatchColumn::Kind:
            row.kind = value.empty() ? row.kind : value;
            break;
        case BatchColumn::Density:
            oil.density = value;
            break;
        case BatchColumn::DensityUnit:
            oil.densityUnit = value.empty() ? oil.densityUnit : value;
            break;
        case BatchColumn::DensityTemp:
            oil.densityTemp = value;
            break;
        case BatchColumn::TempUnit:
            oil.tempUnit = value.empty() ? oil.tempUnit : value;
            break;
        case BatchColumn::DesignTemp:
            row.design.designTemp = value;
            break;
        case BatchColumn::DesignPressure:
            row.design.designPressure = value;
            break;
        case BatchColumn::PressureUnit:
            row.design.pressureUnit = value.empty() ? row.design.pressureUnit : value;
            break;
        case BatchColumn::Fractions:
            oil.fractions = splitFractions(value);
            break;
        case BatchColumn::ViscosityMethod:
            oil.viscosityMethod = value.empty() ? oil.viscosityMethod : value;
            break;
        case BatchColumn::VapourPressureMethod:
            oil.vapourPressureMethod = value.empty() ? oil.vapourPressureMethod : value;
            break;
        }
    }
    if (row.kind != "basic" && row.kind != "additional") {
        row.kind = csv::excerpt(row.kind);
        row.problem = "unknown kind: " + row.kind + " (basic or additional)";
        return row;
    }
    const OilValueNames names = {"column density", "column density_temp", "column fractions",
                                 "column viscosityMethod", "column vapourPressureMethod"};
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
    const BasicOutcome basic = calculateBasic(oilInputsOf(row.oil), messages.accepted());
    messages.show(basic.messages);
    RowOutcome outcome{statusOf(basic.status, messages).word, firstText(messages.shown()), {}};
    if (basic.status == CalcOutcome::Completed) {
        outcome.lines = resultLines(basic.results);
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

} // namespace

std::optional<BatchColumns> readBatchHeader(csv::RecordReader& reader, std::string& problem) {
    csv::Record header;
    std::string refusal;
    switch (reader.next(header, refusal, true)) {
    case csv::RecordReader::Outcome::End:
        problem = "the file has no header row";
        return std::nullopt;
    case csv::RecordReader::Outcome::Malformed:
        problem = malformedProblem(reader);
        return std::nullopt;
    case csv::RecordReader::Outcome::Record:
        break;
    }
    if (!refusal.empty()) {
        const std::string& quoted = header.front();
        problem = "the header " + refusal + (quoted.empty() ? "" : ": " + quoted);
        return std::nullopt;
    }
    BatchColumns columns;
    for (const std::string& name : header) {
        const auto column = columnNames().find(trimmed(name));
        if (column == columnNames().end()) {
            problem = "unknown column: " + csv::excerpt(name);
            return std::nullopt;
        }
        if (std::find(columns.begin(), columns.end(), column->second) != columns.end()) {
            problem = "column given twice: " + csv::excerpt(name);
            return std::nullopt;
        }
        columns.push_back(column->second);
    }
    return columns;
}

std::string malformedProblem(const csv::RecordReader& reader) {
    return "line " + std::to_string(reader.recordLine()) + ": " + reader.error();
}

BatchRow batchRow(const BatchRecord& record, const BatchColumns& columns) {
    return record.refusal.empty() ? resolveRow(record.fields, columns)
                                  : unreadableRow({}, columns, "the row " + record.refusal);
}

csv::Record batchOutput(std::size_t index, const BatchRow& row, bool answerYes) {
    try {
        return outputRecord(index, row, calculateRow(row, answerYes));
    } catch (const std::exception&) {
        return outputRecord(index, row, {"error", texts::kCalculationError, {}});
    }
}

csv::Record batchHeader() {
    csv::Record header = {"row", "kind", "status", "message"};
    const std::vector<std::string>& columns = resultColumns();
    header.insert(header.end(), columns.begin(), columns.end());
    return header;
}

} // namespace viskora
