#include "library/settings.h"

#include "library/keepfile.h"
#include "platform/platform.h"
#include "profile/fileaccess.h"
#include "profile/profilefile.h"

#include <QCoreApplication>

#include <algorithm>

namespace Settings {
namespace {

// Stored values never hold a line break, so this default tells a missing
// key from a stored empty value.
const QString &missing()
{
    static const QString text = QStringLiteral("\n");
    return text;
}

// A Module name and a bound are read whole: they must match what they name.
std::optional<QString> readBound(const ProfileFile &file, QLatin1String section, QLatin1String key)
{
    QString value = file.ReadWholeText(section, key, missing());
    if (value == missing())
        return std::nullopt;
    return value;
}

PageValues readPage(const ProfileFile &file, QLatin1String section, QLatin1String numKey, QLatin1String nameKey,
                    QLatin1String fromKey, QLatin1String toKey, QLatin1String drawKey)
{
    PageValues page;
    page.NumOfEl = file.ReadText(section, numKey, page.NumOfEl);
    page.ModuleName = file.ReadWholeText(section, nameKey, QString());
    page.range.from = readBound(file, section, fromKey);
    page.range.to = readBound(file, section, toKey);
    page.draw = DrawFromNumber(file.ReadNumber(section, drawKey, int(Draw::AtRandom)));
    return page;
}

// A file of someone who never chose another draw stays as it was.
void addDraw(QList<ProfileFile::Entry> &entries, const ProfileFile &file, QLatin1String section, QLatin1String key,
             Draw draw)
{
    if (draw != Draw::AtRandom || file.ReadText(section, key, missing()) != missing())
        entries += {section, key, QString::number(int(draw))};
}

bool readFlag(const ProfileFile &file, QLatin1String key, bool defaultOn)
{
    return file.ReadNumber(TestSection, key, defaultOn ? 1 : 0) == 1;
}

const QLatin1String SpeechKeys[] = {IfSpeakKey, IfHideElKey, TVoiceKey, TSpeechRateKey};

Speech readSpeech(const ProfileFile &file)
{
    Speech speech;
    speech.IfSpeak = readFlag(file, IfSpeakKey, speech.IfSpeak);
    speech.IfHideEl = readFlag(file, IfHideElKey, speech.IfHideEl);
    speech.TVoice = file.ReadText(TestSection, TVoiceKey, speech.TVoice);
    speech.TSpeechRate = file.ReadNumber(TestSection, TSpeechRateKey, speech.TSpeechRate);
    speech.IfDigits = readFlag(file, IfDigitsKey, speech.IfDigits);
    speech.TPauseMSec = file.ReadNumber(TestSection, TPauseMSecKey, speech.TPauseMSec);
    speech.IfSpokenNum = readFlag(file, IfSpokenNumKey, speech.IfSpokenNum);
    return speech;
}

void addSpeech(QList<ProfileFile::Entry> &entries, const ProfileFile &file, const Speech &speech)
{
    bool stored = false;
    for (QLatin1String key : SpeechKeys)
        stored = stored || file.ReadText(TestSection, key, missing()) != missing();
    if (!stored && speech == Speech())
        return;
    const auto flag = [](bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); };
    entries += {{TestSection, IfSpeakKey, flag(speech.IfSpeak)},
                {TestSection, IfHideElKey, flag(speech.IfHideEl)},
                {TestSection, TVoiceKey, speech.TVoice},
                {TestSection, TSpeechRateKey, QString::number(speech.TSpeechRate)}};
    if (speech.IfDigits || file.ReadText(TestSection, IfDigitsKey, missing()) != missing())
        entries += {TestSection, IfDigitsKey, flag(speech.IfDigits)};
    if (speech.TPauseMSec != PauseDefault || file.ReadText(TestSection, TPauseMSecKey, missing()) != missing())
        entries += {TestSection, TPauseMSecKey, QString::number(speech.TPauseMSec)};
    if (speech.IfSpokenNum || file.ReadText(TestSection, IfSpokenNumKey, missing()) != missing())
        entries += {TestSection, IfSpokenNumKey, flag(speech.IfSpokenNum)};
}

// A name or bound as stored: with a blank at an end (an Element may have
// one) between quotes, which the read removes again.
QString stored(const QString &text) { return Profile::DirectStored(text); }

QString stored(const std::optional<QString> &bound) { return stored(bound.value_or(QString())); }

} // namespace

