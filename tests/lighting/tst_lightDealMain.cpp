// SPDX-License-Identifier: GPL-3.0-or-later
#include "LightTestSupport.h"

#include <QtTest>

namespace {

QColor testKeyColor(int index, uint32_t frame, int red, int factor)
{
    const QColor plain(index, int(frame % 256), red, 200);
    QColor dimmed = plain.darker(factor);
    dimmed.setAlpha(200);
    return factor == 100 ? plain : dimmed;
}

}  // namespace

class LightDealMainTest : public QObject
{
    Q_OBJECT
private slots:
    void fullApplyBlanksTheKeysUnlessCustom_data();
    void fullApplyBlanksTheKeysUnlessCustom();
    void effectStartPaintsTheCells();
    void idsWithoutAnEffectNeitherStartNorRender_data();
    void idsWithoutAnEffectNeitherStartNorRender();
    void tickIntervals_data();
    void tickIntervals();
    void speedAndBrightnessOnlyKeepTheEffect();
    void musicalRhythm();
    void renderDimsByBrightness_data();
    void renderDimsByBrightness();
    void sideStrip();
    void sideButtonsBeyondSixtyAndNull();
    void preview();
    void keyPresses_data();
    void keyPresses();
    void ripplePresses();
    void customLighting();
    void clearAndModelFacts();
    void stoppedEngineRendersNothing();
};

void LightDealMainTest::fullApplyBlanksTheKeysUnlessCustom_data()
{
    QTest::addColumn<int>("ledType");
    QTest::addColumn<bool>("blanked");
    QTest::newRow("no effect") << 13 << true;
    QTest::newRow("custom") << 10 << false;
}

void LightDealMainTest::fullApplyBlanksTheKeysUnlessCustom()
{
    QFETCH(int, ledType);
    QFETCH(bool, blanked);
    FakeKeyboardView view;
    lightDealMain engine(TestEffects::table());
    view.attach(engine);
    for (const auto &key : view.keys)
        key->setKeyColor(QColor(1, 2, 3, 4));
    engine.setKeyboardLightConfig(lightRecord(0, ledType));
    const QColor expected = blanked ? QColor(0, 0, 0, 250) : QColor(1, 2, 3, 4);
    for (int i = 0; i < lightDealMain::kKeys; ++i) {
        QCOMPARE(view.keys[size_t(i)]->getKeyColor(), expected);
        if (blanked)
            QCOMPARE(engine.keyColor(i), QColor(0, 0, 0, 250));
        else
            QVERIFY(!engine.keyColor(i).isValid());
    }
    QCOMPARE(engine.currentKeyEffect(), ledType);
    QVERIFY(engine.isKeyEffectRunning());
    QVERIFY(engine.isSideEffectRunning());
    QVERIFY(engine.isPreviewRunning());
    QVERIFY(!engine.isSendRunning());
    engine.stopAllLightThreads();
    QVERIFY(!engine.isKeyEffectRunning() && !engine.isSideEffectRunning() && !engine.isPreviewRunning());
}

void LightDealMainTest::effectStartPaintsTheCells()
{
    FakeKeyboardView view;
    lightDealMain engine(TestEffects::table());
    view.attach(engine);
    engine.setKeyboardLightConfig(lightRecord(0, 0));
    // The test initialiser puts (row, column, 7) in every cell: the colours take it at full
    // alpha, the buttons transparent.
    QCOMPARE(engine.keyColor(3 * 22 + 5), QColor(3, 5, 7, 255));
    QCOMPARE(view.key(3, 5).getKeyColor(), QColor(3, 5, 7, 0));
    QCOMPARE(engine.keyCell(3, 5).level, 255);
    // The record is kept as given; its working copy is transformed.
    colorInfoData record = lightRecord(0, 0, 2, 1, 7);
    record.ledModeR = 999;
    engine.setKeyboardLightConfig(record);
    QCOMPARE(engine.keyboardLightConfig().ledModeR, 999);
    QCOMPARE(engine.keyboardLightConfig().ledDirection, 7);
    QCOMPARE(engine.keyboardLightParams().red, 255);
    QCOMPARE(engine.keyboardLightParams().direction, 1);
    QCOMPARE(engine.keyboardLightParams().brightness, 3);
    QVERIFY(!engine.isKeyboardFullColor());
    record.ledModeType = 1;
    engine.setKeyboardLightConfig(record);
    QVERIFY(engine.isKeyboardFullColor());
}

