// The Speaker over eSpeak NG and the sound server.
//
// eSpeak NG renders each text to a clip in this process, before the run
// needs it; a player thread writes the clip to the sound server through
// libpulse (PulseAudio, or PipeWire's PulseAudio service). The
// library keeps one global state, so every call into it holds one lock.
// The player writes a clip in short pieces, so that "Next" cuts it short at
// once, and says when the clip has been heard to its end. A watchdog on the
// GUI side ends the speech when a clip's end does not come in time on the
// tick count: a sound server that stops answering leaves the player
// blocked, never the window. Every call to the server is the player's, the
// opening of the stream included; the watchdog bounds each wait for it.
// Between clips the same watchdog has the player ask the server now and
// then whether it is still there. The player's calls to the server go
// through a SoundSink (the sound server's stream is in pulsesink.cpp),
// which tests replace; eSpeak NG itself is in espeaksynth.cpp.

#include "platform/speech.h"

#include "platform/espeaksynth.h"
#include "platform/pulsesink.h"

#include "platform/platform.h"

#include <QCoreApplication>
#include <QHash>
#include <QTimer>

#include <espeak-ng/speak_lib.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <deque>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace Speech {
namespace {

using ClipPtr = std::shared_ptr<const Clip>;

// The silence each clip ends with unless the speaker is told another:
// the next Element waits for the end of the clip, so that where the voice
// is longer than the pace, Elements do not run together.
constexpr int PauseMs = 300;
// How long a call to the server may take beyond the sound it waits for:
// after StallNoticeMs the speaker tells that it stands still, and a server
// that has not answered after StallLimitMs ends the speech.
constexpr int StallNoticeMs = 800;
constexpr int StallLimitMs = 2000;
// A clip's first write when said at once: enough that the server does not
// run dry while the player waits for the processor before the next.
constexpr int FirstPieceMs = 100;
// The piece of a stream of texts said on their moments; the silence after
// the last of them before the stream is let run dry.
constexpr int StreamPieceMs = 50;
constexpr int StreamIdleMs = 2000;
// How long the stream may take to open, and its first silence to be heard
// (an idle sink's first sound can take over 2 s).
constexpr int OpenLimitMs = 2000;
constexpr int WarmUpLimitMs = 4000;
// How often, on the tick count, an idle player asks whether the sound
// server is still there.
constexpr int IdleCheckMs = 250;
// The silence a new player starts with.
constexpr int WarmUpMs = 50;
// How long a speaker that goes away waits for its player thread.
constexpr int JoinLimitMs = 150;
// The shortest clip that can hold a spoken word.
constexpr int ShortestClipMs = 40;

// What the player thread and its speaker share. The speaker may go while
// the thread is blocked in the sound server: whatever the thread touches
// lives here, and it tells the speaker only through `target`, under the
// lock.
struct PlayerState
{
    // A text said on its moment (sayAt()), given at tick `askedAt`.
    struct Timed
    {
        ClipPtr clip;
        quint32 atTick = 0;
        quint32 askedAt = 0;
    };

    std::mutex lock;
    std::condition_variable wake;
    QObject *target = nullptr;  // receives the thread's news; null once the speaker is gone
    ClipPtr clip;               // to play next
    std::deque<Timed> timeline; // to play on their moments
    quint64 generation = 0;     // of the last say() or stop()
    bool checkDue = false;      // the speaker asks whether the server is still there
    bool warmUpDue = false;     // the speaker asks for the first silence
    bool quit = false;
    bool done = false; // the thread has ended
    SinkOpener open;   // called by the thread first
    // Each call to the sound server adds one as it begins and one as it
    // ends (odd: a call is under way), with the time the sound it waits for
    // takes: the watchdog tells a stall from them.
    std::atomic<quint64> calls{0};
    std::atomic<qint64> callAllowMs{0};
};

// Runs `news` on the speaker's thread. Called under the lock, so that the
// speaker is not destroyed meanwhile; news posted to a speaker that goes
// before it arrives is dropped with it.
void post(PlayerState &state, const std::function<void()> &news)
{
    if (state.target)
        QMetaObject::invokeMethod(state.target, news, Qt::QueuedConnection);
}

class EspeakSpeaker final : public Speaker
{
public:
    EspeakSpeaker(const SinkOpener &open, int watchMs)
        : m_state(std::make_shared<PlayerState>())
    {
        m_problem = Synth::Instance().Problem();
        if (!m_problem.isEmpty())
            return;
        m_state->open = open ? open : SinkOpener(&OpenPulseSink);
        m_state->target = this;
        m_watchdog.setInterval(watchMs);
        connect(&m_watchdog, &QTimer::timeout, this, &EspeakSpeaker::watch);
        SetRate(0);
    }

