// SPDX-License-Identifier: GPL-3.0-or-later
#include "Emulator.h"
#include "HidLibrary.h"
#include "MainHidInterFace.h"
#include "ThreadEnd.h"

#include <QSignalSpy>
#include <QtTest>

#include <memory>

using namespace std::chrono_literals;
using Report = MainHidInterFace::Report;

namespace {

Report frame(int sequence)
{
    Report r{};
    r[0] = 1;
    r[1] = 0x0F;
    r[5] = 58;
    r[6] = uint8_t(sequence);
    return r;
}

Report command(uint8_t code, uint8_t marker)
{
    Report r{};
    r[0] = 1;
    r[1] = code;
    r[5] = 1;
    r[6] = marker;
    return r;
}

QByteArray bytes(const Report &r)
{
    return QByteArray(reinterpret_cast<const char *>(r.data()), int(r.size()));
}

QVector<int> frameSequence(emu::DeviceId id)
{
    QVector<int> sequence;
    for (const emu::WrittenReport &w : emu::writtenCommand(id, 0x0F))
        sequence << uint8_t(w.data.at(6));
    return sequence;
}

QVector<int> range(int from, int count)
{
    QVector<int> v;
    for (int i = 0; i < count; ++i)
        v << from + i;
    return v;
}

struct Arrived {
    QString signal;
    QByteArray data;
    int length = 0;
    int threadIndex = -1;
    MainHidInterFace *handle = nullptr;
    QString name;
};

}  // namespace

class TransportTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void closedTransportRefusesWrites();
    void refusedOpenLeavesItAsItWas_data();
    void refusedOpenLeavesItAsItWas();
    void firstWriteIsSerialInquiryThenCopies();
    void secondOpenFailsReadsAndWritesShareTheHandle();
    void reportId_data();
    void reportId();
    void lightingBatches_data();
    void lightingBatches();
    void incompleteBatchWaits();
    void disabledLightingQueuesNothing();
    void commandOvertakesBatch();
    void clearLightDataRequest();
    void lightingWriteFailureIsReported();
    void serialAnswerGivesTwoSignals();
    void shortReadIsZeroFilled();
    void idleDeviceStillAnswers();
    void handshake_data();
    void handshake();
    void handshakeEvery700ms();
    void closingOneKeepsOthersWorking();
    void quietLoopWakesForACommand();
    void closingWhileTheReaderWaits();
    void pulledOutWhileTheReaderWaits();

private:
    std::unique_ptr<MainHidInterFace> open(emu::DeviceId id, const QString &model, bool start, int threadIndex = 0);
    void offerBatch(MainHidInterFace &transport, int from, int count);
    QVector<Arrived> m_arrived;
    QStringList m_registeredPaths;
};

void TransportTest::initTestCase()
{
    // Every worker here ends before its owner enters wait(): the order in which only ThreadEnd's
    // steps order the two for the race detector, so a missing step is reported on every run.
    ThreadEnd::setWorkerEndsFirst(true);
}

void TransportTest::init()
{
    emu::reset();
    m_arrived.clear();
}

void TransportTest::cleanup()
{
    for (const QString &path : qAsConst(m_registeredPaths))
        MainHidInterFace::setInterfaceReportId(path, 1);
    m_registeredPaths.clear();
    emu::reset();
}

std::unique_ptr<MainHidInterFace> TransportTest::open(emu::DeviceId id, const QString &model, bool start,
                                                      int threadIndex)
{
    auto transport = std::make_unique<MainHidInterFace>(threadIndex, model);
    connect(transport.get(), &MainHidInterFace::sigHidDataArrived, this,
            [this](QByteArray data, int length, int index) {
                m_arrived.append({QStringLiteral("arrived"), data, length, index, nullptr, QString()});
            });
    connect(transport.get(), &MainHidInterFace::sigHidSnGetOver, this,
            [this](MainHidInterFace *handle, QByteArray data, QString name) {
                m_arrived.append({QStringLiteral("sn"), data, 0, -1, handle, name});
            });
    if (transport->hidOpenPath(0, 0, emu::configurationPath(id)) != 0)
        return nullptr;
    if (start)
        transport->start();
    return transport;
}

void TransportTest::offerBatch(MainHidInterFace &transport, int from, int count)
{
    for (int i = 0; i < count; ++i) {
        Report f = frame(from + i);
        QCOMPARE(transport.writeLightData(f.data(), 64), 0);
    }
}

