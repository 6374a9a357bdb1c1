// SPDX-License-Identifier: GPL-3.0-or-later
// The lighting preview on the keyboard view: a frame is one paint of the view over the keys
// whose colour changed, and the keys do not paint themselves; in the other looks (assignment,
// light editing) the keys paint themselves as before.
#include "keyboardButCustom.h"
#include "keyboardPage.h"
#include "sideLightButtonCustom.h"

#include <QPaintEvent>
#include <QtTest>

namespace {

QByteArray key(int x, int y, const QByteArray &dec)
{
    return "{\"PosX\": " + QByteArray::number(x) + ", \"PosY\": " + QByteArray::number(y)
           + ", \"Width\": 30, \"Height\": 30, \"Dec\": " + dec + ", \"qtDec\": 0, \"Character\": \"K\"}";
}

// Five keys in row 1 and three in row 2.
const QByteArray kLayout = "{\"Keyboard\": {},\r\n\"EveryKeyInfo_Row01\": [" + key(0, 0, "41") + "," + key(40, 0, "58")
                           + "," + key(80, 0, "59") + "," + key(120, 0, "60") + "," + key(160, 0, "61")
                           + "],\r\n\"EveryKeyInfo_Row02\": [" + key(0, 40, "4") + "," + key(40, 40, "5") + ","
                           + key(80, 40, "6") + "]}";

// Counts the paint events of the view and of its keys, and the view's painted region.
class PaintCounter : public QObject
{
public:
    int viewPaints = 0;
    int keyPaints = 0;
    QRegion viewRegion;
    QObject *view = nullptr;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            if (watched == view) {
                ++viewPaints;
                viewRegion += static_cast<QPaintEvent *>(event)->region();
            } else {
                ++keyPaints;
            }
        }
        return false;
    }
    void reset()
    {
        viewPaints = keyPaints = 0;
        viewRegion = QRegion();
    }
};

struct Fixture {
    keyboardPage page;
    PaintCounter counter;
    QList<keyboardButCustom *> keys;

    Fixture()
    {
        page.parseKeyboardInfo(kLayout);
        page.resize(260, 120);
        page.setLightMode(true);
        page.setKeyCustomView(false, false);
        page.setKeyColorRepaint(true);
        for (keyboardButCustom *button : page.getKeyButtons()) {
            if (!button->isHidden()) {
                keys.append(button);
                button->installEventFilter(&counter);
            }
        }
        counter.view = &page;
        page.installEventFilter(&counter);
    }
    void showAndSettle()
    {
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        for (keyboardButCustom *button : keys)
            button->setKeyColor(QColor(10, 20, 30));
        QTRY_VERIFY(counter.viewPaints > 0);
        QTest::qWait(20);
        counter.reset();
    }
};

}  // namespace

class tst_KeyboardViewPaint : public QObject
{
    Q_OBJECT

private slots:
    void aFrameRepaintsOnlyTheChangedKeys()
    {
        Fixture f;
        QCOMPARE(f.keys.size(), 8);
        f.showAndSettle();

        // One frame: every key gets a colour, three of them a new one.
        const QList<int> changed{1, 3, 6};
        for (int i = 0; i < f.keys.size(); ++i)
            f.keys.at(i)->setKeyColor(changed.contains(i) ? QColor(200, 0, 0) : QColor(10, 20, 30));
        QTRY_VERIFY(f.counter.viewPaints > 0);
        QTest::qWait(30);
        QCOMPARE(f.counter.viewPaints, 1);
        QCOMPARE(f.counter.keyPaints, 0);
        QRegion expected;
        for (int i : changed)
            expected += f.keys.at(i)->geometry();
        QCOMPARE(f.counter.viewRegion, expected);

        // The view shows the new colour at a changed key and the old one at the others.
        const QImage shot = f.page.grab().toImage();
        QCOMPARE(QColor(shot.pixel(f.keys.at(1)->geometry().center())), QColor(200, 0, 0));
        QCOMPARE(QColor(shot.pixel(f.keys.at(2)->geometry().center())), QColor(10, 20, 30));

        // A frame that changes nothing paints nothing.
        f.counter.reset();
        for (keyboardButCustom *button : f.keys)
            button->setKeyColor(button->getKeyColor());
        QTest::qWait(50);
        QCOMPARE(f.counter.viewPaints, 0);
        QCOMPARE(f.counter.keyPaints, 0);
    }

