#include "property_curves_ui/curves_window.h"

#include "documents/unit_name_lists.h"
#include "engine/oil_inputs.h"
#include "forms/method_box.h"
#include "grid/fraction_table_model.h"
#include "grid/fraction_table_view.h"
#include "grid/light_end_table_model.h"
#include "grid/light_end_table_view.h"
#include "property_curves_ui/curves_plot.h"
#include "property_curves_ui/curves_table_export.h"
#include "property_curves_ui/curves_table_model.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

namespace viskora {
namespace {

QComboBox* unitBox(Quantity quantity, const QString& objectName) {
    auto* box = new QComboBox;
    box->setObjectName(objectName);
    const CUnitNameLists lists;
    for (const std::string& name : lists.names(quantity)) {
        box->addItem(QString::fromStdString(name));
    }
    return box;
}

// `name` names the box in the message that refuses its text.
QLineEdit* numberBox(const QString& objectName, const QString& name) {
    auto* box = new QLineEdit;
    box->setObjectName(objectName);
    box->setAccessibleName(name);
    box->setMaximumWidth(110);
    return box;
}

} // namespace

QWidget* CurvesWindow::makeInputs() {
    auto* oil = new QGroupBox(QStringLiteral("Oil"));
    auto* oilForm = new QFormLayout(oil);
    density_ = numberBox(QStringLiteral("density"), QStringLiteral("Density"));
    densityUnit_ = unitBox(Quantity::Density, QStringLiteral("densityUnit"));
    densityTemp_ = numberBox(QStringLiteral("densityTemp"), QStringLiteral("Density temperature"));
    tempUnit_ = unitBox(Quantity::Temperature, QStringLiteral("tempUnit"));
    // The method of the Prandtl number and of the anchored curve's slope;
    // the table shows the liquid's viscosity by both.
    viscosityMethod_ = new QComboBox;
    viscosityMethod_->setObjectName(QStringLiteral("viscosityMethod"));
    fillMethodBox<ViscosityMethod>(*viscosityMethod_);
    useFractions_ = new QCheckBox(QStringLiteral("Fraction composition"));
    useFractions_->setObjectName(QStringLiteral("useFractions"));
    fractionCount_ = new QSpinBox;
    fractionCount_->setObjectName(QStringLiteral("fractionCount"));
    fractionCount_->setRange(1, kMaxFractions);
    // The forms' table: typing, arrows and pasting from a spreadsheet work
    // as there; its headings show here, where no labels stand above it.
    fractionTable_ = new FractionTableModel(this);
    fractions_ = new FractionTableView;
    fractions_->setObjectName(QStringLiteral("fractions"));
    fractions_->setFractionModel(fractionTable_);
    fractions_->horizontalHeader()->show();
    fractions_->setMinimumHeight(120);
    // As narrow as its headings and row numbers allow, the light ends
    // beside it; wider as the panel allows.
    const QFontMetrics metrics = fractions_->fontMetrics();
    const int padding = 2 * metrics.averageCharWidth();
    int fractionsWidth =
        2 * fractions_->frameWidth() + metrics.horizontalAdvance(QStringLiteral("100")) + padding;
    for (int column = 0; column < FractionTableModel::kColumns; ++column) {
        fractionsWidth += fractions_->horizontalHeader()->sectionSizeHint(column) + padding;
    }
    fractions_->setMinimumWidth(fractionsWidth);
    fractions_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Expanding);
    oilForm->addRow(QStringLiteral("Density"), density_);
    oilForm->addRow(QString(), densityUnit_);
    oilForm->addRow(QStringLiteral("at temperature"), densityTemp_);
    oilForm->addRow(QStringLiteral("Temperature unit"), tempUnit_);
    oilForm->addRow(QStringLiteral("Viscosity"), viscosityMethod_);
    oilForm->addRow(useFractions_);
    oilForm->addRow(QStringLiteral("Rows"), fractionCount_);
    // The light ends stand beside the fraction table: they are shares of
    // the whole oil, counted within its first fraction, and they set its
    // true vapour pressure.
    lightEnds_ = new LightEndTableModel(this);
    lightEndTable_ = new LightEndTableView;
    lightEndTable_->setObjectName(QStringLiteral("lightEnds"));
    lightEndTable_->setLightEndModel(lightEnds_);
    auto* tables = new QGridLayout;
    tables->addWidget(new QLabel(QStringLiteral("Fractions")), 0, 0);
    tables->addWidget(new QLabel(QStringLiteral("Light ends")), 0, 1);
    tables->addWidget(fractions_, 1, 0);
    tables->addWidget(lightEndTable_, 1, 1, Qt::AlignTop);
    tables->setColumnStretch(0, 1);
    oilForm->addRow(tables);
    connect(fractionCount_, &QSpinBox::valueChanged, this,
            [this](int rows) { fractionTable_->setRows(rows); });
    connect(useFractions_, &QCheckBox::toggled, this, [this](bool on) {
        fractionCount_->setEnabled(on);
        fractions_->setEnabled(on);
    });