void TransportTest::closedTransportRefusesWrites()
{
    MainHidInterFace never(0, QStringLiteral("ZK87A"));
    Report r = command(0x07, 1);
    QCOMPARE(never.writeCommand(r.data(), 64), -1);
    QCOMPARE(never.writeLightData(r.data(), 64), -1);
    QVERIFY(!never.isHidOpen());
    QCOMPARE(never.closeHidDevice(), 0);

    // Reports still queued at closing are never written, and the buffer stays as it was.
    emu::DeviceId id = emu::plug(emu::keyboardSpec(QStringLiteral("ZK87A"), emu::PathStyle::WindowsCol06));
    auto transport = open(id, QStringLiteral("ZK87A"), false);
    QVERIFY(transport);
    QVERIFY(transport->isHidOpen());
    QCOMPARE(emu::openHandleCount(id), 1);
    QCOMPARE(transport->writeCommand(r.data(), 64), 0);
    QCOMPARE(transport->closeHidDevice(), 0);
    QVERIFY(!transport->isHidOpen());
    QCOMPARE(emu::openHandleCount(id), 0);

    Report after = command(0x07, 2);
    QCOMPARE(transport->writeCommand(after.data(), 64), -1);
    QCOMPARE(transport->writeLightData(after.data(), 64), -1);
    QCOMPARE(after[0], uint8_t(1));
    QCOMPARE(transport->closeHidDevice(), 0);                                // the second close does nothing
    QCOMPARE(transport->hidOpenPath(0, 0, emu::configurationPath(id)), -1);  // not reopened

    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("ShakeHands Failed"));
    transport->onShakeHandsRuning();
    QTest::qWait(50);
    QVERIFY(emu::written(id).isEmpty());
}

namespace {
enum class Refusal { OpenFails, LibraryStartFailed, Enumerator, AlreadyOpen };
}
Q_DECLARE_METATYPE(Refusal)

void TransportTest::refusedOpenLeavesItAsItWas_data()
{
    QTest::addColumn<Refusal>("refusal");
    QTest::newRow("the device does not open") << Refusal::OpenFails;
    QTest::newRow("hidapi did not start") << Refusal::LibraryStartFailed;
    QTest::newRow("the enumerator") << Refusal::Enumerator;
    QTest::newRow("already open") << Refusal::AlreadyOpen;
}

// An open that is refused opens no handle, says nothing and leaves the transport as it was.
void TransportTest::refusedOpenLeavesItAsItWas()
{
    QFETCH(Refusal, refusal);
    emu::DeviceId id = emu::plug(emu::keyboardSpec());
    if (refusal == Refusal::LibraryStartFailed)
        emu::failInit(true);
    MainHidInterFace transport(3,
                               refusal == Refusal::Enumerator ? QStringLiteral("mainThread") : QStringLiteral("ZK87A"));
    emu::failInit(false);
    const bool wasOpen = refusal == Refusal::AlreadyOpen;
    if (wasOpen)
        QCOMPARE(transport.hidOpenPath(0, 0, emu::configurationPath(id)), 0);
    if (refusal == Refusal::OpenFails)
        emu::failNextOpens(1);
    const int handlesBefore = emu::openHandleCount(id);
    QSignalSpy opened(&transport, &MainHidInterFace::sigOpenHidSuccessful);

    QCOMPARE(transport.hidOpenPath(0, 0, emu::configurationPath(id)), -1);
    QCOMPARE(opened.count(), 0);
    QCOMPARE(emu::openHandleCount(id), handlesBefore);
    QCOMPARE(transport.isHidOpen(), wasOpen);
    Report r = command(0x07, 1);
    QCOMPARE(transport.writeCommand(r.data(), 64), wasOpen ? 0 : -1);
    // Started, the loop of a closed transport ends at once; an open one writes what was queued.
    transport.start();
    if (wasOpen) {
        QVERIFY(emu::waitForCommand(id, 0x07, 5s));
        QCOMPARE(transport.closeHidDevice(), 0);
    } else {
        QVERIFY(transport.wait(5000));
        QVERIFY(emu::written(id).isEmpty());
    }
    QCOMPARE(transport.closeHidDevice(), 0);
    QCOMPARE(emu::openHandleCount(id), 0);
}

