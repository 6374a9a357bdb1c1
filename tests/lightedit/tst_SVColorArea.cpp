#include "PixelReaderDouble.h"
#include "SVColorArea.h"

#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QtMath>
#include <QtTest>

#include <memory>

namespace {

// Moves the pointer over the widget with the button held, as a drag does.
void dragTo(QWidget &widget, const QPoint &pos, Qt::MouseButton button = Qt::LeftButton)
{
    QMouseEvent move(QEvent::MouseMove, pos, widget.mapToGlobal(pos), Qt::NoButton, button, Qt::NoModifier);
    QApplication::sendEvent(&widget, &move);
}

// The last report of the handle after a repaint.
QList<QVariant> lastReport(SVColorArea &wheel)
{
    QSignalSpy moving(&wheel, &SVColorArea::sigMoveingStatus);
    wheel.grab();
    return moving.isEmpty() ? QList<QVariant>() : moving.last();
}

bool near(const QColor &a, const QColor &b, int tolerance)
{
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance
           && qAbs(a.blue() - b.blue()) <= tolerance;
}

}  // namespace

class TestSVColorArea : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void press_data();
    void press();
    void dragFromDiscNeverTurns();
    void dragFromRingKeepsTurning();
    void picksThroughTheReader_data();
    void picksThroughTheReader();
    void print2ReadsUnderThePointer();
    void failedReadTakesOwnPicture_data();
    void failedReadTakesOwnPicture();
    void handleColourAndReset();
};

void TestSVColorArea::initTestCase()
{
    // A run at scale factor 2 must really be at ratio 2.
    const QByteArray scale = qgetenv("QT_SCALE_FACTOR");
    if (!scale.isEmpty()) {
        SVColorArea wheel;
        QCOMPARE(wheel.devicePixelRatioF(), scale.toDouble());
    }
}

void TestSVColorArea::press_data()
{
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<int>("buttonNumber");
    QTest::addColumn<bool>("picks");
    QTest::addColumn<int>("saturation");
    QTest::addColumn<int>("value");
    QTest::addColumn<double>("rotation");
    QTest::addColumn<int>("reportedAngle");

    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        const QByteArray name = button == Qt::LeftButton ? "left" : button == Qt::RightButton ? "right" : "middle";
        QTest::newRow(name + " in the disc") << QPoint(100, 90) << int(button) << true << 100 << 165 << 0.0 << 0;
        // sqrt(42^2 + 42^2) = 59.4 picks; sqrt(43^2 + 42^2) = 60.1 turns the handle.
        QTest::newRow(name + " at 59.4") << QPoint(122, 122) << int(button) << true << 122 << 133 << 0.0 << 0;
        const double at60 = (180.0 + qRadiansToDegrees(std::atan2(44.0, 43.0))) / 3.6;
        QTest::newRow(name + " at 60.1") << QPoint(123, 122) << int(button) << false << 0 << 0 << at60
                                         << int(-3.6 * at60);
        QTest::newRow(name + " corner") << QPoint(5, 5) << int(button) << false << 0 << 0 << 12.5 << -45;
    }
    QTest::newRow("below") << QPoint(79, 155) << int(Qt::LeftButton) << false << 0 << 0 << 50.0 << -180;
    QTest::newRow("left") << QPoint(3, 79) << int(Qt::LeftButton) << false << 0 << 0 << 25.0 << -90;
    QTest::newRow("right") << QPoint(155, 79) << int(Qt::LeftButton) << false << 0 << 0 << 75.0 << -270;
    QTest::newRow("above") << QPoint(79, 3) << int(Qt::LeftButton) << false << 0 << 0 << 100.0 << -360;
}

