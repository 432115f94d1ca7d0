#include "tests/fakespeech.h"

#include "platform/platform.h"

#include <QCoreApplication>

namespace {
void deliver() { QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall); }
} // namespace

FakeSpeech::FakeSpeech()
{
    Speech::SetFactory([this]() -> std::unique_ptr<Speech::Speaker> {
        ++made;
        auto fake = std::make_unique<FakeSpeaker>(this);
        speaker = fake.get();
        return fake;
    });
}

FakeSpeech::~FakeSpeech() { Speech::SetFactory({}); }

bool FakeSpeech::Speaking() const { return speaker && speaker->m_speaking; }

void FakeSpeech::Finish()
{
    if (!Speaking())
        return;
    speaker->m_speaking = false;
    Q_EMIT speaker->Finished();
    deliver();
}

bool FakeSpeech::Poll()
{
    if (!Speaking() || speakingMs == 0 || Platform::TickCount() - speaker->m_saidAt < speakingMs)
        return false;
    Finish();
    return true;
}

void FakeSpeech::Stall(bool answering)
{
    if (!speaker)
        return;
    if (answering)
        Q_EMIT speaker->Resumed();
    else
        Q_EMIT speaker->Stalled();
    deliver();
}

void FakeSpeech::Fail(const QString &reason)
{
    if (!speaker)
        return;
    speaker->m_speaking = false;
    speaker->m_problem = reason;
    Q_EMIT speaker->Failed(reason);
    deliver();
}

FakeSpeaker::FakeSpeaker(FakeSpeech *engine)
    : m_engine(engine)
    , m_problem(engine->problem)
    , m_voices(engine->voices)
{
}

void FakeSpeaker::SetVoice(const QString &name) { m_engine->voice = name; }

void FakeSpeaker::SetRate(double rate) { m_engine->rate = rate; }

void FakeSpeaker::Reach(int withinMs)
{
    if (m_engine->reaches)
        Speaker::Reach(withinMs);
}

void FakeSpeaker::Prepare(const QStringList &texts)
{
    m_engine->rendered << texts;
    if (!m_engine->renders)
        return;
    if (m_engine->renderProblem.isEmpty()) {
        Speaker::Prepare(texts);
        return;
    }
    m_problem = m_engine->renderProblem;
    Q_EMIT Failed(m_problem);
}

void FakeSpeaker::Say(const QString &text)
{
    m_engine->said << text;
    m_engine->saidAt << Platform::TickCount();
    m_speaking = !text.trimmed().isEmpty();
    m_saidAt = Platform::TickCount();
}

void FakeSpeaker::SayAt(const QString &text, quint32 atTick)
{
    const quint32 now = Platform::TickCount();
    m_engine->said << text;
    m_engine->saidAt << (qint32(atTick - now) > 0 ? atTick : now);
}

void FakeSpeaker::Stop()
{
    ++m_engine->stops;
    m_speaking = false;
    // What was given for a moment still to come is never said.
    const quint32 now = Platform::TickCount();
    while (!m_engine->saidAt.isEmpty() && qint32(m_engine->saidAt.last() - now) > 0) {
        m_engine->saidAt.removeLast();
        m_engine->said.removeLast();
    }
}
