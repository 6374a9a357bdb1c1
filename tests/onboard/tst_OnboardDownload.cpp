// SPDX-License-Identifier: GPL-3.0-or-later
// The download's pacing with a keyboard that answers as each test wants: the order of the key
// table and macro reports, the pause, resends and failures, and configurations refused before
// anything is sent.

#include "OnboardDownload.h"

#include <QElapsedTimer>
#include <QtTest>

namespace {

struct Sent {
    QByteArray report;
    qint64 at = 0;
};

CustomKeyInfo macroKey(int code, const char *macro, const char *mode = "1")
{
    CustomKeyInfo r{};
    qstrncpy(r.keyCode, QByteArray::number(code).constData(), sizeof r.keyCode);
    qstrncpy(r.operateType, "1", sizeof r.operateType);
    qstrncpy(r.mode, mode, sizeof r.mode);
    qstrncpy(r.repeatNum, "1", sizeof r.repeatNum);
    qstrncpy(r.Value, macro, sizeof r.Value);
    return r;
}

OnboardDownload::Snapshot layout()
{
    OnboardDownload::Snapshot s;
    for (int i = 0; i < 132; ++i)
        s.keyCodes.append(i % 3 == 2 ? 0 : 4 + i);  // every third position a filler
    return s;
}

// A keyboard that answers each 0x19 report after `answerMs` (never when negative), except the
// reports whose index (counting 0x19 reports from 0) is listed in `silent`.
struct Keyboard : QObject {
    OnboardDownload download;
    QList<Sent> sent;
    QElapsedTimer clock;
    int answerMs = 0;
    QList<int> silent;
    int macroReports = 0;
    bool refuse = false;
    bool done = false;
    bool ok = false;

    Keyboard()
    {
        QObject::connect(&download, &OnboardDownload::finished, this, [this](bool result) {
            done = true;
            ok = result;
        });
    }
    void start()
    {
        clock.start();
        download.start([this](const QByteArray &r) {
            if (refuse)
                return false;
            sent.append({r, clock.elapsed()});
            if (r.at(1) == 0x19) {
                const int index = macroReports++;
                if (answerMs >= 0 && !silent.contains(index))
                    QTimer::singleShot(answerMs, &download, &OnboardDownload::onMacroAnswer);
            }
            return true;
        });
    }
    QList<Sent> of(char command) const
    {
        QList<Sent> out;
        for (const Sent &s : sent)
            if (s.report.at(1) == command)
                out.append(s);
        return out;
    }
};

}  // namespace

class tst_OnboardDownload : public QObject
{
    Q_OBJECT

private slots:
    void noMacroKeys();
    void macroKeyInDefault();
    void unansweredMacro();
    void lateAnswers();
    void lastAnswerMissing();
    void refusedWriteAndSecondStart();
    void macroKeyCount_data();
    void macroKeyCount();
    void refusedConfigurations();
    void logLines();
};

void tst_OnboardDownload::noMacroKeys()
{
    Keyboard kb;
    QVERIFY(kb.download.plan(layout()));
    kb.start();
    QTRY_VERIFY_WITH_TIMEOUT(kb.done, 30000);
    QVERIFY(kb.ok);
    QCOMPARE(kb.sent.size(), 70);
    for (int i = 0; i < 20; ++i) {
        QCOMPARE(int(kb.sent.at(i).report.at(1)), 0x18);
        QCOMPARE(int(kb.sent.at(i).report.at(2)), i / 10);
        QCOMPARE(int(kb.sent.at(i).report.at(4)), i % 10);
    }
    QVERIFY(kb.sent.at(20).at - kb.sent.at(19).at >= 350);
    for (int i = 0; i < 50; ++i) {
        QCOMPARE(int(kb.sent.at(20 + i).report.at(2)), i / 5);
        QCOMPARE(int(kb.sent.at(20 + i).report.at(4)), i % 5);
    }
}

