#pragma once

#include "reports/document_opener.h"

#include <QUrl>

namespace viskora {

// Hands a file or a web or mail address to the desktop, which opens it with
// the program associated with it. Tests record what would be opened.
class ShellOpener {
  public:
    virtual ~ShellOpener() = default;
    // False when no program could be started for it.
    virtual bool openUrl(const QUrl& url) = 0;
};

// The desktop's default-application mechanism (xdg-open on Linux).
class DesktopShellOpener : public ShellOpener {
  public:
    bool openUrl(const QUrl& url) override;
};

// The reports' opener over a ShellOpener: a written report file is opened as
// a local file URL. Remembers whether the file could be opened.
class ReportFileOpener : public DocumentOpener {
  public:
    explicit ReportFileOpener(ShellOpener& shell) : shell_(shell) {}

    void open(const std::filesystem::path& file) override;
    bool lastOpened() const { return lastOpened_; }

  private:
    ShellOpener& shell_;
    bool lastOpened_ = true;
};

} // namespace viskora
