#pragma once

#include <QByteArray>
#include <QString>

namespace BenchData {

// A results file of `runs` stored runs of `elements` Elements each, as the
// program writes it (CR LF, one empty line after each section). 3,000 runs
// of 1,000 Elements make about 18 MB. With `modules` > 0, run i also has
// the keys Module (ModuleName(i % modules)), From and To.
QByteArray ResultsFile(int runs, int elements, int modules = 0);

// The name of Module m in ResultsFile.
QString ModuleName(int m);

// The section name of run i of ResultsFile: one second apart.
QString RunName(int i);

// A modules.ini holding one Module "Big" of `elements` Elements (numbers).
QByteArray ModulesFile(int elements);

// Benchmarks run without a display unless a platform is chosen.
void UseOffscreenUnlessSet();

// Writes bytes to a path; aborts on failure.
void WriteFile(const QString &path, const QByteArray &bytes);

} // namespace BenchData
