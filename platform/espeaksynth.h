#pragma once

// eSpeak NG for the speaker (speechespeak.cpp): the library for the whole
// process, its voices and the rendering of texts to clips; only in a build
// with speech.

#include "platform/espeakvoices.h"

#include <QString>

#include <espeak-ng/speak_lib.h>

#include <mutex>
#include <vector>

namespace Speech {

// Signed 16-bit mono sound at the library's sample rate.
using Clip = std::vector<qint16>;

// Sound above this level (of 32767) counts as heard; a clip's lead-in and
// its tail below it are cut but for a few milliseconds.
constexpr int SilenceLevel = 300;
constexpr int LeadInMs = 5;

// eSpeak NG for the whole process: started once, one caller at a time.
class Synth
{
public:
    static Synth &Instance();

    QString Problem() const { return m_problem; }
    int SampleRate() const { return m_rate; }

    const EspeakVoices &Voices() const { return m_voices; }

    // Chooses the stored voice (ChooseVoice), the texts' language deciding
    // where it leaves that open. Empty on success, else why not.
    QString Select(const QString &name, const QString &language);

    void SetRate(int wordsPerMinute);

    // The text's clip, without its silent lead-in, ending in `pauseMs` of
    // silence; empty when nothing could be rendered.
    Clip Render(const QString &text, int pauseMs);

private:
    Synth();

    // Under the lock: the voice by eSpeak NG's identifier, with a variant.
    static bool setByName(const QString &identifier, const QString &variant);
    // Under the lock: the identifier of the voice eSpeak NG prefers for a
    // language (as espeak_SetVoiceByProperties chooses), not an MBROLA one.
    static QString firstFor(espeak_VOICE &wanted);
    static int collect(short *wav, int samples, espeak_EVENT *events);

    std::mutex m_lock;
    int m_rate = 0;
    QString m_problem;
    EspeakVoices m_voices;
};

} // namespace Speech