void LightDealMainTest::idsWithoutAnEffectNeitherStartNorRender_data()
{
    QTest::addColumn<int>("ledType");
    QTest::newRow("13") << 13;
    QTest::newRow("-1") << -1;
    QTest::newRow("999") << 999;
}

void LightDealMainTest::idsWithoutAnEffectNeitherStartNorRender()
{
    QFETCH(int, ledType);
    lightDealMain engine(TestEffects::table());
    engine.setKeyboardLightConfig(lightRecord(0, ledType));
    engine.onDviceUpdateAllKeyColor();
    for (int i = 0; i < lightDealMain::kKeys; ++i)
        QCOMPARE(engine.keyColor(i), QColor(0, 0, 0, 250));
    // The program's own table renders nothing for such an id either, and Static for 0.
    lightDealMain shipped;
    shipped.setKeyboardLightConfig(lightRecord(0, ledType));
    shipped.onDviceUpdateAllKeyColor();
    QCOMPARE(shipped.keyColor(0), QColor(0, 0, 0, 250));
    shipped.setKeyboardLightConfig(lightRecord(0, 0));
    shipped.onDviceUpdateAllKeyColor();
    QCOMPARE(shipped.keyColor(0), QColor(10, 20, 30, 180));
}

void LightDealMainTest::tickIntervals_data()
{
    QTest::addColumn<int>("keySpeedMax");
    QTest::addColumn<int>("sideSpeedMax");
    QTest::addColumn<int>("speed");
    QTest::addColumn<int>("keyInterval");
    QTest::addColumn<int>("sideInterval");
    QTest::newRow("five levels, slowest") << 4 << 4 << 0 << 28 << 28;
    QTest::newRow("five levels, fastest") << 4 << 4 << 4 << 8 << 8;
    QTest::newRow("ten levels") << 9 << 9 << 5 << 17 << 17;
    QTest::newRow("maximum 3") << 3 << 3 << 3 << 14 << 22;
    QTest::newRow("speed beyond the table") << 4 << 9 << 30 << 8 << 8;
}

void LightDealMainTest::tickIntervals()
{
    QFETCH(int, keySpeedMax);
    QFETCH(int, sideSpeedMax);
    QFETCH(int, speed);
    QFETCH(int, keyInterval);
    QFETCH(int, sideInterval);
    lightDealMain engine(TestEffects::table());
    engine.setSpeedAndBrightnessMaxNum(keySpeedMax, 4, sideSpeedMax, 4);
    engine.setSideLightConfig(lightRecord(1, 0, 4, speed));
    engine.setKeyboardLightConfig(lightRecord(0, 0, 4, speed));
    QCOMPARE(engine.keyTickInterval(), keyInterval);
    QCOMPARE(engine.sideTickInterval(), sideInterval);
}

void LightDealMainTest::speedAndBrightnessOnlyKeepTheEffect()
{
    FakeKeyboardView view;
    lightDealMain engine(TestEffects::table());
    view.attach(engine);
    engine.setSpeedAndBrightnessMaxNum(4, 4, 4, 4);
    engine.setKeyboardLightConfig(lightRecord(0, 0, 4, 0));
    engine.onDviceUpdateAllKeyColor();
    const QColor before = engine.keyColor(7);
    engine.stopAllLightThreads();
    const int paints = view.key(0, 7).paints;

    engine.setKeyboardSpeedAndBrightness(lightRecord(0, 6, 0, 4));
    QCOMPARE(engine.keyTickInterval(), 8);
    QCOMPARE(engine.keyboardLightParams().brightness, 1);
    QCOMPARE(engine.currentKeyEffect(), 0);  // the effect and its cells stay
    QCOMPARE(engine.keyColor(7), before);
    QCOMPARE(view.key(0, 7).paints, paints);
    QVERIFY(!engine.isKeyEffectRunning());  // and so does the tickers' state

    engine.setSideSpeedAndBrightness(lightRecord(1, 3, 1, 1));
    QCOMPARE(engine.sideTickInterval(), 25);
    QCOMPARE(engine.currentSideEffect(), -1);
}

