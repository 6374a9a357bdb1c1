// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The macro page's recording: the hooked keys and clicks while the page is current (recorded into
// the selected macro, or written into the key fields), the Record button's look, the delays by the
// display server's clock, and saving the recording into the library when it stops.

#include "WindowsHookInterface.h"

#include <QString>
#include <QtGlobal>

class DMacroPage;

class MacroPageRecorder
{
public:
    explicit MacroPageRecorder(DMacroPage *page);

    void onKeyboardRecviveStream(int keyCode, int scCode, int flag, int hookFlag);
    void onMouseRecviveStream(int, WPARAM wParam, LPARAM lParam);
    // Stops a running recording and saves it, else starts one into the selected macro.
    void toggleRecording();

private:
    void startRecording();
    void stopRecording();
    void setRecordLook(bool recording);
    quint32 delaySinceLastEvent();
    void recordKeyDown(const QString &name, int usage);
    void recordKeyUp(const QString &mark, const QString &name, int usage);
    void recordMouse(int message);
    void appendRecordedEvent(const QString &mark, int delay, const QString &type, int code, const QString &name,
                             const QString &operateExplain);

    DMacroPage *p;
};
