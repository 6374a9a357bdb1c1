#include "WindowsHookInterface.h"

#include "InputHook.h"
#include "InputHookFactory.h"
#include "InputKeyTable.h"
#include "LogCategories.h"

#include <QGuiApplication>
#include <QPointer>
#include <QWindow>

#include <array>

namespace {

// Flags word of a key event.
constexpr int kExtendedFlag = 0x01;
constexpr int kReleaseFlag = 0x80;

// Mouse message numbers.
constexpr WPARAM kLeftDown = 513;
constexpr WPARAM kLeftUp = 514;
constexpr WPARAM kRightDown = 516;
constexpr WPARAM kRightUp = 517;
constexpr WPARAM kMiddleDown = 519;
constexpr WPARAM kMiddleUp = 520;
constexpr WPARAM kWheel = 522;
constexpr WPARAM kSideDown = 523;
constexpr WPARAM kSideUp = 524;
constexpr int kWheelStep = 120;

// The process-wide part of the hooks: the registry, the held keys and the capture's state.
// GUI thread only. Held keys are kept by key code, not by virtual-key: keys that share a
// virtual-key (Enter and the pad's Enter, the Japanese conversion keys) are told apart.
struct HookState {
    QPointer<WindowsHookInterface> registered;  // under "HOOK"
    std::array<unsigned char, WindowsHookInterface::kPressedKeyCapacity> pressed{};
    int pressedCount = 0;
    QPointer<InputHook> connectedHook;
    quint32 eventTime = 0;
    WindowsHookInterface::StartStatus status = WindowsHookInterface::StartStatus::Failed;
    QString reason;
};

HookState &state()
{
    static HookState s;
    return s;
}

void clearPressed()
{
    state().pressed.fill(0);
    state().pressedCount = 0;
}

bool isPressed(int keyCode)
{
    const HookState &s = state();
    for (int i = 0; i < s.pressedCount; ++i) {
        if (s.pressed[size_t(i)] == keyCode)
            return true;
    }
    return false;
}

void removePressed(int keyCode)
{
    HookState &s = state();
    int kept = 0;
    for (int i = 0; i < s.pressedCount; ++i) {
        if (s.pressed[size_t(i)] != keyCode)
            s.pressed[size_t(kept++)] = s.pressed[size_t(i)];
    }
    for (int i = kept; i < s.pressedCount; ++i)
        s.pressed[size_t(i)] = 0;
    s.pressedCount = kept;
}

void onKey(int linuxCode, bool down, quint32 time)
{
    HookState &s = state();
    if (linuxCode < 0 || linuxCode > 255)
        return;  // no key of the keyboard
    const InputKey key = InputKeyTable::lookup(linuxCode);
    if (down) {
        if (isPressed(linuxCode))
            return;  // held: only its first down counts
        // A key beyond the table's places is signalled all the same, just not remembered.
        if (s.pressedCount < WindowsHookInterface::kPressedKeyCapacity)
            s.pressed[size_t(s.pressedCount++)] = static_cast<unsigned char>(linuxCode);
    } else {
        removePressed(linuxCode);
    }
    const int flags = (key.extended ? kExtendedFlag : 0) | (down ? 0 : kReleaseFlag);
    s.eventTime = time;
    if (WindowsHookInterface *target = s.registered)
        emit target->sigKeyboardRecviveStreamEX(key.virtualKey, key.scanCode, down ? 1 : 0, flags);
}

void onButton(int button, bool down, int x, int y, quint32 time)
{
    HookMouseRecord record;
    record.x = x;
    record.y = y;
    record.time = time;
    WPARAM message = 0;
    switch (button) {
    case 1:
        message = down ? kLeftDown : kLeftUp;
        break;
    case 2:
        message = down ? kMiddleDown : kMiddleUp;
        break;
    case 3:
        message = down ? kRightDown : kRightUp;
        break;
    case 4:
    case 5:
        if (!down)
            return;  // a wheel step is one press and its release
        message = kWheel;
        record.wheelDelta = button == 4 ? kWheelStep : -kWheelStep;
        break;
    case 8:
    case 9:
        message = down ? kSideDown : kSideUp;
        record.button = button == 8 ? 1 : 2;
        break;
    default:
        return;  // sideways wheel and further buttons are not read
    }
    HookState &s = state();
    s.eventTime = time;
    if (WindowsHookInterface *target = s.registered)
        emit target->sigMouseRecviveStream(0, message, reinterpret_cast<LPARAM>(&record));
}

// The window keys are grabbed with: our focused top-level window, else a visible one.
quintptr grabWindow()
{
    if (QWindow *focus = QGuiApplication::focusWindow())
        return quintptr(focus->winId());
    const QWindowList windows = QGuiApplication::topLevelWindows();
    for (QWindow *window : windows) {
        if (window->isVisible() && window->type() != Qt::ToolTip && window->handle())
            return quintptr(window->winId());
    }
    return 0;
}

}  // namespace

WindowsHookInterface::WindowsHookInterface(QObject *parent)
    : QObject(parent)
{
    state().registered = this;
}

WindowsHookInterface::~WindowsHookInterface() = default;

int WindowsHookInterface::startHook(int mode)
{
    HookState &s = state();
    if (mode != 4)
        clearPressed();
    InputHook *hook = InputHookFactory::instance();
    if (!hook) {
        s.status = StartStatus::Failed;
        s.reason = QStringLiteral("no application object");
        qCWarning(lcHook) << "Set keyboard Hook error:" << s.reason;
        return 0;
    }
    if (hook->isRunning())
        return 1;
    if (s.connectedHook != hook) {
        QObject::connect(hook, &InputHook::keyEvent, hook, &onKey);
        QObject::connect(hook, &InputHook::buttonEvent, hook, &onButton);
        s.connectedHook = hook;
    }
    switch (hook->start(grabWindow())) {
    case InputHook::Status::Full:
        s.status = StartStatus::Full;
        break;
    case InputHook::Status::Limited:
        s.status = StartStatus::Limited;
        break;
    case InputHook::Status::Failed:
        s.status = StartStatus::Failed;
        break;
    }
    s.reason = hook->startReason();
    if (s.status == StartStatus::Failed) {
        hook->stop();
        qCWarning(lcHook) << "Set keyboard Hook error:" << s.reason;
        return 0;
    }
    return 1;
}

int WindowsHookInterface::stopHook()
{
    if (InputHook *hook = state().connectedHook)
        hook->stop();
    return 1;
}

quint32 WindowsHookInterface::eventTime()
{
    return state().eventTime;
}

WindowsHookInterface::StartStatus WindowsHookInterface::startStatus()
{
    return state().status;
}

QString WindowsHookInterface::startReason()
{
    return state().reason;
}

QList<int> WindowsHookInterface::pressedKeyCodes()
{
    QList<int> keys;
    for (int i = 0; i < state().pressedCount; ++i)
        keys.append(state().pressed[size_t(i)]);
    return keys;
}
