#include "tests/testsupport.h"

#include "profile/profilefile.h"
#include "results/storedruns.h"

#include <QFile>
#include <QProcess>

TestDataDir::TestDataDir()
{
    Platform::SetDataDir(m_dir.path());
    Profile::ClearDirectCache();
    ResultsStore::ForgetRuns();
}

TestDataDir::~TestDataDir()
{
    Platform::SetDataDir(QString());
    Profile::ClearDirectCache();
    ResultsStore::ForgetRuns();
}

QString TestDataDir::Path(const QString &name) const { return m_dir.filePath(name); }

void TestDataDir::Write(const QString &name, const QByteArray &bytes) const
{
    QFile f(Path(name));
    if (!f.open(QIODevice::WriteOnly))
        qFatal("cannot write test file");
    f.write(bytes);
    // Written in place within a tick of the clock, a file of the same size
    // would look unchanged to the list kept of it.
    ResultsStore::ForgetRuns();
}

QByteArray TestDataDir::Read(const QString &name) const
{
    QFile f(Path(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool TestDataDir::Exists(const QString &name) const { return QFile::exists(Path(name)); }

namespace {
bool canCreateIn(const QString &dir)
{
    QFile probe(dir + QStringLiteral("/.probe"));
    const bool ok = probe.open(QIODevice::WriteOnly);
    probe.remove();
    return ok;
}
int runQuietly(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(10000))
        return -1;
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}
} // namespace

ReadOnlyDir::ReadOnlyDir(const QString &dir)
    : m_dir(dir)
{
    if (runQuietly(QStringLiteral("chattr"), {QStringLiteral("+i"), dir}) == 0 && !canCreateIn(dir)) {
        m_mode = Immutable;
        return;
    }
    runQuietly(QStringLiteral("chattr"), {QStringLiteral("-i"), dir});
    QFile::setPermissions(dir, QFile::ReadOwner | QFile::ExeOwner);
    if (!canCreateIn(dir)) {
        m_mode = Permissions;
        return;
    }
    QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TmpfsMount::TmpfsMount(const QString &dir, const QString &options)
    : m_dir(dir)
{
    m_mounted = runQuietly(QStringLiteral("mount"), {QStringLiteral("-t"), QStringLiteral("tmpfs"),
                                                     QStringLiteral("-o"), options, QStringLiteral("tmpfs"), dir})
                == 0;
}

TmpfsMount::~TmpfsMount()
{
    if (m_mounted)
        runQuietly(QStringLiteral("umount"), {m_dir});
}

bool TmpfsMount::Remount(const QString &options)
{
    return runQuietly(QStringLiteral("mount"), {QStringLiteral("-o"), QStringLiteral("remount,") + options, m_dir})
           == 0;
}

QString ReadOnlyDir::Reason() const
{
    return m_mode == Immutable ? QStringLiteral("Operation not permitted") : QStringLiteral("Permission denied");
}

ReadOnlyDir::~ReadOnlyDir()
{
    if (m_mode == Immutable)
        runQuietly(QStringLiteral("chattr"), {QStringLiteral("-i"), m_dir});
    else if (m_mode == Permissions)
        QFile::setPermissions(m_dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

FakeTicks::FakeTicks(quint32 start)
    : now(start)
{
    Platform::SetTickSource([this] { return now; });
}

FakeTicks::~FakeTicks() { Platform::SetTickSource({}); }

TestRandom::TestRandom(quint32 seed)
    : m_engine(seed)
{
    Platform::SetRandomSource(this);
}

TestRandom::~TestRandom() { Platform::SetRandomSource(nullptr); }

int TestRandom::Next(int n)
{
    if (n < 1)
        return 0;
    if (!queued.empty()) {
        const int v = queued.front();
        queued.pop_front();
        return ((v % n) + n) % n;
    }
    return std::uniform_int_distribution<int>(0, n - 1)(m_engine);
}

FakeNow::FakeNow(const QDateTime &when)
    : at(when)
{
    Platform::SetNowSource([this] { return at; });
}

FakeNow::~FakeNow() { Platform::SetNowSource({}); }
