#include "results/numbertext.h"

#include <QLocale>

#include <cmath>

namespace NumberText {

QString FromDouble(double value)
{
    if (value == 0.0 || !std::isfinite(value))
        value = std::isfinite(value) ? 0.0 : value;
    QString text = QString::number(value, 'g', 15);
    text.replace(QLatin1Char('.'), QLatin1Char(','));
    return text;
}

bool ToDouble(const QString &text, double *value)
{
    const QString t = text.trimmed();
    if (t.isEmpty() || t.contains(QLatin1Char('.')))
        return false;
    QString c = t;
    c.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double v = QLocale::c().toDouble(c, &ok);
    if (!ok || !std::isfinite(v))
        return false;
    if (value)
        *value = v;
    return true;
}

} // namespace NumberText