void TestSVColorArea::press()
{
    QFETCH(QPoint, pos);
    QFETCH(int, buttonNumber);
    const auto button = Qt::MouseButton(buttonNumber);
    QFETCH(bool, picks);
    QFETCH(int, saturation);
    QFETCH(int, value);
    QFETCH(double, rotation);
    QFETCH(int, reportedAngle);

    SVColorArea wheel;
    auto reader = std::make_shared<FixedPixelReader>(QColor(1, 2, 3));
    wheel.setPixelReader(reader);
    QSignalSpy sv(&wheel, &SVColorArea::svChangedSignal);
    QSignalSpy rgb(&wheel, &SVColorArea::sigGetRGB);
    QSignalSpy pressed(&wheel, &SVColorArea::sigMouseIsPress);

    QTest::mousePress(&wheel, button, Qt::NoModifier, pos);
    QCOMPARE(pressed.count(), 1);
    QCOMPARE(pressed.at(0).at(0).toBool(), true);
    QCOMPARE(sv.count(), picks ? 1 : 0);
    QCOMPARE(rgb.count(), picks ? 1 : 0);
    if (picks) {
        QCOMPARE(sv.at(0), (QList<QVariant>{0, saturation, value}));
        QCOMPARE(reader->asked, QList<QPoint>{wheel.mapToGlobal(pos)});
    }
    QVERIFY2(qAbs(wheel.rotation() - rotation) < 1e-9, qPrintable(QString::number(wheel.rotation())));
    QCOMPARE(lastReport(wheel), (QList<QVariant>{int(rotation), reportedAngle}));

    QTest::mouseRelease(&wheel, button, Qt::NoModifier, pos);
    QCOMPARE(pressed.count(), 2);
    QCOMPARE(pressed.at(1).at(0).toBool(), false);
    QCOMPARE(sv.count(), picks ? 1 : 0);
}

void TestSVColorArea::dragFromDiscNeverTurns()
{
    SVColorArea wheel;
    wheel.setPixelReader(std::make_shared<FixedPixelReader>(Qt::red));
    QTest::mousePress(&wheel, Qt::LeftButton, Qt::NoModifier, QPoint(90, 90));
    for (const QPoint &p : {QPoint(40, 100), QPoint(5, 5), QPoint(155, 79), QPoint(79, 150)})
        dragTo(wheel, p);
    QCOMPARE(wheel.rotation(), 0.0);
    QTest::mouseRelease(&wheel, Qt::LeftButton, Qt::NoModifier, QPoint(79, 150));
}

void TestSVColorArea::dragFromRingKeepsTurning()
{
    SVColorArea wheel;
    QSignalSpy sv(&wheel, &SVColorArea::svChangedSignal);
    QTest::mousePress(&wheel, Qt::LeftButton, Qt::NoModifier, QPoint(155, 79));
    QCOMPARE(wheel.rotation(), 75.0);
    dragTo(wheel, QPoint(79, 100));  // inside the disc, below the centre
    QCOMPARE(wheel.rotation(), 50.0);
    dragTo(wheel, QPoint(3, 79));
    QCOMPARE(wheel.rotation(), 25.0);
    dragTo(wheel, QPoint(300, 79));  // far outside the widget
    QCOMPARE(wheel.rotation(), 75.0);
    QTest::mouseRelease(&wheel, Qt::LeftButton, Qt::NoModifier, QPoint(300, 79));
    QCOMPARE(sv.count(), 0);

    // A press in the disc puts the handle back at the top.
    wheel.setPixelReader(std::make_shared<FixedPixelReader>(Qt::red));
    QTest::mousePress(&wheel, Qt::LeftButton, Qt::NoModifier, QPoint(80, 80));
    QCOMPARE(wheel.rotation(), 0.0);
    QCOMPARE(lastReport(wheel), (QList<QVariant>{0, 0}));
}

void TestSVColorArea::picksThroughTheReader_data()
{
    QTest::addColumn<QColor>("shown");
    QTest::addColumn<QString>("hex");
    QTest::newRow("small") << QColor(1, 2, 3) << "#010203";
    QTest::newRow("letters") << QColor(171, 205, 239) << "#ABCDEF";
    QTest::newRow("red") << QColor(255, 8, 0) << "#FF0800";
}

