// SPDX-License-Identifier: GPL-3.0-or-later
// The mouse's button, rate and reset reports and the device codes behind them, byte for byte; the
// on-board key table takes the same codes from the same tables.

#include "DeviceCodeTables.h"
#include "MouseCommands.h"
#include "OnboardCommands.h"
#include "RecordText.h"

#include <QtTest>

namespace {

CustomKeyInfo keyInfo(const char *operateType, const char *value)
{
    CustomKeyInfo info;
    setRecordText(info.operateType, operateType);
    setRecordText(info.Value, value);
    return info;
}

QByteArray three(int a, int b, int c)
{
    QByteArray bytes(3, '\0');
    bytes[0] = char(a);
    bytes[1] = char(b);
    bytes[2] = char(c);
    return bytes;
}

QByteArray hex(const MouseCommands::Report &report, int count)
{
    return QByteArray(reinterpret_cast<const char *>(report.data()), count).toHex(' ');
}

MacroEventInfo macroEvent(const char *type, int keyCode, bool down, int delay)
{
    MacroEventInfo e;
    setRecordText(e.type, type);
    setRecordText(e.keyCode, QByteArray::number(keyCode));
    setRecordText(e.operateExplain, down ? "down" : "up");
    setRecordText(e.delay, QByteArray::number(delay));
    return e;
}

QList<MacroEventInfo> keyEvents(int count, int delay = 10)
{
    QList<MacroEventInfo> events;
    for (int i = 0; i < count; ++i)
        events.append(macroEvent("key", 4 + i % 20, i % 2 == 0, delay));
    return events;
}

}  // namespace

class tst_MouseCommands : public QObject
{
    Q_OBJECT
private slots:
    void combination_data();
    void combination();
    void deviceCodes();
    void buttonFunction_data();
    void buttonFunction();
    void macroChunks_data();
    void macroChunks();
    void macroEvents();
    void macroRefusals();
    void rateAndReset();
};

void tst_MouseCommands::combination_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<int>("key");
    QTest::newRow("ctrl+a") << QByteArray("1,4") << 0xE0 << 0 << 4;
    QTest::newRow("ctrl+alt+a") << QByteArray("5,4") << 0xE0 << 0xE2 << 4;
    QTest::newRow("three modifiers keep the highest") << QByteArray("133,4") << 0xE0 << 0xE7 << 4;
    QTest::newRow("no modifier") << QByteArray("0,9") << 0 << 0 << 9;
    QTest::newRow("modifiers without a comma") << QByteArray("5") << 0xE0 << 0xE2 << 0;
    QTest::newRow("modifiers with an empty usage") << QByteArray("5,") << 0xE0 << 0xE2 << 0;
    QTest::newRow("usage beyond a byte") << QByteArray("1,300") << 0 << 0 << 0;
    QTest::newRow("usage not a number") << QByteArray("1,x") << 0 << 0 << 0;
    QTest::newRow("garbled") << QByteArray("x") << 0 << 0 << 0;
    QTest::newRow("empty") << QByteArray("") << 0 << 0 << 0;
}

// The mouse's key command (0x47) and the on-board key table (0x18) give a combination the same
// usages, whatever its Value holds.
void tst_MouseCommands::combination()
{
    QFETCH(QByteArray, value);
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(int, key);
    CustomKeyInfo info = keyInfo("2", value);
    setRecordText(info.keyCode, "4");

    const std::optional<MouseCommands::Report> report = MouseCommands::buttonFunction(0, info);
    QVERIFY(report);
    const MouseCommands::Report &r = *report;
    QCOMPARE(int(r[7]), second ? 3 : 2);
    const QByteArray mouseBytes = second ? three(r[14], r[15], r[16]) : three(r[14], 0, r[15]);

    const QByteArray entry = onboardcmd::keyEntry(4, &info);
    QCOMPARE(int(entry.at(0)), 0x13);
    const QByteArray onboardBytes = second ? entry.mid(1, 3) : three(quint8(entry.at(1)), 0, quint8(entry.at(2)));
    if (!second)
        QCOMPARE(int(entry.at(3)), 0);

    const QByteArray expected = three(first, second, key);
    QCOMPARE(mouseBytes.toHex(' '), expected.toHex(' '));
    QCOMPARE(onboardBytes.toHex(' '), expected.toHex(' '));
}

