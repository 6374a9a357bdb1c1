#include "DeviceModels.h"
#include "Emulator.h"
#include "LightingCommands.h"
#include "LightTestSupport.h"
#include "MainHidInterFace.h"

#include <QtTest>

#include <memory>

using namespace std::chrono_literals;

namespace {

constexpr uint8_t kColor = 0x0F;
constexpr uint8_t kSync = 0x17;

struct Packet {
    int zone;
    int index;
    int count;
    QByteArray bytes;
};

QVector<Packet> colorPackets(emu::DeviceId id)
{
    QVector<Packet> packets;
    for (const emu::WrittenReport &w : emu::writtenCommand(id, kColor)) {
        const QByteArray &d = w.data;
        packets.append({uint8_t(d.at(2)), uint8_t(d.at(4)), uint8_t(d.at(5)), d.mid(6, uint8_t(d.at(5)))});
        // Nothing beyond the colour bytes.
        const QByteArray rest = d.mid(6 + uint8_t(d.at(5)));
        if (rest.count('\0') != rest.size())
            qWarning() << "bytes after the colours";
    }
    return packets;
}

QVector<int> syncBytes(emu::DeviceId id)
{
    QVector<int> values;
    for (const emu::WrittenReport &w : emu::writtenCommand(id, kSync)) {
        values << uint8_t(w.data.at(6));
        if (uint8_t(w.data.at(5)) != 1)
            values << -1;
    }
    return values;
}

}  // namespace

class LightFramesTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void reportBuilders();
    void keyFrame();
    void sideFrames_data();
    void sideFrames();
    void frameFillsTheModelsBatch_data();
    void frameFillsTheModelsBatch();
    void blankKeysAreSentAsZeros();
    void lightSynchronize();
    void synchronizeOffWithTheTimerStopped();
    void nothingWrittenWithoutTransport();
    void transportDeletedUnderTheEngine();
    void previewOffWhileStreaming();

private:
    // A keyboard of this model on the emulator with its transport open and streaming enabled.
    void openKeyboard(const QString &model);
    // An engine on the transport whose test effects have rendered one frame.
    std::unique_ptr<lightDealMain> renderedEngine(const QString &model);

    emu::DeviceId m_device = 0;
    std::unique_ptr<MainHidInterFace> m_transport;
};

void LightFramesTest::init()
{
    emu::reset();
}

void LightFramesTest::cleanup()
{
    m_transport.reset();
    emu::reset();
}

void LightFramesTest::openKeyboard(const QString &model)
{
    m_device = emu::plug(emu::keyboardSpec(model));
    m_transport = std::make_unique<MainHidInterFace>(0, model);
    QCOMPARE(m_transport->hidOpenPath(0, 0, emu::configurationPath(m_device)), 0);
    m_transport->start();
    m_transport->setLightDataEnabled(true);
    QVERIFY(emu::waitForCommand(m_device, 0x15, 2s));
    emu::clearWritten(m_device);
}

std::unique_ptr<lightDealMain> LightFramesTest::renderedEngine(const QString &model)
{
    auto engine = std::make_unique<lightDealMain>(TestEffects::table());
    engine->setModelName(model);
    engine->setHidInterface(m_transport.get());
    engine->setSideLightPresent(true);
    engine->setSideLightConfig(lightRecord(1, 0));
    engine->setKeyboardLightConfig(lightRecord(0, 0));
    // The test steps the frames itself: the tickers' ticks only arrive in an event loop.
    engine->onDviceUpdateAllKeyColor();
    return engine;
}

void LightFramesTest::reportBuilders()
{
    const MainHidInterFace::Report on = LightingCommands::lightSynchronize(true);
    const MainHidInterFace::Report off = LightingCommands::lightSynchronize(false);
    MainHidInterFace::Report expected{};
    expected[0] = 1;
    expected[1] = 0x17;
    expected[5] = 1;
    expected[6] = 1;
    QVERIFY(on == expected);
    expected[6] = 0;
    QVERIFY(off == expected);

    uint8_t bytes[60];
    for (int i = 0; i < 60; ++i)
        bytes[i] = uint8_t(i + 1);
    const MainHidInterFace::Report packet = LightingCommands::colorFrame(1, 2, bytes, 60);  // cut to 54
    QCOMPARE(int(packet[5]), 54);
    QCOMPARE(int(packet[6 + 53]), 54);
    QCOMPARE(int(packet[6 + 54]), 0);
    QCOMPARE(int(LightingCommands::colorFrame(0, 0, nullptr, 9)[5]), 0);
    QCOMPARE(int(LightingCommands::colorFrame(0, 0, bytes, -3)[5]), 0);
}

