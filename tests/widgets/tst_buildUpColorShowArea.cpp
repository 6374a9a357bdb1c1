#include "buildUpColorShowArea.h"

#include <QImage>
#include <QtTest>

namespace {

QImage render(buildUpColorShowArea &strip)
{
    QImage image(strip.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    strip.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

// Gradients land within a step or two of their stop colours at the pixel centres.
bool near(QRgb pixel, const QColor &colour)
{
    const QColor c = QColor::fromRgba(pixel);
    return qAbs(c.red() - colour.red()) <= 3 && qAbs(c.green() - colour.green()) <= 3
           && qAbs(c.blue() - colour.blue()) <= 3;
}

}  // namespace

class TestBuildUpColorShowArea : public QObject
{
    Q_OBJECT

private slots:
    void blankUntilGiven();
    void showsTheBuildUp_data();
    void showsTheBuildUp();
};

void TestBuildUpColorShowArea::blankUntilGiven()
{
    buildUpColorShowArea strip;
    strip.resize(100, 10);
    QVERIFY(strip.testAttribute(Qt::WA_TranslucentBackground));
    const QImage image = render(strip);
    for (int x = 0; x < 100; x += 9)
        QCOMPARE(qAlpha(image.pixel(x, 5)), 0);
}

void TestBuildUpColorShowArea::showsTheBuildUp_data()
{
    QTest::addColumn<QList<double>>("stops");
    QTest::addColumn<QList<QColor>>("colours");
    QTest::addColumn<QColor>("left");
    QTest::addColumn<QColor>("right");
    QTest::newRow("two") << QList<double>{0, 1} << QList<QColor>{Qt::red, Qt::blue} << QColor(Qt::red)
                         << QColor(Qt::blue);
    // Beyond the last stop the last colour carries on.
    QTest::newRow("inner stops") << QList<double>{0.3, 0.6} << QList<QColor>{Qt::green, Qt::blue} << QColor(Qt::green)
                                 << QColor(Qt::blue);
    QTest::newRow("more stops than colours")
        << QList<double>{0, 1, 0.5} << QList<QColor>{Qt::red, Qt::blue} << QColor(Qt::red) << QColor(Qt::blue);
    QTest::newRow("more colours than stops")
        << QList<double>{0, 1} << QList<QColor>{Qt::red, Qt::blue, Qt::green} << QColor(Qt::red) << QColor(Qt::blue);
    QTest::newRow("stops out of range") << QList<double>{-3, 7} << QList<QColor>{Qt::red, Qt::blue} << QColor(Qt::red)
                                        << QColor(Qt::blue);
}

void TestBuildUpColorShowArea::showsTheBuildUp()
{
    QFETCH(QList<double>, stops);
    QFETCH(QList<QColor>, colours);
    QFETCH(QColor, left);
    QFETCH(QColor, right);
    buildUpColorShowArea strip;
    strip.resize(200, 10);
    strip.setColorBuildUp(stops, colours);
    QVERIFY(strip.hasColorBuildUp());
    const QImage image = render(strip);
    QVERIFY2(near(image.pixel(0, 5), left), qPrintable(QColor(image.pixel(0, 5)).name()));
    QVERIFY2(near(image.pixel(199, 5), right), qPrintable(QColor(image.pixel(199, 5)).name()));
    QCOMPARE(qAlpha(image.pixel(100, 5)), 255);
}

QTEST_MAIN(TestBuildUpColorShowArea)
#include "tst_buildUpColorShowArea.moc"
