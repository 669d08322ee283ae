#include "property_curves_ui/curves_window.h"

#include "documents/unit_name_lists.h"
#include "forms/message_box_messages.h"
#include "property_curves_ui/curves_plot.h"
#include "property_curves_ui/curves_table_export.h"
#include "property_curves_ui/curves_table_model.h"
#include "property_curves_ui/sweep_runner.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

namespace viskora {

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

bool CurvesWindow::isRunning() const {
    return runner_->isRunning();
}

void CurvesWindow::calculate() {
    if (isRunning() || !numbersReadable()) {
        return;
    }
    const CurveDocument d = document();
    if (!runner_->start(d)) {
        return;
    }
    running_ = d;
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
    calculate_->setEnabled(true);
    cancel_->setEnabled(false);
    if (!result.problem.empty()) {
        // Refused before its first point: the last table and plot stay.
        status_->setText(QString::fromStdString(result.problem));
        emit sweepFinished();
        return;
    }
    swept_ = running_;
    const CurveDocument& d = swept_;
    const bool anchored = !d.measured.empty();
    model_->setSweep(result, d.tempUnitIndex, d.pressureUnitIndex, anchored);
    QStringList notes;
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
    notes << QStringLiteral("%1 points, %2 not calculated.").arg(result.points.size()).arg(stopped);
    status_->setText(notes.join(QLatin1Char(' ')));
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
        action->setChecked(static_cast<int>(i) == model_->shownUnitCode(column));
        connect(action, &QAction::triggered, this,
                [this, column, i] { model_->setColumnUnit(column, static_cast<int>(i)); });
    }
    menu.exec(table_->horizontalHeader()->mapToGlobal(position));
}

void CurvesWindow::copyToClipboard() const {
    QApplication::clipboard()->setText(curvesTableTabText(*model_));
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
