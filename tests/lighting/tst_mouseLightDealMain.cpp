// SPDX-License-Identifier: GPL-3.0-or-later
// The mouse lighting engine and its zone modes, stepped tick by tick through its slots at full
// brightness, with LED button doubles.

#include "LightPresetTables.h"
#include "MouseEffectTable.h"
#include "MouseLightTestSupport.h"

#include <QRegularExpression>
#include <QtTest>

namespace {

constexpr int kScroll = MouseEffectState::kScrollCell;
constexpr int kLogo = MouseEffectState::kLogoCell;

QColor rgba(int r, int g, int b, int a)
{
    return QColor(r, g, b, a);
}

void ticks(mouseLightDealMain &engine, int count)
{
    for (int i = 0; i < count; ++i) {
        engine.onDviceUpdateMouseAroundColor();
        engine.onDviceUpdateMouseScrollColor();
        engine.onDviceUpdateMouseLogoColor();
    }
}

// An engine on 18 valid LED buttons with the mouse's maxima.
struct Rig {
    FakeMouseLeds leds;
    mouseLightDealMain engine;

    explicit Rig(const QVector<int> &valid = QVector<int>(mouseLightDealMain::kLeds, 1))
        : leds(valid)
    {
        setMouseMaxima(engine);
        leds.attach(engine);
    }
    ~Rig() { engine.stopAllLightThreads(); }
};

}  // namespace

class MouseLightDealMainTest : public QObject
{
    Q_OBJECT
private slots:
    // Engine
    void aroundApplyBlanksStartsAndShows();
    void zoneIntervals_data();
    void zoneIntervals();
    void scrollBeforeAroundShowsOnceAndWaits();
    void reactiveKeepsTheBlank();
    void brightnessDims_data();
    void brightnessDims();
    void previewSubstitutesUnlessLinked_data();
    void previewSubstitutesUnlessLinked();
    void previewOffOrStoppedPaintsNothing();
    void buttonListsLongAndShort();
    void clearAllLed();

    // Modes
    void breath_data();
    void breath();
    void neonHoldsPerLedInAroundPerTickInZones();
    void neonFullColourTurnsTheHue();
    void waveFullColour_data();
    void waveFullColour();
    void waveSingleColourStarts();
    void waveBeyondEightLitLeds();
    void snackRunsBackwardsWithAnOddDirection();
    void twinkleStartsOneLedEvery35Ticks();
    void speedRespondFades();
    void speedRespondGrowsAndRelights();
    void speedRespondFullColourAndAtMostEight();
    void staticBlackIsInvisible();

    // DPI colour
    void dpiKeyWalk_data();
    void dpiKeyWalk();
    void dpiColourShowsAtTheNextTickInEveryZone();
    void dpiListsWithoutAColour_data();
    void dpiListsWithoutAColour();
};

// ---------------------------------------------------------------------------------------------
// Engine

void MouseLightDealMainTest::aroundApplyBlanksStartsAndShows()
{
    Rig rig;
    QVERIFY(!rig.engine.isAroundRunning() && !rig.engine.isPreviewRunning());
    rig.engine.setAroundLightConfig(mouseRecord(0, 0));
    // The set-up shows the cells at alpha 180, undimmed.
    for (int n = 0; n < 18; ++n) {
        QCOMPARE(rig.leds[n].shown, rgba(200, 100, 50, 180));
        QCOMPARE(rig.engine.ledColor(n), rgba(200, 100, 50, 180));
    }
    QCOMPARE(rig.engine.currentAroundEffect(), 0);
    QVERIFY(rig.engine.isAroundRunning() && rig.engine.isScrollRunning() && rig.engine.isLogoRunning());
    QVERIFY(rig.engine.isPreviewRunning());
    QVERIFY(!rig.engine.isSendRunning());
    ticks(rig.engine, 1);
    QCOMPARE(rig.engine.ledColor(3), rgba(200, 100, 50, 250));

    rig.engine.setHidSendThreadRunning(true);
    rig.engine.stopAllLightThreads();
    QVERIFY(!rig.engine.isAroundRunning() && !rig.engine.isScrollRunning() && !rig.engine.isLogoRunning());
    QVERIFY(!rig.engine.isPreviewRunning() && !rig.engine.isSendRunning());
    // A stopped zone renders nothing.
    rig.engine.setAroundSpeedAndBrightness(mouseRecord(0, 0, QColor(1, 2, 3)));
    ticks(rig.engine, 1);
    QCOMPARE(rig.engine.ledColor(3), rgba(200, 100, 50, 250));
}

void MouseLightDealMainTest::zoneIntervals_data()
{
    QTest::addColumn<int>("speedMax");
    QTest::addColumn<int>("speed");
    QTest::addColumn<int>("interval");
    QTest::newRow("five levels, fastest") << 4 << 4 << 8;
    QTest::newRow("five levels, slowest") << 4 << 0 << 28;
    QTest::newRow("ten levels, speed 4") << 9 << 4 << 20;
    QTest::newRow("maximum 3 takes the ten levels") << 3 << 3 << 22;
    QTest::newRow("speed beyond the table") << 9 << 40 << 8;
    QTest::newRow("negative speed") << 4 << -3 << 28;
}

