#include "platform/speech.h"

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

} // namespace

Speaker::~Speaker() = default;

void Speaker::prepare(const QStringList &texts)
{
    Q_EMIT progress(int(texts.size()), int(texts.size()));
    Q_EMIT prepared();
}

void Speaker::warmUp() { }

qint64 Speaker::clipMs(const QString &) const { return -1; }

QString SpokenText(const QString &element, bool digitByDigit)
{
    if (!digitByDigit)
        return element;
    QString digits;
    int count = 0;
    for (const QChar c : element) {
        if (c.isDigit()) {
            if (!digits.isEmpty())
                digits += QLatin1Char(' ');
            digits += c;
            ++count;
        } else if (c == QLatin1Char('-') && count == 0 && digits.isEmpty()) {
            digits += c;
        } else if (!c.isSpace() && c != QLatin1Char(',') && c != QLatin1Char('.') && c != QLatin1Char('\'')) {
            return element; // not a number
        }
    }
    return count > 0 ? digits : element;
}

QString DefaultLanguage(const QStringList &texts)
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
    return QStringLiteral("en");
}

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
