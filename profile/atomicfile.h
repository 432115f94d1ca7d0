#pragma once

// Replacing a file so that it is always either its old or its new content.

#include <QByteArrayView>
#include <QString>

#include <functional>

namespace Profile {

struct FileStamp;

// Writes content to a new file beside path and renames it into place;
// the file and then its directory are synced, so the new content
// survives a power cut. A symbolic link is followed, every level, and its
// target replaced in the target's own folder; the link stays. An existing
// file keeps its mode, owner and group; the new file is private (0600)
// until it gets them just before the rename. A file with more than one
// name (hard links), or one whose owner this user can't give a new file,
// is written in place instead, with its complete old content kept beside
// it (RecoveryCopyOf) until the new one is synced; a write killed in
// between is put right by the next write, which fails with the system's
// reason when it can't. Files left behind by
// an earlier write of the same file that was killed before its rename
// are removed first. A file without any write permission bit is refused
// (ReadOnlyReason), for root too, and so is anything but a regular file
// (NotRegularReason). Returns an empty text on success, else the
// system's reason ("No space left on device", "Read-only file system",
// ...), with the file as it was and no temporary file left.
QString ReplaceFile(const QString &path, QByteArrayView content);

// Content made while it is written: called with a function that writes
// one piece and says whether it could; returns whether every piece went
// (false as soon as one did not). It may be called a second time, for a
// second way of placing the file, and must not throw.
using PieceWriter = std::function<bool(QByteArrayView piece)>;
using ContentPieces = std::function<bool(const PieceWriter &write)>;

// ReplaceFile with content made piece by piece, so that a large file is
// never held whole.
QString ReplaceFileWith(const QString &path, const ContentPieces &pieces);

// ReplaceFile with the file's own bytes and `added` after them, where
// `expected` stamps the file as it is (its size is what stays): the old
// bytes are copied by the kernel and never pass through the program, and
// a file written in place (hard links) gets only the added bytes written.
// Returns ChangedReason, having written nothing, when the file is no
// longer the one stamped.
QString ReplaceFileAppending(const QString &path, const FileStamp &expected, QByteArrayView added);

// Creates path with content only if no file of that name exists: written
// and synced under a temporary name first, then renamed without replacing,
// so the file appears whole or not at all. Returns an empty text on
// success, else the system's reason ("File exists" when it is there).
QString CreateFile(const QString &path, QByteArrayView content);

// Puts back the old content of a file whose write in place was killed
// before it ended (see ReplaceFile); nothing when there is none. Only the
// copy made for this very file goes back: it is named after the file's
// identity (RecoveryCopyOf). Any other "<file>.tenacio-previous..." beside
// it (a stale one a sync tool or a backup brought, one of an older version
// without an identity) is left as it is, and said once (Platform::Notice).
void RecoverInterruptedWrite(const QString &path);

// The name the copy of path's old content has while path is written in
// place: "<file>.tenacio-previous-<device>-<inode>-<birth time>". Empty
// when the file is not there.
QString RecoveryCopyOf(const QString &path);

// The reasons for refusing a file: "The file is read-only." and "The file
// is not a regular file."; and for not appending to a file that changed
// meanwhile, the system's "Resource temporarily unavailable" (EAGAIN).
const QString &ReadOnlyReason();
const QString &NotRegularReason();
const QString &ChangedReason();

// Whether a file name is one that ReplaceFile makes for a temporary copy
// of the file called base.
bool IsTemporaryName(QStringView name, QStringView base);

} // namespace Profile
