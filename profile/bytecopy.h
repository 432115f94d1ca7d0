#pragma once

// Writing bytes to a file descriptor in full, and copying them from
// another, as the atomic writes need.

#include <QByteArrayView>

#include <cerrno>

namespace Profile {

// The error CopyBytes gives when the file it copies from got shorter: it
// is no longer the one stamped, and the write is tried again.
inline constexpr int FileChangedError = EAGAIN;

// Writes all of content at fd's position; false with *error set when it
// can't (ENOSPC for a write that takes nothing).
bool WriteAll(int fd, QByteArrayView content, int *error);

// Copies the first `length` bytes of `from` to `to` at its file position,
// inside the kernel where it can; false with *error set when it can't.
bool CopyBytes(int from, int to, qint64 length, int *error);

} // namespace Profile
