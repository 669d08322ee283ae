#pragma once

#include <QDialog>

class QComboBox;

namespace viskora {

class AppSettings;

// Settings...: the defaults new calculations start from. OK writes them
// into the settings; Cancel changes nothing. Calculations already open, and
// those opened from files, keep their own.
class SettingsDialog : public QDialog {
    Q_OBJECT

  public:
    explicit SettingsDialog(AppSettings& settings, QWidget* parent = nullptr);

    void accept() override;

  private:
    AppSettings& settings_;
    QComboBox* viscosityMethod_;
    QComboBox* vapourPressureMethod_;
};

} // namespace viskora