    auto* sweep = new QGroupBox(QStringLiteral("Sweep"));
    auto* sweepForm = new QFormLayout(sweep);
    variable_ = new QComboBox;
    variable_->setObjectName(QStringLiteral("variable"));
    variable_->addItems({QStringLiteral("Temperature"), QStringLiteral("Pressure")});
    from_ = numberBox(QStringLiteral("from"), QStringLiteral("From"));
    to_ = numberBox(QStringLiteral("to"), QStringLiteral("To"));
    step_ = numberBox(QStringLiteral("step"), QStringLiteral("Step"));
    pointCount_ = new QSpinBox;
    pointCount_->setObjectName(QStringLiteral("pointCount"));
    pointCount_->setRange(0, kMaxSweepPoints);
    pointCount_->setSpecialValueText(QStringLiteral("by step"));
    designTemp_ = numberBox(QStringLiteral("designTemp"), QStringLiteral("Design temperature"));
    designPressure_ =
        numberBox(QStringLiteral("designPressure"), QStringLiteral("Design pressure"));
    pressureUnit_ = unitBox(Quantity::Pressure, QStringLiteral("pressureUnit"));
    sweepForm->addRow(QStringLiteral("Swept"), variable_);
    sweepForm->addRow(QStringLiteral("From"), from_);
    sweepForm->addRow(QStringLiteral("To"), to_);
    sweepForm->addRow(QStringLiteral("Step"), step_);
    sweepForm->addRow(QStringLiteral("or points"), pointCount_);
    sweepForm->addRow(QStringLiteral("Design temperature"), designTemp_);
    sweepForm->addRow(QStringLiteral("Design pressure"), designPressure_);
    sweepForm->addRow(QStringLiteral("Pressure unit"), pressureUnit_);
    const auto showVariable = [this](int index) {
        designTemp_->setEnabled(index == 1);
        designPressure_->setEnabled(index == 0);
    };
    connect(variable_, &QComboBox::currentIndexChanged, this, showVariable);

    auto* measured = new QGroupBox(QStringLiteral("Measured viscosity"));
    auto* grid = new QGridLayout(measured);
    grid->addWidget(new QLabel(QStringLiteral("Value")), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("Unit")), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("at temperature")), 0, 2);
    for (int i = 0; i < 2; ++i) {
        MeasuredRow& row = measured_[static_cast<std::size_t>(i)];
        row.value = numberBox(QStringLiteral("measured%1").arg(i + 1),
                              QStringLiteral("Measured viscosity %1").arg(i + 1));
        row.unit = unitBox(Quantity::Viscosity, QStringLiteral("measuredUnit%1").arg(i + 1));
        row.temperature =
            numberBox(QStringLiteral("measuredTemp%1").arg(i + 1),
                      QStringLiteral("Temperature of measured viscosity %1").arg(i + 1));
        grid->addWidget(row.value, i + 1, 0);
        grid->addWidget(row.unit, i + 1, 1);
        grid->addWidget(row.temperature, i + 1, 2);
    }

    auto* inputs = new QWidget;
    auto* column = new QVBoxLayout(inputs);
    column->addWidget(oil);
    column->addWidget(sweep);
    column->addWidget(measured);
    column->addStretch();
    auto* scroller = new QScrollArea;
    scroller->setWidget(inputs);
    scroller->setWidgetResizable(true);
    scroller->setMinimumWidth(inputs->sizeHint().width() + 20);
    return scroller;
}

