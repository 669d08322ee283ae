#pragma once

#include "reports/document_opener.h"
#include "reports/spreadsheet_automation.h"

#include <filesystem>
#include <string>

namespace viskora {

// The spreadsheet program of this system: the export's calls build one
// workbook in memory, and making the application visible writes it as an
// .xlsx file at `file` (an old file is replaced only by a complete new one)
// and hands it to `opener`, which stands for showing the workbook to the
// user. With a null opener the file is only written.
//
// The application cannot be created when the file may not be replaced or
// no file can be created in the file's folder (a missing folder is not
// made); unavailableReason() then says why.
class XlsxSpreadsheetLauncher : public SpreadsheetLauncher {
  public:
    XlsxSpreadsheetLauncher(std::filesystem::path file, DocumentOpener* opener);

    std::unique_ptr<SpreadsheetApplication> createApplication() override;
    std::string unavailableReason() const override { return unavailableReason_; }

  private:
    std::filesystem::path file_;
    DocumentOpener* opener_;
    std::string unavailableReason_;
};

} // namespace viskora
