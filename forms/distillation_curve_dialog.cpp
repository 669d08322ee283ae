#include "forms/distillation_curve_dialog.h"

#include "ui_distillation_curve_dialog.h"

#include "units/display_format.h"
#include "units/number_text.h"
#include "units/unit_tables.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScatterSeries>
#include <QSpinBox>
#include <QTableWidget>
#include <QValueAxis>

#include <algorithm>
#include <array>

namespace viskora {
namespace {

using distillation::CurveType;

constexpr int kInitialPointRows = 12;

struct TypeEntry {
    const char* label;
    CurveType type;
};

constexpr std::array<TypeEntry, 5> kTypes = {{
    {"ASTM D86 (by volume)", CurveType::D86},
    {"TBP by volume", CurveType::TbpVolume},
    {"TBP by mass", CurveType::TbpMass},
    {"Simulated distillation D2887 (by mass)", CurveType::SimDist},
    {"ASTM D1160 at 10 mmHg (by volume)", CurveType::D1160},
}};

QString unitSymbol(int tempUnit) {
    constexpr std::array<const char*, 4> kSymbols = {"K", "\u00b0C", "\u00b0F", "\u00b0R"};
    return QString::fromUtf8(
        kSymbols[static_cast<std::size_t>(std::clamp(tempUnit, unit::kKelvin, unit::kRankine))]);
}

QString cellText(const QTableWidget* table, int row, int column) {
    const QTableWidgetItem* item = table->item(row, column);
    return item ? item->text() : QString();
}

void setCell(QTableWidget* table, int row, int column, const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    table->setItem(row, column, item);
}

QStringList fieldsOf(const QString& line) {
    if (line.contains(QLatin1Char('\t'))) {
        return line.split(QLatin1Char('\t'));
    }
    if (line.contains(QLatin1Char(';'))) {
        return line.split(QLatin1Char(';'));
    }
    return line.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}

bool isNumber(const QString& text) {
    return readLeadingNumber(text.trimmed().toStdString()).has_value();
}

QString temperatureText(double celsius, int tempUnit) {
    return QString::fromStdString(
        formatFixed(convertTemperature(celsius, unit::kCelsius, tempUnit), 1));
}

// A typed temperature from one unit into another, to two decimals without
// trailing zeros; a text that is not a number stays as it is, for the
// conversion to name.
QString temperatureInUnit(const QString& text, int fromUnit, int toUnit) {
    const auto value = readWholeNumber(text.trimmed().toStdString());
    if (!value || fromUnit == toUnit || text.trimmed().isEmpty()) {
        return text;
    }
    QString converted =
        QString::fromStdString(formatFixed(convertTemperature(*value, fromUnit, toUnit), 2));
    while (converted.endsWith(QLatin1Char('0'))) {
        converted.chop(1);
    }
    if (converted.endsWith(QLatin1Char('.'))) {
        converted.chop(1);
    }
    return converted;
}

// How much of a plot that no longer shows the curve is drawn.
constexpr double kStaleOpacity = 0.35;

// What the note says when the curve has changed since Convert, and when
// Fill has converted and shows what it will write.
const QString kStaleNote =
    QStringLiteral("The curve has changed since Convert: the plot and the table show the "
                   "curve before. Convert again, or Fill to convert and see what it fills.");
const QString kCheckNote =
    QStringLiteral("Converted: this is what Fill writes. Fill once more to write it.");

} // namespace

CurveDialog::CurveDialog(int tempUnit, std::optional<double> density20, QWidget* parent)
    : QDialog(parent), tempUnit_(tempUnit), density20_(density20) {
    Ui::CurveDialog ui;
    ui.setupUi(this);
    type_ = ui.curveType;
    method_ = ui.method;
    points_ = ui.points;
    byCount_ = ui.byCount;
    count_ = ui.count;
    byStep_ = ui.byStep;
    step_ = ui.step;
    plot_ = ui.plot;
    converted_ = ui.converted;
    fit_ = ui.fit;
    messages_ = ui.messages;
    note_ = ui.note;

    for (const TypeEntry& entry : kTypes) {
        type_->addItem(QString::fromUtf8(entry.label));
    }
    method_->addItem(QStringLiteral("Daubert 1994 (API 3A1.1)"));
    method_->addItem(QStringLiteral("Riazi-Daubert 1986"));
    connect(type_, &QComboBox::currentIndexChanged, this, &CurveDialog::updateMethodBox);

    points_->setRowCount(kInitialPointRows);
    points_->setColumnCount(2);
    points_->setHorizontalHeaderLabels(
        {QStringLiteral("Distilled, %"), QStringLiteral("Temperature, ") + unitSymbol(tempUnit_)});
    points_->installEventFilter(this);
    connect(ui.paste, &QPushButton::clicked, this,
            [this] { pastePoints(QApplication::clipboard()->text()); });

    plot_->setRenderHint(QPainter::Antialiasing);
    converted_->setColumnCount(3);
    converted_->setHorizontalHeaderLabels({QStringLiteral("Distilled, %"),
                                           QStringLiteral("Given, ") + unitSymbol(tempUnit_),
                                           QStringLiteral("TBP, ") + unitSymbol(tempUnit_)});
    converted_->verticalHeader()->setVisible(false);
    for (QTableWidget* table : {points_, converted_}) {
        table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
        table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    }

    auto* convertButton =
        ui.buttons->addButton(QStringLiteral("&Convert"), QDialogButtonBox::ActionRole);
    auto* fillButton = ui.buttons->addButton(QStringLiteral("&Fill"), QDialogButtonBox::AcceptRole);
    fillButton->setObjectName(QStringLiteral("fill"));
    convertButton->setObjectName(QStringLiteral("convert"));
    connect(convertButton, &QPushButton::clicked, this, [this] { convert(); });
    connect(ui.buttons, &QDialogButtonBox::accepted, this, &CurveDialog::fill);
    connect(ui.buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    // Any change to what the conversion reads leaves the results shown
    // behind it.
    connect(points_, &QTableWidget::itemChanged, this, &CurveDialog::markStale);
    connect(type_, &QComboBox::currentIndexChanged, this, &CurveDialog::markStale);
    connect(method_, &QComboBox::currentIndexChanged, this, &CurveDialog::markStale);
    connect(byCount_, &QRadioButton::toggled, this, &CurveDialog::markStale);
    connect(count_, &QSpinBox::valueChanged, this, &CurveDialog::markStale);
    connect(step_, &QSpinBox::valueChanged, this, &CurveDialog::markStale);
    updateMethodBox();
}

void CurveDialog::updateMethodBox() {
    method_->setEnabled(kTypes[static_cast<std::size_t>(type_->currentIndex())].type ==
                        CurveType::D86);
}

bool CurveDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == points_ &&
        (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste)) {
        // The override is taken so that the key press reaches the table
        // rather than a shortcut elsewhere.
        event->accept();
        if (event->type() == QEvent::KeyPress) {
            pastePoints(QApplication::clipboard()->text());
        }
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void CurveDialog::markStale() {
    if (!resultShown_ || stale_) {
        return;
    }
    stale_ = true;
    plot_->chart()->setOpacity(kStaleOpacity);
    converted_->setEnabled(false);
    fit_->setEnabled(false);
    note_->setText(kStaleNote);
    note_->show();
}

QString CurveDialog::noteText() const {
    return note_->isVisible() ? note_->text() : QString();
}

CurveDialog::Entries CurveDialog::entries() const {
    Entries e;
    e.typeIndex = type_->currentIndex();
    e.methodIndex = method_->currentIndex();
    e.byCount = byCount_->isChecked();
    e.count = count_->value();
    e.step = step_->value();
    e.tempUnit = tempUnit_;
    for (int row = 0; row < points_->rowCount(); ++row) {
        const QString percent = cellText(points_, row, 0).trimmed();
        const QString temperature = cellText(points_, row, 1).trimmed();
        if (!percent.isEmpty() || !temperature.isEmpty()) {
            e.points.emplace_back(percent, temperature);
        }
    }
    return e;
}

void CurveDialog::setEntries(const Entries& e) {
    type_->setCurrentIndex(std::clamp(e.typeIndex, 0, type_->count() - 1));
    method_->setCurrentIndex(std::clamp(e.methodIndex, 0, method_->count() - 1));
    (e.byCount ? byCount_ : byStep_)->setChecked(true);
    count_->setValue(e.count);
    step_->setValue(e.step);
    points_->clearContents();
    points_->setRowCount(std::max(kInitialPointRows, static_cast<int>(e.points.size()) + 2));
    for (std::size_t i = 0; i < e.points.size(); ++i) {
        setCell(points_, static_cast<int>(i), 0, e.points[i].first);
        setCell(points_, static_cast<int>(i), 1,
                temperatureInUnit(e.points[i].second, e.tempUnit, tempUnit_));
    }
    if (!e.points.empty()) {
        convert();
    }
}

void CurveDialog::pastePoints(const QString& text) {
    QStringList lines = text.split(QLatin1Char('\n'));
    std::vector<std::pair<QString, QString>> pairs;
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty()) {
            continue;
        }
        const QStringList fields = fieldsOf(line);
        const QString percent = fields.value(0).trimmed();
        const QString temperature = fields.value(1).trimmed();
        if (pairs.empty() && !isNumber(percent) && !isNumber(temperature)) {
            continue; // a heading
        }
        pairs.emplace_back(percent, temperature);
    }
    if (pairs.empty()) {
        return;
    }
    points_->clearContents();
    points_->setRowCount(std::max(kInitialPointRows, static_cast<int>(pairs.size()) + 2));
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        setCell(points_, static_cast<int>(i), 0, pairs[i].first);
        setCell(points_, static_cast<int>(i), 1, pairs[i].second);
    }
    convert();
}

