#pragma once

// The seam to text-to-speech. A Speaker says one text at a time and tells
// when it has said it to its end, or that it can't speak any more. The
// program uses Qt's speech engine where the build has it; tests install a
// fake that speaks for a set time on the tick count.

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
    virtual QString problem() const = 0;
    // The names of the engine's voices, in its order.
    virtual QStringList voices() const = 0;
    // A voice by name; an empty or unknown name keeps the engine's own.
    virtual void setVoice(const QString &name) = 0;
    // -1 slowest, 0 the engine's normal rate, 1 fastest.
    virtual void setRate(double rate) = 0;
    // Starts saying a text. Nothing is said for a text of blanks.
    virtual void say(const QString &text) = 0;
    // Stops at once; finished() does not follow.
    virtual void stop() = 0;
    // From say() until finished(), stop() or failed().
    virtual bool speaking() const = 0;

Q_SIGNALS:
    // The text of the last say() has been said to its end.
    void finished();
    // The engine can't speak any more (it lost its audio device, say).
    void failed(const QString &reason);
};

// Whether this build can speak at all; without it the program offers no
// speech.
bool Built();

// A speaker of the system's default engine; its problem() says when it
// can't speak. nullptr when the build has no speech and no factory is set.
std::unique_ptr<Speaker> Create();
// Replaces the engine (tests); an empty factory restores it.
void SetFactory(std::function<std::unique_ptr<Speaker>()> factory);

// The names of the speech engines installed (empty without speech).
QStringList Engines();

} // namespace Speech
