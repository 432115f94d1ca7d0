#pragma once

// A speech engine for tests. Each speaker it makes speaks a text for a set
// time on the tick count (Platform::SetTickSource) and finishes when poll()
// finds that time over, or when finish() is called. Queued signals are
// delivered at once, so the runner reacts before the call returns.

#include "platform/speech.h"

#include <QPointer>
#include <QStringList>

class FakeSpeaker;

class FakeSpeech
{
public:
    FakeSpeech(); // installs itself as the engine
    ~FakeSpeech();
    FakeSpeech(const FakeSpeech &) = delete;
    FakeSpeech &operator=(const FakeSpeech &) = delete;

    // ---- what the speakers made from now on are like
    QString problem; // their problem(): nothing can be spoken
    QStringList voices{QStringLiteral("alto"), QStringLiteral("bass")};
    quint32 speakingMs = 0; // time a text takes; 0: until finish()
    QString renderProblem;  // prepare() fails with it (a voice missing, a text it can't render)
    bool reaches = true;    // false: reach() never answers (a sound server that hangs)
    bool renders = true;    // false: prepare() never answers

    // ---- what they did
    int made = 0;
    QStringList rendered; // the texts given to prepare()
    QStringList said;
    QList<quint32> saidAt; // the tick of each (a text said at its moment: that moment)
    QString voice;         // the last voice set
    double rate = 0;       // the last rate set
    int stops = 0;
    QPointer<FakeSpeaker> speaker; // the last made, while it lives

    bool Speaking() const;
    // The text being said comes to its end now.
    void Finish();
    // Finishes the text being said if its time is over; true when it did.
    bool Poll();
    // The engine loses its voice.
    void Fail(const QString &reason);
    // The sound server stands still (stalled()), or answers again (resumed()).
    void Stall(bool answering);
};

class FakeSpeaker final : public Speech::Speaker
{
public:
    explicit FakeSpeaker(FakeSpeech *engine);
    QString Problem() const override { return m_problem; }
    QStringList Voices() const override { return m_voices; }
    void SetVoice(const QString &name) override;
    void SetRate(double rate) override;
    void Prepare(const QStringList &texts) override;
    void Reach(int withinMs) override;
    void Say(const QString &text) override;
    // Said at its moment, or now when that has passed.
    void SayAt(const QString &text, quint32 atTick) override;
    void Stop() override;
    bool Speaking() const override { return m_speaking; }

private:
    friend class FakeSpeech;
    FakeSpeech *m_engine;
    QString m_problem;
    QStringList m_voices;
    bool m_speaking = false;
    quint32 m_saidAt = 0;
};
