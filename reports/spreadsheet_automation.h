#pragma once

#include <memory>
#include <stdexcept>
#include <string>

namespace viskora {

// The few spreadsheet-program calls the export makes, modelled on the usual
// spreadsheet object model: application, workbooks, worksheet, ranges and
// cells with their font, interior and borders, hyperlinks. Rows and columns
// count from 1. Every getter hands out a new object that the caller owns and
// releases; a call that cannot be carried out throws SpreadsheetError.

class SpreadsheetError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Template of a new workbook holding one worksheet.
inline constexpr int kSingleWorksheetTemplate = -4167;
// Worksheet visibility "visible".
inline constexpr int kSheetVisible = 1;
// Palette entries of the default colour palette.
inline constexpr int kPaletteBlack = 1;
inline constexpr int kPaletteGrey = 15;
// Border line style "continuous" and weight "thin".
inline constexpr int kContinuousLine = 1;
inline constexpr int kThinBorder = 2;
// The horizontal alignment code that puts a cell's text at its right edge.
inline constexpr int kAlignRight = 4;

class SheetFont {
  public:
    virtual ~SheetFont() = default;
    virtual double size() const = 0;
    virtual void setSize(double points) = 0;
    virtual void setBold(int bold) = 0;
};

class SheetInterior {
  public:
    virtual ~SheetInterior() = default;
    virtual void setColorIndex(int paletteIndex) = 0;
};

class SheetRange {
  public:
    virtual ~SheetRange() = default;
    virtual void setValue(const std::string& text) = 0;
    virtual std::unique_ptr<SheetFont> font() = 0;
    virtual std::unique_ptr<SheetInterior> interior() = 0;
    virtual void setHorizontalAlignment(int alignment) = 0;
    // A border around the outside of the range.
    virtual void borderAround(int lineStyle, int weight, int colorIndex, int color) = 0;
};

class SheetCells {
  public:
    virtual ~SheetCells() = default;
    virtual std::unique_ptr<SheetRange> item(int row, int column) = 0;
    virtual void setItem(int row, int column, const std::string& text) = 0;
};

class SheetHyperlinks {
  public:
    virtual ~SheetHyperlinks() = default;
    virtual void add(SheetRange& anchor, const std::string& address) = 0;
};

class Worksheet {
  public:
    virtual ~Worksheet() = default;
    virtual void setVisible(int visibility) = 0;
    virtual void setName(const std::string& name) = 0;
    virtual std::unique_ptr<SheetCells> cells() = 0;
    // The rectangle spanned by two cell names such as "B9" and "I9".
    virtual std::unique_ptr<SheetRange> range(const std::string& firstCell,
                                              const std::string& lastCell) = 0;
    virtual std::unique_ptr<SheetHyperlinks> hyperlinks() = 0;
};

class Worksheets {
  public:
    virtual ~Worksheets() = default;
    virtual std::unique_ptr<Worksheet> item(int index) = 0;
};

class Workbook {
  public:
    virtual ~Workbook() = default;
    virtual std::unique_ptr<Worksheets> worksheets() = 0;
};

class Workbooks {
  public:
    virtual ~Workbooks() = default;
    virtual std::unique_ptr<Workbook> add(int workbookTemplate) = 0;
};

class SpreadsheetApplication {
  public:
    virtual ~SpreadsheetApplication() = default;
    virtual std::unique_ptr<Workbooks> workbooks() = 0;
    // Showing the application hands its workbooks to the user.
    virtual void setVisible(bool visible) = 0;
    virtual void setUserControl(bool userControl) = 0;
};

// Starts the spreadsheet program; null when it is not available.
class SpreadsheetLauncher {
  public:
    virtual ~SpreadsheetLauncher() = default;
    virtual std::unique_ptr<SpreadsheetApplication> createApplication() = 0;
    // After createApplication() gave nothing: why, as a sentence, when known.
    virtual std::string unavailableReason() const { return {}; }
};

} // namespace viskora
