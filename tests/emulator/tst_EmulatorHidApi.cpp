// SPDX-License-Identifier: GPL-3.0-or-later
// The emulator's hidapi side: enumeration, descriptors, handles, delivery, removal and open faults.

#include "EmulatorTestSupport.h"
#include "ReportDescriptor.h"

#include <QElapsedTimer>
#include <QtTest>

#include <atomic>
#include <thread>

using namespace emutest;
using emu::PathStyle;

Q_DECLARE_METATYPE(emu::PathStyle)

namespace {

struct Entry {
    QString path;
    int interfaceNumber;
    uint16_t usagePage, usage, vendorId, productId;
    QString manufacturer, product;
};

QVector<Entry> enumerateAll(unsigned short vid = 0, unsigned short pid = 0)
{
    QVector<Entry> out;
    hid_device_info *list = hid_enumerate(vid, pid);
    for (hid_device_info *i = list; i; i = i->next) {
        out.append({QString::fromLatin1(i->path), i->interface_number, i->usage_page, i->usage, i->vendor_id,
                    i->product_id, QString::fromWCharArray(i->manufacturer_string),
                    QString::fromWCharArray(i->product_string)});
    }
    hid_free_enumeration(list);
    return out;
}

}  // namespace

class TestEmulatorHidApi : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { emu::reset(); }

    void enumeration_data();
    void enumeration();
    void descriptorReaderSurvivesBrokenInput_data();
    void descriptorReaderSurvivesBrokenInput();
    void everyHandleGetsEveryReport();
    void readsWaitWithoutSpinning();
    void writeProceedsWhileAReadWaits();
    void writeChecksReportIdAndLength();
    void removalWhileOpen();
    void hidrawNumbersAreReusedAndUnitsKeepTheirFlash();
    void openFaults();
    void handleBufferIsBounded();
    void stringsAndDeviceInfo();
    void concurrentPlugOpenReadWrite();
};

void TestEmulatorHidApi::enumeration_data()
{
    QTest::addColumn<bool>("mouse");
    QTest::addColumn<PathStyle>("style");
    QTest::addColumn<int>("entries");  // hid_device_info entries for the device
    QTest::addColumn<int>("configInterface");
    QTest::addColumn<QString>("configMark");  // text only the configuration path carries; empty: none
    QTest::addColumn<int>("configReportId");

    // boot keyboard or mouse, media interface (consumer and system control), configuration
    QTest::newRow("keyboard linux") << false << PathStyle::Linux << 4 << 2 << QString() << 1;
    QTest::newRow("keyboard mi_02") << false << PathStyle::WindowsMi02 << 4 << 2 << "mi_02" << 1;
    // boot keyboard or mouse, then six collections on interface 1
    QTest::newRow("keyboard col06") << false << PathStyle::WindowsCol06 << 7 << 1 << "col06" << 6;
    QTest::newRow("keyboard linux multi-collection") << false << PathStyle::LinuxCol06 << 7 << 1 << QString() << 6;
    QTest::newRow("mouse linux") << true << PathStyle::Linux << 4 << 2 << QString() << 1;
    QTest::newRow("mouse col06") << true << PathStyle::WindowsCol06 << 7 << 1 << "col06" << 6;
}

void TestEmulatorHidApi::enumeration()
{
    QFETCH(bool, mouse);
    QFETCH(PathStyle, style);
    QFETCH(int, entries);
    QFETCH(int, configInterface);
    QFETCH(QString, configMark);
    QFETCH(int, configReportId);

    const emu::DeviceSpec spec =
        mouse ? emu::mouseSpec(QStringLiteral("ZM1"), style) : emu::keyboardSpec(QStringLiteral("ZK87A"), style);
    emu::DeviceId other = emu::plug(mouse ? emu::keyboardSpec() : emu::mouseSpec());
    emu::DeviceId id = emu::plug(spec);
    QVERIFY(id > 0 && other > 0);

    const QVector<Entry> list = enumerateAll(spec.vendorId, spec.productId);
    QCOMPARE(list.size(), entries);
    QCOMPARE(enumerateAll().size(), entries + 4);  // the other device is a Linux-style one

    const QString configPath = emu::configurationPath(id);
    QVERIFY(!configPath.isEmpty());
    int configEntries = 0;
    for (const Entry &e : list) {
        QCOMPARE(e.vendorId, spec.vendorId);
        QCOMPARE(e.productId, spec.productId);
        QCOMPARE(e.manufacturer, spec.manufacturer);
        QCOMPARE(e.product, spec.product);
        QVERIFY(e.usagePage != 0 && e.usage != 0);
        if (configMark.isEmpty()) {
            QVERIFY2(!e.path.contains(QLatin1String("mi_")) && !e.path.contains(QLatin1String("col")),
                     qPrintable(e.path));
        } else {
            QCOMPARE(e.path.contains(configMark), e.path == configPath);
        }
        if (e.path == configPath) {
            ++configEntries;
            QCOMPARE(e.interfaceNumber, configInterface);
        }
    }
    // hidraw lists a multi-collection interface once per top-level collection under one path.
    QCOMPARE(configEntries, style == PathStyle::LinuxCol06 ? 6 : 1);

    const QVector<emu::ReportDescriptor::Collection> collections =
        emu::ReportDescriptor::topLevelCollections(emu::reportDescriptorForPath(configPath));
    const int expectedCollections = configReportId == 6 ? 6 : 1;
    QCOMPARE(collections.size(), expectedCollections);
    QVERIFY(collections.last().reportIds.contains(configReportId));
    QVERIFY(collections.last().usagePage >= 0xFF00);
    QCOMPARE(emu::path(id, configInterface).isEmpty(), false);
    QVERIFY(emu::reportDescriptorForPath(QStringLiteral("/dev/nothing")).isEmpty());
}

