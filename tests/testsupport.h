#pragma once

// Seams for tests: a temporary data directory, a hand-driven tick count,
// a predictable random generator, and a stand-in user that answers every
// box and modal window.

#include "platform/dialogs.h"
#include "platform/platform.h"

#include <QByteArray>
#include <QDialog>
#include <QList>
#include <QString>
#include <QTemporaryDir>

#include <deque>
#include <functional>
#include <random>

// Points the data directory at a fresh temporary directory.
class TestDataDir
{
public:
    TestDataDir();
    ~TestDataDir();
    QString path(const QString &name) const; // full path of a file in it
    void write(const QString &name, const QByteArray &bytes) const;
    QByteArray read(const QString &name) const;
    bool exists(const QString &name) const;
    QString dir() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};

// Mounts a small tmpfs on a directory for the object's life, where the
// system allows it (root). ok() tells whether it took effect.
class TmpfsMount
{
public:
    TmpfsMount(const QString &dir, const QString &options);
    ~TmpfsMount();
    bool ok() const { return m_mounted; }
    bool remount(const QString &options);

private:
    QString m_dir;
    bool m_mounted = false;
};

// Makes a directory refuse new files, for root too (the immutable
// attribute where the file system has it, else permission bits); undone
// when the object goes. ok() tells whether it took effect.
class ReadOnlyDir
{
public:
    explicit ReadOnlyDir(const QString &dir);
    ~ReadOnlyDir();
    bool ok() const { return m_mode != None; }
    // What the system says to a new file there.
    QString reason() const;

private:
    enum Mode { None, Immutable, Permissions };
    QString m_dir;
    Mode m_mode = None;
};

// The tick count, set by hand.
class FakeTicks
{
public:
    explicit FakeTicks(quint32 start = 1000);
    ~FakeTicks();
    quint32 now = 0;
    void advance(quint32 ms) { now += ms; }
};

// A seeded generator whose reseeding does nothing, or a queue of draws.
class TestRandom : public Platform::RandomSource
{
public:
    explicit TestRandom(quint32 seed = 12345);
    ~TestRandom() override;
    void reseed() override { ++reseeds; }
    int next(int n) override;
    std::deque<int> queued; // taken first (each reduced modulo n)
    int reseeds = 0;

private:
    std::mt19937 m_engine;
};

// A fixed local date-time.
class FakeNow
{
public:
    explicit FakeNow(const QDateTime &at);
    ~FakeNow();
    QDateTime at;
};

// Answers every box and modal window.
class TestUser : public Dialogs::Handler
{
public:
    struct Asked
    {
        Dialogs::Kind kind;
        QString title;
        QString text;
    };

    TestUser();
    ~TestUser() override;

    Dialogs::Answer ask(Dialogs::Kind kind, const QString &title, const QString &text) override;
    QString fileName(bool save, const QString &filter) override;
    QString saveFileName(const QString &filter, const QString &suggested) override;
    int execModal(QDialog *dialog) override;

    // Answers for questions, taken in order; Ok when the queue is empty.
    std::deque<Dialogs::Answer> answers;
    // Run when a box is asked, before it is answered (e.g. to check state).
    std::function<void(const Asked &)> onAsk;
    std::deque<QString> fileNames; // empty text when the queue is empty
    QStringList suggestedNames;    // what each save dialog suggested
    QList<Asked> asked;

    // What a modal window does while it is "open": the script gets the
    // shown window; the window's result is what it was closed with (or
    // what the script returns when it does not close the window).
    // Without a script the window is shown and closed with Rejected.
    using Script = std::function<void(QDialog *)>;
    std::deque<Script> scripts;
    QList<QDialog *> opened;

    QStringList texts() const;
};
