#include "results/numbertext.h"

#include <QLocale>
#include <QVarLengthArray>

#include <algorithm>

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
    const QStringView t = QStringView(text).trimmed();
    if (t.isEmpty() || t.contains(QLatin1Char('.')))
        return false;
    // The "," made a ".", in place for a number of usual length.
    QVarLengthArray<char16_t, 64> c(t.size());
    std::replace_copy(t.utf16(), t.utf16() + t.size(), c.data(), u',', u'.');
    bool ok = false;
    const double v = QLocale::c().toDouble(QStringView(c.constData(), c.size()), &ok);
    if (!ok || !std::isfinite(v))
        return false;
    if (value)
        *value = v;
    return true;
}

} // namespace NumberText
