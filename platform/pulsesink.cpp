// The playback stream of the sound server (PulseAudio, or PipeWire's
// PulseAudio service), as the eSpeak NG speaker's player thread writes to
// it. libpulse's own thread runs the connection; each call here waits on
// it until the server has answered, as a blocking client would.
//
// The server says when it ran out of the stream's sound and where in the
// stream that was (its write index then): a clip is heard whole unless that
// happened inside it. Running dry at a clip's end, or between clips, is no
// loss; a busy machine that only delays the server's answers is none
// either.

#include "platform/pulsesink.h"

#include <QCoreApplication>

#include <pulse/error.h>
#include <pulse/operation.h>
#include <pulse/stream.h>
#include <pulse/thread-mainloop.h>

#include <algorithm>
#include <vector>

namespace Speech {
namespace {

class PulseSink final : public SoundSink
{
public:
    static std::unique_ptr<SoundSink> Open(int sampleRate, QString &why)
    {
        std::unique_ptr<PulseSink> sink(new PulseSink(sampleRate));
        why = sink->connect();
        if (!why.isEmpty())
            return nullptr;
        return sink;
    }

    ~PulseSink() override
    {
        if (m_loop)
            pa_threaded_mainloop_stop(m_loop);
        if (m_stream) {
            pa_stream_disconnect(m_stream);
            pa_stream_unref(m_stream);
        }
        if (m_context) {
            pa_context_disconnect(m_context);
            pa_context_unref(m_context);
        }
        if (m_loop)
            pa_threaded_mainloop_free(m_loop);
    }
    PulseSink(const PulseSink &) = delete;
    PulseSink &operator=(const PulseSink &) = delete;

    QString Write(const qint16 *samples, size_t count) override
    {
        Locked locked(m_loop);
        if (m_clipStart < 0)
            m_clipStart = m_writeIndex;
        const auto *bytes = reinterpret_cast<const char *>(samples);
        size_t left = count * sizeof(qint16);
        while (left > 0) {
            size_t room = 0;
            while ((room = pa_stream_writable_size(m_stream)) == 0) {
                if (!good())
                    return failed();
                pa_threaded_mainloop_wait(m_loop);
            }
            if (room == size_t(-1))
                return failed();
            const size_t n = std::min(room, left);
            if (pa_stream_write(m_stream, bytes, n, nullptr, 0, PA_SEEK_RELATIVE) < 0)
                return failed();
            m_writeIndex += qint64(n);
            bytes += n;
            left -= n;
        }
        return QString();
    }

    QString Drain() override
    {
        Locked locked(m_loop);
        const QString why = await(pa_stream_drain(m_stream, &PulseSink::succeeded, this));
        m_underran = gapSince(m_clipStart);
        m_underflows.clear();
        m_clipStart = -1;
        return why;
    }

    QString Flush() override
    {
        Locked locked(m_loop);
        QString why = await(pa_stream_flush(m_stream, &PulseSink::succeeded, this));
        // The server's write index goes back to what it has played: asked
        // for anew, so that the places of its underruns compare with ours.
        if (why.isEmpty())
            why = await(pa_stream_update_timing_info(m_stream, &PulseSink::succeeded, this));
        const pa_timing_info *timing = why.isEmpty() ? pa_stream_get_timing_info(m_stream) : nullptr;
        if (timing && !timing->write_index_corrupt)
            m_writeIndex = timing->write_index;
        m_underflows.clear();
        m_clipStart = -1;
        m_underran = false;
        return why;
    }

    QString Check() override
    {
        // A round trip: a server that has stopped answering holds it.
        Locked locked(m_loop);
        return await(pa_stream_update_timing_info(m_stream, &PulseSink::succeeded, this));
    }

    bool Underran() override
    {
        Locked locked(m_loop);
        return m_underran || (m_clipStart >= 0 && gapSince(m_clipStart));
    }

    qint64 AheadMs() override
    {
        Locked locked(m_loop);
        pa_usec_t latency = 0;
        int negative = 0;
        if (pa_stream_get_latency(m_stream, &latency, &negative) < 0 || negative)
            return 0;
        return qint64(latency / 1000);
    }

private:
    explicit PulseSink(int sampleRate)
        : m_rate(sampleRate)
    {
    }

    // Holds libpulse's lock: its thread runs the callbacks under it, and
    // a wait lets it go meanwhile.
    class Locked
    {
    public:
        explicit Locked(pa_threaded_mainloop *loop)
            : m_loop(loop)
        {
            pa_threaded_mainloop_lock(m_loop);
        }
        ~Locked() { pa_threaded_mainloop_unlock(m_loop); }
        Locked(const Locked &) = delete;
        Locked &operator=(const Locked &) = delete;

    private:
        pa_threaded_mainloop *m_loop;
    };

