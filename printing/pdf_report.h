#pragma once

#include <string>
#include <string_view>

namespace viskora {

// The bytes of a PDF file of an HTML report (UTF-8 text): the page laid out
// on A4 paper by Qt's text document, its fonts embedded. A program without a
// Qt GUI application of its own (the calculator) gets an offscreen one for
// the layout, and its C locale back afterwards.
std::string pdfFromHtml(std::string_view htmlUtf8, std::string_view title);

} // namespace viskora
