#include "reports/report_texts.h"
#include "reports/spreadsheet_export.h"
#include "sample_documents.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace viskora {
namespace {

// A spreadsheet program that writes down every call it receives.
using CallLog = std::vector<std::string>;

class LoggedFont : public SheetFont {
  public:
    LoggedFont(CallLog& log, std::string owner) : log_(log), owner_(std::move(owner)) {}
    double size() const override {
        log_.push_back(owner_ + ".Font.Size?");
        return 10.5;
    }
    void setSize(double points) override {
        log_.push_back(owner_ + ".Font.Size=" + (points == 10.5 ? "10.5" : "?"));
    }
    void setBold(int bold) override {
        log_.push_back(owner_ + ".Font.Bold=" + std::to_string(bold));
    }

  private:
    CallLog& log_;
    std::string owner_;
};

class LoggedInterior : public SheetInterior {
  public:
    LoggedInterior(CallLog& log, std::string owner) : log_(log), owner_(std::move(owner)) {}
    void setColorIndex(int index) override {
        log_.push_back(owner_ + ".Interior.ColorIndex=" + std::to_string(index));
    }

  private:
    CallLog& log_;
    std::string owner_;
};

class LoggedRange : public SheetRange {
  public:
    LoggedRange(CallLog& log, std::string name) : log_(log), name_(std::move(name)) {}
    const std::string& name() const { return name_; }
    void setValue(const std::string& text) override { log_.push_back(name_ + ".Value=" + text); }
    std::unique_ptr<SheetFont> font() override { return std::make_unique<LoggedFont>(log_, name_); }
    std::unique_ptr<SheetInterior> interior() override {
        return std::make_unique<LoggedInterior>(log_, name_);
    }
    void setHorizontalAlignment(int alignment) override {
        log_.push_back(name_ + ".HorizontalAlignment=" + std::to_string(alignment));
    }
    void borderAround(int lineStyle, int weight, int colorIndex, int color) override {
        log_.push_back(name_ + ".BorderAround(" + std::to_string(lineStyle) + "," +
                       std::to_string(weight) + "," + std::to_string(colorIndex) + "," +
                       std::to_string(color) + ")");
    }

  private:
    CallLog& log_;
    std::string name_;
};

class LoggedCells : public SheetCells {
  public:
    LoggedCells(CallLog& log, int failAtRow) : log_(log), failAtRow_(failAtRow) {}
    std::unique_ptr<SheetRange> item(int row, int column) override {
        return std::make_unique<LoggedRange>(log_, cellName(row, column));
    }
    void setItem(int row, int column, const std::string& text) override {
        if (row == failAtRow_) {
            throw SpreadsheetError("The call was rejected.");
        }
        log_.push_back(cellName(row, column) + "=" + text);
    }

  private:
    static std::string cellName(int row, int column) {
        return "Cells(" + std::to_string(row) + "," + std::to_string(column) + ")";
    }
    CallLog& log_;
    int failAtRow_;
};

class LoggedHyperlinks : public SheetHyperlinks {
  public:
    explicit LoggedHyperlinks(CallLog& log) : log_(log) {}
    void add(SheetRange& anchor, const std::string& address) override {
        log_.push_back("Hyperlinks.Add(" + static_cast<LoggedRange&>(anchor).name() + "," +
                       address + ")");
    }

  private:
    CallLog& log_;
};

class LoggedPageSetup : public SheetPageSetup {
  public:
    explicit LoggedPageSetup(CallLog& log) : log_(log) {}
    void setPaperSize(int paper) override {
        log_.push_back("PageSetup.PaperSize=" + std::to_string(paper));
    }
    void setOrientation(int orientation) override {
        log_.push_back("PageSetup.Orientation=" + std::to_string(orientation));
    }
    void fitToPages(int wide, int tall) override {
        log_.push_back("PageSetup.FitToPages(" + std::to_string(wide) + "," + std::to_string(tall) +
                       ")");
    }
    void setPrintArea(const std::string& first, const std::string& last) override {
        log_.push_back("PageSetup.PrintArea=" + first + ":" + last);
    }
    void setPrintTitleRows(int first, int last) override {
        log_.push_back("PageSetup.PrintTitleRows=" + std::to_string(first) + ":" +
                       std::to_string(last));
    }