void TestEmulatorHidApi::descriptorReaderSurvivesBrokenInput_data()
{
    QTest::addColumn<QByteArray>("descriptor");
    QTest::addColumn<int>("collections");
    const QByteArray good = emu::ReportDescriptor::multiCollection(6);
    QTest::newRow("complete") << good << 6;
    QTest::newRow("cut inside an item") << good.left(good.size() - 19) << 6;
    QTest::newRow("cut after first collection item") << good.left(6) << 1;
    QTest::newRow("empty") << QByteArray() << 0;
    QTest::newRow("long item running past the end") << QByteArray::fromHex("FE40") << 0;
    QTest::newRow("4-byte item cut short") << QByteArray::fromHex("0700FF") << 0;
    QTest::newRow("extended usage") << QByteArray::fromHex("0B0100FFFFA101C0") << 1;
}

void TestEmulatorHidApi::descriptorReaderSurvivesBrokenInput()
{
    QFETCH(QByteArray, descriptor);
    QFETCH(int, collections);
    const auto found = emu::ReportDescriptor::topLevelCollections(descriptor);
    QCOMPARE(found.size(), collections);
    if (QByteArray(QTest::currentDataTag()) == "extended usage") {
        QCOMPARE(found.first().usagePage, uint16_t(0xFFFF));
        QCOMPARE(found.first().usage, uint16_t(0x0001));
    }
}

void TestEmulatorHidApi::everyHandleGetsEveryReport()
{
    const emu::DeviceId id = emu::plug(emu::keyboardSpec());
    hid_device *a = openPath(emu::configurationPath(id));
    hid_device *b = openPath(emu::configurationPath(id));
    hid_device *boot = openPath(emu::path(id, 0));
    QVERIFY(a && b && boot);
    QCOMPARE(emu::openHandleCount(id), 3);
    QCOMPARE(hid_set_nonblocking(a, 1), 0);

    unsigned char buf[64];
    QCOMPARE(hid_read(a, buf, sizeof buf), 0);  // non-blocking, nothing yet

    emu::injectKeys(id, 0x02, {0x04});
    QCOMPARE(hid_read(a, buf, sizeof buf), 64);
    QCOMPARE(buf[1], uint8_t(0x04));
    QCOMPARE(drain(b).size(), 1);
    QCOMPARE(drain(boot).size(), 0);  // another interface

    // A write's answer reaches every handle too, not only the writer.
    QCOMPARE(write(a, command(0x15)), 64);
    QCOMPARE(drain(a).size(), 1);
    QCOMPARE(drain(b).size(), 1);

    hid_close(b);
    QCOMPARE(emu::openHandleCount(id), 2);
    emu::injectKeys(id, 0, {});
    QCOMPARE(drain(a).size(), 1);
    hid_close(a);
    hid_close(boot);
    QCOMPARE(emu::openHandleCount(id), 0);
}

