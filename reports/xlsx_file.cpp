#include "reports/xlsx_file.h"

#include "documents/replacement_file.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <map>
#include <memory>
#include <unistd.h>
#include <xlsxwriter.h>

namespace viskora {
namespace {

constexpr std::uint32_t kHyperlinkBlue = 0x0000FF;

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

std::uint8_t borderCode(BorderLine line) {
    switch (line) {
    case BorderLine::None:
        return LXW_BORDER_NONE;
    case BorderLine::Hair:
        return LXW_BORDER_HAIR;
    case BorderLine::Thin:
        return LXW_BORDER_THIN;
    case BorderLine::Medium:
        return LXW_BORDER_MEDIUM;
    case BorderLine::Thick:
        return LXW_BORDER_THICK;
    }
    return LXW_BORDER_NONE;
}

std::uint8_t alignmentCode(CellAlignment alignment) {
    switch (alignment) {
    case CellAlignment::General:
        return LXW_ALIGN_NONE;
    case CellAlignment::Left:
        return LXW_ALIGN_LEFT;
    case CellAlignment::Centre:
        return LXW_ALIGN_CENTER;
    case CellAlignment::Right:
        return LXW_ALIGN_RIGHT;
    case CellAlignment::Fill:
        return LXW_ALIGN_FILL;
    case CellAlignment::Justify:
        return LXW_ALIGN_JUSTIFY;
    case CellAlignment::CentreAcrossSelection:
        return LXW_ALIGN_CENTER_ACROSS;
    }
    return LXW_ALIGN_NONE;
}

// One format per distinct cell style, owned by the workbook.
class FormatCache {
  public:
    explicit FormatCache(lxw_workbook* workbook) : workbook_(workbook) {}

    lxw_format* formatFor(const CellStyle& style) {
        if (style == CellStyle{}) {
            return nullptr;
        }
        auto [entry, added] = formats_.try_emplace(style, nullptr);
        if (added) {
            entry->second = makeFormat(style);
        }
        return entry->second;
    }

  private:
    lxw_format* makeFormat(const CellStyle& style) {
        lxw_format* format = workbook_add_format(workbook_);
        if (style.bold) {
            format_set_bold(format);
        }
        format_set_font_size(format, style.fontSize);
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
            setLine(format, borderCode(edge.line));
            setColour(format, colourValue(edge.colour));
        }
    }

    lxw_workbook* workbook_;
    std::map<CellStyle, lxw_format*> formats_;
};

lxw_error writeCell(lxw_worksheet* sheet, int row, int column, const SheetCell& cell,
                    lxw_format* format, const std::string* link) {
    const auto r = static_cast<lxw_row_t>(row - 1);
    const auto c = static_cast<lxw_col_t>(column - 1);
    if (link != nullptr) {
        return worksheet_write_url_opt(sheet, r, c, link->c_str(), format,
                                       cell.value.empty() ? nullptr : cell.value.c_str(), nullptr);
    }
    if (!cell.value.empty()) {
        return worksheet_write_string(sheet, r, c, cell.value.c_str(), format);
    }
    return format == nullptr ? LXW_NO_ERROR : worksheet_write_blank(sheet, r, c, format);
}

} // namespace

std::string writeXlsxFile(const SheetModel& model, const std::filesystem::path& file) {
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
    lxw_error first = LXW_NO_ERROR;
    for (const auto& [position, cell] : model.cells) {
        const auto link = model.hyperlinks.find(position);
        const lxw_error error =
            writeCell(sheet, position.first, position.second, cell, formats.formatFor(cell.style),
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