distillation::CurveInput CurveDialog::input() const {
    distillation::CurveInput in;
    in.type = kTypes[static_cast<std::size_t>(type_->currentIndex())].type;
    in.method = method_->currentIndex() == 0 ? distillation::D86Method::Daubert
                                             : distillation::D86Method::RiaziDaubert;
    in.tempUnit = tempUnit_;
    in.density20 = density20_;
    in.rule = byCount_->isChecked()
                  ? distillation::RowRule{distillation::RowRule::Kind::Count, count_->value()}
                  : distillation::RowRule{distillation::RowRule::Kind::Step, step_->value()};
    for (int row = 0; row < points_->rowCount(); ++row) {
        const QString percent = cellText(points_, row, 0).trimmed();
        const QString temperature = cellText(points_, row, 1).trimmed();
        if (percent.isEmpty() && temperature.isEmpty()) {
            continue;
        }
        in.points.push_back({percent.toStdString(), temperature.toStdString()});
    }
    return in;
}

bool CurveDialog::convert() {
    const distillation::CurveInput in = input();
    const distillation::CurveOutcome outcome = distillation::convertCurve(in);
    showOutcome(in, outcome);
    return outcome.usable();
}

QString CurveDialog::messageText() const {
    return messages_->text();
}

void CurveDialog::fill() {
    const bool current = resultShown_ && !stale_;
    const distillation::CurveInput in = input();
    const distillation::CurveOutcome outcome = distillation::convertCurve(in);
    showOutcome(in, outcome);
    if (!outcome.usable()) {
        return;
    }
    if (!current) {
        // The rows were not on view: they are now, and the next Fill
        // writes them.
        note_->setText(kCheckNote);
        note_->show();
        return;
    }
    rows_ = outcome.rowTexts;
    accept();
}

