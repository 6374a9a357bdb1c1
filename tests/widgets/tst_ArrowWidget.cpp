// SPDX-License-Identifier: GPL-3.0-or-later
#include "ArrowWidget.h"

#include "DDataManager.h"

#include <QImage>
#include <QLabel>
#include <QLayout>
#include <QPointer>
#include <QTest>

namespace {

using PointList = QList<QPoint>;

QColor themeBackground()
{
    const QStringList parts = DDataManager::getInstance()->getThemeColor().AllBgColor.split(QLatin1Char(','));
    return QColor(parts.value(0).toInt(), parts.value(1).toInt(), parts.value(2).toInt());
}

}  // namespace

class TestArrowWidget : public QObject
{
    Q_OBJECT

private slots:
    void paintsBodyAndArrow_data();
    void paintsBodyAndArrow();
    void contentFillsTheBody_data();
    void contentFillsTheBody();
    void hidesWhenDeactivated();
    void deletingThePopupTakesItsContent();
};

void TestArrowWidget::paintsBodyAndArrow_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("arrowX");
    QTest::addColumn<PointList>("body");
    QTest::addColumn<PointList>("clear");

    // Arrow down, tip at (30, 60) on the bottom edge; body from (15, 15) to (45, 45).
    QTest::newRow("down 60x60 x23") << 1 << QSize(60, 60) << 23
                                    << PointList{{30, 30}, {16, 30}, {44, 30}, {30, 44}, {30, 50}, {30, 57}}
                                    << PointList{{13, 30}, {30, 13}, {47, 30}, {20, 55}, {40, 55}, {5, 5}};
    // Arrow down, tip at (115, 120).
    QTest::newRow("down 230x120 x108") << 1 << QSize(230, 120) << 108 << PointList{{115, 60}, {115, 110}, {115, 115}}
                                       << PointList{{100, 112}, {130, 112}, {115, 2}};
    // Arrow up, tip at (100, 15); body from (15, 25) to (185, 135).
    QTest::newRow("up 200x150 x93") << 0 << QSize(200, 150) << 93
                                    << PointList{{100, 19}, {100, 27}, {100, 133}, {17, 80}, {183, 80}}
                                    << PointList{{100, 13}, {80, 20}, {120, 20}, {100, 137}, {13, 80}, {187, 80}};
    // Arrow up, tip at (120, 15).
    QTest::newRow("up 240x220 x113") << 0 << QSize(240, 220) << 113 << PointList{{120, 19}, {120, 100}}
                                     << PointList{{120, 13}, {100, 20}, {140, 20}};
    // The arrow x moves the arrow.
    QTest::newRow("up 200x150 x20") << 0 << QSize(200, 150) << 20 << PointList{{27, 19}} << PointList{{100, 19}};
    QTest::newRow("no arrow, kind 2") << 2 << QSize(100, 100) << 43 << PointList{{50, 17}, {50, 83}, {17, 50}, {83, 50}}
                                      << PointList{{50, 12}, {50, 88}, {12, 50}, {88, 50}};
    QTest::newRow("no arrow, kind -1") << -1 << QSize(100, 100) << 43 << PointList{{50, 17}, {50, 83}}
                                       << PointList{{50, 12}, {50, 88}};
}

void TestArrowWidget::paintsBodyAndArrow()
{
    QFETCH(int, kind);
    QFETCH(QSize, size);
    QFETCH(int, arrowX);
    QFETCH(PointList, body);
    QFETCH(PointList, clear);

    ArrowWidget popup(kind, nullptr);
    popup.setSize(size.width(), size.height());
    popup.setArrowX(arrowX);
    QCOMPARE(popup.size(), size);

    // Grabbed with its shadow effect, on a transparent background.
    const QImage image = popup.grab().toImage();
    QCOMPARE(image.size(), size);

    const QColor background = themeBackground();
    for (const QPoint &p : body)
        QVERIFY2(QColor::fromRgba(image.pixel(p)) == background,
                 qPrintable(QStringLiteral("(%1, %2) should be the body").arg(p.x()).arg(p.y())));
    for (const QPoint &p : clear)
        QVERIFY2(QColor::fromRgba(image.pixel(p)) != background,
                 qPrintable(QStringLiteral("(%1, %2) should be clear").arg(p.x()).arg(p.y())));
}

void TestArrowWidget::contentFillsTheBody_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRect>("bodyRect");

    QTest::newRow("arrow up") << 0 << QSize(200, 150) << QRect(15, 25, 170, 110);
    QTest::newRow("arrow down") << 1 << QSize(60, 60) << QRect(15, 15, 30, 30);
    QTest::newRow("no arrow") << 2 << QSize(100, 80) << QRect(15, 15, 70, 50);
}

void TestArrowWidget::contentFillsTheBody()
{
    QFETCH(int, kind);
    QFETCH(QSize, size);
    QFETCH(QRect, bodyRect);

    ArrowWidget popup(kind, nullptr);
    popup.setSize(size.width(), size.height());
    auto *content = new QLabel(QStringLiteral("x"));
    content->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    popup.setContentWidget(content);
    QCOMPARE(content->parentWidget(), &popup);
    popup.layout()->activate();
    QCOMPARE(content->geometry(), bodyRect);
}

void TestArrowWidget::hidesWhenDeactivated()
{
    QWidget page;
    page.resize(300, 200);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));

    auto *popup = new ArrowWidget(0, &page);
    QPointer<ArrowWidget> guard(popup);
    popup->setSize(200, 120);
    popup->setArrowX(93);
    auto *content = new QLabel(QStringLiteral("content"));
    popup->setContentWidget(content);
    popup->move(page.mapToGlobal(QPoint(50, 50)));
    popup->show();
    popup->activateWindow();
    QTRY_VERIFY(popup->isActiveWindow());

    QWidget other;
    other.resize(100, 100);
    other.show();
    other.activateWindow();
    QTRY_VERIFY(popup->isHidden());

    // It only hid: still alive, still holding its content, and can be shown again.
    QVERIFY(guard);
    QCOMPARE(content->parentWidget(), popup);
    popup->show();
    QVERIFY(popup->isVisible());
    QCOMPARE(popup->size(), QSize(200, 120));
}

void TestArrowWidget::deletingThePopupTakesItsContent()
{
    // Owners delete the previous popup when they open the next one; its content goes with it.
    QWidget owner;
    auto *content = new QLabel(QStringLiteral("content"), &owner);
    QPointer<QLabel> contentGuard(content);
    auto *popup = new ArrowWidget(0, &owner);
    popup->setContentWidget(content);
    delete popup;
    QVERIFY(!contentGuard);
    QVERIFY(owner.findChildren<QWidget *>().isEmpty());
}

QTEST_MAIN(TestArrowWidget)
#include "tst_ArrowWidget.moc"
