#include "shell/main_frame.h"

#include "forms/complex_oil_view.h"
#include "forms/simple_oil_view.h"
#include "shell/app_settings.h"
#include "shell/window_placement.h"

#include <QAction>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

namespace viskora {
namespace {

// The size of a form as a new calculation shows it: its controls take the
// size of what they hold.
template <typename View> QSize newFormSize() {
    View view;
    view.initialUpdate();
    return view.sizeHint();
}

} // namespace

QPoint CMainFrame::cascadePosition(const QMdiSubWindow& child) const {
    const QMdiSubWindow* previous = nullptr;
    for (QMdiSubWindow* frame : mdiArea_->subWindowList(QMdiArea::CreationOrder)) {
        if (frame != &child && !frame->isMinimized() && !frame->isMaximized()) {
            previous = frame;
        }
    }
    if (previous == nullptr) {
        return {0, 0};
    }
    const int step = child.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &child);
    const QPoint next = previous->pos() + QPoint(step, step);
    const bool fits = mdiArea_->viewport()->rect().contains(QRect(next, child.size()));
    return fits ? next : QPoint(0, 0);
}

QSize CMainFrame::sizeShowingWholeForm() const {
    // Either form (the additional one is the wider, the basic one the
    // taller) in a child window: the window's frame and title bar around it.
    const QSize forms = newFormSize<CSimpleOilView>().expandedTo(newFormSize<CComplexOilView>());
    const int border = style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, this);
    const int title = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
    const QSize child = forms + QSize(2 * border, title + border);
    const int areaFrame = 2 * mdiArea_->frameWidth();
    int bars = menuBar()->sizeHint().height() + statusBar()->sizeHint().height();
    if (toolBar_ != nullptr) {
        bars += toolBar_->sizeHint().height();
    }
    return child + QSize(areaFrame, areaFrame + bars);
}

void CMainFrame::restorePlacement(const AppSettings& settings) {
    restoreState(settings.mainWindowState());
    // The toolbar may have been kept hidden; the window is not shown yet, so
    // the toolbar has not said so itself.
    action("actionViewToolbar")->setChecked(!toolBar_->isHidden());
    if (restoreGeometry(settings.mainWindowGeometry())) {
        // At the rectangle it had before it was maximised, and not maximised.
        setWindowState(windowState() & ~(Qt::WindowMaximized | Qt::WindowFullScreen));
        return;
    }
    // The frame the window manager will draw is not known before the window
    // is shown; the style's own window frame stands in for it.
    const int border = style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, this);
    const int title = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
    const QMargins frame(border, title + border, border, border);
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect available = screen != nullptr ? screen->availableGeometry() : QRect();
    setGeometry(available.isEmpty() ? QRect(QPoint(0, 0), sizeShowingWholeForm())
                                    : firstStartRect(sizeShowingWholeForm(), available, frame));
}

void CMainFrame::savePlacement(AppSettings& settings) const {
    settings.setMainWindowGeometry(saveGeometry());
    settings.setMainWindowState(saveState());
}

} // namespace viskora