void tst_MouseCommands::deviceCodes()
{
    const int mouse[] = {1, 4, 2, 1, 0xFF, 8, 16, 0, 0};
    const int media[] = {0x10, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17, 0x30, 0x32, 0x34, 0x23, 0x20, 0};
    const auto mouseCode = [](const QByteArray &value) {
        CustomKeyInfo info = keyInfo("4", value);
        return int(MouseCommands::buttonFunction(0, info).value()[14]);
    };
    const auto mediaCode = [](const QByteArray &value) {
        CustomKeyInfo info = keyInfo("3", value);
        return int(MouseCommands::buttonFunction(0, info).value()[14]);
    };
    const auto onboardCode = [](const char *kind, const QByteArray &value, int byte) {
        CustomKeyInfo info = keyInfo(kind, value);
        setRecordText(info.keyCode, "4");
        return int(quint8(onboardcmd::keyEntry(4, &info).at(byte)));
    };
    for (int v = 0; v < 9; ++v) {
        QCOMPARE(mouseCode(QByteArray::number(v)), mouse[v]);
        QCOMPARE(onboardCode("4", QByteArray::number(v), 2), mouse[v]);
    }
    for (int v = 0; v < 14; ++v) {
        QCOMPARE(mediaCode(QByteArray::number(v)), media[v]);
        QCOMPARE(onboardCode("3", QByteArray::number(v), 1), media[v]);
    }
    // A Value that is no number is no function on either road (not function 0).
    for (const QByteArray &bad : {QByteArray(""), QByteArray("abc")}) {
        QCOMPARE(mediaCode(bad), 0);
        QCOMPARE(onboardCode("3", bad, 1), 0);
        QCOMPARE(mouseCode(bad), 0);
        QCOMPARE(onboardCode("4", bad, 2), 0);
    }
    QCOMPARE(MouseCommands::buttonCode(-1), 0xFF);
    QCOMPARE(MouseCommands::buttonCode(8), 0xFF);
}

void tst_MouseCommands::buttonFunction_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QByteArray>("operateType");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QByteArray>("bytes");  // 0..16, empty: nothing sent
    QTest::newRow("centre click as right button")
        << 5 << QByteArray("4") << QByteArray("2") << QByteArray("01 47 00 00 00 3a 01 00 00 00 00 00 00 00 02 00 00");
    QTest::newRow("wheel down") << 0 << QByteArray("4") << QByteArray("4")
                                << QByteArray("01 47 ff 00 00 3a 03 01 00 00 00 00 00 00 ff 00 00");
    QTest::newRow("wheel up") << 4 << QByteArray("4") << QByteArray("3")
                              << QByteArray("01 47 01 00 00 3a 03 01 00 00 00 00 00 00 01 00 00");
    QTest::newRow("forward_l remap to a")
        << 2 << QByteArray("0") << QByteArray("4") << QByteArray("01 47 02 00 00 3a 03 02 00 00 00 00 00 00 04 00 00");
    QTest::newRow("forward_r shares the code")
        << 6 << QByteArray("0") << QByteArray("4") << QByteArray("01 47 02 00 00 3a 03 02 00 00 00 00 00 00 04 00 00");
    QTest::newRow("multimedia mute") << 1 << QByteArray("3") << QByteArray("2")
                                     << QByteArray("01 47 04 00 00 3a 03 03 00 00 00 00 00 00 12 00 00");
    QTest::newRow("disable") << 3 << QByteArray("5") << QByteArray("")
                             << QByteArray("01 47 03 00 00 3a 00 00 00 00 00 00 00 00 00 00 00");
    QTest::newRow("ctrl+a") << 7 << QByteArray("2") << QByteArray("1,4")
                            << QByteArray("01 47 03 00 00 3a 04 02 00 00 00 00 00 00 e0 04 00");
    QTest::newRow("ctrl+alt+a") << 7 << QByteArray("2") << QByteArray("5,4")
                                << QByteArray("01 47 03 00 00 3a 04 03 00 00 00 00 00 00 e0 e2 04");
    QTest::newRow("text sends nothing") << 0 << QByteArray("6") << QByteArray("hello") << QByteArray();
    QTest::newRow("shortcut sends nothing") << 0 << QByteArray("9") << QByteArray("1") << QByteArray();
    QTest::newRow("macro is a series") << 0 << QByteArray("1") << QByteArray("1") << QByteArray();
    QTest::newRow("garbled type") << 0 << QByteArray("x") << QByteArray("1") << QByteArray();
}

void tst_MouseCommands::buttonFunction()
{
    QFETCH(int, button);
    QFETCH(QByteArray, operateType);
    QFETCH(QByteArray, value);
    QFETCH(QByteArray, bytes);
    const auto report = MouseCommands::buttonFunction(button, keyInfo(operateType.constData(), value.constData()));
    QCOMPARE(report.has_value(), !bytes.isEmpty());
    if (!report)
        return;
    QCOMPARE(hex(*report, 17), bytes);
    for (int i = 17; i < 64; ++i)
        QCOMPARE(int(report->at(i)), 0);
}

