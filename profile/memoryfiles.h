#pragma once

// Files held in memory instead of on disk, so that the fuzzers can feed
// the readers bytes without a file: every ProfileFile on such a path, of
// either kind, reads and writes the bytes held here and never touches
// the file system. The program itself holds none, and its readers ask
// here once per file they open (at once, while none is held).

#include <QByteArray>
#include <QString>

#include <memory>

namespace Profile {

void SetMemoryFile(const QString &path, const QByteArray &content);
// The bytes held for path, as the last write left them.
QByteArray MemoryFile(const QString &path);
// Whether path is one of the files held in memory.
bool IsMemoryFile(const QString &path);
void RemoveMemoryFiles();

// What is held for a path: its bytes, and the readers' parse of them
// (made on first use, dropped by a write).
struct MemoryEntry
{
    QByteArray content;
    std::shared_ptr<void> parse;
};
// The entry held for path, or null.
MemoryEntry *FindMemoryFile(const QString &path);
// Replaces what a memory file holds; false when path is not one.
bool WriteMemoryFile(const QString &path, const QByteArray &content);

} // namespace Profile