void tst_OnboardDownload::macroKeyInDefault()
{
    OnboardDownload::Snapshot s = layout();
    // Position 30 (code 34) plays macro "7"; two FN1-layer keys play macro "8".
    s.records[0].insert(34, macroKey(34, "7"));
    s.macros[0].insert("7", {});
    s.records[1].insert(4, macroKey(4, "8"));
    s.records[1].insert(5, macroKey(5, "8", "4"));
    Keyboard kb;
    QVERIFY(kb.download.plan(s));
    kb.start();
    QTRY_VERIFY_WITH_TIMEOUT(kb.done, 30000);
    QVERIFY(kb.ok);
    // Default: packets 0 and 1, then macro 0's five reports, then packet 2 holding its entry.
    QCOMPARE(int(kb.sent.at(2).report.at(1)), 0x19);
    QCOMPARE(int(kb.sent.at(2).report.at(2)), 0);
    QCOMPARE(int(kb.sent.at(7).report.at(1)), 0x18);
    QCOMPARE(int(kb.sent.at(7).report.at(4)), 2);
    QCOMPARE(kb.sent.at(7).report.mid(6 + 4 * (30 - 28), 4).toHex(), QByteArray("10220000"));
    // FN1: two keys on one macro take slots 1 and 2, before FN1 packet 0.
    QCOMPARE(int(kb.sent.at(15).report.at(1)), 0x19);
    QCOMPARE(int(kb.sent.at(15).report.at(2)), 1);
    QCOMPARE(int(kb.sent.at(20).report.at(2)), 2);
    QCOMPARE(int(kb.sent.at(20).report.at(7)), 3);
    QCOMPARE(int(kb.sent.at(25).report.at(1)), 0x18);
    QCOMPARE(kb.sent.at(25).report.mid(6, 8).toHex(), QByteArray("1004010010050200"));
    // Empty macros 3 to 9.
    const QList<Sent> macros = kb.of(0x19);
    QCOMPARE(macros.size(), 50);
    QCOMPARE(int(macros.at(15).report.at(2)), 3);
    QCOMPARE(int(macros.last().report.at(2)), 9);
}

void tst_OnboardDownload::unansweredMacro()
{
    OnboardDownload::Snapshot s = layout();
    s.records[0].insert(34, macroKey(34, "7"));
    Keyboard kb;
    kb.answerMs = -1;
    QVERIFY(kb.download.plan(s));
    QSignalSpy failed(&kb.download, &OnboardDownload::macroFailed);
    qint64 failedAt = -1;
    connect(&kb.download, &OnboardDownload::macroFailed, this, [&] { failedAt = kb.clock.elapsed(); });
    kb.start();
    QTRY_VERIFY_WITH_TIMEOUT(kb.done, 30000);
    QVERIFY(!kb.ok);
    QCOMPARE(failed.count(), 1);
    const QList<Sent> macros = kb.of(0x19);
    QCOMPARE(macros.size(), 4);  // part 0 and three resends
    for (const Sent &m : macros)
        QCOMPARE(m.report, macros.first().report);
    QCOMPARE(kb.of(0x18).size(), 2);  // nothing after the macro key
    // The failure comes once the resends' waits have passed, timed where it is signalled; the upper
    // bound only says it does not wait on, with room for a loaded machine.
    const qint64 failedAfter = failedAt - macros.first().at;
    QVERIFY2(failedAfter >= 390 && failedAfter < 5000, qPrintable(QString::number(failedAfter)));
}

void tst_OnboardDownload::lateAnswers()
{
    Keyboard kb;
    kb.answerMs = 150;
    QVERIFY(kb.download.plan(layout()));
    kb.start();
    QTRY_VERIFY_WITH_TIMEOUT(kb.done, 30000);
    QVERIFY(kb.ok);
    QVERIFY(kb.of(0x19).size() > 50);  // resends while waiting
    // Every slot and part still went, in order.
    int expected = 0;
    for (const Sent &m : kb.of(0x19)) {
        const int slotPart = m.report.at(2) * 5 + m.report.at(4);
        QVERIFY(slotPart == expected || slotPart == expected - 1);
        expected = slotPart + 1;
    }
    QCOMPARE(expected, 50);
}

void tst_OnboardDownload::lastAnswerMissing()
{
    Keyboard kb;
    kb.silent = {49, 50, 51, 52};
    QVERIFY(kb.download.plan(layout()));
    kb.start();
    QTRY_VERIFY_WITH_TIMEOUT(kb.done, 30000);
    QVERIFY(!kb.ok);
    QCOMPARE(kb.of(0x19).size(), 53);
}

void tst_OnboardDownload::refusedWriteAndSecondStart()
{
    Keyboard kb;
    QVERIFY(kb.download.plan(layout()));
    kb.refuse = true;
    kb.start();
    QVERIFY(kb.done);
    QVERIFY(!kb.ok);

    Keyboard second;
    QVERIFY(second.download.plan(layout()));
    second.start();
    QVERIFY(second.download.isRunning());
    int other = 0;
    second.download.start([&other](const QByteArray &) { return ++other > 0; });
    QCOMPARE(other, 0);
    second.download.abort();
    QVERIFY(second.done);
    QVERIFY(!second.ok);
}

