// The emulated bootloader, driven by raw hidapi writes as the firmware writer will drive it.

#include "EmulatorTestSupport.h"
#include "FirmwareImageMaker.h"

#include <QtTest>

using namespace emutest;
using emu::BootloaderFault;
using std::chrono::milliseconds;

Q_DECLARE_METATYPE(emu::BootloaderFault)

namespace {

constexpr int kPayload = 48;
constexpr char kKeyboardImage[] = "NUC121,01,KB,ZK,ZK87A,V1.03";
constexpr int kWait = 5000;  // generous: the machine is shared

// The first plugged device that is a bootloader; 0 when there is none.
emu::DeviceId pluggedBootloader()
{
    for (const emu::DeviceId id : emu::devices()) {
        if (emu::spec(id).kind == emu::Kind::Bootloader)
            return id;
    }
    return 0;
}

emu::DeviceId pluggedDevice(emu::Kind kind)
{
    for (const emu::DeviceId id : emu::devices()) {
        if (emu::spec(id).kind == kind)
            return id;
    }
    return 0;
}

int packetCount(const QByteArray &image)
{
    return (image.size() + kPayload - 1) / kPayload;
}

// Data packet i of an image: header, length byte, inverted payload, two filler bytes.
QByteArray dataPacket(const QByteArray &image, int i)
{
    QByteArray r(64, '\0');
    r[0] = 1;
    r[1] = 0x0C;
    r[3] = char(i >> 8);
    r[4] = char(i & 0xFF);
    const int n = qMin(kPayload, image.size() - i * kPayload);
    r[5] = char(n + 2);
    for (int k = 0; k < n; ++k)
        r[6 + k] = char(~uint8_t(image[i * kPayload + k]));
    if (n == kPayload) {
        r[54] = char(0x5A);
        r[55] = char(0xC3);
    }
    return r;
}

QByteArray endPacket()
{
    QByteArray r(64, '\0');
    r[0] = 1;
    r[1] = 0x0C;
    r[3] = char(0xFF);
    r[4] = char(0xFF);
    return r;
}

// Byte 2 of the answer to one written packet; -1 when no answer came.
int sendPacket(hid_device *h, const QByteArray &packet, int waitMs = 2000)
{
    if (write(h, packet) != 64)
        return -2;
    unsigned char reply[64] = {};
    const int n = hid_read_timeout(h, reply, sizeof reply, waitMs);
    if (n <= 0)
        return -1;
    if (reply[0] != 1 || reply[1] != 0x0C)
        return -3;
    return reply[2];
}

// A keyboard sent into its bootloader; returns the bootloader's id.
emu::DeviceId enterBootloader(emu::DeviceId device)
{
    hid_device *h = openPath(emu::configurationPath(device));
    if (!h)
        return 0;
    write(h, command(0x0B));
    hid_close(h);
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < kWait) {
        if (const emu::DeviceId id = pluggedBootloader())
            return id;
        QTest::qWait(5);
    }
    return 0;
}

bool waitUntil(const std::function<bool()> &condition, int ms = kWait)
{
    QElapsedTimer t;
    t.start();
    while (!condition()) {
        if (t.elapsed() > ms)
            return false;
        QTest::qWait(5);
    }
    return true;
}

}  // namespace

class tst_EmulatedBootloader : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { emu::reset(); }

    void enterLeavesAndBootloaderArrives_data();
    void enterLeavesAndBootloaderArrives();
    void wholeImageReturnsNewVersion_data();
    void wholeImageReturnsNewVersion();
    void refusedPackets_data();
    void refusedPackets();
    void packetSwitches_data();
    void packetSwitches();
    void cutTransferReturnsAsBootloader();
    void noBootloaderAfterEnter();
    void endPacketSwitches_data();
    void endPacketSwitches();
    void switchSetOnceFiresOnce();

private:
    // Plugs the keyboard with short delays, sends it into its bootloader and opens it.
    bool startUpdate(emu::DeviceId *device, emu::DeviceId *bootloader, hid_device **handle);
    // Sends every packet of the image and the end packet; false at the first packet not accepted.
    bool sendImage(hid_device *h, const QByteArray &image);
};

bool tst_EmulatedBootloader::startUpdate(emu::DeviceId *device, emu::DeviceId *bootloader, hid_device **handle)
{
    *device = emu::plug(emu::keyboardSpec(QStringLiteral("ZK87A")));
    emu::setBootloaderDelay(*device, milliseconds(20));
    *bootloader = enterBootloader(*device);
    if (!*bootloader)
        return false;
    *handle = openPath(emu::configurationPath(*bootloader));
    return *handle != nullptr;
}

