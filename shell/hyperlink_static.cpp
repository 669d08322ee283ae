#include "shell/hyperlink_static.h"

#include "shell/desktop_opener.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QUrl>

namespace viskora {

CHyperlinkStatic::CHyperlinkStatic(ShellOpener& opener, QWidget* parent)
    : QLabel(parent), opener_(opener) {
    setMouseTracking(true);
}

void CHyperlinkStatic::setLinkText(const QString& text) {
    linkText_ = text;
    setText(text);
    extent_.reset();
    update();
}

std::optional<QSize> CHyperlinkStatic::textExtent() {
    if (!extent_ && linkFont_) {
        const QFontMetrics metrics(*linkFont_);
        extent_ = QSize(metrics.horizontalAdvance(linkText_), metrics.height());
    }
    return extent_;
}

void CHyperlinkStatic::paintEvent(QPaintEvent*) {
    if (!linkFont_) {
        QFont font = parentWidget() != nullptr ? parentWidget()->font() : this->font();
        font.setUnderline(true);
        linkFont_ = font;
    }
    QPainter painter(this);
    painter.setFont(*linkFont_);
    painter.setPen(QColor(0, 0, 255));
    painter.drawText(rect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, linkText_);
}

void CHyperlinkStatic::mouseMoveEvent(QMouseEvent* event) {
    if (!tracking_) {
        // The widget is told when the mouse leaves; this move only notes
        // that the mouse is over the control.
        tracking_ = true;
    } else {
        textExtent();
        if (!previousCursor_) {
            previousCursor_ = cursor();
        }
        setCursor(handCursor_);
    }
    QLabel::mouseMoveEvent(event);
}

void CHyperlinkStatic::leaveEvent(QEvent* event) {
    tracking_ = false;
    if (previousCursor_) {
        setCursor(*previousCursor_);
        previousCursor_.reset();
    }
    QLabel::leaveEvent(event);
}

void CHyperlinkStatic::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const std::optional<QSize> extent = textExtent();
        const QPoint point = event->position().toPoint();
        if (extent && point.x() >= 0 && point.x() < extent->width() && point.y() >= 0 &&
            point.y() < extent->height()) {
            opener_.openUrl(QUrl(target_));
        }
    }
    QLabel::mousePressEvent(event);
}

} // namespace viskora
