// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Turns a line edit into a key entry field: while it has the focus the program's global key
// capture runs, so every key (Alt+Tab and the Windows key too) comes to the page through the
// capture's relay instead of reaching the desktop; losing the focus, hiding or going away gives
// the keyboard back at once. Keys that Qt still delivers to the field never edit it.

#include <QObject>

class QLineEdit;
class WindowsHookInterface;

class KeyCaptureField : public QObject
{
    Q_OBJECT

public:
    // `mode` is handed to WindowsHookInterface::startHook.
    KeyCaptureField(QLineEdit *field, int mode, QObject *parent = nullptr);
    ~KeyCaptureField() override;

    bool isCapturing() const { return m_capturing; }

signals:
    void focusChanged(bool isFocus);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void begin();
    void end();

    QLineEdit *m_field;
    WindowsHookInterface *m_hook;
    int m_mode;
    bool m_capturing = false;
};
