// eSpeak NG's side of the speaker: the library started once for the whole
// process, the voice chosen, and each text rendered to a clip of sound
// here, which the player (speechespeak.cpp) then writes to the server.

#include "platform/espeaksynth.h"

#include "platform/platform.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdlib>

namespace Speech {

Synth &Synth::Instance()
{
    static Synth synth;
    return synth;
}

QString Synth::Select(const QString &name, const QString &language)
{
    std::lock_guard lock(m_lock);
    if (!m_problem.isEmpty())
        return m_problem;
    VoiceChoice choice = ChooseVoice(name, language, m_voices);
    if (!choice.problem.isEmpty())
        return choice.problem;
    if (!choice.identifier.isEmpty() && !setByName(choice.identifier, choice.variant)) {
        // An MBROLA voice that is there but can't speak (its program
        // broken, say) gives way to its language's own voice.
        const auto chosen = std::find_if(m_voices.voices.begin(), m_voices.voices.end(),
                                         [&choice](const EspeakVoice &v) { return v.identifier == choice.identifier; });
        if (!choice.identifier.startsWith(QLatin1String("mb/")) || chosen == m_voices.voices.end())
            return QCoreApplication::translate("Speech", "the voice \"%1\" is not installed").arg(name);
        choice = ChooseVoice(QString(), chosen->language, m_voices);
        choice.notice =
            QCoreApplication::translate(
                "Speech", "The MBROLA voice \"%1\" can't speak; the default voice of its language reads instead.")
                .arg(chosen->name);
    }
    if (!choice.notice.isEmpty())
        Platform::Notice(choice.notice);
    if (!choice.identifier.isEmpty())
        return QString();
    const QByteArray code = choice.language.toUtf8();
    espeak_VOICE wanted{};
    wanted.languages = code.constData();
    if (choice.variant.isEmpty() ? espeak_SetVoiceByProperties(&wanted) != EE_OK
                                 : !setByName(firstFor(wanted), choice.variant))
        return QCoreApplication::translate("Speech", "no voice for the language \"%1\" is installed")
            .arg(choice.language);
    return QString();
}

void Synth::SetRate(int wordsPerMinute)
{
    std::lock_guard lock(m_lock);
    if (m_problem.isEmpty())
        espeak_SetParameter(espeakRATE, wordsPerMinute, 0);
}

Clip Synth::Render(const QString &text, int pauseMs)
{
    std::lock_guard lock(m_lock);
    Clip clip;
    if (!m_problem.isEmpty())
        return clip;
    const QByteArray utf8 = text.toUtf8();
    if (espeak_Synth(utf8.constData(), size_t(utf8.size()) + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr, &clip)
        != EE_OK)
        return {};
    const auto heard = std::find_if(clip.begin(), clip.end(), [](qint16 s) { return std::abs(int(s)) > SilenceLevel; });
    if (heard == clip.end())
        return {};
    const auto leadIn = std::min<std::ptrdiff_t>(heard - clip.begin(), m_rate * LeadInMs / 1000);
    clip.erase(clip.begin(), heard - leadIn);
    const auto last =
        std::find_if(clip.rbegin(), clip.rend(), [](qint16 s) { return std::abs(int(s)) > SilenceLevel; });
    const auto tail = std::min<std::ptrdiff_t>(last - clip.rbegin(), m_rate * LeadInMs / 1000);
    clip.erase(last.base() + tail, clip.end());
    clip.insert(clip.end(), size_t(m_rate) * size_t(pauseMs) / 1000, 0);
    return clip;
}

Synth::Synth()
{
    // The library opens a stream of the sound server at its start even
    // for synchronous output, which it never plays through: a server
    // that does not answer held the window for 30 s there. It is
    // started with the server's address pointing nowhere, so that it
    // gives up at once. No player thread runs yet, and Qt's own
    // threads read the environment under the lock qputenv() takes.
    const QByteArray server = qgetenv("PULSE_SERVER");
    const bool hadServer = qEnvironmentVariableIsSet("PULSE_SERVER");
    qputenv("PULSE_SERVER", "unix:/nonexistent/tenacio-no-sound");
    m_rate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, espeakINITIALIZE_DONT_EXIT);
    if (hadServer)
        qputenv("PULSE_SERVER", server);
    else
        qunsetenv("PULSE_SERVER");
    if (m_rate <= 0) {
        m_problem = QCoreApplication::translate("Speech", "the eSpeak NG voices could not be loaded");
        return;
    }
    espeak_SetSynthCallback(&Synth::collect);
    // The languages' voices, then the variants and the MBROLA voices,
    // which eSpeak NG lists only when asked for them.
    QList<EspeakVoice> listed;
    for (const char *kind : {static_cast<const char *>(nullptr), "variant", "mb"}) {
        espeak_VOICE wanted{};
        wanted.languages = kind;
        for (const espeak_VOICE **v = espeak_ListVoices(kind ? &wanted : nullptr); v && *v; ++v) {
            // The first of the pairs of a priority byte and a language.
            const char *languages = (*v)->languages;
            const QString language = languages && *languages ? QString::fromUtf8(languages + 1) : QString();
            listed.append(EspeakVoice{QString::fromUtf8((*v)->name), QString::fromUtf8((*v)->identifier),
                                      kind && qstrcmp(kind, "variant") == 0 ? QString() : language});
        }
    }
    m_voices = SortEspeakVoices(listed, &MbrolaInstalled);
    if (m_voices.voices.isEmpty())
        m_problem = QCoreApplication::translate("Speech", "no eSpeak NG voice is installed");
}

bool Synth::setByName(const QString &identifier, const QString &variant)
{
    if (identifier.isEmpty())
        return false;
    const QString name = variant.isEmpty() ? identifier : identifier + u'+' + variant;
    return espeak_SetVoiceByName(name.toUtf8().constData()) == EE_OK;
}

QString Synth::firstFor(espeak_VOICE &wanted)
{
    for (const espeak_VOICE **v = espeak_ListVoices(&wanted); v && *v; ++v) {
        const QString identifier = QString::fromUtf8((*v)->identifier);
        if (!identifier.startsWith(QLatin1String("mb/")) && !identifier.startsWith(QLatin1String("!v/")))
            return identifier;
    }
    return QString();
}

int Synth::collect(short *wav, int samples, espeak_EVENT *events)
{
    if (wav && samples > 0 && events && events->user_data) {
        auto *clip = static_cast<Clip *>(events->user_data);
        clip->insert(clip->end(), wav, wav + samples);
    }
    return 0;
}

} // namespace Speech