  private:
    CallLog& log_;
};

class LoggedWorksheet : public Worksheet {
  public:
    LoggedWorksheet(CallLog& log, int failAtRow) : log_(log), failAtRow_(failAtRow) {}
    void setVisible(int visibility) override {
        log_.push_back("Worksheet.Visible=" + std::to_string(visibility));
    }
    void setName(const std::string& name) override { log_.push_back("Worksheet.Name=" + name); }
    std::unique_ptr<SheetCells> cells() override {
        log_.push_back("Worksheet.Cells");
        return std::make_unique<LoggedCells>(log_, failAtRow_);
    }
    std::unique_ptr<SheetRange> range(const std::string& first, const std::string& last) override {
        return std::make_unique<LoggedRange>(log_, "Range(" + first + ":" + last + ")");
    }
    std::unique_ptr<SheetHyperlinks> hyperlinks() override {
        return std::make_unique<LoggedHyperlinks>(log_);
    }
    // The widths are checked on the written workbook, against its texts.
    void setColumnWidth(int column, double) override {
        log_.push_back("Columns(" + std::to_string(column) + ").ColumnWidth");
    }
    std::unique_ptr<SheetPageSetup> pageSetup() override {
        log_.push_back("Worksheet.PageSetup");
        return std::make_unique<LoggedPageSetup>(log_);
    }

  private:
    CallLog& log_;
    int failAtRow_;
};

class LoggedWorksheets : public Worksheets {
  public:
    LoggedWorksheets(CallLog& log, int failAtRow) : log_(log), failAtRow_(failAtRow) {}
    std::unique_ptr<Worksheet> item(int index) override {
        log_.push_back("Worksheets.Item(" + std::to_string(index) + ")");
        return std::make_unique<LoggedWorksheet>(log_, failAtRow_);
    }

  private:
    CallLog& log_;
    int failAtRow_;
};

class LoggedWorkbook : public Workbook {
  public:
    LoggedWorkbook(CallLog& log, int failAtRow) : log_(log), failAtRow_(failAtRow) {}
    std::unique_ptr<Worksheets> worksheets() override {
        log_.push_back("Workbook.Worksheets");
        return std::make_unique<LoggedWorksheets>(log_, failAtRow_);
    }

  private:
    CallLog& log_;
    int failAtRow_;
};

class LoggedWorkbooks : public Workbooks {
  public:
    LoggedWorkbooks(CallLog& log, int failAtRow) : log_(log), failAtRow_(failAtRow) {}
    std::unique_ptr<Workbook> add(int workbookTemplate) override {
        log_.push_back("Workbooks.Add(" + std::to_string(workbookTemplate) + ")");
        return std::make_unique<LoggedWorkbook>(log_, failAtRow_);
    }

  private:
    CallLog& log_;
    int failAtRow_;
};

class LoggedApplication : public SpreadsheetApplication {
  public:
    LoggedApplication(CallLog& log, int failAtRow) : log_(log), failAtRow_(failAtRow) {}
    std::unique_ptr<Workbooks> workbooks() override {
        log_.push_back("Workbooks");
        return std::make_unique<LoggedWorkbooks>(log_, failAtRow_);
    }
    void setVisible(bool visible) override {
        log_.push_back("Application.Visible=" + std::to_string(visible));
    }
    void setUserControl(bool control) override {
        log_.push_back("Application.UserControl=" + std::to_string(control));
    }

  private:
    CallLog& log_;
    int failAtRow_;
};

class LoggedLauncher : public SpreadsheetLauncher {
  public:
    explicit LoggedLauncher(bool available = true, int failAtRow = 0)
        : available_(available), failAtRow_(failAtRow) {}
    std::unique_ptr<SpreadsheetApplication> createApplication() override {
        log.push_back("create");
        if (!available_) {
            return nullptr;
        }
        return std::make_unique<LoggedApplication>(log, failAtRow_);
    }
    CallLog log;

