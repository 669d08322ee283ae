#pragma once

#include <string_view>
#include <vector>

namespace viskora {

// Column widths, in characters of the sheet's default font, that give each
// text the room it needs: a text may have one column to itself or spread
// over several (a label running on into the empty cells to its right, a
// heading centred over a box of cells). Narrow spans are served first; a
// span still too narrow then widens all its columns alike.
class ColumnFit {
  public:
    // Columns `first` to `last`, none narrower than `minimumWidth`.
    ColumnFit(int first, int last, double minimumWidth);

    // Columns `first` to `last` together hold `text`; bold type is wider.
    void holds(int first, int last, std::string_view text, bool bold = false);

    // The width of each column, `first` first.
    std::vector<double> widths() const;

  private:
    struct Need {
        int first;
        int last;
        double width;
    };

    int first_;
    int last_;
    double minimumWidth_;
    std::vector<Need> needs_;
};

} // namespace viskora
