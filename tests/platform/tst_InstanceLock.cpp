// SPDX-License-Identifier: GPL-3.0-or-later
// The instance lock against what a crash, another host or a hostile hand leaves in its place, and
// where the lock and the socket go when there is no runtime folder.

#include "InstanceLock.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <optional>

#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const QString kName = QStringLiteral("zelka-lock-test");

// Collects the warnings of one case.
QStringList *s_messages = nullptr;
void collect(QtMsgType, const QMessageLogContext &, const QString &message)
{
    if (s_messages)
        s_messages->append(message);
}

qint64 deadPid()
{
    QProcess process;
    process.start(QStringLiteral("true"), QStringList());
    process.waitForFinished();
    return process.processId() > 0 ? process.processId() : 999999;
}

// A live process of another user for as long as this object lives: as root, a child that drops to
// the uid of "nobody" (and stays dumpable, so /proc shows it as that user's); otherwise process 1.
class OtherUsersProcess
{
public:
    OtherUsersProcess()
    {
        if (::geteuid() != 0) {
            m_pid = 1;
            return;
        }
        int ready[2];
        if (::pipe(ready) != 0)
            return;
        const pid_t child = ::fork();
        if (child == 0) {
            ::close(ready[0]);
            const bool dropped = ::setgid(65534) == 0 && ::setuid(65534) == 0 && ::prctl(PR_SET_DUMPABLE, 1) == 0;
            const char byte = dropped ? 'y' : 'n';
            if (::write(ready[1], &byte, 1) != 1 || !dropped)
                ::_exit(1);
            ::pause();
            ::_exit(0);
        }
        ::close(ready[1]);
        char byte = 'n';
        const bool told = child > 0 && ::read(ready[0], &byte, 1) == 1;
        ::close(ready[0]);
        m_child = child;
        if (told && byte == 'y')
            m_pid = child;
    }
    ~OtherUsersProcess()
    {
        if (m_child > 0) {
            ::kill(m_child, SIGKILL);
            ::waitpid(m_child, nullptr, 0);
        }
    }
    OtherUsersProcess(const OtherUsersProcess &) = delete;
    OtherUsersProcess &operator=(const OtherUsersProcess &) = delete;
    // 0 when no such process could be made.
    qint64 pid() const { return m_pid; }

private:
    pid_t m_child = 0;
    qint64 m_pid = 0;
};

}  // namespace

class tst_InstanceLock : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void leftoverLock_data();
    void leftoverLock();
    void liveHolderOfThisUser_keepsTheLock();
    void withoutRuntimeFolder_lockAndSocketStayTheUsers();
    void fileAtSocketPath_isRemovedAndNamed();

private:
    std::unique_ptr<QTemporaryDir> m_root;
    QStringList m_messages;
    QtMessageHandler m_previousHandler = nullptr;
};

void tst_InstanceLock::init()
{
    m_root = std::make_unique<QTemporaryDir>();
    QVERIFY(m_root->isValid());
    const QString runtime = m_root->filePath(QStringLiteral("runtime"));
    QVERIFY(QDir().mkpath(runtime));
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(m_root->filePath(QStringLiteral("cache"))));
    qputenv("TMPDIR", QFile::encodeName(m_root->filePath(QStringLiteral("tmp"))));
    QVERIFY(QDir().mkpath(m_root->filePath(QStringLiteral("tmp"))));
    m_messages.clear();
    s_messages = &m_messages;
    m_previousHandler = qInstallMessageHandler(collect);
}

void tst_InstanceLock::cleanup()
{
    qInstallMessageHandler(m_previousHandler);
    s_messages = nullptr;
    m_root.reset();
}

void tst_InstanceLock::leftoverLock_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("content");
    const QByteArray host = QSysInfo::machineHostName().toUtf8();
    QTest::newRow("empty") << "file" << QByteArray();
    QTest::newRow("garbled") << "file" << QByteArray("\x01\x02garbage\n\xff");
    QTest::newRow("other host, live pid")
        << "file" << QByteArray::number(QCoreApplication::applicationPid()) + "\nzelka\nelsewhere.example\n";
    QTest::newRow("dead pid") << "file" << QByteArray::number(deadPid()) + "\nzelka\n" + host + "\n";
    // The pid is filled in by the case, from a process it makes.
    QTest::newRow("pid of another user") << "other user" << QByteArray("\nzelka\n") + host + "\n";
    QTest::newRow("folder") << "folder" << QByteArray();
}

