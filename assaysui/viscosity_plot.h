#pragma once

#include <QChartView>
#include <QString>

#include <optional>
#include <utility>
#include <vector>

class QChart;

namespace viskora {

// The viscosity-temperature chart of an assay or a blend: each oil's or
// cut's ASTM D341 (Walther) line through its viscosities at 40 and 100
// deg.C over 20 to 150 deg.C, on a logarithmic viscosity axis, and the
// viscosities measured on the cuts as points in their line's colour.
class ViscosityPlot : public QChartView {
    Q_OBJECT

  public:
    struct Curve {
        QString name;
        std::optional<double> viscosity40; // mm2/s
        std::optional<double> viscosity100;
        bool emphasised = false; // the whole oil or the blend: a thicker line
        std::vector<std::pair<double, double>> measured; // deg.C, mm2/s
    };

    explicit ViscosityPlot(QWidget* parent = nullptr);

    void setCurves(const std::vector<Curve>& curves);
    // The number of lines drawn (a curve without both figures has none).
    int lineCount() const { return lineCount_; }

  private:
    int lineCount_ = 0;
};

} // namespace viskora