int PausedMs(const Speech &speech) { return qBound(PauseMin, speech.TPauseMSec, PauseMax); }

int LongestNumber(const Modules::ElementList &elements, qsizetype from, qsizetype to)
{
    int longest = 0;
    for (qsizetype i = qMax<qsizetype>(0, from); i <= to && i < elements.Size(); ++i) {
        int digits = 0;
        for (const QChar c : elements.At(i)) {
            if (c.isLetter()) {
                digits = 0;
                break;
            }
            digits += c.isDigit() ? 1 : 0;
        }
        longest = qMax(longest, digits);
    }
    return longest;
}

SpokenPace PaceOf(int digits, int rateTenths, int pauseMs, int timerMs)
{
    // Milliseconds a digit takes at each rate offered. Measured by rendering
    // "3 1 4 1 5 9 2 6" with the program's own eSpeak NG speaker (clipMs,
    // no pause) in English, German, Russian, French and Spanish: the mean
    // of the five, over the eight digits. A single digit alone takes a
    // little longer (eSpeak's silence before and after), a language's
    // own voice up to a fifth more or less.
    struct DigitMs
    {
        int tenths;
        int ms;
    };
    static constexpr DigitMs Table[] = {{-6, 394}, {-3, 321}, {0, 269}, {3, 200}, {6, 163}};
    const DigitMs *nearest =
        std::min_element(std::begin(Table), std::end(Table), [&](const DigitMs &a, const DigitMs &b) {
            return qAbs(a.tenths - rateTenths) < qAbs(b.tenths - rateTenths);
        });
    SpokenPace pace;
    pace.digits = qMax(0, digits);
    pace.spokenMs = pace.digits * nearest->ms;
    pace.pauseMs = qMax(0, pauseMs);
    pace.timerMs = qMax(0, timerMs);
    pace.elementMs = qMax(pace.timerMs, pace.spokenMs + pace.pauseMs);
    return pace;
}

QString ConfigPath() { return Platform::DataFile(QLatin1String(Platform::ConfigFile)); }

Record Read(const QString &path)
{
    const ProfileFile file(path, ProfileFile::Access::Direct);
    Record record;
    record.training = readPage(file, TestSection, TNumOfElKey, TMNameKey, TDiapFromKey, TDiapToKey, TDrawKey);
    record.TimerMSec = file.ReadText(TestSection, TimerMSecKey, record.TimerMSec);
    record.DoExercises = readFlag(file, IfexecKey, record.DoExercises);
    record.IfNoTimeLimit = readFlag(file, IfNoTimeLimitKey, record.IfNoTimeLimit);
    record.IfShowNum = readFlag(file, IfShowNumKey, record.IfShowNum);
    record.speech = readSpeech(file);
    record.exam = readPage(file, ExamSection, ENumOfElKey, EMNameKey, EDiapFromKey, EDiapToKey, EDrawKey);
    return record;
}