void MouseLightDealMainTest::zoneIntervals()
{
    QFETCH(int, speedMax);
    QFETCH(int, speed);
    QFETCH(int, interval);
    mouseLightDealMain engine;
    QCOMPARE(engine.aroundTickInterval(), 15);
    // Each zone by its own maximum: the other zones keep the other table.
    const int other = speedMax == 4 ? 9 : 4;
    colorInfoData record = mouseRecord(0, 0);
    record.ledSpeed = speed;
    engine.setSpeedAndBrightnessMaxNum(speedMax, 4, other, 4, speedMax, 4);
    engine.setAroundSpeedAndBrightness(record);
    record.ledKeyboardOrSide = 1;
    engine.setScrollSpeedAndBrightness(record);
    record.ledKeyboardOrSide = 2;
    engine.setLogoLightConfig(record);
    QCOMPARE(engine.aroundTickInterval(), interval);
    QCOMPARE(engine.logoTickInterval(), interval);
    if (speed >= 0 && speed <= 4)
        QCOMPARE(engine.scrollTickInterval(), other == 4 ? QVector<int>({28, 25, 19, 14, 8}).at(speed)
                                                         : QVector<int>({28, 26, 24, 22, 20}).at(speed));
}

void MouseLightDealMainTest::scrollBeforeAroundShowsOnceAndWaits()
{
    Rig rig;
    rig.engine.setScrollLightConfig(mouseRecord(1, 0, QColor(0, 90, 0)));
    QCOMPARE(rig.leds[7].shown, rgba(0, 90, 0, 180));
    QCOMPARE(rig.engine.ledColor(kScroll), rgba(0, 90, 0, 180));
    QCOMPARE(rig.leds[6].paints, 0);
    QVERIFY(!rig.engine.isScrollRunning());
    ticks(rig.engine, 3);
    QCOMPARE(rig.engine.ledColor(kScroll), rgba(0, 90, 0, 180));
    rig.engine.setAroundLightConfig(mouseRecord(0, 0));
    ticks(rig.engine, 1);
    QCOMPARE(rig.engine.ledColor(kScroll), rgba(0, 90, 0, 250));
}

void MouseLightDealMainTest::reactiveKeepsTheBlank()
{
    Rig rig;
    rig.engine.setAroundLightConfig(mouseRecord(0, 0));
    rig.engine.setAroundLightConfig(mouseRecord(0, 5));
    QCOMPARE(rig.engine.currentAroundEffect(), 5);
    QVERIFY(rig.engine.isAroundRunning());
    ticks(rig.engine, 5);
    rig.engine.onDviceUpdateMouseAllColorUIAround();
    for (int n : {0, 6, 17}) {
        QCOMPARE(rig.engine.ledColor(n), rgba(0, 0, 0, 180));
        QCOMPARE(rig.leds[n].shown, rgba(0, 0, 0, 180));
    }
    // An id outside the table neither sets up nor renders.
    rig.engine.setAroundLightConfig(mouseRecord(0, 42));
    ticks(rig.engine, 2);
    QCOMPARE(rig.engine.ledColor(0), rgba(0, 0, 0, 180));
}

void MouseLightDealMainTest::brightnessDims_data()
{
    QTest::addColumn<int>("brightness");
    QTest::addColumn<int>("factor");
    QTest::newRow("full") << 4 << 100;
    QTest::newRow("two below") << 2 << 164;  // dark step 160 / 5 = 32
    QTest::newRow("darkest") << 0 << 228;
    QTest::newRow("above the maximum") << 9 << 100;
    QTest::newRow("below zero") << -6 << 228;
}

void MouseLightDealMainTest::brightnessDims()
{
    QFETCH(int, brightness);
    QFETCH(int, factor);
    Rig rig;
    colorInfoData around = mouseRecord(0, 0);
    around.ledBrightness = brightness;
    rig.engine.setAroundLightConfig(around);
    colorInfoData logo = mouseRecord(2, 0, QColor(40, 80, 120));
    logo.ledBrightness = brightness;
    rig.engine.setLogoLightConfig(logo);
    ticks(rig.engine, 1);
    QCOMPARE(rig.engine.aroundDimFactor(), factor);
    QColor expected = QColor(200, 100, 50).darker(factor);
    expected.setAlpha(250);
    QCOMPARE(rig.engine.ledColor(0), expected);
    expected = QColor(40, 80, 120).darker(factor);
    expected.setAlpha(250);
    QCOMPARE(rig.engine.ledColor(kLogo), expected);
    // A brightness change keeps the running effect.
    around.ledBrightness = 4;
    rig.engine.setAroundSpeedAndBrightness(around);
    ticks(rig.engine, 1);
    QCOMPARE(rig.engine.ledColor(0), rgba(200, 100, 50, 250));
}

