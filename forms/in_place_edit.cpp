#include "forms/in_place_edit.h"

namespace viskora {

CInPlaceEdit::CInPlaceEdit(QWidget* parent) : CNumEdit(parent) {
    setFrame(false);
}

} // namespace viskora
