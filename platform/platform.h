#pragma once

// The program's seams to the platform: the millisecond tick count, the
// random generator, the local clock and the directory that holds the data
// files. The program uses the real ones; tests replace them.

#include <QDateTime>
#include <QString>

#include <cstdint>
#include <functional>
#include <stdexcept>

// An error raised by a platform operation (a file that cannot be written,
// a text that is not a number). Handlers let it propagate to the general
// error report, which shows its text in a message box.
class AppError : public std::runtime_error
{
public:
    explicit AppError(const QString &text);
    const QString &Text() const noexcept { return m_text; }

private:
    QString m_text;
};

namespace Platform {

// Milliseconds from a monotonic clock, wrapping at 2^32 like a 32-bit tick
// counter. Durations are unsigned 32-bit differences of two readings.
quint32 TickCount();
void SetTickSource(std::function<quint32()> source); // empty: the real clock

// Gives the memory freed by the allocator back to the system. Memory that
// many small blocks held stays with the process after they are freed (the
// allocator keeps it for later) until this is asked; a window that held a
// large file asks it when it closes.
void ReleaseFreeMemory();

// The program's random generator.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual void Reseed() = 0;   // reseed from the clock
    virtual int Next(int n) = 0; // uniform whole number from 0 to n - 1 (0 when n < 1)
};
void Randomize();
int Random(int n);
void SetRandomSource(RandomSource *source); // nullptr: the real generator

// The local date and time.
QDateTime Now();
void SetNowSource(std::function<QDateTime()> source);

// A text that must read left to right wherever it is shown (a run's name:
// a date and a time) set apart from the text around it: with a
// right-to-left character in it (an Arabic AM/PM, Arabic digits) it comes
// back between the isolate marks U+2066 and U+2069, which keep its order
// and that of its surroundings; any other text as it is.
QString LeftToRight(const QString &text);

// The directory of the data files, with its trailing separator: the one
// UseDataDir chose at start-up, else the executable's directory.
QString DataDir();
void SetDataDir(const QString &dir); // empty: the executable's directory
QString DataFile(const QString &name);

// Where the data files live. The executable's directory when the program
// may keep them there (a build tree, a per-user install, a portable copy);
// otherwise "tenacio" in the user's data directory: xdgDataHome when it is
// an absolute path, else home/.local/share. The result ends with "/".
QString ChooseDataDir(const QString &exeDir, bool exeDirWritable, const QString &xdgDataHome, const QString &home);

// Whether the program may keep its data files in dir: the user can make
// files there, and it is not one of the system's own directories (/usr),
// which root could write but which hold no user's data.
bool MayKeepDataIn(const QString &dir);

// Chooses the data directory once, at start-up, with the real answer of
// MayKeepDataIn for exeDir, makes it when it is missing (mode 0700, parents
// too) and sets it as DataDir. Returns an empty text, or why the folder
// could not be made (the directory is set all the same, so each save then
// reports its own failure).
QString UseDataDir(const QString &exeDir, const QString &xdgDataHome, const QString &home);

// A notice for the user that asks for no answer (where the data is kept
// now, a folder that cannot be locked, a recovery copy left as it is),
// said once per text: the handler the main window sets shows it, and
// notices given before there is one wait for it. Setting a handler
// starts afresh, so each text is said once more.
void Notice(const QString &text);
void SetNoticeHandler(std::function<void(const QString &)> handler);

inline const char *const ConfigFile = "config.ini";
inline const char *const ModulesFile = "modules.ini";
inline const char *const TrainingResultsFile = "testres.ini";
inline const char *const ExamResultsFile = "examres.ini";

// Whole-number conversion as the launcher uses it: optional blanks, sign,
// decimal digits or hexadecimal ones after "$" or "x" (or "0x" at the very
// start of the text, before any blank or sign), 32-bit range; a positive
// hexadecimal text may give the whole 32-bit pattern ($FFFFFFFF is -1), a
// negative one must fit as a value. Raises "'%s' is not a valid integer
// value" otherwise.
qint32 StrToInt(const QString &text);
bool TryStrToInt(const QString &text, qint32 *value);

} // namespace Platform
