// SPDX-License-Identifier: GPL-3.0-or-later
// Recording keeps up with typing, on a real X server (Xvfb, started by
// tests/platform/input-hook-xvfb.sh) with the real hook: twenty keys typed fifty a second while
// the GUI thread is blocked for 300 ms in the middle are all saved, in order, paired, and timed
// by when they were pressed: each delay is the gap the display server's own clock shows between
// the two events (a second hook watches the burst), however late a loaded machine lets xdotool
// or the page run.

#include "DCatchKeyAndMouseItem.h"
#include "DMacroPage.h"
#include "RecordText.h"
#include "X11InputHook.h"
#include "xmlInterface.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

class tst_MacroRecordingXvfb : public QObject
{
    Q_OBJECT

private slots:
    void keepsUpWithTyping();
};

void tst_MacroRecordingXvfb::keepsUpWithTyping()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb")
        || QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty()) {
        if (!qEnvironmentVariableIsEmpty("CI"))
            QFAIL("needs an X server and xdotool (run through tests/platform/input-hook-xvfb.sh)");
        QSKIP("needs an X server and xdotool: run through tests/platform/input-hook-xvfb.sh");
    }
    QTemporaryDir dir;
    const QByteArray library = QFile::encodeName(dir.filePath(QStringLiteral("brivexMacro.xml")));
    xmlInterface xml;
    QVERIFY(xml.createXmlFile(library.constData()));
    QVERIFY(xml.addMacroNode(library.constData(), "1", "Burst"));

    DMacroPage page;
    page.setMacroXml(library.constData(), &xml);
    page.setPageCurrent(true);
    page.loadMacroList();
    page.resize(1200, 790);
    page.show();
    page.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&page, 10000));
    page.toggleRecording();
    QVERIFY(page.isRecording());
    // The witness starts after the page's hook holds the grab, so it only watches.
    X11InputHook witness;
    QList<quint32> serverTimes;
    connect(&witness, &InputHook::keyEvent, this, [&](int, bool, quint32 time) { serverTimes.append(time); });
    QVERIFY(witness.start(0) != InputHook::Status::Failed);

    // a to t: HID usages 4 to 23.
    QStringList keys;
    for (char c = 'a'; c <= 't'; ++c)
        keys << QString(QLatin1Char(c));
    QProcess typing;
    typing.start(QStringLiteral("xdotool"),
                 QStringList{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("20")} + keys);
    QVERIFY(typing.waitForStarted(10000));
    QTest::qWait(150);
    QThread::msleep(300);  // the GUI thread is busy mid-burst
    QVERIFY(typing.waitForFinished(30000));
    QTRY_COMPARE_WITH_TIMEOUT(page.eventRows().size(), 40, 10000);
    QTRY_COMPARE_WITH_TIMEOUT(serverTimes.size(), 40, 10000);
    witness.stop();
    page.toggleRecording();

    QList<MacroEventInfo> steps;
    xml.getMacroItems(library.constData(), "1", &steps);
    QCOMPARE(steps.size(), 40);
    qint64 sum = 0;
    for (int i = 0; i < steps.size(); ++i) {
        const MacroEventInfo &s = steps.at(i);
        QCOMPARE(QByteArray(s.keyCode), QByteArray::number(4 + i / 2));
        QCOMPARE(QByteArray(s.operateExplain), QByteArray(i % 2 ? "up" : "down"));
        if (i % 2)
            QCOMPARE(QByteArray(s.mark), QByteArray(steps.at(i - 1).mark));
        const int delay = recordText(s.delay).toInt();
        // Never the 300 ms the page was busy, nor the time the page took to see the event.
        const qint64 serverGap = i == 0 ? 0 : qint64(serverTimes.at(i) - serverTimes.at(i - 1));
        QVERIFY2(delay == serverGap,
                 qPrintable(QStringLiteral("delay %1 at %2, the server's gap %3").arg(delay).arg(i).arg(serverGap)));
        sum += delay;
    }
    // The delays add up to the burst's span on the server's clock.
    QCOMPARE(sum, qint64(serverTimes.last() - serverTimes.first()));
}

QTEST_MAIN(tst_MacroRecordingXvfb)
#include "tst_MacroRecordingXvfb.moc"
