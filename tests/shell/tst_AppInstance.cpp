// SPDX-License-Identifier: GPL-3.0-or-later
// The program's start as separate processes: one copy at a time, the hand-over to the running
// copy, locks left by a killed copy, the auto start rule, the start-up language and the notice
// of a crash at the next start.

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

const QString kHelper = QStringLiteral(ZELKA_APP_HELPER);
const QString kHelperName = QFileInfo(kHelper).fileName();
const int kTimeoutMs = 20000;

// One copy of the program: its output lines as they come.
class Copy
{
public:
    Copy(const QProcessEnvironment &env, const QString &program, const QStringList &args)
    {
        m_process.setProcessEnvironment(env);
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(program, args);
    }
    ~Copy()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished();
        }
    }

    QStringList lines()
    {
        m_buffer += m_process.readAllStandardOutput();
        return QString::fromUtf8(m_buffer).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
    bool waitForLine(const QString &line, int timeoutMs = kTimeoutMs)
    {
        QElapsedTimer timer;
        timer.start();
        while (!lines().contains(line)) {
            if (timer.elapsed() > timeoutMs || m_process.state() == QProcess::NotRunning)
                return lines().contains(line);
            m_process.waitForReadyRead(100);
        }
        return true;
    }
    // The first line starting with the prefix, once it has come.
    QString firstLine(const QString &prefix)
    {
        QElapsedTimer timer;
        timer.start();
        for (;;) {
            for (const QString &line : lines()) {
                if (line.startsWith(prefix))
                    return line;
            }
            if (timer.elapsed() > kTimeoutMs || m_process.state() == QProcess::NotRunning)
                return QString();
            m_process.waitForReadyRead(100);
        }
    }
    bool waitForFinished() { return m_process.waitForFinished(kTimeoutMs); }
    void kill()
    {
        m_process.kill();
        m_process.waitForFinished();
    }
    QProcess &process() { return m_process; }

private:
    QProcess m_process;
    QByteArray m_buffer;
};

}  // namespace

class tst_AppInstance : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void secondCopyHandsOverAndEnds_data();
    void secondCopyHandsOverAndEnds();
    void killedCopyLeavesNoBlock();
    void silentOwnerEndsLaterCopy();
    void autoUpOnlyInArguments_data();
    void autoUpOnlyInArguments();
    void startLanguage_data();
    void startLanguage();
    void crashIsNoticedAtNextStart();

private:
    QString dataFolder() const { return m_root->filePath(QStringLiteral("data/") + kHelperName); }
    QString userConfigPath() const { return dataFolder() + QStringLiteral("/UserConfig/BrivexConfig.ini"); }
    QString runtimeFolder() const { return m_root->filePath(QStringLiteral("runtime")); }
    void setUserValue(const QString &key, const QVariant &value);
    // A copy of the program in a folder of the given name, with the translations beside it.
    QString installCopy(const QString &folder);
    std::unique_ptr<Copy> start(const QStringList &args = {}, const QString &program = kHelper)
    {
        return std::make_unique<Copy>(m_env, program, args);
    }

    std::unique_ptr<QTemporaryDir> m_root;
    QProcessEnvironment m_env;
};

void tst_AppInstance::init()
{
    // Every case has its own home, data and runtime folders, so no lock or socket is shared.
    m_root = std::make_unique<QTemporaryDir>();
    QVERIFY(m_root->isValid());
    for (const char *dir : {"home", "data", "config", "cache", "runtime"})
        QVERIFY(QDir().mkpath(m_root->filePath(QLatin1String(dir))));
    QFile::setPermissions(runtimeFolder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    m_env = QProcessEnvironment::systemEnvironment();
    m_env.insert(QStringLiteral("HOME"), m_root->filePath(QStringLiteral("home")));
    m_env.insert(QStringLiteral("XDG_DATA_HOME"), m_root->filePath(QStringLiteral("data")));
    m_env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_root->filePath(QStringLiteral("config")));
    m_env.insert(QStringLiteral("XDG_CACHE_HOME"), m_root->filePath(QStringLiteral("cache")));
    m_env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeFolder());
    m_env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    m_env.insert(QStringLiteral("LC_ALL"), QStringLiteral("en_US.UTF-8"));
    m_env.remove(QStringLiteral("LANGUAGE"));
}

void tst_AppInstance::cleanup()
{
    m_root.reset();
}

