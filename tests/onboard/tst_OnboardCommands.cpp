// SPDX-License-Identifier: GPL-3.0-or-later
// The on-board reports as bytes: key table entries for every kind of record, the packing of a
// layer, macro events and headers with their limits, and the reset report.

#include "DeviceCodeTables.h"
#include "OnboardCommands.h"

#include <QtTest>

namespace {

CustomKeyInfo rec(const char *type, const char *value, const char *mode = "1", const char *repeat = "1")
{
    CustomKeyInfo r{};
    qstrncpy(r.keyCode, "30", sizeof r.keyCode);
    qstrncpy(r.operateType, type, sizeof r.operateType);
    qstrncpy(r.mode, mode, sizeof r.mode);
    qstrncpy(r.repeatNum, repeat, sizeof r.repeatNum);
    qstrncpy(r.Value, value, sizeof r.Value);
    return r;
}

MacroEventInfo ev(const char *type, int code, const char *updown, int delay)
{
    MacroEventInfo e{};
    qstrncpy(e.type, type, sizeof e.type);
    qstrncpy(e.keyCode, QByteArray::number(code).constData(), sizeof e.keyCode);
    qstrncpy(e.operateExplain, updown, sizeof e.operateExplain);
    qstrncpy(e.delay, QByteArray::number(delay).constData(), sizeof e.delay);
    return e;
}

}  // namespace

class tst_OnboardCommands : public QObject
{
    Q_OBJECT

private slots:
    void keyEntries_data();
    void keyEntries();
    void layerPacking_data();
    void layerPacking();
    void events_data();
    void events();
    void macroHeader();
    void macroLimits();
    void emptyMacroAndReset();
};

void tst_OnboardCommands::keyEntries_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("macroNumber");
    QTest::addColumn<QByteArray>("entry");
    QTest::newRow("FN1") << "0"
                         << "-20" << 0 << QByteArray::fromHex("14000000");
    QTest::newRow("Fn") << "0"
                        << "-10" << 0 << QByteArray::fromHex("01000000");
    QTest::newRow("remap 4") << "0"
                             << "4" << 0 << QByteArray::fromHex("00040000");
    QTest::newRow("remap 300") << "0"
                               << "300" << 0 << QByteArray::fromHex("00000000");
    QTest::newRow("remap -5") << "0"
                              << "-5" << 0 << QByteArray::fromHex("00000000");
    QTest::newRow("macro 2 on code 30") << "1"
                                        << "7" << 2 << QByteArray::fromHex("101E0200");
    QTest::newRow("combination 5,4") << "2"
                                     << "5,4" << 0 << QByteArray::fromHex("13E0E204");
    QTest::newRow("combination 2,38") << "2"
                                      << "2,38" << 0 << QByteArray::fromHex("13E12600");
    QTest::newRow("combination 0,4") << "2"
                                     << "0,4" << 0 << QByteArray::fromHex("13000400");
    QTest::newRow("combination 7,4") << "2"
                                     << "7,4" << 0 << QByteArray::fromHex("13E0E204");
    QTest::newRow("combination key 256") << "2"
                                         << "1,256" << 0 << QByteArray::fromHex("13000000");
    QTest::newRow("multimedia Email") << "3"
                                      << "12" << 0 << QByteArray::fromHex("07200000");
    QTest::newRow("multimedia Browser") << "3"
                                        << "11" << 0 << QByteArray::fromHex("07230000");
    QTest::newRow("multimedia 7") << "3"
                                  << "7" << 0 << QByteArray::fromHex("07170000");
    QTest::newRow("mouse wheel down") << "4"
                                      << "4" << 0 << QByteArray::fromHex("1201FF00");
    QTest::newRow("mouse left") << "4"
                                << "0" << 0 << QByteArray::fromHex("12000100");
    QTest::newRow("mouse sniper") << "4"
                                  << "7" << 0 << QByteArray::fromHex("12000000");
    for (const char *kind : {"5", "6", "7", "8", "9", "-1"})
        QTest::newRow(qPrintable(QStringLiteral("kind %1").arg(QLatin1String(kind))))
            << kind << "3" << 0 << QByteArray::fromHex("00000000");
}

void tst_OnboardCommands::keyEntries()
{
    QFETCH(QString, type);
    QFETCH(QString, value);
    QFETCH(int, macroNumber);
    QFETCH(QByteArray, entry);
    const CustomKeyInfo r = rec(type.toLatin1().constData(), value.toLatin1().constData());
    QCOMPARE(onboardcmd::keyEntry(30, &r, macroNumber).toHex(), entry.toHex());
    // A filler and a key without a record give zeros whatever the record says.
    QCOMPARE(onboardcmd::keyEntry(0, &r, macroNumber), QByteArray(4, '\0'));
    QCOMPARE(onboardcmd::keyEntry(30, nullptr, macroNumber), QByteArray(4, '\0'));
}

void tst_OnboardCommands::layerPacking_data()
{
    QTest::addColumn<int>("positions");
    QTest::addColumn<QList<int>>("lengths");
    QTest::newRow("132 positions") << 132 << QList<int>{56, 56, 56, 56, 56, 56, 56, 56, 56, 24};
    QTest::newRow("28 positions") << 28 << QList<int>{56, 56};
}

