#include "profile/memoryfiles.h"

#include <QHash>

namespace Profile {
namespace {

QHash<QString, MemoryEntry> &memoryFiles()
{
    static QHash<QString, MemoryEntry> files;
    return files;
}

} // namespace

MemoryEntry *FindMemoryFile(const QString &path)
{
    auto &files = memoryFiles();
    if (files.isEmpty())
        return nullptr;
    const auto it = files.find(path);
    return it == files.end() ? nullptr : &it.value();
}

bool WriteMemoryFile(const QString &path, const QByteArray &content)
{
    MemoryEntry *memory = FindMemoryFile(path);
    if (!memory)
        return false;
    *memory = MemoryEntry{content, nullptr};
    return true;
}

void SetMemoryFile(const QString &path, const QByteArray &content)
{
    memoryFiles().insert(path, MemoryEntry{content, nullptr});
}

QByteArray MemoryFile(const QString &path)
{
    const MemoryEntry *memory = FindMemoryFile(path);
    return memory ? memory->content : QByteArray();
}

bool IsMemoryFile(const QString &path) { return FindMemoryFile(path) != nullptr; }

void RemoveMemoryFiles() { memoryFiles().clear(); }

} // namespace Profile
