#pragma once

#include "reports/document_opener.h"

#include <QObject>
#include <QString>
#include <QUrl>

#include <functional>
#include <utility>

namespace viskora {

// Hands a file or a web or mail address to the desktop, which opens it with
// the program associated with it. Tests record what would be opened.
class ShellOpener {
  public:
    // Called from the event loop when the desktop's opener, once started,
    // ends in failure (no program for the type, a file it cannot open).
    using FailureHandler = std::function<void()>;

    virtual ~ShellOpener() = default;
    // False when no program could be started for it.
    virtual bool openUrl(const QUrl& url, FailureHandler failed = {}) = 0;
};

// The desktop's default-application mechanism: xdg-open, whose exit status
// is watched without waiting for it.
class DesktopShellOpener : public QObject, public ShellOpener {
    Q_OBJECT

  public:
    explicit DesktopShellOpener(QString opener = QStringLiteral("xdg-open"));

    bool openUrl(const QUrl& url, FailureHandler failed = {}) override;

  private:
    QString opener_;
};

// The reports' opener over a ShellOpener: a written report file is opened as
// a local file URL. Remembers whether an opener could be started; when one
// started but failed later, `openFailed` gets the report's path.
class ReportFileOpener : public DocumentOpener {
  public:
    using OpenFailed = std::function<void(const std::filesystem::path& file)>;

    ReportFileOpener(ShellOpener& shell, OpenFailed openFailed)
        : shell_(shell), openFailed_(std::move(openFailed)) {}

    void open(const std::filesystem::path& file) override;
    bool lastOpened() const { return lastOpened_; }

  private:
    ShellOpener& shell_;
    OpenFailed openFailed_;
    bool lastOpened_ = true;
};

} // namespace viskora
