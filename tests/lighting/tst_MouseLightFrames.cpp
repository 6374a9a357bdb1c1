// SPDX-License-Identifier: GPL-3.0-or-later
// The mouse lighting engine against the emulated mouse: the 0x48 colour report byte for byte,
// the 0x17 synchronisation report, a transport that goes away, and mouse button reports through
// the device link reaching the reactive and DPI modes.

#include "../hid/LinkActionTestSupport.h"
#include "Emulator.h"
#include "LightingCommands.h"
#include "LightPresetTables.h"
#include "MainHidInterFace.h"
#include "MouseLightTestSupport.h"

#include <QtTest>

#include <memory>

using namespace std::chrono_literals;

namespace {

constexpr uint8_t kMouseColor = 0x48;
constexpr uint8_t kSync = 0x17;

// The 64 bytes of a 0x48 report carrying these eighteen colours.
QByteArray goldenReport(const QVector<QColor> &leds)
{
    QByteArray expected = QByteArray::fromHex("014800000036");
    for (const QColor &c : leds)
        expected += char(c.red()), expected += char(c.green()), expected += char(c.blue());
    expected += QByteArray(4, '\0');
    return expected;
}

QVector<int> syncBytes(emu::DeviceId id)
{
    QVector<int> values;
    for (const emu::WrittenReport &w : emu::writtenCommand(id, kSync)) {
        if (w.data.left(6) != QByteArray::fromHex("011700000001") || w.data.mid(7).count('\0') != 57)
            values << -1;
        values << uint8_t(w.data.at(6));
    }
    return values;
}

// The engine, counting the button events the link hands it.
class CountingEngine : public mouseLightDealMain
{
public:
    void keyPressLight() override
    {
        ++presses;
        mouseLightDealMain::keyPressLight();
    }
    int presses = 0;
};

// A mouse button report of the emulated mouse: buttons in byte 6.
QByteArray mouseButtons(uint8_t buttons)
{
    QByteArray r = linktest::frame(0x40);
    r[6] = char(buttons);
    return r;
}

}  // namespace

class MouseLightFramesTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void reportBuilder();
    void reportBeforeAnyEffectIsBlack();
    void reportSubstitutesUnlessLinked_data();
    void reportSubstitutesUnlessLinked();
    void streamingFollowsTheSendTicker();
    void lightSynchronize();
    void synchronizeOffWithTheTimerIdle();
    void transportDeletedUnderTheEngine();
    void mouseReportsReachTheEngine();

private:
    void openMouse();
    // The transport writes a mouse's frames in pairs: two reports, both written.
    void sendFrames(mouseLightDealMain &engine);

    emu::DeviceId m_device = 0;
    std::unique_ptr<MainHidInterFace> m_transport;
};

void MouseLightFramesTest::init()
{
    emu::reset();
}

void MouseLightFramesTest::cleanup()
{
    m_transport.reset();
    emu::reset();
}

void MouseLightFramesTest::openMouse()
{
    m_device = emu::plug(emu::mouseSpec());
    m_transport = std::make_unique<MainHidInterFace>(0, QStringLiteral("ZM1"));
    QCOMPARE(m_transport->hidOpenPath(0, 0, emu::configurationPath(m_device)), 0);
    m_transport->start();
    m_transport->setLightDataMode(1);  // a mouse, as the device page gives it
    m_transport->setLightDataEnabled(true);
    QVERIFY(emu::waitForCommand(m_device, 0x15, 2s));
    emu::clearWritten(m_device);
}

void MouseLightFramesTest::sendFrames(mouseLightDealMain &engine)
{
    const int before = emu::writtenCommand(m_device, kMouseColor).size();
    engine.onDviceUpdateAllMouseKeyColorSendKeyboardHid();
    engine.onDviceUpdateAllMouseKeyColorSendKeyboardHid();
    QVERIFY(emu::waitForCommand(m_device, kMouseColor, 2s, before + 2));
}

void MouseLightFramesTest::reportBuilder()
{
    uint8_t bytes[60];
    for (int i = 0; i < 60; ++i)
        bytes[i] = uint8_t(i + 1);
    const MainHidInterFace::Report report = LightingCommands::mouseColorFrame(0, 0, bytes, 60);
    QByteArray expected = QByteArray::fromHex("014800000036");
    expected += QByteArray(reinterpret_cast<const char *>(bytes), 54) + QByteArray(4, '\0');
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(report.data()), int(report.size())), expected);
    QCOMPARE(int(LightingCommands::mouseColorFrame(0, 0, nullptr, 9)[5]), 0);
}