void CurveDialog::showOutcome(const distillation::CurveInput& in,
                              const distillation::CurveOutcome& outcome) {
    resultShown_ = true;
    stale_ = false;
    converted_->setEnabled(true);
    fit_->setEnabled(true);
    note_->hide();
    QStringList lines;
    for (const std::string& error : outcome.errors) {
        lines << QString::fromStdString(error);
    }
    for (const std::string& warning : outcome.warnings) {
        lines << QStringLiteral("Note: ") + QString::fromStdString(warning);
    }
    messages_->setText(lines.join(QLatin1Char('\n')));
    messages_->setStyleSheet(outcome.usable() ? QString() : QStringLiteral("color: #b00000;"));

    converted_->setRowCount(0);
    fit_->clear();
    if (outcome.usable()) {
        const auto addRow = [&](const QString& percent, const QString& given, const QString& tbp) {
            const int row = converted_->rowCount();
            converted_->insertRow(row);
            setCell(converted_, row, 0, percent);
            setCell(converted_, row, 1, given);
            setCell(converted_, row, 2, tbp);
        };
        if (outcome.given.front().percent > 0) {
            addRow(QStringLiteral("0 (fitted)"), QString(),
                   temperatureText(outcome.startTemperature, tempUnit_));
        }
        for (std::size_t i = 0; i < outcome.given.size(); ++i) {
            addRow(QString::fromStdString(formatForDisplay(outcome.given[i].percent)),
                   temperatureText(outcome.given[i].temperature, tempUnit_),
                   temperatureText(outcome.tbp.points[i].temperature, tempUnit_));
        }
        if (outcome.given.back().percent < 100) {
            addRow(QStringLiteral("100 (table end)"), QString(),
                   temperatureText(outcome.rows.back().end, tempUnit_));
        }
        QString fit = outcome.tbp.basis == distillation::CurveBasis::Mass
                          ? QStringLiteral("TBP by mass. ")
                          : QStringLiteral("TBP by volume, weighed into mass over the cuts. ");
        if (outcome.fit) {
            const distillation::RiaziDistribution& d = outcome.fit->distribution;
            fit += QStringLiteral("Fitted distribution: T0 = %1 K, A = %2, B = %3, R\u00b2 = %4.")
                       .arg(QString::fromStdString(formatFixed(d.t0, 1)),
                            QString::fromStdString(formatFixed(d.a, 4)),
                            QString::fromStdString(formatFixed(d.b, 3)),
                            QString::fromStdString(formatFixed(outcome.fit->rSquared, 4)));
        }
        if (outcome.tbp.watsonK) {
            fit += QStringLiteral(" Watson K %1.")
                       .arg(QString::fromStdString(formatFixed(*outcome.tbp.watsonK, 2)));
        }
        fit += QStringLiteral(" %1 fractions.").arg(outcome.rows.size());
        fit_->setText(fit);
        fit_->setWordWrap(true);
    }
    showPlot(in, outcome);
}

