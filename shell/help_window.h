#pragma once

#include <QString>
#include <QWidget>

class QTextBrowser;

namespace viskora {

class ShellOpener;

// The contents page of the user's guide: "help/index.html" beside the
// executable (a build tree), else in the installed data folder
// "../share/viskora/help" next to the executable's folder. Empty when
// neither exists.
QString locateHelpContents(const QString& executableFolder);

// A window showing the user's guide. Links between its pages are followed
// inside it; web and mail links go to the desktop. Escape closes it.
class HelpWindow : public QWidget {
    Q_OBJECT

  public:
    HelpWindow(ShellOpener& opener, QWidget* parent = nullptr);

    // Shows the page and brings the window forward.
    void showPage(const QString& path);
    QString currentPage() const;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QTextBrowser* browser_;
};

} // namespace viskora
