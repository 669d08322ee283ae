#pragma once

#include <fstream>
#include <iterator>
#include <string>

namespace viskora::testing {

// A checked-in expected report, byte for byte: the text reports are UTF-8,
// the HTML pages windows-1251.
inline std::string goldenFile(const std::string& name) {
    std::ifstream in(std::string(VISKORA_REPORTS_GOLDEN_DIR) + "/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace viskora::testing