void TestEmulatorHidApi::readsWaitWithoutSpinning()
{
    const emu::DeviceId id = emu::plug(emu::keyboardSpec());
    hid_device *h = openPath(emu::configurationPath(id));
    QVERIFY(h);
    unsigned char buf[64];

    QElapsedTimer t;
    t.start();
    QCOMPARE(hid_read_timeout(h, buf, sizeof buf, 60), 0);
    QVERIFY(t.elapsed() >= 50);

    // A blocking read returns when a report arrives ...
    std::atomic<int> got{-2};
    std::thread reader([&] { got = hid_read(h, buf, sizeof buf); });
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    QCOMPARE(got.load(), -2);
    emu::injectMouse(id, 1, 0);
    reader.join();
    QCOMPARE(got.load(), 64);

    // ... and with -1 when the device is removed under it.
    got = -2;
    std::thread waiter([&] { got = hid_read_timeout(h, buf, sizeof buf, 10000); });
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    t.restart();
    emu::unplug(id);
    waiter.join();
    QCOMPARE(got.load(), -1);
    QVERIFY(t.elapsed() < 5000);
    hid_close(h);
}

// The transport reads and writes one device from two threads, each on its own handle of the
// same path: a write must not wait for a read that is waiting, and its answer wakes that read.
void TestEmulatorHidApi::writeProceedsWhileAReadWaits()
{
    const emu::DeviceId id = emu::plug(emu::keyboardSpec());
    emu::setWriteLatency(id, std::chrono::milliseconds(1));
    hid_device *readHandle = openPath(emu::configurationPath(id));
    hid_device *writeHandle = openPath(emu::configurationPath(id));
    QVERIFY(readHandle && writeHandle);
    const int readsBefore = emu::readCallCount(id);

    std::atomic<int> got{-2};
    unsigned char answer[64] = {};
    QElapsedTimer readTime;
    readTime.start();
    std::thread reader([&] { got = hid_read_timeout(readHandle, answer, sizeof answer, 10000); });
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    QCOMPARE(got.load(), -2);  // waiting

    unsigned char inquiry[64] = {1, 0x15};
    QElapsedTimer writeTime;
    writeTime.start();
    QCOMPARE(hid_write(writeHandle, inquiry, sizeof inquiry), 64);
    QVERIFY2(writeTime.elapsed() < 2000, "the write waited for the read");
    reader.join();
    QCOMPARE(got.load(), 64);
    QCOMPARE(answer[1], uint8_t(0x15));
    QVERIFY(readTime.elapsed() < 5000);
    QCOMPARE(emu::readCallCount(id), readsBefore + 1);  // one call, woken by the answer

    // Each call counts, on whichever handle, closed handles included.
    QCOMPARE(hid_read_timeout(writeHandle, answer, sizeof answer, 0), 64);  // its copy of the answer
    QCOMPARE(hid_read_timeout(readHandle, answer, sizeof answer, 0), 0);    // nothing more for it
    hid_close(writeHandle);
    QCOMPARE(emu::readCallCount(id), readsBefore + 3);
    hid_close(readHandle);
}

void TestEmulatorHidApi::writeChecksReportIdAndLength()
{
    const emu::DeviceId kb = emu::plug(emu::keyboardSpec());
    const emu::DeviceId col = emu::plug(emu::keyboardSpec(QStringLiteral("ZK104A"), PathStyle::WindowsCol06));
    hid_device *h = openPath(emu::configurationPath(kb));
    hid_device *h6 = openPath(emu::configurationPath(col));
    hid_device *boot = openPath(emu::path(kb, 0));
    QVERIFY(h && h6 && boot);

    QCOMPARE(write(h6, command(0x15, 1)), -1);  // id 1 on the id-6 collection
    QVERIFY(errorText(h6).contains(QLatin1String("report id")));
    QCOMPARE(write(h, command(0x15, 6)), -1);
    QCOMPARE(write(h, QByteArray(65, '\1')), -1);
    QCOMPARE(hid_write(h, nullptr, 64), -1);
    QCOMPARE(emu::written(kb).size(), 0);
    QCOMPARE(emu::written(col).size(), 0);

    const auto before = std::chrono::steady_clock::now();
    QCOMPARE(write(h6, command(0x15, 6)), 64);
    QCOMPARE(errorText(h6), QStringLiteral("Success"));
    const QVector<emu::WrittenReport> log = emu::written(col);
    QCOMPARE(log.size(), 1);
    QCOMPARE(log[0].data, command(0x15, 6));
    QCOMPARE(log[0].interfaceNumber, 1);
    QVERIFY(log[0].when >= before);
    QCOMPARE(drain(h6).value(0).left(2), QByteArray::fromHex("0615"));

    // A short report is taken as it is; the device answers as if it were padded.
    QCOMPARE(write(h, QByteArray::fromHex("0115")), 2);
    QCOMPARE(emu::written(kb).last().data.size(), 2);
    QCOMPARE(drain(h).size(), 1);

    // The boot keyboard's LED report has no report id; nothing answers it.
    QCOMPARE(write(boot, QByteArray::fromHex("0002")), 2);
    QCOMPARE(emu::written(kb).last().interfaceNumber, 0);
    QCOMPARE(drain(h).size(), 0);
    hid_close(h);
    hid_close(h6);
    hid_close(boot);
}

