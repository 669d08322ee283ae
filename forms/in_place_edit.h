#pragma once

#include "forms/num_edit.h"

namespace viskora {

// The in-place editor of a fraction-table cell: a numeric box without a
// frame, so that a cell being edited follows the rules of every value box.
class CInPlaceEdit : public CNumEdit {
    Q_OBJECT

  public:
    explicit CInPlaceEdit(QWidget* parent = nullptr);
};

} // namespace viskora
