// SPDX-License-Identifier: GPL-3.0-or-later
#include "CbNotice.h"

#include <QGraphicsOpacityEffect>
#include <QImage>
#include <QMouseEvent>
#include <QPropertyAnimation>
#include <QSignalSpy>
#include <QTest>

namespace {

// A page that counts the mouse presses reaching it.
class Page : public QWidget
{
public:
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent *) override { ++presses; }
};

QPropertyAnimation *animationOf(CbNotice &notice)
{
    return notice.findChild<QPropertyAnimation *>();
}

qreal opacityOf(CbNotice &notice)
{
    return static_cast<QGraphicsOpacityEffect *>(notice.graphicsEffect())->opacity();
}

}  // namespace

class TestCbNotice : public QObject
{
    Q_OBJECT

private slots:
    void sizeAndPosition_data();
    void sizeAndPosition();
    void sizeFollowsTextFont();
    void holdThenFade();
    void newMessageRestartsTheCycle();
    void hidesByItself();
    void clickHidesAndPassesThrough_data();
    void clickHidesAndPassesThrough();
    void paintsAPill();
};

void TestCbNotice::sizeAndPosition_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QPoint>("expectedCentre");

    // The page is 400 x 300 at x 30: the stored centre is (30 + 200, 200).
    QTest::newRow("given point") << QStringLiteral("Saved") << QPoint(150, 90) << QPoint(150, 90);
    QTest::newRow("null point uses stored centre") << QStringLiteral("Saved") << QPoint(0, 0) << QPoint(230, 200);
    QTest::newRow("point outside the page") << QStringLiteral("Saved") << QPoint(-50, 900) << QPoint(-50, 900);
    QTest::newRow("empty text") << QString() << QPoint(100, 100) << QPoint(100, 100);
    QTest::newRow("long text") << QStringLiteral("Please select one Key first!") << QPoint(200, 40) << QPoint(200, 40);
}

void TestCbNotice::sizeAndPosition()
{
    QFETCH(QString, text);
    QFETCH(QPoint, point);
    QFETCH(QPoint, expectedCentre);

    QWidget window;
    Page page;
    page.setParent(&window);
    page.setGeometry(30, 10, 400, 300);
    CbNotice notice(&page);
    notice.setTextPixelSize(14);
    QVERIFY(notice.isHidden());

    notice.showTextAt(text, point);
    const int width = QFontMetrics(notice.font()).horizontalAdvance(text) + 36;
    QCOMPARE(notice.size(), QSize(width, 40));
    QCOMPARE(notice.pos(), expectedCentre - QPoint(width / 2, 40 / 2));
    QVERIFY(!notice.isHidden());
    if (text.isEmpty())
        QCOMPARE(notice.width(), 36);

    // Showing the text again lands on the stored centre, whatever the last point was.
    notice.showAgain();
    QCOMPARE(notice.pos(), QPoint(230, 200) - QPoint(width / 2, 20));
}

void TestCbNotice::sizeFollowsTextFont()
{
    QWidget page;
    page.resize(400, 300);
    CbNotice notice(&page);
    const QString text = QStringLiteral("Set config success");

    notice.showTextAt(text, QPoint(200, 150));
    const int before = notice.width();

    QFont big(QStringLiteral("Microsoft YaHei"));
    big.setPixelSize(40);
    notice.setTextFont(big);
    notice.showTextAt(text, QPoint(200, 150));
    QCOMPARE(notice.width(), QFontMetrics(big).horizontalAdvance(text) + 36);
    QVERIFY(notice.width() > before);
    QCOMPARE(notice.height(), 40);
}

