// SPDX-License-Identifier: GPL-3.0-or-later
#include "MacroStepFixture.h"
#include "playMacroThread.h"
#include "ThreadEnd.h"
#include "xmlInterface.h"

#include <QtTest>

#include <chrono>
#include <cstring>
#include <mutex>

using Clock = std::chrono::steady_clock;

namespace {

// The steps a thread hands on, as "sendType,keyDec,keyFlags", with the time of each.
struct Recorder {
    std::mutex mutex;
    QStringList steps;
    QVector<Clock::time_point> times;

    explicit Recorder(playMacroThread &thread)
    {
        QObject::connect(&thread, &playMacroThread::sigPlayMacroKeyDecSend, [this](int type, int key, int flags) {
            std::lock_guard<std::mutex> lock(mutex);
            steps << QStringLiteral("%1,%2,%3").arg(type).arg(key).arg(flags);
            times << Clock::now();
        });
    }
    QStringList taken()
    {
        std::lock_guard<std::mutex> lock(mutex);
        return steps;
    }
    int count()
    {
        std::lock_guard<std::mutex> lock(mutex);
        return steps.size();
    }
};

qint64 msSince(Clock::time_point start)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

}  // namespace

class tst_playMacroThread : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void stepsBecomeSignals_data();
    void stepsBecomeSignals();
    void shortDelaysPlayAsTheMinimum_data();
    void shortDelaysPlayAsTheMinimum();
    void repeatCount_data();
    void repeatCount();
    void toggleStopsDuringALongWaitAndStartsAgain();
    void releaseOfAHeldMacroCutsTheWait();
    void boundCopyIsFoundByIndexNotName();
    void missingMacroPlaysNothing();
    void destroyingAPlayingThreadReturnsAtOnce();

private:
    void bind(int profile, int macroIndex, const QList<MacroEventInfo> &steps, const char *name = "Macro");

    std::unique_ptr<QTemporaryDir> m_dir;
    xmlInterface m_xml;
    QByteArray m_path;
};

void tst_playMacroThread::initTestCase()
{
    // Every worker here ends before its owner enters wait(): the order in which only ThreadEnd's
    // steps order the two for the race detector, so a missing step is reported on every run.
    ThreadEnd::setWorkerEndsFirst(true);
}

void tst_playMacroThread::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_path = QFile::encodeName(m_dir->filePath(QStringLiteral("brivexProFile.xml")));
    m_xml.createXmlFile(m_path.constData());
    m_xml.addProfileConfig(m_path.constData(), "1", "Profile 1", "", "", 0);
    m_xml.addProfileConfig(m_path.constData(), "2", "Profile 2", "", "", 0);
}

void tst_playMacroThread::bind(int profile, int macroIndex, const QList<MacroEventInfo> &steps, const char *name)
{
    m_xml.addBindMacro(m_path.constData(), QByteArray::number(profile).constData(), steps,
                       QByteArray::number(macroIndex).constData(), name);
}

void tst_playMacroThread::stepsBecomeSignals_data()
{
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<QByteArray>("code");
    QTest::addColumn<QByteArray>("explain");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("key down") << QByteArray("key") << QByteArray("4") << QByteArray("down") << QStringList{"0,4,1"};
    QTest::newRow("key up") << QByteArray("key") << QByteArray("4") << QByteArray("up") << QStringList{"0,4,0"};
    QTest::newRow("only exactly down is down")
        << QByteArray("key") << QByteArray("30") << QByteArray("Down") << QStringList{"0,30,0"};
    QTest::newRow("type containing key") << QByteArray("keyboard") << QByteArray("5") << QByteArray("down")
                                         << QStringList{"0,5,1"};
    QTest::newRow("type is case-sensitive")
        << QByteArray("Key") << QByteArray("5") << QByteArray("down") << QStringList();
    QTest::newRow("left down") << QByteArray("mouse") << QByteArray("513") << QByteArray("down")
                               << QStringList{"1,1,1"};
    QTest::newRow("left up") << QByteArray("mouse") << QByteArray("514") << QByteArray("up") << QStringList{"1,1,0"};
    QTest::newRow("right down") << QByteArray("mouse") << QByteArray("516") << QByteArray("down")
                                << QStringList{"1,2,1"};
    QTest::newRow("right up") << QByteArray("mouse") << QByteArray("517") << QByteArray("up") << QStringList{"1,2,0"};
    QTest::newRow("middle down") << QByteArray("mouse") << QByteArray("519") << QByteArray("down")
                                 << QStringList{"1,4,1"};
    QTest::newRow("middle up") << QByteArray("mouse") << QByteArray("520") << QByteArray("up") << QStringList{"1,4,0"};
    QTest::newRow("down code with up") << QByteArray("mouse") << QByteArray("513") << QByteArray("up") << QStringList();
    QTest::newRow("up code with down") << QByteArray("mouse") << QByteArray("514") << QByteArray("down")
                                       << QStringList();
    QTest::newRow("wheel") << QByteArray("mouse") << QByteArray("522") << QByteArray("down") << QStringList();
    QTest::newRow("side button") << QByteArray("mouse") << QByteArray("523") << QByteArray("down") << QStringList();
    QTest::newRow("other side button") << QByteArray("mouse") << QByteArray("524") << QByteArray("up") << QStringList();
    QTest::newRow("unknown type") << QByteArray("pause") << QByteArray("4") << QByteArray("down") << QStringList();
}

