#pragma once

#include <QString>

#include <optional>

// The rules of the exercises dialog: its sums, what its answer boxes take
// and how their texts are read.
namespace Exercises {

constexpr int SumCount = 5;
constexpr int TermMaximum = 50; // each term is drawn from 1 to 50

struct Sum
{
    int a = 0;
    int b = 0;
    int Value() const { return a + b; }
    // "a + b =", e.g. "17 + 33 =".
    QString Label() const;
};

// Draws one sum from the program's generator: a first, then b.
Sum DrawSum();

// A character an answer box lets through: Backspace, a digit or "?".
bool KeyAllowed(QChar key);
// A whole text an answer box may hold (typed or pasted): digits and "?" only.
bool TextAllowed(const QString &text);

// The number an answer box shows, or nothing when its text is not a whole
// number ("???", "", "57?"). Leading zeros count: "057" is 57.
std::optional<int> AnswerNumber(const QString &text);

} // namespace Exercises