    QString connect()
    {
        m_loop = pa_threaded_mainloop_new();
        if (!m_loop)
            return unreachable(PA_ERR_INTERNAL);
        m_context = pa_context_new(pa_threaded_mainloop_get_api(m_loop), "Tenacio");
        if (!m_context)
            return unreachable(PA_ERR_INTERNAL);
        pa_context_set_state_callback(m_context, &PulseSink::changed, this);
        if (pa_context_connect(m_context, nullptr, PA_CONTEXT_NOFLAGS, nullptr) < 0)
            return unreachable(pa_context_errno(m_context));
        Locked locked(m_loop);
        if (pa_threaded_mainloop_start(m_loop) < 0)
            return unreachable(PA_ERR_INTERNAL);
        for (pa_context_state_t state; (state = pa_context_get_state(m_context)) != PA_CONTEXT_READY;) {
            if (!PA_CONTEXT_IS_GOOD(state))
                return unreachable(pa_context_errno(m_context));
            pa_threaded_mainloop_wait(m_loop);
        }
        pa_sample_spec format{};
        format.format = PA_SAMPLE_S16LE;
        format.rate = uint32_t(m_rate);
        format.channels = 1;
        m_stream = pa_stream_new(m_context, "Elements", &format, nullptr);
        if (!m_stream)
            return unreachable(pa_context_errno(m_context));
        pa_stream_set_state_callback(m_stream, &PulseSink::changed, this);
        pa_stream_set_write_callback(m_stream, &PulseSink::writable, this);
        pa_stream_set_latency_update_callback(m_stream, &PulseSink::changed, this);
        pa_stream_set_underflow_callback(m_stream, &PulseSink::underflow, this);
        pa_buffer_attr buffer{};
        buffer.maxlength = uint32_t(-1);
        buffer.tlength = uint32_t(pa_usec_to_bytes(BufferMs * 1000, &format));
        buffer.prebuf = uint32_t(pa_usec_to_bytes(PieceMs * 1000, &format));
        buffer.minreq = uint32_t(-1);
        buffer.fragsize = uint32_t(-1);
        const auto flags =
            pa_stream_flags_t(PA_STREAM_INTERPOLATE_TIMING | PA_STREAM_ADJUST_LATENCY | PA_STREAM_AUTO_TIMING_UPDATE);
        if (pa_stream_connect_playback(m_stream, nullptr, &buffer, flags, nullptr, nullptr) < 0)
            return unreachable(pa_context_errno(m_context));
        for (pa_stream_state_t state; (state = pa_stream_get_state(m_stream)) != PA_STREAM_READY;) {
            if (!PA_STREAM_IS_GOOD(state))
                return unreachable(pa_context_errno(m_context));
            pa_threaded_mainloop_wait(m_loop);
        }
        return QString();
    }

    bool good() const
    {
        return PA_CONTEXT_IS_GOOD(pa_context_get_state(m_context)) && PA_STREAM_IS_GOOD(pa_stream_get_state(m_stream));
    }

    // Waits, under the lock, until the server has done what was asked.
    QString await(pa_operation *operation)
    {
        if (!operation)
            return failed();
        m_success = false;
        while (pa_operation_get_state(operation) == PA_OPERATION_RUNNING) {
            if (!good()) {
                pa_operation_cancel(operation);
                pa_operation_unref(operation);
                return failed();
            }
            pa_threaded_mainloop_wait(m_loop);
        }
        pa_operation_unref(operation);
        return m_success ? QString() : failed();
    }

    // Whether the server ran dry after `from` and before the end of what
    // has been written.
    bool gapSince(qint64 from) const
    {
        return std::any_of(m_underflows.begin(), m_underflows.end(),
                           [this, from](qint64 at) { return at < 0 || (at > from && at < m_writeIndex); });
    }

    static void changed(pa_context *, void *self) { signal(self); }
    static void changed(pa_stream *, void *self) { signal(self); }
    static void writable(pa_stream *, size_t, void *self) { signal(self); }
    static void succeeded(pa_stream *, int success, void *self)
    {
        static_cast<PulseSink *>(self)->m_success = success != 0;
        signal(self);
    }
    static void underflow(pa_stream *stream, void *self)
    {
        // -1 where the server does not say where: counted as inside.
        static_cast<PulseSink *>(self)->m_underflows.push_back(pa_stream_get_underflow_index(stream));
        signal(self);
    }
    static void signal(void *self) { pa_threaded_mainloop_signal(static_cast<PulseSink *>(self)->m_loop, 0); }

    static QString reason(int error) { return QString::fromUtf8(pa_strerror(error)); }
    static QString unreachable(int error)
    {
        return QCoreApplication::translate("Speech", "the sound server can't be reached (%1)").arg(reason(error));
    }
    QString failed() const
    {
        const int error = m_context ? pa_context_errno(m_context) : PA_ERR_INTERNAL;
        return QCoreApplication::translate("Speech", "the sound server failed (%1)")
            .arg(reason(error == PA_OK ? PA_ERR_UNKNOWN : error));
    }

    int m_rate;
    pa_threaded_mainloop *m_loop = nullptr;
    pa_context *m_context = nullptr;
    pa_stream *m_stream = nullptr;
    bool m_success = false;
    qint64 m_writeIndex = 0;          // bytes, as the server counts them
    qint64 m_clipStart = -1;          // the write index at the first write since the last drain or flush
    std::vector<qint64> m_underflows; // write indexes where the server ran dry
    bool m_underran = false;          // at the last drain
};

} // namespace

std::unique_ptr<SoundSink> OpenPulseSink(int sampleRate, QString &why) { return PulseSink::Open(sampleRate, why); }

} // namespace Speech