void tst_AppInstance::setUserValue(const QString &key, const QVariant &value)
{
    QSettings settings(userConfigPath(), QSettings::IniFormat);
    settings.setValue(key, value);
    settings.sync();
    QCOMPARE(settings.status(), QSettings::NoError);
}

QString tst_AppInstance::installCopy(const QString &folder)
{
    const QString dir = m_root->filePath(folder);
    const QString translations = dir + QStringLiteral("/translation");
    QDir().mkpath(translations);
    const QString program = dir + QLatin1Char('/') + kHelperName;
    if (!QFile::copy(kHelper, program))
        return QString();
    QFile::setPermissions(program, QFile::permissions(kHelper));
    const QDir built(QStringLiteral(ZELKA_TRANSLATION_DIR));
    for (const QString &qm : built.entryList({QStringLiteral("*.qm")}, QDir::Files))
        QFile::copy(built.filePath(qm), translations + QLatin1Char('/') + qm);
    return program;
}

void tst_AppInstance::secondCopyHandsOverAndEnds_data()
{
    QTest::addColumn<QStringList>("secondArgs");
    QTest::newRow("with an argument") << QStringList{QStringLiteral("profile.xml")};
    QTest::newRow("without arguments") << QStringList{};
}

void tst_AppInstance::secondCopyHandsOverAndEnds()
{
    QFETCH(QStringList, secondArgs);
    // The first copy starts hidden to the tray.
    setUserValue(QStringLiteral("AutoStart/isAutoStart"), true);
    auto first = start({QStringLiteral("--AutoUp")});
    QVERIFY(first->waitForLine(QStringLiteral("window visible=0 minimized=0")));

    auto second = start(secondArgs);
    QVERIFY(second->waitForFinished());
    QCOMPARE(second->process().exitStatus(), QProcess::NormalExit);
    QCOMPARE(second->process().exitCode(), 1);
    QVERIFY2(second->lines().isEmpty(), qPrintable(second->lines().join(QLatin1Char('\n'))));

    // The first copy brings its window forward and runs on.
    QVERIFY(first->waitForLine(QStringLiteral("window visible=1 minimized=0")));
    QCOMPARE(first->process().state(), QProcess::Running);
}

void tst_AppInstance::killedCopyLeavesNoBlock()
{
    auto first = start();
    QVERIFY(first->waitForLine(QStringLiteral("window visible=1 minimized=0")));
    first->kill();
    // What the killed copy leaves behind.
    QVERIFY(QFile::exists(runtimeFolder() + QLatin1Char('/') + kHelperName + QStringLiteral(".lock")));
    QVERIFY(QFile::exists(runtimeFolder() + QLatin1Char('/') + kHelperName + QStringLiteral(".socket")));

    auto next = start();
    QVERIFY(next->waitForLine(QStringLiteral("window visible=1 minimized=0")));

    // ... and the new copy is the one later copies find.
    auto later = start();
    QVERIFY(later->waitForFinished());
    QCOMPARE(later->process().exitCode(), 1);
    QCOMPARE(next->process().state(), QProcess::Running);
}

void tst_AppInstance::silentOwnerEndsLaterCopy()
{
    // A living process holds the lock but never answers (a copy still starting, or hung).
    QLockFile lock(runtimeFolder() + QLatin1Char('/') + kHelperName + QStringLiteral(".lock"));
    QVERIFY(lock.tryLock(0));

    auto copy = start();
    QVERIFY(copy->waitForFinished());
    QCOMPARE(copy->process().exitStatus(), QProcess::NormalExit);
    QCOMPARE(copy->process().exitCode(), 1);
    QVERIFY(copy->lines().isEmpty());
}

void tst_AppInstance::autoUpOnlyInArguments_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<bool>("autoStart");
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<bool>("tray");
    QTest::addColumn<QString>("state");

    const QStringList autoUp{QStringLiteral("--AutoUp")};
    const QString hidden = QStringLiteral("visible=0 minimized=0");
    const QString shown = QStringLiteral("visible=1 minimized=0");
    QTest::newRow("auto start entry") << "bin" << true << autoUp << true << hidden;
    QTest::newRow("auto start entry, no tray host")
        << "bin" << true << autoUp << false << QStringLiteral("visible=1 minimized=1");
    QTest::newRow("auto start off") << "bin" << false << autoUp << true << shown;
    QTest::newRow("AutoUp only in the folder") << "AutoUpTools" << true << QStringList{} << true << shown;
    QTest::newRow("other argument") << "bin" << true << QStringList{QStringLiteral("reopen")} << true << shown;
    QTest::newRow("case matters") << "bin" << true << QStringList{QStringLiteral("--autoup")} << true << shown;
}

