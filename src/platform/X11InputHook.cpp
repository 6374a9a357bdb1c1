// SPDX-License-Identifier: GPL-3.0-or-later
#include "X11InputHook.h"

#include "LogCategories.h"
#include "WorkerThread.h"
#include "X11RecordSession.h"

#include <QThread>

#include <string>

namespace {
constexpr int kGrabRetryMs = 200;
constexpr int kKeyCodeOffset = 8;  // X key codes are the kernel's plus 8
}  // namespace

X11InputHook::X11InputHook(QObject *parent)
    : InputHook(parent)
{
    m_clock.start();
}

X11InputHook::~X11InputHook()
{
    stop();
}

InputHook::Status X11InputHook::start(quintptr grabWindow)
{
    if (m_running)
        return m_status;

    auto session = std::make_unique<X11RecordSession>();
    std::string reason;
    if (!session->open(qgetenv("DISPLAY").toStdString(), &reason) || !session->enable(&reason)) {
        m_reason = QString::fromStdString(reason);
        m_status = Status::Failed;
        qCWarning(lcHook) << "Input hook not started:" << m_reason;
        return m_status;
    }
    m_status = Status::Full;
    m_reason.clear();
    if (session->isXWayland()) {
        m_status = Status::Limited;
        m_reason = QStringLiteral("XWayland: only the input of X programs is seen");
        qCInfo(lcHook) << "Input hook limited:" << m_reason;
    }
    std::string grabReason;
    if (session->grabKeyboard(grabWindow, kGrabRetryMs, &grabReason)) {
        m_grabHeld = true;
    } else {
        qCInfo(lcHook) << "Input hook runs without swallowing keys:" << QString::fromStdString(grabReason);
    }

    m_session = std::move(session);
    X11RecordSession *recorder = m_session.get();
    m_thread = new WorkerThread([this, recorder] {
        std::string runReason;
        const bool ran = recorder->run(
            [this](std::vector<X11RawEvent> &&batch) { queueBatch(QVector<X11RawEvent>(batch.begin(), batch.end())); },
            [this] { return keepGrab(); }, &runReason);
        m_grabHeld = false;
        if (!ran)
            qCWarning(lcHook) << "Input hook stopped:" << QString::fromStdString(runReason);
        m_threadEnd.finished();
    });
    m_thread->setObjectName(QStringLiteral("zelka-input-hook"));
    m_thread->start();
    m_running = true;
    qCInfo(lcHook) << "Input hook started";
    return m_status;
}

void X11InputHook::stop()
{
    if (!m_running)
        return;
    m_running = false;
    m_session->stop();
    ThreadEnd::aboutToWait(m_thread);
    m_thread->wait();
    m_threadEnd.waited();  // what the thread last did to the session is ordered before it goes
    delete m_thread;
    m_thread = nullptr;
    m_droppedBefore += m_session->droppedRepeats();
    m_session.reset();
    m_grabHeld = false;
    std::lock_guard<std::mutex> lock(m_queueLock);
    m_queue.clear();
    qCInfo(lcHook) << "Input hook stopped";
}

bool X11InputHook::isRunning() const
{
    return m_running;
}

QString X11InputHook::startReason() const
{
    return m_reason;
}

quint64 X11InputHook::droppedRepeats() const
{
    return m_droppedBefore + (m_session ? m_session->droppedRepeats() : 0);
}

bool X11InputHook::holdsGrab() const
{
    return m_grabHeld;
}

void X11InputHook::setStallLimit(int milliseconds)
{
    m_stallLimitMs = milliseconds;
}

void X11InputHook::queueBatch(QVector<X11RawEvent> events)
{
    bool wasEmpty = false;
    {
        std::lock_guard<std::mutex> lock(m_queueLock);
        wasEmpty = m_queue.isEmpty();
        m_queue.append(Batch{std::move(events), m_clock.elapsed()});
    }
    if (wasEmpty)
        QMetaObject::invokeMethod(this, &X11InputHook::deliver, Qt::QueuedConnection);
}

bool X11InputHook::keepGrab()
{
    std::lock_guard<std::mutex> lock(m_queueLock);
    if (m_queue.isEmpty() || m_clock.elapsed() - m_queue.first().queuedAt < m_stallLimitMs)
        return true;
    m_grabHeld = false;
    qCWarning(lcHook) << "Input hook: events have waited" << m_stallLimitMs
                      << "ms for the program; the keyboard is let go";
    return false;
}

void X11InputHook::deliver()
{
    QVector<Batch> batches;
    {
        std::lock_guard<std::mutex> lock(m_queueLock);
        batches.swap(m_queue);
    }
    for (const Batch &batch : qAsConst(batches)) {
        for (const X11RawEvent &event : batch.events) {
            if (!m_running)
                return;  // a receiver stopped the hook: nothing more is signalled
            switch (event.kind) {
            case X11RawEvent::KeyDown:
            case X11RawEvent::KeyUp:
                emit keyEvent(int(event.detail) - kKeyCodeOffset, event.kind == X11RawEvent::KeyDown, event.time);
                break;
            case X11RawEvent::ButtonDown:
            case X11RawEvent::ButtonUp:
                emit buttonEvent(event.detail, event.kind == X11RawEvent::ButtonDown, event.x, event.y, event.time);
                break;
            }
        }
    }
}
