// A spoken Training with the real voice and the real sound server, measured
// from what the server played: the program runs a Training as a user
// would (the questions answered, every Element recalled right), while a
// recorder takes the sound of the server's default sink from its monitor.
// For each Element it tells when the Element appeared and when its sound
// began, and at the end the onset's median and worst, the stored Time and
// what the user was told.
//
//   tenacio_spokenrun [--elements a,b,c] [--count N] [--timer MS] [--digits]
//                     [--voice NAME] [--stop-server-after MS] [--wav FILE]
//                     [--think MS] [--no-record] [--spoken-numbers [--wrong-at N]]
//   tenacio_spokenrun --frozen PID [--rounds N]
//
// Without --elements the Module holds the numbers 0 to 9999. With
// --stop-server-after the sound server is killed that long after the
// first Element (pulseaudio --kill), to see the run end with its message;
// with --freeze PID it is stopped (SIGSTOP) instead, so that it hangs,
// and with --freeze-for MS let go (SIGCONT) that long after; the tool tells
// when the run waits for the server and when it goes on.
// --think is the time the user takes to answer "Press OK to start" (0: at
// once). --frozen PID stops the server (SIGSTOP) before anything is asked
// of it and tells, N times over, how long Options takes to be shown and to
// say whether the voice can be heard, and how long Test > Training takes
// to answer; the server is let go (SIGCONT) at the end. Run it with QT_QPA_PLATFORM=offscreen beside a PulseAudio null
// sink.
//
// An idle null sink runs ahead of the clock in blocks of 2 s, and a new
// stream's first sound waits for the end of the block under way (2 s when
// the sink was suspended). The recorder is such a stream: the run starts
// once its block is over, 2.5 s after it, so that what is measured is the
// program, not the recorder's start. With --no-record nothing records
// the sink and only the start is told: the program alone on an idle sink.
//
// --spoken-numbers runs the discipline (digits on their time, nothing on
// screen): each digit's onset is found on the recording near its moment
// and set against the first digit's onset plus whole paces, which gives the
// drift (median and worst); the recall is typed as one line, wrong at the
// --wrong-at-th digit, and the score under the report's rule is told.

#include "app/forms.h"
#include "app/frmmain.h"
#include "engine/frmtest.h"
#include "library/frmoptions.h"
#include "platform/speech.h"
#include "results/frmresults.h"
#include "tests/testsupport.h"
#include "tests/testuser.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QStatusBar>
#include <QTimer>

#include <pulse/error.h>
#include <pulse/simple.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <mutex>
#include <thread>
#include <vector>

namespace {

constexpr int Rate = 22050;
constexpr int Piece = Rate / 200; // 5 ms
constexpr int Loud = 300;

QElapsedTimer g_clock;
qint64 nowUs() { return g_clock.nsecsElapsed() / 1000; }

// Records the default sink's monitor; each sample gets the time it was
// played at: the time a piece is read, less the piece and what the server
// still held.
struct Recorder
{
    std::atomic<bool> stop{false};
    std::mutex lock;
    std::vector<qint16> samples;
    std::vector<qint64> pieceEndUs; // per piece
    std::thread thread;
    QString problem;

    bool Start()
    {
        pa_sample_spec format{PA_SAMPLE_S16LE, Rate, 1};
        pa_buffer_attr attr{};
        attr.maxlength = uint32_t(-1);
        attr.fragsize = Piece * 2;
        int error = 0;
        pa_simple *in = pa_simple_new(nullptr, "tenacio_spokenrun", PA_STREAM_RECORD, "@DEFAULT_MONITOR@", "measure",
                                      &format, nullptr, &attr, &error);
        if (!in) {
            problem = QString::fromUtf8(pa_strerror(error));
            return false;
        }
        thread = std::thread([this, in] {
            std::vector<qint16> piece(Piece);
            int error = 0;
            while (!stop) {
                if (pa_simple_read(in, piece.data(), piece.size() * 2, &error) < 0)
                    break;
                const qint64 at = nowUs();
                const pa_usec_t held = pa_simple_get_latency(in, &error);
                std::lock_guard guard(lock);
                samples.insert(samples.end(), piece.begin(), piece.end());
                pieceEndUs.push_back(at - qint64(held));
            }
            pa_simple_free(in);
        });
        return true;
    }

