// SPDX-License-Identifier: GPL-3.0-or-later
#include "FramelessWindowHelper.h"

#include <QApplication>
#include <QMouseEvent>
#include <QtTest>

namespace {

// Counts the presses that reach the window's own handler.
class Window : public QWidget
{
public:
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent *event) override
    {
        ++presses;
        QWidget::mousePressEvent(event);
    }
};

using Region = FramelessWindowHelper::Region;

}  // namespace

class tst_FramelessWindowHelper : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void hoverFindsRegion_data();
    void hoverFindsRegion();
    void dragResizes_data();
    void dragResizes();
    void dragAreaMovesWindow();
    void maximisedWindowStaysPut();
    void buttonsReachingTheWindow_data();
    void buttonsReachingTheWindow();
    void enteringTheMainFrameRestoresArrow();

private:
    void mouse(QWidget *target, QEvent::Type type, const QPoint &global, Qt::MouseButton button,
               Qt::MouseButtons buttons);
    void hover(const QPoint &global) { mouse(m_window, QEvent::MouseMove, global, Qt::NoButton, Qt::NoButton); }

    Window *m_window = nullptr;
    QWidget *m_mainFrame = nullptr;
    QWidget *m_dragArea = nullptr;
    FramelessWindowHelper *m_helper = nullptr;
};

void tst_FramelessWindowHelper::init()
{
    // The drag area sits inside a frame that is itself away from the window's corner.
    m_window = new Window;
    m_window->setWindowFlag(Qt::FramelessWindowHint);
    m_window->setMinimumSize(200, 150);
    auto *title = new QWidget(m_window);
    title->setGeometry(20, 20, 360, 40);
    m_dragArea = new QWidget(title);
    m_dragArea->setGeometry(0, 0, 200, 30);
    m_mainFrame = new QWidget(m_window);
    m_mainFrame->setGeometry(20, 70, 360, 200);

    m_helper = new FramelessWindowHelper(m_window);
    m_helper->setDragArea(m_dragArea);
    m_helper->addTrackedFrame(title);
    m_helper->addTrackedFrame(m_mainFrame);
    m_helper->setArrowOnEnter(m_mainFrame);

    m_window->setGeometry(100, 100, 400, 300);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    QCOMPARE(m_window->geometry(), QRect(100, 100, 400, 300));
    QVERIFY(title->hasMouseTracking());
}

void tst_FramelessWindowHelper::cleanup()
{
    delete m_window;
    m_window = nullptr;
}

