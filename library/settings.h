#pragma once

// The Settings: the parameters of Training (section "Test") and Exam
// (section "Exam") kept in config.ini, and the rules that map them to and
// from the options dialog's controls. The Settings in force are what the
// dialog last loaded or saved (RunOptions), never what is typed in it
// before OK; this file only knows the file side and the matching.

#include "library/modules.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace Settings {

inline constexpr QLatin1String TestSection{"Test"};
inline constexpr QLatin1String ExamSection{"Exam"};

inline constexpr QLatin1String TNumOfElKey{"TNumOfEl"};
inline constexpr QLatin1String TimerMSecKey{"TimerMSec"};
inline constexpr QLatin1String TMNameKey{"TMName"};
inline constexpr QLatin1String TDiapFromKey{"TDiapFrom"};
inline constexpr QLatin1String TDiapToKey{"TDiapTo"};
inline constexpr QLatin1String IfexecKey{"Ifexec"};
inline constexpr QLatin1String IfNoTimeLimitKey{"IfNoTimeLimit"};
inline constexpr QLatin1String IfShowNumKey{"IfShowNum"};
inline constexpr QLatin1String IfSpeakKey{"IfSpeak"};
inline constexpr QLatin1String IfHideElKey{"IfHideEl"};
inline constexpr QLatin1String TVoiceKey{"TVoice"};
inline constexpr QLatin1String TSpeechRateKey{"TSpeechRate"};
inline constexpr QLatin1String IfDigitsKey{"IfDigits"};
inline constexpr QLatin1String TPauseMSecKey{"TPauseMSec"};
inline constexpr QLatin1String IfSpokenNumKey{"IfSpokenNum"};
inline constexpr QLatin1String ENumOfElKey{"ENumOfEl"};
inline constexpr QLatin1String EMNameKey{"EMName"};
inline constexpr QLatin1String EDiapFromKey{"EDiapFrom"};
inline constexpr QLatin1String EDiapToKey{"EDiapTo"};
inline constexpr QLatin1String TDrawKey{"TDraw"};
inline constexpr QLatin1String EDrawKey{"EDraw"};

// What the spin buttons and typing may produce; loading and saving never
// check against them.
inline constexpr int NumOfElMin = 20;
inline constexpr int NumOfElMax = 1000;
inline constexpr int TimerMin = 5000;
inline constexpr int TimerMax = 20000;
// A spoken Training may go down to a second an Element (a digit).
inline constexpr int SpokenTimerMin = 1000;
// A Training may go further, to the pace and length athletes train at; the
// Exam keeps the bounds above.
inline constexpr int TrainingNumOfElMax = 10000;
inline constexpr int TrainingTimerMin = 500;
inline constexpr int TrainingSpokenTimerMin = 800;
inline constexpr int TimerTypedLength = 5;
// The least silence between two spoken Elements, so that where the voice
// is longer than the pace the Elements do not run together.
inline constexpr int PauseMin = 100;
inline constexpr int PauseMax = 1000;
inline constexpr int PauseDefault = 300;
// The trial lengths of the spoken-numbers discipline, in digits.
inline constexpr int SpokenNumbersTrials[] = {100, 200, 300, 550};

// The bounds of a range as stored: the texts of the From and To Elements.
// A bound whose key is missing has no value (the whole range applies); a
// stored empty text is a value and matches an empty Element.
struct StoredRange
{
    std::optional<QString> from;
    std::optional<QString> to;
};

// How a run draws its Elements from the range, stored as a number under
// TDraw and EDraw. At random is what the program always did.
enum class Draw {
    AtRandom = 0, // each Element on its own, with replacement
    Shuffled = 1, // a shuffled deck of the range, dealt again when used up
    InOrder = 2,  // the range as written from its start, again from the start when used up
};

// The stored number of a draw; an unknown one reads as AtRandom.
Draw DrawFromNumber(int number);

// The values of one page of the options: Training ("Test") or Exam.
struct PageValues
{
    QString NumOfEl = QStringLiteral("20");
    QString ModuleName; // empty: none
    StoredRange range;
    Draw draw = Draw::AtRandom;
};

// How a Training is spoken.
struct Speech
{
    bool IfSpeak = false;          // "Speak Elements"
    bool IfHideEl = false;         // "Hide Elements while speaking"
    QString TVoice;                // a voice of the engine by name; empty: its default
    int TSpeechRate = 0;           // tenths of the engine's scale, -10 to 10; 0 normal
    bool IfDigits = false;         // "Read numbers digit by digit"
    int TPauseMSec = PauseDefault; // the least pause between Elements; PausedMs gives the one in use
    // "Spoken numbers": one Element a Timer's time, each said on its time,
    // nothing on screen, recalled as one line and scored until the first
    // mistake.
    bool IfSpokenNum = false;
    bool operator==(const Speech &) const = default;
};

// The twelve values as the file holds them, and the speech options. Texts are kept as typed; the
// numeric ones are converted only when a run starts.
struct Record
{
    PageValues training;
    QString TimerMSec = QStringLiteral("6000");
    bool DoExercises = true; // stored as Ifexec
    bool IfNoTimeLimit = false;
    bool IfShowNum = true;
    // None: the speech keys are left as the file holds them (a build or a
    // system that can't speak writes none of them).
    std::optional<Speech> speech = Speech();
    PageValues exam;
    // The keep threshold (Threshold in section Keep), a percentage. None:
    // the key is left as the file holds it.
    std::optional<int> keepThreshold;
};

