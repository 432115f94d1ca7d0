#include "results/mistakes.h"

#include "library/modules.h"
#include "results/resultsstore.h"

#include <QRegularExpression>
#include <QSet>

namespace Mistakes {
namespace {

const QString &prefix()
{
    static const QString text = QStringLiteral("Mistakes ");
    return text;
}

QString momentFormat(const QLocale &locale)
{
    return ResultsStore::FullYearDateFormat(locale.dateFormat(QLocale::ShortFormat)) + QLatin1Char(' ')
           + locale.timeFormat(QLocale::ShortFormat);
}

} // namespace

QStringList WrongElements(const AnswerSheet &sheet)
{
    QStringList out;
    QSet<QString> seen;
    for (int r = 0; r < sheet.RowCount(); ++r) {
        const QString text = sheet.Cell(AnswerSheet::Text, r);
        if (IsRowRight(sheet, r) || seen.contains(text))
            continue;
        seen.insert(text);
        out.append(text);
    }
    return out;
}

QString Name(const QDateTime &now, const QLocale &locale) { return prefix() + locale.toString(now, momentFormat(locale)); }

bool IsName(const QString &name, const QLocale &locale)
{
    if (!name.startsWith(prefix()))
        return false;
    QString moment = name.mid(prefix().size());
    static const QRegularExpression counter(QStringLiteral(" \\([0-9]+\\)$"));
    moment.remove(counter);
    return locale.toDateTime(moment, momentFormat(locale)).isValid();
}

Plan PlanFor(const AnswerSheet &sheet, const QStringList &library, const QDateTime &now, const QLocale &locale)
{
    Plan plan;
    plan.elements = WrongElements(sheet);
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
