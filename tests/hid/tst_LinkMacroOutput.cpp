// SPDX-License-Identifier: GPL-3.0-or-later
// Keys bound to macros on a keyboard in PC mode: the playback started and stopped by the key,
// and the macro's steps reaching the device as key (0x04) and mouse (0x13) reports.

#include "LinkActionTestSupport.h"
#include "MacroStepFixture.h"
#include "playMacroThread.h"

#include <QPointer>

#include <chrono>

using namespace linktest;
using Clock = std::chrono::steady_clock;

namespace {

const QString kNoKeys = QStringLiteral("04: 00 00 00 00 00 00 00 00");
const QByteArray kPressA = QByteArray::fromHex("0000040000000000");
const QByteArray kNothing(8, '\0');

// How many of the computer's reports are this one.
int countOf(emu::DeviceId id, const QString &report)
{
    return computerReports(id).count(report);
}

const QString kFive = QStringLiteral("04: 00 00 05 00 00 00 00 00");

}  // namespace

class tst_LinkMacroOutput : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void stepsReachTheDeviceInOrderWithTheirDelays();
    void renamedMacroStillPlays();
    void toggleStartsAndStopsAtOnce();
    void heldMacroStopsOnRelease();
    void heldMacroStopsOnReleaseWhateverTheKeyIsBoundToBy();
    void mouseButtonsOfAMacroAreReleasedAtItsEnd();
    void toggledPlayEndsWhenTheKeyBecomesHeldMode();

private:
    void press(const QByteArray &state);
    void pressAndRelease();
    void bindMacro(int macroIndex, const QList<MacroEventInfo> &steps, const char *name = "Macro");

    std::unique_ptr<OpenedLink> m_kb;
};

void tst_LinkMacroOutput::init()
{
    emu::reset();
    m_kb = std::make_unique<OpenedLink>();
    QVERIFY(m_kb->open(false));
}

void tst_LinkMacroOutput::cleanup()
{
    m_kb.reset();
    emu::reset();
}

void tst_LinkMacroOutput::press(const QByteArray &state)
{
    emu::injectRaw(m_kb->id, frame(0x04, state));
    QVERIFY(syncLink(m_kb->id, *m_kb->link));
}

// The key state's echoes come before a macro's first step, which waits at least 50 ms.
void tst_LinkMacroOutput::pressAndRelease()
{
    emu::injectRaw(m_kb->id, frame(0x04, kPressA));
    emu::injectRaw(m_kb->id, frame(0x04, kNothing));
}

void tst_LinkMacroOutput::bindMacro(int macroIndex, const QList<MacroEventInfo> &steps, const char *name)
{
    m_kb->profile.xml.addBindMacro(m_kb->profile.path.constData(), "1", steps,
                                   QByteArray::number(macroIndex).constData(), name);
}

void tst_LinkMacroOutput::stepsReachTheDeviceInOrderWithTheirDelays()
{
    bindMacro(2, {macroStep("key", "4", "down", 50), macroStep("mouse", "513", "down", 40),
                  macroStep("mouse", "514", "up", 40), macroStep("mouse", "522", "down", 40),
                  macroStep("key", "4", "up", 40)});
    bind(m_kb->profile, QStringLiteral("4:1:2:1:1"));
    const Clock::time_point pressed = Clock::now();
    pressAndRelease();

    // The steps, then the release of every key when the play ends.
    QTRY_COMPARE_WITH_TIMEOUT(computerReports(m_kb->id).size(), 2 + 5, 5000);
    QVERIFY(syncLink(m_kb->id, *m_kb->link));
    QCOMPARE(computerReports(m_kb->id), (QStringList{kNoKeys, kNoKeys, "04: 00 00 04 00 00 00 00 00", "13: 01 00",
                                                     "13: 00 00", kNoKeys, kNoKeys}));

    // No step goes out before the delays up to it have passed since the press; the mouse step
    // 522 sends nothing but its wait is kept.
    const QVector<emu::WrittenReport> reports = emu::computerVisible(m_kb->id);
    const int earliestMs[] = {50, 90, 130, 210};
    for (int i = 0; i < 4; ++i) {
        const auto after = std::chrono::duration_cast<std::chrono::milliseconds>(reports[2 + i].when - pressed);
        QVERIFY2(after.count() >= earliestMs[i] - 1, qPrintable(QString::number(after.count())));
    }
}

void tst_LinkMacroOutput::renamedMacroStillPlays()
{
    bindMacro(3, {macroStep("key", "5", "down", 50), macroStep("key", "5", "up", 0)}, "A new name");
    bind(m_kb->profile, QStringLiteral("4:1:3:1:1"));
    pressAndRelease();
    QTRY_COMPARE_WITH_TIMEOUT(m_kb->link->findChildren<playMacroThread *>().size(), 1, 5000);
    const QPointer<playMacroThread> thread = m_kb->link->findChildren<playMacroThread *>().constFirst();
    QTRY_COMPARE_WITH_TIMEOUT(computerReports(m_kb->id), (QStringList{kNoKeys, kNoKeys, kFive, kNoKeys, kNoKeys}),
                              5000);
    // The finished play's thread is deleted.
    QTRY_VERIFY_WITH_TIMEOUT(thread.isNull(), 5000);
}

