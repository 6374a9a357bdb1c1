// SPDX-License-Identifier: GPL-3.0-or-later
// The X11 input hook on a real X server (Xvfb, started by input-hook-xvfb.sh), with input
// injected by xdotool: bursts arrive whole and in order while the GUI thread stalls, keys are
// swallowed by the grab while our window keeps the focus, lock keys still toggle, auto-repeat is
// dropped, buttons are read, and another client's grab does not stop the capture.

#include "ThreadEnd.h"
#include "X11InputHook.h"
#include "X11TestDisplay.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QProcess>
#include <QRasterWindow>
#include <QRegularExpression>
#include <QThread>
#include <QtTest>

#include <algorithm>

namespace {

struct KeySeen {
    int code;
    bool down;
    quint32 time;
};

struct ButtonSeen {
    int button;
    bool down;
};

// Stands for a focused key field: counts the keys it gets.
class FieldWindow : public QRasterWindow
{
public:
    int keys = 0;

protected:
    void keyPressEvent(QKeyEvent *) override { ++keys; }
    void keyReleaseEvent(QKeyEvent *) override { ++keys; }
};

// 50 keys with the kernel codes they must arrive with.
const QList<QPair<QString, int>> &burstKeys()
{
    static const QList<QPair<QString, int>> keys = [] {
        QList<QPair<QString, int>> list;
        const QString letters = QStringLiteral("qwertyuiopasdfghjklzxcvbnm");
        const int letterCodes[] = {16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 30, 31, 32,
                                   33, 34, 35, 36, 37, 38, 44, 45, 46, 47, 48, 49, 50};
        for (int i = 0; i < letters.size(); ++i)
            list.append({letters.mid(i, 1), letterCodes[i]});
        for (int digit = 1; digit <= 9; ++digit)
            list.append({QString::number(digit), digit + 1});
        list.append({QStringLiteral("0"), 11});
        for (int f = 1; f <= 10; ++f)
            list.append({QStringLiteral("F%1").arg(f), 58 + f});
        list.append({QStringLiteral("F11"), 87});
        list.append({QStringLiteral("F12"), 88});
        list.append({QStringLiteral("minus"), 12});
        list.append({QStringLiteral("equal"), 13});
        return list;
    }();
    return keys;
}

}  // namespace

class tst_X11InputHook : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void burstArrivesWholeWhileTheGuiStalls();
    void grabSwallowsKeysAndKeepsFocus();
    void capsLockStillToggles();
    void autoRepeatIsDropped();
    void buttons();
    void anotherClientsGrab();
    void stalledGuiLetsTheKeyboardGo();
    void stopDuringAnEventEndsTheBatch();
    void failedStartLeavesNothingRunning();

private:
    void xdotool(const QStringList &arguments);

    X11TestDisplay *m_display = nullptr;  // the test's own connection
    FieldWindow *m_window = nullptr;
    X11InputHook *m_hook = nullptr;
    QList<KeySeen> m_keys;
    QList<ButtonSeen> m_buttons;
};

void tst_X11InputHook::initTestCase()
{
    // Every worker here ends before its owner enters wait(): the order in which only ThreadEnd's
    // steps order the two for the race detector, so a missing step is reported on every run.
    ThreadEnd::setWorkerEndsFirst(true);
    if (QGuiApplication::platformName() != QLatin1String("xcb") || qEnvironmentVariableIsEmpty("DISPLAY")) {
        if (!qEnvironmentVariableIsEmpty("CI"))
            QFAIL("needs an X server (run through input-hook-xvfb.sh)");
        QSKIP("needs an X server: run through tests/platform/input-hook-xvfb.sh");
    }
    if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty()) {
        if (!qEnvironmentVariableIsEmpty("CI"))
            QFAIL("xdotool is missing (scripts/install-deps.sh)");
        QSKIP("xdotool is missing (scripts/install-deps.sh)");
    }
    m_display = new X11TestDisplay;
    QVERIFY(m_display->isOpen());
    m_window = new FieldWindow;
    m_window->resize(300, 100);
    m_window->show();
    m_window->requestActivate();
    QVERIFY(QTest::qWaitForWindowActive(m_window, 10000));
}

void tst_X11InputHook::cleanupTestCase()
{
    delete m_window;
    delete m_display;
}

void tst_X11InputHook::init()
{
    m_keys.clear();
    m_buttons.clear();
    m_window->keys = 0;
    m_window->requestActivate();
    QVERIFY(QTest::qWaitForWindowActive(m_window, 10000));
    m_hook = new X11InputHook(this);
    connect(m_hook, &InputHook::keyEvent, this, [this](int code, bool down, quint32 time) {
        m_keys.append({code, down, time});
    });
    connect(m_hook, &InputHook::buttonEvent, this, [this](int button, bool down, int, int, quint32) {
        m_buttons.append({button, down});
    });
}

