#include "shell/commands.h"

#include <array>

namespace viskora {
namespace {

constexpr QKeyCombination kNoKey{};

constexpr std::array kCommands{
    CommandInfo{command::NewBasic, "Basic Calculation", "Open SimpleOil document", "", kNoKey},
    CommandInfo{command::NewAdditional, "Additional Calculation", "Open ComplexOil document", "",
                kNoKey},
    CommandInfo{command::NewCurves, "Property Curves",
                "Tabulate and plot the oil's properties over a range of temperatures or pressures",
                "New property curves", kNoKey},
    CommandInfo{command::NewAssay, "Assay",
                "Type or paste a crude oil's assay and characterise its cuts", "", kNoKey},
    CommandInfo{command::NewBlend, "Blend", "Blend oils by their shares", "", kNoKey},
    CommandInfo{command::CalculateBasic, "&Basic Calculation",
                "Open a basic calculation of the assay's oil", "", kNoKey},
    CommandInfo{command::CalculateAdditional, "&Additional Calculation",
                "Open an additional calculation of the assay's oil", "", kNoKey},
    CommandInfo{command::CalculateCurves, "&Property Curves",
                "Open property curves of the assay's oil", "", kNoKey},
    CommandInfo{command::New, "&New", "Create a new calculation", "New",
                QKeyCombination(Qt::CTRL, Qt::Key_N)},
    CommandInfo{command::Open, "&Open...", "Open an existing calculation", "Open",
                QKeyCombination(Qt::CTRL, Qt::Key_O)},
    CommandInfo{command::Close, "&Close", "Close the active calculation", "Close", kNoKey},
    CommandInfo{command::Save, "&Save", "Save the active calculation", "Save",
                QKeyCombination(Qt::CTRL, Qt::Key_S)},
    CommandInfo{command::SaveAs, "Save &As...", "Save the active calculation with a new name",
                "Save As", kNoKey},
    CommandInfo{command::TextReport, "Text", "Export data to text format",
                "Export data to text format", kNoKey},
    CommandInfo{command::HtmlReport, "HTML", "Export data to HTML format",
                "Export data to HTML format", kNoKey},
    CommandInfo{command::ExcelExport, "MS Excel", "Export data to MS EXCEL format",
                "Export data to MS Excel format", kNoKey},
    CommandInfo{command::PdfReport, "PDF Report", "Export data to PDF format",
                "Export data to PDF format", kNoKey},
    CommandInfo{command::SaveReportAs, "Save Report As...",
                "Save a report of the active calculation as a file of your choice",
                "Save Report As", kNoKey},
    CommandInfo{command::Settings, "Settings...", "Change the defaults of new calculations",
                "Settings", kNoKey},
    CommandInfo{command::ViewToolbar, "&Toolbar", "Show or hide the toolbar", "Toggle ToolBar",
                kNoKey},
    CommandInfo{command::ViewStatusBar, "&Status Bar", "Show or hide the status bar",
                "Toggle StatusBar", kNoKey},
    CommandInfo{command::Cascade, "&Cascade", "Arrange windows so they overlap", "Cascade Windows",
                kNoKey},
    CommandInfo{command::Tile, "&Tile", "Arrange windows as non-overlapping tiles", "Tile Windows",
                kNoKey},
    CommandInfo{command::CloseAll, "Close All", "Close all windows", "", kNoKey},
    CommandInfo{command::HelpContents, "Contents", "Display Help topic", "Help",
                QKeyCombination(Qt::Key_F1)},
    CommandInfo{command::HomePage, "Qavel Engineering Homepage",
                "Visit Qavel Engineering Internet Homepage", "Homepage", kNoKey},
    CommandInfo{command::About, "&About Viskora...",
                "Display program information, version number and copyright", "About", kNoKey},
    CommandInfo{command::Exit, "E&xit", "Quit the application; prompts to save calculation", "Exit",
                kNoKey},
};

} // namespace

std::span<const CommandInfo> commandTable() {
    return kCommands;
}

} // namespace viskora
