// SPDX-License-Identifier: GPL-3.0-or-later
#include "FlowLayout.h"

#include <QPointer>
#include <QStyle>
#include <QTest>
#include <QWidget>

namespace {

// A widget that asks for exactly the size it is given.
class SizedWidget : public QWidget
{
public:
    SizedWidget(QSize hint, QWidget *parent)
        : QWidget(parent)
        , m_hint(hint)
    {
    }
    QSize sizeHint() const override { return m_hint; }
    QSize minimumSizeHint() const override { return m_hint; }

private:
    QSize m_hint;
};

using SizeList = QList<QSize>;
using RectList = QList<QRect>;

}  // namespace

class TestFlowLayout : public QObject
{
    Q_OBJECT

private slots:
    void placesAndWraps_data();
    void placesAndWraps();
    void emptyLayoutHeightIsMargins();
    void styleGapsWhenSpacingIsDefault();
    void takeAtOutOfRangeAndOwnership();
};

void TestFlowLayout::placesAndWraps_data()
{
    QTest::addColumn<int>("margin");
    QTest::addColumn<int>("gap");
    QTest::addColumn<int>("width");
    QTest::addColumn<SizeList>("sizes");
    QTest::addColumn<RectList>("expected");
    QTest::addColumn<int>("expectedHeight");

    QTest::newRow("third of three wraps") << 0 << 10 << 300 << SizeList{{100, 20}, {100, 20}, {100, 20}}
                                          << RectList{{0, 0, 100, 20}, {110, 0, 100, 20}, {0, 30, 100, 20}} << 50;
    QTest::newRow("exactly the width does not fit")
        << 0 << 0 << 300 << SizeList{{150, 20}, {150, 20}} << RectList{{0, 0, 150, 20}, {0, 20, 150, 20}} << 40;
    QTest::newRow("one pixel less fits") << 0 << 0 << 300 << SizeList{{150, 20}, {149, 20}}
                                         << RectList{{0, 0, 150, 20}, {150, 0, 149, 20}} << 20;
    QTest::newRow("too wide item stays alone")
        << 0 << 10 << 300 << SizeList{{400, 50}, {100, 20}} << RectList{{0, 0, 400, 50}, {0, 60, 100, 20}} << 80;
    QTest::newRow("next line below the tallest")
        << 0 << 10 << 250 << SizeList{{100, 30}, {100, 50}, {100, 20}}
        << RectList{{0, 0, 100, 30}, {110, 0, 100, 50}, {0, 60, 100, 20}} << 80;
    QTest::newRow("margins shrink the line")
        << 5 << 10 << 300 << SizeList{{100, 20}, {100, 20}, {69, 20}, {100, 20}}
        << RectList{{5, 5, 100, 20}, {115, 5, 100, 20}, {225, 5, 69, 20}, {5, 35, 100, 20}} << 60;
    QTest::newRow("margins: one pixel more wraps")
        << 5 << 10 << 300 << SizeList{{100, 20}, {100, 20}, {70, 20}}
        << RectList{{5, 5, 100, 20}, {115, 5, 100, 20}, {5, 35, 70, 20}} << 60;
}

void TestFlowLayout::placesAndWraps()
{
    QFETCH(int, margin);
    QFETCH(int, gap);
    QFETCH(int, width);
    QFETCH(SizeList, sizes);
    QFETCH(RectList, expected);
    QFETCH(int, expectedHeight);

    QWidget host;
    auto *layout = new FlowLayout(&host, margin, gap, gap);
    QList<QWidget *> widgets;
    for (const QSize &size : sizes) {
        widgets << new SizedWidget(size, &host);
        layout->addWidget(widgets.last());
    }

    QVERIFY(layout->hasHeightForWidth());
    QCOMPARE(layout->heightForWidth(width), expectedHeight);

    layout->setGeometry(QRect(0, 0, width, expectedHeight));
    for (int i = 0; i < widgets.size(); ++i)
        QCOMPARE(widgets[i]->geometry(), expected[i]);

    // Laid out again wide enough, every item comes back to the first line.
    layout->setGeometry(QRect(0, 0, 2000, 500));
    for (QWidget *widget : widgets)
        QCOMPARE(widget->y(), margin);
}

void TestFlowLayout::emptyLayoutHeightIsMargins()
{
    QWidget host;
    auto *layout = new FlowLayout(&host, 7, 3, 3);
    QCOMPARE(layout->count(), 0);
    QCOMPARE(layout->heightForWidth(100), 14);
    layout->setContentsMargins(1, 2, 3, 4);
    QCOMPARE(layout->heightForWidth(100), 6);
}

void TestFlowLayout::styleGapsWhenSpacingIsDefault()
{
    QWidget host;
    auto *layout = new FlowLayout(&host, 0, -1, -1);
    auto *first = new SizedWidget({40, 20}, &host);
    auto *second = new SizedWidget({40, 20}, &host);
    auto *third = new SizedWidget({40, 20}, &host);
    layout->addWidget(first);
    layout->addWidget(second);
    layout->addWidget(third);

    QStyle *style = host.style();
    int hGap = style->pixelMetric(QStyle::PM_LayoutHorizontalSpacing, nullptr, &host);
    if (hGap < 0)
        hGap = style->layoutSpacing(QSizePolicy::PushButton, QSizePolicy::PushButton, Qt::Horizontal);
    int vGap = style->pixelMetric(QStyle::PM_LayoutVerticalSpacing, nullptr, &host);
    if (vGap < 0)
        vGap = style->layoutSpacing(QSizePolicy::PushButton, QSizePolicy::PushButton, Qt::Vertical);

    // Room for two items and one gap: the second item's right end must stay left of the edge.
    const int width = 80 + hGap + 1;
    layout->setGeometry(QRect(0, 0, width, 100));
    QCOMPARE(second->pos(), QPoint(40 + hGap, 0));
    QCOMPARE(third->pos(), QPoint(0, 20 + vGap));
}

void TestFlowLayout::takeAtOutOfRangeAndOwnership()
{
    QWidget host;
    QPointer<QWidget> child = new SizedWidget({10, 10}, &host);
    auto *layout = new FlowLayout(&host, 0, 0, 0);
    layout->addWidget(child);

    QCOMPARE(layout->takeAt(-1), nullptr);
    QCOMPARE(layout->takeAt(1), nullptr);
    QCOMPARE(layout->itemAt(1), nullptr);
    QCOMPARE(layout->count(), 1);
    QCOMPARE(layout->itemAt(0)->widget(), child.data());

    // The layout deletes its items, never the widgets: they belong to their parent.
    delete layout;
    QVERIFY(child);
    QCOMPARE(child->parentWidget(), &host);
}

QTEST_MAIN(TestFlowLayout)
#include "tst_FlowLayout.moc"
