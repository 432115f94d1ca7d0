#pragma once

// Scores of a run under the rules of memory competitions, beside the
// Koeff and mark. A mistake is judged by position, as the report marks
// answers: an answer that differs from its Element, a blank one included.

#include "results/answersheet.h"

#include <QString>
#include <QStringList>
#include <QVector>

#include <span>

namespace SportScoring {

enum class Rule {
    KoeffAndMark = 0,      // the Koeff and the mark, the program's own score
    Rows = 1,              // rows of N: all right N, one mistake N/2 rounded up, more 0
    UntilFirstMistake = 2, // the right answers before the first mistake
    RightAnswers = 3,      // every right answer, no penalty
};

inline constexpr int RowLengthDefault = 10;
inline constexpr int RowLengthMin = 1;
inline constexpr int RowLengthMax = 100;

// The report's "Scoring" choice.
struct Choice
{
    Rule rule = Rule::KoeffAndMark;
    int rowLength = RowLengthDefault;
    bool operator==(const Choice &) const = default;
};

// The names the choice is offered under, in the order of Rule, in the
// user's language; and in English, as the exported CSV file's heading
// gives them.
QStringList RuleNames();
QStringList EnglishRuleNames();

// Whether each row's answer is right (IsRowRight).
QVector<bool> RightByPosition(const AnswerSheet &sheet);
// The same of Elements and answers side by side (answers missing at the
// end are not right).
QVector<bool> RightByPosition(std::span<const QStringView> elements, std::span<const QStringView> answers);

// One row of the Rows rule: Elements [first, first + length).
struct RowScore
{
    int first = 0;
    int length = 0;
    int mistakes = 0;
    int score = 0;
    int Lost() const { return length - score; }
};
// The sheet cut into rows of `rowLength` (a last, shorter row scored on
// its own length).
QVector<RowScore> Rows(const QVector<bool> &right, int rowLength);

// The score under a rule that counts (not KoeffAndMark), and the most it
// could be: the number of Elements.
int Score(const QVector<bool> &right, const Choice &choice);

// The report's line for a rule that counts, e.g. "Rows of 10: 25 of 40;
// lost 5 in row 2 (11–20), 10 in row 4 (31–40)"; empty for KoeffAndMark.
QString ScoreLine(const QVector<bool> &right, const Choice &choice);

// Where the choice is kept: its own section of config.ini.
inline constexpr QLatin1String Section{"Report"};
inline constexpr QLatin1String RuleKey{"Scoring"};
inline constexpr QLatin1String RowLengthKey{"ScoringRowLength"};

// Reads the choice (direct access). Missing keys, a rule that is not one
// of Rule and a row length outside 1 to 100 read as their defaults.
Choice Read(const QString &path);
// Writes the keys whose value differs from what Read gives (direct
// access), so a file whose choice did not change is not touched. Raises
// "Unable to write to %s".
void Write(const QString &path, const Choice &choice);

} // namespace SportScoring