void tst_playMacroThread::stepsBecomeSignals()
{
    QFETCH(QByteArray, type);
    QFETCH(QByteArray, code);
    QFETCH(QByteArray, explain);
    // The step under test between two key steps, so a step that sends nothing is still waited.
    bind(1, 1, {macroStep("key", "10", "down"), macroStep(type, code, explain), macroStep("key", "11", "down")});

    playMacroThread thread;
    Recorder recorder(thread);
    thread.setProfileXml(&m_xml, m_path.constData(), 1);
    const Clock::time_point start = Clock::now();
    thread.playMacro(1, 1, 1, 1);
    QVERIFY(thread.wait(10000));

    QFETCH(QStringList, expected);
    QCOMPARE(recorder.taken(), QStringList{"0,10,1"} + expected + QStringList{"0,11,1"});
    QVERIFY(msSince(start) >= 3 * 9);
}

void tst_playMacroThread::shortDelaysPlayAsTheMinimum_data()
{
    QTest::addColumn<int>("delay");
    QTest::addColumn<int>("least");
    QTest::newRow("0 plays as 10") << 0 << 10;
    QTest::newRow("5 plays as 10") << 5 << 10;
    QTest::newRow("negative plays as 10") << -40 << 10;
    QTest::newRow("6 plays as 6") << 6 << 6;
    QTest::newRow("40") << 40 << 40;
}

void tst_playMacroThread::shortDelaysPlayAsTheMinimum()
{
    QFETCH(int, delay);
    QFETCH(int, least);
    QList<MacroEventInfo> steps;
    for (int i = 0; i < 4; ++i)
        steps << macroStep("key", "4", i % 2 ? "up" : "down", delay);
    bind(1, 2, steps);

    playMacroThread thread;
    Recorder recorder(thread);
    thread.setProfileXml(&m_xml, m_path.constData(), 1);
    thread.playMacro(1, 1, 2, 1);
    QVERIFY(thread.wait(10000));
    QCOMPARE(recorder.times.size(), 4);
    for (int i = 1; i < recorder.times.size(); ++i) {
        const auto gap =
            std::chrono::duration_cast<std::chrono::microseconds>(recorder.times[i] - recorder.times[i - 1]);
        // The clock's slack only lengthens a wait.
        QVERIFY2(gap.count() >= least * 1000 - 500, qPrintable(QString::number(gap.count())));
    }
}

void tst_playMacroThread::repeatCount_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("repeatNum");
    QTest::addColumn<int>("passes");
    QTest::newRow("once ignores the count") << 1 << 5 << 1;
    QTest::newRow("three times") << 2 << 3 << 3;
    QTest::newRow("zero times") << 2 << 0 << 0;
    QTest::newRow("negative count") << 2 << -2 << 0;
    QTest::newRow("unknown mode") << 7 << 3 << 0;
}

void tst_playMacroThread::repeatCount()
{
    QFETCH(int, mode);
    QFETCH(int, repeatNum);
    QFETCH(int, passes);
    bind(1, 4, {macroStep("key", "4", "down"), macroStep("key", "4", "up")});

    playMacroThread thread;
    Recorder recorder(thread);
    thread.setProfileXml(&m_xml, m_path.constData(), 1);
    thread.playMacro(mode, repeatNum, 4, 1);
    QVERIFY(thread.wait(10000));
    QStringList expected;
    for (int i = 0; i < passes; ++i)
        expected << "0,4,1"
                 << "0,4,0";
    QCOMPARE(recorder.taken(), expected);
}

