// SPDX-License-Identifier: GPL-3.0-or-later
// The lighting tickers tick only for someone who takes their ticks: the device's frames, the
// preview on screen, or a key press whose shapes still move. A paused effect goes on from
// the step it stood at.
#include "LightTestSupport.h"
#include "mouseLightDealMain.h"
#include "MouseLightTestSupport.h"
#include "OnScreenWatch.h"

#include <QStackedWidget>
#include <QtTest>
#include <QWidget>

namespace {

// A stateful key effect: every render moves each cell's level on by one, and the colour
// shows the level, so the colours after n renders are those of step n and of no other.
// Effect 6 takes presses: a pressed key's level jumps to 5 and falls back to 0 one step per
// render, after which the frame stands still.
void initialiseCounting(KeyEffectState &state)
{
    for (auto &row : state.cells)
        for (LightCell &cell : row)
            cell = LightCell{0, 0, 0, 0, 0, 0, 0};
}

void renderCounting(KeyEffectState &state, uint32_t)
{
    for (int i = 0; i < KeyEffectState::kKeys; ++i) {
        LightCell &cell = state.cells[i / KeyEffectState::kColumns][i % KeyEffectState::kColumns];
        cell.level = (cell.level + 1 + i % 3) % 256;
        state.colors[i] = QColor(cell.level, i, 9, 200);
    }
}

void renderFading(KeyEffectState &state, uint32_t)
{
    for (int i = 0; i < KeyEffectState::kKeys; ++i) {
        LightCell &cell = state.cells[i / KeyEffectState::kColumns][i % KeyEffectState::kColumns];
        if (cell.level > 0)
            --cell.level;
        state.colors[i] = QColor(cell.level * 40, 0, 0, 200);
    }
}

void pressFading(KeyEffectState &state, int row, int column)
{
    state.cells[row][column].level = 5;
}

const LightEffectTable &countingTable()
{
    static const KeyEffectEntry keys[] = {
        {0, initialiseCounting, renderCounting, nullptr},
        {6, initialiseCounting, renderFading, pressFading},
    };
    static const SideEffectEntry sides[] = {{0, TestEffects::initialiseSide, TestEffects::renderSide}};
    static const LightEffectTable t{keys, 2, sides, 1};
    return t;
}

bool sameKeyColors(const lightDealMain &a, const lightDealMain &b)
{
    for (int i = 0; i < lightDealMain::kKeys; ++i)
        if (a.keyColor(i) != b.keyColor(i))
            return false;
    return true;
}

// A keyboard engine with a view of 10 side LEDs, its key and side effect applied, nothing
// consuming its ticks yet.
struct KeyboardRig {
    FakeKeyboardView view{10};
    lightDealMain engine{countingTable()};

    explicit KeyboardRig(bool sideLights = true, int keyEffect = 0)
    {
        view.attach(engine);
        engine.setSideLightPresent(sideLights);
        if (sideLights)
            engine.setSideLightConfig(lightRecord(1, 0));
        engine.setKeyboardLightConfig(lightRecord(0, keyEffect));
    }
    ~KeyboardRig() { engine.stopAllLightThreads(); }
};

}  // namespace

class LightConsumersTest : public QObject
{
    Q_OBJECT
private slots:
    void keyboardTicksOnlyForAConsumer();
    void noSideTickerWithoutSideLights();
    void resumeGoesOnFromThePausedStep();
    void pressedShapesTickUntilTheyHaveSettled();
    void mouseTicksOnlyForAConsumer();
    void minimisedOrHiddenViewStopsTheTicks();
};

