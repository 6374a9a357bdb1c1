// The fallback input hook: key and button events that reach our own windows are signalled
// with their kernel key codes and times; keys are eaten, mouse input goes on; nothing is read
// before start or after stop.

#include "OwnWindowInputHook.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QRasterWindow>
#include <QSignalSpy>
#include <QtTest>
#include <QWheelEvent>

namespace {

class CountingWindow : public QRasterWindow
{
public:
    int keys = 0;
    int presses = 0;

protected:
    void keyPressEvent(QKeyEvent *) override { ++keys; }
    void keyReleaseEvent(QKeyEvent *) override { ++keys; }
    void mousePressEvent(QMouseEvent *) override { ++presses; }
};

void sendKey(QWindow *window, QEvent::Type type, quint32 nativeScanCode, bool autoRepeat = false, ulong time = 0)
{
    QKeyEvent event(type, Qt::Key_A, Qt::NoModifier, nativeScanCode, 0, 0, QString(), autoRepeat);
    event.setTimestamp(time);
    QCoreApplication::sendEvent(window, &event);
}

}  // namespace

class tst_OwnWindowInputHook : public QObject
{
    Q_OBJECT

private slots:
    void keysAreSignalledAndEaten();
    void buttonsAndWheel();
};

void tst_OwnWindowInputHook::keysAreSignalledAndEaten()
{
    CountingWindow window;
    OwnWindowInputHook hook(QStringLiteral("no X display"));
    QSignalSpy keys(&hook, &InputHook::keyEvent);

    sendKey(&window, QEvent::KeyPress, 38);
    QCOMPARE(keys.count(), 0);  // not started
    QCOMPARE(window.keys, 1);

    QCOMPARE(hook.start(0), InputHook::Status::Limited);
    QCOMPARE(hook.startReason(), QStringLiteral("no X display"));
    sendKey(&window, QEvent::KeyPress, 38, false, 1234);
    sendKey(&window, QEvent::KeyPress, 38, true, 1300);  // auto-repeat: eaten, not signalled
    sendKey(&window, QEvent::KeyRelease, 38, false, 1400);
    QCOMPARE(keys.count(), 2);
    QCOMPARE(keys.at(0), (QVariantList{30, true, 1234u}));
    QCOMPARE(keys.at(1), (QVariantList{30, false, 1400u}));
    QCOMPARE(window.keys, 1);

    hook.stop();
    QVERIFY(!hook.isRunning());
    sendKey(&window, QEvent::KeyPress, 38);
    QCOMPARE(keys.count(), 2);
    QCOMPARE(window.keys, 2);
}

void tst_OwnWindowInputHook::buttonsAndWheel()
{
    CountingWindow window;
    OwnWindowInputHook hook(QStringLiteral("test"));
    QSignalSpy buttons(&hook, &InputHook::buttonEvent);
    QCOMPARE(hook.start(0), InputHook::Status::Limited);

    const QPointF local(5, 6);
    const QPointF global(105, 206);
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::RightButton, Qt::RightButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::RightButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &release);
    QWheelEvent wheel(local, global, QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&window, &wheel);
    QMouseEvent back(QEvent::MouseButtonPress, local, global, Qt::BackButton, Qt::BackButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &back);

    QCOMPARE(buttons.count(), 4);
    QCOMPARE(buttons.at(0).mid(0, 4), (QVariantList{3, true, 105, 206}));
    QCOMPARE(buttons.at(1).mid(0, 2), (QVariantList{3, false}));
    QCOMPARE(buttons.at(2).mid(0, 2), (QVariantList{5, true}));
    QCOMPARE(buttons.at(3).mid(0, 2), (QVariantList{8, true}));
    QCOMPARE(window.presses, 2);  // the mouse is not eaten
    hook.stop();
}

QTEST_MAIN(tst_OwnWindowInputHook)
#include "tst_OwnWindowInputHook.moc"