void TestEmulatorHidApi::removalWhileOpen()
{
    QVector<QPair<emu::DeviceId, bool>> events;
    const int token = emu::addHotplugListener([&](emu::DeviceId id, bool arrived) {
        // Listeners may call back into the emulator.
        QCOMPARE(emu::devices().contains(id), arrived);
        events.append({id, arrived});
    });
    const emu::DeviceId id = emu::plug(emu::keyboardSpec());
    hid_device *h = openPath(emu::configurationPath(id));
    QVERIFY(h);
    emu::injectKeys(id, 0, {0x04});

    emu::unplug(id);
    emu::unplug(id);  // a second unplug changes nothing
    emu::removeHotplugListener(token);
    emu::plug(emu::mouseSpec());
    QCOMPARE(events, (QVector<QPair<emu::DeviceId, bool>>{{id, true}, {id, false}}));

    unsigned char buf[64];
    QCOMPARE(hid_read(h, buf, sizeof buf), -1);  // even with a report still queued
    QVERIFY(errorText(h).contains(QLatin1String("disconnected")));
    QCOMPARE(write(h, command(0x15)), -1);
    QVERIFY(errorText(h).contains(QLatin1String("disconnected")));
    QCOMPARE(hid_get_product_string(h, reinterpret_cast<wchar_t *>(buf), 8), -1);
    QVERIFY(!emu::devices().contains(id));
    QVERIFY(emu::written(id).isEmpty());  // the log stays readable after removal
    emu::injectKeys(id, 0, {});           // input of a removed device goes nowhere
    hid_close(h);
}

void TestEmulatorHidApi::hidrawNumbersAreReusedAndUnitsKeepTheirFlash()
{
    emu::DeviceSpec spec = emu::keyboardSpec();
    spec.serial.clear();
    const emu::DeviceId first = emu::plug(spec);
    const emu::DeviceId twin = emu::plug(spec);
    QCOMPARE(emu::spec(first).unit, 0);
    QCOMPARE(emu::spec(twin).unit, 1);
    QVERIFY(emu::configurationPath(first) != emu::configurationPath(twin));
    QCOMPARE(emu::configurationPath(first), QStringLiteral("/dev/hidraw2"));

    emu::setStoredSerial(first, QByteArray(32, 'a'));
    const QString oldPath = emu::configurationPath(first);
    emu::unplug(first);
    QCOMPARE(emu::storedSerial(first), QByteArray(32, 'a'));
    const emu::DeviceId again = emu::plug(spec);
    QVERIFY(again != first);                           // ids are never reused
    QCOMPARE(emu::configurationPath(again), oldPath);  // hidraw numbers are, like the kernel's
    QCOMPARE(emu::spec(again).unit, 0);
    QCOMPARE(emu::storedSerial(again), QByteArray(32, 'a'));  // flash survives replug
    QVERIFY(emu::storedSerial(twin).isEmpty());

    emu::unplugAll();
    QVERIFY(emu::devices().isEmpty());
    QVERIFY(emu::storedSerial(again).isEmpty());  // forgotten
    QVERIFY(emu::storedSerial(emu::plug(spec)).isEmpty());
}

void TestEmulatorHidApi::openFaults()
{
    const emu::DeviceId id = emu::plug(emu::keyboardSpec());
    const QString path = emu::configurationPath(id);

    QVERIFY(openPath(QStringLiteral("/dev/hidraw99")) == nullptr);
    QVERIFY(QString::fromWCharArray(hid_error(nullptr)) != QLatin1String("Success"));

    emu::failNextOpens(2);
    QVERIFY(openPath(path) == nullptr);
    QVERIFY(openPath(path) == nullptr);
    hid_device *h = openPath(path);
    QVERIFY(h);
    hid_close(h);

    emu::failAllOpens(true);
    for (int i = 0; i < 5; ++i)
        QVERIFY(openPath(path) == nullptr);
    emu::failAllOpens(false);
    h = openPath(path);
    QVERIFY(h);
    hid_close(h);

    QCOMPARE(hid_init(), 0);
    QVERIFY(emu::hidapiInitialised());
    QCOMPARE(hid_exit(), 0);
    QVERIFY(!emu::hidapiInitialised());
    emu::failInit(true);
    QCOMPARE(hid_init(), -1);
    QVERIFY(openPath(path) == nullptr);  // opening initialises the library, which fails
    emu::reset();
    QCOMPARE(hid_init(), 0);
}