void Write(const QString &path, const Record &record)
{
    // One hold of the lock and one write for all the keys: another copy's
    // OK comes before or after this one, never between its keys.
    const Profile::FileLock lock(path);
    ProfileFile file(path, ProfileFile::Access::Direct);
    const auto flag = [](bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); };
    const PageValues &t = record.training;
    QList<ProfileFile::Entry> entries{{TestSection, TNumOfElKey, t.NumOfEl},
                                      {TestSection, TimerMSecKey, record.TimerMSec},
                                      {TestSection, TMNameKey, stored(t.ModuleName)},
                                      {TestSection, TDiapFromKey, stored(t.range.from)},
                                      {TestSection, TDiapToKey, stored(t.range.to)},
                                      {TestSection, IfexecKey, flag(record.DoExercises)},
                                      {TestSection, IfNoTimeLimitKey, flag(record.IfNoTimeLimit)},
                                      {TestSection, IfShowNumKey, flag(record.IfShowNum)}};
    if (record.speech)
        addSpeech(entries, file, *record.speech);
    addDraw(entries, file, TestSection, TDrawKey, t.draw);
    const PageValues &e = record.exam;
    entries += {{ExamSection, ENumOfElKey, e.NumOfEl},
                {ExamSection, EMNameKey, stored(e.ModuleName)},
                {ExamSection, EDiapFromKey, stored(e.range.from)},
                {ExamSection, EDiapToKey, stored(e.range.to)}};
    addDraw(entries, file, ExamSection, EDrawKey, e.draw);
    if (record.keepThreshold)
        entries += {KeepFile::KeepSection, KeepFile::ThresholdKey, QString::number(*record.keepThreshold)};
    file.WriteTexts(entries);
}

void WriteTraining(const QString &path, const PageValues &training)
{
    ProfileFile file(path, ProfileFile::Access::Direct);
    file.WriteTexts({{TestSection, TNumOfElKey, training.NumOfEl},
                     {TestSection, TMNameKey, stored(training.ModuleName)},
                     {TestSection, TDiapFromKey, stored(training.range.from)},
                     {TestSection, TDiapToKey, stored(training.range.to)}});
}

QString UsableTimer(const QString &stored, bool spoken, QString *notice)
{
    qint32 ms = 0;
    if (!Platform::TryStrToInt(stored, &ms))
        return stored;
    const int used = std::clamp(ms, TrainingBounds(spoken).timerMin, TrainingBounds(spoken).timerMax);
    if (used == ms)
        return stored;
    if (notice)
        *notice =
            QCoreApplication::translate("Settings", "The Timer (MilliSec) stored in config.ini, %1, is beyond what "
                                                    "the options can set; %2 is used instead.")
                .arg(ms)
                .arg(used);
    return QString::number(used);
}

Draw DrawFromNumber(int number)
{
    switch (number) {
    case int(Draw::Shuffled):
        return Draw::Shuffled;
    case int(Draw::InOrder):
        return Draw::InOrder;
    default:
        return Draw::AtRandom;
    }
}

Bounds TrainingBounds(bool spoken)
{
    return Bounds{NumOfElMin, TrainingNumOfElMax, spoken ? TrainingSpokenTimerMin : TrainingTimerMin, TimerMax};
}

Bounds ExamBounds() { return Bounds{}; }

int ModuleIndex(const QStringList &names, const QString &stored)
{
    if (names.isEmpty())
        return -1;
    const int found = stored.isEmpty() ? -1 : int(names.indexOf(stored));
    return found >= 0 ? found : 0;
}

int FromIndex(const Modules::ElementList &elements, const std::optional<QString> &stored)
{
    if (elements.IsEmpty())
        return -1;
    const int found = stored ? int(elements.IndexOf(*stored)) : -1;
    return found >= 0 ? found : 0;
}

int ToIndex(const Modules::ElementList &elements, const std::optional<QString> &stored)
{
    if (elements.IsEmpty())
        return -1;
    const int found = stored ? int(elements.IndexOf(*stored)) : -1;
    return found >= 0 ? found : int(elements.Size()) - 1;
}

int SpinStep(const QString &text, int position, int step, int min, int max)
{
    bool ok = false;
    const int typed = text.trimmed().toInt(&ok, 10);
    const qint64 from = ok ? typed : position;
    return int(std::clamp<qint64>(from + step, min, max));
}

} // namespace Settings
