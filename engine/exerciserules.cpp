#include "engine/exerciserules.h"

#include "platform/platform.h"

namespace Exercises {

QString Sum::Label() const
{
    return QString::number(a) + QStringLiteral(" + ") + QString::number(b) + QStringLiteral(" =");
}

Sum DrawSum()
{
    Sum sum;
    sum.a = Platform::Random(TermMaximum) + 1;
    sum.b = Platform::Random(TermMaximum) + 1;
    return sum;
}

bool KeyAllowed(QChar key)
{
    return key == QChar(8) || (key >= QLatin1Char('0') && key <= QLatin1Char('9')) || key == QLatin1Char('?');
}

bool TextAllowed(const QString &text)
{
    for (const QChar c : text) {
        if (c == QChar(8) || !KeyAllowed(c))
            return false;
    }
    return true;
}

std::optional<int> AnswerNumber(const QString &text)
{
    qint32 value = 0;
    if (!Platform::TryStrToInt(text, &value))
        return std::nullopt;
    return value;
}

} // namespace Exercises
