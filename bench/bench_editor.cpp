// The module editor with a Module of n Elements (the "Big" one of
// BenchData::ModulesFile), driving the real window:
// - open: the editor is shown (library loaded, first Module shown) and the
//   user picks "Big", whose Elements fill the memo;
// - OK: with "Big" shown, OK commits the memo and rewrites modules.ini.
// Both must stay under a second at a million Elements. Opening must grow
// linearly (the time at 10n against the time at n); both are compared with
// the INI layer alone loading the same file and writing it back, measured
// in the same run.
//
// And the editor on a library grown big: the starter Modules that Training
// and Exam use, and after them one Module of 10,000,000 Elements (about
// 90 MB). The user opens the editor and picks the big Module: within 4 s,
// with the editor's peak memory (the process's peak less what it held
// before) at most 6 times the file, and the memory after the editor has
// closed at most 1.3 times what it was before it opened.
//
// And one very long line: a text file holding 100,000 Elements joined by ","
// on a single line of 800,000 characters is loaded into the memo with
// "Load...", and one key is typed. That must stay under a second, and within
// a small factor of the same Elements loaded one per line.

#include "bench/benchdata.h"
#include "bench/ratios.h"
#include "library/frmmodules.h"
#include "library/modules.h"
#include "platform/dialogs.h"
#include "platform/platform.h"
#include "profile/profilefile.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

Tfrm_modules *g_editor = nullptr;

// Chooses the file that "Load..." asks for; nothing else is asked here.
class FilePicker : public Dialogs::Handler
{
public:
    QString path;
    Dialogs::Answer Ask(Dialogs::Kind, const QString &, const QString &) override { return Dialogs::Answer::Ok; }
    QString FileName(bool, const QString &) override { return path; }
    int ExecModal(QDialog *dialog) override { return dialog->exec(); }
};
FilePicker *g_picker = nullptr;

QString libraryPath() { return Platform::DataFile(QLatin1String(Platform::ModulesFile)); }

void writeLibrary(int elements) { BenchData::WriteFile(libraryPath(), BenchData::ModulesFile(elements)); }

// Shows the editor and has the user pick "Big" after "Small".
void openBig()
{
    g_editor->show();
    QTest::keyClick(g_editor->ComboBox1, Qt::Key_Down);
    QCoreApplication::processEvents();
}

bool showsBig(int elements) { return g_editor->ShownModuleIndex() == 1 && g_editor->MemoLines().size() == elements; }

void BM_Open(benchmark::State &state)
{
    const int elements = int(state.range(0));
    writeLibrary(elements);
    bool shown = true;
    for (auto _ : state) {
        openBig();
        state.PauseTiming();
        shown = shown && showsBig(elements);
        g_editor->hide();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    if (!shown)
        state.SkipWithError("the Module was not shown");
    state.counters["elements"] = elements;
}

void BM_Ok(benchmark::State &state)
{
    const int elements = int(state.range(0));
    writeLibrary(elements);
    const QByteArray expected = BenchData::ModulesFile(elements);
    bool shown = true;
    for (auto _ : state) {
        state.PauseTiming();
        openBig(); // the file as OK wrote it last time, which is as it was
        shown = shown && showsBig(elements);
        state.ResumeTiming();
        QTest::mouseClick(g_editor->BitBtn7, Qt::LeftButton);
        QCoreApplication::processEvents();
    }
    QFile file(libraryPath());
    if (!shown)
        state.SkipWithError("the Module was not shown");
    else if (g_editor->isVisible() || !file.open(QIODevice::ReadOnly) || file.readAll() != expected)
        state.SkipWithError("the library was not written back as it was");
    state.counters["elements"] = elements;
}

// Resident memory of this process now ("VmRSS:") or at its peak
// ("VmHWM:"), in bytes.
double statusBytes(const char *key)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : f.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(int(std::strlen(key))).trimmed().split(' ').first().toDouble() * 1024;
    }
    return -1;
}

// Makes the peak start again from what is resident now.
void resetPeak()
{
    QFile f(QStringLiteral("/proc/self/clear_refs"));
    if (!f.open(QIODevice::WriteOnly) || f.write("5") != 1)
        std::abort();
}

