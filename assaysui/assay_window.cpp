#include "assaysui/assay_window.h"

#include "assaysui/cut_figures_model.h"
#include "assaysui/cut_table_model.h"
#include "assaysui/cut_table_view.h"
#include "assaysui/figures_export.h"
#include "assaysui/light_end_yield_model.h"
#include "assaysui/oil_figures_model.h"
#include "assaysui/plot_curves.h"
#include "assaysui/viscosity_plot.h"
#include "documents/unit_name_lists.h"
#include "forms/message_box_messages.h"
#include "grid/light_end_table_view.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

namespace viskora {
namespace {

constexpr double kUsualDensityTempC = 15;

QComboBox* unitBox(Quantity quantity, const QString& objectName, int code) {
    auto* box = new QComboBox;
    box->setObjectName(objectName);
    const CUnitNameLists lists;
    for (const std::string& name : lists.names(quantity)) {
        box->addItem(QString::fromStdString(name));
    }
    box->setCurrentIndex(code);
    return box;
}

QLineEdit* numberBox(const QString& objectName, const QString& placeholder) {
    auto* box = new QLineEdit;
    box->setObjectName(objectName);
    box->setPlaceholderText(placeholder);
    box->setMinimumWidth(70);
    box->setMaximumWidth(110);
    return box;
}

QTableView* figuresView(QAbstractItemModel* model, const QString& objectName) {
    auto* view = new QTableView;
    view->setObjectName(objectName);
    view->setModel(model);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    view->verticalHeader()->setDefaultSectionSize(view->verticalHeader()->minimumSectionSize() + 4);
    QObject::connect(model, &QAbstractItemModel::modelReset, view,
                     &QTableView::resizeColumnsToContents);
    return view;
}

} // namespace

AssayWindow::AssayWindow(QWidget* parent)
    : QWidget(parent), cuts_(new CutTableModel(this)), lightEnds_(new LightEndYieldModel(this)),
      cutFigures_(new CutFiguresModel(this)), oilFigures_(new OilFiguresModel(this)) {
    auto* split = new QSplitter(Qt::Horizontal);
    split->addWidget(makeInputs());
    split->addWidget(makeResults());
    // The cut table keeps the width of its numbers; the figures and the
    // plot take the rest.
    split->setStretchFactor(0, 4);
    split->setStretchFactor(1, 7);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(split);

    connect(cuts_, &CutTableModel::edited, this, &AssayWindow::edited);
    connect(lightEnds_, &LightEndYieldModel::shareEdited, this, &AssayWindow::edited);
    for (QLineEdit* box : {name_, density_, densityTemp_}) {
        connect(box, &QLineEdit::textEdited, this, &AssayWindow::edited);
    }
    for (QComboBox* box : {densityUnit_, tempUnit_}) {
        connect(box, &QComboBox::currentIndexChanged, this, &AssayWindow::edited);
    }
    connect(basis_, &QComboBox::currentIndexChanged, this, [this] {
        const assays::YieldBasis basis =
            basis_->currentIndex() == 1 ? assays::YieldBasis::Mass : assays::YieldBasis::Volume;
        cuts_->setYieldBasis(basis);
        lightEnds_->setYieldBasis(basis);
        edited();
    });
    recompute();
}

QWidget* AssayWindow::makeInputs() {
    name_ = new QLineEdit;
    name_->setObjectName(QStringLiteral("assayName"));
    basis_ = new QComboBox;
    basis_->setObjectName(QStringLiteral("yieldBasis"));
    basis_->addItems({QStringLiteral("Volume %"), QStringLiteral("Mass %")});
    density_ = numberBox(QStringLiteral("oilDensity"), QStringLiteral("from the cuts"));
    densityUnit_ = unitBox(Quantity::Density, QStringLiteral("oilDensityUnit"), unit::kKgPerM3);
    densityTemp_ = numberBox(QStringLiteral("oilDensityTemp"), QStringLiteral("15"));
    tempUnit_ = unitBox(Quantity::Temperature, QStringLiteral("oilTempUnit"), unit::kCelsius);

    auto* oil = new QGroupBox(QStringLiteral("Assay"));
    auto* form = new QFormLayout(oil);
    form->addRow(QStringLiteral("Name"), name_);
    form->addRow(QStringLiteral("Yields by"), basis_);
    const auto pair = [](QWidget* box, QWidget* unit) {
        auto* row = new QHBoxLayout;
        row->addWidget(box);
        row->addWidget(unit);
        row->addStretch();
        return row;
    };
    form->addRow(QStringLiteral("Whole oil's density"), pair(density_, densityUnit_));
    form->addRow(QStringLiteral("at temperature"), pair(densityTemp_, tempUnit_));

    cutTable_ = new CutTableView(*cuts_);
    auto* add = new QPushButton(QStringLiteral("Add Cut"));
    auto* insert = new QPushButton(QStringLiteral("Insert Cut"));
    auto* remove = new QPushButton(QStringLiteral("Remove Cuts"));
    add->setObjectName(QStringLiteral("addCut"));
    insert->setObjectName(QStringLiteral("insertCut"));
    remove->setObjectName(QStringLiteral("removeCuts"));
    remove->setToolTip(QStringLiteral("Remove the rows of the selected cells"));
    connect(add, &QPushButton::clicked, this, [this] { cuts_->insertCut(cuts_->rowCount()); });
    connect(insert, &QPushButton::clicked, this, [this] {
        const QModelIndex current = cutTable_->currentIndex();
        cuts_->insertCut(current.isValid() ? current.row() : 0);
    });
    connect(remove, &QPushButton::clicked, this, [this] {
        QList<int> rows;
        for (const QModelIndex& index : cutTable_->selectionModel()->selectedIndexes()) {
            if (!rows.contains(index.row())) {
                rows << index.row();
            }
        }
        std::sort(rows.begin(), rows.end(), std::greater<>());
        for (int row : rows) {
            cuts_->removeCuts(row, 1);
        }
    });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(insert);
    buttons->addWidget(remove);
    buttons->addStretch();

    problem_ = new QLabel;
    problem_->setObjectName(QStringLiteral("problem"));
    problem_->setWordWrap(true);
    problem_->setStyleSheet(QStringLiteral("color: #b00000"));
    note_ = new QLabel;
    note_->setObjectName(QStringLiteral("pasteNote"));
    note_->setWordWrap(true);
    note_->hide();
    connect(cutTable_, &CutTableView::pasted, this, [this](int refused) {
        note_->setVisible(refused > 0);
        note_->setText(
            QStringLiteral("%1 pasted value(s) were not numbers and were left out.").arg(refused));
    });

    auto* inputs = new QWidget;
    auto* column = new QVBoxLayout(inputs);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(oil);
    auto* cutsTitle = new QLabel(
        QStringLiteral("TBP cuts (Ctrl+V pastes a block; right-click a heading for its unit)"));
    cutsTitle->setWordWrap(true);
    column->addWidget(cutsTitle);
    column->addWidget(cutTable_, 1);
    // The light ends under the cuts, right of their commands and the
    // problem line, so that the cut table keeps the width of the window's
    // left side and the figures and plot theirs.
    auto* commands = new QVBoxLayout;
    commands->addLayout(buttons);
    commands->addWidget(problem_);
    commands->addWidget(note_);
    commands->addStretch();
    auto* below = new QHBoxLayout;
    below->addLayout(commands, 1);
    below->addWidget(makeLightEnds());
    column->addLayout(below);
    return inputs;
}

// The light ends by component: an assay gives them so or as one cut ending
// at or below 36 deg.C, not both.
QWidget* AssayWindow::makeLightEnds() {
    auto* table = new LightEndTableView;
    table->setObjectName(QStringLiteral("lightEnds"));
    table->setLightEndModel(lightEnds_);
    auto* box = new QGroupBox(QStringLiteral("Light ends"));
    box->setToolTip(QStringLiteral("By component, or as a cut ending at or below 36 °C: not "
                                   "both. Empty: not given."));
    auto* column = new QVBoxLayout(box);
    column->addWidget(table);
    column->addStretch();
    return box;
}

QWidget* AssayWindow::makeResults() {
    cutFiguresView_ = figuresView(cutFigures_, QStringLiteral("cutFigures"));
    oilFiguresView_ = figuresView(oilFigures_, QStringLiteral("oilFigures"));
    oilFiguresView_->horizontalHeader()->hide();
    oilFiguresView_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    oilFiguresView_->setMaximumWidth(230);
    plot_ = new ViscosityPlot;

    auto* csv = new QPushButton(QStringLiteral("CSV..."));
    auto* report = new QPushButton(QStringLiteral("Report..."));
    csv->setObjectName(QStringLiteral("csv"));
    report->setObjectName(QStringLiteral("report"));
    csv->setToolTip(
        QStringLiteral("Save the characterised cuts and the whole oil's figures as CSV"));
    report->setToolTip(QStringLiteral("Save a report as PDF, HTML or an .xlsx workbook"));
    connect(csv, &QPushButton::clicked, this, [this] {
        exportFile(QStringLiteral("assay.csv"), QStringLiteral("CSV (*.csv)"),
                   [this](const QString& path) { return writeAssayCsv(*figures_, path); });
    });
    connect(report, &QPushButton::clicked, this, [this] {
        exportFile(
            QStringLiteral("assay.pdf"),
            QStringLiteral("PDF (*.pdf);;HTML (*.html);;Workbook (*.xlsx)"),
            [this](const QString& path) { return writeAssayReport(assay(), *figures_, path); });
    });
    auto* bar = new QHBoxLayout;
    bar->addWidget(new QLabel(QStringLiteral("Characterised cuts")));
    bar->addStretch();
    bar->addWidget(csv);
    bar->addWidget(report);

    auto* top = new QWidget;
    auto* topLayout = new QVBoxLayout(top);
    topLayout->setContentsMargins(0, 0, 0, 0);
    topLayout->addLayout(bar);
    topLayout->addWidget(cutFiguresView_);

    auto* bottom = new QSplitter(Qt::Horizontal);
    auto* oilBox = new QGroupBox(QStringLiteral("Whole oil"));
    auto* oilLayout = new QVBoxLayout(oilBox);
    oilLayout->setContentsMargins(2, 2, 2, 2);
    oilLayout->addWidget(oilFiguresView_);
    bottom->addWidget(oilBox);
    bottom->addWidget(plot_);
    bottom->setStretchFactor(1, 1);

    auto* results = new QSplitter(Qt::Vertical);
    results->addWidget(top);
    results->addWidget(bottom);
    results->setSizes({230, 320});
    return results;
}

assays::Assay AssayWindow::assay() const {
    assays::Assay assay;
    assay.name = name_->text().trimmed().toStdString();
    assay.basis =
        basis_->currentIndex() == 1 ? assays::YieldBasis::Mass : assays::YieldBasis::Volume;
    assay.cuts = cuts_->cuts();
    assay.lightEnds = lightEnds_->yields();
    QString ignored;
    assay.density = densityOfBoxes(ignored);
    return assay;
}

std::optional<assays::StatedDensity> AssayWindow::densityOfBoxes(QString& problem) const {
    if (density_->text().trimmed().isEmpty()) {
        return std::nullopt;
    }
    const auto value = typedNumber(density_->text());
    if (!value) {
        problem = QStringLiteral("The whole oil's density is not a number.");
        return std::nullopt;
    }
    double tempC = kUsualDensityTempC;
    if (!densityTemp_->text().trimmed().isEmpty()) {
        const auto temp = typedNumber(densityTemp_->text());
        if (!temp) {
            problem = QStringLiteral("The temperature of the whole oil's density is not a number.");
            return std::nullopt;
        }
        tempC = convertTemperature(*temp, tempUnit_->currentIndex(), unit::kCelsius);
    }
    return assays::StatedDensity{
        convert(Quantity::Density, *value, densityUnit_->currentIndex(), unit::kKgPerM3), tempC};
}

void AssayWindow::setAssay(const assays::Assay& assay) {
    filling_ = true;
    name_->setText(QString::fromStdString(assay.name));
    basis_->setCurrentIndex(assay.basis == assays::YieldBasis::Mass ? 1 : 0);
    cuts_->setYieldBasis(assay.basis);
    lightEnds_->setYieldBasis(assay.basis);
    lightEnds_->setYields(assay.lightEnds);
    densityUnit_->setCurrentIndex(unit::kKgPerM3);
    tempUnit_->setCurrentIndex(unit::kCelsius);
    density_->setText(assay.density ? editableNumber(assay.density->kgPerM3) : QString());
    densityTemp_->setText(assay.density ? editableNumber(assay.density->tempC) : QString());
    cuts_->setCuts(assay.cuts);
    filling_ = false;
    recompute();
}

QString AssayWindow::problem() const {
    return problem_->text();
}

void AssayWindow::edited() {
    if (filling_) {
        return;
    }
    recompute();
    emit modified();
}

void AssayWindow::recompute() {
    QString problem;
    // Boxes and cells that hold no number are named, first the density's.
    densityOfBoxes(problem);
    lightEnds_->yields(&problem);
    const assays::Assay current = assay();
    figures_.reset();
    if (problem.isEmpty() && current.cuts.empty()) {
        problem =
            QStringLiteral("Add the assay's cuts: type them or paste them from a spreadsheet.");
    }
    if (problem.isEmpty()) {
        assays::FiguresOutcome outcome = assays::characteriseAssay(current);
        figures_ = std::move(outcome.figures);
        problem = QString::fromStdString(outcome.problem);
    }
    problem_->setText(problem);
    problem_->setVisible(!problem.isEmpty());
    if (figures_) {
        cutFigures_->setCuts(figures_->cuts);
        oilFigures_->setOils({{QStringLiteral("Whole oil"), figures_->oil}});
        plot_->setCurves(assayCurves(current, *figures_));
    } else {
        cutFigures_->setCuts({});
        oilFigures_->setOils({});
        plot_->setCurves({});
    }
    for (QPushButton* button : findChildren<QPushButton*>()) {
        if (button->objectName() == QLatin1String("csv") ||
            button->objectName() == QLatin1String("report")) {
            button->setEnabled(figures_.has_value());
        }
    }
}

void AssayWindow::exportFile(const QString& suggested, const QString& filter,
                             const std::function<QString(const QString&)>& write) {
    if (!exportPath_ || !figures_) {
        return;
    }
    const QString path = exportPath_(suggested, filter);
    if (path.isEmpty()) {
        return;
    }
    const QString failure = write(path);
    if (!failure.isEmpty()) {
        MessageBoxMessages::show(this, QMessageBox::Warning, failure, QMessageBox::Ok);
    }
}

} // namespace viskora
