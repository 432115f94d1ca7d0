#include "platform/platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <cerrno>
#include <cstring>
#include <limits>
#include <random>
#include <utility>

#include <malloc.h>
#include <sys/stat.h>
#include <unistd.h>

AppError::AppError(const QString &text)
    : std::runtime_error(text.toStdString())
    , m_text(text)
{
}

namespace Platform {

void ReleaseFreeMemory()
{
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

namespace {

std::function<quint32()> &tickSource()
{
    static std::function<quint32()> source;
    return source;
}

class SystemRandom final : public RandomSource
{
public:
    void Reseed() override
    {
        const auto seed = static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch())
                          ^ static_cast<std::uint64_t>(std::random_device{}());
        m_engine.seed(seed);
    }
    int Next(int n) override
    {
        if (n < 1)
            return 0;
        return std::uniform_int_distribution<int>(0, n - 1)(m_engine);
    }

private:
    std::mt19937_64 m_engine{std::random_device{}()};
};

SystemRandom &systemRandom()
{
    static SystemRandom random;
    return random;
}

RandomSource *g_random = nullptr;
std::function<QDateTime()> g_now;
QString g_dataDir;

struct Notices
{
    std::function<void(const QString &)> handler;
    QStringList said;
    QStringList waiting;
};

Notices &notices()
{
    static Notices n;
    return n;
}

} // namespace

void Notice(const QString &text)
{
    Notices &n = notices();
    if (n.said.contains(text) || n.waiting.contains(text))
        return;
    if (!n.handler) {
        n.waiting.append(text);
        return;
    }
    n.said.append(text);
    n.handler(text);
}

void SetNoticeHandler(std::function<void(const QString &)> handler)
{
    Notices &n = notices();
    n.handler = std::move(handler);
    n.said.clear();
    if (!n.handler)
        return;
    const QStringList waiting = std::exchange(n.waiting, {});
    for (const QString &text : waiting)
        Notice(text);
}

quint32 TickCount()
{
    if (tickSource())
        return tickSource()();
    static QElapsedTimer clock = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return static_cast<quint32>(static_cast<quint64>(clock.elapsed()));
}

void SetTickSource(std::function<quint32()> source) { tickSource() = std::move(source); }

void Randomize() { (g_random ? g_random : &systemRandom())->Reseed(); }
int Random(int n) { return (g_random ? g_random : &systemRandom())->Next(n); }
void SetRandomSource(RandomSource *source) { g_random = source; }

QDateTime Now() { return g_now ? g_now() : QDateTime::currentDateTime(); }
void SetNowSource(std::function<QDateTime()> source) { g_now = std::move(source); }

QString DataDir()
{
    QString dir = g_dataDir.isEmpty() ? QCoreApplication::applicationDirPath() : g_dataDir;
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    return dir;
}

void SetDataDir(const QString &dir) { g_dataDir = dir; }

QString DataFile(const QString &name) { return DataDir() + name; }

QString LeftToRight(const QString &text)
{
    for (const QChar c : text) {
        switch (c.direction()) {
        case QChar::DirR:
        case QChar::DirAL:
        case QChar::DirAN:
        case QChar::DirRLE:
        case QChar::DirRLO:
        case QChar::DirRLI:
            return QChar(0x2066) + text + QChar(0x2069);
        default:
            break;
        }
    }
    return text;
}

QString ChooseDataDir(const QString &exeDir, bool exeDirWritable, const QString &xdgDataHome, const QString &home)
{
    QString dir;
    if (exeDirWritable) {
        dir = exeDir;
    } else {
        // A relative XDG_DATA_HOME is not a valid setting: it counts as unset.
        const QString base = QDir::isAbsolutePath(xdgDataHome) ? xdgDataHome : home + QStringLiteral("/.local/share");
        dir = base + QStringLiteral("/tenacio");
    }
    dir = QDir::cleanPath(dir);
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    return dir;
}

bool MayKeepDataIn(const QString &dir)
{
    const QString real = QFileInfo(dir).canonicalFilePath();
    if (real.isEmpty())
        return false;
    if (real == QLatin1String("/usr") || real.startsWith(QLatin1String("/usr/")))
        return false;
    return ::access(QFile::encodeName(real).constData(), W_OK | X_OK) == 0;
}

namespace {

// Makes dir and each missing parent with mode 0700; folders already there
// keep theirs. Returns an empty text, or the system's reason.
QString makeFolder(const QString &dir)
{
    const QString clean = QDir::cleanPath(dir);
    for (qsizetype slash = clean.indexOf(QLatin1Char('/'), 1);; slash = clean.indexOf(QLatin1Char('/'), slash + 1)) {
        const QString path = slash < 0 ? clean : clean.left(slash);
        if (::mkdir(QFile::encodeName(path).constData(), 0700) != 0 && errno != EEXIST)
            return QString::fromLocal8Bit(std::strerror(errno));
        if (slash < 0)
            break;
    }
    if (!QFileInfo(clean).isDir())
        return QString::fromLocal8Bit(std::strerror(ENOTDIR));
    return QString();
}

} // namespace

QString UseDataDir(const QString &exeDir, const QString &xdgDataHome, const QString &home)
{
    const bool beside = MayKeepDataIn(exeDir);
    const QString dir = ChooseDataDir(exeDir, beside, xdgDataHome, home);
    SetDataDir(dir);
    if (beside)
        return QString();
    // Data files beside the program that it can no longer write to (the
    // folder became read-only): the user would otherwise see an empty
    // history without knowing why.
    const QByteArray exe = QFile::encodeName(exeDir);
    if (::access(exe.constData(), W_OK | X_OK) != 0) {
        const QString why = QString::fromLocal8Bit(std::strerror(errno));
        for (const char *name : {ConfigFile, ModulesFile, TrainingResultsFile, ExamResultsFile}) {
            if (QFileInfo(QDir(exeDir).filePath(QLatin1String(name))).isFile()) {
                Notice(QCoreApplication::translate("Files", "Tenacio keeps its data in %1 now: the data folder %2 "
                                                            "cannot be written (%3). The history, Modules and "
                                                            "options kept there are not shown.")
                           .arg(QDir::toNativeSeparators(dir), QDir::toNativeSeparators(QDir::cleanPath(exeDir)), why));
                break;
            }
        }
    }
    const QString reason = makeFolder(dir);
    if (reason.isEmpty())
        return QString();
    return QCoreApplication::translate("Files", "Cannot create the data folder %1. %2")
        .arg(QDir::toNativeSeparators(dir), reason);
}

bool TryStrToInt(const QString &text, qint32 *value)
{
    int i = 0;
    const int n = int(text.size());
    while (i < n && text.at(i) == QLatin1Char(' '))
        ++i;
    bool negative = false;
    if (i < n && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    int base = 10;
    if (i < n && (text.at(i) == QLatin1Char('$') || text.at(i) == QLatin1Char('x') || text.at(i) == QLatin1Char('X'))) {
        base = 16;
        ++i;
    } else if (i == 0 && n > 2 && text.at(0) == QLatin1Char('0')
               && (text.at(1) == QLatin1Char('x') || text.at(1) == QLatin1Char('X'))) {
        // "0x" only at the very start: not after blanks or a sign.
        base = 16;
        i += 2;
    }
    if (i >= n)
        return false;
    quint64 magnitude = 0;
    for (; i < n; ++i) {
        const char16_t c = text.at(i).unicode();
        int digit;
        if (c >= u'0' && c <= u'9')
            digit = c - u'0';
        else if (base == 16 && c >= u'a' && c <= u'f')
            digit = c - u'a' + 10;
        else if (base == 16 && c >= u'A' && c <= u'F')
            digit = c - u'A' + 10;
        else
            return false;
        magnitude = magnitude * quint64(base) + quint64(digit);
        if (magnitude > quint64(std::numeric_limits<quint32>::max()))
            return false;
    }
    qint64 result;
    if (base == 16 && !negative) {
        // Hexadecimal texts cover the whole 32-bit pattern: $FFFFFFFF is -1.
        result = qint64(qint32(quint32(magnitude)));
    } else {
        // A negative one is a value: -$80000000 is the least, -$FFFFFFFF too small.
        result = negative ? -qint64(magnitude) : qint64(magnitude);
        if (result > std::numeric_limits<qint32>::max() || result < std::numeric_limits<qint32>::min())
            return false;
    }
    if (value)
        *value = qint32(result);
    return true;
}

qint32 StrToInt(const QString &text)
{
    qint32 value = 0;
    if (!TryStrToInt(text, &value))
        throw AppError(QCoreApplication::translate("Platform", "'%1' is not a valid integer value").arg(text));
    return value;
}

} // namespace Platform