void LightFramesTest::keyFrame()
{
    openKeyboard(QStringLiteral("ZK87A"));
    auto engine = renderedEngine(QStringLiteral("ZK87A"));
    engine->sendLightFrames();
    QVERIFY(emu::waitForCommand(m_device, kColor, 2s, 10));
    const QVector<Packet> packets = colorPackets(m_device);
    QCOMPARE(packets.size(), 10);
    // Keys: 8 packets of the 132 matrix places in order, 18 per packet, the last 6.
    for (int p = 0; p < 8; ++p) {
        QCOMPARE(packets[p].zone, 0);
        QCOMPARE(packets[p].index, p);
        QCOMPARE(packets[p].count, p < 7 ? 54 : 18);
        for (int j = 0; j < packets[p].count / 3; ++j) {
            const int place = p * 18 + j;
            QCOMPARE(int(uint8_t(packets[p].bytes.at(3 * j))), place);  // the test effect's red is the place
            QCOMPARE(int(uint8_t(packets[p].bytes.at(3 * j + 1))), 1);
            QCOMPARE(int(uint8_t(packets[p].bytes.at(3 * j + 2))), 10);
        }
    }
}

void LightFramesTest::sideFrames_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QVector<int>>("counts");
    QTest::newRow("33") << "ZK87A" << QVector<int>{54, 45};
    QTest::newRow("41") << "ZK87S" << QVector<int>{54, 54, 15};
    QTest::newRow("45") << "ZK104A" << QVector<int>{54, 54, 27};
    QTest::newRow("49") << "ZK104S" << QVector<int>{54, 54, 39};
    QTest::newRow("50") << "ZK104C" << QVector<int>{54, 54, 42};
}

void LightFramesTest::sideFrames()
{
    QFETCH(QString, model);
    QFETCH(QVector<int>, counts);
    openKeyboard(model);
    auto engine = renderedEngine(model);
    engine->onDviceUpdateAllSideLightColor();
    engine->sendLightFrames();
    QVERIFY(emu::waitForCommand(m_device, kColor, 2s, 8 + counts.size()));
    const QVector<Packet> packets = colorPackets(m_device);
    QCOMPARE(packets.size(), 8 + counts.size());
    for (int p = 0; p < counts.size(); ++p) {
        const Packet &packet = packets[8 + p];
        QCOMPARE(packet.zone, 1);
        QCOMPARE(packet.index, p);
        QCOMPARE(packet.count, counts[p]);
        for (int j = 0; j < packet.count / 3; ++j) {
            const int led = p * 18 + j;
            QCOMPARE(int(uint8_t(packet.bytes.at(3 * j))), 200 + led % 50);
            QCOMPARE(int(uint8_t(packet.bytes.at(3 * j + 1))), 1);
            QCOMPARE(int(uint8_t(packet.bytes.at(3 * j + 2))), 3);
        }
    }
}

void LightFramesTest::frameFillsTheModelsBatch_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("reports");
    for (const models::DeviceModel &model : models::deviceModels()) {
        if (model.kind == models::DeviceKind::Keyboard)
            QTest::newRow(model.code) << QString::fromLatin1(model.code) << model.framesPerBatch;
    }
}

void LightFramesTest::frameFillsTheModelsBatch()
{
    QFETCH(QString, model);
    QFETCH(int, reports);
    openKeyboard(model);
    auto engine = renderedEngine(model);
    // The transport writes only whole batches: a frame longer or shorter than the model's
    // batch would leave reports behind or have them refused.
    for (int frame = 1; frame <= 3; ++frame) {
        engine->sendLightFrames();
        QVERIFY2(emu::waitForCommand(m_device, kColor, 2s, frame * reports),
                 qPrintable(QString::number(emu::writtenCommand(m_device, kColor).size())));
    }
    QTest::qWait(50);
    QCOMPARE(emu::writtenCommand(m_device, kColor).size(), 3 * reports);
}

void LightFramesTest::blankKeysAreSentAsZeros()
{
    openKeyboard(QStringLiteral("ZK87A"));
    lightDealMain engine(TestEffects::table());
    engine.setHidInterface(m_transport.get());
    engine.setKeyboardLightConfig(lightRecord(0, 13));
    QCOMPARE(engine.keyColor(40), QColor(0, 0, 0, 250));
    engine.sendLightFrames();
    QVERIFY(emu::waitForCommand(m_device, kColor, 2s, 10));
    for (const Packet &packet : colorPackets(m_device))
        QCOMPARE(packet.bytes.count('\0'), packet.count);
}

