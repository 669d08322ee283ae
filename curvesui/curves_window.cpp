#include "curvesui/curves_window.h"

#include "curvesui/curves_plot.h"
#include "curvesui/curves_table_model.h"
#include "curvesui/sweep_runner.h"
#include "documents/document_file.h"
#include "documents/unit_name_lists.h"
#include "engine/oil_calc.h"
#include "forms/message_box_messages.h"
#include "reports/pending_file.h"
#include "reports/xlsx_file.h"
#include "units/display_format.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QSplitter>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

#include <charconv>

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

QLineEdit* numberBox(const QString& objectName) {
    auto* box = new QLineEdit;
    box->setObjectName(objectName);
    box->setMaximumWidth(110);
    return box;
}

void selectIndex(QComboBox* box, int index) {
    box->setCurrentIndex(index >= 0 && index < box->count() ? index : 0);
}

// A CSV field: quoted when it holds a separator, a quote or a line break.
QString csvField(const QString& text) {
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n'))) {
        return text;
    }
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace

CurvesWindow::CurvesWindow(QWidget* parent)
    : QWidget(parent), model_(new CurvesTableModel(this)), runner_(new SweepRunner(this)) {
    auto* splitter = new QSplitter(Qt::Horizontal);
    splitter->addWidget(makeInputs());
    splitter->addWidget(makeResults());
    splitter->setStretchFactor(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(splitter);

    connect(runner_, &SweepRunner::progress, this, [this](int done, int total) {
        progress_->setMaximum(total);
        progress_->setValue(done);
    });
    connect(runner_, &SweepRunner::finished, this, &CurvesWindow::sweepEnded);
    connect(model_, &CurvesTableModel::unitsChanged, this, [this] {
        plot_->refresh(swept_.variable == SweepVariable::Temperature ? 0 : 1);
        emit modified();
    });
    setDocument(CurveDocument{});
    watchForEdits();
}

CurvesWindow::~CurvesWindow() {
    // A running sweep is cancelled; nothing it sends back reaches the
    // window any more, and the runner goes when the sweep has stopped.
    runner_->release();
}

QWidget* CurvesWindow::makeInputs() {
    auto* oil = new QGroupBox(QStringLiteral("Oil"));
    auto* oilForm = new QFormLayout(oil);
    density_ = numberBox(QStringLiteral("density"));
    densityUnit_ = unitBox(Quantity::Density, QStringLiteral("densityUnit"));
    densityTemp_ = numberBox(QStringLiteral("densityTemp"));
    tempUnit_ = unitBox(Quantity::Temperature, QStringLiteral("tempUnit"));
    useFractions_ = new QCheckBox(QStringLiteral("Fraction composition"));
    useFractions_->setObjectName(QStringLiteral("useFractions"));
    fractionCount_ = new QSpinBox;
    fractionCount_->setObjectName(QStringLiteral("fractionCount"));
    fractionCount_->setRange(1, COilCalc::kMaxFractions);
    fractions_ = new QTableWidget(0, 3);
    fractions_->setObjectName(QStringLiteral("fractions"));
    fractions_->setHorizontalHeaderLabels(
        {QStringLiteral("Start"), QStringLiteral("End"), QStringLiteral("Share, %")});
    fractions_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    fractions_->setMinimumHeight(120);
    oilForm->addRow(QStringLiteral("Density"), density_);
    oilForm->addRow(QString(), densityUnit_);
    oilForm->addRow(QStringLiteral("at temperature"), densityTemp_);
    oilForm->addRow(QStringLiteral("Temperature unit"), tempUnit_);
    oilForm->addRow(useFractions_);
    oilForm->addRow(QStringLiteral("Rows"), fractionCount_);
    oilForm->addRow(fractions_);
    connect(fractionCount_, &QSpinBox::valueChanged, this,
            [this](int rows) { fractions_->setRowCount(rows); });
    connect(useFractions_, &QCheckBox::toggled, this, [this](bool on) {
        fractionCount_->setEnabled(on);
        fractions_->setEnabled(on);
    });

    auto* sweep = new QGroupBox(QStringLiteral("Sweep"));
    auto* sweepForm = new QFormLayout(sweep);
    variable_ = new QComboBox;
    variable_->setObjectName(QStringLiteral("variable"));
    variable_->addItems({QStringLiteral("Temperature"), QStringLiteral("Pressure")});
    from_ = numberBox(QStringLiteral("from"));
    to_ = numberBox(QStringLiteral("to"));
    step_ = numberBox(QStringLiteral("step"));
    pointCount_ = new QSpinBox;
    pointCount_->setObjectName(QStringLiteral("pointCount"));
    pointCount_->setRange(0, kMaxSweepPoints);
    pointCount_->setSpecialValueText(QStringLiteral("by step"));
    designTemp_ = numberBox(QStringLiteral("designTemp"));
    designPressure_ = numberBox(QStringLiteral("designPressure"));
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
        row.value = numberBox(QStringLiteral("measured%1").arg(i + 1));
        row.unit = unitBox(Quantity::Viscosity, QStringLiteral("measuredUnit%1").arg(i + 1));
        row.temperature = numberBox(QStringLiteral("measuredTemp%1").arg(i + 1));
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
                  [this](const QString& path) { return exportCsv(path); });
    });
    connect(xlsx, &QPushButton::clicked, this, [this] {
        askExport(QStringLiteral("curves.xlsx"), QStringLiteral("Workbook (*.xlsx)"),
                  [this](const QString& path) { return exportWorkbook(path); });
    });
    connect(picture, &QPushButton::clicked, this, [this] {
        askExport(QStringLiteral("curves.png"),
                  QStringLiteral("PNG (*.png);;SVG (*.svg);;PDF (*.pdf)"),
                  [this](const QString& path) { return exportPlot(path); });
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

void CurvesWindow::watchForEdits() {
    const auto changed = [this] {
        if (!filling_) {
            emit modified();
        }
    };
    for (QLineEdit* box : findChildren<QLineEdit*>()) {
        connect(box, &QLineEdit::textEdited, this, changed);
    }
    for (QComboBox* box : findChildren<QComboBox*>()) {
        connect(box, &QComboBox::currentIndexChanged, this, changed);
    }
    for (QSpinBox* box : findChildren<QSpinBox*>()) {
        connect(box, &QSpinBox::valueChanged, this, changed);
    }
    connect(useFractions_, &QCheckBox::toggled, this, changed);
    connect(fractions_, &QTableWidget::cellChanged, this, changed);
}

CurveDocument CurvesWindow::document() const {
    CurveDocument d;
    d.densityText = density_->text().toStdString();
    d.densityUnitIndex = densityUnit_->currentIndex();
    d.densityTempText = densityTemp_->text().toStdString();
    d.tempUnitIndex = tempUnit_->currentIndex();
    d.useFractions = useFractions_->isChecked();
    for (int row = 0; row < fractions_->rowCount(); ++row) {
        FractionRow cells;
        for (int column = 0; column < 3; ++column) {
            const QTableWidgetItem* item = fractions_->item(row, column);
            cells[static_cast<std::size_t>(column)] =
                item != nullptr ? item->text().trimmed().toStdString() : std::string();
        }
        d.fractions.push_back(cells);
    }
    d.variable =
        variable_->currentIndex() == 0 ? SweepVariable::Temperature : SweepVariable::Pressure;
    d.fromText = from_->text().toStdString();
    d.toText = to_->text().toStdString();
    d.stepText = step_->text().toStdString();
    d.pointCount = pointCount_->value();
    d.designTempText = designTemp_->text().toStdString();
    d.designPressureText = designPressure_->text().toStdString();
    d.pressureUnitIndex = pressureUnit_->currentIndex();
    for (const MeasuredRow& row : measured_) {
        if (!row.value->text().trimmed().isEmpty() ||
            !row.temperature->text().trimmed().isEmpty()) {
            d.measured.push_back({row.value->text().trimmed().toStdString(),
                                  row.unit->currentIndex(),
                                  row.temperature->text().trimmed().toStdString()});
        }
    }
    d.columnUnits = model_->columnUnits();
    return d;
}

void CurvesWindow::setDocument(const CurveDocument& d) {
    filling_ = true;
    density_->setText(QString::fromStdString(d.densityText));
    selectIndex(densityUnit_, d.densityUnitIndex);
    densityTemp_->setText(QString::fromStdString(d.densityTempText));
    selectIndex(tempUnit_, d.tempUnitIndex);
    useFractions_->setChecked(d.useFractions);
    fractionCount_->setValue(std::max(1, static_cast<int>(d.fractions.size())));
    fractions_->setRowCount(fractionCount_->value());
    for (int row = 0; row < fractions_->rowCount(); ++row) {
        for (int column = 0; column < 3; ++column) {
            const std::string text =
                row < static_cast<int>(d.fractions.size())
                    ? d.fractions[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)]
                    : std::string();
            fractions_->setItem(row, column, new QTableWidgetItem(QString::fromStdString(text)));
        }
    }
    fractionCount_->setEnabled(d.useFractions);
    fractions_->setEnabled(d.useFractions);
    variable_->setCurrentIndex(d.variable == SweepVariable::Temperature ? 0 : 1);
    designTemp_->setEnabled(d.variable == SweepVariable::Pressure);
    designPressure_->setEnabled(d.variable == SweepVariable::Temperature);
    from_->setText(QString::fromStdString(d.fromText));
    to_->setText(QString::fromStdString(d.toText));
    step_->setText(QString::fromStdString(d.stepText));
    pointCount_->setValue(d.pointCount);
    designTemp_->setText(QString::fromStdString(d.designTempText));
    designPressure_->setText(QString::fromStdString(d.designPressureText));
    selectIndex(pressureUnit_, d.pressureUnitIndex);
    for (std::size_t i = 0; i < measured_.size(); ++i) {
        const MeasuredViscosityText entry =
            i < d.measured.size() ? d.measured[i] : MeasuredViscosityText{"", 1, ""};
        measured_[i].value->setText(QString::fromStdString(entry.viscosityText));
        selectIndex(measured_[i].unit, entry.viscosityUnitIndex);
        measured_[i].temperature->setText(QString::fromStdString(entry.temperatureText));
    }
    model_->setColumnUnits(d.columnUnits);
    filling_ = false;
}

bool CurvesWindow::isRunning() const {
    return runner_->isRunning();
}

void CurvesWindow::calculate() {
    const CurveDocument d = document();
    if (!runner_->start(d)) {
        return;
    }
    swept_ = d;
    calculate_->setEnabled(false);
    cancel_->setEnabled(true);
    progress_->setValue(0);
    status_->setText(QStringLiteral("Calculating..."));
}

void CurvesWindow::cancel() {
    runner_->cancel();
}

void CurvesWindow::stopSweep() {
    runner_->stopAsking();
}

void CurvesWindow::sweepEnded(const SweepResult& result) {
    const CurveDocument& d = swept_;
    calculate_->setEnabled(true);
    cancel_->setEnabled(false);
    const bool anchored = !d.measured.empty();
    model_->setSweep(result, d.tempUnitIndex + 1, d.pressureUnitIndex + 1, anchored);
    QStringList notes;
    if (!result.problem.empty()) {
        notes << QString::fromStdString(result.problem);
    }
    if (result.cancelled) {
        notes << QStringLiteral("Cancelled after %1 points.").arg(result.points.size());
    }
    if (anchored && !result.anchorNote.empty()) {
        notes << QString::fromStdString(result.anchorNote);
    }
    qsizetype stopped = 0;
    for (const SweepPoint& point : result.points) {
        stopped += point.outcome == CalcOutcome::Completed ? 0 : 1;
    }
    if (result.problem.empty()) {
        notes << QStringLiteral("%1 points, %2 not calculated.")
                     .arg(result.points.size())
                     .arg(stopped);
    }
    status_->setText(notes.join(QLatin1Char(' ')));
    table_->resizeColumnsToContents();
    plot_->refresh(d.variable == SweepVariable::Temperature ? 0 : 1);
    emit sweepFinished();
}

void CurvesWindow::showColumnUnitMenu(const QPoint& position) {
    const int column = table_->horizontalHeader()->logicalIndexAt(position);
    if (column < 0 || column >= model_->valueColumnCount() || !model_->column(column).quantity) {
        return;
    }
    const Quantity quantity = *model_->column(column).quantity;
    QMenu menu(this);
    const auto names = CUnitNameLists().names(quantity);
    for (std::size_t i = 0; i < names.size(); ++i) {
        QAction* action = menu.addAction(QString::fromStdString(names[i]));
        action->setCheckable(true);
        action->setChecked(static_cast<int>(i) + 1 == model_->shownUnitCode(column));
        connect(action, &QAction::triggered, this,
                [this, column, i] { model_->setColumnUnit(column, static_cast<int>(i)); });
    }
    menu.exec(table_->horizontalHeader()->mapToGlobal(position));
}

QString CurvesWindow::tableText(QChar separator) const {
    const bool csv = separator == QLatin1Char(',');
    const auto field = [csv](const QString& text) { return csv ? csvField(text) : text; };
    QStringList lines;
    QStringList header;
    for (int column = 0; column < model_->columnCount(); ++column) {
        header << field(model_->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString());
    }
    lines << header.join(separator);
    for (int row = 0; row < model_->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < model_->valueColumnCount(); ++column) {
            const auto value = model_->value(row, column);
            cells << (value ? QString::fromStdString(shortestNumberText(*value)) : QString());
        }
        QString message =
            QString::fromStdString(model_->sweep().points[static_cast<std::size_t>(row)].message);
        message.replace(QLatin1Char('\n'), QLatin1Char(' '));
        message.replace(QLatin1Char('\t'), QLatin1Char(' '));
        cells << field(message);
        lines << cells.join(separator);
    }
    return lines.join(csv ? QStringLiteral("\r\n") : QStringLiteral("\n")) +
           (csv ? QStringLiteral("\r\n") : QStringLiteral("\n"));
}

