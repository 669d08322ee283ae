#include "shell/settings_dialog.h"

#include "forms/method_box.h"
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
    fillMethodBox<ViscosityMethod>(*viscosityMethod_);
    showMethod(*viscosityMethod_, settings_.defaultViscosityMethod());
    vapourPressureMethod_->setObjectName(QStringLiteral("vapourPressureMethod"));
    fillMethodBox<VapourPressureMethod>(*vapourPressureMethod_);
    showMethod(*vapourPressureMethod_, settings_.defaultVapourPressureMethod());

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
    settings_.setDefaultViscosityMethod(selectedMethod<ViscosityMethod>(*viscosityMethod_));
    settings_.setDefaultVapourPressureMethod(
        selectedMethod<VapourPressureMethod>(*vapourPressureMethod_));
    QDialog::accept();
}

} // namespace viskora