void tst_InstanceLock::leftoverLock()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, content);
    const QString path = InstanceLock::lockPath(kName);
    QCOMPARE(QFileInfo(path).absolutePath(), m_root->filePath(QStringLiteral("runtime")));
    std::optional<OtherUsersProcess> otherUser;
    if (kind == QLatin1String("folder")) {
        QVERIFY(QDir().mkpath(path));
    } else {
        // A live process of another user holds no lock of this user's.
        if (kind == QLatin1String("other user")) {
            otherUser.emplace();
            QVERIFY(otherUser->pid() > 0);
            content.prepend(QByteArray::number(otherUser->pid()));
        }
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    InstanceLock lock(kName);
    QVERIFY(lock.acquire());
    if (kind == QLatin1String("folder")) {
        // The program starts without the guard and says which folder is in the way.
        QVERIFY(QFileInfo(path).isDir());
        QVERIFY2(m_messages.join(QLatin1Char('\n')).contains(path), qPrintable(m_messages.join(QLatin1Char('\n'))));
        return;
    }
    // The stale lock was taken over: it now names this process, and a second lock must wait.
    qint64 pid = 0;
    QString host;
    QString application;
    QVERIFY(QLockFile(path).getLockInfo(&pid, &host, &application));
    QCOMPARE(pid, QCoreApplication::applicationPid());
    InstanceLock second(kName);
    QVERIFY(!second.acquire());
    lock.unlock();
    QVERIFY(second.acquire());
}

void tst_InstanceLock::liveHolderOfThisUser_keepsTheLock()
{
    QLockFile holder(InstanceLock::lockPath(kName));
    QVERIFY(holder.tryLock(0));
    InstanceLock lock(kName);
    QVERIFY(!lock.acquire());
    QVERIFY(QFile::exists(InstanceLock::lockPath(kName)));
}

void tst_InstanceLock::withoutRuntimeFolder_lockAndSocketStayTheUsers()
{
    // A runtime folder that cannot exist: its parent is a plain file.
    const QString plainFile = m_root->filePath(QStringLiteral("plain-file"));
    {
        QFile file(plainFile);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(plainFile + QStringLiteral("/runtime")));
    const QString lockPath = InstanceLock::lockPath(kName);
    QCOMPARE(QFileInfo(lockPath).absolutePath(), m_root->filePath(QStringLiteral("cache")));
    InstanceLock lock(kName);
    QVERIFY(lock.acquire());
    QVERIFY(QFile::exists(lockPath));

    const QString server = InstanceLock::serverPath(kName);
    const QString own = m_root->filePath(QStringLiteral("tmp/zelka-%1").arg(::geteuid()));
    QCOMPARE(QFileInfo(server).absolutePath(), own);
    QVERIFY(QFile::encodeName(server).size() <= InstanceLock::kMaxSocketPathBytes);
    struct stat st {
    };
    QCOMPARE(::lstat(QFile::encodeName(own).constData(), &st), 0);
    QCOMPARE(int(st.st_mode & 0777), 0700);

    // A folder of that name that others may enter is closed first; a link in its place is refused.
    QVERIFY(QFile::setPermissions(own, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther
                                           | QFile::ExeOther));
    QCOMPARE(QFileInfo(InstanceLock::serverPath(kName)).absolutePath(), own);
    QCOMPARE(::lstat(QFile::encodeName(own).constData(), &st), 0);
    QCOMPARE(int(st.st_mode & 0777), 0700);

    // A runtime folder too long for a socket path keeps the lock but sends the socket there too.
    const QString longRuntime = m_root->filePath(QString(120, QLatin1Char('r')));
    QVERIFY(QDir().mkpath(longRuntime));
    QFile::setPermissions(longRuntime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(longRuntime));
    QCOMPARE(QFileInfo(InstanceLock::lockPath(kName)).absolutePath(), longRuntime);
    QCOMPARE(QFileInfo(InstanceLock::serverPath(kName)).absolutePath(), own);

    // Someone else's link in the folder's place: no socket rather than one in a folder not ours.
    QVERIFY(QDir(own).removeRecursively());
    QVERIFY(QFile::link(m_root->path(), own));
    QCOMPARE(InstanceLock::serverPath(kName), QString());
}

void tst_InstanceLock::fileAtSocketPath_isRemovedAndNamed()
{
    const QString path = InstanceLock::serverPath(kName);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    InstanceLock::removeStaleServer(path);
    QVERIFY(!QFile::exists(path));
    QVERIFY2(m_messages.join(QLatin1Char('\n')).contains(path), qPrintable(m_messages.join(QLatin1Char('\n'))));
}

QTEST_GUILESS_MAIN(tst_InstanceLock)
#include "tst_InstanceLock.moc"
