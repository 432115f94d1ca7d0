// The clips the program's own speaker makes, for a speech recogniser to
// judge how clearly each voice says digits. For each voice (as `TVoice`
// stores it: "" the default, "+f2", "German+m3", "mb-en1") it renders
// the texts through the eSpeak NG speaker, plays them into a sink that
// keeps them, and writes each clip as 16 kHz 16-bit mono raw sound,
// `<dir>/<voice number>/<text number>.raw`, with `<dir>/clips.ctl` listing
// them (the control file of pocketsphinx_batch) and `<dir>/clips.txt`
// the voice and text of each. scripts/voiceclarity runs it and the
// recogniser and scores what was heard.
//
//   tenacio_voiceclarity DIR [--texts a,b,c] [--language en] [--rate R] [--all-variants] VOICE...
//
// --all-variants adds "+<variant>" for every variant the engine has;
// --rate is the speaker's (-1 slowest, 0 normal, 1 fastest).

#include "platform/speech.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QTimer>

#include <cstdio>
#include <mutex>
#include <vector>

namespace {

// Keeps what the player writes.
struct Kept
{
    std::mutex lock;
    std::vector<qint16> samples;
};

class KeepingSink final : public Speech::SoundSink
{
public:
    explicit KeepingSink(std::shared_ptr<Kept> kept)
        : m_kept(std::move(kept))
    {
    }
    QString Write(const qint16 *samples, size_t count) override
    {
        std::lock_guard lock(m_kept->lock);
        m_kept->samples.insert(m_kept->samples.end(), samples, samples + count);
        return QString();
    }
    QString Drain() override { return QString(); }
    QString Flush() override { return QString(); }
    QString Check() override { return QString(); }

private:
    std::shared_ptr<Kept> m_kept;
};

// 22050 Hz (or any rate) to 16 kHz: each output sample the mean of the
// input around it, which keeps what lies above 8 kHz from folding back.
std::vector<qint16> to16k(const std::vector<qint16> &in, int rate)
{
    std::vector<qint16> out;
    const double step = double(rate) / 16000.0;
    for (double at = 0; at + step <= double(in.size()); at += step) {
        const auto from = size_t(at);
        const auto to = std::max(from + 1, size_t(at + step));
        long sum = 0;
        for (size_t i = from; i < to && i < in.size(); ++i)
            sum += in[i];
        out.push_back(qint16(sum / long(to - from)));
    }
    return out;
}

bool waitFor(QObject *sender, const char *signal, int limitMs)
{
    QEventLoop loop;
    QTimer::singleShot(limitMs, &loop, [&loop] { loop.exit(1); });
    QObject::connect(sender, signal, &loop, SLOT(quit()));
    return loop.exec() == 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        std::fprintf(stderr, "usage: tenacio_voiceclarity DIR [--texts a,b,c] [--language en] [--all-variants] "
                             "VOICE...\n");
        return 2;
    }
    const QDir dir(args.takeFirst());
    QStringList texts;
    for (int i = 0; i <= 9; ++i)
        texts << QString::number(i);
    QString language = QStringLiteral("en");
    QStringList voices;
    bool allVariants = false;
    double rate = 0;
    while (!args.isEmpty()) {
        const QString a = args.takeFirst();
        if (a == QLatin1String("--texts") && !args.isEmpty())
            texts = args.takeFirst().split(u',');
        else if (a == QLatin1String("--language") && !args.isEmpty())
            language = args.takeFirst();
        else if (a == QLatin1String("--rate") && !args.isEmpty())
            rate = args.takeFirst().toDouble();
        else if (a == QLatin1String("--all-variants"))
            allVariants = true;
        else
            voices << (a == QLatin1String("default") ? QString() : a);
    }
    Speech::SetInterfaceLanguage(language == QLatin1String("en") ? QString() : language);
    if (allVariants) {
        const auto speaker = Speech::CreateEspeak();
        if (!speaker) {
            std::fprintf(stderr, "built without speech\n");
            return 1;
        }
        for (const QString &variant : speaker->Variants())
            voices << u'+' + variant;
    }
    dir.mkpath(QStringLiteral("."));
    QFile ctl(dir.filePath(QStringLiteral("clips.ctl")));
    QFile list(dir.filePath(QStringLiteral("clips.txt")));
    if (!ctl.open(QIODevice::WriteOnly) || !list.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "can't write in %s\n", qPrintable(dir.path()));
        return 1;
    }
    for (qsizetype v = 0; v < voices.size(); ++v) {
        auto kept = std::make_shared<Kept>();
        int sampleRate = 0;
        const auto speaker = Speech::CreateEspeak(
            [kept, &sampleRate](int rate, QString &) -> std::unique_ptr<Speech::SoundSink> {
                sampleRate = rate;
                return std::make_unique<KeepingSink>(kept);
            },
            20);
        speaker->SetVoice(voices.at(v));
        speaker->SetPause(0);
        speaker->SetRate(rate);
        QString problem;
        QObject::connect(speaker.get(), &Speech::Speaker::Failed, [&problem](const QString &why) { problem = why; });
        speaker->Prepare(texts);
        if (!waitFor(speaker.get(), SIGNAL(prepared()), 30000) || !problem.isEmpty()) {
            std::fprintf(stderr, "voice \"%s\": %s\n", qPrintable(voices.at(v)),
                         qPrintable(problem.isEmpty() ? QStringLiteral("not rendered") : problem));
            continue;
        }
        dir.mkpath(QString::number(v));
        for (qsizetype t = 0; t < texts.size(); ++t) {
            {
                std::lock_guard lock(kept->lock);
                kept->samples.clear();
            }
            speaker->Say(texts.at(t));
            if (!waitFor(speaker.get(), SIGNAL(finished()), 10000)) {
                std::fprintf(stderr, "voice \"%s\": \"%s\" was not said\n", qPrintable(voices.at(v)),
                             qPrintable(texts.at(t)));
                return 1;
            }
            std::vector<qint16> clip;
            {
                std::lock_guard lock(kept->lock);
                clip = kept->samples;
            }
            // A moment of silence on either side, as a recogniser hears speech.
            std::vector<qint16> sound(size_t(sampleRate) / 4, 0);
            sound.insert(sound.end(), clip.begin(), clip.end());
            sound.insert(sound.end(), size_t(sampleRate) / 4, 0);
            const std::vector<qint16> out = to16k(sound, sampleRate);
            const QString name = QStringLiteral("%1/%2").arg(v).arg(t);
            QFile raw(dir.filePath(name + QStringLiteral(".raw")));
            if (!raw.open(QIODevice::WriteOnly)
                || raw.write(reinterpret_cast<const char *>(out.data()), qint64(out.size() * sizeof(qint16)))
                       != qint64(out.size() * sizeof(qint16))) {
                std::fprintf(stderr, "can't write %s\n", qPrintable(raw.fileName()));
                return 1;
            }
            ctl.write(name.toUtf8() + '\n');
            list.write(name.toUtf8() + '\t' + (voices.at(v).isEmpty() ? QByteArray("default") : voices.at(v).toUtf8())
                       + '\t' + texts.at(t).toUtf8() + '\n');
        }
    }
    return 0;
}
