#include "shell/app_settings.h"

#include "documents/vapour_pressure_method_words.h"
#include "shell/recent_file_list.h"

#include <string>
#include <string_view>

namespace viskora {
namespace {

const QString kGeometryKey = QStringLiteral("MainWindow/Geometry");
const QString kStateKey = QStringLiteral("MainWindow/State");
const QString kReadPathKey = QStringLiteral("Settings/ReadPath");
const QString kSavePathKey = QStringLiteral("Settings/SavePath");
const QString kReportPathKey = QStringLiteral("Settings/ReportPath");
const QString kViscosityMethodKey = QStringLiteral("Settings/ViscosityMethod");
const QString kNarrowCuts = QStringLiteral("NarrowCuts");
const QString kWholeOil = QStringLiteral("WholeOil");
const QString kVapourPressureMethodKey = QStringLiteral("Settings/VapourPressureMethod");
const QString kRecentSection = QStringLiteral("Recent File List");

QString recentKey(int number) {
    return kRecentSection + QStringLiteral("/File") + QString::number(number);
}

} // namespace

AppSettings::AppSettings()
    : settings_(QStringLiteral("Qavel Engineering"), QStringLiteral("Viskora")) {}

QByteArray AppSettings::mainWindowGeometry() const {
    return settings_.value(kGeometryKey).toByteArray();
}

void AppSettings::setMainWindowGeometry(const QByteArray& geometry) {
    settings_.setValue(kGeometryKey, geometry);
    settings_.sync();
}

QByteArray AppSettings::mainWindowState() const {
    return settings_.value(kStateKey).toByteArray();
}

void AppSettings::setMainWindowState(const QByteArray& state) {
    settings_.setValue(kStateKey, state);
    settings_.sync();
}

QString AppSettings::savePath() const {
    return settings_.value(kSavePathKey).toString();
}

void AppSettings::setSavePath(const QString& folder) {
    settings_.setValue(kSavePathKey, folder);
    settings_.sync();
}

QString AppSettings::reportPath() const {
    return settings_.value(kReportPathKey).toString();
}

void AppSettings::setReportPath(const QString& folder) {
    settings_.setValue(kReportPathKey, folder);
    settings_.sync();
}

QString AppSettings::readPath() const {
    return settings_.value(kReadPathKey).toString();
}

void AppSettings::setReadPath(const QString& folder) {
    settings_.setValue(kReadPathKey, folder);
    settings_.sync();
}

ViscosityMethod AppSettings::defaultViscosityMethod() const {
    return settings_.value(kViscosityMethodKey).toString() == kNarrowCuts
               ? ViscosityMethod::NarrowCuts
               : ViscosityMethod::WholeOil;
}

void AppSettings::setDefaultViscosityMethod(ViscosityMethod method) {
    settings_.setValue(kViscosityMethodKey,
                       method == ViscosityMethod::NarrowCuts ? kNarrowCuts : kWholeOil);
    settings_.sync();
}

VapourPressureMethod AppSettings::defaultVapourPressureMethod() const {
    const std::string word = settings_.value(kVapourPressureMethodKey).toString().toStdString();
    return vapourPressureMethodOfWord(word).value_or(VapourPressureMethod::AverageBoilingPoint);
}

void AppSettings::setDefaultVapourPressureMethod(VapourPressureMethod method) {
    const std::string_view word = vapourPressureMethodWord(method);
    settings_.setValue(kVapourPressureMethodKey,
                       QString::fromLatin1(word.data(), static_cast<qsizetype>(word.size())));
    settings_.sync();
}

QStringList AppSettings::recentFiles() const {
    QStringList paths;
    for (int number = 1; number <= RecentFileList::kCapacity; ++number) {
        const QString path = settings_.value(recentKey(number)).toString();
        if (!path.isEmpty()) {
            paths << path;
        }
    }
    return paths;
}

void AppSettings::setRecentFiles(const QStringList& paths) {
    for (int number = 1; number <= RecentFileList::kCapacity; ++number) {
        if (number <= paths.size()) {
            settings_.setValue(recentKey(number), paths[number - 1]);
        } else {
            settings_.remove(recentKey(number));
        }
    }
    settings_.sync();
}

} // namespace viskora
