#pragma once

#include <QDialog>

class QLabel;

namespace viskora {

class ShellOpener;

// The maker's addresses, shown in the About box and opened from it.
inline constexpr const char* kSupportMailAddress = "support@viskora.example";

// "About Viskora": the program's name, version and maker, with the home
// page and the support mail address as links that a click on their text
// hands to the desktop.
class CAboutDlg : public QDialog {
    Q_OBJECT

  public:
    explicit CAboutDlg(ShellOpener& opener, QWidget* parent = nullptr);

    QLabel& homePageLink() const { return *homePage_; }
    QLabel& supportLink() const { return *support_; }

  private:
    QLabel* homePage_;
    QLabel* support_;
};

} // namespace viskora
