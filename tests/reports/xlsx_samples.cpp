// Writes the sample workbooks that check_workbooks.py reads back:
//   viskora_xlsx_samples FOLDER
#include "reports/spreadsheet_export.h"
#include "sample_documents.h"

#include <clocale>
#include <iostream>

namespace {

using namespace viskora;

class CountingOpener : public DocumentOpener {
  public:
    void open(const std::filesystem::path& file) override {
        opened = file;
        ++count;
    }
    std::filesystem::path opened;
    int count = 0;
};

// Exports one record into FOLDER/name and checks the workbook was opened.
template <typename Record, typename Export>
bool writeSample(const std::filesystem::path& folder, const char* name, const Record& record,
                 Export exportSheet) {
    CountingOpener opener;
    const auto failure = exportSheet(record, RecordFractionRows(record), folder / name, &opener);
    if (failure) {
        std::cerr << name << ": " << *failure << "\n";
        return false;
    }
    if (opener.count != 1 || opener.opened != folder / name) {
        std::cerr << name << ": the workbook was not opened once\n";
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: viskora_xlsx_samples FOLDER\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    // The desktop program runs under the user's locale, which Qt takes from
    // the environment: a decimal comma there must not reach the workbook.
    std::setlocale(LC_ALL, "de_DE.UTF-8");

    const auto basic = testing::sampleBasicRecord();
    auto additional = testing::sampleAdditionalRecord();
    testing::useRows(additional, {{"35", "100", "20"},
                                  {"100", "200", "20"},
                                  {"200", "300", "20"},
                                  {"300", "350", "20"},
                                  {"350", "500°С", "20"}});
    auto basicHundred = testing::sampleBasicRecord();
    testing::useRows(basicHundred, testing::hundredFractionRows());

    const bool written =
        writeSample(folder, "basic_plain.xlsx", basic, exportBasicSpreadsheet) &&
        writeSample(folder, "additional_five_rows.xlsx", additional, exportAdditionalSpreadsheet) &&
        writeSample(folder, "basic_hundred_rows.xlsx", basicHundred, exportBasicSpreadsheet);
    return written ? 0 : 1;
}
