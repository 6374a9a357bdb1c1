// SPDX-License-Identifier: GPL-3.0-or-later
// The reports that set an effect on a keyboard or mouse: key effect 0x07, side strip 0x08, the
// light switch (0x07 or 0x42) and the eight 0x09 packets of a custom per-key lighting.

#include "LightingCommands.h"

#include <QtTest>

namespace {

using Report = MainHidInterFace::Report;

colorInfoData record(int ledType, int fullColour, int onOff)
{
    colorInfoData r;
    r.ledKeyboardOrSide = 7;  // never sent
    r.ledType = ledType;
    r.ledBrightness = 4;
    r.ledSpeed = 0x102;  // only the low byte goes out
    r.ledModeR = 10;
    r.ledModeG = 20;
    r.ledModeB = 30;
    r.ledBgR = 40;
    r.ledBgG = 50;
    r.ledBgB = 60;
    r.ledDirection = 1;
    r.ledModeType = fullColour;
    r.ledOpenOrClose = onOff;
    r.ledUpdate = 9;  // never sent
    return r;
}

QByteArray bytes(const Report &report)
{
    return QByteArray(reinterpret_cast<const char *>(report.data()), int(report.size()));
}

QByteArray expected(std::initializer_list<int> head)
{
    QByteArray out(64, '\0');
    int i = 0;
    for (int value : head)
        out[i++] = char(value);
    return out;
}

}  // namespace

class tst_LightEffectCommands : public QObject
{
    Q_OBJECT

private slots:
    void effectReports_data();
    void effectReports();
    void customLedTransfer();
    void customLedSlots_data();
    void customLedSlots();
    void customLedPacketCutsLongInput();
};

void tst_LightEffectCommands::effectReports_data()
{
    QTest::addColumn<QByteArray>("actual");
    QTest::addColumn<QByteArray>("wanted");
    const QList<int> tail{4, 2, 10, 20, 30, 40, 50, 60, 1};
    auto with = [&](int command, int length, int zone, int type, int fullColour, int onOff, int linkByte = 0) {
        QByteArray out = expected({1, command, zone, 0, 0, length, type});
        for (int i = 0; i < tail.size(); ++i)
            out[7 + i] = char(tail.at(i));
        out[16] = char(fullColour);
        out[17] = char(onOff);
        out[18] = char(linkByte);
        return out;
    };
    QTest::newRow("0x07 wave, full colour")
        << bytes(LightingCommands::keyEffect(record(2, 1, 0))) << with(0x07, 0x0E, 0, 2, 1, 0);
    QTest::newRow("0x07 static drops full colour")
        << bytes(LightingCommands::keyEffect(record(0, 1, 1))) << with(0x07, 0x0E, 0, 0, 0, 1);
    QTest::newRow("0x08 neon") << bytes(LightingCommands::sideEffect(record(4, 1, 0))) << with(0x08, 0x0D, 0, 4, 1, 0);
    QTest::newRow("0x08 static drops full colour")
        << bytes(LightingCommands::sideEffect(record(0, 1, 0))) << with(0x08, 0x0D, 0, 0, 0, 0);
    QTest::newRow("switch keyboard keeps full colour of static")
        << bytes(LightingCommands::keyboardLightSwitch(record(0, 1, 0), 1)) << with(0x07, 0x0E, 0, 0, 1, 1);
    QTest::newRow("switch mouse, Around zone")
        << bytes(LightingCommands::mouseLightSwitch(record(0, 1, 1), 0)) << with(0x42, 0x0E, 0, 0, 1, 0);
    QByteArray scroll = with(0x42, 0x0E, 1, 2, 1, 0, 1);
    scroll[15] = 0;  // direction belongs to the Around zone
    QTest::newRow("0x42 scroll, not linked")
        << bytes(LightingCommands::mouseZoneLight(1, record(2, 1, 1), false)) << scroll;
    scroll[18] = 0;
    QTest::newRow("0x42 scroll, linked") << bytes(LightingCommands::mouseZoneLight(1, record(2, 1, 1), true)) << scroll;
}

void tst_LightEffectCommands::effectReports()
{
    QFETCH(QByteArray, actual);
    QFETCH(QByteArray, wanted);
    QCOMPARE(actual.toHex(' '), wanted.toHex(' '));
}

void tst_LightEffectCommands::customLedTransfer()
{
    // Each cell's colour is (cell, cell + 1, cell + 2) so a byte shows which cell it came from.
    QByteArray cells;
    for (int cell = 0; cell < 132; ++cell)
        cells.append(char(cell)).append(char(cell + 1)).append(char(cell + 2));
    const auto packets =
        LightingCommands::customLedTransfer(1, reinterpret_cast<const uint8_t *>(cells.constData()), cells.size());
    for (int p = 0; p < 8; ++p) {
        const QByteArray report = bytes(packets[size_t(p)]);
        const int length = p < 7 ? 54 : 18;
        QCOMPARE(report.left(6).toHex(' '), expected({1, 0x09, 1, 0, p, length}).left(6).toHex(' '));
        QCOMPARE(report.mid(6, length), cells.mid(p * 54, length));
        QCOMPARE(report.mid(6 + length), QByteArray(64 - 6 - length, '\0'));
    }
    // Cell 131 (row 5, column 21) is the last of packet 7.
    QCOMPARE(int(uchar(bytes(packets[7]).at(6 + 15))), 131);
}

void tst_LightEffectCommands::customLedSlots_data()
{
    QTest::addColumn<int>("flag");
    QTest::addColumn<int>("slot");
    QTest::newRow("slot 0") << 0 << 0;
    QTest::newRow("slot 1") << 1 << 1;
    QTest::newRow("not in use") << -1 << 2;
    QTest::newRow("unused slot") << 2 << 2;
    QTest::newRow("edited file") << 7 << 2;
}

void tst_LightEffectCommands::customLedSlots()
{
    QFETCH(int, flag);
    QFETCH(int, slot);
    QCOMPARE(LightingCommands::customLedSlot(flag), slot);
    QCOMPARE(int(LightingCommands::customLedPacket(flag, 0, nullptr, 0)[2]), slot);
}

void tst_LightEffectCommands::customLedPacketCutsLongInput()
{
    const QByteArray many(200, char(0x7F));
    const QByteArray last =
        bytes(LightingCommands::customLedPacket(0, 7, reinterpret_cast<const uint8_t *>(many.constData()), 200));
    QCOMPARE(last.mid(6, 18), QByteArray(18, char(0x7F)));
    QCOMPARE(last.mid(24), QByteArray(40, '\0'));
    const QByteArray full =
        bytes(LightingCommands::customLedPacket(0, 3, reinterpret_cast<const uint8_t *>(many.constData()), 200));
    QCOMPARE(full.mid(6, 54), QByteArray(54, char(0x7F)));
    QCOMPARE(full.mid(60), QByteArray(4, '\0'));
}

QTEST_GUILESS_MAIN(tst_LightEffectCommands)
#include "tst_LightEffectCommands.moc"