void tst_playMacroThread::toggleStopsDuringALongWaitAndStartsAgain()
{
    bind(1, 5, {macroStep("key", "4", "down"), macroStep("key", "4", "up", 60000), macroStep("key", "6", "down")});

    playMacroThread thread;
    Recorder recorder(thread);
    thread.setProfileXml(&m_xml, m_path.constData(), 1);
    thread.playMacro(3, 1, 5, 1);
    QTRY_COMPARE_WITH_TIMEOUT(recorder.count(), 1, 5000);
    QVERIFY(thread.isRunning());

    // The second press ends the play within the 60 s wait; the step whose wait was cut still
    // goes out, the next one does not.
    const Clock::time_point stop = Clock::now();
    thread.playMacro(3, 1, 5, 1);
    QVERIFY2(msSince(stop) < 2000, qPrintable(QString::number(msSince(stop))));
    QVERIFY(thread.isFinished());
    QCOMPARE(recorder.taken(), (QStringList{"0,4,1", "0,4,0"}));

    // A third press plays from the first step again.
    thread.playMacro(3, 1, 5, 1);
    QTRY_COMPARE_WITH_TIMEOUT(recorder.count(), 3, 5000);
    QCOMPARE(recorder.taken().last(), QStringLiteral("0,4,1"));
    thread.playMacro(3, 1, 5, 1);
    QVERIFY(thread.isFinished());
}

void tst_playMacroThread::releaseOfAHeldMacroCutsTheWait()
{
    bind(1, 6, {macroStep("key", "4", "down", 60000), macroStep("key", "5", "down")});

    playMacroThread thread;
    Recorder recorder(thread);
    thread.setProfileXml(&m_xml, m_path.constData(), 1);
    thread.playMacro(4, 1, 6, 1);
    QTRY_VERIFY_WITH_TIMEOUT(thread.isRunning(), 5000);
    QTest::qWait(50);

    const Clock::time_point release = Clock::now();
    thread.playMacro(4, 1, 6, 0);
    QVERIFY2(msSince(release) < 2000, qPrintable(QString::number(msSince(release))));
    QVERIFY(thread.isFinished());
    QCOMPARE(recorder.taken(), QStringList{"0,4,1"});
}

void tst_playMacroThread::boundCopyIsFoundByIndexNotName()
{
    // The copy under index 3 was renamed; another copy carries the name "Macro3"; profile 1
    // has a different macro 3.
    bind(2, 7, {macroStep("key", "7", "down")}, "Macro3");
    bind(2, 3, {macroStep("key", "30", "down"), macroStep("key", "30", "up")}, "Renamed");
    bind(1, 3, {macroStep("key", "9", "down")}, "Macro3");

    playMacroThread thread;
    Recorder recorder(thread);
    thread.setProfileXml(&m_xml, m_path.constData(), 2);
    thread.playMacro(1, 1, 3, 1);
    QVERIFY(thread.wait(10000));
    QCOMPARE(recorder.taken(), (QStringList{"0,30,1", "0,30,0"}));
}

void tst_playMacroThread::missingMacroPlaysNothing()
{
    bind(1, 1, {macroStep("key", "4", "down")});

    playMacroThread once;
    Recorder onceRecorder(once);
    once.setProfileXml(&m_xml, m_path.constData(), 1);
    once.playMacro(2, 3, 9, 1);
    QVERIFY(once.wait(5000));
    QCOMPARE(onceRecorder.count(), 0);

    // Toggled without steps: it keeps looking, a pass every few milliseconds rather than
    // thousands, until the stop, which ends it at once.
    playMacroThread toggled;
    toggled.setProfileXml(&m_xml, m_path.constData(), 1);
    QElapsedTimer playing;
    playing.start();
    toggled.playMacro(3, 1, 9, 1);
    QTest::qWait(200);
    QVERIFY(toggled.isRunning());
    toggled.playMacro(3, 1, 9, 1);
    QVERIFY(toggled.isFinished());
    const qint64 elapsedMs = playing.elapsed();
    const int passes = toggled.loopPasses();
    QVERIFY2(passes >= 1 && passes <= elapsedMs / playMacroThread::kShortDelayMs + 2,
             qPrintable(QStringLiteral("%1 passes in %2 ms").arg(passes).arg(elapsedMs)));
}

void tst_playMacroThread::destroyingAPlayingThreadReturnsAtOnce()
{
    bind(1, 8, {macroStep("key", "4", "down", 60000)});
    Recorder *recorder = nullptr;
    const Clock::time_point start = Clock::now();
    {
        playMacroThread thread;
        recorder = new Recorder(thread);
        thread.setProfileXml(&m_xml, m_path.constData(), 1);
        thread.playMacro(1, 1, 8, 1);
        QTRY_VERIFY_WITH_TIMEOUT(thread.isRunning(), 5000);
        QTest::qWait(30);
    }
    QVERIFY2(msSince(start) < 5000, qPrintable(QString::number(msSince(start))));
    QCOMPARE(recorder->count(), 0);
    delete recorder;
}

QTEST_GUILESS_MAIN(tst_playMacroThread)
#include "tst_playMacroThread.moc"
