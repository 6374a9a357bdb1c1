// The hook handles over a stand-in input hook: who receives, the held-key table, the key and
// mouse events as signalled, and starts that fail.

#include "FakeInputHook.h"
#include "InputHookFactory.h"
#include "WindowsHookInterface.h"

#include <QPointer>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {
constexpr int kA = 30;  // kernel key codes
constexpr int kB = 48;
constexpr int kEnter = 28;
constexpr int kPadEnter = 96;
constexpr int kHenkan = 92;
constexpr int kYen = 124;
}  // namespace

class tst_WindowsHookInterface : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void lastBuiltReceives();
    void anyStopEndsTheCapture();
    void destroyedRegistrantIsNeverCalled();
    void heldKeySignalsOnce();
    void keysSharingAVirtualKeyAreApart();
    void releaseOfAKeyHeldBeforeStart();
    void modeFourKeepsHeldKeys();
    void keyBeyondTheTableIsSignalled();
    void failedStartThenGoodStart();
    void limitedStartIsReported();
    void keyFields_data();
    void keyFields();
    void mouseMessages_data();
    void mouseMessages();

private:
    FakeInputHook *m_fake = nullptr;
};

void tst_WindowsHookInterface::init()
{
    InputHookFactory::setMaker([this] { return m_fake = new FakeInputHook; });
}

void tst_WindowsHookInterface::cleanup()
{
    InputHookFactory::setMaker({});
    m_fake = nullptr;
}

void tst_WindowsHookInterface::lastBuiltReceives()
{
    WindowsHookInterface first;
    WindowsHookInterface last;
    QSignalSpy firstKeys(&first, &WindowsHookInterface::sigKeyboardRecviveStreamEX);
    QSignalSpy lastKeys(&last, &WindowsHookInterface::sigKeyboardRecviveStreamEX);
    QSignalSpy firstMouse(&first, &WindowsHookInterface::sigMouseRecviveStream);
    QSignalSpy lastMouse(&last, &WindowsHookInterface::sigMouseRecviveStream);

    QCOMPARE(first.startHook(2), 1);  // the earlier one starts, the later one hears
    m_fake->press(kA);
    m_fake->button(1, true);
    QCOMPARE(lastKeys.count(), 1);
    QCOMPARE(lastMouse.count(), 1);
    QCOMPARE(firstKeys.count(), 0);
    QCOMPARE(firstMouse.count(), 0);
    last.stopHook();
}

void tst_WindowsHookInterface::anyStopEndsTheCapture()
{
    WindowsHookInterface a;
    WindowsHookInterface b;
    QCOMPARE(a.startHook(1), 1);
    QCOMPARE(b.startHook(3), 1);  // already running: nothing more
    QCOMPARE(m_fake->starts, 1);
    QCOMPARE(b.stopHook(), 1);
    QVERIFY(!m_fake->isRunning());
    QCOMPARE(a.stopHook(), 1);  // stopping a stopped capture is fine
}

void tst_WindowsHookInterface::destroyedRegistrantIsNeverCalled()
{
    WindowsHookInterface survivor;
    QSignalSpy survivorKeys(&survivor, &WindowsHookInterface::sigKeyboardRecviveStreamEX);
    auto gone = std::make_unique<WindowsHookInterface>();
    QCOMPARE(gone->startHook(1), 1);
    gone.reset();
    m_fake->press(kA);  // would reach freed memory with a plain pointer (the sanitizer build sees it)
    m_fake->release(kA);
    m_fake->button(3, true);
    QCOMPARE(survivorKeys.count(), 0);  // the entry only changes when a handle is built
    survivor.stopHook();
}

void tst_WindowsHookInterface::heldKeySignalsOnce()
{
    WindowsHookInterface hook;
    QSignalSpy keys(&hook, &WindowsHookInterface::sigKeyboardRecviveStreamEX);
    QCOMPARE(hook.startHook(1), 1);
    m_fake->press(kA);
    m_fake->press(kA);  // a repeat that reached us
    m_fake->press(kA);
    QCOMPARE(WindowsHookInterface::pressedKeyCodes(), QList<int>{kA});
    m_fake->release(kA);
    QCOMPARE(keys.count(), 2);
    QCOMPARE(keys.at(0), (QVariantList{65, 30, 1, 0}));
    QCOMPARE(keys.at(1), (QVariantList{65, 30, 0, 128}));
    QVERIFY(WindowsHookInterface::pressedKeyCodes().isEmpty());
    hook.stopHook();
}