void LightDealMainTest::musicalRhythm()
{
    lightDealMain engine(TestEffects::table());
    engine.setSpeedAndBrightnessMaxNum(4, 4, 4, 4);
    QVERIFY(engine.isRhythmBarsOn());
    engine.setKeyboardLightConfig(lightRecord(0, 100, 4, 0, 3));
    QCOMPARE(engine.keyTickInterval(), 14);
    QVERIFY(!engine.isRhythmBarsOn());
    engine.setKeyboardSpeedAndBrightness(lightRecord(0, 100, 4, 4, 2));
    QCOMPARE(engine.keyTickInterval(), 14);
    QVERIFY(engine.isRhythmBarsOn());
    engine.setKeyboardSpeedAndBrightness(lightRecord(0, 100, 4, 4, 0));
    QVERIFY(engine.isRhythmBarsOn());
}

void LightDealMainTest::renderDimsByBrightness_data()
{
    QTest::addColumn<bool>("maximaKnown");
    QTest::addColumn<int>("brightnessMax");
    QTest::addColumn<int>("brightness");
    QTest::addColumn<int>("factor");
    QTest::newRow("before the maxima") << false << 0 << 0 << 100;
    QTest::newRow("max 4, brightest") << true << 4 << 4 << 100;
    QTest::newRow("max 4, dimmest") << true << 4 << 0 << 228;
    QTest::newRow("max 9, level 3") << true << 9 << 3 << 196;
    QTest::newRow("above the maximum") << true << 4 << 9 << 100;
    QTest::newRow("negative") << true << 4 << -5 << 228;
}

void LightDealMainTest::renderDimsByBrightness()
{
    QFETCH(bool, maximaKnown);
    QFETCH(int, brightnessMax);
    QFETCH(int, brightness);
    QFETCH(int, factor);
    lightDealMain engine(TestEffects::table());
    if (maximaKnown)
        engine.setSpeedAndBrightnessMaxNum(4, brightnessMax, 4, brightnessMax);
    engine.setKeyboardLightConfig(lightRecord(0, 0, brightness));
    QCOMPARE(engine.keyDimFactor(), factor);
    engine.onDviceUpdateAllKeyColor();
    engine.onDviceUpdateAllKeyColor();
    for (int i : {0, 17, 131})
        QCOMPARE(engine.keyColor(i), testKeyColor(i, 2, 10, factor));
}

void LightDealMainTest::sideStrip()
{
    FakeKeyboardView view(12);
    lightDealMain engine(TestEffects::table());
    view.attach(engine);
    engine.setSideLightConfig(lightRecord(1, 13));
    // Blanked, and the arrays beyond the buttons keep their (0,0,0,0).
    QCOMPARE(view.sides[3]->color_, QColor(0, 0, 0, 180));
    QCOMPARE(engine.sideColor(3), QColor(0, 0, 0, 180));
    QCOMPARE(engine.sideColor(12), QColor(0, 0, 0, 0));

    engine.setSideLightConfig(lightRecord(1, 0));
    QCOMPARE(engine.currentSideEffect(), 0);
    QCOMPARE(engine.sideColor(4), QColor(4, 1, 2, 0));
    QCOMPARE(view.sides[4]->color_, QColor(4, 1, 2, 0));
    QVERIFY(!engine.isSideEffectRunning());  // the side ticker starts with the keys

    // Rendered only with the strip present and the tickers started.
    engine.onDviceUpdateAllSideLightColor();
    QCOMPARE(engine.sideColor(4), QColor(4, 1, 2, 0));
    engine.setKeyboardLightConfig(lightRecord(0, 13));
    engine.onDviceUpdateAllSideLightColor();
    QCOMPARE(engine.sideColor(4), QColor(4, 1, 2, 0));
    engine.setSideLightPresent(true);
    engine.onDviceUpdateAllSideLightColor();
    QCOMPARE(engine.sideColor(4), QColor(204, 1, 3, 150));
}

void LightDealMainTest::sideButtonsBeyondSixtyAndNull()
{
    FakeKeyboardView view(64);
    lightDealMain engine(TestEffects::table());
    QList<SideLightButtonInterface *> list;
    for (const auto &side : view.sides)
        list << side.get();
    list[2] = nullptr;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("64 side LEDs"));
    engine.setSideLightButtons(list);
    engine.setSideLightPresent(true);
    engine.setSideLightConfig(lightRecord(1, 0));
    engine.setKeyboardLightConfig(lightRecord(0, 13));
    engine.onDviceUpdateAllSideLightColor();
    engine.onDviceUpdateAllSideLightColorUI();
    QCOMPARE(view.sides[59]->color_, QColor(209, 1, 3, 150));
    QCOMPARE(view.sides[60]->paints, 0);
    QCOMPARE(view.sides[63]->paints, 0);
}

