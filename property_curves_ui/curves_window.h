#pragma once

#include "property_curves/property_curves_document.h"
#include "property_curves/property_sweep.h"

#include <QString>
#include <QWidget>

#include <array>
#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableView;

namespace viskora {

class CurvesPlot;
class CurvesTableModel;
class FractionTableModel;
class FractionTableView;
class LightEndTableModel;
class LightEndTableView;
class SweepRunner;

// The property curves window: the oil's inputs (its light ends beside its
// fraction table), the sweep and the measured viscosities on the left; the
// table of the points, the plot and the export commands on the right. The
// sweep runs off the GUI thread with a progress bar and Cancel. The
// window's contents are a curves document.
class CurvesWindow : public QWidget {
    Q_OBJECT

  public:
    // Asks where to write an export: the proposed file name and the file
    // dialog's filter; empty when cancelled.
    using ExportPath = std::function<QString(const QString& suggested, const QString& filter)>;

    explicit CurvesWindow(QWidget* parent = nullptr);
    ~CurvesWindow() override;

    // The controls as a document, and a document into the controls.
    CurveDocument document() const;
    void setDocument(const CurveDocument& document);

    void setExportPath(ExportPath ask) { exportPath_ = std::move(ask); }

    CurvesTableModel& model() const { return *model_; }
    CurvesPlot& plot() const { return *plot_; }
    QTableView& table() const { return *table_; }
    bool isRunning() const;

    // Calculate: a sweep of the current inputs. A box that holds no number
    // is named in a message box and nothing else is done.
    void calculate();
    void cancel();
    // The window is closing: the sweep is cancelled and asks nothing more.
    void stopSweep();

    // Copy: the table as tab-separated text on the clipboard (the file
    // exports are in curves_table_export.h and the plot's own).
    void copyToClipboard() const;

  signals:
    void modified();
    // A sweep has ended and the table shows it; a sweep refused before its
    // first point leaves the last table and plot.
    void sweepFinished();

  private:
    // The controls (curves_window_layout.cpp).
    QWidget* makeInputs();
    QWidget* makeResults();
    // Marks the window modified on every edit (curves_window_document.cpp).
    void watchForEdits();
    // The texts of the boxes the sweep reads, each with the name the user
    // knows its box by (curves_window_document.cpp).
    struct NamedText {
        QString name;
        QString text;
    };
    QList<NamedText> numberTexts() const;
    QList<NamedText> fractionTexts() const;
    QList<NamedText> lightEndTexts() const;
    // Names the first box whose text is not a number; false then.
    bool numbersReadable() const;
    void showColumnUnitMenu(const QPoint& position);
    void sweepEnded(const SweepResult& result);
    void askExport(const QString& suggested, const QString& filter,
                   const std::function<QString(const QString&)>& write);
    void showFailure(const QString& text) const;

    QLineEdit* density_;
    QComboBox* densityUnit_;
    QLineEdit* densityTemp_;
    QComboBox* tempUnit_;
    QComboBox* viscosityMethod_;
    QCheckBox* useFractions_;
    QSpinBox* fractionCount_;
    FractionTableModel* fractionTable_;
    FractionTableView* fractions_;
    LightEndTableModel* lightEnds_;
    LightEndTableView* lightEndTable_;

    QComboBox* variable_;
    QLineEdit* from_;
    QLineEdit* to_;
    QLineEdit* step_;
    QSpinBox* pointCount_;
    QLineEdit* designTemp_;
    QLineEdit* designPressure_;
    QComboBox* pressureUnit_;

    struct MeasuredRow {
        QLineEdit* value;
        QComboBox* unit;
        QLineEdit* temperature;
    };
    std::array<MeasuredRow, 2> measured_{};

    QPushButton* calculate_;
    QPushButton* cancel_;
    QProgressBar* progress_;
    QLabel* status_;
    CurvesTableModel* model_;
    QTableView* table_;
    CurvesPlot* plot_;
    SweepRunner* runner_;
    ExportPath exportPath_;
    // The inputs of the sweep shown: its units label the table even when the
    // boxes have changed since. Those of the sweep running replace them
    // once its points are shown.
    CurveDocument swept_;
    CurveDocument running_;
    bool filling_ = false;
};

} // namespace viskora
