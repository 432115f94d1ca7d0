#include "library/modules.h"

namespace Modules {

QStringList SplitElements(const QString &data)
{
    QStringList elements = data.split(QLatin1Char(','));
    if (!elements.isEmpty() && elements.last().isEmpty())
        elements.removeLast();
    return elements;
}

QString JoinElements(const QStringList &lines)
{
    QString result;
    for (const QString &line : lines) {
        if (line.isEmpty())
            continue;
        if (!result.isEmpty())
            result += QLatin1Char(',');
        result += line;
    }
    return result;
}

} // namespace Modules
