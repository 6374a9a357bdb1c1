// SPDX-License-Identifier: GPL-3.0-or-later
// The engines hold the preview's buttons, which the view owns. When the view is deleted the
// engines forget its buttons at once: a tick that comes before the new view's buttons are handed
// over paints nothing and reaches no deleted button (the memory-checked build sees any such read).
#include "LightTestSupport.h"
#include "mouseLightDealMain.h"
#include "MouseLightTestSupport.h"

#include <QPointer>
#include <QtTest>

namespace {

// Buttons that, like the view's, are objects owned by the view.
class ObjectKeyButton : public QObject, public FakeKeyButton
{
public:
    ObjectKeyButton(int row, int column, QObject *view)
        : QObject(view)
        , FakeKeyButton(row, column)
    {
    }
};

class ObjectSideButton : public QObject, public FakeSideButton
{
public:
    using QObject::QObject;
};

class ObjectMouseLed : public QObject, public FakeMouseLed
{
public:
    explicit ObjectMouseLed(QObject *view)
        : QObject(view)
        , FakeMouseLed(1)
    {
    }
};

int heldKeyButtons(const lightDealMain &engine)
{
    int held = 0;
    for (const auto &row : engine.keyButtons)
        for (const KeyLightButtonInterface *button : row)
            held += button ? 1 : 0;
    return held;
}

}  // namespace

class LightButtonsGoneTest : public QObject
{
    Q_OBJECT
private slots:
    void keyboardViewDeletedBeforeTheHandOver();
    void mousePageDeletedBeforeTheHandOver();
};

void LightButtonsGoneTest::keyboardViewDeletedBeforeTheHandOver()
{
    lightDealMain engine(TestEffects::table());
    QPointer<QObject> view = new QObject;
    QVector<KeyLightButtonInterface *> keys;
    for (int i = 0; i < lightDealMain::kKeys; ++i)
        keys << new ObjectKeyButton(i / lightDealMain::kColumns, i % lightDealMain::kColumns, view);
    QList<SideLightButtonInterface *> sides;
    for (int i = 0; i < 10; ++i)
        sides << new ObjectSideButton(view);
    engine.setKeyButtons(keys);
    engine.setSideLightPresent(true);
    engine.setSideLightButtons(sides);
    engine.setSideLightConfig(lightRecord(1, 0));
    engine.setKeyboardLightConfig(lightRecord(0, 0));
    engine.onDviceUpdateAllKeyColorUI();
    engine.onDviceUpdateAllSideLightColorUI();
    QVERIFY(static_cast<ObjectKeyButton *>(keys[5])->paints > 0);
    QCOMPARE(heldKeyButtons(engine), lightDealMain::kKeys);

    delete view.data();
    QCOMPARE(heldKeyButtons(engine), 0);
    // Ticks between the deletion and the hand-over of the next view's buttons.
    engine.onDviceUpdateAllKeyColor();
    engine.onDviceUpdateAllSideLightColor();
    engine.onDviceUpdateAllKeyColorUI();
    engine.onDviceUpdateAllSideLightColorUI();
    engine.keyPressLight(1, 1);
    engine.applyCustomLightFromKeys();

    // The next view's buttons are painted as before.
    FakeKeyboardView next(10);
    QVector<KeyLightButtonInterface *> nextKeys;
    for (const auto &key : next.keys)
        nextKeys << key.get();
    engine.setKeyButtons(nextKeys);
    engine.onDviceUpdateAllKeyColorUI();
    QVERIFY(next.key(0, 5).paints > 0);
    engine.stopAllLightThreads();
}

void LightButtonsGoneTest::mousePageDeletedBeforeTheHandOver()
{
    mouseLightDealMain engine;
    setMouseMaxima(engine);
    QPointer<QObject> page = new QObject;
    QList<MouseLightButtonInterface *> leds;
    for (int i = 0; i < mouseLightDealMain::kLeds; ++i)
        leds << new ObjectMouseLed(page);
    engine.setMouseLightButtons(leds);
    engine.setAroundLightConfig(mouseRecord(0, 2));
    engine.setScrollLightConfig(mouseRecord(1, 1));
    engine.setLogoLightConfig(mouseRecord(2, 1));
    engine.onDviceUpdateMouseAllColorUIAround();
    QVERIFY(static_cast<ObjectMouseLed *>(leds[0])->paints > 0);

    delete page.data();
    engine.onDviceUpdateMouseAroundColor();
    engine.onDviceUpdateMouseScrollColor();
    engine.onDviceUpdateMouseLogoColor();
    engine.onDviceUpdateMouseAllColorUIAround();
    engine.keyPressLight();

    FakeMouseLeds next;
    next.attach(engine);
    engine.onDviceUpdateMouseAllColorUIAround();
    QVERIFY(next[0].paints > 0);
    engine.stopAllLightThreads();
}

QTEST_GUILESS_MAIN(LightButtonsGoneTest)
#include "tst_LightButtonsGone.moc"