void tst_X11InputHook::cleanup()
{
    delete m_hook;
    m_hook = nullptr;
}

void tst_X11InputHook::xdotool(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral("xdotool"), arguments);
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitCode(), 0);
}

void tst_X11InputHook::burstArrivesWholeWhileTheGuiStalls()
{
    QCOMPARE(m_hook->start(m_window->winId()), InputHook::Status::Full);
    QStringList arguments{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("20")};
    for (const auto &key : burstKeys())
        arguments << key.first;
    QProcess typing;
    typing.start(QStringLiteral("xdotool"), arguments);
    QTRY_VERIFY_WITH_TIMEOUT(m_keys.size() >= 20, 20000);
    QThread::msleep(300);  // the GUI thread stalls mid-burst; the recorder goes on
    QVERIFY(typing.waitForFinished(30000));
    QCOMPARE(typing.exitCode(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(m_keys.size(), 100, 10000);
    QTest::qWait(100);
    QCOMPARE(m_keys.size(), 100);

    QList<qint64> pressGaps;
    for (int i = 0; i < burstKeys().size(); ++i) {
        const KeySeen &press = m_keys.at(2 * i);
        const KeySeen &release = m_keys.at(2 * i + 1);
        QCOMPARE(press.code, burstKeys().at(i).second);
        QVERIFY(press.down);
        QCOMPARE(release.code, press.code);
        QVERIFY(!release.down);
        QVERIFY(release.time >= press.time);
        if (i > 0)
            pressGaps.append(qint64(press.time) - qint64(m_keys.at(2 * i - 2).time));
    }
    // The server's time stamps follow xdotool's spacing (20 ms a key), not our delivery, which
    // the stall bunched up: the typical gap is near 20 ms, and time never runs backwards.
    std::sort(pressGaps.begin(), pressGaps.end());
    const qint64 median = pressGaps.at(pressGaps.size() / 2);
    QVERIFY2(pressGaps.first() >= 0, qPrintable(QString::number(pressGaps.first())));
    QVERIFY2(median >= 15 && median <= 100, qPrintable(QString::number(median)));
    QCOMPARE(m_window->keys, 0);
}

void tst_X11InputHook::grabSwallowsKeysAndKeepsFocus()
{
    QCOMPARE(m_hook->start(m_window->winId()), InputHook::Status::Full);
    QVERIFY(m_hook->holdsGrab());
    xdotool({QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("20"), QStringLiteral("a"),
             QStringLiteral("b")});
    QTRY_COMPARE_WITH_TIMEOUT(m_keys.size(), 4, 10000);
    QTest::qWait(300);
    QCOMPARE(m_window->keys, 0);
    QVERIFY(m_window->isActive());
    QCOMPARE(QGuiApplication::focusWindow(), m_window);

    m_hook->stop();
    xdotool({QStringLiteral("key"), QStringLiteral("a")});
    QTRY_COMPARE_WITH_TIMEOUT(m_window->keys, 2, 10000);
    QCOMPARE(m_keys.size(), 4);  // nothing after the stop
}

void tst_X11InputHook::capsLockStillToggles()
{
    const bool before = m_display->capsLocked();
    QCOMPARE(m_hook->start(m_window->winId()), InputHook::Status::Full);
    xdotool({QStringLiteral("key"), QStringLiteral("Caps_Lock")});
    QTRY_COMPARE_WITH_TIMEOUT(m_keys.size(), 2, 10000);
    QCOMPARE(m_keys.first().code, 58);
    QCOMPARE(m_display->capsLocked(), !before);
    xdotool({QStringLiteral("key"), QStringLiteral("Caps_Lock")});
    QTRY_COMPARE_WITH_TIMEOUT(m_keys.size(), 4, 10000);
    QCOMPARE(m_display->capsLocked(), before);
}

void tst_X11InputHook::autoRepeatIsDropped()
{
    QVERIFY(m_display->setAutoRepeat(250, 1000 / 30));

    QCOMPARE(m_hook->start(m_window->winId()), InputHook::Status::Full);
    const quint64 droppedBefore = m_hook->droppedRepeats();
    xdotool({QStringLiteral("keydown"), QStringLiteral("x")});
    QTest::qWait(1500);
    xdotool({QStringLiteral("keyup"), QStringLiteral("x")});
    QTRY_VERIFY_WITH_TIMEOUT(!m_keys.isEmpty() && !m_keys.last().down, 10000);
    QTest::qWait(200);
    QString seen;
    for (const KeySeen &key : qAsConst(m_keys))
        seen += QStringLiteral("%1%2@%3 ").arg(key.down ? '+' : '-').arg(key.code).arg(key.time);
    QVERIFY2(m_keys.size() == 2, qPrintable(seen));
    QCOMPARE(m_keys.at(0).code, 45);
    QVERIFY(m_keys.at(0).down);
    QVERIFY(!m_keys.at(1).down);
    QVERIFY(m_keys.at(1).time - m_keys.at(0).time >= 1400);
    const quint64 dropped = m_hook->droppedRepeats() - droppedBefore;
    QVERIFY2(dropped >= 10, qPrintable(QString::number(dropped)));
    QCOMPARE(m_window->keys, 0);
}

void tst_X11InputHook::buttons()
{
    QCOMPARE(m_hook->start(m_window->winId()), InputHook::Status::Full);
    for (const char *button : {"1", "2", "3", "4", "5", "8", "9"})
        xdotool({QStringLiteral("click"), QString::fromLatin1(button)});
    QTRY_COMPARE_WITH_TIMEOUT(m_buttons.size(), 14, 10000);
    const int expected[] = {1, 2, 3, 4, 5, 8, 9};
    for (int i = 0; i < 7; ++i) {
        QCOMPARE(m_buttons.at(2 * i).button, expected[i]);
        QVERIFY(m_buttons.at(2 * i).down);
        QCOMPARE(m_buttons.at(2 * i + 1).button, expected[i]);
        QVERIFY(!m_buttons.at(2 * i + 1).down);
    }
}

void tst_X11InputHook::anotherClientsGrab()
{
    QVERIFY(m_display->grabKeyboard());
    QTest::ignoreMessage(QtInfoMsg, QRegularExpression(QStringLiteral("without swallowing.*another client")));
    QElapsedTimer waited;
    waited.start();
    QCOMPARE(m_hook->start(m_window->winId()), InputHook::Status::Full);
    QVERIFY(waited.elapsed() >= 150);  // it tried again for a while
    QVERIFY(!m_hook->holdsGrab());
    xdotool({QStringLiteral("key"), QStringLiteral("a")});
    QTRY_COMPARE_WITH_TIMEOUT(m_keys.size(), 2, 10000);
    QCOMPARE(m_keys.first().code, 30);
    m_display->ungrabKeyboard();
}

void tst_X11InputHook::stalledGuiLetsTheKeyboardGo()
{
    m_hook->setStallLimit(300);
    QCOMPARE(m_hook->start(m_window->winId()), InputHook::Status::Full);
    QVERIFY(m_hook->holdsGrab());
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("keyboard is let go")));
    QProcess typing;
    typing.start(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("a")});
    QVERIFY(typing.waitForFinished(30000));
    QThread::msleep(800);  // the program hangs with events waiting
    QTRY_VERIFY_WITH_TIMEOUT(!m_hook->holdsGrab(), 5000);
    // Another client can take the keyboard now.
    QVERIFY(m_display->grabKeyboard());
    m_display->ungrabKeyboard();
    QTRY_COMPARE_WITH_TIMEOUT(m_keys.size(), 2, 10000);  // and nothing was lost
}

