#include "shell/settings_dialog.h"

#include "forms/vapour_pressure_method_box.h"
#include "forms/viscosity_method_box.h"
#include "shell/app_settings.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace viskora {

SettingsDialog::SettingsDialog(AppSettings& settings, QWidget* parent)
    : QDialog(parent), settings_(settings), viscosityMethod_(new QComboBox),
      vapourPressureMethod_(new QComboBox) {
    setWindowTitle(QStringLiteral("Settings"));
    viscosityMethod_->setObjectName(QStringLiteral("viscosityMethod"));
    fillViscosityMethodBox(*viscosityMethod_);
    showViscosityMethod(*viscosityMethod_, settings_.defaultViscosityMethod());
    vapourPressureMethod_->setObjectName(QStringLiteral("vapourPressureMethod"));
    fillVapourPressureMethodBox(*vapourPressureMethod_);
    showVapourPressureMethod(*vapourPressureMethod_, settings_.defaultVapourPressureMethod());

    auto* calculations = new QGroupBox(QStringLiteral("New calculations"));
    auto* form = new QFormLayout(calculations);
    form->addRow(QStringLiteral("Viscosity:"), viscosityMethod_);
    form->addRow(QStringLiteral("Vapour pressure:"), vapourPressureMethod_);
    auto* note = new QLabel(
        QStringLiteral("Calculations opened from files keep the methods they were saved with."));
    note->setWordWrap(true);
    form->addRow(note);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->setObjectName(QStringLiteral("buttons"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(calculations);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void SettingsDialog::accept() {
    settings_.setDefaultViscosityMethod(selectedViscosityMethod(*viscosityMethod_));
    settings_.setDefaultVapourPressureMethod(selectedVapourPressureMethod(*vapourPressureMethod_));
    QDialog::accept();
}

} // namespace viskora