void MouseLightDealMainTest::previewSubstitutesUnlessLinked_data()
{
    QTest::addColumn<bool>("scrollLinked");
    QTest::addColumn<bool>("logoLinked");
    QTest::newRow("neither") << false << false;
    QTest::newRow("scroll") << true << false;
    QTest::newRow("logo") << false << true;
    QTest::newRow("both") << true << true;
}

void MouseLightDealMainTest::previewSubstitutesUnlessLinked()
{
    QFETCH(bool, scrollLinked);
    QFETCH(bool, logoLinked);
    Rig rig;
    rig.engine.setScrollLightConfig(mouseRecord(1, 0, QColor(0, 255, 0)));
    rig.engine.setLogoLightConfig(mouseRecord(2, 0, QColor(0, 0, 255)));
    rig.engine.setAroundLightConfig(mouseRecord(0, 0, QColor(255, 0, 0)));
    rig.engine.setScrollLinked(scrollLinked);
    rig.engine.setLogoLinked(logoLinked);
    ticks(rig.engine, 1);
    rig.engine.onDviceUpdateMouseAllColorUIAround();
    const QColor red = rgba(255, 0, 0, 250);
    QCOMPARE(rig.leds[5].shown, logoLinked ? red : rgba(0, 0, 255, 250));
    QCOMPARE(rig.leds[7].shown, scrollLinked ? red : rgba(0, 255, 0, 250));
    for (int n : {0, 4, 6, 8, 17})
        QCOMPARE(rig.leds[n].shown, red);
    // The Scroll and Logo preview slots leave the painting to the Around one.
    const int paints = rig.leds[7].paints;
    rig.engine.onDviceUpdateMouseAllColorUIScroll();
    rig.engine.onDviceUpdateMouseAllColorUILogo();
    QCOMPARE(rig.leds[7].paints, paints);
}

void MouseLightDealMainTest::previewOffOrStoppedPaintsNothing()
{
    Rig rig;
    rig.engine.onDviceUpdateMouseAllColorUIAround();  // nothing runs yet
    QCOMPARE(rig.leds[0].paints, 0);
    rig.engine.setAroundLightConfig(mouseRecord(0, 0));
    const int paints = rig.leds[0].paints;
    rig.engine.setPreviewEnabled(false);
    ticks(rig.engine, 1);
    rig.engine.onDviceUpdateMouseAllColorUIAround();
    QCOMPARE(rig.leds[0].paints, paints);
    rig.engine.setPreviewEnabled(true);
    rig.engine.onDviceUpdateMouseAllColorUIAround();
    QCOMPARE(rig.leds[0].paints, paints + 1);
}

void MouseLightDealMainTest::buttonListsLongAndShort()
{
    // Twenty buttons: the first eighteen are used.
    {
        FakeMouseLeds leds(QVector<int>(20, 1));
        mouseLightDealMain engine;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("20 LED buttons"));
        leds.attach(engine);
        QCOMPARE(engine.buttonCount(), 18);
        engine.setAroundLightConfig(mouseRecord(0, 0));
        ticks(engine, 1);
        engine.onDviceUpdateMouseAllColorUIAround();
        QVERIFY(leds[17].paints > 0);
        QCOMPARE(leds[18].paints, 0);
        QCOMPARE(leds[19].paints, 0);
        engine.stopAllLightThreads();
    }
    // Five buttons (a short definition file without LEDs 5 and 7): only they are painted, and
    // the report still carries all eighteen LEDs.
    {
        FakeMouseLeds leds(QVector<int>(5, 1));
        mouseLightDealMain engine;
        leds.attach(engine);
        engine.setScrollLightConfig(mouseRecord(1, 0, QColor(0, 255, 0)));
        engine.setLogoLightConfig(mouseRecord(2, 1));
        engine.setAroundLightConfig(mouseRecord(0, 2, QColor(255, 0, 0), QColor(0, 0, 0), 0, true));
        ticks(engine, 3);
        engine.onDviceUpdateMouseAllColorUIAround();
        for (int n = 0; n < 5; ++n)
            QCOMPARE(leds[n].shown.alpha(), 250);
        QCOMPARE(engine.ledColor(kScroll), rgba(0, 255, 0, 250));
        engine.setAroundLightConfig(mouseRecord(0, 4));  // Snack walks LEDs 0 .. 7 whatever the buttons
        ticks(engine, 10);
        QVERIFY(engine.cell(0).level > 0);
        engine.stopAllLightThreads();
    }
    // No buttons: the modes that walk the buttons render nothing.
    {
        mouseLightDealMain engine;
        engine.setMouseLightButtons({});
        engine.setAroundLightConfig(mouseRecord(0, 0));
        ticks(engine, 1);
        QCOMPARE(engine.ledColor(0), QColor(0, 0, 0));
        engine.stopAllLightThreads();
    }
}

