#pragma once

// Every run of a results file at a glance: the short keys of each section,
// read in one pass that steps over the long "Res" and "Answ" lists without
// decoding them. Direct access lists section names only as far as 16,384
// bytes of them reach (some 800 runs), and in-memory access finds a
// section by going through all of them, so neither reads every run of a
// large file in about the time of one parse; this does.

#include <QString>
#include <QVector>

#include <functional>

namespace ResultsStore {

// A stored value is named as its key, as in RunReport.
struct RunSummary
{
    QString name;  // the section name: the run's start
    QString Total; // the stored texts, empty when the key is missing
    QString Errors;
    QString Time;
    QString Mark;
    QString Koeff;
    QString Module; // empty for a run stored without its Module
    QString From;
    QString To;
    qint64 offset = -1; // where its section's bytes start in the file ("[" of its header)
    qint64 length = 0;  // and how many there are, to the next header
};

} // namespace ResultsStore

// Moved as bytes when the list grows: a long history is listed in one go.
Q_DECLARE_TYPEINFO(ResultsStore::RunSummary, Q_RELOCATABLE_TYPE);

namespace ResultsStore {

struct RunList
{
    QVector<RunSummary> runs; // file order
    QString problem;          // the system's reason when the file exists but can't be read
};

// Reads the short keys of every section with the rules of direct access:
// section and key names match without regard to letter case, a key given
// twice counts where it first stands, values lose the blanks at their ends
// and one pair of enclosing quotes and are cut at 2,047 characters, and a
// section name given twice reads the values of its first section (as every
// read by name does). Sections without a name are left out, as the history
// leaves them out. A missing file lists nothing and is no problem.
// The lists of the last two files read are kept while each file on disk
// stays the same (size, times and inode), so the reopen of a run and a
// toggle between the Training and the Exam history read no more than the
// history reload before them did.
RunList ListRuns(const QString &path);

// Drops the list kept of a file.
void ForgetRuns();

// The bytes of the first section of that name (letter case aside), from
// the header to the next one, read at the place a kept list of the file
// gives when the file is still as it was listed; a null array when there
// is no such list or section, and the caller reads the file as usual.
QByteArray KeptSectionBytes(const QString &path, const QString &section);

// Calls take(i, bytes) with the bytes of the section run i of `runs` is
// read from (as KeptSectionBytes gives them; a null view for a name the
// file does not hold), reading the file once in file order through a
// buffer of a few hundred kilobytes. Only while a kept list describes the
// file as it is: false when none does, or when the file changed while it
// was read (take then has been called for some runs), and the caller
// reads the file as usual.
bool ForEachKeptSection(const QString &path, const QVector<RunSummary> &runs,
                        const std::function<void(qsizetype, QByteArrayView)> &take);

// The text that stands for a key a run was stored without.
inline const QString Missing = QStringLiteral("\u2014");

} // namespace ResultsStore
