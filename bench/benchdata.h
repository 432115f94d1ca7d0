#pragma once

#include <QByteArray>
#include <QObject>
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

// How a benchmark's large buffers come by their memory. Cold: each is
// mapped afresh and given back when freed, so every page's first touch is
// a kernel page fault, as in a program's first read of a large file. Warm:
// freed memory stays in the heap for the next buffer, so a repeated step
// pays only for its own work.
enum class Memory { Cold, Warm };
void UseMemory(Memory memory);
// Gives every freed page back to the system: the next buffer is faulted in
// afresh wherever the heap places it.
void GiveBackFreedPages();

// Benchmarks run without a display unless a platform is chosen.
void UseOffscreenUnlessSet();

// Writes bytes to a path; aborts on failure.
void WriteFile(const QString &path, const QByteArray &bytes);

// The CPU time (user + system) of the children waited for so far.
double ChildCpuSeconds();

// A line of /proc/self/status in MB ("VmRSS:", "VmHWM:"), or -1.
double StatusMb(const char *key);

// Installed on a window: quits the event loop after its first paint.
class FirstPaint : public QObject
{
public:
    bool painted = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace BenchData
