// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboardButCustom.h"
#include "sideLightButtonCustom.h"

#include <QImage>
#include <QtTest>

namespace {

const QColor kFirst(0, 0, 255);   // selected
const QColor kSecond(0, 200, 0);  // assigned, hovered, light outline

QImage render(QWidget &widget)
{
    QImage image(widget.size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    widget.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    return image;
}

bool near(QRgb pixel, const QColor &expected)
{
    const QColor actual = QColor::fromRgba(pixel);
    if (expected.alpha() == 0)
        return actual.alpha() == 0;
    return qAbs(actual.alpha() - expected.alpha()) <= 3 && qAbs(actual.red() - expected.red()) <= 6
           && qAbs(actual.green() - expected.green()) <= 6 && qAbs(actual.blue() - expected.blue()) <= 6;
}

QString describe(QRgb pixel)
{
    return QString("(%1, %2, %3, %4)").arg(qRed(pixel)).arg(qGreen(pixel)).arg(qBlue(pixel)).arg(qAlpha(pixel));
}

class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

}  // namespace

class tst_KeyButtons : public QObject
{
    Q_OBJECT

private slots:
    void looks_data()
    {
        QTest::addColumn<int>("look");  // 0 assignment, 1 light editing, 2 light preview
        QTest::addColumn<bool>("assigned");
        QTest::addColumn<bool>("selected");
        QTest::addColumn<bool>("hovered");
        QTest::addColumn<bool>("dragMark");
        QTest::addColumn<QColor>("led");
        QTest::addColumn<QColor>("centre");
        QTest::addColumn<QColor>("edge");

        const QColor none(Qt::transparent);
        const QColor red(255, 0, 0);
        const QColor black(0, 0, 0, 255);
        const QColor firstFill(0, 0, 255, 50);
        const QColor secondFill(0, 200, 0, 50);

        QTest::newRow("assignment: plain key unseen") << 0 << false << false << false << false << red << none << none;
        QTest::newRow("assignment: assigned") << 0 << true << false << false << false << red << secondFill << kSecond;
        QTest::newRow("assignment: selected") << 0 << false << true << false << false << red << firstFill << kFirst;
        QTest::newRow("assignment: hovered") << 0 << false << false << true << false << red << secondFill << kSecond;
        QTest::newRow("assignment: selected over assigned")
            << 0 << true << true << false << false << red << QColor() << kFirst;
        QTest::newRow("assignment: selected and hovered")
            << 0 << false << true << true << false << red << secondFill << kSecond;
        QTest::newRow("light editing: black key unseen")
            << 1 << false << false << false << false << black << none << none;
        QTest::newRow("light editing: black key selected shows its outline")
            << 1 << false << true << false << false << black << none << kSecond;
        QTest::newRow("light editing: black key hovered")
            << 1 << false << false << true << false << black << none << kSecond;
        QTest::newRow("light editing: lit key") << 1 << false << false << false << false << red << red << red;
        QTest::newRow("light editing: lit key marked by the band")
            << 1 << false << false << false << true << red << red << kSecond;
        QTest::newRow("light editing wins over assignment")
            << 1 << true << false << false << false << red << red << red;
        QTest::newRow("preview: the LED colour") << 2 << true << true << false << false << red << red << red;
        QTest::newRow("preview: a dark key")
            << 2 << false << false << false << false << QColor(0, 0, 0, 0) << none << none;
    }

    void looks()
    {
        QFETCH(int, look);
        QFETCH(bool, assigned);
        QFETCH(bool, selected);
        QFETCH(bool, hovered);
        QFETCH(bool, dragMark);
        QFETCH(QColor, led);
        QFETCH(QColor, centre);
        QFETCH(QColor, edge);

        keyboardButCustom key;
        key.setSize(40, 30);
        key.setThemeColor(kFirst, kSecond);
        key.setCustomView(look == 0);
        key.setLightEditView(look == 1);
        key.setCustomFlag(assigned ? 1 : 0);
        key.setSelected(selected, false);
        key.setDragMark(dragMark);
        key.setKeyColor(led);
        if (hovered) {
            QEvent enter(QEvent::Enter);
            QCoreApplication::sendEvent(&key, &enter);
        }

        const QImage image = render(key);
        if (centre.isValid())
            QVERIFY2(near(image.pixel(20, 15), centre), qPrintable(describe(image.pixel(20, 15))));
        QVERIFY2(near(image.pixel(0, 15), edge), qPrintable(describe(image.pixel(0, 15))));
    }

