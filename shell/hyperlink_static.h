#pragma once

#include <QCursor>
#include <QFont>
#include <QLabel>
#include <QSize>
#include <QString>

#include <optional>

namespace viskora {

class ShellOpener;

// A static text drawn as a link: underlined in the parent's font, blue, at
// the control's top-left corner. A left click on the drawn text (not on the
// empty rest of the control) hands the target to the desktop. The hand
// cursor appears from the second mouse move over the control on, once the
// control knows the mouse is over it, and goes when the mouse leaves.
class CHyperlinkStatic : public QLabel {
    Q_OBJECT

  public:
    CHyperlinkStatic(ShellOpener& opener, QWidget* parent = nullptr);

    const QString& linkText() const { return linkText_; }
    void setLinkText(const QString& text);
    const QString& target() const { return target_; }
    void setTarget(const QString& target) { target_ = target; }

    // Size of the drawn text; nothing before the control was first painted.
    std::optional<QSize> textExtent();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    ShellOpener& opener_;
    QString linkText_;
    QString target_;
    std::optional<QFont> linkFont_;
    bool tracking_ = false;
    std::optional<QSize> extent_;
    QCursor handCursor_{Qt::PointingHandCursor};
    std::optional<QCursor> previousCursor_;
};

} // namespace viskora
