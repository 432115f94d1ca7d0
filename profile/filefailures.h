#pragma once

// How the INI layer words a failure: one text per kind of failure, with
// the path and the system's own reason filled in.

#include <QString>

namespace Profile {

// Why a file the program can't make sense of was not written.
const QString &UnrecognisedReason();

// Raise AppError: "Cannot open file", "Cannot create file" (or "Unable to
// write to" for a read-only file), "Unable to write to".
[[noreturn]] void FailOpen(const QString &path, const QString &reason);
[[noreturn]] void FailCreate(const QString &path, const QString &reason);
[[noreturn]] void FailWrite(const QString &path, const QString &reason);

// A name or value with its line breaks made blanks: a break inside would
// break the file's structure.
QString OneLine(const QString &text);

} // namespace Profile
