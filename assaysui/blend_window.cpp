#include "assaysui/blend_window.h"

#include "assays/assay_figures.h"
#include "assays/blend.h"
#include "assaysui/oil_figures_model.h"
#include "assaysui/oil_file.h"
#include "assaysui/plot_curves.h"
#include "assaysui/viscosity_plot.h"
#include "forms/message_box_messages.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include <numeric>

namespace viskora {

BlendWindow::BlendWindow(QWidget* parent)
    : QWidget(parent), parts_(new BlendPartsModel(this)), figures_(new OilFiguresModel(this)) {
    auto* split = new QSplitter(Qt::Horizontal);
    split->addWidget(makeParts());
    split->addWidget(makeResults());
    split->setStretchFactor(0, 4);
    split->setStretchFactor(1, 7);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(split);
    connect(parts_, &BlendPartsModel::edited, this, &BlendWindow::recompute);
    connect(name_, &QLineEdit::textEdited, this, &BlendWindow::recompute);
    connect(basis_, &QComboBox::currentIndexChanged, this, &BlendWindow::recompute);
    recompute();
}

QWidget* BlendWindow::makeParts() {
    name_ = new QLineEdit(QStringLiteral("Blend"));
    name_->setObjectName(QStringLiteral("blendName"));
    basis_ = new QComboBox;
    basis_->setObjectName(QStringLiteral("shareBasis"));
    basis_->addItems({QStringLiteral("Mass %"), QStringLiteral("Volume %")});
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Name"), name_);
    form->addRow(QStringLiteral("Shares by"), basis_);

    partsView_ = new QTableView;
    partsView_->setObjectName(QStringLiteral("blendParts"));
    partsView_->setModel(parts_);
    partsView_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    partsView_->setSelectionBehavior(QAbstractItemView::SelectRows);
    partsView_->setMinimumWidth(340);

    addOil_ = new QPushButton(QStringLiteral("Add Oil"));
    addOil_->setObjectName(QStringLiteral("addOil"));
    addOil_->setToolTip(QStringLiteral("Add the oil of an open assay or calculation"));
    auto* oilMenu = new QMenu(addOil_);
    addOil_->setMenu(oilMenu);
    connect(oilMenu, &QMenu::aboutToShow, this, &BlendWindow::fillOilMenu);
    auto* addFile = new QPushButton(QStringLiteral("Add File..."));
    addFile->setObjectName(QStringLiteral("addFile"));
    addFile->setToolTip(
        QStringLiteral("Add the oil of an assay (.vka) or calculation (.vkr) file"));
    connect(addFile, &QPushButton::clicked, this, &BlendWindow::addFile);
    auto* remove = new QPushButton(QStringLiteral("Remove"));
    remove->setObjectName(QStringLiteral("removeOil"));
    connect(remove, &QPushButton::clicked, this, [this] {
        const QModelIndex current = partsView_->currentIndex();
        if (current.isValid()) {
            parts_->removeOil(current.row());
        }
    });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(addOil_);
    buttons->addWidget(addFile);
    buttons->addWidget(remove);
    buttons->addStretch();

    shareCheck_ = new QLabel;
    shareCheck_->setObjectName(QStringLiteral("shareCheck"));
    shareCheck_->setWordWrap(true);
    problem_ = new QLabel;
    problem_->setObjectName(QStringLiteral("problem"));
    problem_->setWordWrap(true);
    problem_->setStyleSheet(QStringLiteral("color: #b00000"));
    openAsAssay_ = new QPushButton(QStringLiteral("Open as Assay"));
    openAsAssay_->setObjectName(QStringLiteral("openAsAssay"));
    openAsAssay_->setToolTip(QStringLiteral("Open the blend as a new assay window"));
    connect(openAsAssay_, &QPushButton::clicked, this, [this] {
        if (blend_) {
            emit openAsAssay(*blend_);
        }
    });

    auto* panel = new QWidget;
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    column->addLayout(form);
    column->addWidget(partsView_, 1);
    column->addLayout(buttons);
    column->addWidget(shareCheck_);
    column->addWidget(problem_);
    column->addWidget(openAsAssay_, 0, Qt::AlignLeft);
    return panel;
}

QWidget* BlendWindow::makeResults() {
    auto* view = new QTableView;
    view->setObjectName(QStringLiteral("blendFigures"));
    view->setModel(figures_);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    view->verticalHeader()->setDefaultSectionSize(view->verticalHeader()->minimumSectionSize() + 4);
    // Every figure in sight under the oils' names, the plot taking the rest
    // of the height; the names' heading has its height once there are oils.
    const auto showEveryFigure = [view, this] {
        view->setMinimumHeight(2 * view->frameWidth() +
                               view->horizontalHeader()->sizeHint().height() +
                               figures_->rowCount() * view->verticalHeader()->defaultSectionSize());
    };
    showEveryFigure();
    connect(figures_, &QAbstractItemModel::modelReset, view, showEveryFigure);
    plot_ = new ViscosityPlot;
    auto* split = new QSplitter(Qt::Vertical);
    split->addWidget(view);
    split->addWidget(plot_);
    split->setStretchFactor(1, 1);
    return split;
}

void BlendWindow::fillOilMenu() {
    QMenu* menu = addOil_->menu();
    menu->clear();
    const std::vector<NamedOil> oils = choices_ ? choices_() : std::vector<NamedOil>();
    if (oils.empty()) {
        menu->addAction(QStringLiteral("No assay or calculation with fractions is open"))
            ->setEnabled(false);
    }
    for (const NamedOil& oil : oils) {
        const QString text =
            oil.name == oil.source ? oil.name : QStringLiteral("%1 (%2)").arg(oil.name, oil.source);
        connect(menu->addAction(text), &QAction::triggered, this, [this, oil] { addOil(oil); });
    }
}

void BlendWindow::addFile() {
    const QString path = oilFile_ ? oilFile_() : QString();
    if (path.isEmpty()) {
        return;
    }
    QString failure;
    std::optional<NamedOil> oil = readOilFile(path, failure);
    if (!oil) {
        MessageBoxMessages::show(this, QMessageBox::Warning,
                                 QStringLiteral("%1 cannot be blended.\n%2").arg(path, failure),
                                 QMessageBox::Ok);
        return;
    }
    addOil(std::move(*oil));
}

void BlendWindow::addOil(NamedOil oil) {
    const std::vector<double> shares = parts_->shares();
    const double sum = std::accumulate(shares.begin(), shares.end(), 0.0);
    parts_->addOil(std::move(oil), std::clamp(100 - sum, 0.0, 100.0));
}

QString BlendWindow::shareCheck() const {
    return shareCheck_->text();
}

void BlendWindow::recompute() {
    const std::vector<double> shares = parts_->shares();
    const std::optional<QString> shareFault = shareProblem(shares);
    shareCheck_->setText(shareFault.value_or(QStringLiteral("The shares add up to 100 %.")));
    shareCheck_->setStyleSheet(shareFault ? QStringLiteral("color: #b00000") : QString());

    std::vector<OilFiguresModel::NamedFigures> columns;
    std::vector<ViscosityPlot::Curve> curves;
    QStringList faults;
    std::vector<assays::BlendPart> blendParts;
    for (int row = 0; row < parts_->rowCount(); ++row) {
        const NamedOil& oil = parts_->oil(row);
        blendParts.push_back({oil.oil, shares[static_cast<std::size_t>(row)]});
        const assays::FiguresOutcome outcome = assays::characteriseAssay(oil.oil);
        if (outcome.figures) {
            columns.push_back({oil.name, outcome.figures->oil});
            curves.push_back(oilCurve(oil.name, outcome.figures->oil, false));
        } else {
            faults << QStringLiteral("Oil %1 (%2): %3")
                          .arg(row + 1)
                          .arg(oil.name, QString::fromStdString(outcome.problem));
        }
    }
    blend_.reset();
    if (!shareFault) {
        const QString name = name_->text().trimmed();
        assays::BlendOutcome outcome = assays::blendOils(
            blendParts,
            basis_->currentIndex() == 1 ? assays::ShareBasis::Volume : assays::ShareBasis::Mass,
            name.isEmpty() ? std::string("Blend") : name.toStdString());
        if (outcome.blend) {
            const assays::FiguresOutcome figures = assays::characteriseAssay(*outcome.blend);
            if (figures.figures) {
                blend_ = std::move(outcome.blend);
                const QString title = QString::fromStdString(blend_->name);
                columns.push_back({title, figures.figures->oil});
                curves.insert(curves.begin(), oilCurve(title, figures.figures->oil, true));
            } else {
                faults << QString::fromStdString(figures.problem);
            }
        } else if (faults.isEmpty()) {
            faults << QString::fromStdString(outcome.problem);
        }
    }
    problem_->setText(faults.join(QLatin1Char('\n')));
    problem_->setVisible(!faults.isEmpty());
    openAsAssay_->setEnabled(blend_.has_value());
    figures_->setOils(std::move(columns));
    plot_->setCurves(curves);
}

} // namespace viskora