void MouseLightDealMainTest::clearAllLed()
{
    Rig rig;
    rig.engine.setScrollLightConfig(mouseRecord(1, 0));
    rig.engine.setAroundLightConfig(mouseRecord(0, 0));
    rig.engine.clearAllLed();
    for (int n = 0; n < 18; ++n)
        QCOMPARE(rig.engine.ledColor(n), rgba(0, 0, 0, 255));
    QCOMPARE(rig.engine.ledColor(kScroll), rgba(200, 100, 50, 180));
    QCOMPARE(rig.engine.cell(3).level, 255);
}

// ---------------------------------------------------------------------------------------------
// Modes

void MouseLightDealMainTest::breath_data()
{
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QColor>("second");  // the colour after the dark end
    QTest::newRow("black background") << QColor(0, 0, 0) << QColor(200, 100, 50);
    QTest::newRow("blue background") << QColor(0, 0, 200) << QColor(0, 0, 200);
}

void MouseLightDealMainTest::breath()
{
    QFETCH(QColor, background);
    QFETCH(QColor, second);
    const QColor fg(200, 100, 50);
    Rig rig;
    rig.engine.setScrollLightConfig(mouseRecord(1, 2, fg, background));
    rig.engine.setAroundLightConfig(mouseRecord(0, 1, fg, background));
    QCOMPARE(rig.engine.ledColor(0), rgba(200, 100, 50, 180));
    // Fading out from full, two levels a tick: (c * level) / 256 at alpha level.
    ticks(rig.engine, 1);
    QCOMPARE(rig.engine.ledColor(0), rgba(200 * 253 / 256, 100 * 253 / 256, 50 * 253 / 256, 253));
    QCOMPARE(rig.engine.ledColor(17), rig.engine.ledColor(0));
    QCOMPARE(rig.engine.ledColor(kScroll), rig.engine.ledColor(0));
    ticks(rig.engine, 126);  // level 1
    QCOMPARE(rig.engine.ledColor(0), rgba(0, 0, 0, background == QColor(0, 0, 0) ? 0 : 1));
    // Tick 128 reaches the dark end: the LED that got there shows black; the pause begins.
    ticks(rig.engine, 1);
    QCOMPARE(rig.engine.ledColor(0), rgba(0, 0, 0, 0));
    QCOMPARE(rig.engine.ledColor(kScroll), rgba(0, 0, 0, 0));
    QVERIFY(rig.engine.effectState().around.breath.holding());
    // Six ticks change nothing; the seventh takes the next colour at level 0.
    ticks(rig.engine, 6);
    QCOMPARE(rig.engine.cell(0).state, 1);
    QCOMPARE(rig.engine.cell(0).level, 0);
    QCOMPARE(QColor(rig.engine.cell(0).red, rig.engine.cell(0).green, rig.engine.cell(0).blue), fg);
    ticks(rig.engine, 1);
    QVERIFY(!rig.engine.effectState().around.breath.holding());
    for (int cellIndex : {0, 17, kScroll}) {
        const LightCell &c = rig.engine.cell(cellIndex);
        QCOMPARE(QColor(c.red, c.green, c.blue), second);
        QCOMPARE(c.level, 0);
        QCOMPARE(c.state, 1);
    }
    // It fades in two levels a tick up to 255, then out again.
    ticks(rig.engine, 1);
    QCOMPARE(rig.engine.ledColor(0),
             rgba(second.red() * 2 / 256, second.green() * 2 / 256, second.blue() * 2 / 256, 2));
    ticks(rig.engine, 127);  // 256 would pass the top: 255, falling
    QCOMPARE(rig.engine.cell(0).level, 255);
    QCOMPARE(rig.engine.cell(0).state, 2);
    ticks(rig.engine, 1);
    QCOMPARE(rig.engine.cell(0).level, 253);
}

void MouseLightDealMainTest::neonHoldsPerLedInAroundPerTickInZones()
{
    Rig rig;
    rig.engine.setScrollLightConfig(mouseRecord(1, 1));
    rig.engine.setAroundLightConfig(mouseRecord(0, 3));
    QCOMPARE(rig.engine.cell(0).level, 0);
    ticks(rig.engine, 255);
    QCOMPARE(rig.engine.cell(0).level, 255);
    QCOMPARE(rig.engine.ledColor(0), rgba(199, 99, 49, 255));
    ticks(rig.engine, 256);  // down to level 0
    QCOMPARE(rig.engine.cell(0).level, 0);
    QCOMPARE(rig.engine.cell(kScroll).level, 0);
    const QColor before = rig.engine.ledColor(1);
    // Tick 512: LED 0 reaches the bottom; the next six LED visits skip their LED, then LED 7
    // reaches it and holds for six more, then LED 14.
    ticks(rig.engine, 1);
    const int expectedStates[18] = {1, 2, 2, 2, 2, 2, 2, 1, 2, 2, 2, 2, 2, 2, 1, 2, 2, 2};
    for (int n = 0; n < 18; ++n)
        QCOMPARE(rig.engine.cell(n).state, expectedStates[n]);
    QCOMPARE(rig.engine.ledColor(1), before);
    QVERIFY(rig.engine.effectState().around.breath.holding());
    QCOMPARE(int(rig.engine.effectState().around.breath.holdTicks), 4);
    // The Scroll zone holds six ticks and rises on the seventh.
    QCOMPARE(rig.engine.cell(kScroll).state, 1);
    ticks(rig.engine, 6);
    QCOMPARE(rig.engine.cell(kScroll).level, 0);
    ticks(rig.engine, 1);
    QCOMPARE(rig.engine.cell(kScroll).level, 1);
}

