#pragma once

#include <QString>

#include <filesystem>

class QWidget;

namespace viskora {

class FileDialogs;
class OilDocument;
class ShellOpener;

// What a document needs from the program around it: the file dialogs, a
// parent for its message boxes, where new files are first proposed, the
// report folder, the desktop's opener, and word of a completed save (for
// the recent files).
class DocumentHost {
  public:
    virtual ~DocumentHost() = default;

    virtual FileDialogs& fileDialogs() = 0;
    virtual QWidget* dialogParent() = 0;
    // The folder Save As proposes for a document that has no file yet.
    virtual QString newFileFolder() const = 0;
    virtual std::filesystem::path outputFolder() const = 0;
    // The folder Save Report As proposes: the one last saved into.
    virtual QString reportFolder() const = 0;
    virtual void setReportFolder(const QString& folder) = 0;
    virtual ShellOpener& shellOpener() = 0;
    virtual void documentSaved(const OilDocument& document) = 0;
    // A file of another kind of document (property curves) has been saved.
    virtual void fileSaved(const QString& path) = 0;
};

} // namespace viskora