void TransportTest::firstWriteIsSerialInquiryThenCopies()
{
    emu::DeviceId id = emu::plug(emu::keyboardSpec());
    auto transport = open(id, QStringLiteral("ZK87A"), false);
    QVERIFY(transport);

    Report r = command(0x07, 0x5A);
    r[63] = 0x77;
    const QByteArray original = bytes(r);
    QCOMPARE(transport->writeCommand(r.data(), 3), 0);  // the length is not used: 64 bytes go
    r[6] = 0;                                           // the queue holds its own copy
    transport->start();

    QVERIFY(emu::waitForCommand(id, 0x07, 5s));
    const QVector<emu::WrittenReport> written = emu::written(id);
    QVERIFY(written.size() >= 2);
    QCOMPARE(written.at(0).data.toHex(), QByteArray("0115").leftJustified(128, '0'));
    QCOMPARE(written.at(1).data, original);
}

// Without a handle of its own for writing, the writer shares the reader's, one call at a time;
// closing clears the (empty) write handle as its last step, which must still be ordered before
// the object goes.
void TransportTest::secondOpenFailsReadsAndWritesShareTheHandle()
{
    emu::DeviceId id = emu::plug(emu::keyboardSpec());
    auto transport = open(id, QStringLiteral("ZK87A"), false);
    QVERIFY(transport);
    emu::failNextOpens(1);
    transport->start();
    Report r = command(0x07, 0x33);
    QCOMPARE(transport->writeCommand(r.data(), 64), 0);
    QVERIFY(emu::waitForCommand(id, 0x07, 5s));
    QCOMPARE(emu::openHandleCount(id), 1);
    QCOMPARE(transport->closeHidDevice(), 0);
    QCOMPARE(emu::openHandleCount(id), 0);
    transport.reset();
}

void TransportTest::reportId_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<bool>("enumeratedAs6");
    QTest::addColumn<int>("reportId");
    QTest::newRow("plain path") << int(emu::PathStyle::Linux) << false << 1;
    QTest::newRow("plain path enumerated as 6") << int(emu::PathStyle::LinuxCol06) << true << 6;
    QTest::newRow("mi_02 path") << int(emu::PathStyle::WindowsMi02) << false << 1;
    QTest::newRow("col06 path") << int(emu::PathStyle::WindowsCol06) << false << 6;
}

void TransportTest::reportId()
{
    QFETCH(int, style);
    QFETCH(bool, enumeratedAs6);
    QFETCH(int, reportId);

    emu::DeviceId id = emu::plug(emu::keyboardSpec(QStringLiteral("ZK87A"), emu::PathStyle(style)));
    const QString path = emu::configurationPath(id);
    if (enumeratedAs6) {
        MainHidInterFace::setInterfaceReportId(path, 6);
        m_registeredPaths << path;
    }
    QCOMPARE(MainHidInterFace::reportIdForPath(path), reportId);

    auto transport = open(id, QStringLiteral("ZK87A"), true);
    QVERIFY(transport);
    transport->setLightDataEnabled(true);
    transport->setLightDataMode(1);

    // The caller's buffer gets the interface's id; any other id stays as the caller wrote it.
    Report cmd = command(0x07, 1);
    cmd[0] = 1;
    QCOMPARE(transport->writeCommand(cmd.data(), 64), 0);
    QCOMPARE(int(cmd[0]), reportId);
    Report f0 = frame(0), f1 = frame(1);
    QCOMPARE(transport->writeLightData(f0.data(), 64), 0);
    QCOMPARE(transport->writeLightData(f1.data(), 64), 0);
    QCOMPARE(int(f0[0]), reportId);
    transport->onShakeHandsRuning();

    QVERIFY(emu::waitForCommand(id, 0x0F, 5s, 2));
    QVERIFY(emu::waitForCommand(id, 0x01, 5s));
    for (const emu::WrittenReport &w : emu::written(id))
        QCOMPARE(int(uint8_t(w.data.at(0))), reportId);
    QVERIFY(!emu::writtenCommand(id, 0x15).isEmpty());
    QVERIFY(!emu::writtenCommand(id, 0x07).isEmpty());
}

void TransportTest::lightingBatches_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("batch");
    QTest::newRow("keyboard") << "ZK87A" << 0 << 10;
    QTest::newRow("listed 104-key keyboard") << "ZK104A" << 0 << 11;
    QTest::newRow("listed 87-key keyboard") << "ZK87S" << 0 << 11;
    QTest::newRow("mouse") << "ZM1" << 1 << 2;
}