void CurveDialog::showPlot(const distillation::CurveInput& in,
                           const distillation::CurveOutcome& outcome) {
    auto* chart = new QChart;
    chart->legend()->setAlignment(Qt::AlignBottom);
    auto* xAxis = new QValueAxis;
    xAxis->setRange(0, 100);
    xAxis->setTitleText(QStringLiteral("Distilled, %"));
    xAxis->setLabelFormat(QStringLiteral("%.0f"));
    auto* yAxis = new QValueAxis;
    yAxis->setTitleText(QStringLiteral("Temperature, ") + unitSymbol(in.tempUnit));
    yAxis->setLabelFormat(QStringLiteral("%.0f"));
    chart->addAxis(xAxis, Qt::AlignBottom);
    chart->addAxis(yAxis, Qt::AlignLeft);

    double low = 0;
    double high = 0;
    bool any = false;
    const auto add = [&](QXYSeries* series, const std::vector<distillation::CurvePoint>& points) {
        for (const distillation::CurvePoint& p : points) {
            const double t = convertTemperature(p.temperature, unit::kCelsius, in.tempUnit);
            series->append(p.percent, t);
            low = any ? std::min(low, t) : t;
            high = any ? std::max(high, t) : t;
            any = true;
        }
        chart->addSeries(series);
        series->attachAxis(xAxis);
        series->attachAxis(yAxis);
    };
    if (outcome.usable()) {
        auto* curve = new QLineSeries;
        curve->setName(QStringLiteral("TBP by mass (table)"));
        add(curve, outcome.massCurve);
        auto* given = new QScatterSeries;
        given->setName(QStringLiteral("Given"));
        given->setMarkerSize(8);
        add(given, outcome.given);
        auto* tbp = new QScatterSeries;
        tbp->setName(outcome.tbp.basis == distillation::CurveBasis::Mass
                         ? QStringLiteral("TBP")
                         : QStringLiteral("TBP by volume"));
        tbp->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
        tbp->setMarkerSize(7);
        add(tbp, outcome.tbp.points);
    }
    if (any && high > low) {
        yAxis->setRange(low, high);
        yAxis->applyNiceNumbers();
    }
    QChart* old = plot_->chart();
    plot_->setChart(chart);
    delete old;
}

} // namespace viskora
