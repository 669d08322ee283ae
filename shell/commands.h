#pragma once

#include <QKeySequence>
#include <QString>

#include <span>

namespace viskora {

// Command identifiers, shared by the menus, the toolbar and the shortcut
// keys. Documents and tests reach every action by its identifier.
namespace command {
inline constexpr int NewBasic = 132;
inline constexpr int NewAdditional = 133;
inline constexpr int HelpContents = 134;
inline constexpr int CloseAll = 136;
inline constexpr int TextReport = 137;
inline constexpr int HtmlReport = 138;
inline constexpr int ExcelExport = 139;
inline constexpr int PdfReport = 140;
inline constexpr int HomePage = 141;
inline constexpr int SaveReportAs = 142;
inline constexpr int NewCurves = 143;
inline constexpr int Settings = 144;
inline constexpr int NewAssay = 145;
inline constexpr int NewBlend = 146;
inline constexpr int CalculateBasic = 147;
inline constexpr int CalculateAdditional = 148;
inline constexpr int CalculateCurves = 149;
inline constexpr int New = 57600;
inline constexpr int Open = 57601;
inline constexpr int Close = 57602;
inline constexpr int Save = 57603;
inline constexpr int SaveAs = 57604;
inline constexpr int RecentFile1 = 57616;
inline constexpr int Cascade = 57650;
inline constexpr int Tile = 57651;
inline constexpr int About = 57664;
inline constexpr int Exit = 57665;
inline constexpr int ViewToolbar = 59392;
inline constexpr int ViewStatusBar = 59393;
} // namespace command

// How a command presents itself: its menu text, the prompt shown in the
// status bar while it is highlighted, the tooltip of its toolbar button
// (empty: the menu text) and its shortcut key.
struct CommandInfo {
    int id;
    const char* text;
    const char* prompt;
    const char* tooltip;
    QKeyCombination shortcut;
};

// Every command of the main window; the recent-file entries share one
// prompt and are numbered from command::RecentFile1.
std::span<const CommandInfo> commandTable();

// The prompt of the recent-file entries.
inline constexpr const char* kRecentFilePrompt = "Open this document";

} // namespace viskora
