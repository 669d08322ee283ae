#include "forms/enter_escape_filter.h"

#include <QKeyEvent>

namespace viskora {

bool EnterEscapeFilter::eventFilter(QObject* object, QEvent* event) {
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
            // The form's own controls have seen the key already; it stops here.
            event->accept();
            return true;
        }
    }
    return QObject::eventFilter(object, event);
}

} // namespace viskora