void LightDealMainTest::preview()
{
    FakeKeyboardView view(5);
    lightDealMain engine(TestEffects::table());
    view.attach(engine);
    engine.setSideLightPresent(true);
    engine.setSideLightConfig(lightRecord(1, 0));
    engine.setKeyboardLightConfig(lightRecord(0, 0));
    engine.onDviceUpdateAllKeyColor();
    engine.onDviceUpdateAllSideLightColor();

    engine.setPreviewEnabled(false);
    engine.onDviceUpdateAllKeyColorUI();
    engine.onDviceUpdateAllSideLightColorUI();
    QCOMPARE(view.key(1, 1).getKeyColor(), QColor(1, 1, 7, 0));
    QCOMPARE(view.sides[1]->color_, QColor(1, 1, 2, 0));

    engine.setPreviewEnabled(true);
    engine.onDviceUpdateAllKeyColorUI();
    engine.onDviceUpdateAllSideLightColorUI();
    QCOMPARE(view.key(1, 1).getKeyColor(), QColor(23, 1, 10, 200));  // alpha as rendered
    QCOMPARE(view.sides[1]->color_, QColor(201, 1, 3, 150));

    // No preview of a stopped key effect, nor of a strip the device lacks.
    engine.setSideLightPresent(false);
    engine.stopAllLightThreads();
    for (const auto &key : view.keys)
        key->setKeyColor(Qt::white);
    view.sides[1]->color_ = Qt::white;
    engine.onDviceUpdateAllKeyColorUI();
    engine.onDviceUpdateAllSideLightColorUI();
    QCOMPARE(view.key(1, 1).getKeyColor(), QColor(Qt::white));
    QCOMPARE(view.sides[1]->color_, QColor(Qt::white));

    // A key position without a button is skipped.
    engine.keyButtons[0][0] = nullptr;
    engine.setKeyboardLightConfig(lightRecord(0, 0));
    engine.onDviceUpdateAllKeyColorUI();
    QCOMPARE(view.key(0, 1).getKeyColor(), QColor(0, 1, 7, 255));
    QCOMPARE(view.key(0, 0).getKeyColor(), QColor(Qt::white));
}

void LightDealMainTest::keyPresses_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("running");
    QTest::addColumn<bool>("lit");
    QTest::newRow("inside") << 2 << 3 << true << true;
    QTest::newRow("corner") << 5 << 21 << true << true;
    QTest::newRow("row 6") << 6 << 3 << true << false;
    QTest::newRow("column 22") << 2 << 22 << true << false;
    QTest::newRow("negative") << -1 << -1 << true << false;
    QTest::newRow("ticker stopped") << 2 << 3 << false << false;
}

void LightDealMainTest::keyPresses()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(bool, running);
    QFETCH(bool, lit);
    lightDealMain engine(TestEffects::table());
    engine.setKeyboardLightConfig(lightRecord(0, 6));
    if (!running)
        engine.stopAllLightThreads();
    KeyboardLightInterface &input = engine;  // as the device link calls it
    input.keyPressLight(row, column);
    int marked = 0;
    for (int r = 0; r < lightDealMain::kRows; ++r)
        for (int c = 0; c < lightDealMain::kColumns; ++c)
            marked += engine.keyCell(r, c).step == 9;
    QCOMPARE(marked, lit ? 1 : 0);
    if (lit)
        QCOMPARE(engine.keyCell(row, column).step, 9);
}

