#pragma once

#include <QColor>
#include <QHash>
#include <QSet>
#include <QString>
#include <QWidget>

class QChart;
class QChartView;
class QListWidget;

namespace viskora {

class CurvesTableModel;

// The plot of a curves table: the properties ticked in the list against the
// swept variable, each on an axis of its own named with its unit (a
// logarithmic one for viscosities), a tooltip with the values under the
// mouse, and a marker at each point where the phase state (liquid, two
// phases, gas) differs from the point before.
class CurvesPlot : public QWidget {
    Q_OBJECT

  public:
    explicit CurvesPlot(const CurvesTableModel& model, QWidget* parent = nullptr);

    // Draws the table's columns against column `xColumn`.
    void refresh(int xColumn);
    QChartView& view() const { return *view_; }
    QChart& chart() const;
    // Writes the plot as PNG, SVG or PDF, by the file's extension; why it
    // was not written, or an empty text.
    QString save(const QString& path) const;
    // The column names ticked.
    QSet<QString> chosen() const;
    void setChosen(const QSet<QString>& names);

  private:
    void fillList();
    void redraw();
    // Marks each entry of the list with the colour of its curve, so that
    // the list names the curves in full where the legend has to shorten
    // the names; entries without a curve get a clear mark.
    void showColours(const QHash<QString, QColor>& colours);

    const CurvesTableModel& model_;
    QListWidget* list_;
    QChartView* view_;
    QSet<QString> chosen_;
    int xColumn_ = 0;
    bool filling_ = false;
};

} // namespace viskora
