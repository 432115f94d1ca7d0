// The playback stream of the sound server through libpulse-simple
// (PulseAudio, or PipeWire's PulseAudio service), as the eSpeak NG
// speaker's player thread writes to it.

#include "platform/pulsesink.h"

#include <QCoreApplication>

#include <pulse/error.h>
#include <pulse/simple.h>

#include <chrono>

namespace Speech {
namespace {

// The server's buffer ahead of the sound heard: long enough that a busy
// machine, where the player may wait a while for the processor, does not
// leave the server without sound.
constexpr int BufferMs = 300;
// How much longer than its sound a clip may take to be heard before it
// counts as broken up by silence.
constexpr int UnderrunSlackMs = 120;

// A playback stream of the sound server through libpulse-simple.
class PulseSink final : public SoundSink
{
public:
    static std::unique_ptr<SoundSink> open(int sampleRate, QString &why)
    {
        pa_sample_spec format{};
        format.format = PA_SAMPLE_S16LE;
        format.rate = uint32_t(sampleRate);
        format.channels = 1;
        pa_buffer_attr buffer{};
        buffer.maxlength = uint32_t(-1);
        buffer.tlength = uint32_t(pa_usec_to_bytes(BufferMs * 1000, &format));
        buffer.prebuf = uint32_t(pa_usec_to_bytes(PieceMs * 1000, &format));
        buffer.minreq = uint32_t(-1);
        buffer.fragsize = uint32_t(-1);
        int error = 0;
        pa_simple *stream = pa_simple_new(nullptr, "Tenacio", PA_STREAM_PLAYBACK, nullptr, "Elements", &format, nullptr,
                                          &buffer, &error);
        if (!stream) {
            why = QCoreApplication::translate("Speech", "the sound server can't be reached (%1)").arg(reason(error));
            return nullptr;
        }
        return std::unique_ptr<SoundSink>(new PulseSink(stream, sampleRate));
    }

    ~PulseSink() override { pa_simple_free(m_stream); }
    PulseSink(const PulseSink &) = delete;
    PulseSink &operator=(const PulseSink &) = delete;

    // libpulse-simple tells nothing of underruns, but a stream that runs
    // out of sound stops until it has its start-up piece again: the sound
    // then takes longer to be heard than it lasts. Each stretch from the
    // first write after a drain or flush to the end of the drain is timed
    // against the sound written and the server's latency at its start.
    QString write(const qint16 *samples, size_t count) override
    {
        int error = 0;
        if (m_written == 0) {
            const pa_usec_t latency = pa_simple_get_latency(m_stream, &error);
            m_latencyUs = latency == pa_usec_t(-1) ? 0 : latency;
            m_startedAt = std::chrono::steady_clock::now();
        }
        m_written += count;
        return pa_simple_write(m_stream, samples, count * sizeof(qint16), &error) < 0 ? failed(error) : QString();
    }
    QString drain() override
    {
        int error = 0;
        const bool ok = pa_simple_drain(m_stream, &error) >= 0;
        const auto tookUs =
            std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - m_startedAt);
        const qint64 soundUs = qint64(m_written) * 1000000 / m_rate;
        m_underran = m_written > 0 && tookUs.count() > soundUs + qint64(m_latencyUs) + UnderrunSlackMs * 1000;
        m_written = 0;
        return ok ? QString() : failed(error);
    }
    QString flush() override
    {
        int error = 0;
        m_written = 0;
        return pa_simple_flush(m_stream, &error) < 0 ? failed(error) : QString();
    }
    bool underran() override { return m_underran; }
    QString check() override
    {
        int error = 0;
        return pa_simple_get_latency(m_stream, &error) == pa_usec_t(-1) ? failed(error) : QString();
    }

private:
    PulseSink(pa_simple *stream, int sampleRate)
        : m_stream(stream)
        , m_rate(sampleRate)
    {
    }
    static QString reason(int error) { return QString::fromUtf8(pa_strerror(error)); }
    static QString failed(int error)
    {
        return QCoreApplication::translate("Speech", "the sound server failed (%1)").arg(reason(error));
    }

    pa_simple *m_stream;
    int m_rate;
    size_t m_written = 0; // samples since the last drain or flush
    pa_usec_t m_latencyUs = 0;
    std::chrono::steady_clock::time_point m_startedAt;
    bool m_underran = false;
};

} // namespace

std::unique_ptr<SoundSink> OpenPulseSink(int sampleRate, QString &why) { return PulseSink::open(sampleRate, why); }

} // namespace Speech
