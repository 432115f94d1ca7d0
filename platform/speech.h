#pragma once

// The seam to text-to-speech. A Speaker renders the texts of a run ahead,
// says one text at a time and tells when it has said it to its end, or that
// it can't speak any more. The program synthesises with eSpeak NG in its own
// process and plays each clip through the sound server (PulseAudio or
// PipeWire's PulseAudio service); tests install a fake that speaks for a set
// time on the tick count.

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

namespace Speech {

class Speaker : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Speaker)

public:
    Speaker() = default;
    ~Speaker() override;

    // Why nothing can be said, in the engine's words ("No audio device
    // available"); empty while the speaker can speak.
    virtual QString Problem() const = 0;
    // The names of the engine's voices, one for each language it speaks
    // (and more where it has other voices for one), sorted for people.
    virtual QStringList Voices() const = 0;
    // The engine's variants of a voice's sound ("f2"), chosen as
    // "<voice>+<variant>", or "+<variant>" for the voice the texts choose.
    virtual QStringList Variants() const;
    // The language a voice speaks, as the engine codes it ("de", "en-us");
    // empty when the engine does not say.
    virtual QString LanguageOf(const QString &voice) const;
    // A voice by name, maybe with a variant; an empty name lets the texts
    // choose the language (DefaultLanguage). A name the engine does not
    // have fails at prepare().
    virtual void SetVoice(const QString &name) = 0;
    // -1 slowest, 0 the engine's normal rate, 1 fastest.
    virtual void SetRate(double rate) = 0;
    // The silence each text's clip ends with, for texts prepared from now
    // on: the next text waits for the end of the clip, so that texts
    // longer than the pace do not run together.
    virtual void SetPause(int ms);
    // Renders the texts ahead, away from the caller's thread: progress()
    // along the way, then prepared(), or failed() when one can't be
    // rendered. say() of a prepared text starts at once.
    // Rendering needs no sound server: where problem() names one, the
    // texts are rendered all the same, only not said.
    virtual void Prepare(const QStringList &texts);
    // Opens the way to the sound server ahead of the first prepare() or
    // say(): a new stream's first sound can come late.
    virtual void WarmUp();
    // Asks the sound server, away from the caller's thread, whether the
    // texts can be heard: reached() follows within `withinMs` on the tick
    // count, with problem() saying why not ("the sound server does not
    // answer" when it has not answered by then).
    virtual void Reach(int withinMs);
    // How long the rendered clip of a text sounds, in milliseconds; -1 for
    // a text not rendered.
    virtual qint64 ClipMs(const QString &text) const;
    // Starts saying a text. Nothing is said for a text of blanks.
    virtual void Say(const QString &text) = 0;
    // Says a text at a moment on the tick count: the texts said so follow
    // one another in one stream of sound, each on its moment to the sample
    // against the first of them, when given before its moment (a pace
    // ahead); one given late is said at once. finished() does not follow;
    // stop() drops the texts whose moment has not come. Without a stream
    // of its own, a speaker says the text at once.
    virtual void SayAt(const QString &text, quint32 atTick);
    // Stops at once; finished() does not follow.
    virtual void Stop() = 0;
    // From say() until finished(), stop() or failed().
    virtual bool Speaking() const = 0;

Q_SIGNALS:
    // The text of the last say() has been said to its end.
    void Finished();
    // The engine can't speak any more (it lost its audio device, say).
    void Failed(const QString &reason);
    // prepare(): `done` of `total` texts are rendered.
    void Progress(int done, int total);
    // prepare(): every text is rendered.
    void Prepared();
    // reach(): the sound server has answered, or has not in time.
    void Reached();
    // The sound server has not answered for a while (about 0.8 s): what is
    // being said stands still. resumed() follows when it answers again,
    // failed() when it has not within 2 s.
    void Stalled();
    void Resumed();
};

// The text the voice is given for an Element: with digitByDigit a number
// (digits, maybe with a sign, separators or blanks) is read one digit after
// the other ("1671" -> "1 6 7 1"), its minus and decimal point with them
// ("-40" -> "-4 0", "3.14" -> "3.1 4"); other texts stay as they are.
QString SpokenText(const QString &element, bool digitByDigit);

// The language a voice that was left to its default speaks for these
// texts: the one their letters are written in where that says it
// (Cyrillic: Russian, Greek, Hebrew, Arabic, ...), else (Latin letters,
// digits) the language the program's texts are shown in, `programLanguage`, or
// English where that is empty. Never the locale's: that can be anything.
QString DefaultLanguage(const QStringList &texts, const QString &programLanguage = QString());

// The language of the program's texts as the entry chose it ("de", "ru";
// empty for English), for the voice left to its default.
void SetInterfaceLanguage(const QString &language);
QString InterfaceLanguage();

// Whether this build can speak at all; without it the program offers no
// speech.
bool Built();

// Where a speaker's sound goes: a playback stream of the sound server, or
// a fake in tests. Each call returns an empty text when it succeeded, else
// why not. They are called from the player thread and may block there
// while the server plays; write() and drain() block until the server has
// taken or played the sound.
class SoundSink
{
public:
    virtual ~SoundSink() = default;
    // Samples of signed 16-bit mono sound.
    virtual QString Write(const qint16 *samples, size_t count) = 0;
    // Until everything written has been heard.
    virtual QString Drain() = 0;
    // Drops what was written and not yet heard.
    virtual QString Flush() = 0;
    // Whether the server is still there.
    virtual QString Check() = 0;
    // Whether the server ran out of the sound written since the last
    // drain() or flush() before its end (a gap of silence inside it, as the
    // server tells), so that it was not heard whole; after drain(), of the
    // sound before it. Running dry at the end of what was written is no
    // gap, and neither is a server that is merely slow to answer.
    virtual bool Underran() { return false; }
    // How long until sound written now is heard, in milliseconds: what the
    // server holds ahead and its own latency.
    virtual qint64 AheadMs() { return 0; }
};
// Opens a sink for sound at this sample rate; nullptr with `why` set when
// it can't. Called on the player thread: it may block there.
using SinkOpener = std::function<std::unique_ptr<SoundSink>(int sampleRate, QString &why)>;

// The eSpeak NG speaker, its sound going to the sink `open` gives (the
// sound server's when empty). Its watchdog looks at the tick count every
// `watchMs`: while a clip plays, for the clip's end; between clips, to have
// the sink checked now and then. nullptr in a build without speech.
std::unique_ptr<Speaker> CreateEspeak(SinkOpener open = {}, int watchMs = 100);

// A speaker of the system's default engine; its problem() says when it
// can't speak. nullptr when the build has no speech and no factory is set.
std::unique_ptr<Speaker> Create();
// Replaces the engine (tests); an empty factory restores it.
void SetFactory(std::function<std::unique_ptr<Speaker>()> factory);

// The names of the speech engines installed (empty without speech).
QStringList Engines();

} // namespace Speech