void MouseLightDealMainTest::neonFullColourTurnsTheHue()
{
    Rig rig;
    rig.engine.setAroundLightConfig(mouseRecord(0, 3, QColor(1, 1, 1), QColor(0, 0, 0), 0, true));
    QCOMPARE(rig.engine.ledColor(4), rgba(255, 0, 0, 180));
    ticks(rig.engine, 1);
    QCOMPARE(rig.engine.ledColor(4), rgba(255, 6, 0, 180));
    ticks(rig.engine, 42);  // 43 * 6 = 258: green rose to 255 at the 43rd tick
    QCOMPARE(rig.engine.ledColor(4), rgba(255, 255, 0, 180));
    ticks(rig.engine, 1);
    QCOMPARE(rig.engine.ledColor(17), rgba(249, 255, 0, 180));
}

void MouseLightDealMainTest::waveFullColour_data()
{
    QTest::addColumn<int>("direction");
    QTest::newRow("right") << 0;
    QTest::newRow("left") << 1;
    QTest::newRow("clockwise") << 6;
    QTest::newRow("down") << 3;
}

void MouseLightDealMainTest::waveFullColour()
{
    QFETCH(int, direction);
    const bool moving = direction != 3;
    QVector<int> valid(18, 0);
    for (int n : {1, 2, 4, 9, 10, 11, 12, 13})
        valid[n] = 1;
    Rig rig(valid);
    rig.engine.setAroundLightConfig(mouseRecord(0, 2, QColor(9, 9, 9), QColor(0, 0, 0), direction, true));
    int k = 0;
    for (int n = 0; n < 18; ++n) {
        const QColor start = valid[n] && moving ? LightTables::mouseAroundColorTable[k].color() : QColor(0, 0, 0);
        QCOMPARE(rig.leds[n].shown, rgba(start.red(), start.green(), start.blue(), 180));
        if (valid[n])
            ++k;
    }
    ticks(rig.engine, 1);
    // One step backwards along the hue ring, nine a tick; black stays black.
    QCOMPARE(rig.engine.ledColor(0), rgba(0, 0, 0, 250));
    QCOMPARE(rig.engine.ledColor(1), moving ? rgba(255, 0, 9, 250) : rgba(0, 0, 0, 250));
    QCOMPARE(rig.engine.ledColor(2), moving ? rgba(255, 119, 0, 250) : rgba(0, 0, 0, 250));
    QCOMPARE(rig.engine.ledColor(13), moving ? rgba(0, 9, 255, 250) : rgba(0, 0, 0, 250));
}

void MouseLightDealMainTest::waveSingleColourStarts()
{
    Rig rig;
    const QColor fg(200, 0, 100);
    rig.engine.setAroundLightConfig(mouseRecord(0, 2, fg, QColor(0, 0, 0), 0));
    // LED n starts at weight mouseWaveLevels[n], rising on LEDs 0 .. 5, falling from 6.
    for (int n = 0; n < 8; ++n) {
        QCOMPARE(rig.engine.cell(n).level, LightTables::mouseWaveLevels[n]);
        QCOMPARE(rig.engine.cell(n).state, n < 6 ? 1 : 2);
    }
    ticks(rig.engine, 1);
    QCOMPARE(rig.engine.cell(0).level, 249);
    QCOMPARE(rig.engine.ledColor(0), rgba(200 * 249 / 256, 0, 100 * 249 / 256, 249));
    QCOMPARE(rig.engine.cell(7).level, 6);  // falling from 10
    ticks(rig.engine, 1);
    QCOMPARE(rig.engine.cell(7).state, 1);  // below 10 it turns before the step
    QCOMPARE(rig.engine.cell(7).level, 10);
    // Direction 3: every LED at level 0, rising together.
    rig.engine.setAroundLightConfig(mouseRecord(0, 2, fg, QColor(0, 0, 0), 3));
    for (int n = 0; n < 18; ++n) {
        QCOMPARE(rig.engine.cell(n).level, 0);
        QCOMPARE(rig.engine.cell(n).state, 1);
    }
}