void tst_LinkMacroOutput::toggleStartsAndStopsAtOnce()
{
    // A step that waits a minute after the first one.
    bindMacro(
        1, {macroStep("key", "5", "down", 50), macroStep("key", "5", "up", 60000), macroStep("key", "6", "down", 0)});
    bind(m_kb->profile, QStringLiteral("4:1:1:3:1"));
    pressAndRelease();
    QTRY_VERIFY_WITH_TIMEOUT(countOf(m_kb->id, kFive) == 1, 5000);

    // The second press stops it within the wait: the key report is answered at once, the
    // step whose wait was cut goes out, the next one does not, and all keys are released.
    const Clock::time_point second = Clock::now();
    press(kPressA);
    QVERIFY(Clock::now() - second < std::chrono::seconds(2));
    press(kNothing);
    QTest::qWait(100);
    QVERIFY(syncLink(m_kb->id, *m_kb->link));
    const QStringList reports = computerReports(m_kb->id);
    QVERIFY(!reports.join(QLatin1Char(',')).contains(QLatin1String("04: 00 00 06")));
    QCOMPARE(reports.last(), kNoKeys);

    // A third press starts it again from the first step.
    emu::clearWritten(m_kb->id);
    pressAndRelease();
    QTRY_VERIFY_WITH_TIMEOUT(countOf(m_kb->id, kFive) == 1, 5000);
}

void tst_LinkMacroOutput::heldMacroStopsOnRelease()
{
    bindMacro(1, {macroStep("key", "5", "down", 20), macroStep("key", "5", "up", 20)});
    bind(m_kb->profile, QStringLiteral("4:1:1:4:1"));
    press(kPressA);
    // Played again and again while held.
    QTRY_VERIFY_WITH_TIMEOUT(countOf(m_kb->id, kFive) >= 3, 5000);

    const Clock::time_point release = Clock::now();
    press(kNothing);
    QVERIFY(Clock::now() - release < std::chrono::seconds(2));
    QTest::qWait(100);
    QVERIFY(syncLink(m_kb->id, *m_kb->link));
    const int reports = computerReports(m_kb->id).size();
    QCOMPARE(computerReports(m_kb->id).last(), kNoKeys);
    QTest::qWait(100);
    QVERIFY(syncLink(m_kb->id, *m_kb->link));
    QCOMPARE(computerReports(m_kb->id).size(), reports);
}

// The key is bound afresh while held (a profile switch, an edit): its release still ends the
// held play, and a toggled play of another key goes on.
void tst_LinkMacroOutput::heldMacroStopsOnReleaseWhateverTheKeyIsBoundToBy()
{
    for (const QString &rebinding :
         {QStringLiteral("4:5:0"), QStringLiteral("4:1:1:1:1"), QStringLiteral("4:1:1:3:1")}) {
        QVERIFY(syncLink(m_kb->id, *m_kb->link));
        emu::clearWritten(m_kb->id);
        bindMacro(1, {macroStep("key", "5", "down", 20), macroStep("key", "5", "up", 20)});
        bind(m_kb->profile, QStringLiteral("4:1:1:4:1"));
        press(kPressA);
        QTRY_VERIFY_WITH_TIMEOUT(countOf(m_kb->id, kFive) >= 2, 5000);

        bind(m_kb->profile, rebinding);
        press(kNothing);
        QTest::qWait(150);
        QVERIFY(syncLink(m_kb->id, *m_kb->link));
        const int reports = computerReports(m_kb->id).size();
        QTest::qWait(150);
        QVERIFY(syncLink(m_kb->id, *m_kb->link));
        QVERIFY2(computerReports(m_kb->id).size() == reports, qPrintable(rebinding));
        QCOMPARE(computerReports(m_kb->id).last(), kNoKeys);
    }
}

void tst_LinkMacroOutput::mouseButtonsOfAMacroAreReleasedAtItsEnd()
{
    // Right goes up before it went down, left goes down and stays.
    bindMacro(1, {macroStep("mouse", "517", "up", 50), macroStep("mouse", "513", "down", 0)});
    bind(m_kb->profile, QStringLiteral("4:1:1:1:1"));
    pressAndRelease();
    QTRY_COMPARE_WITH_TIMEOUT(computerReports(m_kb->id).size(), 2 + 4, 5000);
    QVERIFY(syncLink(m_kb->id, *m_kb->link));
    QCOMPARE(computerReports(m_kb->id),
             (QStringList{kNoKeys, kNoKeys, "13: 00 00", "13: 01 00", kNoKeys, "13: 00 00"}));
}

void tst_LinkMacroOutput::toggledPlayEndsWhenTheKeyBecomesHeldMode()
{
    bindMacro(1, {macroStep("key", "5", "down", 10), macroStep("key", "5", "up", 10)});
    bind(m_kb->profile, QStringLiteral("4:1:1:3:1"));
    pressAndRelease();
    QTRY_VERIFY_WITH_TIMEOUT(countOf(m_kb->id, kFive) >= 2, 5000);

    // The same key, now bound in held mode: its press and release end every play.
    bind(m_kb->profile, QStringLiteral("4:1:1:4:1"));
    press(kPressA);
    press(kNothing);
    QTest::qWait(100);
    QVERIFY(syncLink(m_kb->id, *m_kb->link));
    const int reports = computerReports(m_kb->id).size();
    QTest::qWait(100);
    QVERIFY(syncLink(m_kb->id, *m_kb->link));
    QCOMPARE(computerReports(m_kb->id).size(), reports);
    QCOMPARE(computerReports(m_kb->id).last(), kNoKeys);
}

QTEST_GUILESS_MAIN(tst_LinkMacroOutput)
#include "tst_LinkMacroOutput.moc"
