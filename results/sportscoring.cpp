#include "results/sportscoring.h"

#include "profile/profilefile.h"

#include <QCoreApplication>

namespace SportScoring {
namespace {

constexpr const char *ruleNames[] = {
    QT_TRANSLATE_NOOP("SportScoring", "Koeff and mark"),
    QT_TRANSLATE_NOOP("SportScoring", "Rows"),
    QT_TRANSLATE_NOOP("SportScoring", "Until the first mistake"),
    QT_TRANSLATE_NOOP("SportScoring", "Right answers"),
};

} // namespace

QStringList RuleNames()
{
    QStringList out;
    for (const char *name : ruleNames)
        out.append(QCoreApplication::translate("SportScoring", name));
    return out;
}

QStringList EnglishRuleNames()
{
    QStringList out;
    for (const char *name : ruleNames)
        out.append(QLatin1String(name));
    return out;
}

QVector<bool> RightByPosition(const AnswerSheet &sheet)
{
    QVector<bool> right(sheet.RowCount());
    for (int r = 0; r < sheet.RowCount(); ++r)
        right[r] = IsRowRight(sheet, r);
    return right;
}

QVector<bool> RightByPosition(std::span<const QStringView> elements, std::span<const QStringView> answers)
{
    QVector<bool> right(qsizetype(elements.size()));
    for (size_t r = 0; r < elements.size(); ++r)
        right[qsizetype(r)] = r < answers.size() && IsAnswerRight(elements[r], answers[r]);
    return right;
}

QVector<RowScore> Rows(const QVector<bool> &right, int rowLength)
{
    QVector<RowScore> rows;
    const int n = int(right.size());
    const int step = qBound(RowLengthMin, rowLength, RowLengthMax);
    for (int first = 0; first < n; first += step) {
        RowScore row;
        row.first = first;
        row.length = qMin(step, n - first);
        for (int k = first; k < first + row.length; ++k)
            row.mistakes += right.at(k) ? 0 : 1;
        row.score = row.mistakes == 0 ? row.length : row.mistakes == 1 ? (row.length + 1) / 2 : 0;
        rows.append(row);
    }
    return rows;
}

int Score(const QVector<bool> &right, const Choice &choice)
{
    int score = 0;
    switch (choice.rule) {
    case Rule::KoeffAndMark:
        return 0;
    case Rule::Rows:
        for (const RowScore &row : Rows(right, choice.rowLength))
            score += row.score;
        return score;
    case Rule::UntilFirstMistake:
        while (score < right.size() && right.at(score))
            ++score;
        return score;
    case Rule::RightAnswers:
        for (bool r : right)
            score += r ? 1 : 0;
        return score;
    }
    return 0;
}

QString ScoreLine(const QVector<bool> &right, const Choice &choice)
{
    if (choice.rule == Rule::KoeffAndMark)
        return QString();
    const QString score = QString::number(Score(right, choice));
    const QString count = QString::number(right.size());
    switch (choice.rule) {
    case Rule::KoeffAndMark:
        break;
    case Rule::Rows: {
        const int length = qBound(RowLengthMin, choice.rowLength, RowLengthMax);
        QStringList lost;
        constexpr int shown = 8;
        int losing = 0;
        for (const RowScore &row : Rows(right, choice.rowLength)) {
            if (row.Lost() == 0)
                continue;
            if (++losing > shown)
                continue;
            lost.append(QCoreApplication::translate("SportScoring", "%1 in row %2 (%3–%4)")
                            .arg(QString::number(row.Lost()), QString::number(row.first / length + 1),
                                 QString::number(row.first + 1), QString::number(row.first + row.length)));
        }
        if (losing > shown)
            lost.append(QStringLiteral("…"));
        if (lost.isEmpty())
            return QCoreApplication::translate("SportScoring", "Rows of %1: %2 of %3")
                .arg(QString::number(length), score, count);
        return QCoreApplication::translate("SportScoring", "Rows of %1: %2 of %3; lost %4")
            .arg(QString::number(length), score, count, lost.join(QStringLiteral(", ")));
    }
    case Rule::UntilFirstMistake:
        return QCoreApplication::translate("SportScoring", "Until the first mistake: %1 of %2").arg(score, count);
    case Rule::RightAnswers:
        return QCoreApplication::translate("SportScoring", "Right answers: %1 of %2").arg(score, count);
    }
    return QString();
}

Choice Read(const QString &path)
{
    const ProfileFile file(path, ProfileFile::Access::Direct);
    Choice choice;
    const qint32 rule = file.ReadNumber(Section, RuleKey, qint32(choice.rule));
    if (rule >= qint32(Rule::KoeffAndMark) && rule <= qint32(Rule::RightAnswers))
        choice.rule = Rule(rule);
    const qint32 length = file.ReadNumber(Section, RowLengthKey, choice.rowLength);
    if (length >= RowLengthMin && length <= RowLengthMax)
        choice.rowLength = length;
    return choice;
}

void Write(const QString &path, const Choice &choice)
{
    const Choice held = Read(path);
    ProfileFile file(path, ProfileFile::Access::Direct);
    if (choice.rule != held.rule)
        file.WriteNumber(Section, RuleKey, qint32(choice.rule));
    if (choice.rowLength != held.rowLength)
        file.WriteNumber(Section, RowLengthKey, choice.rowLength);
}

} // namespace SportScoring