constexpr int HugeElements = 10000000;
double g_hugeFile = 0;   // bytes of that library
double g_hugePeak = 0;   // the editor's peak, less what was resident before
double g_hugeBefore = 0; // resident before opening and after closing
double g_hugeAfter = 0;

// The starter library with the big Module after its Modules.
void writeHugeLibrary()
{
    const QString path = libraryPath();
    QFile::remove(path);
    Modules::PlaceStarterLibrary(path);
    QByteArray data;
    data.reserve(qsizetype(HugeElements) * 9 + 32);
    data += "[Digits]\r\nData=";
    for (int e = 0; e < HugeElements; ++e) {
        if (e)
            data += ',';
        data += QByteArray::number(10000000 + e);
    }
    data += "\r\n\r\n";
    QFile f(path);
    if (!f.open(QIODevice::Append) || f.write(data) != data.size())
        std::abort();
    g_hugeFile = double(QFileInfo(path).size());
}

void BM_OpenHuge(benchmark::State &state)
{
    writeHugeLibrary();
    Profile::ClearDirectCache();
    bool shown = true;
    for (auto _ : state) {
        state.PauseTiming();
        Platform::ReleaseFreeMemory(); // what making the library left
        g_hugeBefore = statusBytes("VmRSS:");
        resetPeak();
        state.ResumeTiming();
        g_editor->show();
        g_editor->ComboBox1->setCurrentIndex(g_editor->ComboBox1->count() - 1); // the user picks "Digits"
        QCoreApplication::processEvents();
        state.PauseTiming();
        g_hugePeak = statusBytes("VmHWM:") - g_hugeBefore;
        shown = shown && g_editor->ComboBox1->currentText() == QLatin1String("Digits")
                && g_editor->Memo1->document()->blockCount() > 1 && g_editor->MemoLines().size() == HugeElements;
        g_editor->hide();
        QCoreApplication::processEvents();
        g_hugeAfter = statusBytes("VmRSS:");
        state.ResumeTiming();
    }
    if (!shown)
        state.SkipWithError("the big Module was not shown");
    state.counters["file_MB"] = g_hugeFile / 1e6;
    state.counters["peak_MB"] = g_hugePeak / 1e6;
}

constexpr int LongLineElements = 100000;

// The Elements of the long line: 100,000 numbers of 7 digits, which joined
// by "," make 799,999 characters.
QByteArray longLineElements(char separator)
{
    QByteArray text;
    text.reserve(qsizetype(LongLineElements) * 8);
    for (int e = 0; e < LongLineElements; ++e) {
        if (e)
            text += separator;
        text += QByteArray::number(1000000 + e);
    }
    return text + "\r\n";
}

// "Load..." of a text file into the shown Module's memo, then one key typed
// at the start of the memo.
void loadAndType(benchmark::State &state, char separator)
{
    const QString path = Platform::DataFile(QStringLiteral("elements.txt"));
    const QByteArray content = longLineElements(separator);
    BenchData::WriteFile(path, content);
    writeLibrary(3);
    g_editor->show(); // "Small" is shown, so the memo is editable
    g_picker->path = path;
    for (auto _ : state) {
        QTest::mouseClick(g_editor->BitBtn4, Qt::LeftButton);
        QCoreApplication::processEvents();
        QTest::keyClick(g_editor->Memo1, Qt::Key_X);
        QCoreApplication::processEvents();
    }
    const QStringList lines = g_editor->MemoLines();
    const qsizetype expected = separator == ',' ? 1 : LongLineElements;
    if (lines.size() != expected || !lines.first().startsWith(QLatin1String("x1000000")))
        state.SkipWithError("the file was not loaded and typed into");
    QTest::mouseClick(g_editor->BitBtn6, Qt::LeftButton);
    QCoreApplication::processEvents();
    state.counters["characters"] = double(content.size() - 2); // without the final line break
}

void BM_LongLine(benchmark::State &state) { loadAndType(state, ','); }

// The same Elements one per line.
void BM_Baseline_Lines(benchmark::State &state) { loadAndType(state, '\n'); }

