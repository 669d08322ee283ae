#include "shell/file_dialogs.h"

#include <QFileDialog>

namespace viskora {

QString DesktopFileDialogs::openFileName(QWidget* parent, const QString& folder) {
    // getOpenFileName accepts existing files only.
    return QFileDialog::getOpenFileName(parent, QStringLiteral("Open"), folder,
                                        QStringLiteral("Viskora Files (*.vkr);;All Files (*)"));
}

QString DesktopFileDialogs::saveFileName(QWidget* parent, const QString& suggested) {
    QFileDialog dialog(parent, QStringLiteral("Save As"), suggested,
                       QStringLiteral("Viskora Files (*.vkr)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("vkr"));
    dialog.selectFile(suggested);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

} // namespace viskora
