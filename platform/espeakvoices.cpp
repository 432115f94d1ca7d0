#include "platform/espeakvoices.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>

namespace Speech {
namespace {

const QLatin1String MbrolaPrefix{"mb/"};
const QLatin1String VariantPrefix{"!v/"};

// "m3" -> ('m', 3), "klatt" -> ('k', 1), "klatt4" -> ('k', 4); others ('\0', 0).
struct Numbered
{
    char kind = '\0';
    int number = 0;
};

Numbered numbered(const QString &variant)
{
    // The digits after the kind's letters; none is 1 for Klatt ("klatt").
    const auto after = [&variant](qsizetype at, bool noneIsOne) {
        const QString digits = variant.mid(at);
        if (digits.isEmpty())
            return noneIsOne ? 1 : 0;
        return std::all_of(digits.begin(), digits.end(), [](QChar c) { return c.isDigit(); }) ? digits.toInt() : 0;
    };
    if (variant.startsWith(QLatin1String("klatt")))
        if (const int n = after(5, true))
            return {'k', n};
    if (variant.startsWith(u'm') || variant.startsWith(u'f'))
        if (const int n = after(1, false))
            return {char(variant.at(0).unicode()), n};
    return {};
}

// Men, women, the Klatt voices, then the others by name.
int rank(char kind)
{
    switch (kind) {
    case 'm':
        return 0;
    case 'f':
        return 1;
    case 'k':
        return 2;
    default:
        return 3;
    }
}

bool byName(const EspeakVoice &a, const EspeakVoice &b)
{
    return QString::compare(a.name, b.name, Qt::CaseInsensitive) < 0;
}

QString tr(const char *text) { return QCoreApplication::translate("Speech", text); }

} // namespace

EspeakVoices SortEspeakVoices(const QList<EspeakVoice> &listed,
                              const std::function<bool(const QString &database)> &mbrolaInstalled)
{
    EspeakVoices sorted;
    for (const EspeakVoice &voice : listed) {
        if (voice.identifier.startsWith(VariantPrefix)) {
            const QString variant = voice.identifier.mid(VariantPrefix.size());
            if (!variant.isEmpty() && !variant.contains(u'+') && !sorted.variants.contains(variant))
                sorted.variants << variant;
        } else if (voice.identifier.startsWith(MbrolaPrefix)) {
            // Chosen by its file's name, "mb-en1"; its database is "en1",
            // that of "mb-de1-en" (German's speaking English) "de1".
            EspeakVoice mbrola = voice;
            mbrola.name = voice.identifier.mid(MbrolaPrefix.size());
            const QString database = mbrola.name.section(u'-', 1, 1);
            if (!mbrola.name.startsWith(QLatin1String("mb-")) || database.isEmpty())
                continue;
            (mbrolaInstalled && mbrolaInstalled(database) ? sorted.voices : sorted.missing) << mbrola;
        } else if (!voice.name.isEmpty() && !voice.name.contains(u'+')) {
            sorted.voices << voice;
        }
    }
    std::sort(sorted.voices.begin(), sorted.voices.end(), byName);
    std::sort(sorted.variants.begin(), sorted.variants.end(), [](const QString &a, const QString &b) {
        const Numbered x = numbered(a);
        const Numbered y = numbered(b);
        if (rank(x.kind) != rank(y.kind))
            return rank(x.kind) < rank(y.kind);
        if (x.kind)
            return x.number < y.number;
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    return sorted;
}

bool MbrolaInstalled(const QString &database)
{
    if (QStandardPaths::findExecutable(QStringLiteral("mbrola")).isEmpty())
        return false;
    // Where eSpeak NG looks for it.
    const QString base = QStringLiteral("/usr/share/mbrola/");
    const QStringList paths{base + database, base + database + u'/' + database, base + u"voices/" + database};
    for (const QString &path : paths)
        if (QFileInfo(path).isFile())
            return true;
    return false;
}

QString ClearestVariant(const QString &language)
{
    // English: of the voice by itself and its 101 variants, rendered by the
    // speaker at three rates, "robosoft3" had 82 of 90 numbers heard right
    // (94.7 % of the words), the voice by itself 38 (54.1 %). The recogniser
    // knows only English.
    // The languages eSpeak NG's British voice is chosen for.
    const QStringList english{QStringLiteral("en"), QStringLiteral("en-gb"), QStringLiteral("en-uk")};
    return english.contains(language) ? QStringLiteral("robosoft3") : QString();
}

VoiceChoice ChooseVoice(const QString &stored, const QString &textsLanguage, const EspeakVoices &offered)
{
    VoiceChoice choice;
    if (stored.isEmpty()) {
        choice.language = textsLanguage;
        choice.variant = ClearestVariant(textsLanguage);
        return choice;
    }
    const qsizetype plus = stored.indexOf(u'+');
    const QString name = plus < 0 ? stored : stored.left(plus);
    choice.variant = plus < 0 ? QString() : stored.mid(plus + 1);
    if (!choice.variant.isEmpty() && !offered.variants.contains(choice.variant)) {
        // eSpeak NG reads without a variant it lacks and says nothing.
        choice.notice =
            tr("The voice variant \"%1\" is not installed; the voice reads without it.").arg(choice.variant);
        choice.variant.clear();
    }
    if (name.isEmpty()) {
        choice.language = textsLanguage;
        return choice;
    }
    const auto named = [&name](const EspeakVoice &voice) { return voice.name == name; };
    const auto voice = std::find_if(offered.voices.begin(), offered.voices.end(), named);
    if (voice != offered.voices.end()) {
        choice.identifier = voice->identifier;
        return choice;
    }
    if (name.startsWith(QLatin1String("mb-"))) {
        // Removed after it was chosen: its language's own voice reads.
        const auto missing = std::find_if(offered.missing.begin(), offered.missing.end(), named);
        choice.language =
            missing != offered.missing.end() && !missing->language.isEmpty() ? missing->language : textsLanguage;
        choice.variant = ClearestVariant(choice.language);
        choice.notice =
            tr("The MBROLA voice \"%1\" is not installed; the default voice of its language reads instead.").arg(name);
        return choice;
    }
    choice.problem = tr("the voice \"%1\" is not installed").arg(name);
    return choice;
}

QString ShownVariant(const QString &variant)
{
    const Numbered n = numbered(variant);
    switch (n.kind) {
    case 'm':
        return tr("male %1").arg(n.number);
    case 'f':
        return tr("female %1").arg(n.number);
    case 'k':
        return tr("Klatt %1").arg(n.number);
    default:
        break;
    }
    if (variant == QLatin1String("whisper"))
        return tr("whispering");
    if (variant == QLatin1String("whisperf"))
        return tr("female, whispering");
    if (variant == QLatin1String("croak"))
        return tr("croaking");
    QString shown = variant;
    shown.replace(u'_', u' ');
    if (!shown.isEmpty())
        shown[0] = shown.at(0).toUpper();
    return shown;
}

} // namespace Speech
