#include "reports/xlsx_file.h"

#include "documents/replacement_file.h"
#include "reports/typed_entry.h"

#include <cerrno>
#include <clocale>
#include <cstdio>
#include <fcntl.h>
#include <locale.h>
#include <map>
#include <memory>
#include <unistd.h>
#include <utility>
#include <xlsxwriter.h>

namespace viskora {
namespace {

constexpr std::uint32_t kHyperlinkBlue = 0x0000FF;
constexpr const char* kExponentFormat = "0.00E+00";

// The library writes numbers (cell values, column widths, margins) with the C
// library's printf, which follows the numeric locale: under a desktop locale
// with a decimal comma the file would hold "0,7" where a reader expects
// "0.7". The workbook is written under the "C" locale of this thread alone,
// so nothing else sees the change.
class ClassicNumbersOnThisThread {
  public:
    ClassicNumbersOnThisThread()
        : classic_(newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr))),
          previous_(classic_ != nullptr ? uselocale(classic_) : nullptr) {}
    ~ClassicNumbersOnThisThread() {
        if (classic_ != nullptr) {
            uselocale(previous_);
            freelocale(classic_);
        }
    }
    ClassicNumbersOnThisThread(const ClassicNumbersOnThisThread&) = delete;
    ClassicNumbersOnThisThread& operator=(const ClassicNumbersOnThisThread&) = delete;

  private:
    locale_t classic_;
    locale_t previous_;
};

// The library reads colour 0 as "no colour"; black has a value of its own.
lxw_color_t colourValue(std::uint32_t rgb) {
    return rgb == 0 ? static_cast<lxw_color_t>(LXW_COLOR_BLACK) : rgb;
}

// The library prints its diagnostics to the standard error stream; while one
// of these lives, that stream goes nowhere.
class QuietStandardError {
  public:
    QuietStandardError() {
        std::fflush(stderr);
        saved_ = ::dup(STDERR_FILENO);
        const int nowhere = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (saved_ >= 0 && nowhere >= 0) {
            ::dup2(nowhere, STDERR_FILENO);
        }
        if (nowhere >= 0) {
            ::close(nowhere);
        }
    }
    ~QuietStandardError() {
        std::fflush(stderr);
        if (saved_ >= 0) {
            ::dup2(saved_, STDERR_FILENO);
            ::close(saved_);
        }
    }
    QuietStandardError(const QuietStandardError&) = delete;
    QuietStandardError& operator=(const QuietStandardError&) = delete;

  private:
    int saved_ = -1;
};

std::size_t utf8Characters(std::string_view text) {
    std::size_t characters = 0;
    for (const char c : text) {
        characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    }
    return characters;
}

std::string libraryFailure(lxw_error error) {
    return std::string("Cannot write the workbook: ") + lxw_strerror(error) + ".";
}

struct WorkbookCloser {
    void operator()(lxw_workbook* workbook) const { workbook_close(workbook); }
};

std::uint8_t alignmentCode(CellAlignment alignment) {
    switch (alignment) {
    case CellAlignment::General:
        return LXW_ALIGN_NONE;
    case CellAlignment::Right:
        return LXW_ALIGN_RIGHT;
    case CellAlignment::CentreAcrossSelection:
        return LXW_ALIGN_CENTER_ACROSS;
    }
    return LXW_ALIGN_NONE;
}

// One format per distinct cell style and number look, owned by the workbook.
class FormatCache {
  public:
    explicit FormatCache(lxw_workbook* workbook) : workbook_(workbook) {}

    lxw_format* formatFor(const CellStyle& style, bool exponentForm = false) {
        if (style == CellStyle{} && !exponentForm) {
            return nullptr;
        }
        auto [entry, added] = formats_.try_emplace({style, exponentForm}, nullptr);
        if (added) {
            entry->second = makeFormat(style, exponentForm);
        }
        return entry->second;
    }

  private:
    lxw_format* makeFormat(const CellStyle& style, bool exponentForm) {
        lxw_format* format = workbook_add_format(workbook_);
        if (exponentForm) {
            format_set_num_format(format, kExponentFormat);
        }
        if (style.bold) {
            format_set_bold(format);
        }
        if (style.fill) {
            format_set_pattern(format, LXW_PATTERN_SOLID);
            format_set_bg_color(format, colourValue(*style.fill));
        }
        format_set_align(format, alignmentCode(style.alignment));
        setEdge(format, style.top, format_set_top, format_set_top_color);
        setEdge(format, style.bottom, format_set_bottom, format_set_bottom_color);
        setEdge(format, style.left, format_set_left, format_set_left_color);
        setEdge(format, style.right, format_set_right, format_set_right_color);
        if (style.hyperlink) {
            format_set_underline(format, LXW_UNDERLINE_SINGLE);
            format_set_font_color(format, kHyperlinkBlue);
        }
        return format;
    }