void tst_WindowsHookInterface::keysSharingAVirtualKeyAreApart()
{
    WindowsHookInterface hook;
    QSignalSpy keys(&hook, &WindowsHookInterface::sigKeyboardRecviveStreamEX);
    QCOMPARE(hook.startHook(1), 1);
    m_fake->press(kEnter);
    m_fake->press(kPadEnter);  // both virtual-key 13, told apart by the extended bit
    m_fake->press(kHenkan);
    m_fake->press(kYen);  // both virtual-key 255, told apart by the scan code
    QCOMPARE(keys.count(), 4);
    QCOMPARE(keys.at(1), (QVariantList{13, 28, 1, 1}));
    QCOMPARE(keys.at(3), (QVariantList{255, 125, 1, 0}));
    m_fake->release(kPadEnter);
    QCOMPARE(WindowsHookInterface::pressedKeyCodes(), (QList<int>{kEnter, kHenkan, kYen}));
    hook.stopHook();
}

void tst_WindowsHookInterface::releaseOfAKeyHeldBeforeStart()
{
    WindowsHookInterface hook;
    QSignalSpy keys(&hook, &WindowsHookInterface::sigKeyboardRecviveStreamEX);
    QCOMPARE(hook.startHook(1), 1);
    m_fake->press(kA);
    m_fake->release(kB);  // went down before the start
    QCOMPARE(keys.count(), 2);
    QCOMPARE(keys.at(1), (QVariantList{66, 48, 0, 128}));
    QCOMPARE(WindowsHookInterface::pressedKeyCodes(), QList<int>{kA});
    hook.stopHook();
}

void tst_WindowsHookInterface::modeFourKeepsHeldKeys()
{
    WindowsHookInterface hook;
    QSignalSpy keys(&hook, &WindowsHookInterface::sigKeyboardRecviveStreamEX);
    QCOMPARE(hook.startHook(1), 1);
    m_fake->press(kA);
    hook.stopHook();

    QCOMPARE(hook.startHook(4), 1);
    m_fake->press(kA);  // still held: a repeat
    QCOMPARE(keys.count(), 1);
    hook.stopHook();

    QCOMPARE(hook.startHook(1), 1);
    m_fake->press(kA);  // forgotten: a fresh down
    QCOMPARE(keys.count(), 2);
    QCOMPARE(keys.at(1).at(2).toInt(), 1);
    hook.stopHook();
}

void tst_WindowsHookInterface::keyBeyondTheTableIsSignalled()
{
    WindowsHookInterface hook;
    QSignalSpy keys(&hook, &WindowsHookInterface::sigKeyboardRecviveStreamEX);
    QCOMPARE(hook.startHook(1), 1);
    const int capacity = WindowsHookInterface::kPressedKeyCapacity;
    for (int code = 1; code <= capacity + 1; ++code)
        m_fake->press(code);
    QCOMPARE(keys.count(), capacity + 1);
    QCOMPARE(WindowsHookInterface::pressedKeyCodes().size(), capacity);
    QCOMPARE(WindowsHookInterface::pressedKeyCodes().last(), capacity);
    // The extra key is not remembered: its repeat counts again, its release is still signalled.
    m_fake->press(capacity + 1);
    QCOMPARE(keys.count(), capacity + 2);
    m_fake->release(1);
    QCOMPARE(WindowsHookInterface::pressedKeyCodes().size(), capacity - 1);
    QCOMPARE(WindowsHookInterface::pressedKeyCodes().first(), 2);
    hook.stopHook();
}

void tst_WindowsHookInterface::failedStartThenGoodStart()
{
    WindowsHookInterface hook;
    QSignalSpy keys(&hook, &WindowsHookInterface::sigKeyboardRecviveStreamEX);
    InputHookFactory::instance();  // made now so the test can set it up
    m_fake->failStarts = 1;
    QCOMPARE(hook.startHook(1), 0);
    QVERIFY(!m_fake->isRunning());
    QCOMPARE(WindowsHookInterface::startStatus(), WindowsHookInterface::StartStatus::Failed);
    QCOMPARE(WindowsHookInterface::startReason(), QStringLiteral("told to fail"));

    QCOMPARE(hook.startHook(1), 1);
    QVERIFY(m_fake->isRunning());
    QCOMPARE(WindowsHookInterface::startStatus(), WindowsHookInterface::StartStatus::Full);
    m_fake->press(kA);
    QCOMPARE(keys.count(), 1);
    QCOMPARE(hook.stopHook(), 1);
    QVERIFY(!m_fake->isRunning());
}