void tst_OnboardDownload::macroKeyCount_data()
{
    QTest::addColumn<int>("keys");
    QTest::addColumn<bool>("planned");
    // The keyboard has ten macro slots, counted over both layers.
    QTest::newRow("10 macro keys") << 10 << true;
    QTest::newRow("11 macro keys") << 11 << false;
}

void tst_OnboardDownload::macroKeyCount()
{
    QFETCH(int, keys);
    QFETCH(bool, planned);
    OnboardDownload::Snapshot s = layout();
    for (int i = 0; i < keys; ++i)
        s.records[i % 2].insert(4 + 3 * i, macroKey(4 + 3 * i, "1"));
    OnboardDownload d;
    QCOMPARE(d.plan(s), planned);
    QCOMPARE(d.planError(), planned ? OnboardDownload::PlanError::None : OnboardDownload::PlanError::TooManyMacros);
    if (planned)
        QVERIFY(d.plannedReports() > 0);
    else
        QCOMPARE(d.plannedReports(), 0);
}

void tst_OnboardDownload::refusedConfigurations()
{
    OnboardDownload d;
    OnboardDownload::Snapshot bad = layout();
    bad.records[1].insert(4, macroKey(4, "1", "9"));
    QVERIFY(!d.plan(bad));
    QCOMPARE(d.planError(), OnboardDownload::PlanError::BadPlayMode);
}

namespace {
QStringList g_log;
void collectLog(QtMsgType, const QMessageLogContext &, const QString &message)
{
    g_log << message;
}

// Runs the keyboard's download with the page's debug lines collected.
void runLogged(Keyboard &kb)
{
    QLoggingCategory::setFilterRules(QStringLiteral("zelka.ui.debug=true"));
    g_log.clear();
    const QtMessageHandler previous = qInstallMessageHandler(collectLog);
    kb.start();
    const bool ended = QTest::qWaitFor([&kb] { return kb.done; }, 30000);
    Q_UNUSED(ended);  // the caller checks kb.done
    qInstallMessageHandler(previous);
    QLoggingCategory::setFilterRules(QString());
}

int lineAt(const QString &text)
{
    for (int i = 0; i < g_log.size(); ++i) {
        if (g_log.at(i).contains(text))
            return i;
    }
    return -1;
}
}  // namespace

// The download's log tells its course: the layers' ends between the reports, each 0x19 report sent
// and answered (counted), a refused report.
void tst_OnboardDownload::logLines()
{
    OnboardDownload::Snapshot s = layout();
    s.records[0].insert(34, macroKey(34, "7"));
    s.macros[0].insert("7", {});
    Keyboard kb;
    QVERIFY(kb.download.plan(s));
    runLogged(kb);
    QVERIFY(kb.done && kb.ok);
    const int start = lineAt(QStringLiteral("*** Start Onboard Download ***"));
    const int defaultOver = lineAt(QStringLiteral("****** Download Over [ Default ] ******"));
    const int fn1Over = lineAt(QStringLiteral("****** Download Over [ FN1 ] ******"));
    const int end = lineAt(QStringLiteral("*** End Onboard Download ***"));
    QVERIFY(start >= 0 && start < defaultOver && defaultOver < fn1Over && fn1Over < end);
    QCOMPARE(g_log.at(defaultOver + 1), QString());  // an empty line after the Default layer
    QCOMPARE(g_log.filter(QStringLiteral("[Write 0x19 Send data]")).size(), kb.of(0x19).size());
    QCOMPARE(g_log.filter(QStringLiteral("[Write 0x19 Recv]")).size(), kb.of(0x19).size());
    QVERIFY(g_log.filter(QStringLiteral("[Write 0x19 Send data]")).last().endsWith(QStringLiteral(" 49")));

    Keyboard refused;
    refused.refuse = true;
    QVERIFY(refused.download.plan(layout()));
    runLogged(refused);
    QVERIFY(refused.done && !refused.ok);
    QVERIFY(lineAt(QStringLiteral("USB serial port [Write keyboard Onboard-data] Failed ...")) >= 0);
}

QTEST_GUILESS_MAIN(tst_OnboardDownload)
#include "tst_OnboardDownload.moc"
