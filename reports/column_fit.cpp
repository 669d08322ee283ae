#include "reports/column_fit.h"

#include <algorithm>
#include <numeric>

namespace viskora {
namespace {

// Room for the cell's own margins and a little air beside a border.
constexpr double kPadding = 2.0;
// Bold type of the default font runs about a tenth wider.
constexpr double kBoldWidening = 1.1;

// Characters of a UTF-8 text (every one counted as the width of a digit).
std::size_t characterCount(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

} // namespace

ColumnFit::ColumnFit(int first, int last, double minimumWidth)
    : first_(first), last_(last), minimumWidth_(minimumWidth) {}

void ColumnFit::holds(int first, int last, std::string_view text, bool bold) {
    const double characters = static_cast<double>(characterCount(text));
    needs_.push_back({std::max(first, first_), std::min(last, last_),
                      characters * (bold ? kBoldWidening : 1.0) + kPadding});
}

std::vector<double> ColumnFit::widths() const {
    std::vector<double> widths(static_cast<std::size_t>(last_ - first_ + 1), minimumWidth_);
    std::vector<Need> needs = needs_;
    std::stable_sort(needs.begin(), needs.end(), [](const Need& a, const Need& b) {
        return a.last - a.first < b.last - b.first;
    });
    for (const Need& need : needs) {
        if (need.first > need.last) {
            continue;
        }
        const auto begin = widths.begin() + (need.first - first_);
        const auto end = widths.begin() + (need.last - first_ + 1);
        const double missing = need.width - std::accumulate(begin, end, 0.0);
        if (missing > 0) {
            const double share = missing / static_cast<double>(end - begin);
            std::for_each(begin, end, [&](double& width) { width += share; });
        }
    }
    return widths;
}

} // namespace viskora