void tst_FramelessWindowHelper::mouse(QWidget *target, QEvent::Type type, const QPoint &global, Qt::MouseButton button,
                                      Qt::MouseButtons buttons)
{
    const QPoint local = target->mapFromGlobal(global);
    QMouseEvent event(type, local, target->window()->mapFromGlobal(global), global, button, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

void tst_FramelessWindowHelper::hoverFindsRegion_data()
{
    // The window spans x 100..499 and y 100..399, bounds included.
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<int>("region");
    QTest::addColumn<int>("cursor");
    QTest::newRow("left bound") << QPoint(100, 250) << int(Region::Left) << int(Qt::SizeHorCursor);
    QTest::newRow("4 px in is still the edge") << QPoint(104, 250) << int(Region::Left) << int(Qt::SizeHorCursor);
    QTest::newRow("5 px in is not") << QPoint(105, 250) << int(Region::NoRegion) << int(Qt::ArrowCursor);
    QTest::newRow("right") << QPoint(495, 250) << int(Region::Right) << int(Qt::SizeHorCursor);
    QTest::newRow("top") << QPoint(300, 104) << int(Region::Top) << int(Qt::SizeVerCursor);
    QTest::newRow("bottom") << QPoint(300, 399) << int(Region::Bottom) << int(Qt::SizeVerCursor);
    QTest::newRow("corner wins over edges") << QPoint(102, 102) << int(Region::TopLeft) << int(Qt::SizeFDiagCursor);
    QTest::newRow("top right") << QPoint(495, 100) << int(Region::TopRight) << int(Qt::SizeBDiagCursor);
    QTest::newRow("bottom left") << QPoint(100, 395) << int(Region::BottomLeft) << int(Qt::SizeBDiagCursor);
    QTest::newRow("bottom right") << QPoint(499, 399) << int(Region::BottomRight) << int(Qt::SizeFDiagCursor);
    QTest::newRow("inside") << QPoint(300, 250) << int(Region::NoRegion) << int(Qt::ArrowCursor);
}

void tst_FramelessWindowHelper::hoverFindsRegion()
{
    QFETCH(QPoint, pos);
    QFETCH(int, region);
    QFETCH(int, cursor);
    hover(pos);
    QCOMPARE(int(m_helper->resizeRegion()), region);
    QCOMPARE(int(m_window->cursor().shape()), cursor);
}

void tst_FramelessWindowHelper::dragResizes_data()
{
    QTest::addColumn<QPoint>("start");
    QTest::addColumn<QPoint>("end");
    QTest::addColumn<QRect>("geometry");
    // Minimum size 200 x 150.
    QTest::newRow("right") << QPoint(498, 250) << QPoint(560, 250) << QRect(100, 100, 460, 300);
    QTest::newRow("bottom") << QPoint(300, 398) << QPoint(300, 450) << QRect(100, 100, 400, 350);
    QTest::newRow("left") << QPoint(101, 250) << QPoint(50, 250) << QRect(50, 100, 450, 300);
    QTest::newRow("left stops at minimum width") << QPoint(101, 250) << QPoint(320, 250) << QRect(100, 100, 400, 300);
    QTest::newRow("top") << QPoint(300, 101) << QPoint(300, 60) << QRect(100, 60, 400, 340);
    QTest::newRow("top stops at minimum height") << QPoint(300, 101) << QPoint(300, 260) << QRect(100, 100, 400, 300);
    QTest::newRow("top left") << QPoint(101, 101) << QPoint(80, 90) << QRect(80, 90, 420, 310);
    QTest::newRow("bottom left") << QPoint(101, 398) << QPoint(90, 420) << QRect(90, 100, 410, 320);
    QTest::newRow("top right") << QPoint(498, 101) << QPoint(520, 80) << QRect(100, 80, 420, 320);
    QTest::newRow("bottom right") << QPoint(498, 398) << QPoint(600, 500) << QRect(100, 100, 500, 400);
    QTest::newRow("inside moves nothing") << QPoint(300, 250) << QPoint(350, 300) << QRect(100, 100, 400, 300);
}

void tst_FramelessWindowHelper::dragResizes()
{
    QFETCH(QPoint, start);
    QFETCH(QPoint, end);
    QFETCH(QRect, geometry);
    hover(start);
    mouse(m_window, QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
    mouse(m_window, QEvent::MouseMove, end, Qt::NoButton, Qt::LeftButton);
    QCOMPARE(m_window->geometry(), geometry);

    mouse(m_window, QEvent::MouseButtonRelease, end, Qt::LeftButton, Qt::NoButton);
    QCOMPARE(m_helper->resizeRegion(), Region::NoRegion);
    QCOMPARE(m_window->cursor().shape(), Qt::ArrowCursor);
    // Without the button the mouse only hovers again.
    mouse(m_window, QEvent::MouseMove, end + QPoint(5, 5), Qt::NoButton, Qt::NoButton);
    QCOMPARE(m_window->geometry(), geometry);
}

void tst_FramelessWindowHelper::dragAreaMovesWindow()
{
    // (25, 45) in the window is inside the drag area, which lies 20 px in from the corner.
    const QPoint start = m_window->mapToGlobal(QPoint(25, 45));
    mouse(m_dragArea, QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
    mouse(m_window, QEvent::MouseMove, start + QPoint(30, 20), Qt::NoButton, Qt::LeftButton);
    QCOMPARE(m_window->geometry(), QRect(130, 120, 400, 300));
    mouse(m_window, QEvent::MouseMove, start + QPoint(-50, 10), Qt::NoButton, Qt::LeftButton);
    QCOMPARE(m_window->geometry(), QRect(50, 110, 400, 300));
    mouse(m_window, QEvent::MouseButtonRelease, start + QPoint(-50, 10), Qt::LeftButton, Qt::NoButton);
    mouse(m_window, QEvent::MouseMove, start + QPoint(10, 10), Qt::NoButton, Qt::NoButton);
    QCOMPARE(m_window->geometry(), QRect(50, 110, 400, 300));
    QCOMPARE(m_window->presses, 0);
}

void tst_FramelessWindowHelper::maximisedWindowStaysPut()
{
    m_window->showMaximized();
    QTRY_VERIFY(m_window->isMaximized());
    const QRect maximised = m_window->geometry();

    const QPoint start = m_window->mapToGlobal(QPoint(25, 45));
    mouse(m_dragArea, QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
    mouse(m_window, QEvent::MouseMove, start + QPoint(30, 20), Qt::NoButton, Qt::LeftButton);
    mouse(m_window, QEvent::MouseButtonRelease, start + QPoint(30, 20), Qt::LeftButton, Qt::NoButton);
    QCOMPARE(m_window->geometry(), maximised);

    const QPoint edge = m_window->mapToGlobal(QPoint(m_window->width() - 2, m_window->height() / 2));
    hover(edge);
    mouse(m_window, QEvent::MouseButtonPress, edge, Qt::LeftButton, Qt::LeftButton);
    mouse(m_window, QEvent::MouseMove, edge - QPoint(100, 0), Qt::NoButton, Qt::LeftButton);
    QCOMPARE(m_window->geometry(), maximised);
}

void tst_FramelessWindowHelper::buttonsReachingTheWindow_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("presses");
    QTest::newRow("left drags") << int(Qt::LeftButton) << 0;
    QTest::newRow("right does nothing") << int(Qt::RightButton) << 0;
    QTest::newRow("middle reaches the window") << int(Qt::MiddleButton) << 1;
}

void tst_FramelessWindowHelper::buttonsReachingTheWindow()
{
    QFETCH(int, button);
    QFETCH(int, presses);
    const auto pressed = Qt::MouseButton(button);
    const QPoint start = m_window->mapToGlobal(QPoint(25, 45));
    mouse(m_dragArea, QEvent::MouseButtonPress, start, pressed, pressed);
    mouse(m_window, QEvent::MouseMove, start + QPoint(30, 20), Qt::NoButton, pressed);
    QCOMPARE(m_window->presses, presses);
    QCOMPARE(m_window->pos() != QPoint(100, 100), pressed == Qt::LeftButton);
}

void tst_FramelessWindowHelper::enteringTheMainFrameRestoresArrow()
{
    hover(QPoint(101, 250));
    QCOMPARE(m_window->cursor().shape(), Qt::SizeHorCursor);
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(m_mainFrame, &enter);
    QCOMPARE(m_window->cursor().shape(), Qt::ArrowCursor);
}

QTEST_MAIN(tst_FramelessWindowHelper)
#include "tst_FramelessWindowHelper.moc"
