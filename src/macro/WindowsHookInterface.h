#pragma once
// A handle on the program's global keyboard and mouse capture. The capture, the table of held
// keys and the registry of the receiving object are process-wide: every handle starts and stops
// the same capture, and the events go to the handle made last (registered under "HOOK"), as
// long as it lives.
//
// A key event carries the key's virtual-key number, its set-1 scan code, 1 for down or 0 for up,
// and a flags word: bit 0 the extended (E0) bit, bit 7 set on a release. A held key's repeats
// are not signalled. A mouse event carries the message number (513/514 left down/up, 516/517
// right, 519/520 middle, 522 wheel, 523/524 side button) and the address of a HookMouseRecord,
// valid only during the emission. While the capture runs, keys reach no program (where the
// platform allows it), mouse input goes on as usual.

#include <QList>
#include <QObject>
#include <QString>

using WPARAM = quintptr;
using LPARAM = qintptr;

struct HookMouseRecord {
    int x = 0;  // screen pixels
    int y = 0;
    int button = 0;      // side buttons: 1 back, 2 forward; 0 for the others
    int wheelDelta = 0;  // 120 away from the user, -120 towards
    quint32 time = 0;    // the display server's milliseconds
};

class WindowsHookInterface : public QObject
{
    Q_OBJECT
public:
    enum class StartStatus { Full, Limited, Failed };
    Q_ENUM(StartStatus)

    explicit WindowsHookInterface(QObject *parent = nullptr);
    ~WindowsHookInterface() override;

    // Starts the capture (1) or says it cannot (0, nothing left running). Every mode but 4
    // forgets the held keys first. Starting a running capture returns 1.
    int startHook(int mode);
    // Ends the capture, whichever handle started it; always 1.
    int stopHook();

    // The display server's milliseconds of the event being signalled (of the last one after).
    static quint32 eventTime();
    // How the last start went, and the reason logged when it was limited or failed.
    static StartStatus startStatus();
    static QString startReason();
    // The held keys, in the order they went down, by key code (the kernel's, as the key table).
    static QList<int> pressedKeyCodes();

    // Capacity of the held-key table.
    static constexpr int kPressedKeyCapacity = 128;

signals:
    void sigKeyboardRecviveStreamEX(int keyCode, int scCode, int flag, int hookFlag);
    void sigMouseRecviveStream(int nCode, WPARAM wParam, LPARAM lParam);
};
