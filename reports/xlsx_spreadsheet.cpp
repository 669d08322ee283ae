#include "reports/xlsx_spreadsheet.h"

#include "reports/pending_file.h"
#include "reports/report_file.h"
#include "reports/sheet_model.h"
#include "reports/xlsx_file.h"

#include <string_view>
#include <utility>

namespace viskora {
namespace {

constexpr double kMinFontSize = 1.0;
constexpr double kMaxFontSize = 409.0;
constexpr std::size_t kMaxSheetNameLength = 31;

// What one started application holds; shared by every object it handed out,
// so that an object released late never points at nothing.
struct Session {
    std::filesystem::path file;
    DocumentOpener* opener = nullptr;
    std::unique_ptr<PendingFile> pending;
    bool hasWorkbook = false;
    bool shown = false;
    SheetModel sheet;
};
using SessionPtr = std::shared_ptr<Session>;

bool validSheetName(std::string_view name) {
    std::size_t characters = 0;
    for (const char c : name) {
        characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    }
    return characters >= 1 && characters <= kMaxSheetNameLength &&
           name.find_first_of("[]:*?/\\") == std::string_view::npos && name.front() != '\'' &&
           name.back() != '\'';
}

class XlsxFont : public SheetFont {
  public:
    XlsxFont(SessionPtr session, CellRange range) : session_(std::move(session)), range_(range) {}

    // The size of the range's first cell.
    double size() const override {
        const auto& cells = session_->sheet.cells;
        const auto found = cells.find({range_.firstRow, range_.firstColumn});
        return found == cells.end() ? kDefaultFontSize : found->second.style.fontSize;
    }
    void setSize(double points) override {
        if (!(points >= kMinFontSize && points <= kMaxFontSize)) {
            throw SpreadsheetError("Font size out of range.");
        }
        session_->sheet.forEachCell(
            range_, [&](int, int, SheetCell& cell) { cell.style.fontSize = points; });
    }
    void setBold(int bold) override {
        session_->sheet.forEachCell(
            range_, [&](int, int, SheetCell& cell) { cell.style.bold = bold != 0; });
    }

  private:
    SessionPtr session_;
    CellRange range_;
};

class XlsxInterior : public SheetInterior {
  public:
    XlsxInterior(SessionPtr session, CellRange range)
        : session_(std::move(session)), range_(range) {}

    void setColorIndex(int paletteIndex) override {
        const auto colour = paletteColour(paletteIndex);
        if (!colour) {
            throw SpreadsheetError("Colour index out of the palette.");
        }
        session_->sheet.forEachCell(range_,
                                    [&](int, int, SheetCell& cell) { cell.style.fill = *colour; });
    }

  private:
    SessionPtr session_;
    CellRange range_;
};

class XlsxRange : public SheetRange {
  public:
    XlsxRange(SessionPtr session, CellRange range) : session_(std::move(session)), range_(range) {}

    const CellRange& cellRange() const { return range_; }

    void setValue(const std::string& text) override {
        session_->sheet.forEachCell(range_, [&](int, int, SheetCell& cell) { cell.value = text; });
    }
    std::unique_ptr<SheetFont> font() override {
        return std::make_unique<XlsxFont>(session_, range_);
    }
    std::unique_ptr<SheetInterior> interior() override {
        return std::make_unique<XlsxInterior>(session_, range_);
    }
    void setHorizontalAlignment(int alignment) override {
        const auto value = alignmentFromCode(alignment);
        if (!value) {
            throw SpreadsheetError("Unknown horizontal alignment.");
        }
        session_->sheet.forEachCell(
            range_, [&](int, int, SheetCell& cell) { cell.style.alignment = *value; });
    }
    // The colour comes from the palette index; the colour value is not needed then.
    void borderAround(int lineStyle, int weight, int colorIndex, int) override {
        const auto line = borderFromStyle(lineStyle, weight);
        const auto colour = paletteColour(colorIndex);
        if (!line || !colour) {
            throw SpreadsheetError("Unsupported border.");
        }
        session_->sheet.borderAround(range_, CellEdge{*line, *colour});
    }

  private:
    SessionPtr session_;
    CellRange range_;
};

class XlsxCells : public SheetCells {
  public:
    explicit XlsxCells(SessionPtr session) : session_(std::move(session)) {}

    std::unique_ptr<SheetRange> item(int row, int column) override {
        check(row, column);
        return std::make_unique<XlsxRange>(session_, CellRange{row, column, row, column});
    }
    void setItem(int row, int column, const std::string& text) override {
        check(row, column);
        session_->sheet.cell(row, column).value = text;
    }

  private:
    static void check(int row, int column) {
        if (!insideSheet(row, column)) {
            throw SpreadsheetError("Cell outside the sheet.");
        }
    }

    SessionPtr session_;
};

class XlsxHyperlinks : public SheetHyperlinks {
  public:
    explicit XlsxHyperlinks(SessionPtr session) : session_(std::move(session)) {}

