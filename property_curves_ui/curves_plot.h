#pragma once

#include <QColor>
#include <QHash>
#include <QSet>
#include <QString>
#include <QWidget>

#include <vector>

class QChart;
class QChartView;
class QListWidget;
class QXYSeries;

namespace viskora {

class CurvesTableModel;

// The plot of a curves table: the properties ticked in the list against the
// swept variable, each on an axis of its own named with its unit (a
// logarithmic one for viscosities and the vapour pressure), a tooltip with
// the values of the computed point nearest the mouse, and a marker at each
// point where the phase state (liquid, two phases, gas) differs from the
// point before. A point without a value (a phase the point does not have)
// is not drawn.
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

    // The tooltip at a position in the view's viewport: the property, its
    // value and the swept value with their units of the computed point
    // nearest the position, when one lies within a few pixels; else empty.
    QString pointTip(const QPoint& position) const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // A drawn curve: its series, its column and the table's row of each
    // of its points.
    struct PlottedSeries {
        QXYSeries* series;
        int column;
        std::vector<int> rows;
    };

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
    std::vector<PlottedSeries> plotted_;
    int xColumn_ = 0;
    bool filling_ = false;
};

} // namespace viskora
