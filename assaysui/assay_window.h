#pragma once

#include "assays/assay.h"
#include "assays/assay_figures.h"

#include <QString>
#include <QWidget>

#include <functional>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QTableView;

namespace viskora {

class CutFiguresModel;
class CutTableModel;
class CutTableView;
class LightEndYieldModel;
class OilFiguresModel;
class ViscosityPlot;

// The assay window: the assay's name, yield basis and whole-oil density
// above the table of its cuts, with its light ends by component under it,
// on the left; the characterised cuts, the whole oil's figures and the
// viscosity-temperature plot on the right,
// recomputed on every edit. When the assay cannot be characterised the
// library's sentence naming the cut shows under the table and the figures
// go blank.
class AssayWindow : public QWidget {
    Q_OBJECT

  public:
    // Asks where to write an export: the proposed file name and the file
    // dialog's filter; empty when cancelled.
    using ExportPath = std::function<QString(const QString& suggested, const QString& filter)>;

    explicit AssayWindow(QWidget* parent = nullptr);

    // The assay the controls hold, and an assay into the controls. A
    // whole-oil density box that holds no number gives no density (the
    // problem line says so).
    assays::Assay assay() const;
    void setAssay(const assays::Assay& assay);

    // The figures of the assay shown; nothing while it cannot be characterised.
    const std::optional<assays::AssayFigures>& figures() const { return figures_; }
    // Why there are no figures, as shown under the table; empty otherwise.
    QString problem() const;

    void setExportPath(ExportPath ask) { exportPath_ = std::move(ask); }

    CutTableModel& cutModel() const { return *cuts_; }
    LightEndYieldModel& lightEndModel() const { return *lightEnds_; }
    CutTableView& cutTable() const { return *cutTable_; }

    // Characterises the assay the controls hold and shows the figures.
    void recompute();

  signals:
    void modified();

  private:
    QWidget* makeInputs();
    QWidget* makeLightEnds();
    QWidget* makeResults();
    void edited();
    // The whole oil's density from its boxes; `problem` says which box
    // holds no number.
    std::optional<assays::StatedDensity> densityOfBoxes(QString& problem) const;
    void exportFile(const QString& suggested, const QString& filter,
                    const std::function<QString(const QString&)>& write);

    QLineEdit* name_;
    QComboBox* basis_;
    QLineEdit* density_;
    QComboBox* densityUnit_;
    QLineEdit* densityTemp_;
    QComboBox* tempUnit_;
    CutTableModel* cuts_;
    CutTableView* cutTable_;
    LightEndYieldModel* lightEnds_;
    QLabel* problem_;
    QLabel* note_;
    CutFiguresModel* cutFigures_;
    OilFiguresModel* oilFigures_;
    QTableView* cutFiguresView_;
    QTableView* oilFiguresView_;
    ViscosityPlot* plot_;
    std::optional<assays::AssayFigures> figures_;
    ExportPath exportPath_;
    bool filling_ = false;
};

} // namespace viskora