    ~EspeakSpeaker() override
    {
        m_cancelRender = true;
        if (m_renderer.joinable())
            m_renderer.join();
        if (!m_player.joinable())
            return;
        std::unique_lock lock(m_state->lock);
        m_state->target = nullptr;
        m_state->quit = true;
        m_state->wake.notify_all();
        // A thread blocked in a sound server that stopped answering is let
        // go with what it holds, not waited for; one still opening its
        // stream is not waited for at all.
        const int limitMs = m_server == Server::Open ? JoinLimitMs : 0;
        if (m_state->wake.wait_for(lock, std::chrono::milliseconds(limitMs), [this] { return m_state->done; })) {
            lock.unlock();
            m_player.join();
        } else {
            lock.unlock();
            m_player.detach();
        }
    }

    QString Problem() const override { return m_problem; }

    QStringList Voices() const override
    {
        QStringList names;
        for (const EspeakVoice &voice : Synth::Instance().Voices().voices)
            names << voice.name;
        return names;
    }

    QStringList Variants() const override { return Synth::Instance().Voices().variants; }

    QString LanguageOf(const QString &name) const override
    {
        for (const EspeakVoice &voice : Synth::Instance().Voices().voices)
            if (voice.name == name)
                return voice.language;
        return QString();
    }

    void SetVoice(const QString &name) override { m_voice = name; }

    void SetPause(int ms) override { m_pauseMs = qMax(0, ms); }

    void SetRate(double rate) override
    {
        // eSpeak NG's normal 175 words a minute; from 80 to 390.
        const double r = qBound(-1.0, rate, 1.0);
        m_wordsPerMinute = int(r < 0 ? 175 + r * 95 : 175 + r * 215);
    }

    void Prepare(const QStringList &texts) override
    {
        if (m_failed || !Synth::Instance().Problem().isEmpty()) {
            fail(m_problem);
            return;
        }
        const QString chosen = Synth::Instance().Select(m_voice, DefaultLanguage(texts, InterfaceLanguage()));
        if (!chosen.isEmpty()) {
            fail(chosen);
            return;
        }
        Synth::Instance().SetRate(m_wordsPerMinute);
        QStringList unique;
        for (const QString &text : texts)
            if (!text.trimmed().isEmpty() && !m_clips.contains(text) && !unique.contains(text))
                unique << text;
        if (m_renderer.joinable())
            m_renderer.join();
        m_cancelRender = false;
        m_rendered = false;
        WarmUp();
        m_renderer = std::thread([this, unique, total = int(texts.size()), pauseMs = m_pauseMs] {
            const int skipped = total - int(unique.size());
            for (int i = 0; i < unique.size() && !m_cancelRender; ++i) {
                auto clip = std::make_shared<const Clip>(Synth::Instance().Render(unique.at(i), pauseMs));
                const QString text = unique.at(i);
                // The speaker waits for this thread before it goes.
                QMetaObject::invokeMethod(
                    this,
                    [this, text, clip, done = skipped + i + 1, total] {
                        if (!rendered(text, clip))
                            return;
                        Q_EMIT Progress(done, total);
                    },
                    Qt::QueuedConnection);
            }
            QMetaObject::invokeMethod(
                this,
                [this] {
                    m_rendered = true;
                    readyToSay();
                },
                Qt::QueuedConnection);
        });
    }

    void WarmUp() override
    {
        startPlayer();
        if (m_warmAsked || !m_player.joinable())
            return;
        m_warmAsked = true;
        m_warmAskedAt = Platform::TickCount();
        std::lock_guard lock(m_state->lock);
        m_state->warmUpDue = true;
        m_state->wake.notify_all();
    }

    void Reach(int withinMs) override
    {
        startPlayer();
        if (m_server != Server::Opening) {
            Q_EMIT Reached();
            return;
        }
        m_reaching = true;
        m_openLimitMs = quint32(qMin(withinMs, OpenLimitMs));
    }

