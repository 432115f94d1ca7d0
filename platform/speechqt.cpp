// The Speaker over Qt's speech engine (QtTextToSpeech). One engine at a
// time: Qt 6.4's Flite engines share their voices, and one made while
// another goes away can crash inside Flite.

#include "platform/speech.h"

#include <QTextToSpeech>
#include <QTimer>

namespace Speech {
namespace {

// How long an engine may take to begin saying a text. One that has failed
// before may take a text and never start.
constexpr int StartLimitMs = 5000;

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
        // says that it has nowhere to speak. (Flite reports an
        // initialisation error without a text and speaks all the same.)
        if (m_engine->state() == QTextToSpeech::Error || !m_engine->errorString().isEmpty())
            m_problem = reason();
        // Flite must have its voices before it is given a voice or a rate.
        m_voices = m_engine->availableVoices();
        m_startLimit.setSingleShot(true);
        m_startLimit.setInterval(StartLimitMs);
        connect(&m_startLimit, &QTimer::timeout, this, [this] {
            if (m_saying && !m_started)
                fail(QStringLiteral("The speech engine did not start speaking"));
        });
        connect(m_engine, &QTextToSpeech::stateChanged, this, [this](QTextToSpeech::State state) { changed(state); });
        connect(m_engine, &QTextToSpeech::errorOccurred, this,
                [this](QTextToSpeech::ErrorReason, const QString &text) { m_lastError = text; });
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
        for (const QVoice &voice : std::as_const(m_voices))
            if (!name.isEmpty() && voice.name() == name)
                m_engine->setVoice(voice);
    }

    void setRate(double rate) override
    {
        if (m_engine && rate != 0)
            m_engine->setRate(qBound(-1.0, rate, 1.0));
    }

    void say(const QString &text) override
    {
        if (!m_engine || text.trimmed().isEmpty())
            return;
        m_saying = true;
        m_started = false;
        if (m_engine->state() == QTextToSpeech::Error) {
            fail(reason()); // no change of state would tell
            return;
        }
        m_startLimit.start();
        m_engine->say(text);
    }

    void stop() override
    {
        m_saying = false;
        m_startLimit.stop();
        if (m_engine)
            m_engine->stop();
    }

    bool speaking() const override { return m_saying; }

private:
    QString reason() const
    {
        if (!m_engine->errorString().isEmpty())
            return m_engine->errorString();
        return m_lastError.isEmpty() ? QStringLiteral("The speech engine does not work") : m_lastError;
    }

    // Told once the engine has settled: it may give its reason only after
    // entering its error state.
    void fail(const QString &why)
    {
        m_saying = false;
        m_startLimit.stop();
        QTimer::singleShot(0, this, [this, why] {
            m_problem = why.isEmpty() ? reason() : why;
            Q_EMIT failed(m_problem);
        });
    }

    void changed(QTextToSpeech::State state)
    {
        switch (state) {
        case QTextToSpeech::Speaking:
            m_started = m_saying;
            m_startLimit.stop();
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
            if (m_saying)
                fail(QString());
            break;
        case QTextToSpeech::Paused:
            break;
        }
    }

    QTextToSpeech *m_engine = nullptr;
    QList<QVoice> m_voices;
    QString m_problem;
    QString m_lastError; // the engine's last word on an error
    QTimer m_startLimit;
    bool m_saying = false;  // said and not yet finished, stopped or failed
    bool m_started = false; // the engine has begun to say it
};

} // namespace

std::unique_ptr<Speaker> CreateQtSpeaker() { return std::make_unique<QtSpeaker>(); }

QStringList QtEngines() { return QTextToSpeech::availableEngines(); }

} // namespace Speech
