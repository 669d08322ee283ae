// viskora-form-preview [basic|additional]: one calculation form alone in a
// window, for development while the main window does not exist yet.

#include "forms/complex_oil_view.h"
#include "forms/simple_oil_view.h"

#include <QApplication>

#include <cstdio>
#include <memory>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Viskora"));

    const QStringList args = QApplication::arguments();
    const QString kind = args.size() > 1 ? args[1] : QStringLiteral("basic");
    std::unique_ptr<viskora::OilFormView> form;
    if (kind == QLatin1String("basic")) {
        form = std::make_unique<viskora::CSimpleOilView>();
    } else if (kind == QLatin1String("additional")) {
        form = std::make_unique<viskora::CComplexOilView>();
    } else {
        std::fputs("usage: viskora-form-preview [basic|additional]\n", stderr);
        return 2;
    }
    form->setWindowTitle(kind);
    QObject::connect(form.get(), &viskora::OilFormView::documentModified, form.get(),
                     [&form, kind] { form->setWindowTitle(kind + QStringLiteral(" *")); });
    form->initialUpdate();
    form->show();
    return QApplication::exec();
}