    void Say(const QString &text) override
    {
        const ClipPtr clip = clipToSay(text);
        if (!clip)
            return;
        WarmUp();
        m_saying = true;
        {
            std::lock_guard lock(m_state->lock);
            m_state->clip = clip;
            m_generation = ++m_state->generation;
            m_state->wake.notify_all();
        }
    }

    void SayAt(const QString &text, quint32 atTick) override
    {
        const ClipPtr clip = clipToSay(text);
        if (!clip)
            return;
        WarmUp();
        std::lock_guard lock(m_state->lock);
        m_state->timeline.push_back(PlayerState::Timed{clip, atTick, Platform::TickCount()});
        m_state->wake.notify_all();
    }

    void Stop() override
    {
        m_saying = false;
        std::lock_guard lock(m_state->lock);
        m_state->clip.reset();
        m_state->timeline.clear();
        m_generation = ++m_state->generation;
        m_state->wake.notify_all();
    }

    bool Speaking() const override { return m_saying; }

    qint64 ClipMs(const QString &text) const override
    {
        const ClipPtr clip = m_clips.value(text);
        return clip ? qint64(clip->size()) * 1000 / Synth::Instance().SampleRate() : -1;
    }

private:
    // The player starts with warmUp(), the first prepare() or say(): a new
    // stream's first sound can come late (a sink that was idle takes its
    // time), so it plays a moment of silence while the texts are rendered.
    void startPlayer()
    {
        if (m_player.joinable() || !m_problem.isEmpty())
            return;
        m_server = Server::Opening;
        m_player = std::thread(&EspeakSpeaker::play, m_state, Synth::Instance().SampleRate());
        m_openedAt = m_checkedAt = Platform::TickCount();
        m_watchdog.start();
    }

    // While a clip plays, its end must come in time; between clips the
    // player asks the server every IdleCheckMs whether it is still there,
    // so that its loss ends the run at once, not at the next Element. Both
    // go by the tick count.
    void watch()
    {
        const quint32 now = Platform::TickCount();
        if (m_server == Server::Opening) {
            if (now - m_openedAt > m_openLimitMs)
                opened(QCoreApplication::translate("Speech", "the sound server does not answer"));
            return;
        }
        if (m_server != Server::Open)
            return;
        if (m_warmAsked && !m_warm) {
            if (now - m_warmAskedAt > quint32(WarmUpLimitMs))
                fail(QCoreApplication::translate("Speech", "the sound server does not answer"));
            return;
        }
        if (watchCalls(now) || m_saying || m_stalled)
            return;
        if (now - m_checkedAt < quint32(IdleCheckMs))
            return;
        m_checkedAt = now;
        std::lock_guard lock(m_state->lock);
        m_state->checkDue = true;
        m_state->wake.notify_all();
    }

    // A call to the server that takes StallNoticeMs longer than the sound
    // it waits for is a stall, told at once and again when the call ends;
    // one that takes StallLimitMs longer ends the speech. True when the
    // speech ended.
    bool watchCalls(quint32 now)
    {
        const quint64 calls = m_state->calls.load();
        if (calls != m_callsSeen) {
            m_callsSeen = calls;
            m_callSeenAt = now;
            if (m_stalled) {
                m_stalled = false;
                Q_EMIT Resumed();
            }
            return false;
        }
        if (calls % 2 == 0)
            return false;
        const qint64 overMs = qint64(now - m_callSeenAt) - m_state->callAllowMs.load();
        if (overMs > StallLimitMs) {
            fail(QCoreApplication::translate("Speech", "the sound server stopped playing"));
            return true;
        }
        if (overMs > StallNoticeMs && !m_stalled) {
            m_stalled = true;
            Q_EMIT Stalled();
        }
        return false;
    }

    // Ready once the texts are rendered and the player has warmed up (or
    // there is no sound server: rendering alone can be asked for).
    void readyToSay()
    {
        if (!m_failed && m_rendered && (m_warm || m_server == Server::Unreachable))
            Q_EMIT Prepared();
    }

