#pragma once

// Scores of a run under the rules of memory competitions, beside the
// Koeff and mark. Answers are judged by position: right, wrong, or blank
// (no answer: empty or the untouched "???"). Letter case counts unless
// the choice says otherwise.

#include "results/answersheet.h"

#include <QString>
#include <QStringList>
#include <QVector>

#include <span>

namespace SportScoring {

enum class Rule {
    KoeffAndMark = 0,      // the Koeff and the mark, the program's own score
    Rows = 1,              // rows of N: all right N, one mistake N/2 rounded up (or 0), more 0
    UntilFirstMistake = 2, // the right answers before the first mistake
    RightAnswers = 3,      // every right answer, no penalty
};

inline constexpr int RowLengthDefault = 10;
inline constexpr int RowLengthMin = 1;
inline constexpr int RowLengthMax = 100;

// The report's "Scoring" choice. The defaults follow the world
// championship rules: half a row for one mistake, a skipped row scoring 0
// without ending the scoring.
struct Choice
{
    Rule rule = Rule::KoeffAndMark;
    int rowLength = RowLengthDefault;
    bool halfRowForOneMistake = true; // false: any mistake scores the row 0 (national rules)
    bool skippedRowEnds = false;      // a row left wholly blank ends the scoring
    bool letterCaseCounts = true;     // false: Rows, Until the first mistake and Right answers ignore case
    bool operator==(const Choice &) const = default;
};

// How an answer stands against its Element.
enum class Verdict : quint8 { Right, Wrong, Blank };

// The names the choice is offered under, in the order of Rule, in the
// user's language; and in English, as the exported CSV file's heading
// gives them.
QStringList RuleNames();
QStringList EnglishRuleNames();

// Each row's answer judged (IsAnswerRightAs; a row whose blanks were lost
// is wrong unless it gives nothing), with letter case as `letterCaseCounts`.
QVector<Verdict> Judge(const AnswerSheet &sheet, bool letterCaseCounts);
// The same of Elements and answers side by side (answers missing at the
// end are blank).
QVector<Verdict> Judge(std::span<const QStringView> elements, std::span<const QStringView> answers,
                       bool letterCaseCounts);

// One row of the Rows rule: Elements [first, first + length). The last
// row written is the one where the answers stop (the last one that is not
// blank): it scores only the Elements up to there, and rows after it
// score nothing. Blanks before that point are mistakes.
struct RowScore
{
    int first = 0;
    int length = 0;
    int written = 0;       // Elements up to where the answers stop
    int mistakes = 0;      // wrong or blank among them
    bool skipped = false;  // wholly blank, though answers follow
    bool afterEnd = false; // after a skipped row that ended the scoring
    int score = 0;
    int Lost() const { return length - score; }
};
// The sheet cut into rows of the choice's row length, scored by its rules.
QVector<RowScore> Rows(const QVector<Verdict> &verdicts, const Choice &choice);

// The score under a rule that counts (not KoeffAndMark), and the most it
// could be: the number of Elements.
int Score(const QVector<Verdict> &verdicts, const Choice &choice);

// The report's line for a rule that counts, e.g. "Rows of 10: 25 of 40;
// lost 5 in row 2 (11–20), 10 in row 4 (31–40)"; empty for KoeffAndMark.
QString ScoreLine(const QVector<Verdict> &verdicts, const Choice &choice);

// Where the choice is kept: its own section of config.ini.
inline constexpr QLatin1String Section{"Report"};
inline constexpr QLatin1String RuleKey{"Scoring"};
inline constexpr QLatin1String RowLengthKey{"ScoringRowLength"};
inline constexpr QLatin1String HalfRowKey{"ScoringHalfRow"};
inline constexpr QLatin1String SkippedRowEndsKey{"ScoringSkippedRowEnds"};
inline constexpr QLatin1String LetterCaseKey{"ScoringLetterCase"};

// Reads the choice (direct access). Missing keys, a rule that is not one
// of Rule, a row length outside 1 to 100 and a switch that is neither 0
// nor 1 read as their defaults.
Choice Read(const QString &path);
// Writes the keys whose value differs from what Read gives (direct
// access), so a file whose choice did not change is not touched. Raises
// "Unable to write to %s".
void Write(const QString &path, const Choice &choice);

} // namespace SportScoring
