// SPDX-License-Identifier: GPL-3.0-or-later
#include "playMacroThread.h"

#include "RecordNumber.h"
#include "RecordText.h"
#include "xmlInterface.h"

#include <QList>

#include <chrono>
#include <cstring>

namespace {

constexpr int kSendKey = 0;
constexpr int kSendMouse = 1;

struct MouseStep {
    const char *code;
    int button;
    int down;
};

// Left, right and middle button; the wheel and the side buttons are not played.
constexpr MouseStep kMouseSteps[] = {
    {"513", 1, 1}, {"514", 1, 0}, {"516", 2, 1}, {"517", 2, 0}, {"519", 4, 1}, {"520", 4, 0},
};

}  // namespace

playMacroThread::playMacroThread(QObject *parent)
    : QThread(parent)
{
}

playMacroThread::~playMacroThread()
{
    stopAndWait();
}

void playMacroThread::setProfileXml(xmlInterface *xml, const char *profilePath, int profileIndex)
{
    m_xml = xml;
    m_profilePath = profilePath ? QByteArray(profilePath) : QByteArray();
    m_profileIndex = profileIndex;
}

void playMacroThread::playMacro(int mode, int repeatNum, int macroIndex, int pressed)
{
    bool startPlay = false;
    bool stopPlay = false;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_mode = mode;
        m_repeatNum = repeatNum;
        m_macroIndex = macroIndex;
        m_pressed = pressed;
        if (pressed) {
            if (mode == kMacroOnce || mode == kMacroRepeat || mode == kMacroHeld) {
                startPlay = true;
            } else if (mode == kMacroToggle) {
                stopPlay = m_toggleFlag;
                startPlay = !m_toggleFlag;
                m_toggleFlag = !m_toggleFlag;
            }
        } else {
            stopPlay = mode == kMacroHeld;
        }
        if (startPlay && !isRunning())
            m_abort = false;
    }
    if (stopPlay) {
        m_wake.notify_all();
        waitForEnd();
    } else if (startPlay && !isRunning()) {
        start();
    }
}

void playMacroThread::endPlay()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_toggleFlag = false;
        m_pressed = 0;
    }
    m_wake.notify_all();
    waitForEnd();
}

void playMacroThread::stopAndWait()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_abort = true;
        m_toggleFlag = false;
        m_pressed = 0;
    }
    m_wake.notify_all();
    waitForEnd();
}

int playMacroThread::playMode() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_mode;
}

void playMacroThread::run()
{
    int mode;
    int repeatNum;
    int macroIndex;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        mode = m_mode;
        repeatNum = m_repeatNum;
        macroIndex = m_macroIndex;
    }

    switch (mode) {
    case kMacroOnce:
        playMacroOnce(mode, macroIndex);
        break;
    case kMacroRepeat:
        for (int pass = 0; pass < repeatNum; ++pass) {
            if (playMacroOnce(mode, macroIndex) == Pass::Stopped)
                break;
        }
        break;
    case kMacroToggle:
    case kMacroHeld:
        for (;;) {
            {
                std::lock_guard<std::mutex> lock(m_mutex);
                if (stopRequested(mode))
                    break;
            }
            ++m_loopPasses;
            // A macro without steps is looked for again after the shortest step time
            // instead of reading the file without pause until the stop.
            if (playMacroOnce(mode, macroIndex) == Pass::Empty)
                waitStep(mode, kMinimumDelayMs);
        }
        break;
    default:
        break;
    }
    m_end.finished();
}

void playMacroThread::waitForEnd()
{
    ThreadEnd::aboutToWait(this);
    wait();
    m_end.waited();
}

playMacroThread::Pass playMacroThread::playMacroOnce(int mode, int macroIndex)
{
    if (!m_xml || m_profilePath.isEmpty())
        return Pass::Empty;
    QList<MacroEventInfo> steps;
    m_xml->getBindMacroItems(m_profilePath.constData(), QByteArray::number(m_profileIndex).constData(),
                             QByteArray::number(macroIndex).constData(), &steps);
    if (steps.isEmpty())
        return Pass::Empty;

    for (const MacroEventInfo &step : qAsConst(steps)) {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (stopRequested(mode))
                return Pass::Stopped;
        }
        const int delay = recordNumber(recordText(step.delay).constData());
        waitStep(mode, delay <= kShortDelayMs ? kMinimumDelayMs : delay);
        {
            // A stop during the wait lets this step out; only the end of the link's life does not.
            std::lock_guard<std::mutex> lock(m_mutex);
            if (m_abort)
                return Pass::Stopped;
        }

        const QByteArray type = recordText(step.type);
        const bool down = std::strcmp(recordText(step.operateExplain).constData(), "down") == 0;
        if (type.contains("key")) {
            emit sigPlayMacroKeyDecSend(kSendKey, recordNumber(recordText(step.keyCode).constData()), down ? 1 : 0);
        } else if (type.contains("mouse")) {
            const QByteArray code = recordText(step.keyCode);
            for (const MouseStep &mouse : kMouseSteps) {
                if ((mouse.down == 1) == down && code == mouse.code) {
                    emit sigPlayMacroKeyDecSend(kSendMouse, mouse.button, mouse.down);
                    break;
                }
            }
        }
    }
    return Pass::Played;
}

bool playMacroThread::stopRequested(int mode) const
{
    if (m_abort)
        return true;
    if (mode == kMacroToggle)
        return !m_toggleFlag;
    if (mode == kMacroHeld)
        return m_pressed == 0;
    return false;
}

bool playMacroThread::waitStep(int mode, int milliseconds)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    return !m_wake.wait_for(lock, std::chrono::milliseconds(milliseconds), [&] { return stopRequested(mode); });
}