    // The player's answer to the opening of its stream, or the watchdog's
    // when it did not come in time: a server that can't be reached leaves
    // the texts to be rendered, only not said.
    void opened(const QString &why)
    {
        if (m_server != Server::Opening)
            return;
        if (why.isEmpty()) {
            m_server = Server::Open;
        } else {
            m_server = Server::Unreachable;
            m_watchdog.stop();
            if (m_problem.isEmpty())
                m_problem = why;
        }
        if (m_reaching) {
            m_reaching = false;
            Q_EMIT Reached();
        }
        readyToSay();
    }

    void warmedUp()
    {
        m_warm = true;
        readyToSay();
    }

    // Keeps a rendered clip; fails when a text with letters or digits gave
    // no speech. A text of punctuation alone may be silent: it is shown,
    // not heard.
    // The clip of a text to be said, rendered now (a short wait) when it
    // was not rendered ahead; nullptr when there is nothing to play.
    ClipPtr clipToSay(const QString &text)
    {
        if (text.trimmed().isEmpty() || !m_problem.isEmpty())
            return nullptr;
        ClipPtr clip = m_clips.value(text);
        if (!clip) {
            if (!rendered(text, std::make_shared<const Clip>(Synth::Instance().Render(text, m_pauseMs))))
                return nullptr;
            clip = m_clips.value(text);
        }
        return clip->empty() ? nullptr : clip;
    }