    void hoverSignals()
    {
        keyboardButCustom key;
        QSignalSpy entered(&key, &keyboardButCustom::sigCustomButMouseEnter);
        QSignalSpy left(&key, &keyboardButCustom::sigCustomButMouseLeave);
        QEvent enter(QEvent::Enter);
        QCoreApplication::sendEvent(&key, &enter);
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(&key, &leave);
        QCOMPARE(entered.count(), 1);
        QCOMPARE(left.count(), 1);
        QVERIFY(near(render(key).pixel(20, 19), Qt::transparent));
    }

    // The tall Enter key: its bottom-left notch is neither drawn nor clickable.
    void enterNotchOutsideTheMask()
    {
        keyboardButCustom key;
        key.setSize(60, 56);
        key.setSpecialEnterKey(true);
        key.setShapeType(1);
        key.setEnterShapeSize(10, 30);
        key.setThemeColor(kFirst, kSecond);
        key.setCustomFlag(1);
        QVERIFY(!key.mask().isEmpty());
        QVERIFY(!key.mask().contains(QPoint(3, 45)));
        QVERIFY(key.mask().contains(QPoint(3, 10)));
        QVERIFY(key.mask().contains(QPoint(40, 45)));

        // A plain Enter (no special shape) has no mask and is drawn as a plain key.
        keyboardButCustom plain;
        plain.setSize(60, 56);
        plain.setShapeType(1);
        plain.setEnterShapeSize(10, 30);
        QVERIFY(plain.mask().isEmpty());
    }

    // A key's colour repaints it only while colour repaint is on, and never for the same colour.
    void colourRepaint()
    {
        keyboardButCustom key;
        key.setSize(30, 30);
        key.setCustomView(false);
        PaintCounter counter;
        key.show();
        QVERIFY(QTest::qWaitForWindowExposed(&key));
        QCoreApplication::processEvents();
        key.installEventFilter(&counter);

        key.setKeyColor(Qt::red);
        QCoreApplication::processEvents();
        QCOMPARE(counter.paints, 0);
        QCOMPARE(key.getKeyColor(), QColor(Qt::red));

        key.setStateValue(1);
        key.setKeyColor(Qt::blue);
        QTRY_VERIFY(counter.paints > 0);
        const int paints = counter.paints;
        key.setKeyColor(Qt::blue);
        QCoreApplication::processEvents();
        QCOMPARE(counter.paints, paints);
    }

    void sideLeds_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("rounded");
        QTest::addColumn<QPoint>("lit");    // the LED colour here; (-1, -1) for none
        QTest::addColumn<QPoint>("unlit");  // (nearly) transparent here

        QTest::newRow("square draws nothing") << QSize(10, 10) << false << QPoint(-1, -1) << QPoint(5, 5);
        QTest::newRow("wide") << QSize(20, 6) << false << QPoint(10, 3) << QPoint(0, 3);
        QTest::newRow("wide, rounded ends") << QSize(20, 8) << true << QPoint(10, 4) << QPoint(0, 0);
        QTest::newRow("tall") << QSize(6, 20) << false << QPoint(3, 10) << QPoint(3, 0);
    }

    void sideLeds()
    {
        QFETCH(QSize, size);
        QFETCH(bool, rounded);
        QFETCH(QPoint, lit);
        QFETCH(QPoint, unlit);

        sideLightButtonCustom led;
        led.setSize(size.width(), size.height());
        led.setDrawRounded(rounded);
        led.setColor(QColor(255, 0, 0));
        const QImage image = render(led);
        if (lit.x() >= 0)  // the middle of the gradient, where it is the LED colour
            QVERIFY2(qRed(image.pixel(lit)) == 255 && qGreen(image.pixel(lit)) == 0 && qAlpha(image.pixel(lit)) > 200,
                     qPrintable(describe(image.pixel(lit))));
        QVERIFY2(qAlpha(image.pixel(unlit)) < 32, qPrintable(describe(image.pixel(unlit))));  // faded out
        if (lit.x() < 0) {
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    QCOMPARE(qAlpha(image.pixel(x, y)), 0);
        }
    }
};

QTEST_MAIN(tst_KeyButtons)
#include "tst_KeyButtons.moc"
