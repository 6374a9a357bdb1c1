// SPDX-License-Identifier: GPL-3.0-or-later
// A user's key press, end to end: a key report from the emulated keyboard reaches the device
// link, which hands the key's place to the lighting engine's reactive effects; and the two
// lighting zones keep a Breath cycle each.

#include "../hid/LinkTestSupport.h"
#include "lightDealMain.h"
#include "LightTestSupport.h"

#include <QtTest>

using namespace linktest;

class ReactiveKeyPathTest : public QObject
{
    Q_OBJECT

private slots:
    void crossFromAKeyReport();
    void eachZoneBreathesOnItsOwn();
    void rippleFormFollowsTheChip_data();
    void rippleFormFollowsTheChip();
};

void ReactiveKeyPathTest::crossFromAKeyReport()
{
    emu::reset();
    const emu::DeviceId kb = emu::plug(emu::keyboardSpec());
    Profile profile;
    profile.setSwitches("0000");
    DDeviceKeyboardLink link(1);
    link.openHidDevice(deviceRecord(kb, QStringLiteral("ZK87A"), 0));
    QVERIFY(waitLikeDevicePage(link));
    link.setProfileXml(&profile.xml, profile.path.constData());
    link.setProfileIndex(1);

    lightDealMain engine;
    colorInfoData record = lightRecord(0, 11);
    record.ledModeType = 1;
    engine.setKeyboardLightConfig(record);
    ButtonMap buttons({4, 5});  // key 4 sits at row 0, column 4
    link.setLightDealMain(&engine);
    link.setKeyButtonMap(buttons.map);
    link.setKeyboardLightType(11);

    emu::injectRaw(kb, frame(0x04, QByteArray::fromHex("0000040000000000")));
    auto counting = [&] {
        int lit = 0;
        for (int row = 0; row < lightDealMain::kRows; ++row)
            for (int column = 0; column < lightDealMain::kColumns; ++column)
                lit += engine.keyCell(row, column).step > 0;
        return lit;
    };
    QTRY_COMPARE(counting(), 6 + 22 - 1);
    QVERIFY(engine.keyCell(5, 4).step > 0);
    QVERIFY(engine.keyCell(0, 21).step > 0);
    QCOMPARE(engine.keyCell(1, 3).step, 0);
    link.setLightDealMain(nullptr);
    engine.stopAllLightThreads();
}

void ReactiveKeyPathTest::eachZoneBreathesOnItsOwn()
{
    FakeKeyboardView view(20);
    lightDealMain engine;
    view.attach(engine);
    engine.setSideLightPresent(true);
    colorInfoData keys = lightRecord(0, 1);
    keys.ledModeR = 255, keys.ledModeG = 0, keys.ledModeB = 0;
    colorInfoData side = lightRecord(1, 1);
    side.ledModeR = 0, side.ledModeG = 0, side.ledModeB = 255;
    engine.setKeyboardLightConfig(keys);
    engine.setSideLightConfig(side);
    // Step both zones by hand, frame for frame (no events are processed, so the tickers add no
    // frames); count the frames each zone stays unchanged at the bottom of its swing.
    QColor lastKey = engine.keyColor(0);
    QColor lastSide = engine.sideColor(0);
    int keyStill = 0;
    int sideStill = 0;
    QVector<int> keyPauses;
    QVector<int> sidePauses;
    for (int frame = 0; frame < 1200; ++frame) {
        QMetaObject::invokeMethod(&engine, "onDviceUpdateAllKeyColor", Qt::DirectConnection);
        QMetaObject::invokeMethod(&engine, "onDviceUpdateAllSideLightColor", Qt::DirectConnection);
        const QColor key = engine.keyColor(0);
        const QColor strip = engine.sideColor(0);
        QCOMPARE(key.green(), 0);
        QCOMPARE(key.blue(), 0);
        QCOMPARE(strip.red(), 0);
        QCOMPARE(strip.green(), 0);
        if (key == lastKey) {
            ++keyStill;
        } else {
            if (keyStill)
                keyPauses << keyStill;
            keyStill = 0;
        }
        if (strip == lastSide) {
            ++sideStill;
        } else {
            if (sideStill)
                sidePauses << sideStill;
            sideStill = 0;
        }
        lastKey = key;
        lastSide = strip;
    }
    QVERIFY(keyPauses.size() >= 2);
    QVERIFY(sidePauses.size() >= 2);
    // Unchanged: the frame that finds the bottom, then the seven frames of the pause.
    for (int pause : keyPauses)
        QCOMPARE(pause, 1 + 7);
    for (int pause : sidePauses)
        QCOMPARE(pause, 1 + 7);
    engine.stopAllLightThreads();
}

void ReactiveKeyPathTest::rippleFormFollowsTheChip_data()
{
    QTest::addColumn<QString>("firmware");
    QTest::addColumn<bool>("diamond");
    QTest::newRow("NUC121") << "NUC121 V1.04" << false;
    QTest::newRow("M252") << "M252 SN V2.01" << true;
}

// The firmware's identification text picks Ripple's form: bars light the key's whole column,
// the diamond starts at the key alone.
void ReactiveKeyPathTest::rippleFormFollowsTheChip()
{
    QFETCH(QString, firmware);
    QFETCH(bool, diamond);
    lightDealMain engine;
    engine.setDeviceModel(firmware);
    QCOMPARE(engine.isM252Chip(), diamond);
    engine.setKeyboardLightConfig(lightRecord(0, 8));
    engine.keyPressLight(2, 10);
    for (int frame = 0; frame < 6; ++frame)
        QMetaObject::invokeMethod(&engine, "onDviceUpdateAllKeyColor", Qt::DirectConnection);
    QVERIFY(engine.keyCell(2, 10).level > 0);
    QCOMPARE(engine.keyCell(0, 10).level > 0, !diamond);
    engine.stopAllLightThreads();
}

QTEST_MAIN(ReactiveKeyPathTest)
#include "tst_ReactiveKeyPath.moc"
