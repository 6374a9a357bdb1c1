// SPDX-License-Identifier: GPL-3.0-or-later
// The mouse's button, rate and reset reports and the device codes behind them, byte for byte.

#include "DeviceKeyCodes.h"
#include "MouseCommands.h"
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
    QTest::newRow("ctrl+a") << QByteArray("1,4") << 224 << 0 << 4;
    QTest::newRow("ctrl+alt+a") << QByteArray("5,4") << 224 << 226 << 4;
    QTest::newRow("three modifiers keep the highest") << QByteArray("133,4") << 224 << 231 << 4;
    QTest::newRow("no modifier") << QByteArray("0,9") << 0 << 0 << 9;
    QTest::newRow("garbled") << QByteArray("x") << 0 << 0 << 0;
    QTest::newRow("key out of range") << QByteArray("1,999") << 0 << 0 << 0;
}

void tst_MouseCommands::combination()
{
    QFETCH(QByteArray, value);
    const DeviceKeyCodes::CombinationKeys keys = DeviceKeyCodes::getCombinationKeyList(keyInfo("2", value));
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(int, key);
    QCOMPARE(keys.firstModifier, first);
    QCOMPARE(keys.secondModifier, second);
    QCOMPARE(keys.key, key);
}

void tst_MouseCommands::deviceCodes()
{
    const int mouse[] = {1, 4, 2, 1, 0xFF, 8, 16, 0, 0};
    for (int v = 0; v < 9; ++v)
        QCOMPARE(DeviceKeyCodes::getMouseKeyDeviceCode(keyInfo("4", QByteArray::number(v))), mouse[v]);
    const int media[] = {0x10, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17, 0x30, 0x32, 0x34, 0x23, 0x20, 0};
    for (int v = 0; v < 14; ++v)
        QCOMPARE(DeviceKeyCodes::getMultimediaDeviceCode(keyInfo("3", QByteArray::number(v))), media[v]);
    QCOMPARE(DeviceKeyCodes::getMultimediaDeviceCode(keyInfo("3", "")), 0);
    QCOMPARE(DeviceKeyCodes::getMouseKeyDeviceCode(keyInfo("4", "abc")), 0);
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