void tst_X11InputHook::stopDuringAnEventEndsTheBatch()
{
    connect(m_hook, &InputHook::keyEvent, m_hook, [this] { m_hook->stop(); });
    QCOMPARE(m_hook->start(m_window->winId()), InputHook::Status::Full);
    xdotool({QStringLiteral("key"), QStringLiteral("a"), QStringLiteral("b")});
    QTRY_VERIFY_WITH_TIMEOUT(!m_keys.isEmpty(), 10000);
    QTest::qWait(200);
    QCOMPARE(m_keys.size(), 1);  // nothing is signalled after the stop, not even the rest of its batch
    QVERIFY(!m_hook->isRunning());
}

void tst_X11InputHook::failedStartLeavesNothingRunning()
{
    const QByteArray display = qgetenv("DISPLAY");
    qputenv("DISPLAY", ":4095");
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("not started")));
    QCOMPARE(m_hook->start(m_window->winId()), InputHook::Status::Failed);
    qputenv("DISPLAY", display);
    QVERIFY(!m_hook->isRunning());
    QVERIFY(!m_hook->startReason().isEmpty());
    m_hook->stop();

    QCOMPARE(m_hook->start(m_window->winId()), InputHook::Status::Full);
    QVERIFY(m_hook->startReason().isEmpty());
    xdotool({QStringLiteral("key"), QStringLiteral("a")});
    QTRY_COMPARE_WITH_TIMEOUT(m_keys.size(), 2, 10000);
}

QTEST_MAIN(tst_X11InputHook)
#include "tst_X11InputHook.moc"
