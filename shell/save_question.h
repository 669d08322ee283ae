#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace viskora {

// The question asked before a modified document closes: "Save changes to
// NAME?" with Yes, No and Cancel. NAME is the file's name, or the title of a
// document never saved. True when the document may close: Yes and `save`
// succeeded, or No; false on Cancel or a failed save.
bool saveModifiedDocument(QWidget* parent, const QString& pathName, const QString& title,
                          const std::function<bool()>& save);

} // namespace viskora
