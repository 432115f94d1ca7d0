#pragma once

// Replacing a file so that it is always either its old or its new content.

#include <QByteArrayView>
#include <QString>

namespace Profile {

// Writes content to a new file beside path and renames it into place;
// the file and then its directory are synced, so the new content
// survives a power cut. An existing file keeps its permissions. Files
// left behind by an earlier write of the same file that was killed
// before its rename are removed first. Returns an empty text on success,
// else the system's reason ("No space left on device", "Read-only file
// system", ...), with the file as it was and no temporary file left.
QString ReplaceFile(const QString &path, QByteArrayView content);

// Creates path with content only if no file of that name exists: written
// and synced under a temporary name first, then renamed without replacing,
// so the file appears whole or not at all. Returns an empty text on
// success, else the system's reason ("File exists" when it is there).
QString CreateFile(const QString &path, QByteArrayView content);

// Whether a file name is one that ReplaceFile makes for a temporary copy
// of the file called base.
bool IsTemporaryName(QStringView name, QStringView base);

} // namespace Profile
