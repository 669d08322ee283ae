#pragma once

#include "property_curves/property_curves_document.h"

#include <QMdiSubWindow>
#include <QString>

namespace viskora {

class CurvesWindow;
class DocumentHost;

// The child window of a property curves document (.vkc): it holds the
// curves window and what every document holds (title, file path, modified
// flag), saves the document atomically, and asks whether to save a
// modified one before it closes.
class CurvesFrame : public QMdiSubWindow {
    Q_OBJECT

  public:
    CurvesFrame(DocumentHost& host, const CurveDocument& document);

    CurvesWindow& window() const { return *window_; }

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
    CurvesWindow* window_;
    QString title_;
    QString pathName_;
    bool prompted_ = false;
};

} // namespace viskora