void MouseLightFramesTest::reportBeforeAnyEffectIsBlack()
{
    openMouse();
    mouseLightDealMain engine;
    engine.setHidInterface(m_transport.get());
    sendFrames(engine);
    QCOMPARE(emu::writtenCommand(m_device, kMouseColor).first().data, goldenReport(QVector<QColor>(18, Qt::black)));

    // Static in black sends zeros too.
    FakeMouseLeds leds;
    leds.attach(engine);
    setMouseMaxima(engine);
    engine.setAroundLightConfig(mouseRecord(0, 0, QColor(0, 0, 0)));
    engine.onDviceUpdateMouseAroundColor();
    emu::clearWritten(m_device);
    sendFrames(engine);
    QCOMPARE(emu::writtenCommand(m_device, kMouseColor).first().data, goldenReport(QVector<QColor>(18, Qt::black)));
    engine.stopAllLightThreads();
}

void MouseLightFramesTest::reportSubstitutesUnlessLinked_data()
{
    QTest::addColumn<bool>("scrollLinked");
    QTest::addColumn<bool>("logoLinked");
    QTest::newRow("unlinked") << false << false;
    QTest::newRow("scroll linked") << true << false;
    QTest::newRow("logo linked") << false << true;
    QTest::newRow("both linked") << true << true;
}

void MouseLightFramesTest::reportSubstitutesUnlessLinked()
{
    QFETCH(bool, scrollLinked);
    QFETCH(bool, logoLinked);
    openMouse();
    FakeMouseLeds leds;
    mouseLightDealMain engine;
    leds.attach(engine);
    setMouseMaxima(engine);
    engine.setHidInterface(m_transport.get());
    engine.setScrollLightConfig(mouseRecord(1, 0, QColor(0, 255, 0)));
    engine.setLogoLightConfig(mouseRecord(2, 0, QColor(0, 0, 255)));
    engine.setAroundLightConfig(mouseRecord(0, 0, QColor(255, 0, 0)));
    engine.setScrollLinked(scrollLinked);
    engine.setLogoLinked(logoLinked);
    engine.onDviceUpdateMouseAroundColor();
    engine.onDviceUpdateMouseScrollColor();
    engine.onDviceUpdateMouseLogoColor();
    engine.onDviceUpdateMouseAllColorUIAround();
    sendFrames(engine);

    QVector<QColor> expected(18, QColor(255, 0, 0));
    if (!logoLinked)
        expected[5] = QColor(0, 0, 255);
    if (!scrollLinked)
        expected[7] = QColor(0, 255, 0);
    QCOMPARE(emu::writtenCommand(m_device, kMouseColor).first().data, goldenReport(expected));
    // The preview shows the same LEDs.
    for (int n = 0; n < 18; ++n) {
        QColor shown = leds[n].shown;
        shown.setAlpha(255);
        QCOMPARE(shown, expected[n]);
    }
    engine.stopAllLightThreads();
}

void MouseLightFramesTest::streamingFollowsTheSendTicker()
{
    openMouse();
    mouseLightDealMain engine;
    engine.setHidInterface(m_transport.get());
    engine.setHidSendThreadRunning(true);
    QVERIFY(engine.isSendRunning());
    QTRY_VERIFY_WITH_TIMEOUT(emu::writtenCommand(m_device, kMouseColor).size() >= 3, 5000);
    engine.stopAllLightThreads();
    QVERIFY(!engine.isSendRunning());
    QTest::qWait(60);  // a report already handed to the transport may still arrive
    const int sent = emu::writtenCommand(m_device, kMouseColor).size();
    QTest::qWait(200);
    QCOMPARE(emu::writtenCommand(m_device, kMouseColor).size(), sent);
}

