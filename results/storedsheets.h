#pragma once

// The answer sheets of all the runs of a results file, from one load of
// it, for work over many runs (the export, the history's right by
// position). Each sheet is the one the reopen makes of its run.

#include "profile/profilefile.h"
#include "results/answersheet.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

namespace ResultsStore {

class StoredSheets
{
public:
    // Loads the file as in-memory access does; raises "Cannot open file
    // "%s". %s" when it exists but can't be read. A missing file holds no
    // runs.
    explicit StoredSheets(const QString &path);

    // The sheet of a run, found by name as every reader finds it (the
    // first section of that name, letter case aside); a one-row empty
    // sheet for a name the file does not hold.
    AnswerSheet Sheet(const QString &section) const;

    // The Text and Answer columns of that sheet alone, as lists of as
    // many texts as it has rows: quicker where many runs are read.
    struct Lists
    {
        QStringList elements;
        QStringList answers;
    };
    Lists ListsOf(const QString &section) const;

private:
    // The values of a run's keys that make its sheet; none when missing.
    struct Keys
    {
        std::optional<QString> total;
        std::optional<QString> res;
        std::optional<QString> answ;
    };
    Keys keysOf(int section) const;

    QByteArray m_bytes;
    Profile::Copy m_copy; // the section names; their lines are in m_bodies
    QVector<QByteArrayView> m_bodies;
    QHash<QString, int> m_first; // folded name -> its first section
};

} // namespace ResultsStore
