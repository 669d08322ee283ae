#include "shell/about_dlg.h"

#include "forms/form_builder.h"
#include "reports/report_texts.h"
#include "shell/hyperlink_static.h"

#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

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

QLabel* textAt(const DialogUnits& units, QWidget* parent, const QRect& place, const QString& text,
               Qt::Alignment alignment) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(alignment | Qt::AlignTop);
    label->setGeometry(units.toPixels(place));
    return label;
}

} // namespace

CAboutDlg::CAboutDlg(ShellOpener& opener, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("About Viskora"));
    QFont font(QStringLiteral("MS Shell Dlg"), 8);
    font.setStyleHint(QFont::SansSerif);
    setFont(font);
    const DialogUnits units(font);
    setFixedSize(units.toPixels(QSize(286, 108)));

    auto* frame = new QGroupBox(this);
    frame->setGeometry(units.toPixels(QRect(36, 0, 174, 96)));

    auto* icon = new QLabel(this);
    const QRect iconPlace = units.toPixels(QRect(7, 7, 20, 20));
    icon->setGeometry(iconPlace);
    icon->setPixmap(QIcon(QStringLiteral(":/icons/viskora.png")).pixmap(iconPlace.size()));

    textAt(units, this, {46, 12, 152, 8}, QStringLiteral("Viskora Version 2.0"), Qt::AlignHCenter);
    textAt(units, this, {46, 26, 152, 8}, QStringLiteral("Copyright \u00a9 Qavel Engineering"),
           Qt::AlignHCenter);
    textAt(units, this, {46, 64, 58, 8}, QStringLiteral("Homepage : "), Qt::AlignRight);
    textAt(units, this, {46, 78, 58, 8}, QStringLiteral("Support : "), Qt::AlignRight);

    homePage_ = new CHyperlinkStatic(opener, this);
    homePage_->setObjectName(QStringLiteral("homePage"));
    homePage_->setGeometry(units.toPixels(QRect(106, 64, 90, 8)));
    homePage_->setLinkText(shownHomePage());
    homePage_->setTarget(homePageAddress());

    const QString mail = QString::fromLatin1(kSupportMailAddress);
    support_ = new CHyperlinkStatic(opener, this);
    support_->setObjectName(QStringLiteral("support"));
    support_->setGeometry(units.toPixels(QRect(106, 78, 90, 8)));
    support_->setLinkText(mail);
    support_->setTarget(QStringLiteral("mailto:") + mail);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setGeometry(units.toPixels(QRect(218, 4, 60, 14)));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace viskora