void tst_MouseCommands::macroChunks_data()
{
    QTest::addColumn<int>("events");
    QTest::addColumn<QList<int>>("offsets");
    QTest::addColumn<QList<int>>("lengths");
    QTest::newRow("0") << 0 << QList<int>{0} << QList<int>{8};
    QTest::newRow("12") << 12 << QList<int>{0} << QList<int>{56};
    QTest::newRow("13") << 13 << QList<int>{0, 56} << QList<int>{56, 4};
    QTest::newRow("24") << 24 << QList<int>{0, 56} << QList<int>{56, 48};
    QTest::newRow("37") << 37 << QList<int>{0, 56, 104, 152} << QList<int>{56, 48, 48, 4};
    QTest::newRow("50") << 50 << QList<int>{0, 56, 104, 152} << QList<int>{56, 48, 48, 56};
}

void tst_MouseCommands::macroChunks()
{
    QFETCH(int, events);
    QFETCH(QList<int>, offsets);
    QFETCH(QList<int>, lengths);
    const MouseCommands::MacroReports built = MouseCommands::macroReports(2, 2, 3, keyEvents(events));
    QVERIFY(built.refusal.isEmpty());
    QCOMPARE(built.reports.size(), offsets.size() + 1);
    QByteArray stream;
    for (int k = 0; k < offsets.size(); ++k) {
        const MouseCommands::Report &r = built.reports.at(k);
        QCOMPARE(hex(r, 4), QByteArray("01 47 02 00"));
        QCOMPARE(int(r[4]), offsets.at(k));
        QCOMPARE(int(r[5]), lengths.at(k));
        QCOMPARE(stream.size(), offsets.at(k));
        stream.append(reinterpret_cast<const char *>(r.data()) + 6, lengths.at(k));
        for (int i = 6 + lengths.at(k); i < 64; ++i)
            QCOMPARE(int(r[i]), 0);
    }
    // Function type, header (play mode - 1, 0, event bytes, 0, repeat, 0, 0), events.
    QCOMPARE(stream.left(8).toHex(' '),
             QByteArray("05 01 00 ") + QByteArray::number(4 * events, 16).rightJustified(2, '0') + " 00 03 00 00");
    QCOMPARE(stream.size(), 8 + 4 * events);
    QCOMPARE(hex(built.reports.last(), 8), QByteArray("01 47 02 ff ff 3a 05 00"));
}

void tst_MouseCommands::macroEvents()
{
    const QList<MacroEventInfo> events{macroEvent("key", 4, true, 255),       macroEvent("key", 4, false, 256),
                                       macroEvent("mouse", 513, true, 70000), macroEvent("mouse", 517, false, 0),
                                       macroEvent("mouse", 519, true, 1),     macroEvent("mouse", 522, true, 1),
                                       macroEvent("key", 0, true, 1)};
    const MouseCommands::MacroReports built = MouseCommands::macroReports(0, 1, 1, events);
    QVERIFY(built.refusal.isEmpty());
    QCOMPARE(built.skippedEvents, 2);  // the wheel event and the key without a usage
    QCOMPARE(built.cutDelays, 1);
    const MouseCommands::Report &r = built.reports.first();
    QCOMPARE(int(r[9]), 20);
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(r.data()) + 14, 20).toHex(' '),
             QByteArray("04 10 00 ff 04 00 01 00 01 11 ff ff 02 01 00 00 04 11 00 01"));
}

void tst_MouseCommands::macroRefusals()
{
    const MouseCommands::MacroReports tooLong = MouseCommands::macroReports(0, 1, 1, keyEvents(51));
    QVERIFY(!tooLong.refusal.isEmpty());
    QVERIFY(tooLong.reports.isEmpty());
    // Events the mouse cannot play do not count against the limit.
    QList<MacroEventInfo> events = keyEvents(50);
    events.append(macroEvent("mouse", 522, true, 1));
    QVERIFY(MouseCommands::macroReports(0, 1, 1, events).refusal.isEmpty());
    for (int mode : {0, 5, -1})
        QVERIFY(MouseCommands::macroReports(0, mode, 1, keyEvents(1)).reports.isEmpty());
}

void tst_MouseCommands::rateAndReset()
{
    const int intervals[] = {8, 4, 2, 1, 0, 0};
    const int positions[] = {0, 1, 2, 3, 4, -1};
    for (int i = 0; i < 6; ++i)
        QCOMPARE(hex(MouseCommands::reportRate(positions[i]), 8),
                 QByteArray("01 46 00 00 00 01 0") + QByteArray::number(intervals[i]) + " 00");
    QCOMPARE(hex(MouseCommands::resetProfile(), 8), QByteArray("01 14 00 00 00 00 01 00"));
}

QTEST_APPLESS_MAIN(tst_MouseCommands)
#include "tst_MouseCommands.moc"
