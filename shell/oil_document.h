#pragma once

#include "documents/document_file.h"
#include "documents/document_format.h"
#include "reports/report_commands.h"

#include <QObject>
#include <QString>

#include <optional>
#include <string>
#include <type_traits>

namespace viskora {

class DocumentHost;
class OilFormView;

// The reports a document writes: the text and HTML files, the workbook and
// the HTML report as a PDF.
enum class ReportKind { Text, Html, Workbook, Pdf };

// One open calculation. The document holds what every document holds (the
// title, the file's path, the modified flag); every value of the
// calculation lives in its one form, which the document reaches whenever it
// saves, loads or writes a report. The child window owns both.
class OilDocument : public QObject {
    Q_OBJECT

  public:
    DocumentKind kind() const { return kind_; }
    virtual OilFormView& view() const = 0;

    const QString& title() const { return title_; }
    void setTitle(const QString& title);
    // The file's absolute path; empty until the document is saved or when
    // it was created new. Setting it titles the document by the file name.
    const QString& pathName() const { return pathName_; }
    void setPathName(const QString& path);

    bool isModified() const { return modified_; }
    void setModified(bool modified);

    // A record read from a file, taken into the form before it is first
    // shown.
    virtual void adoptRecord(DocumentRecord&& record) = 0;

    // The file's bytes for the form's current contents; nothing when the
    // form's controls cannot be copied into the record (the form has told
    // the user why).
    std::optional<std::string> fileBytes();

    // Save: to the document's file, or through Save As when it has none.
    bool save();
    // Save As: asks for a path and saves there. False when cancelled or
    // failed; the document keeps its title, path and flag then.
    bool saveAs();
    // Before the document closes: when it is modified, asks whether to save
    // it. False when it must stay open (Cancel, or a save that failed).
    bool saveModified();

    // The Text, HTML, MS Excel and PDF commands: copy the form into the
    // record, write the report into the output folder and open it.
    void exportReport(ReportKind report);
    // Save Report As: the report of the kind the chosen file's extension
    // names, written as that file and not opened. False when cancelled or
    // failed (the user has been told why).
    bool saveReportAs();

  signals:
    void titleChanged(const QString& title);
    void modifiedChanged(bool modified);

  protected:
    OilDocument(DocumentKind kind, DocumentHost& host);

    // The record and the form's grid in the file format.
    virtual std::string recordBytes() const = 0;
    virtual ReportOutcome writeReport(ReportFormat format, const std::filesystem::path& folder,
                                      std::string_view title, DocumentOpener& opener) const = 0;
    virtual std::optional<std::string> writeWorkbook(const std::filesystem::path& folder,
                                                     std::string_view title,
                                                     DocumentOpener& opener) const = 0;
    // The text or HTML report's bytes (windows-1251).
    virtual std::string reportText(ReportFormat format) const = 0;
    // The workbook as `file`, or the message on failure.
    virtual std::optional<std::string> writeWorkbookAs(const std::filesystem::path& file) const = 0;

  private:
    // The PDF file's bytes of the HTML report.
    std::string pdfBytes() const;
    // A report of `kind` as `file`, opened by nothing; the message on failure.
    std::optional<std::string> writeReportAs(ReportKind kind, const std::filesystem::path& file);

    bool doSave(const QString& path);
    void showMessage(const QString& text) const;

    DocumentKind kind_;
    DocumentHost& host_;
    QString title_;
    QString pathName_;
    bool modified_ = false;
};

// A document's form as the form type of its kind.
template <typename View, typename Record> class OilDocumentOf : public OilDocument {
  public:
    View& view() const override { return *view_; }

    void adoptRecord(DocumentRecord&& record) override {
        view_->record() = std::get<Record>(std::move(record));
    }

  protected:
    static constexpr DocumentKind kKind = std::is_same_v<Record, BasicDocumentRecord>
                                              ? DocumentKind::Basic
                                              : DocumentKind::Additional;

    explicit OilDocumentOf(DocumentHost& host) : OilDocument(kKind, host), view_(new View) {}

    std::string recordBytes() const override {
        if constexpr (kKind == DocumentKind::Basic) {
            return basicDocumentText(view_->record(), view_->fractionRows());
        } else {
            return additionalDocumentText(view_->record(), view_->fractionRows());
        }
    }

    ReportOutcome writeReport(ReportFormat format, const std::filesystem::path& folder,
                              std::string_view title, DocumentOpener& opener) const override {
        return viskora::exportReport(format, view_->record(), view_->fractionRows(), folder, title,
                                     opener);
    }
    std::optional<std::string> writeWorkbook(const std::filesystem::path& folder,
                                             std::string_view title,
                                             DocumentOpener& opener) const override {
        return viskora::exportWorkbook(view_->record(), view_->fractionRows(), folder, title,
                                       opener);
    }
    std::string reportText(ReportFormat format) const override {
        return viskora::reportBytes(format, view_->record(), view_->fractionRows());
    }
    std::optional<std::string> writeWorkbookAs(const std::filesystem::path& file) const override {
        return viskora::writeWorkbookFile(view_->record(), view_->fractionRows(), file);
    }

  private:
    // Created unparented; the child window takes it over.
    View* view_;
};

} // namespace viskora