void tst_AppInstance::autoUpOnlyInArguments()
{
    QFETCH(QString, folder);
    QFETCH(bool, autoStart);
    QFETCH(QStringList, args);
    QFETCH(bool, tray);
    QFETCH(QString, state);

    setUserValue(QStringLiteral("AutoStart/isAutoStart"), autoStart);
    const QString program = installCopy(folder);
    QVERIFY(!program.isEmpty());
    m_env.insert(QStringLiteral("HELPER_QUIT_MS"), QStringLiteral("300"));
    m_env.insert(QStringLiteral("HELPER_TRAY"), tray ? QStringLiteral("1") : QStringLiteral("0"));
    auto copy = start(args, program);
    QVERIFY(copy->waitForFinished());
    QCOMPARE(copy->process().exitCode(), 0);
    // The first state the window reports after start-up.
    QCOMPARE(copy->firstLine(QStringLiteral("window ")), QStringLiteral("window ") + state);
}

void tst_AppInstance::startLanguage_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("written");

    QTest::newRow("first start, German system") << QVariant() << "de_DE.UTF-8"
                                                << "Anmelden" << 10;
    QTest::newRow("stored French wins") << QVariant(13) << "de_DE.UTF-8"
                                        << "Connexion" << 13;
    QTest::newRow("stored -1 is the system's") << QVariant(-1) << "de_DE.UTF-8"
                                               << "Anmelden" << 10;
    QTest::newRow("stored 99 is the system's") << QVariant(99) << "de_DE.UTF-8"
                                               << "Anmelden" << 10;
    QTest::newRow("stored text is the system's") << QVariant(QStringLiteral("French")) << "de_DE.UTF-8"
                                                 << "Anmelden" << 10;
    QTest::newRow("first start, Dutch system") << QVariant() << "nl_NL.UTF-8"
                                               << "Login" << 3;
    QTest::newRow("Taiwan") << QVariant() << "zh_TW.UTF-8"
                            << "登入" << 2;
}

void tst_AppInstance::startLanguage()
{
    QFETCH(QVariant, stored);
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(int, written);

    if (stored.isValid())
        setUserValue(QStringLiteral("Language/selectLanguageIndex"), stored);
    const QString program = installCopy(QStringLiteral("bin"));
    QVERIFY(!program.isEmpty());
    m_env.insert(QStringLiteral("LC_ALL"), locale);
    m_env.insert(QStringLiteral("HELPER_QUIT_MS"), QStringLiteral("100"));
    auto copy = start({}, program);
    QVERIFY(copy->waitForFinished());
    QCOMPARE(copy->firstLine(QStringLiteral("text ")), QStringLiteral("text ") + text);

    QSettings settings(userConfigPath(), QSettings::IniFormat);
    QCOMPARE(settings.value(QStringLiteral("Language/selectLanguageIndex")).toInt(), written);
}

void tst_AppInstance::crashIsNoticedAtNextStart()
{
    m_env.insert(QStringLiteral("HELPER_CRASH"), QStringLiteral("segv"));
    auto crashing = start();
    QVERIFY(crashing->waitForFinished());
    QCOMPARE(crashing->process().exitStatus(), QProcess::CrashExit);
    const QDir dump(dataFolder() + QStringLiteral("/dump"));
    QCOMPARE(dump.entryList({QStringLiteral("*.dmp")}, QDir::Files).size(), 1);

    m_env.remove(QStringLiteral("HELPER_CRASH"));
    m_env.insert(QStringLiteral("HELPER_QUIT_MS"), QStringLiteral("500"));
    auto next = start();
    QVERIFY(next->waitForFinished());
    QCOMPARE(next->firstLine(QStringLiteral("box ")),
             QStringLiteral("box Exe Crash|<FONT size=3><div><b>I'm very sorroy for this crash !</b></div>"));

    // Only once.
    auto third = start();
    QVERIFY(third->waitForFinished());
    QVERIFY(third->firstLine(QStringLiteral("window ")).startsWith(QStringLiteral("window visible=1")));
    QCOMPARE(third->firstLine(QStringLiteral("box ")), QString());
}

QTEST_GUILESS_MAIN(tst_AppInstance)
#include "tst_AppInstance.moc"