void MouseLightDealMainTest::waveBeyondEightLitLeds()
{
    Rig rig;  // eighteen lit LEDs: more than the Wave tables have entries for
    rig.engine.setAroundLightConfig(mouseRecord(0, 2, QColor(9, 9, 9), QColor(0, 0, 0), 0, true));
    QCOMPARE(rig.leds[7].shown, rgba(0, 0, 255, 180));
    for (int n = 8; n < 18; ++n) {
        QCOMPARE(rig.leds[n].shown, rgba(0, 0, 0, 180));
        QCOMPARE(rig.engine.cell(n).level, 0);
    }
    rig.engine.setAroundLightConfig(mouseRecord(0, 2, QColor(9, 9, 9), QColor(0, 0, 0), 1));
    QCOMPARE(rig.engine.cell(7).level, 255 - 10);
    for (int n = 8; n < 18; ++n) {
        QCOMPARE(rig.engine.cell(n).level, 0);
        QCOMPARE(QColor(rig.engine.cell(n).red, rig.engine.cell(n).green, rig.engine.cell(n).blue), QColor(0, 0, 0));
    }
}

void MouseLightDealMainTest::snackRunsBackwardsWithAnOddDirection()
{
    Rig rig;
    rig.engine.setAroundLightConfig(mouseRecord(0, 4, QColor(0, 200, 0), QColor(0, 0, 0), 1, true));
    const QColor head = LightTables::reactiveColorTable[4].color();
    auto headAt = [&] {
        int found = -1;
        for (int n = 0; n < 18; ++n) {
            if (rig.engine.cell(n).step == 4) {
                if (found != -1)
                    return -2;
                found = n;
            }
        }
        return found;
    };
    QCOMPARE(headAt(), 7);
    QCOMPARE(rig.leds[7].shown, rgba(head.red(), head.green(), head.blue(), 180));
    // The head rises 40 a tick and passes on after 7 ticks: 7, 6, 5 ... 0, then 7 again.
    QVector<int> heads;
    for (int i = 0; i < 9; ++i) {
        ticks(rig.engine, 7);
        heads << headAt();
    }
    QCOMPARE(heads, (QVector<int>{6, 5, 4, 3, 2, 1, 0, 7, 6}));
    // The old head trails: reactive colour 3 at level 0 falling, then colour 1 rising.
    rig.engine.setAroundLightConfig(mouseRecord(0, 4, QColor(0, 200, 0), QColor(0, 0, 0), 1, true));
    ticks(rig.engine, 7);
    LightCell trail = rig.engine.cell(7);
    QCOMPARE(QColor(trail.red, trail.green, trail.blue), LightTables::reactiveColorTable[3].color());
    QCOMPARE(trail.level, 0);
    QCOMPARE(trail.state, 2);
    QCOMPARE(trail.step, 3);
    ticks(rig.engine, 2);
    trail = rig.engine.cell(7);
    QCOMPARE(QColor(trail.red, trail.green, trail.blue), LightTables::reactiveColorTable[1].color());
    QCOMPARE(trail.state, 1);
    QCOMPARE(rig.engine.ledColor(7).alpha(), 180);
    // LEDs 8 .. 17 keep the background.
    QCOMPARE(rig.engine.ledColor(12), rgba(0, 0, 0, 180));
}

void MouseLightDealMainTest::twinkleStartsOneLedEvery35Ticks()
{
    Rig rig;
    rig.engine.setAroundLightConfig(mouseRecord(0, 6, QColor(255, 255, 255)));
    auto active = [&] {
        QVector<int> leds;
        for (int n = 0; n < 18; ++n)
            if (rig.engine.cell(n).state != 0)
                leds << n;
        return leds;
    };
    ticks(rig.engine, 34);
    QVERIFY(active().isEmpty());
    ticks(rig.engine, 1);
    QCOMPARE(active(), QVector<int>{1});  // entry 1 of the sequence
    QCOMPARE(rig.engine.cell(1).level, 1);
    ticks(rig.engine, 1);
    QCOMPARE(rig.engine.cell(1).level, 9);
    QCOMPARE(rig.engine.ledColor(1), rgba(255 * 9 / 256, 255 * 9 / 256, 255 * 9 / 256, 9));
    ticks(rig.engine, 34);  // tick 70: entry 2
    QCOMPARE(active(), (QVector<int>{1, 4}));
    QCOMPARE(LightTables::mouseTwinkleSequence[2], uint8_t(4));
    // Full colour: the LED's palette step counts down from 7.
    rig.engine.setAroundLightConfig(mouseRecord(0, 6, QColor(255, 255, 255), QColor(0, 0, 0), 0, true));
    ticks(rig.engine, 35);
    QCOMPARE(rig.engine.cell(1).step, 7);
    QCOMPARE(rig.engine.cell(1).level, 0);
    ticks(rig.engine, 1);
    const QColor base = LightTables::twinkleColorTable[7].color();
    QCOMPARE(rig.engine.ledColor(1), rgba(base.red() * 8 / 256, base.green() * 8 / 256, base.blue() * 8 / 256, 8));
}