void LightConsumersTest::keyboardTicksOnlyForAConsumer()
{
    KeyboardRig rig;
    lightDealMain &engine = rig.engine;
    // Applied, running, and asked to preview, but the view is not on screen and nothing syncs.
    QVERIFY(engine.isKeyEffectRunning() && engine.isSideEffectRunning() && engine.isPreviewRunning());
    QVERIFY(!engine.isKeyTicking() && !engine.isSideTicking() && !engine.isPreviewTicking());
    const QColor before = engine.keyColor(0);
    const int paints = rig.view.key(0, 0).paints;
    QTest::qWait(120);
    QCOMPARE(engine.keyColor(0), before);
    QCOMPARE(rig.view.key(0, 0).paints, paints);

    // The view comes on screen: every ticker comes, the key effect moves and is painted.
    engine.setPreviewShown(true);
    QVERIFY(engine.isKeyTicking() && engine.isSideTicking() && engine.isPreviewTicking());
    QTRY_VERIFY_WITH_TIMEOUT(engine.keyColor(0) != before && rig.view.key(0, 0).getKeyColor() != before, 5000);

    // Off screen again, but the device takes frames: the effects go on, the preview does not.
    engine.setPreviewShown(false);
    engine.setHidSendThreadRunning(true);
    QVERIFY(engine.isKeyTicking() && engine.isSideTicking() && !engine.isPreviewTicking());
    const QColor streamed = engine.keyColor(0);
    QTRY_VERIFY_WITH_TIMEOUT(engine.keyColor(0) != streamed, 5000);

    // The last consumer goes.
    engine.setHidSendThreadRunning(false);
    QVERIFY(!engine.isKeyTicking() && !engine.isSideTicking() && !engine.isPreviewTicking());
    // A preview switched off by the device page is no consumer either.
    engine.setPreviewEnabled(false);
    engine.setPreviewShown(true);
    QVERIFY(!engine.isKeyTicking() && !engine.isPreviewTicking());
    engine.setPreviewEnabled(true);
    QVERIFY(engine.isKeyTicking() && engine.isPreviewTicking());
    // Stopped effects tick for nobody.
    engine.stopAllLightThreads();
    QVERIFY(!engine.isKeyTicking() && !engine.isSideTicking() && !engine.isPreviewTicking());
}

void LightConsumersTest::noSideTickerWithoutSideLights()
{
    KeyboardRig rig(false);
    rig.engine.setPreviewShown(true);
    rig.engine.setHidSendThreadRunning(true);
    QVERIFY(rig.engine.isKeyTicking());
    QVERIFY(rig.engine.isSideEffectRunning());
    QVERIFY(!rig.engine.isSideTicking());
    rig.engine.setSideLightPresent(true);
    QVERIFY(rig.engine.isSideTicking());
}

void LightConsumersTest::resumeGoesOnFromThePausedStep()
{
    KeyboardRig rig;
    lightDealMain &engine = rig.engine;
    // The same effect stepped by hand, one render per step.
    lightDealMain reference(countingTable());
    reference.setKeyboardLightConfig(lightRecord(0, 0));
    QVERIFY(!reference.isKeyTicking());
    int steps = 0;
    const auto catchUp = [&] {
        // Steps the reference until it shows the engine's frame; the effect's level cycle is
        // 256 steps long, so a match within 256 steps is the engine's step.
        for (int n = 0; n < 256 && !sameKeyColors(engine, reference); ++n, ++steps)
            reference.onDviceUpdateAllKeyColor();
        return sameKeyColors(engine, reference);
    };

    engine.setPreviewShown(true);
    QTRY_VERIFY_WITH_TIMEOUT(engine.keyColor(1).red() >= 6, 5000);
    engine.setPreviewShown(false);
    QVERIFY(catchUp());
    const int pausedAt = steps;

    // Paused: not one step is taken.
    QTest::qWait(150);
    QVERIFY(sameKeyColors(engine, reference));

    // Back on screen: the effect goes on from the next step, frame by frame as the reference
    // gives them.
    engine.setPreviewShown(true);
    QTRY_VERIFY_WITH_TIMEOUT(!sameKeyColors(engine, reference), 5000);
    engine.setPreviewShown(false);
    reference.onDviceUpdateAllKeyColor();
    ++steps;
    QVERIFY(catchUp());
    QVERIFY(steps > pausedAt);
    QVERIFY(steps < pausedAt + 200);
}

