#include "profile/filefailures.h"

#include "platform/platform.h"
#include "profile/atomicfile.h"

#include <QCoreApplication>

namespace Profile {

const QString &UnrecognisedReason()
{
    static const QString reason =
        QCoreApplication::translate("Files", "The file holds no sections this program can read; it was left as it was");
    return reason;
}

[[noreturn]] void FailWrite(const QString &path, const QString &reason)
{
    throw AppError(QCoreApplication::translate("Files", "Unable to write to %1. %2").arg(path, reason));
}

[[noreturn]] void FailOpen(const QString &path, const QString &reason)
{
    throw AppError(QCoreApplication::translate("Files", "Cannot open file \"%1\". %2").arg(path, reason));
}

[[noreturn]] void FailCreate(const QString &path, const QString &reason)
{
    if (reason == ReadOnlyReason())
        FailWrite(path, reason);
    throw AppError(QCoreApplication::translate("Files", "Cannot create file \"%1\". %2").arg(path, reason));
}

// Line breaks inside a name or value would break the file's structure.
QString OneLine(const QString &text)
{
    if (!text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return text;
    QString out = text;
    out.replace(QLatin1Char('\r'), QLatin1Char(' '));
    out.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return out;
}

} // namespace Profile
