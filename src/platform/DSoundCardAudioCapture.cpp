// SPDX-License-Identifier: GPL-3.0-or-later
#include "DSoundCardAudioCapture.h"

#include "LogCategories.h"

#include <pulse/pulseaudio.h>

#include <chrono>
#include <condition_variable>
#include <thread>

#include <pthread.h>

namespace {

enum class Phase { Connecting, Ready, Failed };

}  // namespace

struct DSoundCardAudioCapture::Session {
    DSoundCardAudioCapture *owner = nullptr;
    pa_mainloop *loop = nullptr;
    pa_context *context = nullptr;
    pa_stream *stream = nullptr;
    std::thread thread;
    std::atomic<bool> quit{false};

    std::mutex lock;
    std::condition_variable changed;
    Phase phase = Phase::Connecting;  // under lock

    // The capture ended by itself: the loop stops and the owner hears of it, once.
    void end()
    {
        if (quit.exchange(true))
            return;
        owner->m_running = false;
        emit owner->sigCaptureEnded();
    }

    void setPhase(Phase next)
    {
        {
            std::lock_guard<std::mutex> guard(lock);
            phase = next;
        }
        changed.notify_all();
    }

    static void onServerInfo(pa_context *, const pa_server_info *info, void *data)
    {
        auto *session = static_cast<Session *>(data);
        if (info && info->default_sink_name)
            session->owner->setDefaultOutputName(QString::fromUtf8(info->default_sink_name));
    }

    static void onServerEvent(pa_context *context, pa_subscription_event_type_t type, uint32_t, void *data)
    {
        if ((type & PA_SUBSCRIPTION_EVENT_FACILITY_MASK) != PA_SUBSCRIPTION_EVENT_SERVER)
            return;
        if (pa_operation *op = pa_context_get_server_info(context, onServerInfo, data))
            pa_operation_unref(op);
    }

    static void onStreamState(pa_stream *stream, void *data)
    {
        auto *session = static_cast<Session *>(data);
        const pa_stream_state_t state = pa_stream_get_state(stream);
        if (state == PA_STREAM_FAILED || state == PA_STREAM_TERMINATED)
            session->end();
    }

    static void onStreamRead(pa_stream *stream, size_t, void *data)
    {
        auto *session = static_cast<Session *>(data);
        while (pa_stream_readable_size(stream) > 0) {
            const void *bytes = nullptr;
            size_t size = 0;
            if (pa_stream_peek(stream, &bytes, &size) < 0 || size == 0)
                return;
            // A hole (no data) is dropped unseen.
            if (bytes)
                emit session->owner->sigSendCaptureAudioData(QByteArray(static_cast<const char *>(bytes), int(size)));
            pa_stream_drop(stream);
        }
    }

    void openStream()
    {
        pa_sample_spec spec;
        spec.format = PA_SAMPLE_S16LE;
        spec.rate = kSampleRate;
        spec.channels = kChannels;
        stream = pa_stream_new(context, "Zelka sound-reactive lighting", &spec, nullptr);
        if (!stream) {
            end();
            return;
        }
        pa_stream_set_state_callback(stream, onStreamState, this);
        pa_stream_set_read_callback(stream, onStreamRead, this);
        pa_buffer_attr attr;
        attr.maxlength = uint32_t(-1);
        attr.tlength = uint32_t(-1);
        attr.prebuf = uint32_t(-1);
        attr.minreq = uint32_t(-1);
        attr.fragsize = kFragmentBytes;
        if (pa_stream_connect_record(stream, "@DEFAULT_MONITOR@", &attr, PA_STREAM_ADJUST_LATENCY) < 0)
            end();
    }