void MouseLightDealMainTest::speedRespondFades()
{
    Rig rig;
    rig.engine.setAroundLightConfig(mouseRecord(0, 8, QColor(255, 0, 0)));
    rig.engine.keyPressLight();
    QCOMPARE(rig.engine.cell(7).level, 255);
    QCOMPARE(rig.engine.effectState().speedRespondLevel, 1);
    QVector<int> levels;
    QVector<int> alphas;
    for (int i = 0; i < 10; ++i) {
        ticks(rig.engine, 1);
        levels << rig.engine.cell(7).level;
        alphas << rig.engine.ledColor(7).alpha();
    }
    QCOMPARE(levels, (QVector<int>{225, 195, 165, 135, 105, 75, 45, 15, 0, 0}));
    QCOMPARE(alphas, (QVector<int>{255, 225, 195, 165, 135, 105, 75, 45, 15, 0}));
    QCOMPARE(rig.engine.effectState().speedRespondLevel, 0);
    QCOMPARE(rig.engine.ledColor(7), rgba(0, 0, 0, 0));
    // Odd direction: the bar starts at LED 0.
    rig.engine.setAroundLightConfig(mouseRecord(0, 8, QColor(255, 0, 0), QColor(0, 0, 0), 1));
    rig.engine.keyPressLight();
    QCOMPARE(rig.engine.cell(0).level, 255);
    QCOMPARE(rig.engine.cell(7).level, 0);
}

void MouseLightDealMainTest::speedRespondGrowsAndRelights()
{
    Rig rig;
    rig.engine.setAroundLightConfig(mouseRecord(0, 8, QColor(255, 0, 0)));
    rig.engine.keyPressLight();
    rig.engine.keyPressLight();  // LED 7 above 120: LEDs 7 and 6
    QCOMPARE(rig.engine.effectState().speedRespondLevel, 2);
    QCOMPARE(rig.engine.cell(6).level, 255);
    ticks(rig.engine, 4);  // the far end, LED 6, fades; LED 7 stays
    QCOMPARE(rig.engine.cell(6).level, 135);
    QCOMPARE(rig.engine.cell(7).level, 255);
    rig.engine.keyPressLight();  // 135: grows
    QCOMPARE(rig.engine.effectState().speedRespondLevel, 3);
    ticks(rig.engine, 5);  // LED 5 at 105
    QCOMPARE(rig.engine.cell(5).level, 105);
    rig.engine.keyPressLight();  // at or below 120: relights without lengthening
    QCOMPARE(rig.engine.effectState().speedRespondLevel, 3);
    for (int n : {5, 6, 7})
        QCOMPARE(rig.engine.cell(n).level, 255);
    QCOMPARE(rig.engine.cell(4).level, 0);
    // Only mode 8 takes presses.
    rig.engine.setAroundLightConfig(mouseRecord(0, 0));
    rig.engine.keyPressLight();
    QCOMPARE(rig.engine.cell(4).level, 255);  // Static's cells, untouched
    QCOMPARE(rig.engine.effectState().speedRespondLevel, 3);
}

void MouseLightDealMainTest::speedRespondFullColourAndAtMostEight()
{
    Rig rig;
    rig.engine.setAroundLightConfig(mouseRecord(0, 8, QColor(255, 0, 0), QColor(0, 0, 0), 0, true));
    for (int i = 0; i < 12; ++i)
        rig.engine.keyPressLight();
    QCOMPARE(rig.engine.effectState().speedRespondLevel, 8);
    for (int j = 0; j < 8; ++j) {
        const LightCell &c = rig.engine.cell(7 - j);
        QCOMPARE(QColor(c.red, c.green, c.blue), LightTables::mouseReactiveColorTable[j].color());
        QCOMPARE(c.level, 255);
    }
    for (int n = 8; n < 18; ++n)
        QCOMPARE(rig.engine.cell(n).level, 0);
    // Stopped: no tick fades the bar.
    rig.engine.stopAllLightThreads();
    ticks(rig.engine, 3);
    QCOMPARE(rig.engine.cell(0).level, 255);
}

void MouseLightDealMainTest::staticBlackIsInvisible()
{
    Rig rig;
    rig.engine.setLogoLightConfig(mouseRecord(2, 0, QColor(0, 0, 0)));
    rig.engine.setAroundLightConfig(mouseRecord(0, 0, QColor(0, 0, 0)));
    ticks(rig.engine, 1);
    QCOMPARE(rig.engine.ledColor(0), rgba(0, 0, 0, 0));
    QCOMPARE(rig.engine.ledColor(kLogo), rgba(0, 0, 0, 0));
}

// ---------------------------------------------------------------------------------------------
// DPI colour

