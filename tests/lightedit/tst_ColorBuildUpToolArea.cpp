#include "ColorBuildUpSlider.h"
#include "ColorBuildUpToolArea.h"

#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QtTest>

using Pairs = QList<ColorBuildUpToolArea::ColorPair>;
using DoubleList = QList<double>;
using ColorList = QList<QColor>;

namespace {

const ColorList kStopColours{Qt::red, Qt::yellow, Qt::green, Qt::cyan, Qt::blue, Qt::magenta};

// The even stops of six pairs, computed as the editor does.
DoubleList sixStops()
{
    DoubleList stops;
    for (int i = 0; i < 5; ++i)
        stops.append(i * (1.0 / 5));
    stops.append(1.0);
    return stops;
}

Pairs sixPairs()
{
    Pairs pairs;
    for (const QColor &c : kStopColours)
        pairs.append({QColor(Qt::white), c});
    return pairs;
}

// Moves the pointer over the pin with the left button held; the pin passes the move on to the
// editor in the editor's coordinates.
void dragPinTo(ColorBuildUpSlider *pin, int editorX)
{
    const QPoint local(editorX - pin->x(), 5);
    QMouseEvent move(QEvent::MouseMove, local, pin->mapToGlobal(local), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(pin, &move);
}

struct Editor {
    Editor()
    {
        area.setFixedSize(185, 65);
        area.show();
    }
    ColorBuildUpToolArea area;
};

}  // namespace

class TestColorBuildUpToolArea : public QObject
{
    Q_OBJECT

private slots:
    void buildPlacesPinsEvenly();
    void dragMovesTheStop_data();
    void dragMovesTheStop();
    void dragNeedsAHeldPin();
    void rightPressSelectsNothing();
    void badCountsAreRefused_data();
    void badCountsAreRefused();
    void secondBuildReplacesTheFirst();
    void barShowsTheGradient();
};

void TestColorBuildUpToolArea::buildPlacesPinsEvenly()
{
    Editor e;
    QSignalSpy updated(&e.area, &ColorBuildUpToolArea::sigUpdataColorBuildUp);
    QVERIFY(e.area.initColorBuildUp(sixPairs(), 6));
    for (int j = 0; j < 6; ++j) {
        ColorBuildUpSlider *pin = e.area.pin(j);
        QVERIFY(pin);
        QCOMPARE(pin->geometry(), QRect(34 * j, 12, 10, 20));
        QCOMPARE(pin->index(), j);
        QCOMPARE(pin->stopColor(), kStopColours.at(j));
    }
    QCOMPARE(updated.count(), 1);
    QCOMPARE(updated.at(0).at(0).value<DoubleList>(), sixStops());
    QCOMPARE(sixStops(), (DoubleList{0, 0.2, 0.4, 0.6000000000000001, 0.8, 1}));
    QCOMPARE(updated.at(0).at(1).value<ColorList>(), kStopColours);
    QCOMPARE(e.area.stops().first(), 0.0);
    QCOMPARE(e.area.stops().last(), 1.0);
}

void TestColorBuildUpToolArea::dragMovesTheStop_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<bool>("moves");
    QTest::newRow("86") << 86 << true;
    QTest::newRow("1") << 1 << true;
    QTest::newRow("172") << 172 << true;
    QTest::newRow("0") << 0 << false;
    QTest::newRow("173") << 173 << false;
    QTest::newRow("185") << 185 << false;
    QTest::newRow("-4") << -4 << false;
    QTest::newRow("300") << 300 << false;
}