    static void setEdge(lxw_format* format, const CellEdge& edge,
                        void (*setLine)(lxw_format*, std::uint8_t),
                        void (*setColour)(lxw_format*, lxw_color_t)) {
        if (edge.line != BorderLine::None) {
            setLine(format, LXW_BORDER_THIN);
            setColour(format, colourValue(edge.colour));
        }
    }

    lxw_workbook* workbook_;
    std::map<std::pair<CellStyle, bool>, lxw_format*> formats_;
};

// A cell's text goes in as if typed: what reads as a number is stored as
// that number, the rest as text.
lxw_error writeCell(lxw_worksheet* sheet, int row, int column, const SheetCell& cell,
                    FormatCache& formats, const std::string* link) {
    const auto r = static_cast<lxw_row_t>(row - 1);
    const auto c = static_cast<lxw_col_t>(column - 1);
    lxw_format* format = formats.formatFor(cell.style);
    if (link != nullptr) {
        return worksheet_write_url_opt(sheet, r, c, link->c_str(), format,
                                       cell.value.empty() ? nullptr : cell.value.c_str(), nullptr);
    }
    if (const auto number = typedNumber(cell.value)) {
        return worksheet_write_number(sheet, r, c, number->value,
                                      formats.formatFor(cell.style, number->exponentForm));
    }
    if (!cell.value.empty()) {
        return worksheet_write_string(sheet, r, c, cell.value.c_str(), format);
    }
    return format == nullptr ? LXW_NO_ERROR : worksheet_write_blank(sheet, r, c, format);
}

// The column widths and the page setup; the first error, if any.
lxw_error writeLayout(lxw_worksheet* sheet, const SheetModel& model) {
    lxw_error first = LXW_NO_ERROR;
    const auto done = [&](lxw_error error) { first = first == LXW_NO_ERROR ? error : first; };
    for (const auto& [column, width] : model.columnWidths) {
        const auto c = static_cast<lxw_col_t>(column - 1);
        done(worksheet_set_column(sheet, c, c, width, nullptr));
    }
    const PageLayout& page = model.page;
    if (page.paperSize) {
        worksheet_set_paper(sheet, static_cast<std::uint8_t>(*page.paperSize));
    }
    if (page.landscape) {
        worksheet_set_landscape(sheet);
    }
    if (page.fitToPages) {
        worksheet_fit_to_pages(sheet, static_cast<std::uint16_t>(page.fitToPages->first),
                               static_cast<std::uint16_t>(page.fitToPages->second));
    }
    if (const auto& area = page.printArea) {
        done(worksheet_print_area(sheet, static_cast<lxw_row_t>(area->firstRow - 1),
                                  static_cast<lxw_col_t>(area->firstColumn - 1),
                                  static_cast<lxw_row_t>(area->lastRow - 1),
                                  static_cast<lxw_col_t>(area->lastColumn - 1)));
    }
    if (page.titleRows) {
        done(worksheet_repeat_rows(sheet, static_cast<lxw_row_t>(page.titleRows->first - 1),
                                   static_cast<lxw_row_t>(page.titleRows->second - 1)));
    }
    return first;
}

} // namespace

std::string writeXlsxFile(const SheetModel& model, const std::filesystem::path& file) {
    const ClassicNumbersOnThisThread classicNumbers;
    // A text too long for a cell is found before the library is asked, so
    // that the reason is the user's to act on.
    for (const auto& [position, cell] : model.cells) {
        if (utf8Characters(cell.value) > kMaxCellCharacters) {
            return std::string(kCellTextTooLongReason);
        }
    }
    const QuietStandardError quiet;
    errno = 0;
    std::unique_ptr<lxw_workbook, WorkbookCloser> workbook(workbook_new(file.c_str()));
    if (!workbook) {
        return errno != 0 ? systemErrorText(errno) : libraryFailure(LXW_ERROR_MEMORY_MALLOC_FAILED);
    }
    lxw_worksheet* sheet = workbook_add_worksheet(workbook.get(), model.name.c_str());
    if (sheet == nullptr) {
        return libraryFailure(LXW_ERROR_SHEETNAME_LENGTH_EXCEEDED);
    }
    FormatCache formats(workbook.get());
    lxw_error first = writeLayout(sheet, model);
    for (const auto& [position, cell] : model.cells) {
        const auto link = model.hyperlinks.find(position);
        const lxw_error error = writeCell(sheet, position.first, position.second, cell, formats,
                                          link == model.hyperlinks.end() ? nullptr : &link->second);
        first = first == LXW_NO_ERROR ? error : first;
    }
    errno = 0;
    const lxw_error closed = workbook_close(workbook.release());
    if (closed != LXW_NO_ERROR) {
        return errno != 0 ? systemErrorText(errno) : libraryFailure(closed);
    }
    return first == LXW_NO_ERROR ? std::string() : libraryFailure(first);
}

} // namespace viskora
