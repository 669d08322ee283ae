#include "shell/help_window.h"

#include "shell/desktop_opener.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QTextBrowser>
#include <QToolBar>
#include <QVBoxLayout>

namespace viskora {

QString locateHelpContents(const QString& executableFolder) {
    const QDir folder(executableFolder);
    for (const QString& relative :
         {QStringLiteral("help/index.html"), QStringLiteral("../share/viskora/help/index.html")}) {
        const QFileInfo page(folder.filePath(relative));
        if (page.isFile()) {
            return page.canonicalFilePath();
        }
    }
    return {};
}

HelpWindow::HelpWindow(ShellOpener& opener, QWidget* parent)
    : QWidget(parent, Qt::Window), browser_(new QTextBrowser(this)) {
    setWindowTitle(QStringLiteral("Viskora Help"));
    resize(720, 640);

    // Pages of the guide open here; web and mail addresses on the desktop.
    browser_->setOpenLinks(false);
    connect(browser_, &QTextBrowser::anchorClicked, this, [this, &opener](const QUrl& url) {
        if (url.isRelative() || url.isLocalFile()) {
            browser_->setSource(url);
        } else {
            opener.openUrl(url);
        }
    });

    auto* bar = new QToolBar(this);
    QAction* contents = bar->addAction(QStringLiteral("Contents"));
    QAction* back = bar->addAction(QStringLiteral("Back"));
    QAction* forward = bar->addAction(QStringLiteral("Forward"));
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(contents, &QAction::triggered, browser_, &QTextBrowser::home);
    connect(back, &QAction::triggered, browser_, &QTextBrowser::backward);
    connect(forward, &QAction::triggered, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(browser_);
}

void HelpWindow::showPage(const QString& path) {
    browser_->setSource(QUrl::fromLocalFile(path));
    show();
    raise();
    activateWindow();
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
    // Escape closes the guide as it closes a dialog; the page passes it on.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

QString HelpWindow::currentPage() const {
    return browser_->source().toLocalFile();
}

} // namespace viskora