void tst_WindowsHookInterface::limitedStartIsReported()
{
    WindowsHookInterface hook;
    InputHookFactory::instance();
    m_fake->status = InputHook::Status::Limited;
    m_fake->reason = QStringLiteral("own windows only");
    QCOMPARE(hook.startHook(1), 1);
    QCOMPARE(WindowsHookInterface::startStatus(), WindowsHookInterface::StartStatus::Limited);
    QCOMPARE(WindowsHookInterface::startReason(), QStringLiteral("own windows only"));
    hook.stopHook();
}

void tst_WindowsHookInterface::keyFields_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("down");
    QTest::addColumn<QVariantList>("signalled");
    QTest::newRow("letter down") << 16 << true << QVariantList{81, 16, 1, 0};
    QTest::newRow("letter up") << 16 << false << QVariantList{81, 16, 0, 128};
    QTest::newRow("right Ctrl down") << 97 << true << QVariantList{163, 29, 1, 1};
    QTest::newRow("right Ctrl up") << 97 << false << QVariantList{163, 29, 0, 129};
    QTest::newRow("pad Enter up") << 96 << false << QVariantList{13, 28, 0, 129};
    QTest::newRow("unknown key") << 200 << true << QVariantList{0, 0, 1, 0};
}

void tst_WindowsHookInterface::keyFields()
{
    QFETCH(int, code);
    QFETCH(bool, down);
    QFETCH(QVariantList, signalled);
    WindowsHookInterface hook;
    QSignalSpy keys(&hook, &WindowsHookInterface::sigKeyboardRecviveStreamEX);
    quint32 timeSeen = 0;
    connect(&hook, &WindowsHookInterface::sigKeyboardRecviveStreamEX, this,
            [&] { timeSeen = WindowsHookInterface::eventTime(); });
    QCOMPARE(hook.startHook(1), 1);
    m_fake->key(code, down, 4000000123u);
    QCOMPARE(keys.count(), 1);
    QCOMPARE(keys.at(0), signalled);
    QCOMPARE(timeSeen, 4000000123u);
    hook.stopHook();
}

void tst_WindowsHookInterface::mouseMessages_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("down");
    QTest::addColumn<int>("message");  // 0: nothing signalled
    QTest::addColumn<int>("recordButton");
    QTest::addColumn<int>("wheelDelta");
    QTest::newRow("left down") << 1 << true << 513 << 0 << 0;
    QTest::newRow("left up") << 1 << false << 514 << 0 << 0;
    QTest::newRow("right down") << 3 << true << 516 << 0 << 0;
    QTest::newRow("right up") << 3 << false << 517 << 0 << 0;
    QTest::newRow("middle down") << 2 << true << 519 << 0 << 0;
    QTest::newRow("middle up") << 2 << false << 520 << 0 << 0;
    QTest::newRow("wheel away") << 4 << true << 522 << 0 << 120;
    QTest::newRow("wheel towards") << 5 << true << 522 << 0 << -120;
    QTest::newRow("wheel release") << 4 << false << 0 << 0 << 0;
    QTest::newRow("back down") << 8 << true << 523 << 1 << 0;
    QTest::newRow("forward up") << 9 << false << 524 << 2 << 0;
    QTest::newRow("sideways wheel") << 6 << true << 0 << 0 << 0;
}

void tst_WindowsHookInterface::mouseMessages()
{
    QFETCH(int, button);
    QFETCH(bool, down);
    QFETCH(int, message);
    QFETCH(int, recordButton);
    QFETCH(int, wheelDelta);
    WindowsHookInterface hook;
    int calls = 0;
    int seenCode = -1;
    WPARAM seenMessage = 0;
    HookMouseRecord seen;
    connect(&hook, &WindowsHookInterface::sigMouseRecviveStream, this, [&](int nCode, WPARAM w, LPARAM l) {
        ++calls;
        seenCode = nCode;
        seenMessage = w;
        seen = *reinterpret_cast<const HookMouseRecord *>(l);  // valid during the emission
    });
    QCOMPARE(hook.startHook(1), 1);
    m_fake->button(button, down, 640, 480, 77);
    hook.stopHook();
    if (message == 0) {
        QCOMPARE(calls, 0);
        return;
    }
    QCOMPARE(calls, 1);
    QCOMPARE(seenCode, 0);
    QCOMPARE(int(seenMessage), message);
    QCOMPARE(seen.x, 640);
    QCOMPARE(seen.y, 480);
    QCOMPARE(seen.button, recordButton);
    QCOMPARE(seen.wheelDelta, wheelDelta);
    QCOMPARE(seen.time, 77u);
}

QTEST_MAIN(tst_WindowsHookInterface)
#include "tst_WindowsHookInterface.moc"
