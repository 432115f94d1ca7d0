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

bool FakeSpeech::speaking() const { return speaker && speaker->m_speaking; }

void FakeSpeech::finish()
{
    if (!speaking())
        return;
    speaker->m_speaking = false;
    Q_EMIT speaker->finished();
    deliver();
}

bool FakeSpeech::poll()
{
    if (!speaking() || speakingMs == 0 || Platform::TickCount() - speaker->m_saidAt < speakingMs)
        return false;
    finish();
    return true;
}

void FakeSpeech::stall(bool answering)
{
    if (!speaker)
        return;
    if (answering)
        Q_EMIT speaker->resumed();
    else
        Q_EMIT speaker->stalled();
    deliver();
}

void FakeSpeech::fail(const QString &reason)
{
    if (!speaker)
        return;
    speaker->m_speaking = false;
    speaker->m_problem = reason;
    Q_EMIT speaker->failed(reason);
    deliver();
}

FakeSpeaker::FakeSpeaker(FakeSpeech *engine)
    : m_engine(engine)
    , m_problem(engine->problem)
    , m_voices(engine->voices)
{
}

void FakeSpeaker::setVoice(const QString &name) { m_engine->voice = name; }

void FakeSpeaker::setRate(double rate) { m_engine->rate = rate; }

void FakeSpeaker::reach(int withinMs)
{
    if (m_engine->reaches)
        Speaker::reach(withinMs);
}

void FakeSpeaker::prepare(const QStringList &texts)
{
    m_engine->rendered << texts;
    if (!m_engine->renders)
        return;
    if (m_engine->renderProblem.isEmpty()) {
        Speaker::prepare(texts);
        return;
    }
    m_problem = m_engine->renderProblem;
    Q_EMIT failed(m_problem);
}

void FakeSpeaker::say(const QString &text)
{
    m_engine->said << text;
    m_engine->saidAt << Platform::TickCount();
    m_speaking = !text.trimmed().isEmpty();
    m_saidAt = Platform::TickCount();
}

void FakeSpeaker::sayAt(const QString &text, quint32 atTick)
{
    const quint32 now = Platform::TickCount();
    m_engine->said << text;
    m_engine->saidAt << (qint32(atTick - now) > 0 ? atTick : now);
}

void FakeSpeaker::stop()
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
