#include "shell/main_frame.h"

#include "shell/keyboard_locks.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>

namespace viskora {
namespace {

const QString kReady = QStringLiteral("Ready");

} // namespace

void CMainFrame::createStatusBar() {
    QStatusBar* bar = statusBar();
    // "Ready" whenever no prompt applies.
    connect(bar, &QStatusBar::messageChanged, bar, [bar](const QString& message) {
        if (message.isEmpty()) {
            bar->showMessage(kReady);
        }
    });
    bar->showMessage(kReady);
    clearPromptOnLeavingItsItem();

    const char* names[] = {"CAP", "NUM", "SCRL"};
    for (int index = 0; index < 3; ++index) {
        auto* label = new QLabel(bar);
        label->setObjectName(QString::fromLatin1(names[index]));
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setAlignment(Qt::AlignCenter);
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("SCRL")) + 12);
        bar->addPermanentWidget(label);
        indicators_[index] = label;
    }
    updateIndicators();

    connect(action("actionViewStatusBar"), &QAction::toggled, bar, &QWidget::setVisible);
}

void CMainFrame::clearPromptOnLeavingItsItem() {
    // Qt clears a prompt when the mouse leaves its item, but not when the
    // item's menu closes or its command opens a dialog: the prompt would stay
    // until the mouse next passes over an item. The window's activation, as
    // a dialog closes, clears it too (eventFilter).
    QStatusBar* bar = statusBar();
    for (QMenu* menu : findChildren<QMenu*>()) {
        connect(menu, &QMenu::aboutToHide, bar, &QStatusBar::clearMessage);
    }
    for (QAction* command : findChildren<QAction*>(Qt::FindDirectChildrenOnly)) {
        connect(command, &QAction::triggered, bar, &QStatusBar::clearMessage);
    }
}

void CMainFrame::updateIndicators() {
    const KeyboardLocks locks = readKeyboardLocks().value_or(KeyboardLocks{});
    const bool on[] = {locks.capsLock, locks.numLock, locks.scrollLock};
    for (int index = 0; index < 3; ++index) {
        // The pane keeps its place; its name shows while the lock is on.
        indicators_[index]->setText(on[index] ? indicators_[index]->objectName() : QString());
    }
}

} // namespace viskora