bool tst_EmulatedBootloader::sendImage(hid_device *h, const QByteArray &image)
{
    for (int i = 0; i < packetCount(image); ++i) {
        const int status = sendPacket(h, dataPacket(image, i));
        if (status != 0) {
            qWarning() << "packet" << i << "answered" << status;
            return false;
        }
    }
    return write(h, endPacket()) == 64;
}

void tst_EmulatedBootloader::enterLeavesAndBootloaderArrives_data()
{
    QTest::addColumn<bool>("mouse");
    QTest::addColumn<int>("vendorId");
    QTest::addColumn<int>("productId");
    QTest::newRow("keyboard") << false << 0x0416 << 0x3F00;
    QTest::newRow("mouse") << true << 0x0C45 << 0x6565;
}

void tst_EmulatedBootloader::enterLeavesAndBootloaderArrives()
{
    QFETCH(bool, mouse);
    QFETCH(int, vendorId);
    QFETCH(int, productId);

    const emu::DeviceSpec deviceSpec = mouse ? emu::mouseSpec() : emu::keyboardSpec();
    const emu::DeviceId device = emu::plug(deviceSpec);
    hid_device *h = openPath(emu::configurationPath(device));
    QVERIFY(h);
    QElapsedTimer t;
    t.start();
    QCOMPARE(write(h, command(0x0B)), 64);
    QVERIFY(!emu::devices().contains(device));  // it left at once
    hid_close(h);
    QCOMPARE(emu::writtenCommand(device, 0x0B).size(), 1);

    QVERIFY(waitUntil([] { return pluggedBootloader() != 0; }));
    QVERIFY(t.elapsed() >= 250);  // the default delay is 300 ms
    const emu::DeviceSpec bootloader = emu::spec(pluggedBootloader());
    QCOMPARE(int(bootloader.vendorId), vendorId);
    QCOMPARE(int(bootloader.productId), productId);
    QVERIFY(bootloader.owner);
    QCOMPARE(bootloader.owner->infoText, deviceSpec.infoText);
    QCOMPARE(bootloader.owner->unit, 0);
}

void tst_EmulatedBootloader::wholeImageReturnsNewVersion_data()
{
    QTest::addColumn<bool>("mouse");
    QTest::addColumn<QString>("versionText");
    QTest::addColumn<bool>("eraseSerial");
    // 683 packets, the last with 32 bytes.
    QTest::newRow("keyboard") << false << QString::fromLatin1(kKeyboardImage) << false;
    // 640 packets, the last carrying a whole 48 bytes.
    QTest::newRow("mouse") << true << QStringLiteral("SN,01,MS,ZK,ZM1,V1.06") << false;
    QTest::newRow("serial erased") << false << QString::fromLatin1(kKeyboardImage) << true;
}

void tst_EmulatedBootloader::wholeImageReturnsNewVersion()
{
    QFETCH(bool, mouse);
    QFETCH(QString, versionText);
    QFETCH(bool, eraseSerial);

    const emu::DeviceSpec deviceSpec = mouse ? emu::mouseSpec() : emu::keyboardSpec();
    const emu::DeviceId device = emu::plug(deviceSpec);
    const QByteArray serial = emu::storedSerial(device);
    QCOMPARE(serial.size(), 32);
    emu::setBootloaderDelay(device, milliseconds(20));
    emu::setUpdateErasesSerial(device, eraseSerial);
    const emu::DeviceId bootloader = enterBootloader(device);
    QVERIFY(bootloader);
    hid_device *h = openPath(emu::configurationPath(bootloader));
    QVERIFY(h);

    const QByteArray image = emu::firmwareImage(versionText);
    QVERIFY(!image.isEmpty());
    QVERIFY(sendImage(h, image));
    hid_close(h);
    QCOMPARE(emu::firmwareFlash(bootloader), image);

    const emu::Kind kind = mouse ? emu::Kind::Mouse : emu::Kind::Keyboard;
    QVERIFY(waitUntil([kind] { return pluggedDevice(kind) != 0; }));
    QVERIFY(!emu::devices().contains(bootloader));
    const emu::DeviceId back = pluggedDevice(kind);
    QCOMPARE(emu::spec(back).infoText, versionText);
    QCOMPARE(emu::spec(back).buildText, QStringLiteral("Mar 14 2024,10:22:33"));
    QCOMPARE(emu::storedSerial(back), eraseSerial ? QByteArray() : serial);

    // It answers as a device again.
    hid_device *again = openPath(emu::configurationPath(back));
    QVERIFY(again);
    write(again, command(0x0D));
    const QVector<QByteArray> answer = drain(again);
    QVERIFY(!answer.isEmpty());
    QCOMPARE(QString::fromLatin1(payloadText(answer[0])), versionText);
    hid_close(again);
}

