// The Speaker over Qt's speech engine (QtTextToSpeech).

#include "platform/speech.h"

#include <QTextToSpeech>

namespace Speech {
namespace {

class QtSpeaker final : public Speaker
{
public:
    QtSpeaker()
    {
        if (QTextToSpeech::availableEngines().isEmpty()) {
            m_problem = QStringLiteral("No speech engine is installed");
            return;
        }
        m_engine = new QTextToSpeech(this);
        // An engine without an audio device comes up "Ready" but already
        // knows that it has nowhere to speak.
        if (m_engine->state() == QTextToSpeech::Error || m_engine->errorReason() != QTextToSpeech::ErrorReason::NoError)
            m_problem = reason();
        m_voices = m_engine->availableVoices();
        connect(m_engine, &QTextToSpeech::stateChanged, this, [this](QTextToSpeech::State state) { changed(state); });
    }

    QString problem() const override { return m_problem; }

    QStringList voices() const override
    {
        QStringList names;
        for (const QVoice &voice : m_voices)
            names << voice.name();
        return names;
    }

    void setVoice(const QString &name) override
    {
        for (const QVoice &voice : m_voices)
            if (!name.isEmpty() && voice.name() == name)
                m_engine->setVoice(voice);
    }

    void setRate(double rate) override
    {
        if (m_engine)
            m_engine->setRate(qBound(-1.0, rate, 1.0));
    }

    void say(const QString &text) override
    {
        if (!m_engine || text.trimmed().isEmpty())
            return;
        if (m_engine->state() == QTextToSpeech::Error) {
            // No state change would tell.
            m_problem = reason();
            Q_EMIT failed(m_problem);
            return;
        }
        m_saying = true;
        m_started = false;
        m_engine->say(text);
    }

    void stop() override
    {
        m_saying = false;
        if (m_engine)
            m_engine->stop();
    }

    bool speaking() const override { return m_saying; }

private:
    QString reason() const
    {
        const QString text = m_engine->errorString();
        return text.isEmpty() ? QStringLiteral("The speech engine does not work") : text;
    }

    void changed(QTextToSpeech::State state)
    {
        switch (state) {
        case QTextToSpeech::Speaking:
            m_started = m_saying;
            break;
        case QTextToSpeech::Ready:
            // Only the end of what was last said, not that of a text
            // stopped before it.
            if (m_saying && m_started) {
                m_saying = false;
                Q_EMIT finished();
            }
            break;
        case QTextToSpeech::Error:
            m_problem = reason();
            if (m_saying) {
                m_saying = false;
                Q_EMIT failed(m_problem);
            }
            break;
        case QTextToSpeech::Paused:
            break;
        }
    }

    QTextToSpeech *m_engine = nullptr;
    QList<QVoice> m_voices;
    QString m_problem;
    bool m_saying = false;  // said and not yet finished, stopped or failed
    bool m_started = false; // the engine has begun to say it
};

} // namespace

std::unique_ptr<Speaker> CreateQtSpeaker() { return std::make_unique<QtSpeaker>(); }

QStringList QtEngines() { return QTextToSpeech::availableEngines(); }

} // namespace Speech
