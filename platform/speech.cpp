#include "platform/speech.h"

#include <algorithm>

namespace Speech {

#ifdef TENACIO_SPEECH
// speechespeak.cpp
std::unique_ptr<Speaker> CreateEspeakSpeaker(SinkOpener open, int watchMs);
QStringList EspeakEngines();
#endif

namespace {

std::function<std::unique_ptr<Speaker>()> &factory()
{
    static std::function<std::unique_ptr<Speaker>()> f;
    return f;
}

QString &interfaceLanguage()
{
    static QString language;
    return language;
}

} // namespace

Speaker::~Speaker() = default;

QStringList Speaker::Variants() const { return {}; }

QString Speaker::LanguageOf(const QString &) const { return QString(); }

void Speaker::Prepare(const QStringList &texts)
{
    Q_EMIT Progress(int(texts.size()), int(texts.size()));
    Q_EMIT Prepared();
}

void Speaker::WarmUp() { }

void Speaker::SayAt(const QString &text, quint32) { Say(text); }

void Speaker::SetPause(int) { }

void Speaker::Reach(int) { Q_EMIT Reached(); }

qint64 Speaker::ClipMs(const QString &) const { return -1; }

QString SpokenText(const QString &element, bool digitByDigit)
{
    if (!digitByDigit)
        return element;
    // The number's digits and its separators (',', '.', '\''), in order;
    // a text with anything else is no number.
    QString kept;
    bool negative = false;
    for (const QChar c : element) {
        if (c.isDigit() || c == QLatin1Char(',') || c == QLatin1Char('.') || c == QLatin1Char('\''))
            kept += c;
        else if (c == QLatin1Char('-') && kept.isEmpty() && !negative)
            negative = true;
        else if (!c.isSpace())
            return element;
    }
    const auto isDigit = [](QChar c) { return c.isDigit(); };
    if (std::none_of(kept.begin(), kept.end(), isDigit))
        return element;
    // The last '.' or ',' is a decimal point unless it may group thousands:
    // once, three digits after it, and the digits before it not a zero
    // ("1,234" is read as four digits, "3.14", "0.125" and "1,234.5" with
    // their point).
    qsizetype point = -1;
    const qsizetype last = std::max(kept.lastIndexOf(QLatin1Char('.')), kept.lastIndexOf(QLatin1Char(',')));
    if (last > 0 && last + 1 < kept.size() && kept.at(last - 1).isDigit() && kept.at(last + 1).isDigit()) {
        const QStringView before = QStringView(kept).left(last);
        const QStringView after = QStringView(kept).mid(last + 1);
        const bool otherBefore = before.contains(kept.at(last) == QLatin1Char('.') ? u',' : u'.');
        const bool onlyOnce = !before.contains(kept.at(last));
        const bool threeAfter = after.size() == 3 && std::all_of(after.begin(), after.end(), isDigit);
        qsizetype group = before.size();
        while (group > 0 && before.at(group - 1).isDigit())
            --group;
        const bool zeroBefore = before.mid(group) == u"0";
        if (otherBefore || (onlyOnce && (!threeAfter || zeroBefore)))
            point = last;
    }
    QString spoken;
    for (qsizetype i = 0; i < kept.size(); ++i) {
        const QChar c = kept.at(i);
        if (i == point) {
            spoken += c; // joins the digits around it: "3.1" is "three point one"
            continue;
        }
        if (!c.isDigit())
            continue;
        if (!spoken.isEmpty() && i != point + 1)
            spoken += QLatin1Char(' ');
        if (spoken.isEmpty() && negative)
            spoken += QLatin1Char('-'); // with its digit: "-4" is "minus four"
        spoken += c;
    }
    return spoken;
}

QString DefaultLanguage(const QStringList &texts, const QString &programLanguage)
{
    for (const QString &text : texts)
        for (const QChar c : text) {
            if (!c.isLetter())
                continue;
            switch (c.script()) {
            case QChar::Script_Cyrillic:
                return QStringLiteral("ru");
            case QChar::Script_Greek:
                return QStringLiteral("el");
            case QChar::Script_Hebrew:
                return QStringLiteral("he");
            case QChar::Script_Arabic:
                return QStringLiteral("ar");
            case QChar::Script_Armenian:
                return QStringLiteral("hy");
            case QChar::Script_Georgian:
                return QStringLiteral("ka");
            case QChar::Script_Devanagari:
                return QStringLiteral("hi");
            case QChar::Script_Thai:
                return QStringLiteral("th");
            case QChar::Script_Hangul:
                return QStringLiteral("ko");
            case QChar::Script_Han:
                return QStringLiteral("cmn");
            case QChar::Script_Hiragana:
            case QChar::Script_Katakana:
                return QStringLiteral("ja");
            default:
                break;
            }
        }
    return programLanguage.isEmpty() ? QStringLiteral("en") : programLanguage;
}

void SetInterfaceLanguage(const QString &language) { interfaceLanguage() = language; }

QString InterfaceLanguage() { return interfaceLanguage(); }

bool Built()
{
#ifdef TENACIO_SPEECH
    return true;
#else
    return false;
#endif
}

std::unique_ptr<Speaker> Create()
{
    if (factory())
        return factory()();
#ifdef TENACIO_SPEECH
    return CreateEspeakSpeaker({}, 100);
#else
    return nullptr;
#endif
}

std::unique_ptr<Speaker> CreateEspeak(SinkOpener open, int watchMs)
{
#ifdef TENACIO_SPEECH
    return CreateEspeakSpeaker(std::move(open), watchMs);
#else
    Q_UNUSED(open);
    Q_UNUSED(watchMs);
    return nullptr;
#endif
}

void SetFactory(std::function<std::unique_ptr<Speaker>()> f) { factory() = std::move(f); }

QStringList Engines()
{
#ifdef TENACIO_SPEECH
    return EspeakEngines();
#else
    return {};
#endif
}

} // namespace Speech
