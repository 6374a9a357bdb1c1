// SPDX-License-Identifier: GPL-3.0-or-later
// Run on a real X server by screen-pick-xvfb.sh: the system's screen reader and the colour
// wheel's pick read back exactly what is painted.

#include "SVColorArea.h"
#include "SystemScreenPixelReader.h"

#include <QGuiApplication>
#include <QPainter>
#include <QSignalSpy>
#include <QtMath>
#include <QtTest>

namespace {

class Filled : public QWidget
{
public:
    explicit Filled(const QColor &colour)
        : m_colour(colour)
    {
        setFixedSize(60, 40);
    }

protected:
    void paintEvent(QPaintEvent *) override { QPainter(this).fillRect(rect(), m_colour); }

private:
    QColor m_colour;
};

bool near(const QColor &a, const QColor &b, int tolerance)
{
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance
           && qAbs(a.blue() - b.blue()) <= tolerance;
}

// Waits until the X server shows what the widget painted: the screen under the widget's centre
// has the colour of the widget's own rendering there.
void settle(QWidget &widget)
{
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
    widget.raise();
    const QPoint centre = widget.rect().center();
    const qreal r = widget.devicePixelRatioF();
    const QColor painted = widget.grab().toImage().pixelColor(qFloor(centre.x() * r), qFloor(centre.y() * r));
    SystemScreenPixelReader reader;
    const auto shown = [&] {
        const std::optional<QColor> colour = reader.colorAt(widget.mapToGlobal(centre));
        return colour && near(*colour, painted, 2);
    };
    QTRY_VERIFY_WITH_TIMEOUT(shown(), 20000);
}

}  // namespace

class TestScreenPixelPick : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void readsWhatIsPainted();
    void wheelPicksItsOwnRendering_data();
    void wheelPicksItsOwnRendering();
    void whatCoversTheWheelIsPicked();
};

void TestScreenPixelPick::initTestCase()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        if (qEnvironmentVariableIsSet("CI"))
            QFAIL("needs an X server (run through screen-pick-xvfb.sh)");
        QSKIP("needs an X server (run through screen-pick-xvfb.sh)");
    }
    qInfo() << "device pixel ratio" << qApp->devicePixelRatio();
}

void TestScreenPixelPick::readsWhatIsPainted()
{
    const QColor colour(0x12, 0x34, 0x56);
    Filled filled(colour);
    filled.move(300, 200);
    filled.show();
    settle(filled);

    SystemScreenPixelReader reader;
    for (const QPoint &p : {QPoint(30, 20), QPoint(1, 1), QPoint(58, 38)}) {
        const std::optional<QColor> shown = reader.colorAt(filled.mapToGlobal(p));
        QVERIFY(shown);
        QCOMPARE(shown->rgb(), colour.rgb());
    }
}

void TestScreenPixelPick::wheelPicksItsOwnRendering_data()
{
    QTest::addColumn<QPoint>("pos");
    QTest::newRow("inner") << QPoint(100, 90);
    QTest::newRow("top edge") << QPoint(80, 23);
    QTest::newRow("centre") << QPoint(80, 80);
    QTest::newRow("lower left") << QPoint(45, 115);
    QTest::newRow("at 59.4") << QPoint(122, 122);
}

void TestScreenPixelPick::wheelPicksItsOwnRendering()
{
    QFETCH(QPoint, pos);
    SVColorArea wheel;
    wheel.move(40, 40);
    wheel.show();
    settle(wheel);

    const qreal r = wheel.devicePixelRatioF();
    const QColor rendered = wheel.grab().toImage().pixelColor(qFloor(pos.x() * r), qFloor(pos.y() * r));
    const std::optional<QColor> onScreen = SystemScreenPixelReader().colorAt(wheel.mapToGlobal(pos));
    QVERIFY(onScreen);

    QSignalSpy rgb(&wheel, &SVColorArea::sigGetRGB);
    QTest::mousePress(&wheel, Qt::LeftButton, Qt::NoModifier, pos);
    QTest::mouseRelease(&wheel, Qt::LeftButton, Qt::NoModifier, pos);
    QCOMPARE(rgb.count(), 1);
    const QColor picked(rgb.at(0).at(0).toInt(), rgb.at(0).at(1).toInt(), rgb.at(0).at(2).toInt());
    QCOMPARE(picked.rgb(), onScreen->rgb());
    QVERIFY2(near(picked, rendered, 2), qPrintable(picked.name() + QLatin1Char(' ') + rendered.name()));
}

void TestScreenPixelPick::whatCoversTheWheelIsPicked()
{
    SVColorArea wheel;
    wheel.move(40, 40);
    wheel.show();
    settle(wheel);
    const QColor coverColour(0x21, 0x43, 0x65);
    Filled cover(coverColour);
    cover.move(wheel.mapToGlobal(QPoint(60, 60)));
    cover.show();
    settle(cover);

    QSignalSpy rgb(&wheel, &SVColorArea::sigGetRGB);
    QTest::mousePress(&wheel, Qt::LeftButton, Qt::NoModifier, QPoint(80, 80));
    QTest::mouseRelease(&wheel, Qt::LeftButton, Qt::NoModifier, QPoint(80, 80));
    QCOMPARE(rgb.count(), 1);
    QCOMPARE(QColor(rgb.at(0).at(0).toInt(), rgb.at(0).at(1).toInt(), rgb.at(0).at(2).toInt()), coverColour);
}

QTEST_MAIN(TestScreenPixelPick)
#include "tst_ScreenPixelPick.moc"
