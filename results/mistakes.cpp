#include "results/mistakes.h"

#include "library/modules.h"
#include "results/analysis.h"
#include "results/resultsstore.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSet>

namespace Mistakes {
namespace {

// The name before its moment, in the user's language.
QString name(const QString &moment) { return QCoreApplication::translate("Mistakes", "Mistakes %1").arg(moment); }

// What a drill's name starts with in each language the program speaks, so
// that one made in German is still a drill when the program speaks Russian.
QStringList prefixes()
{
    QStringList out{QStringLiteral("Mistakes "), QStringLiteral("Fehler "), QStringLiteral("Ошибки "),
                    QStringLiteral("Erreurs "), QStringLiteral("Errores ")};
    const QString own = name(QString());
    if (!own.isEmpty() && !out.contains(own))
        out.append(own);
    return out;
}

QString momentFormat(const QLocale &locale)
{
    return ResultsStore::FullYearDateFormat(locale.dateFormat(QLocale::ShortFormat)) + QLatin1Char(' ')
           + locale.timeFormat(QLocale::ShortFormat);
}

} // namespace

namespace {

// The Elements taken (row indices) and their kinds.
QVector<int> taken(const AnswerSheet &sheet, const Analysis::Result &analysis)
{
    QVector<int> out;
    QSet<QString> seen;
    for (int r : Analysis::MissedElements(analysis)) {
        const QString text = sheet.Cell(AnswerSheet::Text, r);
        if (seen.contains(text))
            continue;
        seen.insert(text);
        out.append(r);
    }
    return out;
}

} // namespace

QStringList WrongElements(const AnswerSheet &sheet, Qt::CaseSensitivity letterCase)
{
    QStringList out;
    for (int r : taken(sheet, Analysis::Analyse(sheet, letterCase)))
        out.append(sheet.Cell(AnswerSheet::Text, r));
    return out;
}

QString KindsTaken(const AnswerSheet &sheet, Qt::CaseSensitivity letterCase)
{
    const Analysis::Result analysis = Analysis::Analyse(sheet, letterCase);
    int counts[4] = {};
    for (int r : taken(sheet, analysis)) {
        switch (analysis.kinds.at(r)) {
        case Analysis::Kind::Omitted:
            ++counts[0];
            break;
        case Analysis::Kind::Wrong:
            ++counts[1];
            break;
        case Analysis::Kind::Blank:
            ++counts[2];
            break;
        case Analysis::Kind::Swapped:
            ++counts[3];
            break;
        case Analysis::Kind::Right:
        case Analysis::Kind::Shifted:
            break;
        }
    }
    static const char *const names[] = {QT_TRANSLATE_N_NOOP("Mistakes", "%n omitted"),
                                        QT_TRANSLATE_N_NOOP("Mistakes", "%n wrong"),
                                        QT_TRANSLATE_N_NOOP("Mistakes", "%n blank"),
                                        QT_TRANSLATE_N_NOOP("Mistakes", "%n swapped")};
    QStringList parts;
    for (int k = 0; k < 4; ++k)
        if (counts[k] > 0)
            parts.append(QCoreApplication::translate("Mistakes", names[k], nullptr, counts[k]));
    return parts.join(QStringLiteral(", "));
}

QString Name(const QDateTime &now, const QLocale &locale) { return name(locale.toString(now, momentFormat(locale))); }

bool IsName(const QString &name, const QLocale &locale)
{
    static const QRegularExpression counter(QStringLiteral(" \\([0-9]+\\)$"));
    for (const QString &prefix : prefixes()) {
        if (!name.startsWith(prefix))
            continue;
        QString moment = name.mid(prefix.size());
        moment.remove(counter);
        if (locale.toDateTime(moment, momentFormat(locale)).isValid())
            return true;
    }
    return false;
}

Plan PlanFor(const AnswerSheet &sheet, const QStringList &library, const QDateTime &now, const QLocale &locale,
             Qt::CaseSensitivity letterCase)
{
    Plan plan;
    plan.elements = WrongElements(sheet, letterCase);
    if (plan.elements.isEmpty())
        return plan;
    if (plan.elements.size() == 1) {
        plan.elements.append(plan.elements.first());
        plan.repeated = true;
    }
    QString data;
    plan.keepable = Modules::ExactData(plan.elements, &data);
    const QString base = Name(now, locale);
    plan.name = Modules::FreeName(base, library);
    for (auto it = library.crbegin(); it != library.crend(); ++it) {
        if (IsName(*it, locale)) {
            plan.replaceable = *it;
            break;
        }
    }
    if (!plan.replaceable.isEmpty()) {
        QStringList rest = library;
        rest.removeAll(plan.replaceable);
        plan.nameIfReplaced = Modules::FreeName(base, rest);
    }
    return plan;
}

} // namespace Mistakes
