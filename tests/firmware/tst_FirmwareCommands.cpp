// SPDX-License-Identifier: GPL-3.0-or-later
// The firmware reports: how an image is cut into packets, inverted and closed, and what the
// bootloader's replies mean.

#include "FirmwareCommands.h"
#include "FirmwareImageMaker.h"

#include <QtTest>

using namespace FirmwareCommands;

class tst_FirmwareCommands : public QObject
{
    Q_OBJECT

private slots:
    void packetTable_data();
    void packetTable();
    void everyImageByteIsSentOnce_data();
    void everyImageByteIsSentOnce();
    void packetHeadersAndFiller();
    void replies_data();
    void replies();
    void progress_data();
    void progress();
};

void tst_FirmwareCommands::packetTable_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("packets");
    QTest::addColumn<int>("lastLengthByte");
    QTest::newRow("64 KB") << 65536 << 1366 << 18;
    QTest::newRow("32 KB") << 32768 << 683 << 34;
    QTest::newRow("30,720: a multiple of 48") << 30720 << 640 << 50;
    QTest::newRow("one byte") << 1 << 1 << 3;
}

void tst_FirmwareCommands::packetTable()
{
    QFETCH(int, length);
    QFETCH(int, packets);
    QFETCH(int, lastLengthByte);
    QCOMPARE(packetCount(length), packets);
    const QByteArray image(length, '\x5A');
    const Report last = dataPacket(image, packets - 1, [] { return uint8_t(0x77); });
    QCOMPARE(int(last[5]), lastLengthByte);
    const int carried = lastLengthByte - 2;
    for (int i = 0; i < carried; ++i)
        QCOMPARE(last[6 + i], uint8_t(0xA5));
    // No filler after the last bytes: the rest stays 0.
    for (int i = 6 + carried; i < kReportSize; ++i)
        QCOMPARE(last[i], uint8_t(0));
}

void tst_FirmwareCommands::everyImageByteIsSentOnce_data()
{
    QTest::addColumn<QString>("versionText");
    QTest::newRow("64 KB") << "M252,01,KB,ZK,ZK104,V2.00";
    QTest::newRow("32 KB") << "NUC121,01,KB,ZK,ZK87A,V1.03";
    QTest::newRow("mouse 30,720") << "SN,01,MS,ZK,ZM1,V1.06";
}

void tst_FirmwareCommands::everyImageByteIsSentOnce()
{
    QFETCH(QString, versionText);
    const QByteArray image = emu::firmwareImage(versionText);
    QVERIFY(!image.isEmpty());
    QByteArray rebuilt;
    for (int i = 0; i < packetCount(image.size()); ++i) {
        const Report packet = dataPacket(image, i);
        QCOMPARE((int(packet[3]) << 8) | packet[4], i);
        for (int k = 0; k < packet[5] - 2; ++k)
            rebuilt.append(char(~packet[6 + k]));
    }
    QCOMPARE(rebuilt, image);
}

void tst_FirmwareCommands::packetHeadersAndFiller()
{
    QByteArray image(65536, '\0');
    image[48 * 256] = char(0x5A);
    uint8_t next = 0x10;
    const Report p256 = dataPacket(image, 256, [&next] { return next++; });
    QCOMPARE(p256[0], uint8_t(0x01));
    QCOMPARE(p256[1], uint8_t(0x0C));
    QCOMPARE(p256[2], uint8_t(0x00));
    QCOMPARE(p256[3], uint8_t(0x01));
    QCOMPARE(p256[4], uint8_t(0x00));
    QCOMPARE(p256[5], uint8_t(50));
    QCOMPARE(p256[6], uint8_t(0xA5));  // 5A goes as A5
    QCOMPARE(p256[7], uint8_t(0xFF));  // 00 goes as FF
    QCOMPARE(p256[54], uint8_t(0x10));
    QCOMPARE(p256[55], uint8_t(0x11));
    QCOMPARE(p256[56], uint8_t(0));

    const Report end = endPacket();
    const uint8_t head[] = {0x01, 0x0C, 0x00, 0xFF, 0xFF};
    for (int i = 0; i < kReportSize; ++i)
        QCOMPARE(end[i], i < 5 ? head[i] : uint8_t(0));
    const Report enter = enterBootloader();
    QCOMPARE(enter[0], uint8_t(0x01));
    QCOMPARE(enter[1], uint8_t(0x0B));
    for (int i = 2; i < kReportSize; ++i)
        QCOMPARE(enter[i], uint8_t(0));
}

void tst_FirmwareCommands::replies_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("error");
    QTest::newRow("0 accepted") << 0 << 64 << 0;
    QTest::newRow("3 accepted") << 3 << 64 << 0;
    QTest::newRow("FF accepted") << 0xFF << 64 << 0;
    QTest::newRow("1 refused") << 1 << 64 << 102;
    QTest::newRow("2 flash fault") << 2 << 64 << 103;
    QTest::newRow("1 in a short report") << 1 << 3 << 102;
}

void tst_FirmwareCommands::replies()
{
    QFETCH(int, status);
    QFETCH(int, length);
    QFETCH(int, error);
    unsigned char reply[64] = {0x01, 0x0C};
    reply[2] = uint8_t(status);
    reply[40] = 0x99;  // other bytes mean nothing
    QCOMPARE(replyError(reply, length), error);
}

void tst_FirmwareCommands::progress_data()
{
    QTest::addColumn<int>("done");
    QTest::addColumn<int>("percent");
    QTest::newRow("first") << 1 << 0;
    QTest::newRow("14th") << 14 << 1;
    QTest::newRow("last") << 1366 << 100;
}

void tst_FirmwareCommands::progress()
{
    QFETCH(int, done);
    QFETCH(int, percent);
    QCOMPARE(progressPercent(1366, done), percent);
}

QTEST_GUILESS_MAIN(tst_FirmwareCommands)
#include "tst_FirmwareCommands.moc"