// The pause a run keeps between spoken Elements: the stored one brought
// within PauseMin to PauseMax.
int PausedMs(const Speech &speech);

// How fast a Training read digit by digit really goes. Each Element's
// digits are said one by one, then the pause, and the next Element waits
// for both: a long number can take longer than the Timer.
struct SpokenPace
{
    int digits = 0;    // of the longest number among the Elements; 0: none
    int spokenMs = 0;  // what the voice takes to say them, estimated
    int pauseMs = 0;   // the silence after them
    int timerMs = 0;   // the Timer
    int elementMs = 0; // an Element every elementMs: the longer of the Timer and the voice with its pause
};
// The most digits in one Element of `from` to `to` (indices, inclusive)
// that is a number: no letters, at least one digit. 0 when none is.
int LongestNumber(const Modules::ElementList &elements, qsizetype from, qsizetype to);
// The pace of `digits` digits read at a speech rate (in tenths, -10 to
// 10), with a pause and a Timer in milliseconds.
SpokenPace PaceOf(int digits, int rateTenths, int pauseMs, int timerMs);

// Reads config.ini with direct access; missing keys give their defaults.
// Values come back as direct access returns them: trimmed, one pair of
// enclosing quotes removed, cut at 2,047 characters; the Module names and
// bounds are not cut, so that a long Element still matches. Flags are read as
// integers: on when the value is 1 ("0x1" included), a value that is not
// an integer counts as the default. The speech keys default to off, the
// engine's voice and its normal rate.
Record Read(const QString &path);

// Writes all twelve keys in one direct write, in the order TNumOfEl,
// TimerMSec, TMName, TDiapFrom, TDiapTo, Ifexec, IfNoTimeLimit, IfShowNum,
// ENumOfEl, EMName, EDiapFrom, EDiapTo. The speech keys IfSpeak, IfHideEl,
// TVoice and TSpeechRate follow IfShowNum when the record has them and
// either one differs from its default or the file holds one already: a
// file of someone who never turned speech on stays as it was. IfDigits
// follows them when it is on or the file holds it already, and TPauseMSec
// when it is not the default or the file holds it already, IfSpokenNum
// when it is on or the file holds it already. TDraw follows
// (IfDigits or) IfShowNum and EDraw follows EDiapTo, each when its draw is
// not at random or the file holds it already. The keep threshold follows
// last when the record has one. Nothing is validated; a
// missing bound is written empty; flags as "1" or "0". A missing file or
// section is created and every other line is left as it was. A Module
// name or bound that the read would change (a blank at an end, enclosing
// quotes) is written between double quotes (Profile::DirectStored). Raises
// "Unable to write to %s" when the file can't be written, and then leaves
// it as it was.
void Write(const QString &path, const Record &record);

// Writes the Training's count, Module and range (TNumOfEl, TMName,
// TDiapFrom, TDiapTo) in one direct write onto the file as it is then:
// every other key keeps what it holds, whoever wrote it. Raises as Write.
void WriteTraining(const QString &path, const PageValues &training);

// The Settings in force for a Training or an Exam, as the launcher and the
// runner take them: the page's values as stored, the Elements of its
// Module as the options last loaded them with the range's positions among
// them, and the Training's timer and switches.
struct RunOptions
{
    PageValues page;               // ModuleName: the Module in use; empty: none
    Modules::ElementList elements; // of that Module
    int rangeFrom = -1;            // positions in elements; -1: none
    int rangeTo = -1;
    QString TimerMSec = QStringLiteral("6000"); // as UsableTimer gives it
    bool DoExercises = true;
    bool IfNoTimeLimit = false;
    bool IfShowNum = true;
    Speech speech; // IfSpeak is off where nothing can be spoken
    // What config.ini holds that the options could not have set, and what
    // is used instead: a sentence each.
    QStringList notices;
};

// The timer a Training runs with: the stored text when it is a whole
// number the spin buttons could set (TrainingBounds' timerMin, spoken or
// not, to TimerMax); a whole number beyond them is brought within them,
// and `notice` then says what was found and what is used. A text that is
// not a whole number is kept for the launcher to refuse.
QString UsableTimer(const QString &stored, bool spoken, QString *notice);

// The full path of the settings file in the data directory.
QString ConfigPath();

// The Module to select for a stored name: the first exactly equal name
// (letter case included); otherwise, also for an empty name, the first
// Module; -1 for an empty list.
int ModuleIndex(const QStringList &names, const QString &stored);

// The From Element to select: the first Element exactly equal to the
// stored bound, otherwise the first; -1 when there are no Elements.
int FromIndex(const Modules::ElementList &elements, const std::optional<QString> &stored);

// The To Element to select: the first Element exactly equal to the stored
// bound, otherwise the last; -1 when there are no Elements.
int ToIndex(const Modules::ElementList &elements, const std::optional<QString> &stored);

// The bounds the spin buttons of a page offer: the Training's reach to the
// athletes' pace and length, the Exam's stay at the beginner's.
struct Bounds
{
    int numOfElMin = NumOfElMin;
    int numOfElMax = NumOfElMax;
    int timerMin = TimerMin; // Training only
    int timerMax = TimerMax;
};
Bounds TrainingBounds(bool spoken);
Bounds ExamBounds();

// One press of a spin button: the field's number (its text as a decimal
// integer, or `position` when the text is not one) moved by `step`, then
// brought within [min, max].
int SpinStep(const QString &text, int position, int step, int min, int max);

} // namespace Settings
