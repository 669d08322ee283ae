#include "shell_fixture.h"

#include "documents/document_format.h"
#include "shell/child_frame.h"
#include "shell/main_frame.h"
#include "shell/oil_document.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QThread>

namespace viskora::testing {

MessageBoxScript::MessageBoxScript(std::deque<QMessageBox::StandardButton> answers)
    : answers_(std::move(answers)) {
    connect(&timer_, &QTimer::timeout, this, &MessageBoxScript::answer);
    timer_.start(5);
}

void MessageBoxScript::answer() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible()) {
        return;
    }
    texts << box->text();
    QAbstractButton* button = nullptr;
    if (!answers_.empty()) {
        button = box->button(answers_.front());
        answers_.pop_front();
    }
    if (button == nullptr) {
        button = box->button(QMessageBox::Ok);
    }
    if (button == nullptr) {
        button = box->buttons().front();
    }
    button->click();
}

void ShellTest::SetUp() {
    ASSERT_TRUE(folder.isValid());
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, path("config"));
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, path("config"));
    QGuiApplication::setQuitOnLastWindowClosed(false);
    QDir(folder.path()).mkpath(QStringLiteral("bin/help"));
    QFile help(path("bin/help/index.html"));
    ASSERT_TRUE(help.open(QIODevice::WriteOnly));
    help.write("<html><body><h1>Viskora</h1></body></html>");
}

void ShellTest::TearDown() {
    if (app) {
        quit();
    }
}

AppOptions ShellTest::options() {
    AppOptions options;
    options.fileDialogs = &dialogs;
    options.opener = &opener;
    options.outputFolder = path("OUT").toStdString();
    options.executableFolder = path("bin");
    return options;
}

CViskoraApp& ShellTest::start(const QStringList& arguments) {
    app = std::make_unique<CViskoraApp>(options());
    app->initInstance(QStringList{path("bin/viskora")} + arguments);
    QApplication::processEvents();
    return *app;
}

void ShellTest::quit() {
    {
        // Whatever is still modified is discarded.
        MessageBoxScript script({QMessageBox::No, QMessageBox::No, QMessageBox::No});
        frame().close();
        QApplication::processEvents();
    }
    app->exitInstance();
    app.reset();
    QApplication::processEvents();
}

QAction* ShellTest::action(const QString& name) const {
    return frame().findChild<QAction*>(name);
}

void ShellTest::trigger(const QString& name) {
    QAction* command = action(name);
    ASSERT_NE(command, nullptr) << name.toStdString();
    command->trigger();
    QApplication::processEvents();
}

QStringList ShellTest::titles() const {
    QStringList list;
    for (const OilDocument* document : app->documents()) {
        list << document->title();
    }
    return list;
}

OilDocument* ShellTest::activeDocument() const {
    CChildFrame* child = frame().activeChild();
    return child != nullptr ? &child->document() : nullptr;
}

QString ShellTest::basicFile(const QString& name, const std::string& density) {
    BasicDocumentRecord record;
    record.densityText = density;
    return textFile(
        name, QByteArray::fromStdString(basicDocumentText(record, RecordFractionRows(record))));
}

QString ShellTest::additionalFile(const QString& name, const std::string& density) {
    AdditionalDocumentRecord record;
    record.densityText = density;
    return textFile(name, QByteArray::fromStdString(
                              additionalDocumentText(record, RecordFractionRows(record))));
}

QString ShellTest::textFile(const QString& name, const QByteArray& bytes) {
    QFile file(path(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return QFileInfo(file).absoluteFilePath();
}

bool waitFor(const std::function<bool()>& done, int milliseconds) {
    const QDeadlineTimer deadline(milliseconds);
    while (!done()) {
        if (deadline.hasExpired()) {
            return false;
        }
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
    return true;
}

QString shownTitle(const QWidget& window) {
    return QString(window.windowTitle())
        .replace(QStringLiteral("[*]"),
                 window.isWindowModified() ? QStringLiteral("*") : QString());
}

} // namespace viskora::testing
