#pragma once

// Scoring of a completed run: the time split, the coefficient (Koeff) and
// the school mark. Pure functions of the sheet, the mode, the ticks and the
// mistake count.

#include "results/answersheet.h"

#include <QString>
#include <QVector>

#include <optional>

// x rounded to the nearest multiple of 1/a (a > 0), halves away from zero.
// Works on the double value of x: the fraction is scaled by a and rounded
// to a double before the half is judged, so 2.345 gives 2.35 but 1.005
// gives 1 (its double lies just below the half). Used with a = 100 by the
// report and the runner's pace check, with a = 10 by the launcher.
double RoundToFraction(double x, int a);

namespace Scoring {

// Milliseconds between two tick counts, as an unsigned 32-bit difference
// (right across a wrap of the counter).
inline quint32 Elapsed(quint32 startTick, quint32 endTick) { return endTick - startTick; }

// Hours, minutes and seconds of a duration for display, counting 999 ms
// to the second: H = ms div 3596400 mod 24, M = ms div 59940 mod 60,
// S = ms div 999 mod 60.
struct TimeSplit
{
    int H = 0;
    int M = 0;
    int S = 0;
    int Sum() const { return H * 3600 + M * 60 + S; }
};
TimeSplit SplitTime(quint32 ms);

// "H:M:S  Average time for each number: A sec." with A the rounded
// average of the split's seconds over `total` Elements (total > 0).
QString TimeText(quint32 ms, int total);
// A stored time text as the report shows it: in the user's language, from
// the figures it holds, minutes and seconds of two digits
// ("0:01:05  Average time for each number: 3,25 sec."). The file keeps
// the English text; a text of another shape is shown as it is.
QString ShownTime(const QString &stored);

// Introductory Test (mode 1): Right / 5. Training and Exam:
// (Total - Seconds / 6 + Right) / 5. Not yet rounded.
double Koeff(int testMode, int total, int right, double seconds);

// What Koeff is, as the report's key shows it: "Koeff = (Elements + right
// − seconds ÷ 6) ÷ 5", or "Koeff = right ÷ 5" for the Introductory Test
// (mode 1).
QString KoeffKey(int testMode);
// The same in words, for a tool tip or a screen reader.
QString KoeffInWords();

// The mark of a Koeff, judged in whole hundredths. A Koeff between two
// bands of the table gets the mark of the band below; 57 and more is
// "Master" only when 10 x errors < total.
QString MarkFor(double koeff, int total, int errors);
// A stored mark as shown: "Master" in the user's language, the others,
// digits, as they are.
QString ShownMark(const QString &stored);

// The bands MarkFor judges by, lowest first: each mark from the Koeff of
// its lower edge in hundredths (the lowest band has no edge). The top
// band is "Master", given only when 10 x errors < total, else "5".
struct MarkBand
{
    int fromHundredths;
    QString mark;
};
QVector<MarkBand> MarkBands();

// The bands as the report's key, in two lines that fit its width:
// "Marks: 2 <3,7 · 3- ≥3,7 · ..." (each mark from the Koeff after "≥");
// and in words, for the tool tip and screen readers.
QString MarkKey();
QString MarkKeyInWords();

struct Result
{
    int total = 0;
    int right = 0;
    int errors = 0;
    double seconds = 0; // presentation phase, rounded to hundredths
    double average = 0; // seconds per Element, from the 999-based split
    double koeff = 0;   // rounded to hundredths
    RunReport report;   // the texts of all of the above, with Time and Mark
};

// Scores a sheet. Nothing when it has a single row or its second row has
// no number yet: such a run is not scored.
std::optional<Result> Score(const AnswerSheet &sheet, int testMode, quint32 startTick, quint32 endTick,
                            int mistakeCount);

} // namespace Scoring
