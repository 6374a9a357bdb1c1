// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's application object. Its constructor installs the crash reports, sets the
// application font, loads the user's language, makes sure only one copy of the program runs
// (a second copy hands its last argument to the first, which brings its window forward) and
// runs the login step, which creates the main window. runProgram() is the whole program entry.

#include <QApplication>
#include <QFont>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class DLoginWidget;
class QEvent;
class QLocalServer;
class UserSettings;
class QtLinguist;

class DAppllication : public QApplication
{
    Q_OBJECT
public:
    // Creates the main window (no parent); called once by the login step.
    using MainWindowFactory = std::function<QWidget *()>;

    static constexpr int kRestartCode = 123;

    // alreadyRunning: another living copy holds the program's instance lock.
    DAppllication(const QString &appId, int &argc, char **argv, bool alreadyRunning,
                  MainWindowFactory createMainWindow = MainWindowFactory());
    ~DAppllication() override;

    // The program entry: instance lock, application object, event loop, restart on 123.
    // Returns 1 when another copy runs (the argument handed over, or that copy not answering).
    static int runProgram(int &argc, char **argv, const MainWindowFactory &createMainWindow);
    // The program's font: every widget that sets none of its own is drawn in it.
    static QFont programFont();
    // Starts program detached with the one argument; whether the start succeeded.
    static bool restartApplication(const QString &program, const QString &argument);

    // True when another copy of the program runs: this one handed its argument over (or found
    // the other copy not answering) and must end without a window.
    bool isSecondInstance() const { return m_isSecondInstance; }

    bool loadLanguage(int language);
    bool loadLanguageFile(const QString &path);
    // Created on the first call.
    QtLinguist *linguist();
    // Hides the windows and ends the event loop with the code.
    void exitWithCode(int code);

    QWidget *mainWindow() const { return m_mainWindow.get(); }
    // Shows the "Exe Crash" message when the last run of the program crashed.
    void noticeLastCrash();
    // Whether SIGTERM or SIGHUP asked the program to quit. A request served inside a nested
    // event loop (a message shown before the program's own loop began) ends that loop only, so
    // the program's loop must not begin after it.
    bool isQuitRequested() const { return m_quitRequested; }

    // Whether a start hides the main window again: auto start on and "AutoUp" (case-sensitive)
    // in one of the arguments after the program's path.
    static bool startsHidden(bool autoStart, const QStringList &arguments);
    // The folder of the crash reports: "dump" in the application-data folder.
    static QString dumpFolder();

signals:
    void sigGlobalMouseMove(QEvent *e);

public slots:
    void onLoginFinished(bool bok);
    void newLocalConnection();

private:
    void loadStartLanguage();
    void setupSingleInstance(bool alreadyRunning);
    bool connectToRunningInstance();
    void startLocalServer();
    void startLogin();
    // SIGTERM or SIGHUP: the same orderly quit as the tray's Quit.
    void onQuitSignal(int signalNumber);

    QString m_appId;
    MainWindowFactory m_createMainWindow;
    std::unique_ptr<DLoginWidget> m_loginWidget;
    std::unique_ptr<QWidget> m_mainWindow;
    std::unique_ptr<QtLinguist> m_linguist;
    std::unique_ptr<UserSettings> m_languageSettings;
    bool m_isSecondInstance = false;
    QLocalServer *m_server = nullptr;
    QString m_serverName;
    QPointer<QWidget> m_activationWindow;
    bool m_quitRequested = false;
};