void MouseLightFramesTest::lightSynchronize()
{
    openMouse();
    mouseLightDealMain engine;
    engine.setHidInterface(m_transport.get());
    engine.setLightSynchronize(true);
    QVERIFY(engine.isLightSynchronizeOn());
    QVERIFY(emu::waitForCommand(m_device, kSync, 2s));
    QCOMPARE(syncBytes(m_device), QVector<int>{1});
    QTRY_VERIFY_WITH_TIMEOUT(syncBytes(m_device).size() >= 2, 8000);
    engine.setLightSynchronize(false);
    QTRY_COMPARE_WITH_TIMEOUT(syncBytes(m_device), (QVector<int>{1, 1, 0}), 2000);
}

void MouseLightFramesTest::synchronizeOffWithTheTimerIdle()
{
    openMouse();
    mouseLightDealMain engine;
    engine.setHidInterface(m_transport.get());
    engine.setLightSynchronize(false);
    QVERIFY(emu::waitForCommand(m_device, kSync, 2s));
    QTest::qWait(50);
    QCOMPARE(syncBytes(m_device), QVector<int>{0});
}

void MouseLightFramesTest::transportDeletedUnderTheEngine()
{
    openMouse();
    FakeMouseLeds leds;
    mouseLightDealMain engine;
    leds.attach(engine);
    engine.setHidInterface(m_transport.get());
    engine.setAroundLightConfig(mouseRecord(0, 1));
    engine.setLightSynchronize(true);
    engine.setHidSendThreadRunning(true);
    QTRY_VERIFY_WITH_TIMEOUT(emu::writtenCommand(m_device, kMouseColor).size() >= 2, 5000);
    // The device link is deleted with its mouse, and its transport with it.
    m_transport.reset();
    emu::clearWritten(m_device);
    QTest::qWait(100);  // send ticks keep coming
    engine.onDviceUpdateAllMouseKeyColorSendKeyboardHid();
    engine.setLightSynchronize(false);
    engine.stopAllLightThreads();
    QVERIFY(emu::written(m_device).isEmpty());
}

void MouseLightFramesTest::mouseReportsReachTheEngine()
{
    linktest::OpenedLink mouse;
    QVERIFY(mouse.open(true));
    FakeMouseLeds leds;
    CountingEngine engine;
    leds.attach(engine);
    setMouseMaxima(engine);
    mouse.link->setMouseLightDealMain(&engine);

    // Speed Respond: a press and a release of the left button are two steps. The zone ticks
    // meanwhile and fades the bar, but a step leaves its colour on LED 7 for good.
    mouse.link->setMouseAroundLightType(8);
    engine.setAroundLightConfig(mouseRecord(0, 8, QColor(1, 1, 1), QColor(0, 0, 0), 0, true));
    QCOMPARE(QColor(engine.cell(7).red, engine.cell(7).green, engine.cell(7).blue), QColor(0, 0, 0));
    emu::injectRaw(mouse.id, mouseButtons(0x01));
    emu::injectRaw(mouse.id, mouseButtons(0x00));
    QVERIFY(linktest::syncLink(mouse.id, *mouse.link));
    QCOMPARE(engine.presses, 2);
    QCOMPARE(QColor(engine.cell(7).red, engine.cell(7).green, engine.cell(7).blue),
             LightTables::mouseReactiveColorTable[0].color());

    // The DPI key, also while the profile gives it a function of its own.
    engine.setDpiColorList({QColor(1, 0, 0), QColor(2, 0, 0), QColor(3, 0, 0)}, 1);
    mouse.link->setMouseAroundLightType(7);
    engine.setAroundLightConfig(mouseRecord(0, 7));
    emu::injectRaw(mouse.id, mouseButtons(0x20));
    emu::injectRaw(mouse.id, mouseButtons(0x00));
    QVERIFY(linktest::syncLink(mouse.id, *mouse.link));
    QCOMPARE(engine.dpiColorIndex(), 1);
    linktest::bind(mouse.profile, QStringLiteral("32:0:30"));
    emu::injectRaw(mouse.id, mouseButtons(0x20));
    emu::injectRaw(mouse.id, mouseButtons(0x00));
    QVERIFY(linktest::syncLink(mouse.id, *mouse.link));
    QCOMPARE(engine.dpiColorIndex(), 2);
    engine.onDviceUpdateMouseAroundColor();
    QCOMPARE(engine.ledColor(0), QColor(3, 0, 0, 250));

    mouse.link->setMouseLightDealMain(nullptr);
    engine.stopAllLightThreads();
}

QTEST_MAIN(MouseLightFramesTest)
#include "tst_MouseLightFrames.moc"