void TransportTest::lightingBatches()
{
    QFETCH(QString, model);
    QFETCH(int, mode);
    QFETCH(int, batch);

    emu::DeviceId id = emu::plug(mode == 1 ? emu::mouseSpec(model) : emu::keyboardSpec(model));
    auto transport = open(id, model, false);
    QVERIFY(transport);
    transport->setLightDataEnabled(true);
    transport->setLightDataMode(mode);

    offerBatch(*transport, 0, batch);
    for (int i = 0; i < 3; ++i) {  // refused until the batch has been written
        Report f = frame(100 + i);
        QCOMPARE(transport->writeLightData(f.data(), 64), 1);
    }
    transport->start();
    QVERIFY(emu::waitForCommand(id, 0x0F, 5s, batch));
    QCOMPARE(frameSequence(id), range(0, batch));

    // Drained: the next offer opens a new batch.
    offerBatch(*transport, 10, batch);
    QVERIFY(emu::waitForCommand(id, 0x0F, 5s, 2 * batch));
    QCOMPARE(frameSequence(id), range(0, batch) + range(10, batch));
}

void TransportTest::incompleteBatchWaits()
{
    emu::DeviceId id = emu::plug(emu::mouseSpec());
    auto transport = open(id, QStringLiteral("ZM1"), true);
    QVERIFY(transport);
    transport->setLightDataEnabled(true);
    transport->setLightDataMode(1);

    offerBatch(*transport, 0, 1);
    QTest::qWait(150);
    QVERIFY(emu::writtenCommand(id, 0x0F).isEmpty());
    offerBatch(*transport, 1, 1);
    QVERIFY(emu::waitForCommand(id, 0x0F, 5s, 2));
    QCOMPARE(frameSequence(id), range(0, 2));
}

void TransportTest::disabledLightingQueuesNothing()
{
    emu::DeviceId id = emu::plug(emu::keyboardSpec());
    auto transport = open(id, QStringLiteral("ZK87A"), false);
    QVERIFY(transport);
    for (int i = 0; i < 20; ++i) {  // off: accepted without queuing, never refused
        Report f = frame(i);
        QCOMPARE(transport->writeLightData(f.data(), 64), 0);
    }

    // A complete batch left when the output is turned off is not written, and emptying
    // the queue lets a new batch start.
    transport->setLightDataEnabled(true);
    offerBatch(*transport, 20, 10);
    transport->setLightDataEnabled(false);
    transport->start();
    QTest::qWait(150);
    QVERIFY(emu::writtenCommand(id, 0x0F).isEmpty());

    transport->clearLightDataList();
    transport->setLightDataEnabled(true);
    offerBatch(*transport, 40, 10);
    QVERIFY(emu::waitForCommand(id, 0x0F, 5s, 10));
    QTest::qWait(50);
    QCOMPARE(frameSequence(id), range(40, 10));
}

void TransportTest::commandOvertakesBatch()
{
    emu::DeviceId id = emu::plug(emu::keyboardSpec());
    emu::setWriteLatency(id, 5ms);
    auto transport = open(id, QStringLiteral("ZK87A"), false);
    QVERIFY(transport);
    transport->setLightDataEnabled(true);
    offerBatch(*transport, 0, 10);
    transport->start();

    QVERIFY(emu::waitForCommand(id, 0x0F, 5s, 2));
    const int framesBefore = emu::writtenCommand(id, 0x0F).size();
    Report cmd = command(0x07, 0x33);
    QCOMPARE(transport->writeCommand(cmd.data(), 64), 0);
    QVERIFY(emu::waitForCommand(id, 0x07, 5s));
    QVERIFY(emu::waitForCommand(id, 0x0F, 5s, 10));

    int framesAhead = 0;
    for (const emu::WrittenReport &w : emu::written(id)) {
        if (uint8_t(w.data.at(1)) == 0x07)
            break;
        if (uint8_t(w.data.at(1)) == 0x0F)
            ++framesAhead;
    }
    // At most the frame being written when it was queued goes first.
    QVERIFY2(framesAhead <= framesBefore + 1,
             qPrintable(QStringLiteral("%1 frames ahead, %2 written at queuing").arg(framesAhead).arg(framesBefore)));
    QVERIFY(framesAhead < 10);
}

