// SPDX-License-Identifier: GPL-3.0-or-later
#include "DAppllication.h"

#include "CrashReport.h"
#include "DDataManager.h"
#include "DLoginWidget.h"
#include "InstanceLock.h"
#include "LogCategories.h"
#include "QtLinguist.h"
#include "QuitSignalNotifier.h"

#include "UserSettings.h"
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QLocalServer>
#include <QLocalSocket>
#include <QMessageBox>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QSystemTrayIcon>
#include <QTextStream>

namespace {

const int kConnectTimeoutMs = 500;
const int kReadTimeoutMs = 1000;
const int kWriteTimeoutMs = 30000;

QString appDataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

}  // namespace

DAppllication::DAppllication(const QString &appId, int &argc, char **argv, bool alreadyRunning,
                             MainWindowFactory createMainWindow)
    : QApplication(argc, argv)
    , m_appId(appId)
    , m_createMainWindow(std::move(createMainWindow))
{
    // As early as the application-data folder is known, before anything else can fail.
    CrashReport::install(dumpFolder());

    QApplication::setFont(programFont());

    if (!alreadyRunning)
        loadStartLanguage();
    setupSingleInstance(alreadyRunning);
    if (!alreadyRunning && !m_isSecondInstance)
        startLogin();
}

DAppllication::~DAppllication()
{
    m_mainWindow.reset();
    m_loginWidget.reset();
}

QFont DAppllication::programFont()
{
    QFont font = QApplication::font();
    font.setFamily(QStringLiteral("Microsoft YaHei"));
    font.setPixelSize(12);
    return font;
}

int DAppllication::runProgram(int &argc, char **argv, const MainWindowFactory &createMainWindow)
{
    // High-DPI scaling is always on; it must be set before the application object exists.
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);

    InstanceLock lock(InstanceLock::executableName());
    const bool alreadyRunning = !lock.acquire();
    if (alreadyRunning)
        qCDebug(lcUi, "--------------- EXE already runing -----------------");

    int result = 0;
    QString program;
    {
        DAppllication app(QStringLiteral("ZELKA1.0.0.0"), argc, argv, alreadyRunning, createMainWindow);
        if (app.isSecondInstance())
            return 1;
        app.noticeLastCrash();
        // A quit signal that came while the crash notice was open has closed it and the window.
        result = app.isQuitRequested() ? 0 : app.exec();
        program = QCoreApplication::applicationFilePath();
    }
    // The new copy must find neither this lock nor this server.
    lock.unlock();
    if (result == kRestartCode)
        restartApplication(program, QStringLiteral("reopen"));
    return result;
}

bool DAppllication::restartApplication(const QString &program, const QString &argument)
{
    return QProcess::startDetached(program, QStringList{argument});
}

void DAppllication::loadStartLanguage()
{
    setAttribute(Qt::AA_DontCreateNativeWidgetSiblings);
    setApplicationVersion(QStringLiteral("1.0.0.0"));
    setQuitOnLastWindowClosed(true);

    QtLinguist *loader = linguist();
    const int defaultIndex = QtLinguist::systemLanguage();
    int inUse = defaultIndex;

    if (QDir(UserSettings::folder()).exists()) {
        const UserSettings stored;
        const int index = stored.languageIndex();
        // A value that names no language (a hand-edited file) gives way to the system's.
        if (loader->languageFiles().contains(index))
            inUse = index;
        else if (index != -1)
            qCDebug(lcUi) << "DAppllication: stored language" << index << "unknown; the system's is used";
    }
    if (!loader->loadLanguage(QtLinguist::Language(inUse)))
        qCDebug(lcUi) << "DAppllication: language" << inUse << "not loaded; the texts stay English";

    m_languageSettings = std::make_unique<UserSettings>();
    m_languageSettings->setValue(UserSettingsKey::Language, inUse);
    m_languageSettings->sync();

    QSettings::setDefaultFormat(QSettings::IniFormat);
}

void DAppllication::setupSingleInstance(bool alreadyRunning)
{
    m_isSecondInstance = false;
    m_server = nullptr;
    m_activationWindow = nullptr;
    m_serverName = InstanceLock::serverPath(InstanceLock::executableName());
    qCDebug(lcUi) << "DAppllication:" << m_appId << "server" << m_serverName;

    // Without a safe place for the socket copies cannot hand over; the lock alone keeps them apart.
    if (!m_serverName.isEmpty() && connectToRunningInstance()) {
        m_isSecondInstance = true;
        return;
    }
    if (alreadyRunning) {
        // The other copy is still starting or hangs; a second window would only compete with it.
        qCWarning(lcUi, "DAppllication: another copy of the program holds the lock but does not answer; "
                        "this copy ends");
        m_isSecondInstance = true;
        return;
    }
    if (!m_serverName.isEmpty())
        startLocalServer();
}