void MouseLightDealMainTest::dpiKeyWalk_data()
{
    QTest::addColumn<int>("colours");
    QTest::addColumn<int>("usingIndex");
    QTest::addColumn<QVector<int>>("walk");  // dpiColorIndex after each press
    QTest::newRow("three") << 3 << 1 << QVector<int>{1, 2, 0, 1};
    QTest::newRow("five, 4 goes to 0") << 5 << 4 << QVector<int>{4, 0, 1};
    QTest::newRow("six: the sniper level is not walked") << 6 << 4 << QVector<int>{4, 0, 1, 2, 3, 4, 0};
    QTest::newRow("six, sniper level in use") << 6 << 6 << QVector<int>{0, 1};
    QTest::newRow("level 0 in use") << 5 << 0 << QVector<int>{0, 1};
    QTest::newRow("eight") << 8 << 5 << QVector<int>{0};
}

void MouseLightDealMainTest::dpiKeyWalk()
{
    QFETCH(int, colours);
    QFETCH(int, usingIndex);
    QFETCH(QVector<int>, walk);
    QList<QColor> list;
    for (int i = 0; i < colours; ++i)
        list << QColor(10 * (i + 1), 0, 0);
    mouseLightDealMain engine;
    engine.setDpiColorList(list, usingIndex);
    QCOMPARE(engine.dpiColorIndex(), usingIndex - 1);
    engine.setScrollLightConfig(mouseRecord(1, 3));
    engine.nextDpiColor();  // the Around zone does not run yet
    QCOMPARE(engine.dpiColorIndex(), usingIndex - 1);
    engine.setAroundLightConfig(mouseRecord(0, 0));  // Scroll in DPI mode is enough
    QVector<int> seen;
    for (int i = 0; i < walk.size(); ++i) {
        engine.nextDpiColor();
        seen << engine.dpiColorIndex();
    }
    QCOMPARE(seen, walk);
    // No zone in a DPI mode: the key changes nothing.
    engine.setScrollLightConfig(mouseRecord(1, 0));
    engine.nextDpiColor();
    QCOMPARE(engine.dpiColorIndex(), walk.last());
    engine.stopAllLightThreads();
}

void MouseLightDealMainTest::dpiColourShowsAtTheNextTickInEveryZone()
{
    for (int colours : {3, 5}) {
        Rig rig;
        QList<QColor> list{QColor(255, 0, 0), QColor(0, 255, 0), QColor(0, 0, 255), QColor(255, 255, 0),
                           QColor(0, 255, 255)};
        list = list.mid(0, colours);
        rig.engine.setDpiColorList(list, colours);
        rig.engine.setScrollLightConfig(mouseRecord(1, 3));
        rig.engine.setLogoLightConfig(mouseRecord(2, 3));
        rig.engine.setAroundLightConfig(mouseRecord(0, 7));
        const QColor last = list.last();
        QCOMPARE(rig.leds[3].shown, rgba(last.red(), last.green(), last.blue(), 180));
        ticks(rig.engine, 1);
        for (int n : {0, 9, 17, kScroll, kLogo})
            QCOMPARE(rig.engine.ledColor(n), rgba(last.red(), last.green(), last.blue(), 250));
        rig.engine.nextDpiColor();  // last level to the first
        QCOMPARE(rig.engine.ledColor(0), rgba(last.red(), last.green(), last.blue(), 250));
        ticks(rig.engine, 1);
        for (int n : {0, 9, 17, kScroll, kLogo})
            QCOMPARE(rig.engine.ledColor(n), rgba(255, 0, 0, 250));
    }
}

void MouseLightDealMainTest::dpiListsWithoutAColour_data()
{
    QTest::addColumn<int>("colours");
    QTest::addColumn<int>("usingIndex");
    QTest::newRow("empty list") << 0 << 1;
    QTest::newRow("index past the list") << 3 << 5;
    QTest::newRow("level 0") << 3 << 0;
}

void MouseLightDealMainTest::dpiListsWithoutAColour()
{
    QFETCH(int, colours);
    QFETCH(int, usingIndex);
    Rig rig;
    QList<QColor> list;
    for (int i = 0; i < colours; ++i)
        list << QColor(1, 200, 3);
    rig.engine.setDpiColorList(list, usingIndex);
    rig.engine.setAroundLightConfig(mouseRecord(0, 7));
    rig.engine.setLogoLightConfig(mouseRecord(2, 3));
    ticks(rig.engine, 1);
    QCOMPARE(rig.engine.ledColor(0), rgba(0, 0, 0, 0));
    QCOMPARE(rig.engine.ledColor(kLogo), rgba(0, 0, 0, 0));
    rig.engine.nextDpiColor();
    ticks(rig.engine, 1);
    QCOMPARE(rig.engine.ledColor(0), colours ? rgba(1, 200, 3, 250) : rgba(0, 0, 0, 0));
}

QTEST_GUILESS_MAIN(MouseLightDealMainTest)
#include "tst_mouseLightDealMain.moc"