void TransportTest::clearLightDataRequest()
{
    emu::DeviceId id = emu::plug(emu::keyboardSpec());
    auto transport = open(id, QStringLiteral("ZK87A"), false);
    QVERIFY(transport);
    transport->setLightDataEnabled(true);
    offerBatch(*transport, 0, 10);
    transport->setClearLightDataFlag();
    transport->start();

    QVERIFY(emu::waitForCommand(id, 0x0F, 5s));
    QTest::qWait(100);
    QCOMPARE(frameSequence(id), range(0, 1));  // one frame, the rest dropped

    // The request is spent: the next batch goes out whole.
    offerBatch(*transport, 10, 10);
    QVERIFY(emu::waitForCommand(id, 0x0F, 5s, 11));
    QTest::qWait(50);
    QCOMPARE(frameSequence(id), range(0, 1) + range(10, 10));
}

void TransportTest::lightingWriteFailureIsReported()
{
    emu::DeviceId id = emu::plug(emu::keyboardSpec());
    auto transport = open(id, QStringLiteral("ZK87A"), true);
    QVERIFY(transport);
    // Emitted by the writer thread: taken in this thread through a queued connection (a QSignalSpy
    // would append in the writer thread while this one reads).
    QStringList errors;
    connect(transport.get(), &MainHidInterFace::sigHidWriteErrorInfo, this,
            [&errors](const QString &error) { errors << error; });
    transport->setLightDataEnabled(true);

    emu::failWritesOfCommand(id, 0x0F, true);
    offerBatch(*transport, 0, 10);
    QTRY_COMPARE_WITH_TIMEOUT(errors.size(), 10, 5000);
    QVERIFY2(errors.at(0).startsWith(QLatin1String("hid_write lightData ERROR:[-1] ")), qPrintable(errors.at(0)));

    // The loop goes on.
    emu::failWritesOfCommand(id, 0x0F, false);
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
            Report f = frame(50);
            transport->writeLightData(f.data(), 64);
            return !emu::writtenCommand(id, 0x0F).isEmpty();
        }(),
        5000);
}

void TransportTest::serialAnswerGivesTwoSignals()
{
    emu::DeviceId id = emu::plug(emu::keyboardSpec());
    auto transport = open(id, QStringLiteral("ZK87A"), true, 7);
    QVERIFY(transport);

    QByteArray answer(64, '\0');
    answer[0] = 1;
    answer[1] = 0x15;
    answer[5] = 0x20;
    answer.replace(6, 4, "MARK");
    emu::injectRaw(id, answer);

    auto marked = [&] {
        QVector<Arrived> found;
        for (const Arrived &a : qAsConst(m_arrived))
            if (a.data.mid(6, 4) == "MARK")
                found << a;
        return found;
    };
    QTRY_COMPARE_WITH_TIMEOUT(marked().size(), 2, 5000);
    const QVector<Arrived> found = marked();
    QCOMPARE(found.at(0).signal, QStringLiteral("sn"));
    QCOMPARE(found.at(0).handle, transport.get());
    QCOMPARE(found.at(0).name, QStringLiteral("ZK87A"));
    QCOMPARE(found.at(1).signal, QStringLiteral("arrived"));
    QCOMPARE(found.at(1).length, 64);
    QCOMPARE(found.at(1).threadIndex, 7);
    QCOMPARE(found.at(0).data, answer);
    QCOMPARE(found.at(1).data, answer);
    QVERIFY(found.at(0).data.constData() != found.at(1).data.constData());

    // Any other report gives one signal only.
    QByteArray key(64, '\0');
    key[0] = 1;
    key[1] = 0x04;
    key.replace(6, 4, "MARK");
    emu::injectRaw(id, key);
    QTRY_COMPARE_WITH_TIMEOUT(marked().size(), 3, 5000);
    QTest::qWait(20);
    QCOMPARE(marked().size(), 3);
    QCOMPARE(marked().at(2).signal, QStringLiteral("arrived"));
}

void TransportTest::shortReadIsZeroFilled()
{
    emu::DeviceId id = emu::plug(emu::keyboardSpec());
    auto transport = open(id, QStringLiteral("ZK87A"), true);
    QVERIFY(transport);

    QByteArray full(64, char(0xAA));
    full[0] = 1;
    full[1] = 0x30;
    emu::injectRaw(id, full);
    QByteArray shortReport = QByteArray::fromHex("013155");
    emu::injectRaw(id, shortReport);

    auto withCommand = [&](char code) {
        for (const Arrived &a : qAsConst(m_arrived))
            if (a.signal == QLatin1String("arrived") && a.data.at(1) == code)
                return a;
        return Arrived();
    };
    QTRY_VERIFY_WITH_TIMEOUT(!withCommand(0x31).data.isEmpty(), 5000);
    QCOMPARE(withCommand(0x30).data, full);
    const Arrived got = withCommand(0x31);
    QCOMPARE(got.length, 3);
    QCOMPARE(got.data, shortReport.leftJustified(64, '\0'));
}