    // The time the first loud sample at or after `fromUs` and before
    // `toUs` was played; -1 for none.
    qint64 Onset(qint64 fromUs, qint64 toUs)
    {
        std::lock_guard guard(lock);
        for (size_t p = 0; p < pieceEndUs.size(); ++p) {
            const qint64 startUs = pieceEndUs[p] - qint64(Piece) * 1000000 / Rate;
            if (pieceEndUs[p] < fromUs)
                continue;
            if (startUs > toUs)
                break;
            for (int i = 0; i < Piece; ++i) {
                const qint64 t = startUs + qint64(i) * 1000000 / Rate;
                if (t >= fromUs && t < toUs && std::abs(int(samples[p * Piece + size_t(i)])) > Loud)
                    return t;
            }
        }
        return -1;
    }

    // The first loud sample at or after sample `from` and before `to` on
    // the recording; -1 for none. The recording is the sink's own clock:
    // sample positions do not depend on when the recorder got to read them.
    qint64 OnsetSample(qint64 from, qint64 to)
    {
        std::lock_guard guard(lock);
        for (qint64 i = qMax<qint64>(0, from); i < to && i < qint64(samples.size()); ++i)
            if (std::abs(int(samples[size_t(i)])) > Loud)
                return i;
        return -1;
    }