    // The side LEDs are painted by the view with the keys: a new colour is one paint of the view
    // over that LED, and the LED does not paint itself.
    void sideLedsArePaintedByTheView()
    {
        const QByteArray layout = "{\"Keyboard\": {\"sideLightHave\": 1},\r\n\"EveryKeyInfo_Row00\": [{\"PosX\": 0, "
                                  "\"PosY\": 80, \"Width\": 40, \"Height\": 6, \"Index\": 0, \"validStatus\": 1}, "
                                  "{\"PosX\": 60, \"PosY\": 80, \"Width\": 40, \"Height\": 6, \"Index\": 1, "
                                  "\"validStatus\": 1}],\r\n\"EveryKeyInfo_Row01\": ["
                                  + key(0, 0, "41") + "]}";
        keyboardPage page;
        page.parseKeyboardInfo(layout);
        page.resize(260, 120);
        page.setLightMode(true);
        page.setKeyCustomView(false, false);
        page.setKeyColorRepaint(true);
        page.showSideLights(true);
        const QList<sideLightButtonCustom *> leds = page.getSideLightButtons();
        QCOMPARE(leds.size(), 2);
        PaintCounter counter;
        counter.view = &page;
        page.installEventFilter(&counter);
        for (sideLightButtonCustom *led : leds)
            led->installEventFilter(&counter);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QTRY_VERIFY(counter.viewPaints > 0);
        QTest::qWait(20);
        counter.reset();

        leds.at(1)->setColor(QColor(0, 0, 255));
        QTRY_VERIFY(counter.viewPaints > 0);
        QTest::qWait(30);
        QCOMPARE(counter.viewPaints, 1);
        QCOMPARE(counter.keyPaints, 0);  // the LEDs' own paints
        QCOMPARE(counter.viewRegion, QRegion(leds.at(1)->geometry()));
        // The middle of the LED's gradient is its colour; its ends fade out.
        const QImage shot = page.grab().toImage();
        const QRect area = leds.at(1)->geometry();
        QCOMPARE(QColor(shot.pixel(area.center().x() + 1, area.center().y())).blue(), 255);
        QCOMPARE(QColor(shot.pixel(leds.at(0)->geometry().center())).blue() == 255, false);

        // Hiding and showing the strip repaints the view where the LEDs are.
        for (bool on : {false, true}) {
            QTest::qWait(20);
            counter.reset();
            page.showSideLights(on);
            QTRY_VERIFY(counter.viewRegion.contains(area));
            QCOMPARE(counter.keyPaints, 0);
        }
    }

    void otherLooksPaintTheirKeys()
    {
        Fixture f;
        f.showAndSettle();
        // Light editing: a selected key paints its outline itself.
        f.page.setCustomLightMode(true);
        QVERIFY(!f.keys.at(2)->isLightPaintedByView());
        QTest::qWait(30);
        f.counter.reset();
        f.keys.at(2)->setSelected(true, true);
        QTRY_VERIFY(f.counter.keyPaints > 0);
        f.page.setCustomLightMode(false);
        QVERIFY(f.keys.at(2)->isLightPaintedByView());
        // The assignment look: hover and selection are the key's own again.
        f.page.setKeyCustomView(false, true);
        QVERIFY(!f.keys.at(2)->isLightPaintedByView());
        QTest::qWait(30);
        f.counter.reset();
        f.keys.at(4)->setSelected(true, true);
        QTRY_VERIFY(f.counter.keyPaints > 0);
    }
};

QTEST_MAIN(tst_KeyboardViewPaint)
#include "tst_KeyboardViewPaint.moc"
