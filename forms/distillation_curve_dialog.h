#pragma once

#include "distillation/curve_conversion.h"

#include <QDialog>

#include <QString>

#include <optional>
#include <utility>
#include <vector>

class QChartView;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableWidget;

namespace viskora {

// "From Curve...": a distillation curve typed or pasted, converted to TBP
// and shown as a plot and a table, then turned into fraction rows. The
// dialog only reads the form (its temperature unit and the oil's density);
// the form writes the rows when the dialog is accepted with Fill.
//
// A change to the curve after Convert greys the plot and the table and says
// that they no longer show it. Fill writes what the dialog shows: with the
// conversion shown current it fills at once; otherwise it converts first,
// shows the result and waits for Fill once more.
class CurveDialog : public QDialog {
    Q_OBJECT

  public:
    // What the user gave: the curve's type, the D86 method, the rule of the
    // rows, and the points as typed in the temperature unit `tempUnit`. A
    // form keeps its last curve and opens the dialog with it again.
    struct Entries {
        int typeIndex = 0;
        int methodIndex = 0;
        bool byCount = true;
        int count = 10;
        int step = 25;
        int tempUnit = unit::kCelsius;
        std::vector<std::pair<QString, QString>> points; // percent, temperature
    };

    // `tempUnit` is the form's temperature unit code (units/unit_tables.h),
    // of the points and of the rows; `density20` the oil's density
    // at 20 deg.C in kg/m3 when the form has one.
    CurveDialog(int tempUnit, std::optional<double> density20, QWidget* parent = nullptr);

    // The rows Fill made, in the form's temperature unit.
    const std::vector<distillation::RowTexts>& rows() const { return rows_; }

    // Two columns of text (percent, temperature) into the points table, as
    // Paste puts the clipboard's: rows by line, columns by tab, semicolon
    // or blanks; a first line without numbers (a heading) is skipped.
    void pastePoints(const QString& text);

    // Converts the points and shows the result; true when it is usable.
    bool convert();

    // The last conversion's messages as shown.
    QString messageText() const;
    // True when the curve has changed since the conversion shown.
    bool isStale() const { return stale_; }
    // What the note over the results says: why they are greyed, or what
    // Fill waits for; empty when the results are current.
    QString noteText() const;

    Entries entries() const;
    // The entries into the controls, their temperatures into the dialog's
    // unit, and converted when they hold points.
    void setEntries(const Entries& entries);

  protected:
    // Ctrl+V and Shift+Insert in the points table paste as Paste does.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void fill();
    // The curve has changed: the results shown are no longer of it.
    void markStale();
    void updateMethodBox();
    distillation::CurveInput input() const;
    void showOutcome(const distillation::CurveInput& input,
                     const distillation::CurveOutcome& outcome);
    void showPlot(const distillation::CurveInput& input, const distillation::CurveOutcome& outcome);

    int tempUnit_;
    std::optional<double> density20_;
    QComboBox* type_;
    QComboBox* method_;
    QTableWidget* points_;
    QRadioButton* byCount_;
    QSpinBox* count_;
    QRadioButton* byStep_;
    QSpinBox* step_;
    QChartView* plot_;
    QTableWidget* converted_;
    QLabel* fit_;
    QLabel* messages_;
    QLabel* note_;
    std::vector<distillation::RowTexts> rows_;
    bool resultShown_ = false; // a conversion is shown
    bool stale_ = false;
};

} // namespace viskora