void LightFramesTest::lightSynchronize()
{
    openKeyboard(QStringLiteral("ZK87A"));
    lightDealMain engine(TestEffects::table());
    engine.setHidInterface(m_transport.get());
    engine.setLightSynchronize(true);
    QVERIFY(engine.isLightSynchronizeOn());
    QVERIFY(emu::waitForCommand(m_device, kSync, 2s));
    QCOMPARE(syncBytes(m_device), QVector<int>{1});
    const auto first = emu::writtenCommand(m_device, kSync).first().when;

    QTRY_VERIFY_WITH_TIMEOUT(syncBytes(m_device).size() >= 2, 8000);
    QCOMPARE(syncBytes(m_device), (QVector<int>{1, 1}));
    const auto second = emu::writtenCommand(m_device, kSync).at(1).when;
    QVERIFY(second - first >= 2500ms);

    engine.setLightSynchronize(false);
    QVERIFY(!engine.isLightSynchronizeOn());
    QTRY_COMPARE_WITH_TIMEOUT(syncBytes(m_device).size(), 3, 2000);
    QTest::qWait(3300);  // the repetition has ended
    QCOMPARE(syncBytes(m_device), (QVector<int>{1, 1, 0}));
}

void LightFramesTest::synchronizeOffWithTheTimerStopped()
{
    openKeyboard(QStringLiteral("ZK104S"));
    lightDealMain engine(TestEffects::table());
    engine.setHidInterface(m_transport.get());
    engine.setLightSynchronize(false);
    QVERIFY(emu::waitForCommand(m_device, kSync, 2s));
    QTest::qWait(50);
    QCOMPARE(syncBytes(m_device), QVector<int>{0});
}

void LightFramesTest::nothingWrittenWithoutTransport()
{
    openKeyboard(QStringLiteral("ZK87A"));
    lightDealMain engine(TestEffects::table());
    engine.setKeyboardLightConfig(lightRecord(0, 0));
    engine.sendLightFrames();
    engine.setLightSynchronize(true);
    engine.onSendLightSynchronize0x17Cmd();
    engine.setLightSynchronize(false);
    QTest::qWait(100);
    QVERIFY(emu::writtenCommand(m_device, kColor).isEmpty());
    QVERIFY(emu::writtenCommand(m_device, kSync).isEmpty());
}

void LightFramesTest::transportDeletedUnderTheEngine()
{
    openKeyboard(QStringLiteral("ZK87A"));
    lightDealMain engine(TestEffects::table());
    engine.setHidInterface(m_transport.get());
    engine.setKeyboardLightConfig(lightRecord(0, 0));
    engine.setLightSynchronize(true);
    engine.setHidSendThreadRunning(true);
    QTRY_VERIFY_WITH_TIMEOUT(emu::writtenCommand(m_device, kColor).size() >= 10, 5000);
    // The device link is deleted with its device, and its transport with it.
    m_transport.reset();
    emu::clearWritten(m_device);
    QTest::qWait(100);  // send ticks keep coming
    engine.sendLightFrames();
    engine.setLightSynchronize(false);
    engine.onSendLightSynchronize0x17Cmd();
    engine.stopAllLightThreads();
    QVERIFY(emu::written(m_device).isEmpty());
}

void LightFramesTest::previewOffWhileStreaming()
{
    openKeyboard(QStringLiteral("ZK87A"));
    FakeKeyboardView view;
    lightDealMain engine(TestEffects::table());
    view.attach(engine);
    engine.setHidInterface(m_transport.get());
    engine.setPreviewEnabled(false);
    engine.setKeyboardLightConfig(lightRecord(0, 0));
    const int paints = view.key(2, 2).paints;
    const QColor shown = view.key(2, 2).getKeyColor();
    engine.setHidSendThreadRunning(true);
    QVERIFY(engine.isSendRunning());
    QTRY_VERIFY_WITH_TIMEOUT(emu::writtenCommand(m_device, kColor).size() >= 30, 5000);
    QCOMPARE(view.key(2, 2).paints, paints);
    QCOMPARE(view.key(2, 2).getKeyColor(), shown);
    engine.setHidSendThreadRunning(false);
    QVERIFY(!engine.isSendRunning());
    // The frames carry what the effect renders.
    QTRY_VERIFY_WITH_TIMEOUT(emu::writtenCommand(m_device, kColor).size() % 10 == 0, 5000);
    const QVector<Packet> packets = colorPackets(m_device);
    const Packet &lastKeys = packets.at(packets.size() - 10 + 7);
    QCOMPARE(lastKeys.zone, 0);
    QCOMPARE(lastKeys.index, 7);
    QCOMPARE(int(uint8_t(lastKeys.bytes.at(0))), 7 * 18);
}

QTEST_GUILESS_MAIN(LightFramesTest)
#include "tst_LightFrames.moc"
