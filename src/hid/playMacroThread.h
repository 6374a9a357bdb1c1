// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Plays the copy of a macro that a profile keeps for the keys bound to it. Each step is handed
// on after its delay as sigPlayMacroKeyDecSend; the device link turns it into a key or mouse
// report. Play modes: 1 once, 2 repeatNum times, 3 toggled by the key's presses, 4 while the
// key is held.
//
// The waits between steps sleep on a condition variable, so stopping a toggled or held play
// returns within a few milliseconds whatever the step's delay. A stop during a wait still lets
// that step out; the next one is not sent.

#include "ThreadEnd.h"

#include <QByteArray>
#include <QThread>

#include <atomic>
#include <condition_variable>
#include <mutex>

class xmlInterface;

// How a key plays its macro: once, a number of times, on and off with each press, or while held.
enum MacroPlayMode : int {
    kMacroOnce = 1,
    kMacroRepeat = 2,
    kMacroToggle = 3,
    kMacroHeld = 4,
};

class playMacroThread : public QThread
{
    Q_OBJECT
public:
    // The shortest wait before a step; recorded delays of this or less play as kMinimumDelayMs.
    static constexpr int kShortDelayMs = 5;
    static constexpr int kMinimumDelayMs = 10;

    explicit playMacroThread(QObject *parent = nullptr);
    // Ends a play that still runs (at its next wait) and waits for it.
    ~playMacroThread() override;

    // The store (not owned) and the profile whose bound macro copy is played.
    void setProfileXml(xmlInterface *xml, const char *profilePath, int profileIndex);
    // Called for each press (pressed 1) and release (0) of the bound key.
    // Pressed: modes 1, 2 and 4 start the play unless it runs; mode 3 starts it, or stops it
    // when it runs and waits for its end. Released: mode 4 stops the play and waits for its end.
    void playMacro(int mode, int repeatNum, int macroIndex, int pressed);
    // Ends a toggled or held play as its key would (the step whose wait is cut still goes
    // out) and waits for the thread.
    void endPlay();
    // Ends any play at its next wait or step and waits for the thread, whatever the mode.
    void stopAndWait();
    // The mode of the last playMacro call.
    int playMode() const;
    // Passes of a toggled or held play's loop since the thread was made (for the tests).
    int loopPasses() const { return m_loopPasses; }

signals:
    void sigPlayMacroKeyDecSend(int sendType, int keyDec, int keyFlags);
    // Declared for the link, which connects it; the release at the end of a play comes from
    // the link's handling of finished().
    void sigClearnSixkeySendBuf();

protected:
    void run() override;

private:
    enum class Pass { Played, Empty, Stopped };

    Pass playMacroOnce(int mode, int macroIndex);
    // Whether a play of this mode is to end; m_mutex held.
    bool stopRequested(int mode) const;
    // Sleeps up to milliseconds; returns early (false) when the play of this mode is to end.
    bool waitStep(int mode, int milliseconds);
    // wait() for the thread, and order its last steps before ours.
    void waitForEnd();

    xmlInterface *m_xml = nullptr;
    QByteArray m_profilePath;
    int m_profileIndex = 1;

    mutable std::mutex m_mutex;  // guards everything below
    std::condition_variable m_wake;
    int m_mode = 1;
    int m_repeatNum = 1;
    int m_macroIndex = 1;
    int m_pressed = 0;
    bool m_toggleFlag = false;
    bool m_abort = false;  // stopAndWait: end whatever the mode
    std::atomic<int> m_loopPasses{0};
    ThreadEnd m_end;
};
