#pragma once
// The input hook where the desktop's input cannot be recorded (no X display, a native Wayland
// session, an X server without RECORD): an application event filter takes the key and button
// events that reach our own windows, eats the keys and signals them like the X11 backend.
// Starting it always reports Status::Limited, with the reason it was chosen.

#include "InputHook.h"

class OwnWindowInputHook : public InputHook
{
    Q_OBJECT
public:
    explicit OwnWindowInputHook(const QString &reason, QObject *parent = nullptr);
    ~OwnWindowInputHook() override;

    Status start(quintptr grabWindow) override;
    void stop() override;
    bool isRunning() const override;
    QString startReason() const override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QString m_reason;
    bool m_running = false;
};