void tst_EmulatedBootloader::refusedPackets_data()
{
    QTest::addColumn<int>("sendFirst");  // packets sent in order before the bad one
    QTest::addColumn<QByteArray>("bad");

    const QByteArray image = emu::firmwareImage(QString::fromLatin1(kKeyboardImage));
    QTest::newRow("skips a packet") << 3 << dataPacket(image, 4);
    QTest::newRow("repeats a packet") << 3 << dataPacket(image, 2);
    QTest::newRow("starts without packet 0") << 0 << dataPacket(image, 1);
    QTest::newRow("beyond the last packet") << 0 << dataPacket(image, packetCount(image));
    QByteArray shortLength = dataPacket(image, 3);
    shortLength[5] = char(48);
    QTest::newRow("wrong length") << 3 << shortLength;
    QByteArray lastLength = dataPacket(image, 3);
    lastLength[5] = char(34);  // the last packet's length in a middle packet
    QTest::newRow("last packet's length too early") << 3 << lastLength;
    QByteArray header = dataPacket(image, 3);
    header[2] = char(1);
    QTest::newRow("header byte 2") << 3 << header;
}

void tst_EmulatedBootloader::refusedPackets()
{
    QFETCH(int, sendFirst);
    QFETCH(QByteArray, bad);

    emu::DeviceId device = 0, bootloader = 0;
    hid_device *h = nullptr;
    QVERIFY(startUpdate(&device, &bootloader, &h));
    const QByteArray image = emu::firmwareImage(QString::fromLatin1(kKeyboardImage));
    for (int i = 0; i < sendFirst; ++i)
        QCOMPARE(sendPacket(h, dataPacket(image, i)), 0);
    QCOMPARE(sendPacket(h, bad), 1);
    // The next packet in order is still taken; an end packet now does not verify.
    QCOMPARE(sendPacket(h, dataPacket(image, sendFirst)), sendFirst == 0 ? 0 : 0);
    write(h, endPacket());
    QTest::qWait(100);
    QVERIFY(emu::devices().contains(bootloader));
    hid_close(h);
}

void tst_EmulatedBootloader::packetSwitches_data()
{
    QTest::addColumn<BootloaderFault>("fault");
    QTest::addColumn<int>("expected");  // status; -1 no answer; -2 the write fails
    QTest::addColumn<bool>("stays");    // the bootloader is still plugged afterwards
    QTest::newRow("refuse") << BootloaderFault::RefuseAt << 1 << true;
    QTest::newRow("flash fault") << BootloaderFault::FlashFaultAt << 2 << true;
    QTest::newRow("no reply") << BootloaderFault::NoReplyAt << -1 << true;
    QTest::newRow("write fails") << BootloaderFault::WriteFailsAt << -2 << true;
    QTest::newRow("unplug") << BootloaderFault::UnplugAt << -2 << false;
}

void tst_EmulatedBootloader::packetSwitches()
{
    QFETCH(BootloaderFault, fault);
    QFETCH(int, expected);
    QFETCH(bool, stays);

    emu::DeviceId device = 0, bootloader = 0;
    hid_device *h = nullptr;
    QVERIFY(startUpdate(&device, &bootloader, &h));
    emu::setBootloaderFault(bootloader, fault, 5, true);
    const QByteArray image = emu::firmwareImage(QString::fromLatin1(kKeyboardImage));
    for (int i = 0; i < 5; ++i)
        QCOMPARE(sendPacket(h, dataPacket(image, i)), 0);
    QCOMPARE(sendPacket(h, dataPacket(image, 5), 200), expected);
    QCOMPARE(emu::devices().contains(bootloader), stays);
    if (fault == BootloaderFault::WriteFailsAt)
        QCOMPARE(emu::written(bootloader).size(), 5);  // the bootloader never saw it
    if (stays) {
        // Set always: a fresh attempt from packet 0 stops at the same packet.
        for (int i = 0; i < 5; ++i)
            QCOMPARE(sendPacket(h, dataPacket(image, i)), 0);
        QCOMPARE(sendPacket(h, dataPacket(image, 5), 200), expected);
    }
    hid_close(h);
}

