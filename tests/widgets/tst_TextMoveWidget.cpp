// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextMoveWidget.h"

#include <QLabel>
#include <QTest>

namespace {

// A marquee whose timer never fires during the test: each tick is driven by hand.
struct Marquee {
    explicit Marquee(int width, int height = 40)
    {
        widget.setInterval(1000 * 1000);
        widget.resize(width, height);
        widget.show();
        label = widget.findChild<QLabel *>();
    }

    int tick()
    {
        QMetaObject::invokeMethod(&widget, "updatePos", Qt::DirectConnection);
        return label->x();
    }

    int textWidth(const QString &text) const { return widget.fontMetrics().horizontalAdvance(text); }

    TextMoveWidget widget;
    QLabel *label = nullptr;
};

}  // namespace

class TestTextMoveWidget : public QObject
{
    Q_OBJECT

private slots:
    void backAndForthWhenTheTextFits();
    void swingsWhenTheTextIsTooWide_data();
    void swingsWhenTheTextIsTooWide();
    void leftToRightWraps();
    void rightToLeftRunsIn();
    void otherStyleStands();
    void labelIsCentredVertically();
    void boldTextStaysInside();
    void hoverStop_data();
    void hoverStop();
    void movesOnlyOnScreen_data();
    void movesOnlyOnScreen();
};

void TestTextMoveWidget::backAndForthWhenTheTextFits()
{
    Marquee m(300);
    const QString text = QStringLiteral("Do not unplug");
    m.widget.setText(text);
    const int tw = m.textWidth(text);
    QVERIFY(tw < 300);

    QCOMPARE(m.tick(), 2);
    QCOMPARE(m.tick(), 4);
    QCOMPARE(m.tick(), 6);

    int minX = 6, maxX = 6, turns = 0, last = 6;
    bool right = true;
    for (int i = 0; i < 2000; ++i) {
        const int x = m.tick();
        QCOMPARE(qAbs(x - last), 2);
        if ((x > last) != right) {
            right = !right;
            ++turns;
        }
        minX = qMin(minX, x);
        maxX = qMax(maxX, x);
        last = x;
    }
    QVERIFY(turns >= 4);
    // Turns once the right end has passed the right edge, and once x is 0 or less.
    QVERIFY2(maxX > 300 - tw && maxX <= 300 - tw + 2, qPrintable(QString::number(maxX)));
    QVERIFY2(minX <= 0 && minX >= -2, qPrintable(QString::number(minX)));
}

void TestTextMoveWidget::swingsWhenTheTextIsTooWide_data()
{
    QTest::addColumn<int>("step");
    QTest::newRow("default step") << 2;
    QTest::newRow("odd step never lands on 10") << 3;
}

void TestTextMoveWidget::swingsWhenTheTextIsTooWide()
{
    QFETCH(int, step);
    Marquee m(120);
    const QString text = QStringLiteral("Keep the keyboard connected until the update has finished");
    m.widget.setText(text);
    m.widget.setStep(step);
    const int tw = m.textWidth(text);
    QVERIFY(tw > 120);
    const int leftBound = 120 - tw - 10;

    if (step == 2) {
        QList<int> start;
        for (int i = 0; i < 7; ++i)
            start << m.tick();
        QCOMPARE(start, (QList<int>{2, 4, 6, 8, 10, 8, 6}));
    }

    int minX = 0, maxX = 0;
    for (int i = 0; i < 4000; ++i) {
        const int x = m.tick();
        minX = qMin(minX, x);
        maxX = qMax(maxX, x);
    }
    QVERIFY2(maxX >= 10 && maxX < 10 + step, qPrintable(QString::number(maxX)));
    QVERIFY2(minX <= leftBound && minX > leftBound - step, qPrintable(QString::number(minX)));
}

void TestTextMoveWidget::leftToRightWraps()
{
    Marquee m(200);
    m.widget.setMoveStyle(TextMoveWidget::MoveLeftToRight);
    const QString text = QStringLiteral("Updating");
    m.widget.setText(text);
    const int tw = m.textWidth(text);
    QCOMPARE(m.label->x(), 0);  // not moved before the first tick
    QCOMPARE(m.tick(), -m.label->width() + 2);

    int x = m.label->x();
    int guard = 0;
    while (x <= 200 && ++guard < 1000)
        x = m.tick();
    QVERIFY(x > 200);
    // Gone on the right, back with its right end at the left edge.
    QCOMPARE(m.tick(), -tw + 2);
    QCOMPARE(m.tick(), -tw + 4);
}

