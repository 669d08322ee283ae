#include "shell/settings_dialog.h"

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
    : QDialog(parent), settings_(settings), viscosityMethod_(new QComboBox) {
    setWindowTitle(QStringLiteral("Settings"));
    viscosityMethod_->setObjectName(QStringLiteral("viscosityMethod"));
    fillViscosityMethodBox(*viscosityMethod_);
    showViscosityMethod(*viscosityMethod_, settings_.defaultViscosityMethod());

    auto* calculations = new QGroupBox(QStringLiteral("New calculations"));
    auto* form = new QFormLayout(calculations);
    form->addRow(QStringLiteral("Viscosity:"), viscosityMethod_);
    auto* note = new QLabel(
        QStringLiteral("Calculations opened from files keep the method they were saved with."));
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
    QDialog::accept();
}

} // namespace viskora
