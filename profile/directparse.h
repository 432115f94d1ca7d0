#pragma once

// The parse that direct access reads a file through, kept while the file
// is unchanged and someone holds it.

#include "profile/iniline.h"
#include "profile/sectiontable.h"

#include <QByteArray>
#include <QString>
#include <QVector>

#include <memory>

namespace Profile {

struct DirectSection
{
    QString name;
    qsizetype headerStart; // byte offset of the header line
    int firstLine;         // index of the first line after the header
    int endLine;           // one past the section's last line
};

// The parse of a file for direct access. It reads and indexes the file
// only as far as a caller needs: a reload that lists the first runs of a
// large results file never reads its tail.
class DirectParse
{
public:
    explicit DirectParse(const QString &path);

    // The parse of bytes held in memory, complete at once.
    explicit DirectParse(const QByteArray &bytes);

    QByteArray data;
    QVector<LineSpan> lines;
    QVector<DirectSection> sections;
    QByteArray eol = QByteArrayLiteral("\r\n");

    bool Complete() const { return m_complete; }
    // The file exists but could not be read; it then parses empty.
    bool Unreadable() const { return !m_readError.isEmpty(); }
    const QString &ReadError() const { return m_readError; }

    bool Recognisable();

    // Index of the first section of that name, with its extent known; -1.
    int Find(const QString &name);

    // Whether section i exists, reading on as needed; its extent is then known.
    bool Has(int i);

    void ReadAll();

private:
    void fail(const QString &reason);

    void scanMore();

    // Indexes the lines held past m_scanned; a line that may go on past
    // the end of what is held waits unless the file ends there.
    void scan(bool atEnd);

    void addLine(const LineSpan &line);

    QString m_path;
    QString m_readError;
    Recognition m_recognition;
    Profile::FirstSections m_firstByName;
    qsizetype m_scanned = 0;
    bool m_complete = false;
    bool m_eolSeen = false;
};

// The parse of a file as it is now; a missing or unreadable file parses
// empty. The parse is kept while the file's size, times and inode stay
// the same, so a history reload reads a large file once, and any change
// on disk is seen by the next call.
std::shared_ptr<DirectParse> ParseOf(const QString &path);

// The parse of a file for a ProfileFile, which holds it from then on.
std::shared_ptr<DirectParse> HeldParse(const QString &path, std::shared_ptr<void> &held);

// Finds the line of a key in a section of a direct parse: -1 when absent.
int FindDirectKey(const DirectParse &parse, const DirectSection &section, const QString &key, qsizetype *valueStart,
                  qsizetype *valueEnd);

// Forgets the parse kept of path, or of every file.
// The bytes of the parsed file after a direct write of key=value into
// section: the value of the key's first line replaced, or a line added
// after the section's last line that holds something, or the section
// added at the end. Nothing else changes.
QByteArray DirectlyWritten(DirectParse &parse, const QString &section, const QString &key, const QString &value);

// The bytes of the parsed file with the first section of that name
// replaced by `replacement` (the header line and its lines, each with its
// line break) where its last line that holds something ends, the blank
// lines after it kept; removed whole when replacement is null; added at
// the end after an empty line when the file lacks it. Nothing else changes.
QByteArray SectionWritten(DirectParse &parse, const QString &section, const QByteArray *replacement);

void ForgetParse(const QString &path);
void ForgetParses();

} // namespace Profile