void TestSVColorArea::picksThroughTheReader()
{
    QFETCH(QColor, shown);
    QFETCH(QString, hex);
    SVColorArea wheel;
    wheel.setPixelReader(std::make_shared<FixedPixelReader>(shown));
    QSignalSpy rgb(&wheel, &SVColorArea::sigGetRGB);
    QSignalSpy text(&wheel, &SVColorArea::sigGetHexRGB);
    QTest::mousePress(&wheel, Qt::LeftButton, Qt::NoModifier, QPoint(70, 70));
    QCOMPARE(rgb.count(), 1);
    QCOMPARE(rgb.at(0), (QList<QVariant>{shown.red(), shown.green(), shown.blue()}));
    QCOMPARE(text.count(), 1);
    QCOMPARE(text.at(0).at(0).toString(), hex);
}

void TestSVColorArea::print2ReadsUnderThePointer()
{
    SVColorArea wheel;
    auto reader = std::make_shared<FixedPixelReader>(QColor(10, 20, 30));
    wheel.setPixelReader(reader);
    QSignalSpy text(&wheel, &SVColorArea::sigGetHexRGB);
    wheel.print2();
    QCOMPARE(reader->asked, QList<QPoint>{QCursor::pos()});
    QCOMPARE(text.count(), 1);
    QCOMPARE(text.at(0).at(0).toString(), QStringLiteral("#0A141E"));
}

void TestSVColorArea::failedReadTakesOwnPicture_data()
{
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<QColor>("expected");
    QTest::addColumn<int>("tolerance");
    QTest::newRow("top edge is red") << QPoint(80, 23) << QColor(255, 0, 0) << 8;
    QTest::newRow("centre is white") << QPoint(80, 80) << QColor(255, 255, 255) << 4;
}

void TestSVColorArea::failedReadTakesOwnPicture()
{
    QFETCH(QPoint, pos);
    QFETCH(QColor, expected);
    QFETCH(int, tolerance);

    SVColorArea wheel;
    wheel.setPixelReader(std::make_shared<FailingPixelReader>());
    const qreal ratio = wheel.devicePixelRatioF();
    const QImage image = wheel.colorImage();
    QCOMPARE(image.size(), QSize(qRound(140 * ratio), qRound(140 * ratio)));

    QSignalSpy rgb(&wheel, &SVColorArea::sigGetRGB);
    QTest::mousePress(&wheel, Qt::LeftButton, Qt::NoModifier, pos);
    QCOMPARE(rgb.count(), 1);
    const QColor picked(rgb.at(0).at(0).toInt(), rgb.at(0).at(1).toInt(), rgb.at(0).at(2).toInt());
    QVERIFY2(near(picked, expected, tolerance), qPrintable(picked.name()));

    // The picture is built once; painting only draws it.
    wheel.grab();
    wheel.grab();
    QCOMPARE(wheel.colorImage().cacheKey(), image.cacheKey());
}

void TestSVColorArea::handleColourAndReset()
{
    SVColorArea wheel;
    QTest::mousePress(&wheel, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QTest::mouseRelease(&wheel, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    wheel.setBgColor(QColor(0, 0, 255));
    const QImage shot = wheel.grab().toImage();
    const qreal r = wheel.devicePixelRatioF();
    // At 12.5 the handle is turned 45 degrees counter-clockwise from the top: its centre, 70 out
    // and 2 to the left, lands at about (29, 32). The whole disc is in the handle colour.
    const QColor atHandle = shot.pixelColor(qFloor(29 * r), qFloor(32 * r));
    QVERIFY2(near(atHandle, QColor(0, 0, 255), 8), qPrintable(atHandle.name()));

    wheel.resetRotate();
    QCOMPARE(wheel.rotation(), 0.0);
    QCOMPARE(lastReport(wheel), (QList<QVariant>{0, 0}));
}

QTEST_MAIN(TestSVColorArea)
#include "tst_SVColorArea.moc"
