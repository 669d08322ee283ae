#pragma once

#include "documents/document_file.h"

#include <QMdiSubWindow>
#include <QString>

#include <filesystem>

namespace viskora {

class DocumentHost;

// The child window of a document kept in a file of its own kind (property
// curves, assays): it holds the document's window and what every such
// document holds (title, file path, modified flag), saves the document
// atomically, and asks whether to save a modified one before it closes.
// A kind of document gives its window, its extension and its writer.
class FileDocumentFrame : public QMdiSubWindow {
    Q_OBJECT

  public:
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
    // `extension` (".vkc") names a new document's file in Save As.
    FileDocumentFrame(DocumentHost& host, QString extension);

    // The path an export of the window goes to, asked in the export dialog
    // in the folder last exported to; empty when the user cancels.
    QString askExportPath(const QString& suggested, const QString& filter);

    // Writes the document to `path` (through the replacement writer).
    virtual SaveResult writeDocument(const std::filesystem::path& path) const = 0;
    // The frame is closing for good: the document stops what it has running.
    virtual void aboutToClose() {}

    void closeEvent(QCloseEvent* event) override;

  private:
    bool doSave(const QString& path);

    DocumentHost& host_;
    QString extension_;
    QString title_;
    QString pathName_;
    bool prompted_ = false;
};

} // namespace viskora
