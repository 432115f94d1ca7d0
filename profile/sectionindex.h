#pragma once

// Where the sections of a file lie, found without holding the file.

#include "profile/filestamp.h"

#include <QByteArray>
#include <QString>
#include <QVector>

#include <memory>

namespace Profile {

// Where the sections of a file lie, as in-memory access would load them:
// each name and the bytes of its lines (from after its header line to the
// next header). Made in one pass through a small buffer, and kept while
// the file is unchanged: the names and places only, never the bytes.
struct IndexedSection
{
    QString name;
    qint64 bodyStart = 0;
    qint64 bodyEnd = 0;
};
struct SectionIndex
{
    bool exists = false;
    QString problem;          // the system's reason when it exists but can't be read
    bool recognisable = true; // as ProfileFile::Recognisable says
    QVector<IndexedSection> sections;
    FileStamp stamp; // what the file was when indexed
};
std::shared_ptr<const SectionIndex> IndexSections(const QString &path);
// The bytes [start, end) of an indexed file; a null array when the file is
// no longer the one indexed or can't be read.
QByteArray ReadIndexedBytes(const QString &path, const SectionIndex &index, qint64 start, qint64 end);
// Forgets the indexes kept of files.
void ForgetSectionIndexes();

} // namespace Profile
