#include "forms/spin_arrows.h"

#include "units/number_text.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace viskora {
namespace {

QToolButton* makeArrow(Qt::ArrowType type, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setArrowType(type);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    return button;
}

bool holdsInteger(const QString& text) {
    const QString trimmed = text.trimmed();
    return !trimmed.isEmpty() &&
           std::all_of(trimmed.begin(), trimmed.end(), [](QChar c) { return c.isDigit(); });
}

} // namespace

SpinArrows::SpinArrows(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    QToolButton* up = makeArrow(Qt::UpArrow, this);
    QToolButton* down = makeArrow(Qt::DownArrow, this);
    up->setObjectName(QStringLiteral("up"));
    down->setObjectName(QStringLiteral("down"));
    layout->addWidget(up);
    layout->addWidget(down);
    connect(up, &QToolButton::clicked, this, [this] { stepBy(1); });
    connect(down, &QToolButton::clicked, this, [this] { stepBy(-1); });
}

void SpinArrows::setBuddy(QLineEdit* buddy) {
    if (buddy_ != nullptr) {
        buddy_->removeEventFilter(this);
    }
    buddy_ = buddy;
    if (buddy_ != nullptr) {
        buddy_->installEventFilter(this);
    }
}

void SpinArrows::setRange(int lower, int upper) {
    lower_ = std::min(lower, upper);
    upper_ = std::max(lower, upper);
    position_ = std::clamp(position_, lower_, upper_);
}

void SpinArrows::stepBy(int steps) {
    if (buddy_ == nullptr || !isEnabled()) {
        return;
    }
    const QString text = buddy_->text();
    const int current = holdsInteger(text) ? textToInt(text.toStdString()) : position_;
    // Widened so that a saturated buddy value cannot overflow.
    const long long next =
        std::clamp(static_cast<long long>(current) + steps, static_cast<long long>(lower_),
                   static_cast<long long>(upper_));
    position_ = static_cast<int>(next);
    const QString stepped = QString::number(position_);
    if (stepped != text) {
        buddy_->setText(stepped);
        emit this->stepped();
    }
}

bool SpinArrows::eventFilter(QObject* object, QEvent* event) {
    if (object == buddy_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            stepBy(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(object, event);
}

} // namespace viskora
