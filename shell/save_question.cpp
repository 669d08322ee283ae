#include "shell/save_question.h"

#include "forms/message_box_messages.h"

#include <QFileInfo>

namespace viskora {

bool saveModifiedDocument(QWidget* parent, const QString& pathName, const QString& title,
                          const std::function<bool()>& save) {
    QString name = pathName.isEmpty() ? title : QFileInfo(pathName).fileName();
    if (name.isEmpty()) {
        name = QStringLiteral("Untitled");
    }
    const auto answer = MessageBoxMessages::show(
        parent, QMessageBox::Warning, QStringLiteral("Save changes to %1?").arg(name),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    switch (answer) {
    case QMessageBox::Yes:
        return save();
    case QMessageBox::No:
        return true;
    default:
        return false;
    }
}

} // namespace viskora