    // The sample played at `us`, by the time its piece was read.
    qint64 SampleAt(qint64 us)
    {
        std::lock_guard guard(lock);
        for (size_t p = 0; p < pieceEndUs.size(); ++p)
            if (pieceEndUs[p] >= us)
                return qint64(p + 1) * Piece - (pieceEndUs[p] - us) * Rate / 1000000;
        return qint64(samples.size());
    }
};

QString option(const QStringList &args, const QString &name, const QString &fallback = QString())
{
    const int i = int(args.indexOf(name));
    return i >= 0 && i + 1 < args.size() ? args.at(i + 1) : fallback;
}

// Options and Training with the sound server frozen: the window must not
// wait on it.
int frozen(const QString &pid, int rounds)
{
    TestDataDir dir;
    TestUser user;
    dir.Write(QStringLiteral("config.ini"), "[Test]\r\nTNumOfEl=5\r\nTimerMSec=1000\r\nTMName=M\r\nIfexec=0\r\n"
                                            "IfSpeak=1\r\n\r\n[Exam]\r\nEMName=M\r\n");
    dir.Write(QStringLiteral("modules.ini"), "[M]\r\nData=12,34,56\r\n\r\n");
    Forms forms = CreateForms();
    forms.frm_main->FormShow();
    QCoreApplication::processEvents();
    QProcess::execute(QStringLiteral("kill"), {QStringLiteral("-STOP"), pid});
    std::printf("sound server %s stopped (SIGSTOP)\n", qPrintable(pid));
    for (int round = 1; round <= rounds; ++round) {
        qint64 shownUs = -1;
        qint64 saidUs = -1;
        QString first;
        QString then;
        user.scripts.push_back([&](QDialog *) {
            shownUs = nowUs();
            QLabel *label = forms.frm_options->LabelSpeech;
            first = label->isVisible() ? label->text() : QString();
            QElapsedTimer limit;
            limit.start();
            while (label->text() == first && limit.elapsed() < 5000)
                QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            saidUs = nowUs();
            then = label->text();
        });
        qint64 startUs = nowUs();
        forms.frm_main->Configurations1Click();
        std::printf("round %d: Options shown after %.3f s saying \"%s\", then after %.3f s \"%s\"\n", round,
                    double(shownUs - startUs) / 1e6, qPrintable(first), double(saidUs - startUs) / 1e6,
                    qPrintable(then));
        qint64 askedUs = -1;
        user.onAsk = [&](const TestUser::Asked &) {
            if (askedUs < 0)
                askedUs = nowUs();
        };
        user.answers.push_back(Dialogs::Answer::Cancel);
        const qsizetype before = user.asked.size();
        startUs = nowUs();
        forms.frm_main->est21Click();
        const qint64 endUs = nowUs();
        user.onAsk = nullptr;
        user.answers.clear();
        std::printf("round %d: Training answered after %.3f s (returned after %.3f s): \"%s\"\n", round,
                    double(askedUs - startUs) / 1e6, double(endUs - startUs) / 1e6,
                    user.asked.size() > before ? qPrintable(user.asked.at(before).text) : "nothing asked");
    }
    QProcess::execute(QStringLiteral("kill"), {QStringLiteral("-CONT"), pid});
    std::printf("sound server %s let go (SIGCONT)\n", qPrintable(pid));
    DestroyForms(forms);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    g_clock.start();
    const QStringList args = app.arguments();
    if (args.contains(QStringLiteral("--frozen")))
        return frozen(option(args, QStringLiteral("--frozen")),
                      option(args, QStringLiteral("--rounds"), QStringLiteral("3")).toInt());
    QString elements = option(args, QStringLiteral("--elements"));
    if (elements.isEmpty()) {
        QStringList numbers;
        for (int n = 0; n <= 9999; ++n)
            numbers << QString::number(n);
        elements = numbers.join(QLatin1Char(','));
    }
    const int count = option(args, QStringLiteral("--count"), QStringLiteral("20")).toInt();
    const QString timer = option(args, QStringLiteral("--timer"), QStringLiteral("2000"));
    const QString voice = option(args, QStringLiteral("--voice"));
    const int stopAfter = option(args, QStringLiteral("--stop-server-after"), QStringLiteral("-1")).toInt();
    // The process id of a server to freeze (SIGSTOP) instead of killing it.
    const QString freeze = option(args, QStringLiteral("--freeze"));
    // How long it stays frozen (SIGCONT then); -1: to the end.
    const int freezeFor = option(args, QStringLiteral("--freeze-for"), QStringLiteral("-1")).toInt();
    const QString wav = option(args, QStringLiteral("--wav"));
    const int think = option(args, QStringLiteral("--think"), QStringLiteral("0")).toInt();
    const bool record = !args.contains(QStringLiteral("--no-record"));
    const bool spokenNumbers = args.contains(QStringLiteral("--spoken-numbers"));
    const int wrongAt = option(args, QStringLiteral("--wrong-at"), QStringLiteral("0")).toInt();

    TestDataDir dir;
    TestUser user;
    QByteArray config = "[Test]\r\nTNumOfEl=" + QByteArray::number(count) + "\r\nTimerMSec=" + timer.toUtf8()
                        + "\r\nTMName=M\r\nIfexec=0\r\nIfShowNum=1\r\nIfSpeak=1\r\nTVoice=" + voice.toUtf8() + "\r\n";
    if (args.contains(QStringLiteral("--digits")))
        config += "IfDigits=1\r\n";
    if (spokenNumbers)
        config += "IfSpokenNum=1\r\n";
    dir.Write(QStringLiteral("config.ini"), config + "\r\n[Exam]\r\nEMName=M\r\n");
    dir.Write(QStringLiteral("modules.ini"), "[M]\r\nData=" + elements.toUtf8() + "\r\n\r\n");

    Recorder recorder;
    if (record && !recorder.Start()) {
        std::fprintf(stderr, "can't record the sound server: %s\n", qPrintable(recorder.problem));
        return 2;
    }
    // The recorder's first sound comes at the end of the sink's block.
    while (record && nowUs() < 2500000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    Forms forms = CreateForms();
    forms.frm_main->FormShow();
    Tfrm_test *t = forms.frm_test;

    // When each Element appeared: the runner shows the Element display anew
    // for each.
    QList<qint64> shownUs;
    qint64 hiddenUs = 0;
    struct Watch : QObject
    {
        std::function<void()> shown;
        std::function<void()> hidden;
        QObject *runner = nullptr;
        bool eventFilter(QObject *o, QEvent *e) override
        {
            if (o == runner && e->type() == QEvent::Hide)
                hidden();
            else if (o != runner && e->type() == QEvent::Show)
                shown();
            return false;
        }
    } watch;
    watch.hidden = [&] { hiddenUs = nowUs(); };
    watch.shown = [&] {
        if (t->Phase == 1 && !t->presentationDone && t->CurrentNumber > shownUs.size())
            shownUs << nowUs();
    };
    watch.runner = t;
    t->Label2->installEventFilter(&watch);

    // When the voice was made, and when it had the last Element rendered:
    // the start is counted from there to the first Element.
    qint64 madeUs = 0;
    qint64 renderedUs = 0;
    Speech::SetFactory([&] {
        std::unique_ptr<Speech::Speaker> voice = Speech::CreateEspeak();
        madeUs = nowUs();
        if (voice)
            QObject::connect(voice.get(), &Speech::Speaker::Progress, [&](int done, int total) {
                if (done == total)
                    renderedUs = nowUs();
            });
        return voice;
    });
    qint64 startedUs = 0;
    qint64 killedUs = 0;
    t->installEventFilter(&watch);
    user.scripts.push_back([&](QDialog *) {
        startedUs = nowUs();
        bool killed = false;
        bool thawed = false;
        bool waiting = false;
        QElapsedTimer limit;
        limit.start();
        while (t->isVisible() && t->Phase == 1 && limit.elapsed() < 600000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            // Nothing is shown in the discipline: its digits are told by
            // the runner's count.
            if (spokenNumbers && t->CurrentNumber > shownUs.size() && t->CurrentNumber <= t->ElementCount)
                shownUs << nowUs();
            if (stopAfter >= 0 && !killed && !shownUs.isEmpty() && nowUs() - shownUs.first() > stopAfter * 1000) {
                killed = true;
                killedUs = nowUs();
                std::printf("%s the sound server at %.3f s\n", freeze.isEmpty() ? "killing" : "freezing",
                            double(nowUs() - shownUs.first()) / 1e6);
                if (freeze.isEmpty())
                    QProcess::execute(QStringLiteral("pulseaudio"), {QStringLiteral("--kill")});
                else
                    QProcess::execute(QStringLiteral("kill"), {QStringLiteral("-STOP"), freeze});
            }
            if (killed && !thawed && freezeFor >= 0 && !freeze.isEmpty() && nowUs() - killedUs > freezeFor * 1000) {
                thawed = true;
                QProcess::execute(QStringLiteral("kill"), {QStringLiteral("-CONT"), freeze});
                std::printf("let the sound server go at %.3f s\n", double(nowUs() - shownUs.first()) / 1e6);
            }
            if (t->waitNotice->isVisible() != waiting) {
                waiting = !waiting;
                std::printf("%s at %.3f s, digit %d\n",
                            waiting ? "\"Waiting for the sound server…\" shown" : "the run went on",
                            double(nowUs() - shownUs.first()) / 1e6, t->CurrentNumber);
            }
        }
        if (!t->isVisible())
            return;
        if (spokenNumbers) {
            QString line;
            for (int n = 1; n <= t->ElementCount; ++n) {
                const QString digit = forms.frm_results->Cell(1, n - 1);
                line +=
                    n == wrongAt ? (digit == QLatin1String("1") ? QStringLiteral("2") : QStringLiteral("1")) : digit;
                if (n % 10 == 0)
                    line += QLatin1Char(' ');
            }
            t->Edit1->setText(line);
            t->BitBtn1Click();
            return;
        }
        for (int n = 1; n <= t->ElementCount && t->isVisible(); ++n) {
            t->Edit1->setText(forms.frm_results->Cell(1, n - 1));
            t->BitBtn1Click();
        }
    });
    qint64 askedUs = nowUs();
    user.onAsk = [&](const TestUser::Asked &asked) {
        if (asked.text != QLatin1String("Press OK to start"))
            return;
        QElapsedTimer reading;
        reading.start();
        while (reading.elapsed() < think)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        askedUs = nowUs();
    };
    forms.frm_main->est21Click();
    const qint64 endedUs = nowUs();
    QCoreApplication::processEvents();
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    recorder.stop = true;
    if (recorder.thread.joinable()) {
        if (freeze.isEmpty() || stopAfter < 0)
            recorder.thread.join();
        else
            recorder.thread.detach(); // blocked in the frozen server
    }

    std::printf("rendering and start: %.3f s from \"Press OK to start\" answered to the runner\n",
                double(startedUs - askedUs) / 1e6);
    if (renderedUs > 0 && !shownUs.isEmpty())
        std::printf("voice made %.3f s before the answer, rendered %.3f s after it; start: %.3f s from the end of "
                    "rendering to the first Element\n",
                    double(askedUs - madeUs) / 1e6, double(renderedUs - askedUs) / 1e6,
                    double(shownUs.first() - renderedUs) / 1e6);
    std::vector<qint64> onsets;
    for (int i = 0; i < shownUs.size(); ++i) {
        const qint64 to = i + 1 < shownUs.size() ? shownUs.at(i + 1) : endedUs;
        const qint64 heard = recorder.Onset(shownUs.at(i), to);
        const QString element = forms.frm_results->Cell(1, i);
        std::printf("%3d %-12s shown %8.3f s  sound %s\n", i + 1, qPrintable(element), double(shownUs.at(i)) / 1e6,
                    !record ? "not recorded"
                    : heard < 0
                        ? "none"
                        : qPrintable(QStringLiteral("+%1 ms").arg(double(heard - shownUs.at(i)) / 1000, 0, 'f', 1)));
        if (heard >= 0)
            onsets.push_back(heard - shownUs.at(i));
    }
    if (!onsets.empty()) {
        std::vector<qint64> sorted = onsets;
        std::sort(sorted.begin(), sorted.end());
        std::printf("onset over %zu of %lld Elements: median %.1f ms, worst %.1f ms\n", sorted.size(),
                    qint64(shownUs.size()), double(sorted[sorted.size() / 2]) / 1000, double(sorted.back()) / 1000);
    }
    if (spokenNumbers && record && !shownUs.isEmpty()) {
        // Each digit's onset near its moment (from a quarter of a pace
        // before it, after the digit before has ended), against a grid of
        // whole paces, counted in samples of the recording: the grid's
        // start is the median of the onsets less their whole paces, so
        // that no one onset sets it.
        const qint64 paceUs = timer.toLongLong() * 1000;
        const qint64 pace = timer.toLongLong() * Rate / 1000;
        const qint64 firstUs = recorder.Onset(shownUs.first() - paceUs / 4, shownUs.first() + paceUs / 2);
        const qint64 first = firstUs < 0 ? -1 : recorder.SampleAt(firstUs);
        std::vector<qint64> heardAt; // by digit, in samples; -1 for none
        std::vector<qint64> starts;
        int silent = 0;
        for (int i = 0; i < shownUs.size() && first >= 0; ++i) {
            const qint64 near = first + qint64(i) * pace;
            heardAt.push_back(recorder.OnsetSample(near - pace / 4, near + pace / 2));
            if (heardAt.back() < 0)
                ++silent;
            else
                starts.push_back(heardAt.back() - qint64(i) * pace);
        }
        std::sort(starts.begin(), starts.end());
        const qint64 grid = starts.empty() ? 0 : starts[starts.size() / 2];
        std::vector<qint64> drift; // microseconds
        for (size_t i = 0; i < heardAt.size(); ++i)
            if (heardAt[i] >= 0)
                drift.push_back(std::abs(heardAt[i] - (grid + qint64(i) * pace)) * 1000000 / Rate);
        std::sort(drift.begin(), drift.end());
        std::printf("spoken numbers at %s ms: %zu of %lld digits heard (%d silent); onset against the grid of whole "
                    "paces: median %.1f ms, worst %.1f ms\n",
                    qPrintable(timer), drift.size(), qint64(shownUs.size()), silent,
                    drift.empty() ? 0.0 : double(drift[drift.size() / 2]) / 1000,
                    drift.empty() ? 0.0 : double(drift.back()) / 1000);
        std::printf("report: %s\n", qPrintable(forms.frm_results->LabelScore->text()));
    }
    if (killedUs)
        std::printf("the runner closed %.3f s after the sound server was killed\n", double(hiddenUs - killedUs) / 1e6);
    for (const QString &text : user.MessageTexts())
        std::printf("told: %s\n", qPrintable(text));
    if (!forms.frm_main->StatusBar1->currentMessage().isEmpty())
        std::printf("status bar: %s\n", qPrintable(forms.frm_main->StatusBar1->currentMessage()));
    const QByteArray stored = dir.Read(QStringLiteral("testres.ini"));
    std::printf("stored: %s\n", stored.isEmpty() ? "nothing" : stored.trimmed().constData());
    if (!wav.isEmpty()) {
        QFile out(wav);
        if (out.open(QIODevice::WriteOnly))
            out.write(reinterpret_cast<const char *>(recorder.samples.data()), qint64(recorder.samples.size()) * 2);
        std::printf("recording (raw s16le mono %d Hz): %s\n", Rate, qPrintable(wav));
    }
    DestroyForms(forms);
    return 0;
}
