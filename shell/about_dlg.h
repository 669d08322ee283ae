#pragma once

#include <QDialog>

namespace viskora {

class CHyperlinkStatic;
class ShellOpener;

// The maker's addresses, shown in the About box and opened from it.
inline constexpr const char* kSupportMailAddress = "support@viskora.example";

// "About Viskora": the program's name, version and maker, with the home
// page and the support mail address as links.
class CAboutDlg : public QDialog {
    Q_OBJECT

  public:
    explicit CAboutDlg(ShellOpener& opener, QWidget* parent = nullptr);

    CHyperlinkStatic& homePageLink() const { return *homePage_; }
    CHyperlinkStatic& supportLink() const { return *support_; }

  private:
    CHyperlinkStatic* homePage_;
    CHyperlinkStatic* support_;
};

} // namespace viskora