    // The link sits on the anchor's first cell, which shows the address
    // when it holds no text of its own.
    void add(SheetRange& anchor, const std::string& address) override {
        const auto* range = dynamic_cast<XlsxRange*>(&anchor);
        if (range == nullptr) {
            throw SpreadsheetError("Hyperlink anchor from another workbook.");
        }
        const int row = range->cellRange().firstRow;
        const int column = range->cellRange().firstColumn;
        session_->sheet.hyperlinks[{row, column}] = address;
        SheetCell& cell = session_->sheet.cell(row, column);
        if (cell.value.empty()) {
            cell.value = address;
        }
        cell.style.hyperlink = true;
    }

  private:
    SessionPtr session_;
};

class XlsxWorksheet : public Worksheet {
  public:
    explicit XlsxWorksheet(SessionPtr session) : session_(std::move(session)) {}

    // A workbook's only sheet cannot be hidden.
    void setVisible(int visibility) override {
        if (visibility == 0 || visibility == 2) {
            throw SpreadsheetError("The only sheet of a workbook cannot be hidden.");
        }
    }
    void setName(const std::string& name) override {
        if (!validSheetName(name)) {
            throw SpreadsheetError("Invalid sheet name.");
        }
        session_->sheet.name = name;
    }
    std::unique_ptr<SheetCells> cells() override { return std::make_unique<XlsxCells>(session_); }
    std::unique_ptr<SheetRange> range(const std::string& firstCell,
                                      const std::string& lastCell) override {
        const auto first = parseCellName(firstCell);
        const auto last = parseCellName(lastCell);
        if (!first || !last) {
            throw SpreadsheetError("Invalid cell name.");
        }
        return std::make_unique<XlsxRange>(session_, spannedRange(*first, *last));
    }
    std::unique_ptr<SheetHyperlinks> hyperlinks() override {
        return std::make_unique<XlsxHyperlinks>(session_);
    }

  private:
    SessionPtr session_;
};

class XlsxWorksheets : public Worksheets {
  public:
    explicit XlsxWorksheets(SessionPtr session) : session_(std::move(session)) {}

    std::unique_ptr<Worksheet> item(int index) override {
        if (index != 1) {
            throw SpreadsheetError("The workbook has one worksheet.");
        }
        return std::make_unique<XlsxWorksheet>(session_);
    }

  private:
    SessionPtr session_;
};

class XlsxWorkbook : public Workbook {
  public:
    explicit XlsxWorkbook(SessionPtr session) : session_(std::move(session)) {}

    std::unique_ptr<Worksheets> worksheets() override {
        return std::make_unique<XlsxWorksheets>(session_);
    }

  private:
    SessionPtr session_;
};

class XlsxWorkbooks : public Workbooks {
  public:
    explicit XlsxWorkbooks(SessionPtr session) : session_(std::move(session)) {}

    std::unique_ptr<Workbook> add(int workbookTemplate) override {
        if (workbookTemplate != kSingleWorksheetTemplate) {
            throw SpreadsheetError("Only a workbook of one worksheet can be made.");
        }
        if (session_->hasWorkbook) {
            throw SpreadsheetError("Only one workbook per file.");
        }
        session_->hasWorkbook = true;
        return std::make_unique<XlsxWorkbook>(session_);
    }

  private:
    SessionPtr session_;
};

class XlsxApplication : public SpreadsheetApplication {
  public:
    explicit XlsxApplication(SessionPtr session) : session_(std::move(session)) {}

    std::unique_ptr<Workbooks> workbooks() override {
        return std::make_unique<XlsxWorkbooks>(session_);
    }
    void setVisible(bool visible) override {
        Session& s = *session_;
        if (!visible || !s.hasWorkbook || s.shown) {
            return;
        }
        const std::string failure = writeXlsxFile(s.sheet, s.pending->temporaryPath());
        if (!failure.empty()) {
            throw SpreadsheetError(failureWithReason(kFileCreationFailed, failure));
        }
        if (!s.pending->commit()) {
            throw SpreadsheetError(failureWithReason(kFileCreationFailed, s.pending->failure()));
        }
        s.shown = true;
        if (s.opener != nullptr) {
            s.opener->open(s.file);
        }
    }
    // The user has the workbook as soon as it is shown.
    void setUserControl(bool) override {}

  private:
    SessionPtr session_;
};

} // namespace

XlsxSpreadsheetLauncher::XlsxSpreadsheetLauncher(std::filesystem::path file, DocumentOpener* opener)
    : file_(std::move(file)), opener_(opener) {}

std::unique_ptr<SpreadsheetApplication> XlsxSpreadsheetLauncher::createApplication() {
    auto session = std::make_shared<Session>();
    session->file = file_;
    session->opener = opener_;
    session->pending = std::make_unique<PendingFile>(file_);
    if (!session->pending->created()) {
        unavailableReason_ = session->pending->failure();
        return nullptr;
    }
    return std::make_unique<XlsxApplication>(std::move(session));
}

} // namespace viskora