void TestTextMoveWidget::rightToLeftRunsIn()
{
    Marquee m(200);
    m.widget.setMoveStyle(TextMoveWidget::MoveRightToLeft);
    const QString text = QStringLiteral("Updating");
    m.widget.setText(text);
    const int tw = m.textWidth(text);
    QCOMPARE(m.tick(), 198);
    QCOMPARE(m.tick(), 196);

    int x = m.label->x();
    int guard = 0;
    while (x >= -tw && ++guard < 1000)
        x = m.tick();
    QVERIFY(x < -tw);
    QCOMPARE(m.tick(), 198);
}

void TestTextMoveWidget::otherStyleStands()
{
    Marquee m(200);
    m.widget.setText(QStringLiteral("Updating"));
    m.tick();
    m.tick();
    m.widget.setMoveStyle(static_cast<TextMoveWidget::MoveStyle>(7));
    QCOMPARE(m.tick(), 4);
    QCOMPARE(m.tick(), 4);
}

void TestTextMoveWidget::labelIsCentredVertically()
{
    Marquee m(200, 60);
    m.widget.setTextFont(QStringLiteral("Microsoft YaHei"), 12);
    m.widget.resize(200, 61);
    QTRY_COMPARE(m.widget.height(), 61);
    m.tick();
    QCOMPARE(m.label->y(), (61 - m.widget.fontMetrics().height()) / 2);
}

void TestTextMoveWidget::hoverStop_data()
{
    QTest::addColumn<bool>("stopOnHover");
    QTest::newRow("stop on hover") << true;
    QTest::newRow("keep moving") << false;
}

void TestTextMoveWidget::hoverStop()
{
    QFETCH(bool, stopOnHover);
    Marquee m(300);
    m.widget.setMouseHoverStop(stopOnHover);
    m.widget.setText(QStringLiteral("Updating"));
    QCOMPARE(m.tick(), 2);

    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(&m.widget, &enter);
    QCOMPARE(m.tick(), stopOnHover ? 2 : 4);
    QCOMPARE(m.label->font().underline(), stopOnHover);
    QCOMPARE(m.widget.cursor().shape(), stopOnHover ? Qt::PointingHandCursor : Qt::ArrowCursor);

    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&m.widget, &leave);
    // Resumes from where it stood.
    QCOMPARE(m.tick(), stopOnHover ? 4 : 6);
    QVERIFY(!m.label->font().underline());
    QCOMPARE(m.widget.cursor().shape(), Qt::ArrowCursor);
}

// The text is drawn in the label's own font (bold, larger): it is measured in that font, so a text
// that fits runs between the edges whole, never cut or past the right edge.
void TestTextMoveWidget::boldTextStaysInside()
{
    Marquee m(560);
    m.widget.setTextFont(QStringLiteral("DejaVu Sans"), 14);
    const QString text = QStringLiteral("If the firmware is being upgraded, do not unplug!");
    m.widget.setText(text);
    const int drawn = m.label->fontMetrics().horizontalAdvance(text);
    QVERIFY2(drawn < 560, qPrintable(QString::number(drawn)));
    QVERIFY(m.label->width() >= drawn);  // the whole text, not the first 100 pixels
    int maxRight = 0;
    for (int i = 0; i < 400; ++i)
        maxRight = qMax(maxRight, m.tick() + drawn);
    QVERIFY2(maxRight <= 560 + 2, qPrintable(QString::number(maxRight)));
    QVERIFY(maxRight >= 560 - 2);
}

void TestTextMoveWidget::movesOnlyOnScreen_data()
{
    QTest::addColumn<int>("style");
    QTest::newRow("back and forth, too wide") << int(TextMoveWidget::MoveBackAndForth);
    QTest::newRow("left to right") << int(TextMoveWidget::MoveLeftToRight);
    QTest::newRow("right to left") << int(TextMoveWidget::MoveRightToLeft);
}

void TestTextMoveWidget::movesOnlyOnScreen()
{
    QFETCH(int, style);
    Marquee m(120);
    m.widget.setMoveStyle(static_cast<TextMoveWidget::MoveStyle>(style));
    m.widget.setText(QStringLiteral("Keep the keyboard connected until the update has finished"));
    QVERIFY(m.widget.isMoving());

    m.widget.hide();
    QVERIFY(!m.widget.isMoving());
    m.widget.show();
    QVERIFY(m.widget.isMoving());

    m.widget.showMinimized();
    QTRY_VERIFY(!m.widget.isMoving());
    m.widget.showNormal();
    QTRY_VERIFY(m.widget.isMoving());

    // Any other style stands still: nothing to tick for.
    m.widget.setMoveStyle(static_cast<TextMoveWidget::MoveStyle>(7));
    QVERIFY(!m.widget.isMoving());
}

QTEST_MAIN(TestTextMoveWidget)
#include "tst_TextMoveWidget.moc"
