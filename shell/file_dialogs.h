#pragma once

#include <QString>

class QWidget;

namespace viskora {

// The Open and Save As dialogs. The program uses the desktop's dialogs;
// tests hand in paths of their own.
class FileDialogs {
  public:
    virtual ~FileDialogs() = default;

    // An existing file chosen in `folder`; empty when cancelled.
    virtual QString openFileName(QWidget* parent, const QString& folder) = 0;
    // The path to save to, `suggested` being the proposed path; empty when
    // cancelled.
    virtual QString saveFileName(QWidget* parent, const QString& suggested) = 0;
    // The path of a report to save, its extension naming the kind (.txt,
    // .html, .xlsx or .pdf); empty when cancelled.
    virtual QString saveReportFileName(QWidget* parent, const QString& suggested) = 0;
    // The path of an export of the property curves window, offered with
    // `filter` (a file dialog's filter text); empty when cancelled. Unless
    // overridden, asked as a report's path is.
    virtual QString saveExportFileName(QWidget* parent, const QString& suggested,
                                       const QString& filter) {
        (void)filter;
        return saveReportFileName(parent, suggested);
    }
};

// The platform's file dialogs with the document filter.
class DesktopFileDialogs : public FileDialogs {
  public:
    QString openFileName(QWidget* parent, const QString& folder) override;
    QString saveFileName(QWidget* parent, const QString& suggested) override;
    QString saveReportFileName(QWidget* parent, const QString& suggested) override;
    QString saveExportFileName(QWidget* parent, const QString& suggested,
                               const QString& filter) override;
};

} // namespace viskora