void TransportTest::idleDeviceStillAnswers()
{
    emu::DeviceId id = emu::plug(emu::keyboardSpec());
    auto transport = open(id, QStringLiteral("ZK87A"), true);
    QVERIFY(transport);
    QTest::qWait(400);  // long past the last traffic

    emu::injectKeys(id, 0x02, {0x04});
    QTRY_VERIFY_WITH_TIMEOUT(
        std::any_of(m_arrived.cbegin(), m_arrived.cend(), [](const Arrived &a) { return a.data.at(1) == 0x04; }), 2000);
    QTest::qWait(400);
    Report cmd = command(0x07, 9);
    QCOMPARE(transport->writeCommand(cmd.data(), 64), 0);
    QVERIFY(emu::waitForCommand(id, 0x07, 2s));

    // A device pulled out makes every read fail; closing still ends the loop.
    emu::unplug(id);
    QTest::qWait(300);
    QCOMPARE(transport->closeHidDevice(), 0);
    QVERIFY(transport->isFinished());
}

void TransportTest::handshake_data()
{
    QTest::addColumn<bool>("pcMode");
    QTest::addColumn<int>("style");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("pc mode") << true << int(emu::PathStyle::Linux) << QByteArray("010100000001");
    QTest::newRow("on-board mode") << false << int(emu::PathStyle::Linux) << QByteArray("01010000000101");
    QTest::newRow("col06, pc mode") << true << int(emu::PathStyle::WindowsCol06) << QByteArray("060100000001");
    QTest::newRow("col06, on-board mode") << false << int(emu::PathStyle::WindowsCol06) << QByteArray("06010000000101");
}

void TransportTest::handshake()
{
    QFETCH(bool, pcMode);
    QFETCH(int, style);
    QFETCH(QByteArray, expected);

    emu::DeviceId id = emu::plug(emu::keyboardSpec(QStringLiteral("ZK87A"), emu::PathStyle(style)));
    auto transport = open(id, QStringLiteral("ZK87A"), true);
    QVERIFY(transport);
    transport->setShakeHandsMode(!pcMode);
    transport->setShakeHandsMode(pcMode);
    transport->onShakeHandsRuning();
    QVERIFY(emu::waitForCommand(id, 0x01, 5s));
    QCOMPARE(emu::writtenCommand(id, 0x01).constLast().data.toHex(), expected.leftJustified(128, '0'));
}

void TransportTest::handshakeEvery700ms()
{
    emu::DeviceId id = emu::plug(emu::keyboardSpec());
    auto transport = open(id, QStringLiteral("ZK87A"), true);
    QVERIFY(transport);
    transport->setShakeHandsMode(false);
    QTRY_VERIFY_WITH_TIMEOUT(emu::writtenCommand(id, 0x01).size() >= 3, 10000);
    const QVector<emu::WrittenReport> shakes = emu::writtenCommand(id, 0x01);
    for (int i = 1; i < shakes.size(); ++i) {
        const auto gap =
            std::chrono::duration_cast<std::chrono::milliseconds>(shakes.at(i).when - shakes.at(i - 1).when);
        QVERIFY2(gap >= 500ms && gap <= 1500ms, qPrintable(QString::number(gap.count())));
        QCOMPARE(int(shakes.at(i).data.at(6)), 1);
    }
    QVERIFY(emu::hostMode(id) == 1);

    // Closing stops the handshake.
    transport->closeHidDevice();
    const int count = emu::writtenCommand(id, 0x01).size();
    QTest::qWait(1000);
    QCOMPARE(emu::writtenCommand(id, 0x01).size(), count);
}

