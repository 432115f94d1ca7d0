#include "bench/benchdata.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QEvent>
#include <QFile>
#include <QTimer>

#include <cstdlib>
#include <cstring>

#include <malloc.h>
#include <sys/resource.h>

namespace BenchData {

QString RunName(int i)
{
    const QDateTime base(QDate(2026, 1, 1), QTime(8, 0, 0));
    return base.addSecs(i).toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"));
}

QString ModuleName(int m) { return QStringLiteral("Module %1").arg(m); }

QByteArray ResultsFile(int runs, int elements, int modules)
{
    QByteArray res;
    QByteArray answ;
    for (int e = 0; e < elements; ++e) {
        if (e) {
            res += ',';
            answ += ',';
        }
        const QByteArray n = QByteArray::number(1 + (e * 37) % 99);
        res += n;
        answ += (e % 17 == 0) ? QByteArray("???") : n;
    }
    QByteArray out;
    out.reserve(qsizetype(runs) * (res.size() + answ.size() + 160));
    for (int i = 0; i < runs; ++i) {
        out += '[' + RunName(i).toUtf8() + "]\r\n";
        out += "Total=" + QByteArray::number(elements) + "\r\n";
        out += "Errors=" + QByteArray::number(elements / 17 + 1) + "\r\n";
        out += "Time=0:1:5  Average time for each number: 3,25 sec.\r\n";
        out += "Mark=3-\r\n";
        out += "Koeff=" + QByteArray::number(i % 60) + ",25\r\n";
        out += "Res=" + res + "\r\n";
        out += "Answ=" + answ + "\r\n";
        if (modules > 0)
            out += "Module=" + ModuleName(i % modules).toUtf8() + "\r\nFrom=1\r\nTo=99\r\n";
        out += "\r\n";
    }
    return out;
}

QByteArray ModulesFile(int elements)
{
    QByteArray data;
    data.reserve(qsizetype(elements) * 8);
    for (int e = 0; e < elements; ++e) {
        if (e)
            data += ',';
        data += QByteArray::number(100000 + e);
    }
    return "[Small]\r\nData=1,2,3\r\n\r\n[Big]\r\nData=" + data + "\r\n\r\n";
}

void UseMemory(Memory memory)
{
    // Blocks above the mapping threshold are mapped on their own and
    // unmapped when freed; the heap gives back what lies above the trim
    // threshold. 32 MB is the highest mapping threshold glibc takes.
    const int threshold = memory == Memory::Cold ? 128 * 1024 : 32 * 1024 * 1024;
    if (mallopt(M_MMAP_THRESHOLD, threshold) != 1
        || mallopt(M_TRIM_THRESHOLD, memory == Memory::Cold ? 128 * 1024 : 1024 * 1024 * 1024) != 1)
        std::abort();
    malloc_trim(0);
}

void GiveBackFreedPages() { malloc_trim(0); }

void UseOffscreenUnlessSet()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

void WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        std::abort();
}

double ChildCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
           + 1e-6 * double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec);
}

double StatusMb(const char *key)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : f.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(int(std::strlen(key))).trimmed().split(' ').first().toDouble() / 1024;
    }
    return -1;
}

bool FirstPaint::eventFilter(QObject *, QEvent *event)
{
    if (event->type() == QEvent::Paint && !painted) {
        painted = true;
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }
    return false;
}

} // namespace BenchData
