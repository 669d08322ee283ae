#include "shell/about_dlg.h"

#include "reports/report_texts.h"
#include "shell/desktop_opener.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace viskora {
namespace {

QString homePageAddress() {
    return QString::fromUtf8(report_texts::kHomePageAddress);
}

// The address as people write it: without the scheme and the closing slash.
QString shownHomePage() {
    QString shown = homePageAddress();
    shown.remove(QStringLiteral("https://"));
    if (shown.endsWith(QLatin1Char('/'))) {
        shown.chop(1);
    }
    return shown;
}

QLabel* centred(const QString& text) {
    auto* label = new QLabel(text);
    label->setAlignment(Qt::AlignHCenter);
    return label;
}

} // namespace

CAboutDlg::CAboutDlg(ShellOpener& opener, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("About Viskora"));
    QFont font(QStringLiteral("MS Shell Dlg"), 8);
    font.setStyleHint(QFont::SansSerif);
    setFont(font);

    auto* icon = new QLabel;
    icon->setPixmap(QIcon(QStringLiteral(":/icons/viskora.png")).pixmap(32, 32));

    // A link in the palette's link colour, underlined, with the hand cursor
    // over its text; a click on the text hands the target to the desktop.
    const auto link = [this, &opener](const char* name, const QString& shown,
                                      const QString& target) {
        auto* label = new QLabel(QStringLiteral("<a href=\"%1\">%2</a>")
                                     .arg(target.toHtmlEscaped(), shown.toHtmlEscaped()));
        label->setObjectName(QLatin1String(name));
        connect(label, &QLabel::linkActivated, this,
                [&opener](const QString& url) { opener.openUrl(QUrl(url)); });
        return label;
    };
    const QString mail = QString::fromLatin1(kSupportMailAddress);
    homePage_ = link("homePage", shownHomePage(), homePageAddress());
    support_ = link("support", mail, QStringLiteral("mailto:") + mail);

    auto* addresses = new QFormLayout;
    addresses->setLabelAlignment(Qt::AlignRight);
    addresses->addRow(QStringLiteral("Homepage : "), homePage_);
    addresses->addRow(QStringLiteral("Support : "), support_);

    auto* frame = new QGroupBox;
    auto* texts = new QVBoxLayout(frame);
    texts->addWidget(centred(QStringLiteral("Viskora Version 2.0")));
    texts->addWidget(centred(QStringLiteral("Copyright \u00a9 Qavel Engineering")));
    texts->addSpacing(2 * fontMetrics().height());
    texts->addLayout(addresses);

    auto* ok = new QPushButton(QStringLiteral("OK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(icon, 0, Qt::AlignTop);
    layout->addWidget(frame);
    layout->addWidget(ok, 0, Qt::AlignTop);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace viskora