void TransportTest::closingOneKeepsOthersWorking()
{
    const int usersBefore = HidLibrary::users();
    emu::DeviceId keyboard = emu::plug(emu::keyboardSpec());
    emu::DeviceId mouse = emu::plug(emu::mouseSpec());
    auto keyboardTransport = open(keyboard, QStringLiteral("ZK87A"), true, 0);
    auto mouseTransport = open(mouse, QStringLiteral("ZM1"), true, 1);
    QVERIFY(keyboardTransport && mouseTransport);

    keyboardTransport->closeHidDevice();
    Report cmd = command(0x47, 1);
    QCOMPARE(mouseTransport->writeCommand(cmd.data(), 64), 0);
    QVERIFY(emu::waitForCommand(mouse, 0x47, 5s));
    emu::injectMouse(mouse, 0x01, 0);
    QTRY_VERIFY_WITH_TIMEOUT(
        std::any_of(m_arrived.cbegin(), m_arrived.cend(), [](const Arrived &a) { return a.threadIndex == 1; }), 5000);

    keyboardTransport.reset();
    mouseTransport.reset();
    QCOMPARE(HidLibrary::users(), usersBefore);
    QCOMPARE(emu::hidapiInitialised(), usersBefore > 0);
}

// With nothing moving the loop sleeps; a command must not wait for the sleep to end.
void TransportTest::quietLoopWakesForACommand()
{
    emu::DeviceId id = emu::plug(emu::keyboardSpec());
    auto transport = open(id, QStringLiteral("ZK87A"), true);
    QVERIFY(transport);
    QVERIFY(emu::waitForCommand(id, 0x15, 2s));
    for (int i = 0; i < 3; ++i) {
        QTest::qWait(150);  // the reader is in its long read, the writer asleep
        Report r = command(0x07, uint8_t(i));
        const auto sent = std::chrono::steady_clock::now();
        QCOMPARE(transport->writeCommand(r.data(), 64), 0);
        QVERIFY(emu::waitForCommand(id, 0x07, 2s, i + 1));
        const auto delay = emu::writtenCommand(id, 0x07).constLast().when - sent;
        // Loose: a loaded machine must not fail it; the benchmark measures the real figure.
        QVERIFY2(delay < 50ms, qPrintable(QString::number(std::chrono::duration<double, std::milli>(delay).count())));
    }
}

void TransportTest::closingWhileTheReaderWaits()
{
    emu::DeviceId id = emu::plug(emu::keyboardSpec());
    auto transport = open(id, QStringLiteral("ZK87A"), true);
    QVERIFY(transport);
    QTest::qWait(100);
    QElapsedTimer closing;
    closing.start();
    QCOMPARE(transport->closeHidDevice(), 0);
    // The reader's read is bounded well under a second; the margin is for a loaded machine.
    QVERIFY2(closing.elapsed() < 3000, qPrintable(QString::number(closing.elapsed())));
    QVERIFY(transport->isFinished());
    QCOMPARE(emu::openHandleCount(id), 0);
}

// A failing handle answers every read at once: the loop must rest, not spin, and emit nothing.
void TransportTest::pulledOutWhileTheReaderWaits()
{
    emu::DeviceId id = emu::plug(emu::keyboardSpec());
    auto transport = open(id, QStringLiteral("ZK87A"), true);
    QVERIFY(transport);
    QVERIFY(emu::waitForCommand(id, 0x15, 2s));
    QTRY_VERIFY_WITH_TIMEOUT(!m_arrived.isEmpty(), 2000);  // the serial answer
    QTest::qWait(100);
    m_arrived.clear();

    emu::unplug(id);
    const int readsAtUnplug = emu::readCallCount(id);
    QElapsedTimer watch;
    watch.start();
    QTest::qWait(1500);
    const int reads = emu::readCallCount(id) - readsAtUnplug;
    const double seconds = watch.elapsed() / 1000.0;
    // A few a second; a spinning loop makes thousands.
    QVERIFY2(reads <= 10 * seconds + 2, qPrintable(QStringLiteral("%1 reads in %2 s").arg(reads).arg(seconds)));
    QVERIFY(reads >= 1);  // the loop goes on
    QVERIFY(m_arrived.isEmpty());
    QVERIFY(transport->isHidOpen());

    Report r = command(0x07, 1);
    QCOMPARE(transport->writeCommand(r.data(), 64), 0);  // queued; the write fails quietly
    QElapsedTimer closing;
    closing.start();
    QCOMPARE(transport->closeHidDevice(), 0);
    QVERIFY(closing.elapsed() < 3000);
}

QTEST_GUILESS_MAIN(TransportTest)
#include "tst_MainHidInterFace.moc"
