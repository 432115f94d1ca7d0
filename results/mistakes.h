#pragma once

// A Module of the Elements a run got wrong, to drill them in Training.

#include "results/answersheet.h"

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>

namespace Mistakes {

// The Elements the analysis of the run names as mistakes (omitted, wrong,
// blank, both of a swapped pair; not those right but in another row), in
// the run's order, each text once; an empty Element too, which a Module
// can hold. Letter case counts or not as the Scoring choice says.
QStringList WrongElements(const AnswerSheet &sheet, Qt::CaseSensitivity letterCase = Qt::CaseSensitive);

// How many of WrongElements each kind gave, for the drill's message:
// "1 omitted, 2 wrong, 1 blank, 2 swapped" (kinds that gave none left out).
QString KindsTaken(const AnswerSheet &sheet, Qt::CaseSensitivity letterCase = Qt::CaseSensitive);

// "Mistakes " (in the user's language) and the moment in the locale's
// short date (four-digit year) and short time, e.g. "Mistakes 08.12.2026
// 01:22", "Fehler 08.12.2026 01:22".
QString Name(const QDateTime &now, const QLocale &locale);
// Whether a Module name is one that Name made, in any of the program's
// languages, with or without the " (2)", " (3)", ... that keeps names
// apart.
bool IsName(const QString &name, const QLocale &locale);

struct Plan
{
    QStringList elements;   // the Module's Elements: at least two, in the order stored
    bool repeated = false;  // a single wrong Element, given twice
    bool keepable = true;   // false: the library can't keep them as they are (Modules::ExactData)
    QString name;           // a free name beside the library's Modules
    QString replaceable;    // the library's last Module of mistakes; empty: none
    QString nameIfReplaced; // the free name once `replaceable` is gone
};

// What the drill of a run's mistakes adds to a library holding `library`
// (its Module names). No Elements when nothing was answered wrongly.
Plan PlanFor(const AnswerSheet &sheet, const QStringList &library, const QDateTime &now, const QLocale &locale,
             Qt::CaseSensitivity letterCase = Qt::CaseSensitive);

} // namespace Mistakes
