#pragma once

#include <string_view>

namespace viskora {

// The fixed head of each HTML report page (windows-1251 bytes, CR LF line
// ends), built into the program from resources/report_basic.html and
// resources/report_additional.html. Each ends inside the open input table.
std::string_view basicHtmlTemplate();
std::string_view additionalHtmlTemplate();

} // namespace viskora
