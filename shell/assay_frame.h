#pragma once

#include "assays/assay.h"

#include <QMdiSubWindow>
#include <QString>

namespace viskora {

class AssayWindow;
class DocumentHost;

// The child window of an assay document (.vka): it holds the assay window
// and what every document holds (title, file path, modified flag), saves
// the document atomically, and asks whether to save a modified one before
// it closes.
class AssayFrame : public QMdiSubWindow {
    Q_OBJECT

  public:
    AssayFrame(DocumentHost& host, const assays::Assay& assay);

    AssayWindow& window() const { return *window_; }

    const QString& title() const { return title_; }
    void setTitle(const QString& title);
    // The file's absolute path; setting it titles the document by its name.
    const QString& pathName() const { return pathName_; }
    void setPathName(const QString& path);
    bool isModified() const { return isWindowModified(); }
    void setModified(bool modified);

    bool save();
    bool saveAs();
    // Before closing: asks whether to save a modified document. False when
    // it must stay open.
    bool saveModified();
    void closeWithoutPrompt();

  signals:
    void modifiedChanged(bool modified);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    bool doSave(const QString& path);

    DocumentHost& host_;
    AssayWindow* window_;
    QString title_;
    QString pathName_;
    bool prompted_ = false;
};

} // namespace viskora
