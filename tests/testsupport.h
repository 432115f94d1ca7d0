#pragma once

// Seams for tests of the rules: a temporary data directory, a hand-driven
// tick count, a predictable random generator and a fixed clock. The
// stand-in user for windows is in tests/testuser.h.

#include "platform/platform.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QTemporaryDir>

#include <deque>
#include <random>

// Points the data directory at a fresh temporary directory.
class TestDataDir
{
public:
    TestDataDir();
    ~TestDataDir();
    QString Path(const QString &name) const; // full path of a file in it
    void Write(const QString &name, const QByteArray &bytes) const;
    QByteArray Read(const QString &name) const;
    bool Exists(const QString &name) const;
    QString Dir() const { return m_dir.path(); }

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
    bool Ok() const { return m_mounted; }
    bool Remount(const QString &options);

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
    bool Ok() const { return m_mode != None; }
    // What the system says to a new file there.
    QString Reason() const;

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
    void Advance(quint32 ms) { now += ms; }
};

// A seeded generator whose reseeding does nothing, or a queue of draws.
class TestRandom : public Platform::RandomSource
{
public:
    explicit TestRandom(quint32 seed = 12345);
    ~TestRandom() override;
    void Reseed() override { ++reseeds; }
    int Next(int n) override;
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