void LightConsumersTest::pressedShapesTickUntilTheyHaveSettled()
{
    KeyboardRig rig(false, 6);
    lightDealMain &engine = rig.engine;
    QVERIFY(!engine.isKeyTicking());
    // A press while nobody watches: its shape is moved to its end, then the ticker stops.
    engine.keyPressLight(2, 3);
    QVERIFY(engine.isKeyTicking());
    QTRY_VERIFY_WITH_TIMEOUT(!engine.isKeyTicking(), 5000);
    QCOMPARE(engine.keyCell(2, 3).level, 0);
    QCOMPARE(engine.keyColor(2 * lightDealMain::kColumns + 3), QColor(0, 0, 0, 200));
    QVERIFY(!engine.isPreviewTicking());

    // With the view on screen the ticker stays when the shape has settled.
    engine.setPreviewShown(true);
    engine.keyPressLight(1, 1);
    QTRY_COMPARE_WITH_TIMEOUT(engine.keyCell(1, 1).level, 0, 5000);
    QTest::qWait(100);
    QVERIFY(engine.isKeyTicking());
    // And a stop ends a press's ticks too.
    engine.setPreviewShown(false);
    engine.keyPressLight(1, 1);
    engine.stopAllLightThreads();
    QVERIFY(!engine.isKeyTicking());
}

void LightConsumersTest::mouseTicksOnlyForAConsumer()
{
    FakeMouseLeds leds;
    mouseLightDealMain engine;
    setMouseMaxima(engine);
    leds.attach(engine);
    engine.setAroundLightConfig(mouseRecord(0, 2));
    engine.setScrollLightConfig(mouseRecord(1, 1));
    engine.setLogoLightConfig(mouseRecord(2, 1));
    QVERIFY(engine.isAroundRunning() && engine.isPreviewRunning());
    QVERIFY(!engine.isAroundTicking() && !engine.isScrollTicking() && !engine.isLogoTicking());
    QVERIFY(!engine.isPreviewTicking());
    const int paints = leds[0].paints;
    QTest::qWait(120);
    QCOMPARE(leds[0].paints, paints);

    engine.setPreviewShown(true);
    QVERIFY(engine.isAroundTicking() && engine.isScrollTicking() && engine.isLogoTicking());
    QVERIFY(engine.isPreviewTicking());
    QTRY_VERIFY_WITH_TIMEOUT(leds[0].paints > paints + 2, 5000);

    engine.setPreviewShown(false);
    engine.setHidSendThreadRunning(true);
    QVERIFY(engine.isAroundTicking() && !engine.isPreviewTicking());
    engine.setHidSendThreadRunning(false);
    QVERIFY(!engine.isAroundTicking() && !engine.isScrollTicking() && !engine.isLogoTicking());
    engine.stopAllLightThreads();
}

void LightConsumersTest::minimisedOrHiddenViewStopsTheTicks()
{
    // The device page's arrangement: the view on a page of a stack in the main window.
    QWidget window;
    auto *stack = new QStackedWidget(&window);
    auto *view = new QWidget;
    auto *home = new QWidget;
    stack->addWidget(home);
    stack->addWidget(view);
    stack->setCurrentWidget(view);
    KeyboardRig rig;
    auto *watch = new OnScreenWatch(view);
    connect(watch, &OnScreenWatch::shownChanged, &rig.engine, &lightDealMain::setPreviewShown);
    rig.engine.setPreviewShown(watch->isShown());
    QVERIFY(!rig.engine.isKeyTicking());

    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(rig.engine.isKeyTicking() && rig.engine.isPreviewTicking());

    window.showMinimized();
    QTRY_VERIFY_WITH_TIMEOUT(!rig.engine.isKeyTicking(), 5000);
    QVERIFY(!rig.engine.isPreviewTicking());
    window.showNormal();
    QTRY_VERIFY_WITH_TIMEOUT(rig.engine.isKeyTicking(), 5000);

    // Another page in front, then the window in the tray.
    stack->setCurrentWidget(home);
    QVERIFY(!rig.engine.isKeyTicking());
    stack->setCurrentWidget(view);
    QVERIFY(rig.engine.isKeyTicking());
    window.hide();
    QVERIFY(!rig.engine.isKeyTicking() && !rig.engine.isPreviewTicking());
}

QTEST_MAIN(LightConsumersTest)
#include "tst_LightConsumers.moc"