void TestColorBuildUpToolArea::dragMovesTheStop()
{
    QFETCH(int, x);
    QFETCH(bool, moves);
    Editor e;
    QVERIFY(e.area.initColorBuildUp(sixPairs(), 6));
    ColorBuildUpSlider *pin = e.area.pin(2);
    QSignalSpy updated(&e.area, &ColorBuildUpToolArea::sigUpdataColorBuildUp);

    QTest::mousePress(pin, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QVERIFY(pin->isSelected());
    dragPinTo(pin, x);
    DoubleList expected = sixStops();
    if (moves) {
        expected[2] = x / 173.0;
        QCOMPARE(updated.count(), 1);
        QCOMPARE(updated.at(0).at(0).value<DoubleList>(), expected);
        QCOMPARE(updated.at(0).at(1).value<ColorList>(), kStopColours);
        QCOMPARE(pin->geometry(), QRect(x, 12, 10, 20));
        QCOMPARE(e.area.selectedIndex(), 2);
    } else {
        QCOMPARE(updated.count(), 0);
        QCOMPARE(pin->geometry(), QRect(68, 12, 10, 20));
    }
    QCOMPARE(e.area.stops(), expected);

    QTest::mouseRelease(pin, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QVERIFY(!pin->isSelected());
    QCOMPARE(e.area.selectedIndex(), -1);
}

void TestColorBuildUpToolArea::dragNeedsAHeldPin()
{
    Editor e;
    QVERIFY(e.area.initColorBuildUp(sixPairs(), 6));
    QSignalSpy updated(&e.area, &ColorBuildUpToolArea::sigUpdataColorBuildUp);

    // Held on the editor itself, not on a pin.
    QTest::mousePress(&e.area, Qt::LeftButton, Qt::NoModifier, QPoint(90, 50));
    QMouseEvent move(QEvent::MouseMove, QPoint(100, 50), e.area.mapToGlobal(QPoint(100, 50)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&e.area, &move);
    QTest::mouseRelease(&e.area, Qt::LeftButton, Qt::NoModifier, QPoint(100, 50));

    // After the pin was let go.
    ColorBuildUpSlider *pin = e.area.pin(1);
    QTest::mouseClick(pin, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    dragPinTo(pin, 90);
    QCOMPARE(updated.count(), 0);
    QCOMPARE(pin->x(), 34);
}

void TestColorBuildUpToolArea::rightPressSelectsNothing()
{
    Editor e;
    QVERIFY(e.area.initColorBuildUp(sixPairs(), 6));
    QSignalSpy updated(&e.area, &ColorBuildUpToolArea::sigUpdataColorBuildUp);
    ColorBuildUpSlider *pin = e.area.pin(3);
    QTest::mousePress(pin, Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
    QVERIFY(!pin->isSelected());
    QMouseEvent move(QEvent::MouseMove, QPoint(-10, 5), pin->mapToGlobal(QPoint(-10, 5)), Qt::NoButton, Qt::RightButton,
                     Qt::NoModifier);
    QApplication::sendEvent(pin, &move);
    QCOMPARE(updated.count(), 0);
    QCOMPARE(pin->x(), 102);
    QTest::mouseRelease(pin, Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
}

void TestColorBuildUpToolArea::badCountsAreRefused_data()
{
    QTest::addColumn<int>("pairCount");
    QTest::addColumn<int>("count");
    QTest::newRow("one stop") << 1 << 1;
    QTest::newRow("none") << 0 << 0;
    QTest::newRow("negative") << 2 << -1;
    QTest::newRow("fewer pairs") << 5 << 6;
    QTest::newRow("more pairs") << 6 << 5;
}

void TestColorBuildUpToolArea::badCountsAreRefused()
{
    QFETCH(int, pairCount);
    QFETCH(int, count);
    Editor e;
    QSignalSpy updated(&e.area, &ColorBuildUpToolArea::sigUpdataColorBuildUp);
    QVERIFY(!e.area.initColorBuildUp(sixPairs().mid(0, pairCount), count));
    QCOMPARE(updated.count(), 0);
    QVERIFY(e.area.findChildren<ColorBuildUpSlider *>().isEmpty());
    QVERIFY(e.area.stops().isEmpty());
    e.area.grab();

    // A refused build leaves an earlier one as it was.
    QVERIFY(e.area.initColorBuildUp(sixPairs(), 6));
    QVERIFY(!e.area.initColorBuildUp(sixPairs().mid(0, pairCount), count));
    QCOMPARE(e.area.findChildren<ColorBuildUpSlider *>().size(), 6);
    QCOMPARE(e.area.stops().size(), 6);
}

void TestColorBuildUpToolArea::secondBuildReplacesTheFirst()
{
    Editor e;
    QVERIFY(e.area.initColorBuildUp(sixPairs(), 6));
    ColorBuildUpSlider *held = e.area.pin(4);
    QTest::mousePress(held, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));

    QSignalSpy updated(&e.area, &ColorBuildUpToolArea::sigUpdataColorBuildUp);
    const Pairs three = sixPairs().mid(0, 3);
    QVERIFY(e.area.initColorBuildUp(three, 3));
    QCOMPARE(e.area.findChildren<ColorBuildUpSlider *>().size(), 3);
    QCOMPARE(updated.count(), 1);
    QCOMPARE(updated.at(0).at(0).value<DoubleList>(), (DoubleList{0, 0.5, 1}));
    QCOMPARE(updated.at(0).at(1).value<ColorList>(), kStopColours.mid(0, 3));
    // (185 - 12) / 2 = 86
    QCOMPARE(e.area.pin(2)->x(), 172);

    // The pin held from the first build is gone; nothing drags.
    QMouseEvent move(QEvent::MouseMove, QPoint(50, 20), e.area.mapToGlobal(QPoint(50, 20)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&e.area, &move);
    QCOMPARE(updated.count(), 1);
}

void TestColorBuildUpToolArea::barShowsTheGradient()
{
    Editor e;
    QVERIFY(e.area.initColorBuildUp({{Qt::white, Qt::red}, {Qt::white, Qt::blue}}, 2));
    const QImage shot = e.area.grab().toImage();
    const qreal r = e.area.devicePixelRatioF();
    const QColor left = shot.pixelColor(qFloor(10 * r), qFloor(50 * r));
    const QColor right = shot.pixelColor(qFloor(176 * r), qFloor(50 * r));
    QVERIFY2(left.red() > 200 && left.blue() < 40, qPrintable(left.name()));
    QVERIFY2(right.blue() > 200 && right.red() < 40, qPrintable(right.name()));
}

QTEST_MAIN(TestColorBuildUpToolArea)
#include "tst_ColorBuildUpToolArea.moc"
