#pragma once

#include "assaysui/blend_parts_model.h"

#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace viskora {

class OilFiguresModel;
class ViscosityPlot;

// The blend window: the oils with their shares by mass or volume on the
// left, with a line that says plainly whether the shares add up to 100 %;
// the blend's whole-oil figures beside each oil's and their viscosity
// lines on the right, recomputed on every edit. Open as Assay hands the
// blend on as an assay of its own.
class BlendWindow : public QWidget {
    Q_OBJECT

  public:
    // The oils open in other windows, offered by Add Oil.
    using OilChoices = std::function<std::vector<NamedOil>()>;
    // Asks for a file of an oil to add; empty when cancelled.
    using OilFile = std::function<QString()>;

    explicit BlendWindow(QWidget* parent = nullptr);

    void setOilChoices(OilChoices choices) { choices_ = std::move(choices); }
    void setOilFile(OilFile ask) { oilFile_ = std::move(ask); }

    // Adds an oil with the share that brings the sum to 100 % (0 when it
    // is there already).
    void addOil(NamedOil oil);
    BlendPartsModel& parts() const { return *parts_; }

    // The line under the oils: the shares' problem, or that they are sound.
    QString shareCheck() const;
    // The blend of the oils shown; nothing while it cannot be made.
    const std::optional<assays::Assay>& blend() const { return blend_; }

    void recompute();

  signals:
    void openAsAssay(const assays::Assay& blend);

  private:
    QWidget* makeParts();
    QWidget* makeResults();
    void fillOilMenu();
    void addFile();

    QLineEdit* name_;
    QComboBox* basis_;
    BlendPartsModel* parts_;
    QTableView* partsView_;
    QPushButton* addOil_;
    QPushButton* openAsAssay_;
    QLabel* shareCheck_;
    QLabel* problem_;
    OilFiguresModel* figures_;
    ViscosityPlot* plot_;
    OilChoices choices_;
    OilFile oilFile_;
    std::optional<assays::Assay> blend_;
};

} // namespace viskora
