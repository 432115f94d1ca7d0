#pragma once

// What in-memory access makes of a file's bytes, and the bytes it makes of
// its copy.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QVector>

namespace Profile {

// One section of an in-memory copy.
struct CopySection
{
    QString name;
    QVector<QString> lines; // "key=value" lines, trimmed, and other lines
};

// What in-memory access holds of a file.
struct Copy
{
    QVector<CopySection> sections;
    bool bom = false;         // the bytes began with a UTF-8 byte-order mark
    bool recognisable = true; // as ProfileFile::Recognisable says
};

// The bytes of a file as in-memory access loads them, and the bytes that
// WriteBack makes of a copy. Opening and WriteBack use these; they are
// reachable on their own so that a copy can be checked without a file.
Copy LoadCopy(QByteArrayView data);
QByteArray SaveCopy(const QVector<CopySection> &sections, bool bom);
// The same where a section's lines are still the bytes LoadSections found
// (a non-null view at its index in undecoded).
QByteArray SaveCopy(const QVector<CopySection> &sections, const QVector<QByteArrayView> &undecoded, bool bom);

// LoadCopy in two steps: the sections with their names only, and for each
// the bytes of its lines (views into data); then the lines of one section
// from those bytes, as LoadCopy would have them.
Copy LoadSections(QByteArrayView data, QVector<QByteArrayView> *bodies);
void DecodeSectionLines(QByteArrayView body, QVector<QString> &lines);

// Counts the sections of a file's text the way in-memory access loads it.
int CountSectionsInMemory(const QByteArray &data);

} // namespace Profile
