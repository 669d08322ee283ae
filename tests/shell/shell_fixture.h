#pragma once

#include "documents/document_records.h"
#include "shell/desktop_opener.h"
#include "shell/file_dialogs.h"
#include "shell/viskora_app.h"

#include <QMessageBox>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <vector>

namespace viskora::testing {

// Records what the program hands to the desktop.
class RecordingOpener : public ShellOpener {
  public:
    bool openUrl(const QUrl& url, FailureHandler failed) override {
        urls << url;
        failures.push_back(std::move(failed));
        return opens;
    }

    QList<QUrl> urls;
    // What each opened URL's opener would call on failing later.
    std::vector<FailureHandler> failures;
    bool opens = true;
};

// File dialogs that answer from a script; an empty script cancels.
class ScriptedDialogs : public FileDialogs {
  public:
    QString openFileName(QWidget*, const QString& folder) override {
        openFolders << folder;
        return openAnswers.empty() ? QString() : take(openAnswers);
    }
    QString saveFileName(QWidget*, const QString& suggested) override {
        suggestions << suggested;
        return saveAnswers.empty() ? QString() : take(saveAnswers);
    }

    QString saveReportFileName(QWidget*, const QString& suggested) override {
        reportSuggestions << suggested;
        return saveAnswers.empty() ? QString() : take(saveAnswers);
    }

    std::deque<QString> openAnswers;
    // Save As and Save Report As take their answers from here.
    std::deque<QString> saveAnswers;
    QStringList openFolders;
    QStringList suggestions;
    QStringList reportSuggestions;

  private:
    static QString take(std::deque<QString>& answers) {
        QString answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

// Answers the modal message boxes shown while it lives, from a script of
// buttons (then OK, else the first button), and records their texts.
class MessageBoxScript : public QObject {
  public:
    explicit MessageBoxScript(std::deque<QMessageBox::StandardButton> answers = {});

    QStringList texts;

  private:
    void answer();

    QTimer timer_;
    std::deque<QMessageBox::StandardButton> answers_;
};

// A program started in a folder of its own: its settings, its output
// folder and the folder it believes to be its executable's.
class ShellTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    AppOptions options();
    // Starts the program with the arguments after its name.
    CViskoraApp& start(const QStringList& arguments = {});
    // Closes the main window (answering any box with the script given) and
    // ends the program, as at exit.
    void quit();

    CMainFrame& frame() const { return app->mainFrame(); }
    // The main window's action of that object name ("actionSave"), and
    // triggering it.
    QAction* action(const QString& name) const;
    void trigger(const QString& name);
    // The kinds and titles of the open documents, in window order.
    QStringList titles() const;
    OilDocument* activeDocument() const;

    // A calculation file in the test folder; `density` marks it.
    QString basicFile(const QString& name, const std::string& density = "850");
    QString additionalFile(const QString& name, const std::string& density = "870");
    QString textFile(const QString& name, const QByteArray& bytes);
    QString path(const QString& name) const { return folder.filePath(name); }

    QTemporaryDir folder;
    RecordingOpener opener;
    ScriptedDialogs dialogs;
    std::unique_ptr<CViskoraApp> app;
};

// A window's title as Qt shows it: "[*]" is "*" while the window is marked
// modified and nothing otherwise.
QString shownTitle(const QWidget& window);

// Runs the event loop until `done` holds or the time is up.
bool waitFor(const std::function<bool()>& done, int milliseconds = 5000);

} // namespace viskora::testing