  private:
    bool available_;
    int failAtRow_;
};

const std::string kHeading(report_texts::kHeading);
const std::string kHome(report_texts::kHomePageAddress);

TEST(SpreadsheetExport, BasicCallsInLayoutOrder) {
    const auto record = testing::sampleBasicRecord();
    LoggedLauncher launcher;
    EXPECT_EQ(exportBasicSpreadsheet(record, RecordFractionRows(record), launcher), std::nullopt);
    const CallLog expected = {
        "create",
        "Workbooks",
        "Workbooks.Add(-4167)",
        "Workbook.Worksheets",
        "Worksheets.Item(1)",
        "Worksheet.Visible=1",
        "Worksheet.Name=Viskora",
        "Worksheet.Cells",
        "Range(B1:B1).Value=" + kHeading,
        "Range(B2:B2).Value=",
        "Hyperlinks.Add(Range(B3:C3)," + kHome + ")",
        "Range(B6:B6).Value=" + std::string(report_texts::kBasicTitle),
        "Range(B6:B6).Font.Size?",
        "Range(B6:B6).Font.Bold=1",
        "Range(B6:B6).Font.Size=10.5",
        "Range(B9:B9).Value=Input data",
        "Range(B9:I9).Interior.ColorIndex=15",
        "Cells(10,2)=Density : ",
        "Cells(10,4)=702.7",
        "Cells(10,5)=kg/m3",
        "Cells(10,6)=at the temperature : ",
        "Cells(10,8)=20",
        "Cells(10,9)=°C - Celsius",
        "Cells(13,2)=Calculation results",
        "Cells(13,2).Interior.ColorIndex=15",
        "Cells(13,3).Interior.ColorIndex=15",
        "Cells(13,4).Interior.ColorIndex=15",
        "Cells(13,5).Interior.ColorIndex=15",
        "Cells(13,6).Interior.ColorIndex=15",
        "Cells(13,7).Interior.ColorIndex=15",
        "Cells(13,8).Interior.ColorIndex=15",
        "Cells(13,9).Interior.ColorIndex=15",
        "Cells(14,2)=Density : ",
        "Cells(14,6)=703",
        "Cells(14,7)=kg/m3",
        "Cells(15,2)=Isobaric specific heat : ",
        "Cells(15,6)=1.87",
        "Cells(15,7)=kJ/(kg•K)",
        "Cells(16,2)=Thermal conductivity : ",
        "Cells(16,6)=0.118",
        "Cells(16,7)=Wt/(m•K)",
        "Cells(17,2)=Kinematic viscosity : ",
        "Cells(17,6)=0.986",
        "Cells(17,7)=mm2/c",
        "Cells(18,2)=Surface tension : ",
        "Cells(18,6)=2.13e-002",
        "Cells(18,7)=N/m",
        "Cells(19,2)=Saturated vapor pressure : ",
        "Cells(19,6)=0.0254",
        "Cells(19,7)=MPa (MN/m2)",
        "Cells(20,2)=Pseudocritical temperature : ",
        "Cells(20,6)=293",
        "Cells(20,7)=°C - Celsius",
        "Cells(21,2)=Prandtl number : ",
        "Cells(21,6)=13.2",
        "Columns(2).ColumnWidth",
        "Columns(3).ColumnWidth",
        "Columns(4).ColumnWidth",
        "Columns(5).ColumnWidth",
        "Columns(6).ColumnWidth",
        "Columns(7).ColumnWidth",
        "Columns(8).ColumnWidth",
        "Columns(9).ColumnWidth",
        "Worksheet.PageSetup",
        "PageSetup.PaperSize=9",
        "PageSetup.Orientation=1",
        "PageSetup.FitToPages(1,0)",
        "PageSetup.PrintArea=B1:I21",
        "Application.Visible=1",
        "Application.UserControl=1",
    };
    EXPECT_EQ(launcher.log, expected);
}

bool logged(const CallLog& log, const std::string& call) {
    return std::find(log.begin(), log.end(), call) != log.end();
}

// The calls from `first` on must be exactly `calls`.
void expectRun(const CallLog& log, const CallLog& calls) {
    const auto start = std::find(log.begin(), log.end(), calls.front());
    ASSERT_NE(start, log.end()) << calls.front();
    ASSERT_GE(log.end() - start, static_cast<long>(calls.size()));
    EXPECT_EQ(CallLog(start, start + static_cast<long>(calls.size())), calls);
}

TEST(SpreadsheetExport, AdditionalWithFiveRowsPlacesEveryBlock) {
    auto record = testing::sampleAdditionalRecord();
    testing::useRows(record, {{"35", "100", "20"},
                              {"100", "200", "20"},
                              {"200", "300", "20"},
                              {"300", "400", "20"},
                              {"350", "500", "20"}});
    LoggedLauncher launcher;
    EXPECT_EQ(exportAdditionalSpreadsheet(record, RecordFractionRows(record), launcher),
              std::nullopt);
    const CallLog& log = launcher.log;
    expectRun(log, {"Cells(11,2)=Design temperature : ",
                    "Cells(11,6)=50",
                    "Cells(11,7)=°C - Celsius",
                    "Cells(12,2)=Design pressure : ",
                    "Cells(12,6)=0.3",
                    "Cells(12,7)=MPa (MN/m2)",
                    "Cells(13,2)=Fractional composition",
                    "Cells(14,3)=Temperature at the atmosphere pressure",
                    "Cells(14,7)=The fraction % in the total mass",
                    "Cells(15,2)=N",
                    "Cells(15,3)=Boiling starting point",
                    "Cells(15,5)=Boiling final point",
                    "Cells(15,7)=of the substance",
                    "Range(C14:F14).BorderAround(1,2,1,1)",
                    "Range(B14:B15).HorizontalAlignment=4",
                    "Range(B14:B15).BorderAround(1,2,1,1)",
                    "Range(C15:D15).BorderAround(1,2,1,1)",
                    "Range(E15:F15).BorderAround(1,2,1,1)",
                    "Range(G14:I15).BorderAround(1,2,1,1)",
                    "Range(B16:B16).BorderAround(1,2,1,1)",
                    "Cells(16,2)=1",
                    "Range(C16:D16).BorderAround(1,2,1,1)",
                    "Cells(16,3)=35",
                    "Range(E16:F16).BorderAround(1,2,1,1)",
                    "Cells(16,5)=100",
                    "Range(G16:I16).BorderAround(1,2,1,1)",
                    "Cells(16,7)=20"});
    EXPECT_TRUE(logged(log, "Cells(20,3)=350"));
    EXPECT_FALSE(logged(log, "Range(B21:B21).BorderAround(1,2,1,1)"));
    expectRun(log, {"Cells(23,2)=Calculation results", "Cells(23,2).Interior.ColorIndex=15"});
    expectRun(log, {"Cells(24,2)=Gas phase", "Cells(24,2).Font.Bold=1", "Cells(24,3).Font.Bold=1",
                    "Cells(25,2)=The share in the total mass, %% : ", "Cells(25,6)=12.5",
                    "Cells(26,2)=Density : "});
    EXPECT_TRUE(logged(log, "Cells(30,2)=Vaporisation enthalpy : "));
    EXPECT_TRUE(logged(log, "Cells(31,6)=0.74"));
    expectRun(log,
              {"Cells(33,2)=Liquid phase", "Cells(33,2).Font.Bold=1", "Cells(33,3).Font.Bold=1"});
    EXPECT_TRUE(logged(log, "Cells(39,2)=Surface tension : "));
    expectRun(log, {"Cells(40,2)=Prandtl number : ", "Cells(40,6)=9.2"});
    // The table's boxes centre their texts, and its headings print on every page.
    expectRun(log,
              {"Range(C14:F14).HorizontalAlignment=7", "Range(C15:D20).HorizontalAlignment=7",
               "Range(E15:F20).HorizontalAlignment=7", "Range(G14:I20).HorizontalAlignment=7"});
    expectRun(log, {"PageSetup.PrintArea=B1:I40", "PageSetup.PrintTitleRows=14:15",
                    "Application.Visible=1", "Application.UserControl=1"});
}

TEST(SpreadsheetExport, ResultsRowFollowsTheFractionRows) {
    for (const int rows : {0, 1, 5, 100}) {
        auto basic = testing::sampleBasicRecord();
        auto additional = testing::sampleAdditionalRecord();
        if (rows > 0) {
            const auto all = testing::hundredFractionRows();
            testing::useRows(basic, {all.begin(), all.begin() + rows});
            testing::useRows(additional, {all.begin(), all.begin() + rows});
        }
        LoggedLauncher basicLauncher;
        LoggedLauncher additionalLauncher;
        exportBasicSpreadsheet(basic, RecordFractionRows(basic), basicLauncher);
        exportAdditionalSpreadsheet(additional, RecordFractionRows(additional), additionalLauncher);
        const int basicRow = rows == 0 ? 13 : 16 + rows;
        const int additionalRow = rows == 0 ? 15 : 18 + rows;
        EXPECT_TRUE(logged(basicLauncher.log,
                           "Cells(" + std::to_string(basicRow) + ",2)=Calculation results"))
            << rows;
        EXPECT_TRUE(logged(basicLauncher.log,
                           "Cells(" + std::to_string(basicRow + 8) + ",2)=Prandtl number : "));
        EXPECT_TRUE(logged(additionalLauncher.log,
                           "Cells(" + std::to_string(additionalRow) + ",2)=Calculation results"))
            << rows;
    }
}

TEST(SpreadsheetExport, UnavailableProgramShowsTheKindsMessage) {
    const auto basic = testing::sampleBasicRecord();
    const auto additional = testing::sampleAdditionalRecord();
    LoggedLauncher launcher(false);
    EXPECT_EQ(exportBasicSpreadsheet(basic, RecordFractionRows(basic), launcher),
              "Cannot create Excel instance.");
    EXPECT_EQ(exportAdditionalSpreadsheet(additional, RecordFractionRows(additional), launcher),
              "Couldn't create Excel instance.");
    EXPECT_EQ(launcher.log, (CallLog{"create", "create"}));
}

TEST(SpreadsheetExport, FailedCallStopsBeforeShowing) {
    const auto record = testing::sampleBasicRecord();
    LoggedLauncher launcher(true, 13);
    EXPECT_EQ(exportBasicSpreadsheet(record, RecordFractionRows(record), launcher),
              "The call was rejected.");
    EXPECT_FALSE(logged(launcher.log, "Application.Visible=1"));
}

} // namespace
} // namespace viskora
