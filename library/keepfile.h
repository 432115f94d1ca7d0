#pragma once

// Which Modules the user keeps learned: keep.ini in the data folder, one
// section per kept Module, named as the Module, with the key Order
// ("sequence": trained in order; "set": shuffled). A missing file keeps
// nothing. When a kept Module is due comes from its stored runs (see
// results/keeping.h), so nothing here changes after a run and two copies
// of the program only ever add or drop whole sections.
// The keep threshold (percent of the Elements right in order) is the
// option Threshold of section Keep in config.ini.

#include <QString>
#include <QVector>

namespace KeepFile {

// The file's name in the data folder.
inline constexpr const char *FileName = "keep.ini";
inline constexpr QLatin1String OrderKey{"Order"};
inline constexpr QLatin1String SequenceOrder{"sequence"};
inline constexpr QLatin1String SetOrder{"set"};
inline constexpr QLatin1String KeepSection{"Keep"};
inline constexpr QLatin1String ThresholdKey{"Threshold"};
inline constexpr int DefaultThreshold = 90;

struct Kept
{
    QString module;
    bool sequence = true; // any Order but "set" reads as a sequence
};

// The full path of keep.ini in the data directory.
QString KeepPath();

// The kept Modules in file order, each name once (letter case aside, the
// first counts). A missing file keeps none. Raises AppError when the file
// exists but can't be read.
QVector<Kept> Read(const QString &path);

// Keeps a Module (writes its section) or stops keeping it (deletes its
// section), every other byte of the file as it was. Raises AppError when
// the file can't be written; it is then as it was.
void Set(const QString &path, const QString &module, bool kept, bool sequence = true);

// The keep threshold from config.ini: a whole number from 1 to 100;
// anything else (a missing key included) reads as DefaultThreshold.
int Threshold(const QString &configPath);

} // namespace KeepFile