    static void onContextState(pa_context *context, void *data)
    {
        auto *session = static_cast<Session *>(data);
        switch (pa_context_get_state(context)) {
        case PA_CONTEXT_READY:
            pa_context_set_subscribe_callback(context, onServerEvent, session);
            if (pa_operation *op = pa_context_subscribe(context, PA_SUBSCRIPTION_MASK_SERVER, nullptr, nullptr))
                pa_operation_unref(op);
            if (pa_operation *op = pa_context_get_server_info(context, onServerInfo, session))
                pa_operation_unref(op);
            session->openStream();
            session->setPhase(Phase::Ready);
            break;
        case PA_CONTEXT_FAILED:
        case PA_CONTEXT_TERMINATED: {
            bool connecting;
            {
                std::lock_guard<std::mutex> guard(session->lock);
                connecting = session->phase == Phase::Connecting;
            }
            if (connecting)
                session->setPhase(Phase::Failed);
            else
                session->end();
            break;
        }
        default:
            break;
        }
    }

    void run()
    {
        pthread_setname_np(pthread_self(), threadName());
        while (!quit.load()) {
            if (pa_mainloop_iterate(loop, 1, nullptr) < 0)
                break;
        }
    }

    // Wakes and joins the loop thread, then lets go of the connection. No callback runs after.
    void close()
    {
        quit = true;
        if (loop)
            pa_mainloop_wakeup(loop);
        if (thread.joinable())
            thread.join();
        if (stream) {
            pa_stream_set_state_callback(stream, nullptr, nullptr);
            pa_stream_set_read_callback(stream, nullptr, nullptr);
            pa_stream_disconnect(stream);
            pa_stream_unref(stream);
            stream = nullptr;
        }
        if (context) {
            pa_context_set_state_callback(context, nullptr, nullptr);
            pa_context_set_subscribe_callback(context, nullptr, nullptr);
            pa_context_disconnect(context);
            pa_context_unref(context);
            context = nullptr;
        }
        if (loop) {
            pa_mainloop_free(loop);
            loop = nullptr;
        }
    }
};

DSoundCardAudioCapture::DSoundCardAudioCapture(QObject *parent)
    : LoopbackAudio(parent)
{
}

DSoundCardAudioCapture::~DSoundCardAudioCapture()
{
    stop();
}

int DSoundCardAudioCapture::start()
{
    if (m_running)
        return 0;
    endSession();  // a capture that ended by itself leaves its session to be closed here

    auto session = std::make_unique<Session>();
    session->owner = this;
    session->loop = pa_mainloop_new();
    if (!session->loop)
        return -1;
    session->context = pa_context_new(pa_mainloop_get_api(session->loop), "Zelka");
    if (!session->context) {
        session->close();
        return -1;
    }
    pa_context_set_state_callback(session->context, Session::onContextState, session.get());
    if (pa_context_connect(session->context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
        qCDebug(lcAudio) << "DSoundCardAudioCapture: no sound server:"
                         << pa_strerror(pa_context_errno(session->context));
        session->close();
        return -1;
    }
    Session *s = session.get();
    // Running from here on: the loop thread may find the capture ended before start returns.
    m_running = true;
    session->thread = std::thread([s] { s->run(); });

    Phase phase;
    {
        std::unique_lock<std::mutex> guard(s->lock);
        s->changed.wait_for(guard, std::chrono::milliseconds(kStartWaitMs),
                            [s] { return s->phase != Phase::Connecting; });
        phase = s->phase;
    }
    if (phase != Phase::Ready) {
        qCDebug(lcAudio) << "DSoundCardAudioCapture: the sound server did not answer"
                         << (phase == Phase::Failed ? "(refused)" : "in time");
        session->close();
        m_running = false;
        return -1;
    }
    m_session = std::move(session);
    return 0;
}

int DSoundCardAudioCapture::stop()
{
    m_running = false;
    endSession();
    return 0;
}

void DSoundCardAudioCapture::endSession()
{
    if (!m_session)
        return;
    m_session->close();
    m_session.reset();
}

QString DSoundCardAudioCapture::defaultOutputName() const
{
    std::lock_guard<std::mutex> guard(m_nameLock);
    return m_defaultOutputName;
}

void DSoundCardAudioCapture::setDefaultOutputName(const QString &name)
{
    std::lock_guard<std::mutex> guard(m_nameLock);
    m_defaultOutputName = name;
}