void tst_OnboardCommands::layerPacking()
{
    QFETCH(int, positions);
    QFETCH(QList<int>, lengths);
    QByteArray entries;
    for (int i = 0; i < positions; ++i)
        entries.append(QByteArray::fromHex("00040000"));
    const QList<QByteArray> reports = onboardcmd::keyTableReports(1, entries);
    QCOMPARE(reports.size(), lengths.size());
    for (int i = 0; i < reports.size(); ++i) {
        const QByteArray &r = reports.at(i);
        QCOMPARE(r.size(), 64);
        QCOMPARE(int(r.at(0)), 1);
        QCOMPARE(int(r.at(1)), 0x18);
        QCOMPARE(int(r.at(2)), 1);
        QCOMPARE(int(r.at(3)), 0);
        QCOMPARE(int(r.at(4)), i);
        QCOMPARE(int(r.at(5)), lengths.at(i));
        QCOMPARE(r.mid(6 + lengths.at(i)), QByteArray(64 - 6 - lengths.at(i), '\0'));
    }
}

void tst_OnboardCommands::events_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("updown");
    QTest::addColumn<int>("delay");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("A down 10") << "key" << 4 << "down" << 10 << QByteArray::fromHex("0410000A");
    QTest::newRow("A up 300") << "key" << 4 << "up" << 300 << QByteArray::fromHex("0400012C");
    QTest::newRow("left down 50") << "mouse" << 513 << "down" << 50 << QByteArray::fromHex("01110032");
    QTest::newRow("right up 0") << "mouse" << 517 << "up" << 0 << QByteArray::fromHex("02010000");
    QTest::newRow("middle down") << "mouse" << 519 << "down" << 1 << QByteArray::fromHex("04110001");
    QTest::newRow("delay capped") << "key" << 4 << "down" << 70000 << QByteArray::fromHex("0410FFFF");
    QTest::newRow("wheel skipped") << "mouse" << 522 << "down" << 0 << QByteArray();
    QTest::newRow("other type skipped") << "pen" << 4 << "down" << 0 << QByteArray();
    QTest::newRow("key 256 skipped") << "key" << 256 << "down" << 0 << QByteArray();
}

void tst_OnboardCommands::events()
{
    QFETCH(QString, type);
    QFETCH(int, code);
    QFETCH(QString, updown);
    QFETCH(int, delay);
    QFETCH(QByteArray, bytes);
    QCOMPARE(
        onboardcmd::macroEvent(ev(type.toLatin1().constData(), code, updown.toLatin1().constData(), delay)).toHex(),
        bytes.toHex());
}

void tst_OnboardCommands::macroHeader()
{
    const QList<MacroEventInfo> events{ev("key", 4, "down", 10), ev("key", 4, "up", 300), ev("mouse", 513, "down", 50)};
    const QList<QByteArray> reports = onboardcmd::macroReports(3, rec("1", "1", "2", "5"), events);
    QCOMPARE(reports.size(), 5);
    QCOMPARE(reports.at(0).left(6).toHex(), QByteArray("01190300003a"));
    QCOMPARE(reports.at(0).mid(6, 8).toHex(), QByteArray("0001000c00050000"));
    QCOMPARE(reports.at(0).mid(14, 12).toHex(), QByteArray("0410000a0400012c01110032"));
    QCOMPARE(reports.at(0).mid(26), QByteArray(38, '\0'));
    for (int part = 0; part < 5; ++part) {
        QCOMPARE(int(reports.at(part).at(2)), 3);
        QCOMPARE(int(reports.at(part).at(4)), part);
        QCOMPARE(int(reports.at(part).at(5)), part == 4 ? 24 : 58);
    }
}

void tst_OnboardCommands::macroLimits()
{
    // 70 events: the first 62 go and the header counts them; skipped events are not counted.
    QList<MacroEventInfo> events;
    events.append(ev("mouse", 522, "down", 0));
    for (int i = 0; i < 70; ++i)
        events.append(ev("key", 4 + i % 20, i % 2 ? "up" : "down", i));
    const QList<QByteArray> reports = onboardcmd::macroReports(0, rec("1", "1", "3", "900"), events);
    QCOMPARE(int(uint8_t(reports.at(0).at(9))), 4 * 62);
    QCOMPARE(int(uint8_t(reports.at(0).at(11))), 255);
    QCOMPARE(int(uint8_t(reports.at(0).at(7))), 2);
    QByteArray data;
    for (const QByteArray &r : reports)
        data.append(r.mid(6, r.at(5)));
    QCOMPARE(data.size(), 256);
    QCOMPARE(data.mid(8 + 61 * 4, 4).toHex(), QByteArray("0500003d"));
    // Play modes outside 1 to 4 cannot be stored.
    QVERIFY(onboardcmd::macroReports(0, rec("1", "1", "5"), events).isEmpty());
    QVERIFY(onboardcmd::macroReports(0, rec("1", "1", "0"), events).isEmpty());
}

void tst_OnboardCommands::emptyMacroAndReset()
{
    const QList<QByteArray> empty = onboardcmd::emptyMacroReports(9);
    QCOMPARE(empty.size(), 5);
    for (int part = 0; part < 5; ++part) {
        QByteArray expected(64, '\0');
        expected[0] = 1;
        expected[1] = 0x19;
        expected[2] = 9;
        expected[4] = char(part);
        expected[5] = char(part == 4 ? 24 : 58);
        QCOMPARE(empty.at(part).toHex(), expected.toHex());
    }
    QByteArray reset(64, '\0');
    reset[0] = 1;
    reset[1] = 0x14;
    reset[6] = 1;
    QCOMPARE(onboardcmd::resetReport().toHex(), reset.toHex());
    QCOMPARE(devicecodes::combinationKeyList(QStringLiteral("garbage")), (std::array<int, 3>{0, 0, 0}));
}

QTEST_GUILESS_MAIN(tst_OnboardCommands)
#include "tst_OnboardCommands.moc"