void tst_EmulatedBootloader::cutTransferReturnsAsBootloader()
{
    emu::DeviceId device = 0, bootloader = 0;
    hid_device *h = nullptr;
    QVERIFY(startUpdate(&device, &bootloader, &h));
    const QByteArray image = emu::firmwareImage(QString::fromLatin1(kKeyboardImage));
    for (int i = 0; i < 10; ++i)
        QCOMPARE(sendPacket(h, dataPacket(image, i)), 0);
    hid_close(h);
    emu::unplug(bootloader);

    // Plugged again, the unit starts in its bootloader, which still knows its device ...
    const emu::DeviceId again = emu::plug(emu::keyboardSpec(QStringLiteral("ZK87A")));
    QCOMPARE(emu::spec(again).kind, emu::Kind::Bootloader);
    QCOMPARE(int(emu::spec(again).productId), 0x3F00);
    QVERIFY(emu::spec(again).owner);

    // ... and a whole image brings the keyboard back.
    h = openPath(emu::configurationPath(again));
    QVERIFY(h);
    QVERIFY(sendImage(h, image));
    hid_close(h);
    QVERIFY(waitUntil([] { return pluggedDevice(emu::Kind::Keyboard) != 0; }));
    QCOMPARE(emu::spec(pluggedDevice(emu::Kind::Keyboard)).infoText, QString::fromLatin1(kKeyboardImage));
}

void tst_EmulatedBootloader::noBootloaderAfterEnter()
{
    const emu::DeviceId device = emu::plug(emu::keyboardSpec());
    emu::setBootloaderDelay(device, milliseconds(20));
    emu::setBootloaderFault(device, BootloaderFault::NoBootloader);
    QCOMPARE(enterBootloader(device), emu::DeviceId(0));
    QVERIFY(emu::devices().isEmpty());
}

void tst_EmulatedBootloader::endPacketSwitches_data()
{
    QTest::addColumn<BootloaderFault>("fault");
    QTest::addColumn<bool>("bootloaderStays");
    QTest::addColumn<QString>("returnsWith");  // empty: nothing returns
    QTest::newRow("verify fails") << BootloaderFault::VerifyFails << true << QString();
    QTest::newRow("no return") << BootloaderFault::NoReturn << false << QString();
    QTest::newRow("old version") << BootloaderFault::OldVersion << false << emu::keyboardSpec().infoText;
}

void tst_EmulatedBootloader::endPacketSwitches()
{
    QFETCH(BootloaderFault, fault);
    QFETCH(bool, bootloaderStays);
    QFETCH(QString, returnsWith);

    emu::DeviceId device = 0, bootloader = 0;
    hid_device *h = nullptr;
    QVERIFY(startUpdate(&device, &bootloader, &h));
    emu::setBootloaderFault(bootloader, fault);
    QVERIFY(sendImage(h, emu::firmwareImage(QString::fromLatin1(kKeyboardImage))));
    hid_close(h);
    if (returnsWith.isEmpty()) {
        QTest::qWait(300);
        QCOMPARE(pluggedDevice(emu::Kind::Keyboard), emu::DeviceId(0));
    } else {
        QVERIFY(waitUntil([] { return pluggedDevice(emu::Kind::Keyboard) != 0; }));
        QCOMPARE(emu::spec(pluggedDevice(emu::Kind::Keyboard)).infoText, returnsWith);
    }
    QCOMPARE(emu::devices().contains(bootloader), bootloaderStays);
}

void tst_EmulatedBootloader::switchSetOnceFiresOnce()
{
    emu::DeviceId device = 0, bootloader = 0;
    hid_device *h = nullptr;
    QVERIFY(startUpdate(&device, &bootloader, &h));
    emu::setBootloaderFault(bootloader, BootloaderFault::FlashFaultAt, 2);
    const QByteArray image = emu::firmwareImage(QString::fromLatin1(kKeyboardImage));
    QCOMPARE(sendPacket(h, dataPacket(image, 0)), 0);
    QCOMPARE(sendPacket(h, dataPacket(image, 1)), 0);
    QCOMPARE(sendPacket(h, dataPacket(image, 2)), 2);
    // The retry starts again at packet 0 and goes through.
    QVERIFY(sendImage(h, image));
    hid_close(h);
    QVERIFY(waitUntil([] { return pluggedDevice(emu::Kind::Keyboard) != 0; }));
}

QTEST_GUILESS_MAIN(tst_EmulatedBootloader)
#include "tst_EmulatedBootloader.moc"
