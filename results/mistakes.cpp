#include "results/mistakes.h"

#include "library/modules.h"
#include "results/analysis.h"
#include "results/resultsstore.h"

#include <QCoreApplication>
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

QString Name(const QDateTime &now, const QLocale &locale)
{
    return prefix() + locale.toString(now, momentFormat(locale));
}

bool IsName(const QString &name, const QLocale &locale)
{
    if (!name.startsWith(prefix()))
        return false;
    QString moment = name.mid(prefix().size());
    static const QRegularExpression counter(QStringLiteral(" \\([0-9]+\\)$"));
    moment.remove(counter);
    return locale.toDateTime(moment, momentFormat(locale)).isValid();
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
