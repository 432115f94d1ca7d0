#pragma once

// What kind of mistake each answer of a run is, found by aligning the
// answers with the Elements as two sequences.
//
// The alignment is an edit distance over whole Elements: an answer matches
// an Element when IsAnswerRightAs says so, with letter case counting or
// not as asked (an untouched "???" is no answer, as an empty one); leaving an Element out, adding an
// answer, putting another text in an Element's place and giving two
// neighbours in reverse order each cost one step. Of the alignments with
// the fewest steps the one with the fewest other texts (wrong or blank) is
// taken, so that a run is explained by omissions and swaps before wrong
// answers; what still ties is settled in a fixed order (match, swap,
// omission, insertion, wrong), the same every time.
//
// Long runs are aligned in a band: exact matches (four in a row) are taken
// as anchors, and a stretch between two anchors is aligned exactly when
// both of its sides are at most Band long; so is the end of a run, where
// no anchor fits. Where no anchor is found that near, the answers are
// judged place by place until one is. So a run of n Elements costs
// about n x Band steps at worst, however little of it matches.

#include "results/answersheet.h"

#include <QString>
#include <QStringList>
#include <QVector>

#include <span>

namespace Analysis {

inline constexpr int Band = 96;

// The fate of one Element.
enum class Kind {
    Right,   // its answer stands in its own row
    Shifted, // its answer is right but stands in another row
    Omitted, // left out: no answer belongs to it
    Swapped, // given in reverse order with a neighbour
    Wrong,   // another text in its place
    Blank,   // no answer in its place
};

struct Swap
{
    int first; // Element indices, first + 1 == second
    int second;
};

struct Result
{
    // Per Element: its kind, and the index of the answer aligned with it
    // (-1 when omitted).
    QVector<Kind> kinds;
    QVector<int> answerOf;
    // Per answer: the Element aligned with it, -1 when inserted.
    QVector<int> elementOf;
    QVector<bool> answerEmpty;

    int right = 0;
    int omitted = 0;
    int inserted = 0; // answers that belong to no Element; blank ones are not counted
    int swapped = 0;  // pairs
    int wrong = 0;
    int blank = 0;
    // The longest common subsequence of Elements and answers, found in the
    // same band as the alignment: how many answers are right in order.
    int rightInOrder = 0;
    QVector<Swap> swaps;

    int Mistakes() const { return omitted + inserted + 2 * swapped + wrong + blank; }
};

// Texts side by side, viewed where they are kept.
using Texts = std::span<const QStringView>;

// Aligns `answers` with `elements`.
Result Analyse(Texts elements, Texts answers, Qt::CaseSensitivity letterCase = Qt::CaseSensitive);
Result Analyse(const QStringList &elements, const QStringList &answers,
               Qt::CaseSensitivity letterCase = Qt::CaseSensitive);
// The sheet's Text column against its Answer column.
Result Analyse(const AnswerSheet &sheet, Qt::CaseSensitivity letterCase = Qt::CaseSensitive);
// Analyse(...).rightInOrder alone, without the rest of the result.
int RightInOrder(Texts elements, Texts answers, Qt::CaseSensitivity letterCase = Qt::CaseSensitive);

// The summary above the report's grid, e.g. "1 omitted at 7; 13 after it
// right but one place late; 2 wrong; 1 swapped (11–12)"; "No mistakes"
// when there are none. Positions count from 1.
QString Summary(const Result &result);
// "Right in order: 17 of 20".
QString RightInOrderText(const Result &result);
// What the report says in row `row`: the fate of the row's Element and of
// the answer that stands there, e.g. "omitted; right but one place late".
QString RowText(const Result &result, int row);

// The Elements a drill takes: those omitted, wrong, blank and both of a
// swapped pair, in the run's order (indices).
QVector<int> MissedElements(const Result &result);

} // namespace Analysis