QWidget* CurvesWindow::makeResults() {
    calculate_ = new QPushButton(QStringLiteral("Calculate"));
    calculate_->setObjectName(QStringLiteral("calculate"));
    cancel_ = new QPushButton(QStringLiteral("Cancel"));
    cancel_->setObjectName(QStringLiteral("cancel"));
    cancel_->setEnabled(false);
    progress_ = new QProgressBar;
    progress_->setObjectName(QStringLiteral("progress"));
    progress_->setValue(0);
    status_ = new QLabel;
    status_->setObjectName(QStringLiteral("status"));
    status_->setWordWrap(true);
    connect(calculate_, &QPushButton::clicked, this, &CurvesWindow::calculate);
    connect(cancel_, &QPushButton::clicked, this, &CurvesWindow::cancel);

    auto* csv = new QPushButton(QStringLiteral("CSV..."));
    auto* xlsx = new QPushButton(QStringLiteral("Excel..."));
    auto* picture = new QPushButton(QStringLiteral("Plot..."));
    auto* copy = new QPushButton(QStringLiteral("Copy"));
    csv->setObjectName(QStringLiteral("csv"));
    xlsx->setObjectName(QStringLiteral("xlsx"));
    picture->setObjectName(QStringLiteral("plotFile"));
    copy->setObjectName(QStringLiteral("copy"));
    csv->setToolTip(QStringLiteral("Save the table as CSV"));
    xlsx->setToolTip(QStringLiteral("Save the table as an .xlsx workbook"));
    picture->setToolTip(QStringLiteral("Save the plot as PNG, SVG or PDF"));
    copy->setToolTip(QStringLiteral("Copy the table as tab-separated text"));
    connect(csv, &QPushButton::clicked, this, [this] {
        askExport(QStringLiteral("curves.csv"), QStringLiteral("CSV (*.csv)"),
                  [this](const QString& path) { return writeCurvesCsv(*model_, path); });
    });
    connect(xlsx, &QPushButton::clicked, this, [this] {
        askExport(QStringLiteral("curves.xlsx"), QStringLiteral("Workbook (*.xlsx)"),
                  [this](const QString& path) { return writeCurvesWorkbook(*model_, path); });
    });
    connect(picture, &QPushButton::clicked, this, [this] {
        askExport(QStringLiteral("curves.png"),
                  QStringLiteral("PNG (*.png);;SVG (*.svg);;PDF (*.pdf)"),
                  [this](const QString& path) { return plot_->save(path); });
    });
    connect(copy, &QPushButton::clicked, this, &CurvesWindow::copyToClipboard);

    auto* bar = new QHBoxLayout;
    bar->addWidget(calculate_);
    bar->addWidget(cancel_);
    bar->addWidget(progress_, 1);
    for (QPushButton* button : {csv, xlsx, picture, copy}) {
        bar->addWidget(button);
    }

    table_ = new QTableView;
    table_->setObjectName(QStringLiteral("curvesTable"));
    table_->setModel(model_);
    table_->horizontalHeader()->setContextMenuPolicy(Qt::CustomContextMenu);
    table_->horizontalHeader()->setToolTip(
        QStringLiteral("Right-click a heading to pick its unit"));
    connect(table_->horizontalHeader(), &QWidget::customContextMenuRequested, this,
            &CurvesWindow::showColumnUnitMenu);
    // Every heading whole, before the first sweep too: the columns follow
    // their headings and numbers whenever either changes.
    table_->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    connect(model_, &QAbstractItemModel::modelReset, table_, &QTableView::resizeColumnsToContents);
    connect(model_, &QAbstractItemModel::headerDataChanged, table_,
            [this](Qt::Orientation orientation, int first, int last) {
                for (int column = first; orientation == Qt::Horizontal && column <= last;
                     ++column) {
                    table_->resizeColumnToContents(column);
                }
            });
    table_->resizeColumnsToContents();

    plot_ = new CurvesPlot(*model_);
    auto* split = new QSplitter(Qt::Vertical);
    split->addWidget(table_);
    split->addWidget(plot_);

    auto* results = new QWidget;
    auto* layout = new QVBoxLayout(results);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(bar);
    layout->addWidget(status_);
    layout->addWidget(split, 1);
    return results;
}

} // namespace viskora
