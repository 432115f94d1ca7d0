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

QVector<Verdict> Judge(const AnswerSheet &sheet, bool letterCaseCounts)
{
    const Qt::CaseSensitivity cs = letterCaseCounts ? Qt::CaseSensitive : Qt::CaseInsensitive;
    QVector<Verdict> verdicts(sheet.RowCount());
    for (int r = 0; r < sheet.RowCount(); ++r) {
        const QString element = sheet.Cell(AnswerSheet::Text, r);
        const QString answer = sheet.Cell(AnswerSheet::Answer, r);
        verdicts[r] = !sheet.BlanksLost(r) && IsAnswerRightAs(element, answer, cs) ? Verdict::Right
                      : IsNoAnswer(answer)                                         ? Verdict::Blank
                                                                                   : Verdict::Wrong;
    }
    return verdicts;
}

QVector<Verdict> Judge(std::span<const QStringView> elements, std::span<const QStringView> answers,
                       bool letterCaseCounts)
{
    const Qt::CaseSensitivity cs = letterCaseCounts ? Qt::CaseSensitive : Qt::CaseInsensitive;
    QVector<Verdict> verdicts(qsizetype(elements.size()));
    for (size_t r = 0; r < elements.size(); ++r) {
        const QStringView answer = r < answers.size() ? answers[r] : QStringView();
        verdicts[qsizetype(r)] = IsAnswerRightAs(elements[r], answer, cs) ? Verdict::Right
                                 : IsNoAnswer(answer)                     ? Verdict::Blank
                                                                          : Verdict::Wrong;
    }
    return verdicts;
}

QVector<RowScore> Rows(const QVector<Verdict> &verdicts, const Choice &choice)
{
    QVector<RowScore> rows;
    const int n = int(verdicts.size());
    // Where the answers stop: after the last one that is not blank.
    int stop = n;
    while (stop > 0 && verdicts.at(stop - 1) == Verdict::Blank)
        --stop;
    const int step = qBound(RowLengthMin, choice.rowLength, RowLengthMax);
    bool ended = false;
    for (int first = 0; first < n; first += step) {
        RowScore row;
        row.first = first;
        row.length = qMin(step, n - first);
        row.written = qBound(0, stop - first, row.length);
        int blanks = 0;
        for (int k = first; k < first + row.written; ++k) {
            row.mistakes += verdicts.at(k) == Verdict::Right ? 0 : 1;
            blanks += verdicts.at(k) == Verdict::Blank ? 1 : 0;
        }
        row.skipped = row.written > 0 && blanks == row.written;
        row.afterEnd = ended;
        if (row.skipped && choice.skippedRowEnds)
            ended = true;
        if (row.afterEnd || row.skipped || row.written == 0)
            row.score = 0;
        else if (row.mistakes == 0)
            row.score = row.written;
        else if (row.mistakes == 1 && choice.halfRowForOneMistake)
            row.score = (row.written + 1) / 2;
        rows.append(row);
    }
    return rows;
}

int Score(const QVector<Verdict> &verdicts, const Choice &choice)
{
    int score = 0;
    switch (choice.rule) {
    case Rule::KoeffAndMark:
        return 0;
    case Rule::Rows:
        for (const RowScore &row : Rows(verdicts, choice))
            score += row.score;
        return score;
    case Rule::UntilFirstMistake:
        while (score < verdicts.size() && verdicts.at(score) == Verdict::Right)
            ++score;
        return score;
    case Rule::RightAnswers:
        for (Verdict v : verdicts)
            score += v == Verdict::Right ? 1 : 0;
        return score;
    }
    return 0;
}

QString ScoreLine(const QVector<Verdict> &verdicts, const Choice &choice)
{
    if (choice.rule == Rule::KoeffAndMark)
        return QString();
    const QString score = QString::number(Score(verdicts, choice));
    const QString count = QString::number(verdicts.size());
    switch (choice.rule) {
    case Rule::KoeffAndMark:
        break;
    case Rule::Rows: {
        const int length = qBound(RowLengthMin, choice.rowLength, RowLengthMax);
        QStringList lost;
        constexpr int shown = 8;
        int losing = 0;
        int endedAt = 0; // the skipped row that ended the scoring, from 1
        for (const RowScore &row : Rows(verdicts, choice)) {
            if (row.skipped && !row.afterEnd && choice.skippedRowEnds && endedAt == 0)
                endedAt = row.first / length + 1;
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
        QString line = lost.isEmpty()
                           ? QCoreApplication::translate("SportScoring", "Rows of %1: %2 of %3")
                                 .arg(QString::number(length), score, count)
                           : QCoreApplication::translate("SportScoring", "Rows of %1: %2 of %3; lost %4")
                                 .arg(QString::number(length), score, count, lost.join(QStringLiteral(", ")));
        if (endedAt > 0)
            line += QStringLiteral("; ")
                    + QCoreApplication::translate("SportScoring", "row %1 left blank ends the scoring")
                          .arg(QString::number(endedAt));
        return line;
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
    const auto readSwitch = [&file](QLatin1String key, bool &value) {
        const qint32 number = file.ReadNumber(Section, key, value ? 1 : 0);
        if (number == 0 || number == 1)
            value = number == 1;
    };
    readSwitch(HalfRowKey, choice.halfRowForOneMistake);
    readSwitch(SkippedRowEndsKey, choice.skippedRowEnds);
    readSwitch(LetterCaseKey, choice.letterCaseCounts);
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
    if (choice.halfRowForOneMistake != held.halfRowForOneMistake)
        file.WriteNumber(Section, HalfRowKey, choice.halfRowForOneMistake ? 1 : 0);
    if (choice.skippedRowEnds != held.skippedRowEnds)
        file.WriteNumber(Section, SkippedRowEndsKey, choice.skippedRowEnds ? 1 : 0);
    if (choice.letterCaseCounts != held.letterCaseCounts)
        file.WriteNumber(Section, LetterCaseKey, choice.letterCaseCounts ? 1 : 0);
}

} // namespace SportScoring