bool DAppllication::connectToRunningInstance()
{
    QLocalSocket socket;
    socket.connectToServer(m_serverName, QIODevice::ReadWrite);
    if (!socket.waitForConnected(kConnectTimeoutMs))
        return false;

    const QStringList args = arguments();
    QTextStream stream(&socket);
    stream << (args.size() > 1 ? args.last() : QString());
    stream.flush();
    if (socket.bytesToWrite() > 0 && !socket.waitForBytesWritten(kWriteTimeoutMs))
        qCWarning(lcUi, "DAppllication: the running copy did not take the argument");
    socket.disconnectFromServer();
    return true;
}

void DAppllication::startLocalServer()
{
    m_server = new QLocalServer(this);
    connect(m_server, &QLocalServer::newConnection, this, &DAppllication::newLocalConnection);
    if (m_server->listen(m_serverName))
        return;
    if (m_server->serverError() == QAbstractSocket::AddressInUseError) {
        // Nobody answered on it above: the socket is what a crashed copy left behind.
        InstanceLock::removeStaleServer(m_serverName);
        if (m_server->listen(m_serverName))
            return;
    }
    qCWarning(lcUi, "DAppllication: cannot listen on %s: %s", qPrintable(m_serverName),
              qPrintable(m_server->errorString()));
}

void DAppllication::newLocalConnection()
{
    QLocalSocket *socket = m_server ? m_server->nextPendingConnection() : nullptr;
    if (!socket)
        return;
    // The other copy's argument changes nothing here.
    socket->waitForReadyRead(kReadTimeoutMs);
    delete socket;

    if (QWidget *window = m_activationWindow) {
        window->raise();
        window->activateWindow();
        window->setWindowState((window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
        window->show();
    }
}

void DAppllication::startLogin()
{
    m_loginWidget = std::make_unique<DLoginWidget>();
    connect(m_loginWidget.get(), &DLoginWidget::sigLoginFinished, this, &DAppllication::onLoginFinished);
    m_loginWidget->on_pushButton_Login_clicked();
}

void DAppllication::onLoginFinished(bool bok)
{
    if (!bok)
        return;
    if (m_loginWidget)
        m_loginWidget->fadeOut();

    // From here on SIGTERM and SIGHUP wait until the window can quit in order.
    QuitSignalNotifier::install();
    QWidget *window = m_createMainWindow ? m_createMainWindow() : nullptr;
    if (!window) {
        qCWarning(lcUi, "DAppllication: no main window");
        return;
    }
    auto *quitSignals = new QuitSignalNotifier(this);
    connect(quitSignals, &QuitSignalNotifier::quitRequested, this, &DAppllication::onQuitSignal);
    m_mainWindow.reset(window);
    window->activateWindow();
    window->show();
    m_activationWindow = window;

    const bool autoStart = UserSettings().autoStart();
    // Started by the session's auto start entry: only the tray icon shows. Without a tray host
    // there would be no way back to a hidden window, so it starts minimised instead.
    if (startsHidden(autoStart, arguments())) {
        const QVariant tray = window->property("trayAvailable");
        if (tray.isValid() ? tray.toBool() : QSystemTrayIcon::isSystemTrayAvailable())
            window->hide();
        else
            window->showMinimized();
    }
}

void DAppllication::onQuitSignal(int signalNumber)
{
    qCWarning(lcUi, "DAppllication: signal %d: quitting", signalNumber);
    m_quitRequested = true;
    // The main window's own quit closes the devices and writes the log's last line.
    QWidget *window = m_mainWindow.get();
    if (window && window->metaObject()->indexOfSlot("onQuitApp()") >= 0) {
        QMetaObject::invokeMethod(window, "onQuitApp");
        return;
    }
    exitWithCode(0);
}

bool DAppllication::startsHidden(bool autoStart, const QStringList &arguments)
{
    if (!autoStart)
        return false;
    for (int i = 1; i < arguments.size(); ++i) {
        if (arguments.at(i).contains(QLatin1String("AutoUp"), Qt::CaseSensitive))
            return true;
    }
    return false;
}

QString DAppllication::dumpFolder()
{
    return QStringLiteral("%1/dump").arg(appDataFolder());
}

void DAppllication::noticeLastCrash()
{
    // Where a crash is noted as seen when the dump folder cannot be written.
    const QString noticed =
        QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/noticedCrash");
    const QString report = CrashReport::takeLastReport(dumpFolder(), noticed);
    if (report.isEmpty())
        return;
    qCWarning(lcUi, "DAppllication: the last run crashed: %s", qPrintable(report));
    QMessageBox::critical(
        nullptr, QObject::tr("Exe Crash"),
        QStringLiteral("<FONT size=3><div><b>%1</b></div>").arg(QObject::tr("I'm very sorroy for this crash !")),
        QMessageBox::Ok);
}

bool DAppllication::loadLanguage(int language)
{
    return linguist()->loadLanguage(QtLinguist::Language(language));
}

bool DAppllication::loadLanguageFile(const QString &path)
{
    return linguist()->loadLanguageFile(path);
}

QtLinguist *DAppllication::linguist()
{
    if (!m_linguist)
        m_linguist = std::make_unique<QtLinguist>();
    return m_linguist.get();
}

void DAppllication::exitWithCode(int code)
{
    if (m_mainWindow)
        m_mainWindow->hide();
    if (m_loginWidget)
        m_loginWidget->hide();
    exit(code);
}