void TestEmulatorHidApi::handleBufferIsBounded()
{
    const emu::DeviceId id = emu::plug(emu::keyboardSpec());
    hid_device *h = openPath(emu::configurationPath(id));
    QVERIFY(h);
    for (int i = 0; i < 70; ++i)
        emu::injectRaw(id, QByteArray(1, char(i)));
    const QVector<QByteArray> got = drain(h);
    QCOMPARE(got.size(), 64);
    QCOMPARE(got.first(), QByteArray(1, '\0'));  // the oldest are kept, the newest lost
    QCOMPARE(got.last(), QByteArray(1, char(63)));
    QCOMPARE(emu::droppedInputReports(id), 6);
    hid_close(h);
}

void TestEmulatorHidApi::stringsAndDeviceInfo()
{
    const emu::DeviceId id = emu::plug(emu::mouseSpec(QStringLiteral("ZM1"), PathStyle::WindowsMi02));
    hid_device *h = openPath(emu::configurationPath(id));
    QVERIFY(h);
    wchar_t text[6];
    QCOMPARE(hid_get_product_string(h, text, 6), 0);
    QCOMPARE(QString::fromWCharArray(text), QStringLiteral("ZELKA"));  // cut to the buffer, terminated
    QCOMPARE(hid_get_serial_number_string(h, text, 6), 0);
    QCOMPARE(QString::fromWCharArray(text), QString());
    QCOMPARE(hid_get_indexed_string(h, 1, text, 6), -1);
    QCOMPARE(hid_get_feature_report(h, reinterpret_cast<unsigned char *>(text), 6), -1);
    const hid_device_info *info = hid_get_device_info(h);
    QVERIFY(info);
    QCOMPARE(info->interface_number, 2);
    QCOMPARE(QString::fromLatin1(info->path), emu::configurationPath(id));
    QCOMPARE(info->product_id, uint16_t(0xA21C));

    hid_device *any = hid_open(0x0C45, 0xA21C, nullptr);
    QVERIFY(any);
    QVERIFY(hid_open(0x0C45, 0x1234, nullptr) == nullptr);
    hid_close(any);
    hid_close(h);
}

void TestEmulatorHidApi::concurrentPlugOpenReadWrite()
{
    // The GUI thread, I/O threads and the enumeration thread use the emulator at once.
    std::atomic<int> reads{0};
    std::atomic<int> removedHandleStillReads{0};
    const emu::DeviceId steady = emu::plug(emu::keyboardSpec());
    std::vector<std::thread> threads;
    for (int t = 0; t < 3; ++t) {
        threads.emplace_back([&] {
            hid_device *h = openPath(emu::configurationPath(steady));
            hid_set_nonblocking(h, 1);
            unsigned char buf[64];
            for (int i = 0; i < 300; ++i) {
                write(h, command(0x01, 1, QByteArray(1, '\0')));
                if (hid_read_timeout(h, buf, sizeof buf, 5) > 0)
                    ++reads;
            }
            hid_close(h);
        });
    }
    threads.emplace_back([&] {
        for (int i = 0; i < 200; ++i) {
            const emu::DeviceId id = emu::plug(
                i % 2 ? emu::mouseSpec() : emu::keyboardSpec(QStringLiteral("ZK87A"), PathStyle::WindowsCol06));
            hid_device *h = openPath(emu::configurationPath(id));
            emu::injectKeys(id, 0, {0x05});
            emu::unplug(id);
            if (h) {
                unsigned char buf[64];
                if (hid_read_timeout(h, buf, sizeof buf, 0) != -1)
                    ++removedHandleStillReads;
                hid_close(h);
            }
        }
    });
    threads.emplace_back([&] {
        for (int i = 0; i < 200; ++i)
            hid_free_enumeration(hid_enumerate(0, 0));
    });
    for (std::thread &t : threads)
        t.join();
    QVERIFY(reads > 0);
    QCOMPARE(removedHandleStillReads.load(), 0);
    QCOMPARE(emu::devices(), QVector<emu::DeviceId>{steady});
    QCOMPARE(emu::openHandleCount(steady), 0);
    QCOMPARE(emu::writtenCommand(steady, 0x01).size(), 900);
}

QTEST_GUILESS_MAIN(TestEmulatorHidApi)
#include "tst_EmulatorHidApi.moc"