// The INI layer alone: the file loaded into memory, the Module read and
// stored again, and the file rewritten.
void BM_Baseline_IniRoundTrip(benchmark::State &state)
{
    const int elements = int(state.range(0));
    writeLibrary(elements);
    const QString big = QStringLiteral("Big");
    const QString key = QStringLiteral("Data");
    for (auto _ : state) {
        ProfileFile copy(libraryPath(), ProfileFile::Access::InMemory);
        const QString data = copy.ReadText(big, key, QString());
        copy.WriteText(big, key, data);
        copy.WriteBack();
    }
    state.counters["elements"] = elements;
}

} // namespace

BENCHMARK(BM_Baseline_IniRoundTrip)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Open)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Ok)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_OpenHuge)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1)->Repetitions(2);
BENCHMARK(BM_Baseline_Lines)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_LongLine)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char **argv)
{
    BenchData::UseOffscreenUnlessSet();
    QApplication app(argc, argv);
    QTemporaryDir dir;
    Platform::SetDataDir(dir.path());

    Tfrm_modules editor;
    g_editor = &editor;
    FilePicker picker;
    g_picker = &picker;
    Dialogs::SetHandler(&picker);

    RatioReporter reporter;
    RunWithRatios(argc, argv, reporter);
    const std::string baseline = "BM_Baseline_IniRoundTrip/1000000/real_time";
    bool ok = true;
    for (const char *name : {"BM_Open", "BM_Ok"}) {
        const std::string small = std::string(name) + "/100000/real_time";
        const std::string large = std::string(name) + "/1000000/real_time";
        // OK ends in a synced write of the file, whose time varies with the
        // disk; its growth is judged against the INI layer alone instead.
        if (std::string(name) == "BM_Open") {
            const std::string label = std::string(name) + ": 1,000,000 / 100,000 Elements";
            ok = reporter.Ratio(label.c_str(), large, small, 12.0) && ok;
        }
        const std::string against = std::string(name) + ": 1,000,000 Elements / INI layer alone";
        ok = reporter.Ratio(against.c_str(), large, baseline, 10.0) && ok;
        const double seconds = reporter.Seconds(large);
        const bool fast = seconds >= 0 && seconds < 1.0;
        std::printf("%s with 1,000,000 Elements: %.3f ms (bound 1000 ms) %s\n", name, seconds * 1e3,
                    fast ? "ok" : "EXCEEDED");
        ok = ok && fast;
    }
    const std::string longLine = "BM_LongLine/real_time";
    ok =
        reporter.Ratio("Long line: one line / one Element a line", longLine, "BM_Baseline_Lines/real_time", 15.0) && ok;
    const double seconds = reporter.Seconds(longLine);
    const bool fast = seconds >= 0 && seconds < 1.0;
    std::printf("BM_LongLine, load and one key: %.3f ms (bound 1000 ms) %s\n", seconds * 1e3, fast ? "ok" : "EXCEEDED");
    ok = ok && fast;
    const double huge = reporter.Seconds("BM_OpenHuge/iterations:1/repeats:2/real_time");
    const bool hugeFast = huge >= 0 && huge <= 4.0;
    std::printf("editor open, 10,000,000 Elements beside the starter Modules: %.3f s (bound 4 s) %s\n", huge,
                hugeFast ? "ok" : "EXCEEDED");
    const double peak = g_hugeFile > 0 ? g_hugePeak / g_hugeFile : -1;
    std::printf("  its peak memory / the file: %.1f MB / %.1f MB = %.2f (bound 6) %s\n", g_hugePeak / 1e6,
                g_hugeFile / 1e6, peak, peak >= 0 && peak <= 6 ? "ok" : "EXCEEDED");
    const double kept = g_hugeBefore > 0 ? g_hugeAfter / g_hugeBefore : -1;
    std::printf("  memory after closing / before opening: %.1f MB / %.1f MB = %.2f (bound 1.3) %s\n", g_hugeAfter / 1e6,
                g_hugeBefore / 1e6, kept, kept >= 0 && kept <= 1.3 ? "ok" : "EXCEEDED");
    ok = ok && hugeFast && peak >= 0 && peak <= 6 && kept >= 0 && kept <= 1.3;
    Dialogs::SetHandler(nullptr);
    return ok ? 0 : 1;
}
