#include "bench/benchdata.h"

#include <QDateTime>
#include <QFile>

#include <cstdlib>

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

} // namespace BenchData
