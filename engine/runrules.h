#pragma once

// The arithmetic of a test run that needs no window: the launch parameters
// of each mode, the Training timer rule, the draw span, the fade, the pace
// checks and the Exam's mistake allowance.

#include "library/settings.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace Run {

constexpr qint32 IntroductoryMode = 1;
constexpr qint32 TrainingMode = 2;
constexpr qint32 ExamMode = 3;

constexpr qint32 StatusLaunched = 777; // RunStatus of a launched run
constexpr qint32 StatusEnded = 2;      // RunStatus once the run has ended by itself

constexpr qint32 IntroductoryElementCount = 20;
constexpr qint32 FixedTicksPerElement = 6; // Introductory Test and Exam
constexpr qint32 UnlimitedTicksPerElement = 20;
// A run needs two Elements to be scored; the upper bound keeps a number
// typed into config.ini from sizing the answer sheet beyond memory.
constexpr qint32 MinimumElementCount = 2;
constexpr qint32 MaximumElementCount = 100000;

// The Training timer rule: milliseconds / 1000 rounded to tenths (halves
// away from zero, on the double value), then the smallest whole number not
// below that. 6000 -> 6, 6050 -> 6, 6051 -> 7, 8050 -> 9, below 50 -> 0.
qint32 TimerTicks(qint32 milliseconds);

// The runner's timer period: a second, except for a Training faster than a
// second an Element, whose timer then ticks once an Element, at its own
// milliseconds: 500 ms stand 500 ms, not a rounded-up second.
constexpr qint32 TickPeriodMs = 1000;
qint32 TickPeriod(qint32 testMode, qint32 milliseconds, bool unlimitedTime);

// What the launcher reads of the options for a run.
struct LaunchValues
{
    QString numberText;            // "Number of elements" of the mode's page
    QString timerText;             // "Timer (MilliSec)" (Training)
    bool unlimitedTime = false;    // "Unlimited time" (Training)
    bool showSerialNumber = false; // "Show serial number" (Training)
    int elementTotal = 0;          // Elements of the mode's Module
    int rangeFrom = -1;            // selected index of the From list; -1: none
    int rangeTo = -1;              // selected index of the To list; -1: none
};

// The runner's parameters for a mode.
struct Parameters
{
    qint32 elementCount = 0;
    qint32 ticksPerElement = 0;
    qint32 tickPeriodMs = TickPeriodMs;
    bool counterVisible = true;
};

// The parameters of a run of `testMode`. Training converts the timer text
// first, then the number text; a text that is not a whole number raises
// AppError "'%s' is not a valid integer value".
Parameters ParametersFor(qint32 testMode, const LaunchValues &values);

// Empty when a run with these parameters may start; else the message that
// refuses it (too few or too many Elements, or no range to draw from).
QString Refusal(qint32 testMode, const Parameters &parameters, const LaunchValues &values);

// The positions a Training or Exam draw covers: from the lower of the two
// selected bounds to the higher, both inside a list of `total` items.
struct DrawSpan
{
    int low = 0;
    int high = 0;
    int Size() const { return high - low + 1; }
};
std::optional<DrawSpan> SpanOf(int from, int to, int total);

// One draw from the program's generator: low + a uniform draw from 0 to
// high - low.
int DrawIndex(const DrawSpan &span);

// The draws of one run from its span, one position at a time:
// - at random: each a DrawIndex of its own, so an Element may come again;
// - shuffled: a deck of every position of the span, shuffled with the
//   program's generator and dealt; when it is used up (the count is larger
//   than the span) it is shuffled again and dealt anew;
// - in order: the span from its low end, one after the other, and again
//   from the low end when it is used up.
class Drawing
{
public:
    Drawing(Settings::Draw draw, const DrawSpan &span);
    int Next();

private:
    void shuffle();
    Settings::Draw m_draw;
    DrawSpan m_span;
    std::vector<int> m_deck; // shuffled: the positions still to deal, last first
    int m_dealt = 0;         // in order: the positions dealt so far
};
// An Introductory Element: 1 to 99 in plain decimal.
QString DrawIntroductoryElement();

// The counter: "3 of 20".
QString CounterText(qint32 number, qint32 count);

// The left edge that centres a label of width w in a window whose outer
// width is W: ceil(W / 2 - w / 2).
int CentredLeft(int windowWidth, int labelWidth);

// The grey level of an Element k ticks after it appeared, out of T:
// trunc(k x 192 / T).
int FadeLevel(qint32 tickInElement, qint32 ticksPerElement);

// The average-time check: the seconds part (0 to 59) of the elapsed time,
// counted with 999 ms to the second, over the Element count, rounded to
// hundredths; above 11.85 is too slow.
bool TooSlow(quint32 elapsedMs, qint32 elementCount);

// The Exam time limit: the elapsed time in whole seconds (1000 ms, halves
// to even) above 6 seconds per Element.
bool ExamTimeExceeded(quint32 elapsedMs, qint32 elementCount);

// Whether the recall goes on after an answer: always, except in an Exam
// once the mistakes exceed a tenth of the Elements (a real division).
bool MayContinue(qint32 testMode, qint32 mistakeCount, qint32 elementCount);

// The spoken-numbers discipline: after "Stop test?" the digits go on this
// many back from the one due next.
constexpr qint32 SpokenNumbersResumeBack = 5;
// How far ahead of its moment the voice is given an Element of the
// discipline: more than the sound server's buffer, so that each is placed
// on its moment.
constexpr qint32 SpokenNumbersAheadMs = 2500;

// The answers of a recall typed as one line (the spoken-numbers
// discipline): blanks and line breaks are left out, then each Element in
// turn takes as many characters as it has (its own blanks left out too);
// the answers past the line's end are empty.
QStringList SplitRecall(const QStringList &elements, const QString &line);

// What an Exam ended for too many mistakes says after its message: the
// answers given so far that are not their Elements, one a line
// ("3. C (answered: c)"), at most `maxLines` of them and then how many
// more. `answers` holds the answers given, `elements` at least as many.
QString WrongAnswersText(const QStringList &elements, const QStringList &answers, int maxLines = 20);

} // namespace Run
