#include "shell/file_dialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

#include <utility>

namespace viskora {

QString DesktopFileDialogs::openFileName(QWidget* parent, const QString& folder) {
    // getOpenFileName accepts existing files only.
    return QFileDialog::getOpenFileName(
        parent, QStringLiteral("Open"), folder,
        QStringLiteral("Viskora Files (*.vkr *.vkc *.vka);;Calculations (*.vkr);;"
                       "Property Curves (*.vkc);;Assays (*.vka);;All Files (*)"));
}

QString DesktopFileDialogs::saveFileName(QWidget* parent, const QString& suggested) {
    // A property curves or assay document keeps its own extension.
    const bool curves = suggested.endsWith(QStringLiteral(".vkc"), Qt::CaseInsensitive);
    const bool assay = suggested.endsWith(QStringLiteral(".vka"), Qt::CaseInsensitive);
    QFileDialog dialog(parent, QStringLiteral("Save As"), suggested,
                       curves  ? QStringLiteral("Property Curves (*.vkc)")
                       : assay ? QStringLiteral("Assays (*.vka)")
                               : QStringLiteral("Viskora Files (*.vkr)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(curves  ? QStringLiteral("vkc")
                            : assay ? QStringLiteral("vka")
                                    : QStringLiteral("vkr"));
    dialog.selectFile(suggested);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

QString DesktopFileDialogs::saveReportFileName(QWidget* parent, const QString& suggested) {
    // Each filter with the extension a name without one of them gets.
    const std::pair<QString, QString> kinds[] = {
        {QStringLiteral("PDF Report (*.pdf)"), QStringLiteral("pdf")},
        {QStringLiteral("HTML Report (*.html *.htm)"), QStringLiteral("html")},
        {QStringLiteral("Text Report (*.txt)"), QStringLiteral("txt")},
        {QStringLiteral("Spreadsheet (*.xlsx)"), QStringLiteral("xlsx")},
    };
    QStringList filters;
    for (const auto& [filter, suffix] : kinds) {
        filters << filter;
    }
    QFileDialog dialog(parent, QStringLiteral("Save Report As"), suggested);
    dialog.setNameFilters(filters);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.selectFile(suggested);
    for (const auto& [filter, suffix] : kinds) {
        if (suggested.endsWith(QLatin1Char('.') + suffix, Qt::CaseInsensitive)) {
            dialog.selectNameFilter(filter);
            dialog.setDefaultSuffix(suffix);
        }
    }
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog, &kinds](const QString& selected) {
                         for (const auto& [filter, suffix] : kinds) {
                             if (filter == selected) {
                                 dialog.setDefaultSuffix(suffix);
                             }
                         }
                     });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

QString DesktopFileDialogs::saveExportFileName(QWidget* parent, const QString& suggested,
                                               const QString& filter) {
    QFileDialog dialog(parent, QStringLiteral("Export"), suggested, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QFileInfo(suggested).suffix());
    dialog.selectFile(suggested);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

} // namespace viskora
