#include "library/settings.h"

#include "platform/platform.h"
#include "profile/fileaccess.h"
#include "profile/profilefile.h"

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

std::optional<QString> readBound(const ProfileFile &file, QLatin1String section, QLatin1String key)
{
    QString value = file.ReadText(section, key, missing());
    if (value == missing())
        return std::nullopt;
    return value;
}

PageValues readPage(const ProfileFile &file, QLatin1String section, QLatin1String numKey, QLatin1String nameKey,
                    QLatin1String fromKey, QLatin1String toKey, QLatin1String drawKey)
{
    PageValues page;
    page.NumOfEl = file.ReadText(section, numKey, page.NumOfEl);
    page.ModuleName = file.ReadText(section, nameKey, QString());
    page.range.from = readBound(file, section, fromKey);
    page.range.to = readBound(file, section, toKey);
    page.draw = DrawFromNumber(file.ReadNumber(section, drawKey, int(Draw::AtRandom)));
    return page;
}

// A file of someone who never chose another draw stays as it was.
void writeDraw(ProfileFile &file, QLatin1String section, QLatin1String key, Draw draw)
{
    if (draw != Draw::AtRandom || file.ReadText(section, key, missing()) != missing())
        file.WriteNumber(section, key, int(draw));
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
    return speech;
}

void writeSpeech(ProfileFile &file, const Speech &speech)
{
    bool stored = false;
    for (QLatin1String key : SpeechKeys)
        stored = stored || file.ReadText(TestSection, key, missing()) != missing();
    if (!stored && speech == Speech())
        return;
    file.WriteNumber(TestSection, IfSpeakKey, speech.IfSpeak ? 1 : 0);
    file.WriteNumber(TestSection, IfHideElKey, speech.IfHideEl ? 1 : 0);
    file.WriteText(TestSection, TVoiceKey, speech.TVoice);
    file.WriteNumber(TestSection, TSpeechRateKey, speech.TSpeechRate);
    if (speech.IfDigits || file.ReadText(TestSection, IfDigitsKey, missing()) != missing())
        file.WriteNumber(TestSection, IfDigitsKey, speech.IfDigits ? 1 : 0);
}

} // namespace

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
    // One hold of the lock for all the keys: another copy's OK comes
    // before or after this one, never between its keys.
    const Profile::FileLock lock(path);
    ProfileFile file(path, ProfileFile::Access::Direct);
    const PageValues &t = record.training;
    file.WriteText(TestSection, TNumOfElKey, t.NumOfEl);
    file.WriteText(TestSection, TimerMSecKey, record.TimerMSec);
    file.WriteText(TestSection, TMNameKey, t.ModuleName);
    file.WriteText(TestSection, TDiapFromKey, t.range.from.value_or(QString()));
    file.WriteText(TestSection, TDiapToKey, t.range.to.value_or(QString()));
    file.WriteNumber(TestSection, IfexecKey, record.DoExercises ? 1 : 0);
    file.WriteNumber(TestSection, IfNoTimeLimitKey, record.IfNoTimeLimit ? 1 : 0);
    file.WriteNumber(TestSection, IfShowNumKey, record.IfShowNum ? 1 : 0);
    if (record.speech)
        writeSpeech(file, *record.speech);
    writeDraw(file, TestSection, TDrawKey, t.draw);
    const PageValues &e = record.exam;
    file.WriteText(ExamSection, ENumOfElKey, e.NumOfEl);
    file.WriteText(ExamSection, EMNameKey, e.ModuleName);
    file.WriteText(ExamSection, EDiapFromKey, e.range.from.value_or(QString()));
    file.WriteText(ExamSection, EDiapToKey, e.range.to.value_or(QString()));
    writeDraw(file, ExamSection, EDrawKey, e.draw);
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
    if (elements.isEmpty())
        return -1;
    const int found = stored ? int(elements.indexOf(*stored)) : -1;
    return found >= 0 ? found : 0;
}

int ToIndex(const Modules::ElementList &elements, const std::optional<QString> &stored)
{
    if (elements.isEmpty())
        return -1;
    const int found = stored ? int(elements.indexOf(*stored)) : -1;
    return found >= 0 ? found : int(elements.size()) - 1;
}

int SpinStep(const QString &text, int position, int step, int min, int max)
{
    bool ok = false;
    const int typed = text.trimmed().toInt(&ok, 10);
    const qint64 from = ok ? typed : position;
    return int(std::clamp<qint64>(from + step, min, max));
}

} // namespace Settings