    bool rendered(const QString &text, ClipPtr clip)
    {
        if (m_failed)
            return false;
        if (qint64(clip->size()) * 1000 < qint64(ShortestClipMs) * Synth::Instance().SampleRate()) {
            if (std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetterOrNumber(); })) {
                fail(QCoreApplication::translate("Speech", "the voice gave no sound for \"%1\"").arg(text));
                return false;
            }
            clip = std::make_shared<const Clip>();
        }
        m_clips.insert(text, clip);
        return true;
    }

    void fail(const QString &reason)
    {
        if (m_failed)
            return;
        m_failed = true;
        m_saying = false;
        m_watchdog.stop();
        m_problem = reason;
        m_cancelRender = true;
        QTimer::singleShot(0, this, [this] { Q_EMIT Failed(m_problem); });
    }

    void heard(quint64 generation)
    {
        if (generation != m_generation || !m_saying)
            return;
        m_saying = false;
        m_checkedAt = Platform::TickCount();
        Q_EMIT Finished();
    }

    // A call to the server, counted for the watchdog; `allowMs` is how long
    // the sound it waits for takes. A write waits only for the server to
    // ask for more, which it does many times a second.
    static QString call(PlayerState &state, qint64 allowMs, const std::function<QString()> &work)
    {
        state.callAllowMs = allowMs;
        ++state.calls;
        QString why = work();
        ++state.calls;
        return why;
    }

    static QString lost()
    {
        return QCoreApplication::translate(
            "Speech", "part of the sound was not heard: the machine was too busy to play it whole");
    }

    // How much of a clip is heard: without the silence it ends with.
    static size_t heardPart(const Clip &clip, int sampleRate)
    {
        const auto last =
            std::find_if(clip.rbegin(), clip.rend(), [](qint16 s) { return std::abs(int(s)) > SilenceLevel; });
        const size_t tail = size_t(sampleRate) * LeadInMs / 1000;
        return std::min(clip.size(), size_t(clip.rend() - last) + tail);
    }

    // The texts said on their moments, as one stream of sound: silence up
    // to each clip's sample, reckoned from the first clip's, so that each
    // starts on its moment to the sample while the server never runs dry.
    // The first is placed by the server's latency then. A clip's closing
    // silence gives way to the next clip. Ends on stop() (the sound not yet
    // heard dropped) or after StreamIdleMs of silence after the last clip
    // (let run dry); returns why the server failed, else empty. Called and
    // returns under the lock.
    static QString playStream(PlayerState &state, std::unique_lock<std::mutex> &lock, SoundSink &sink, int sampleRate)
    {
        const quint64 generation = state.generation;
        const qint64 piece = qint64(sampleRate) * StreamPieceMs / 1000;
        const std::vector<qint16> silence(size_t(piece), 0);
        qint64 written = 0;                              // samples since the stream began
        qint64 idle = 0;                                 // samples of silence since the last clip
        std::optional<std::pair<qint64, quint32>> first; // the first clip's sample and moment
        const auto write = [&](const qint16 *samples, qint64 count) {
            lock.unlock();
            QString why = call(state, 0, [&] { return sink.Write(samples, size_t(count)); });
            const bool underran = why.isEmpty() && sink.Underran();
            lock.lock();
            // A stream that was stopped meanwhile (a stalled server) is
            // dropped: a gap in it is no loss.
            if (underran && state.generation == generation)
                why = lost();
            written += count;
            return why;
        };
        while (!state.quit && state.generation == generation) {
            if (state.timeline.empty()) {
                if (idle >= qint64(sampleRate) * StreamIdleMs / 1000) {
                    lock.unlock();
                    QString why = call(state, BufferMs + StreamIdleMs, [&] { return sink.Drain(); });
                    if (why.isEmpty() && sink.Underran())
                        why = lost();
                    lock.lock();
                    return why;
                }
                // Waits a moment for the next clip, then keeps the server
                // going with silence.
                state.wake.wait_for(lock, std::chrono::milliseconds(PieceMs), [&state, generation] {
                    return !state.timeline.empty() || state.quit || state.generation != generation;
                });
                if (!state.timeline.empty() || state.quit || state.generation != generation)
                    continue;
                if (const QString why = write(silence.data(), piece); !why.isEmpty())
                    return why;
                idle += piece;
                continue;
            }
            if (!first) {
                const PlayerState::Timed next = state.timeline.front();
                lock.unlock();
                const qint64 aheadMs = sink.AheadMs();
                lock.lock();
                const qint64 leadMs = qMax<qint64>(0, qint32(next.atTick - next.askedAt) - aheadMs);
                first.emplace(written + leadMs * sampleRate / 1000, next.atTick);
                continue;
            }
            const PlayerState::Timed next = state.timeline.front();
            const qint64 at = first->first + qint64(qint32(next.atTick - first->second)) * sampleRate / 1000;
            if (written < at) {
                if (const QString why = write(silence.data(), qMin(piece, at - written)); !why.isEmpty())
                    return why;
                idle += qMin(piece, at - written);
                continue;
            }
            state.timeline.pop_front();
            const qint64 heard = qint64(heardPart(*next.clip, sampleRate));
            for (qint64 from = 0; from < heard && !state.quit && state.generation == generation; from += piece)
                if (const QString why = write(next.clip->data() + from, qMin(piece, heard - from)); !why.isEmpty())
                    return why;
            idle = 0;
        }
        lock.unlock();
        call(state, 0, [&] { return sink.Flush(); });
        lock.lock();
        return QString();
    }

    // The player thread.
    static void play(std::shared_ptr<PlayerState> state, int sampleRate)
    {
        const size_t piece = size_t(sampleRate) * PieceMs / 1000;
        const size_t firstPiece = size_t(sampleRate) * FirstPieceMs / 1000;
        QString opening;
        std::unique_ptr<SoundSink> opened = state->open(sampleRate, opening);
        if (!opened && opening.isEmpty())
            opening = QCoreApplication::translate("Speech", "the sound server can't be reached");
        std::unique_lock lock(state->lock);
        {
            auto *speaker = static_cast<EspeakSpeaker *>(state->target);
            post(*state, [speaker, opening] { speaker->opened(opening); });
        }
        if (!opened) {
            state->done = true;
            state->wake.notify_all();
            return;
        }
        SoundSink &sink = *opened;
        // Tells the speaker, if it is still there, that the sound server failed.
        const auto broke = [&state](const QString &why) {
            auto *speaker = static_cast<EspeakSpeaker *>(state->target);
            post(*state, [speaker, why] { speaker->fail(why); });
        };
        bool broken = false;
        while (!state->quit) {
            if (state->warmUpDue) {
                // A moment of silence, heard to its end, before the first
                // clip. An idle sink may take its time to start.
                state->warmUpDue = false;
                const std::vector<qint16> silence(size_t(sampleRate) * WarmUpMs / 1000, 0);
                lock.unlock();
                const QString why = call(*state, WarmUpLimitMs - StallLimitMs, [&] {
                    const QString written = sink.Write(silence.data(), silence.size());
                    return written.isEmpty() ? sink.Drain() : written;
                });
                lock.lock();
                auto *speaker = static_cast<EspeakSpeaker *>(state->target);
                if (why.isEmpty()) {
                    post(*state, [speaker] { speaker->warmedUp(); });
                } else {
                    broken = true;
                    broke(why);
                }
                continue;
            }
            if (!state->clip && state->timeline.empty()) {
                // Between clips: waits for the next, and asks the server
                // whether it is still there when the speaker says so.
                state->wake.wait(lock, [&state] {
                    return state->clip || !state->timeline.empty() || state->quit || state->checkDue
                           || state->warmUpDue;
                });
                if (!state->clip && state->timeline.empty() && !state->quit && state->checkDue) {
                    state->checkDue = false;
                    if (broken)
                        continue;
                    lock.unlock();
                    const QString why = call(*state, 0, [&sink] { return sink.Check(); });
                    lock.lock();
                    if (!why.isEmpty()) {
                        broken = true;
                        broke(why);
                    }
                }
                continue;
            }
            if (broken) {
                state->clip.reset();
                state->timeline.clear();
                continue;
            }
            if (!state->clip) {
                const QString why = playStream(*state, lock, sink, sampleRate);
                if (!why.isEmpty()) {
                    broken = true;
                    broke(why);
                }
                continue;
            }
            const ClipPtr clip = std::move(state->clip);
            state->clip.reset();
            const quint64 generation = state->generation;
            size_t at = 0;
            QString why;
            bool cut = false;
            while (at < clip->size()) {
                if (state->quit || state->generation != generation) {
                    cut = true;
                    break;
                }
                const size_t n = std::min(at == 0 ? firstPiece : piece, clip->size() - at);
                lock.unlock();
                why = call(*state, 0, [&] { return sink.Write(clip->data() + at, n); });
                lock.lock();
                if (!why.isEmpty())
                    break;
                at += n;
            }
            if (cut) {
                lock.unlock();
                call(*state, 0, [&sink] { return sink.Flush(); });
                lock.lock();
                continue;
            }
            if (at == clip->size()) {
                const qint64 clipMs = qint64(clip->size()) * 1000 / sampleRate;
                lock.unlock();
                why = call(*state, clipMs, [&sink] { return sink.Drain(); });
                const bool underran = why.isEmpty() && sink.Underran();
                lock.lock();
                if (underran && state->generation == generation)
                    why = lost();
                if (why.isEmpty()) {
                    auto *speaker = static_cast<EspeakSpeaker *>(state->target);
                    post(*state, [speaker, generation] { speaker->heard(generation); });
                    continue;
                }
            }
            broken = true;
            broke(why);
        }
        lock.unlock();
        opened.reset();
        lock.lock();
        state->done = true;
        state->wake.notify_all();
    }

    std::shared_ptr<PlayerState> m_state;
    std::thread m_player;
    std::thread m_renderer;
    std::atomic<bool> m_cancelRender{false};
    QHash<QString, ClipPtr> m_clips;
    QString m_problem;
    QString m_voice;
    int m_wordsPerMinute = 175;
    int m_pauseMs = PauseMs;
    QTimer m_watchdog;
    // The stream to the sound server, as far as the speaker knows.
    enum class Server { Unasked, Opening, Open, Unreachable };
    Server m_server = Server::Unasked;
    quint32 m_openedAt = 0; // tick the player began to open it
    quint32 m_openLimitMs = OpenLimitMs;
    bool m_reaching = false;   // reached() is due
    bool m_warmAsked = false;  // the first silence has been asked for
    quint32 m_warmAskedAt = 0; // ... at this tick
    quint64 m_callsSeen = 0;   // the player's count of calls as the watchdog last saw it
    quint32 m_callSeenAt = 0;  // ... at this tick
    bool m_stalled = false;    // stalled() told, resumed() not yet
    quint32 m_checkedAt = 0;   // tick the idle player last asked the server
    quint64 m_generation = 0;
    bool m_saying = false;
    bool m_failed = false;
    bool m_rendered = false; // prepare() has rendered its texts
    bool m_warm = false;     // the player has played its first silence
};

} // namespace

std::unique_ptr<Speaker> CreateEspeakSpeaker(SinkOpener open, int watchMs)
{
    return std::make_unique<EspeakSpeaker>(open, watchMs);
}

QStringList EspeakEngines() { return {QStringLiteral("espeak-ng")}; }

} // namespace Speech