void TestCbNotice::holdThenFade()
{
    QWidget page;
    page.resize(400, 300);
    CbNotice notice(&page);
    QSignalSpy finished(&notice, &CbNotice::sigFinished);
    notice.showText(QStringLiteral("Saved"));

    QPropertyAnimation *animation = animationOf(notice);
    QVERIFY(animation);
    QCOMPARE(animation->duration(), 2300);
    animation->pause();

    // Fully visible for the first 1300 ms, then a linear fade over 1000 ms.
    const QList<QPair<int, qreal>> timeline = {{0, 1.0},    {650, 1.0},   {1300, 1.0},  {1550, 0.75},
                                               {1800, 0.5}, {2050, 0.25}, {2299, 0.001}};
    for (const auto &point : timeline) {
        animation->setCurrentTime(point.first);
        QVERIFY2(qAbs(opacityOf(notice) - point.second) < 0.002,
                 qPrintable(QStringLiteral("at %1 ms: %2").arg(point.first).arg(opacityOf(notice))));
        QVERIFY(!notice.isHidden());
    }
    QCOMPARE(finished.count(), 0);

    animation->setCurrentTime(2300);
    QCOMPARE(finished.count(), 1);
    QVERIFY(notice.isHidden());
}

void TestCbNotice::newMessageRestartsTheCycle()
{
    QWidget page;
    page.resize(400, 300);
    page.show();
    CbNotice notice(&page);
    notice.showTextAt(QStringLiteral("First"), QPoint(100, 100));
    QPropertyAnimation *animation = animationOf(notice);
    animation->pause();
    animation->setCurrentTime(1800);
    QVERIFY(opacityOf(notice) < 0.6);

    const QString second = QStringLiteral("A second, longer message");
    notice.showTextAt(second, QPoint(200, 120));
    QCOMPARE(opacityOf(notice), 1.0);
    QCOMPARE(animation->state(), QAbstractAnimation::Running);
    QVERIFY(animation->currentTime() < 1000);
    QCOMPARE(notice.width(), QFontMetrics(notice.font()).horizontalAdvance(second) + 36);
    QCOMPARE(notice.pos(), QPoint(200 - notice.width() / 2, 100));
}

void TestCbNotice::hidesByItself()
{
    QWidget page;
    page.resize(400, 300);
    page.show();
    CbNotice notice(&page);
    QSignalSpy finished(&notice, &CbNotice::sigFinished);
    notice.showText(QStringLiteral("Saved"));

    QTest::qWait(100);
    QVERIFY(notice.isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(notice.isHidden(), 10000);
    QCOMPARE(finished.count(), 1);
}

void TestCbNotice::clickHidesAndPassesThrough_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("pagePresses");

    QTest::newRow("far left stops at the notice") << 3 << 0;
    QTest::newRow("left edge x 5 stops") << 5 << 0;
    QTest::newRow("x 6 reaches the page") << 6 << 1;
    QTest::newRow("middle reaches the page") << 40 << 1;
}

void TestCbNotice::clickHidesAndPassesThrough()
{
    QFETCH(int, x);
    QFETCH(int, pagePresses);

    Page page;
    page.resize(400, 300);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    CbNotice notice(&page);
    QSignalSpy finished(&notice, &CbNotice::sigFinished);
    notice.showTextAt(QStringLiteral("Saved"), QPoint(200, 150));
    QVERIFY(notice.isVisible());

    QTest::mousePress(&notice, Qt::LeftButton, {}, QPoint(x, 20));
    QCOMPARE(page.presses, pagePresses);
    QVERIFY(notice.isHidden());

    // The fade runs on: its end still reports.
    QCOMPARE(animationOf(notice)->state(), QAbstractAnimation::Running);
    animationOf(notice)->setCurrentTime(2300);
    QCOMPARE(finished.count(), 1);
}

void TestCbNotice::paintsAPill()
{
    QWidget page;
    page.resize(400, 300);
    CbNotice notice(&page);
    notice.setBackgroundColor(QColor(10, 200, 30));
    notice.setTextColor(QColor(250, 250, 250));
    notice.showTextAt(QString(), QPoint(100, 100));

    QImage image(notice.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    notice.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);

    // Round ends of radius 22 (the height is 40): the corners stay clear, the middle is filled.
    QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(image.pixel(notice.width() - 1, 39)), 0);
    QCOMPARE(QColor(image.pixel(notice.width() / 2, 20)), QColor(10, 200, 30));
    QCOMPARE(QColor(image.pixel(2, 20)), QColor(10, 200, 30));
}

QTEST_MAIN(TestCbNotice)
#include "tst_CbNotice.moc"