QString CurvesWindow::exportCsv(const QString& path) const {
    // Written as documents are: a failed export leaves the old file whole.
    const SaveResult saved = saveDocumentFile(QFile::encodeName(path).toStdString(),
                                              tableText(QLatin1Char(',')).toUtf8().toStdString());
    if (saved.ok) {
        return {};
    }
    return QString::fromStdString(saved.message)
        .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QString CurvesWindow::exportWorkbook(const QString& path) const {
    SheetModel sheet;
    sheet.name = "Curves";
    for (int column = 0; column < model_->columnCount(); ++column) {
        SheetCell& cell = sheet.cell(1, column + 1);
        cell.value =
            model_->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString().toStdString();
        cell.style.bold = true;
        sheet.columnWidths[column + 1] = 16;
    }
    for (int row = 0; row < model_->rowCount(); ++row) {
        for (int column = 0; column < model_->valueColumnCount(); ++column) {
            if (const auto value = model_->value(row, column)) {
                sheet.cell(row + 2, column + 1).value = shortestNumberText(*value);
            }
        }
        const std::string& message = model_->sweep().points[static_cast<std::size_t>(row)].message;
        if (!message.empty()) {
            sheet.cell(row + 2, model_->valueColumnCount() + 1).value = message;
        }
    }
    // In place of the old workbook only once complete, as reports are.
    PendingFile pending(QFile::encodeName(path).toStdString());
    if (!pending.created()) {
        return QString::fromStdString(pending.failure());
    }
    std::string problem = writeXlsxFile(sheet, pending.temporaryPath());
    if (problem.empty() && !pending.commit()) {
        problem = pending.failure();
    }
    return QString::fromStdString(problem);
}

QString CurvesWindow::exportPlot(const QString& path) const {
    return plot_->save(path);
}

void CurvesWindow::copyToClipboard() const {
    QApplication::clipboard()->setText(tableText(QLatin1Char('\t')));
}

void CurvesWindow::askExport(const QString& suggested, const QString& filter,
                             const std::function<QString(const QString&)>& write) {
    if (!exportPath_) {
        return;
    }
    const QString path = exportPath_(suggested, filter);
    if (path.isEmpty()) {
        return;
    }
    const QString problem = write(path);
    if (!problem.isEmpty()) {
        showFailure(problem);
    }
}

void CurvesWindow::showFailure(const QString& text) const {
    MessageBoxMessages::show(const_cast<CurvesWindow*>(this), QMessageBox::Warning, text,
                             QMessageBox::Ok);
}

} // namespace viskora
