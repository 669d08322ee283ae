#pragma once

#include "engine/calc_results.h"

#include <QByteArray>
#include <QSettings>
#include <QString>
#include <QStringList>

namespace viskora {

// The program's per-user settings: the main window's geometry and the state
// of its toolbar ("MainWindow/Geometry" and "MainWindow/State", as
// QWidget::saveGeometry and QMainWindow::saveState give them), the Open
// dialog's folder ("Settings/ReadPath"), the folder of the last save
// ("Settings/SavePath"), the defaults of new calculations and the
// recent-file list ("Recent File List/File1" to "File4"). Where they live is the platform's
// business (an INI file under ~/.config on Linux); tests point QStandardPaths' test mode or
// XDG_CONFIG_HOME elsewhere.
class AppSettings {
  public:
    AppSettings();

    QByteArray mainWindowGeometry() const;
    void setMainWindowGeometry(const QByteArray& geometry);
    QByteArray mainWindowState() const;
    void setMainWindowState(const QByteArray& state);

    QString readPath() const;
    void setReadPath(const QString& folder);
    // The folder a calculation or property curves document was last saved
    // into ("Settings/SavePath").
    QString savePath() const;
    void setSavePath(const QString& folder);
    // The folder Save Report As last saved into ("Settings/ReportPath").
    QString reportPath() const;
    void setReportPath(const QString& folder);

    // How new calculations find the viscosity
    // ("Settings/ViscosityMethod": "WholeOil" or "NarrowCuts"); anything
    // else, or nothing, is the whole oil.
    ViscosityMethod defaultViscosityMethod() const;
    void setDefaultViscosityMethod(ViscosityMethod method);

    // How new calculations find the vapour pressure
    // ("Settings/VapourPressureMethod": "average" or "cuts", the words of
    // the document files); anything else, or nothing, is the average
    // boiling point.
    VapourPressureMethod defaultVapourPressureMethod() const;
    void setDefaultVapourPressureMethod(VapourPressureMethod method);

    QStringList recentFiles() const;
    void setRecentFiles(const QStringList& paths);

  private:
    mutable QSettings settings_;
};

} // namespace viskora