void LightDealMainTest::ripplePresses()
{
    lightDealMain engine(TestEffects::table());
    engine.setKeyboardLightConfig(lightRecord(0, 8, 4, 2, 1));  // odd direction
    engine.keyPressLight(2, 4);
    QCOMPARE(int(engine.rippleQueue().columns[19]), 4);
    QCOMPARE(int(engine.rippleQueue().rows[19]), 2);
    QCOMPARE(int(engine.rippleQueue().radii[19]), 17);
    QVERIFY(engine.rippleQueue().colors[19] < 7);
    QCOMPARE(int(engine.rippleQueue().slot), 18);
    engine.keyPressLight(1, 15);
    QCOMPARE(int(engine.rippleQueue().radii[18]), 15);

    lightDealMain fireworks(TestEffects::table());
    fireworks.setKeyboardLightConfig(lightRecord(0, 16, 4, 2, 1));
    fireworks.keyPressLight(2, 4);
    QCOMPARE(int(fireworks.rippleQueue().radii[19]), 0);
    // Twenty presses fill the queue, the next is dropped.
    for (int i = 1; i < 25; ++i)
        fireworks.keyPressLight(3, i % 22);
    QCOMPARE(int(fireworks.rippleQueue().slot), 0);
    QCOMPARE(int(fireworks.rippleQueue().columns[0]), 19);
}

void LightDealMainTest::customLighting()
{
    FakeKeyboardView view;
    lightDealMain engine(TestEffects::table());
    view.attach(engine);
    view.key(2, 2).setKeyColor(QColor(9, 8, 7, 6));
    view.key(4, 1).setKeyColor(QColor(1, 2, 3));
    engine.setCustomLightKeys({&view.key(2, 2), nullptr});
    QCOMPARE(engine.currentKeyEffect(), 10);
    QCOMPARE(engine.keyCell(2, 2).red, 9);
    QCOMPARE(engine.keyCell(2, 2).level, 255);
    QCOMPARE(engine.keyCell(4, 1).red, 0);
    QVERIFY(!engine.keyColor(22 * 2 + 2).isValid());  // Custom leaves the colours to its renderer

    FakeKeyButton outside(9, 40);
    outside.setKeyColor(Qt::red);
    engine.setCustomLightKeys({&outside});  // a button outside the matrix changes nothing

    engine.applyCustomLightFromKeys();
    QCOMPARE(engine.keyCell(4, 1).blue, 3);
    QCOMPARE(engine.keyCell(2, 2).green, 8);
    QCOMPARE(engine.currentKeyEffect(), 10);
    QCOMPARE(engine.keyboardLightConfig().ledType, 0);  // the record is not touched
}

void LightDealMainTest::clearAndModelFacts()
{
    lightDealMain engine(TestEffects::table());
    engine.setKeyboardLightConfig(lightRecord(0, 0));
    engine.clearLed_WaveFullColor_TabSaveUpdateAll();
    for (int i = 0; i < lightDealMain::kKeys; ++i)
        QCOMPARE(engine.keyColor(i), QColor(0, 0, 0, 0));

    QCOMPARE(engine.litKeyCount(), 131);
    engine.setKeyNum(84);
    QCOMPARE(engine.litKeyCount(), 95);
    engine.setKeyNum(60);
    QCOMPARE(engine.litKeyCount(), 95);
    QCOMPARE(engine.keyNum(), 60);
    engine.setKeyNum(87);
    QCOMPARE(engine.litKeyCount(), 107);

    QVERIFY(!engine.isM252Chip());
    engine.setDeviceModel(QStringLiteral("nuc-m252ke,01"));
    QVERIFY(engine.isM252Chip());
    engine.setDeviceModel(QStringLiteral("NUC121"));
    QVERIFY(!engine.isM252Chip());
}

void LightDealMainTest::stoppedEngineRendersNothing()
{
    FakeKeyboardView view;
    lightDealMain engine(TestEffects::table());
    view.attach(engine);
    engine.setPreviewShown(true);
    engine.setKeyboardLightConfig(lightRecord(0, 0));
    QTRY_VERIFY_WITH_TIMEOUT(engine.keyColor(0).alpha() == 200 && view.key(0, 0).getKeyColor().alpha() == 200, 5000);
    QThread::msleep(60);  // ticks wait in the queue
    engine.stopAllLightThreads();
    const QColor atStop = engine.keyColor(0);
    const int paints = view.key(0, 0).paints;
    QTest::qWait(120);
    QCOMPARE(engine.keyColor(0), atStop);
    QCOMPARE(view.key(0, 0).paints, paints);
    engine.onDviceUpdateAllKeyColor();  // a stray call does nothing either
    QCOMPARE(engine.keyColor(0), atStop);
}

QTEST_GUILESS_MAIN(LightDealMainTest)
#include "tst_lightDealMain.moc"
