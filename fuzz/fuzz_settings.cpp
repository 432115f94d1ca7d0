// The Settings from any config.ini: each text is the stored value as
// direct access returns it (Module names and bounds not cut) or its
// default when the key is missing, each switch is on exactly when its
// value reads as 1 (or is missing and on by default), each draw is its
// stored number or at random; the choices made from them stay within
// their lists and the spin buttons within their ranges.
//
// The same bytes serve as the Module library for those choices.

#include "fuzz/reference.h"
#include "library/modules.h"
#include "library/settings.h"
#include "profile/memoryfiles.h"
#include "profile/profilefile.h"

#include <algorithm>

namespace {

const QString Unset = QStringLiteral("\n");

struct Stored
{
    const ProfileFile &memory;

    // whole: as a Module name or bound is read, not cut at 2,047 characters.
    std::optional<QString> Text(QLatin1String section, QLatin1String key, bool whole = false) const
    {
        const QString value = memory.ReadText(section, key, Unset);
        if (value == Unset)
            return std::nullopt;
        return Reference::DirectValue(value, whole ? -1 : 2047);
    }
    bool Flag(QLatin1String key, bool defaultOn) const
    {
        const std::optional<QString> value = Text(Settings::TestSection, key);
        return Reference::Number(value.value_or(QString())).value_or(defaultOn ? 1 : 0) == 1;
    }
};

void checkPage(const Settings::PageValues &page, const Stored &stored, QLatin1String section, QLatin1String numKey,
               QLatin1String nameKey, QLatin1String fromKey, QLatin1String toKey)
{
    FUZZ_CHECK(page.NumOfEl == stored.Text(section, numKey).value_or(QStringLiteral("20")));
    FUZZ_CHECK(page.ModuleName == stored.Text(section, nameKey, true).value_or(QString()));
    FUZZ_CHECK(page.range.from == stored.Text(section, fromKey, true));
    FUZZ_CHECK(page.range.to == stored.Text(section, toKey, true));
    for (const QString *value : {&page.NumOfEl, &page.ModuleName})
        FUZZ_CHECK(!value->contains(u'\n') && !value->contains(u'\r'));
}

// A draw is its stored number when that is 1 or 2, else at random.
Settings::Draw drawOf(const Stored &stored, QLatin1String section, QLatin1String key)
{
    const auto number = Reference::Number(stored.Text(section, key).value_or(QString())).value_or(0);
    return number == 1 ? Settings::Draw::Shuffled : number == 2 ? Settings::Draw::InOrder : Settings::Draw::AtRandom;
}

void checkChoices(const Settings::PageValues &page, const QStringList &names, const ProfileFile &memory)
{
    const int module = Settings::ModuleIndex(names, page.ModuleName);
    const qsizetype exact = page.ModuleName.isEmpty() ? -1 : names.indexOf(page.ModuleName);
    FUZZ_CHECK(module == (names.isEmpty() ? -1 : exact >= 0 ? exact : 0));
    if (module < 0)
        return;
    const Modules::ElementList elements(memory.ReadText(names[module], Modules::DataKey, QString()));
    const int from = Settings::FromIndex(elements, page.range.from);
    const int to = Settings::ToIndex(elements, page.range.to);
    const QStringList list = elements.ToStringList();
    const qsizetype fromExact = page.range.from ? list.indexOf(*page.range.from) : -1;
    const qsizetype toExact = page.range.to ? list.indexOf(*page.range.to) : -1;
    FUZZ_CHECK(from == (list.isEmpty() ? -1 : fromExact >= 0 ? fromExact : 0));
    FUZZ_CHECK(to == (list.isEmpty() ? -1 : toExact >= 0 ? toExact : list.size() - 1));

    for (int step : {-1, 1, 1000}) {
        const int spun = Settings::SpinStep(page.NumOfEl, 20, step, Settings::NumOfElMin, Settings::NumOfElMax);
        FUZZ_CHECK(spun >= Settings::NumOfElMin && spun <= Settings::NumOfElMax);
        bool ok = false;
        const int typed = page.NumOfEl.trimmed().toInt(&ok);
        if (ok)
            FUZZ_CHECK(spun == std::clamp<qint64>(qint64(typed) + step, Settings::NumOfElMin, Settings::NumOfElMax));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString path = QStringLiteral("memory:/config.ini");
    Profile::SetMemoryFile(path, bytes);
    {
        const Settings::Record record = Settings::Read(path);
        const ProfileFile memory(path, ProfileFile::Access::InMemory);
        const Stored stored{memory};
        using namespace Settings;
        checkPage(record.training, stored, TestSection, TNumOfElKey, TMNameKey, TDiapFromKey, TDiapToKey);
        checkPage(record.exam, stored, ExamSection, ENumOfElKey, EMNameKey, EDiapFromKey, EDiapToKey);
        FUZZ_CHECK(record.TimerMSec == stored.Text(TestSection, TimerMSecKey).value_or(QStringLiteral("6000")));
        FUZZ_CHECK(record.DoExercises == stored.Flag(IfexecKey, true));
        FUZZ_CHECK(record.IfNoTimeLimit == stored.Flag(IfNoTimeLimitKey, false));
        FUZZ_CHECK(record.IfShowNum == stored.Flag(IfShowNumKey, true));
        FUZZ_CHECK(record.training.draw == drawOf(stored, TestSection, TDrawKey));
        FUZZ_CHECK(record.exam.draw == drawOf(stored, ExamSection, EDrawKey));

        const QStringList names = Modules::ListModuleNames(path);
        checkChoices(record.training, names, memory);
        checkChoices(record.exam, names, memory);
    }
    Profile::RemoveMemoryFiles();
    return 0;
}
