#pragma once

#include "curves/curve_conversion.h"

#include <QDialog>

#include <optional>
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
class CurveDialog : public QDialog {
    Q_OBJECT

  public:
    // `tempUnit` is the form's temperature unit code (1 K, 2 deg.C, 3 deg.F,
    // 4 deg.R), of the points and of the rows; `density20` the oil's density
    // at 20 deg.C in kg/m3 when the form has one.
    CurveDialog(int tempUnit, std::optional<double> density20, QWidget* parent = nullptr);

    // The rows Fill made, in the form's temperature unit.
    const std::vector<curves::RowTexts>& rows() const { return rows_; }

    // Two columns of text (percent, temperature) into the points table, as
    // Paste puts the clipboard's: rows by line, columns by tab, semicolon
    // or blanks; a first line without numbers (a heading) is skipped.
    void pastePoints(const QString& text);

    // Converts the points and shows the result; true when it is usable.
    bool convert();

    // The last conversion's messages as shown.
    QString messageText() const;

  private:
    void fill();
    void updateMethodBox();
    curves::CurveInput input() const;
    void showOutcome(const curves::CurveInput& input, const curves::CurveOutcome& outcome);
    void showPlot(const curves::CurveInput& input, const curves::CurveOutcome& outcome);

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
    std::vector<curves::RowTexts> rows_;
};

} // namespace viskora
