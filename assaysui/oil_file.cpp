#include "assaysui/oil_file.h"

#include "assays/assay_document.h"
#include "assaysui/record_oil.h"
#include "documents/document_file.h"

#include <QFile>
#include <QFileInfo>

#include <variant>

namespace viskora {

std::optional<NamedOil> readOilFile(const QString& path, QString& failure) {
    const std::filesystem::path file = QFile::encodeName(path).toStdString();
    const QString fileName = QFileInfo(path).fileName();
    const DocumentBytes bytes = readDocumentFile(file);
    if (!bytes.bytes) {
        failure = QString::fromStdString(bytes.failure);
        return std::nullopt;
    }
    if (assays::isAssayDocument(*bytes.bytes)) {
        assays::AssayReadResult read = assays::readAssayDocument(*bytes.bytes);
        if (!read.assay) {
            failure = QString::fromStdString(read.message);
            return std::nullopt;
        }
        const QString name = read.assay->name.empty() ? QFileInfo(path).completeBaseName()
                                                      : QString::fromStdString(read.assay->name);
        return NamedOil{name, fileName, std::move(*read.assay)};
    }
    OpenResult opened = openDocumentFile(file);
    if (!opened.record) {
        failure = QString::fromStdString(opened.message);
        return std::nullopt;
    }
    const std::string name = QFileInfo(path).completeBaseName().toStdString();
    std::string problem;
    const auto assay = std::visit(
        [&](const auto& record) { return assayOfRecord(name, record, problem); }, *opened.record);
    if (!assay) {
        failure = QString::fromStdString(problem);
        return std::nullopt;
    }
    return NamedOil{QString::fromStdString(name), fileName, *assay};
}

} // namespace viskora
