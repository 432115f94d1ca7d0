// The real voice: every number from 0 to 9999 and every Element of the
// starter library renders to a clip of speech, in the languages a listener
// trains in. Needs no sound server; skipped in a build without speech.

#include "library/modules.h"
#include "platform/espeakvoices.h"
#include "platform/platform.h"
#include "platform/speech.h"
#include "tests/testsupport.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTest>
#include <QTimer>

namespace {

QString lit(const char *text) { return QString::fromUtf8(text); }

// Renders the texts with the voice; empty when all went well, else why
// not. Gives up when a minute passes without a text rendered.
QString render(Speech::Speaker &speaker, const QStringList &texts)
{
    QString outcome = lit("no text rendered for a minute");
    bool done = false;
    QEventLoop loop;
    QTimer idle;
    idle.setSingleShot(true);
    idle.setInterval(60000);
    QObject::connect(&idle, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(&speaker, &Speech::Speaker::Progress, &idle, qOverload<>(&QTimer::start));
    QObject::connect(&speaker, &Speech::Speaker::Prepared, &loop, [&] {
        outcome.clear();
        done = true;
        loop.quit();
    });
    QObject::connect(&speaker, &Speech::Speaker::Failed, &loop, [&](const QString &why) {
        outcome = why;
        done = true;
        loop.quit();
    });
    idle.start();
    speaker.Prepare(texts);
    if (!done)
        loop.exec();
    return outcome;
}

} // namespace

class TestSpeechSynth : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void spokenTextAndLanguage_data();
    void spokenTextAndLanguage();
    void everyElement_rendersToSpeech_data();
    void everyElement_rendersToSpeech();
    void storedVoice_chosenOrFallsBack_data();
    void storedVoice_chosenOrFallsBack();
    void realVoice_variantsAndFallbacks_data();
    void realVoice_variantsAndFallbacks();
    void missingVoice_saysWhich();
    void punctuationOnly_silent();
};

void TestSpeechSynth::spokenTextAndLanguage_data()
{
    QTest::addColumn<QString>("element");
    QTest::addColumn<QString>("digitByDigit");
    QTest::addColumn<QString>("language"); // of a voice left to its default
    QTest::newRow("number") << lit("1671") << lit("1 6 7 1") << lit("en");
    QTest::newRow("one digit") << lit("7") << lit("7") << lit("en");
    QTest::newRow("blanks and separators") << lit(" 12 345'678 ") << lit("1 2 3 4 5 6 7 8") << lit("en");
    QTest::newRow("thousands") << lit("1,234,567") << lit("1 2 3 4 5 6 7") << lit("en");
    // The minus and the decimal point go with a digit, so that the voice
    // says them ("minus four", "three point one").
    QTest::newRow("negative") << lit("-40") << lit("-4 0") << lit("en");
    QTest::newRow("decimal point") << lit("3.14") << lit("3.1 4") << lit("en");
    QTest::newRow("decimal comma") << lit("-12,5") << lit("-1 2,5") << lit("en");
    QTest::newRow("point after zero") << lit("0.125") << lit("0.1 2 5") << lit("en");
    QTest::newRow("thousands and point") << lit("1,234.75") << lit("1 2 3 4.7 5") << lit("en");
    QTest::newRow("minus alone") << lit("-") << lit("-") << lit("en");
    QTest::newRow("a word stays") << lit("planet") << lit("planet") << lit("en");
    QTest::newRow("digits in a word stay") << lit("B52") << lit("B52") << lit("en");
    QTest::newRow("accented Latin: the program's language") << lit("Bäume") << lit("Bäume") << lit("en");
    QTest::newRow("Cyrillic") << lit("дом 12") << lit("дом 12") << lit("ru");
    QTest::newRow("Greek") << lit("σπίτι") << lit("σπίτι") << lit("el");
}

void TestSpeechSynth::spokenTextAndLanguage()
{
    QFETCH(QString, element);
    QFETCH(QString, digitByDigit);
    QFETCH(QString, language);
    QCOMPARE(Speech::SpokenText(element, false), element);
    QCOMPARE(Speech::SpokenText(element, true), digitByDigit);
    // One text in another script among numbers decides for the run; Latin
    // letters and digits are read in the language the program is shown in.
    QCOMPARE(Speech::DefaultLanguage({lit("12"), element, lit("34")}), language);
    QCOMPARE(Speech::DefaultLanguage({lit("12"), element, lit("34")}, lit("de")),
             language == lit("en") ? lit("de") : language);
}

void TestSpeechSynth::everyElement_rendersToSpeech_data()
{
    QTest::addColumn<QString>("voice"); // empty: chosen by the texts
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<bool>("digitByDigit");

    // Every number to 200, and a sample of the rest to 9999 (each
    // hundred's first and a stride through the others); bench_speech
    // renders them all.
    QStringList numbers;
    for (int n = 0; n <= 9999; ++n)
        if (n < 200 || n % 100 == 0 || n % 97 == 0 || n % 1000 > 990)
            numbers << QString::number(n);
    QTest::newRow("0-9999") << QString() << numbers << false;
    QTest::newRow("0-9999, digit by digit") << QString() << numbers.mid(numbers.size() - 200) << true;

    TestDataDir dir;
    const QString library = Modules::LibraryPath();
    QVERIFY(Modules::PlaceStarterLibrary(library));
    QStringList starter;
    for (const QString &name : Modules::ListModuleNames(library)) {
        const Modules::ElementList elements = Modules::ReadModule(library, name).Elements;
        for (qsizetype i = 0; i < elements.Size(); ++i)
            starter << elements.Text(i);
    }
    QVERIFY(starter.size() > 100);
    QTest::newRow("starter library") << QString() << starter << false;
    QTest::newRow("German") << lit("German") << numbers.mid(0, 200) + QStringList{lit("Haus"), lit("Bäume")} << false;
    QTest::newRow("Russian, by its letters")
        << QString() << numbers.mid(200, 200) + QStringList{lit("дом"), lit("дерево"), lit("планета")} << false;
}

void TestSpeechSynth::everyElement_rendersToSpeech()
{
    QFETCH(QString, voice);
    QFETCH(QStringList, texts);
    QFETCH(bool, digitByDigit);
    if (!Speech::Built())
        QSKIP("built without speech");
    const std::unique_ptr<Speech::Speaker> speaker = Speech::Create();
    QVERIFY(speaker);
    if (!voice.isEmpty() && !speaker->Voices().contains(voice))
        QSKIP("the voice is not installed");
    speaker->SetVoice(voice);
    QStringList spoken;
    for (const QString &text : std::as_const(texts))
        spoken << Speech::SpokenText(text, digitByDigit);
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(render(*speaker, spoken), QString());
    const qint64 took = clock.elapsed();
    // Speech of a sane length: at least a short syllable, at most about a
    // second a letter or digit (and a little to begin with).
    QStringList wrong;
    qint64 longest = 0;
    for (const QString &text : std::as_const(spoken)) {
        const qint64 ms = speaker->ClipMs(text);
        longest = qMax(longest, ms);
        if (ms < 100 || ms > 500 + 1000 * text.size())
            wrong << QStringLiteral("%1: %2 ms").arg(text).arg(ms);
    }
    qInfo("%lld texts rendered in %lld ms; the longest sounds %lld ms", qint64(spoken.size()), took, longest);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.mid(0, 20).join(lit("; "))));
}

// eSpeak NG's listing as a test has it: two languages' voices, variants
// listed out of order, MBROLA voices of which those of "us1" and "de1"
// are installed.
Speech::EspeakVoices FakeVoices()
{
    const QList<Speech::EspeakVoice> listed{
        {lit("German"), lit("gmw/de"), lit("de")},
        {lit("klatt2"), lit("!v/klatt2"), QString()},
        {lit("english-mb-en1"), lit("mb/mb-en1"), lit("en-uk")},
        {lit("en-german-1"), lit("mb/mb-de1-en"), lit("en")},
        {lit("us-mbrola-1"), lit("mb/mb-us1"), lit("en-us")},
        {lit("female2"), lit("!v/f2"), QString()},
        {lit("Annie"), lit("!v/Annie"), QString()},
        {lit("English (Great Britain)"), lit("gmw/en"), lit("en")},
        {lit("male10"), lit("!v/m10"), QString()},
        {lit("german-mbrola-6"), lit("mb/mb-de6"), lit("de")},
        {lit("klatt"), lit("!v/klatt"), QString()},
        {lit("male3"), lit("!v/m3"), QString()},
    };
    return Speech::SortEspeakVoices(listed, [](const QString &database) {
        return database == lit("us1") || database == lit("de1");
    });
}

void TestSpeechSynth::storedVoice_chosenOrFallsBack_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("language"); // the texts'
    // identifier|language|variant, and whether the user is told of a fallback
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<bool>("notice");
    QTest::addColumn<QString>("problem");
    // clang-format off
    QTest::newRow("default German: the voice itself") << QString() << lit("de") << lit("|de|") << false << QString();
    QTest::newRow("default English: the clearest") << QString() << lit("en") << lit("|en|robosoft3") << false << QString();
    QTest::newRow("a stored language keeps its own voice") << lit("English (Great Britain)") << lit("en") << lit("gmw/en||") << false << QString();
    QTest::newRow("a language with a variant") << lit("German+m3") << lit("en") << lit("gmw/de||m3") << false << QString();
    QTest::newRow("the texts' language with a variant") << lit("+klatt2") << lit("en") << lit("|en|klatt2") << false << QString();
    QTest::newRow("a variant gone: the voice without it") << lit("German+m4") << lit("en") << lit("gmw/de||") << true << QString();
    QTest::newRow("a variant gone, the texts' language") << lit("+m4") << lit("en") << lit("|en|") << true << QString();
    QTest::newRow("an installed MBROLA voice") << lit("mb-us1") << lit("de") << lit("mb/mb-us1||") << false << QString();
    QTest::newRow("an MBROLA voice removed: its language") << lit("mb-de6") << lit("en") << lit("|de|") << true << QString();
    QTest::newRow("an MBROLA voice for English removed") << lit("mb-en1") << lit("de") << lit("|en-uk|robosoft3") << true << QString();
    QTest::newRow("an MBROLA voice eSpeak NG lost") << lit("mb-xx1") << lit("de") << lit("|de|") << true << QString();
    QTest::newRow("a voice never known") << lit("Klingon") << lit("en") << lit("||") << false
                                         << lit("the voice \"Klingon\" is not installed");
    // clang-format on
}

void TestSpeechSynth::storedVoice_chosenOrFallsBack()
{
    QFETCH(QString, stored);
    QFETCH(QString, language);
    QFETCH(QString, chosen);
    QFETCH(bool, notice);
    QFETCH(QString, problem);
    const Speech::EspeakVoices voices = FakeVoices();
    // Offered by name, the MBROLA voice by its file; variants men, women,
    // Klatt by number, then by name.
    QStringList names;
    for (const Speech::EspeakVoice &voice : voices.voices)
        names << voice.name;
    QCOMPARE(names, QStringList({lit("English (Great Britain)"), lit("German"), lit("mb-de1-en"), lit("mb-us1")}));
    QCOMPARE(voices.missing.size(), 2);
    QCOMPARE(voices.variants,
             QStringList({lit("m3"), lit("m10"), lit("f2"), lit("klatt"), lit("klatt2"), lit("Annie")}));
    const Speech::VoiceChoice choice = Speech::ChooseVoice(stored, language, voices);
    QCOMPARE(QStringList({choice.identifier, choice.language, choice.variant}).join(u'|'), chosen);
    QCOMPARE(!choice.notice.isEmpty(), notice);
    QCOMPARE(choice.problem, problem);
}

void TestSpeechSynth::realVoice_variantsAndFallbacks_data()
{
    QTest::addColumn<QString>("voice");
    QTest::addColumn<bool>("notice"); // the user is told what reads instead
    // Which voice it sounds like: the English voice by itself, as "System
    // default" has it for English, or neither.
    QTest::addColumn<QString>("soundsLike");
    QTest::newRow("variant, the texts' language") << lit("+f2") << false << QString();
    QTest::newRow("variant of a chosen language") << lit("English (Great Britain)+f2") << false << QString();
    // eSpeak NG itself reads on without a word.
    QTest::newRow("variant not installed") << lit("English (Great Britain)+nosuch") << true << lit("itself");
    QTest::newRow("MBROLA voice") << lit("mb-en1") << !Speech::MbrolaInstalled(lit("en1"))
                                  << (Speech::MbrolaInstalled(lit("en1")) ? QString() : lit("default"));
}

void TestSpeechSynth::realVoice_variantsAndFallbacks()
{
    QFETCH(QString, voice);
    QFETCH(bool, notice);
    QFETCH(QString, soundsLike);
    if (!Speech::Built())
        QSKIP("built without speech");
    // How long each text sounds; a voice's clips vary by a few ms with
    // what was read before, a variant's by 30 ms and more.
    const QStringList texts{lit("12"), lit("7 0 4")};
    const auto clipsOf = [&texts](const QString &name) {
        const std::unique_ptr<Speech::Speaker> speaker = Speech::Create();
        speaker->SetVoice(name);
        const QString outcome = render(*speaker, texts);
        return outcome.isEmpty() ? QList<qint64>{speaker->ClipMs(texts.at(0)), speaker->ClipMs(texts.at(1))}
                                 : QList<qint64>{};
    };
    const auto alike = [](const QList<qint64> &a, const QList<qint64> &b) {
        return a.size() == 2 && b.size() == 2 && qAbs(a.at(0) - b.at(0)) < 15 && qAbs(a.at(1) - b.at(1)) < 15;
    };
    const QList<qint64> itself = clipsOf(lit("English (Great Britain)"));
    const QList<qint64> byDefault = clipsOf(QString());
    QStringList notices;
    Platform::SetNoticeHandler([&notices](const QString &text) { notices << text; });
    const QList<qint64> clips = clipsOf(voice);
    Platform::SetNoticeHandler({});
    QCOMPARE(clips.size(), 2);
    QCOMPARE(notices.size(), notice ? 1 : 0);
    QCOMPARE(alike(clips, itself),
             soundsLike == lit("itself") || (soundsLike == lit("default") && alike(itself, byDefault)));
    QCOMPARE(alike(clips, byDefault),
             soundsLike == lit("default") || (soundsLike == lit("itself") && alike(itself, byDefault)));
}

void TestSpeechSynth::missingVoice_saysWhich()
{
    if (!Speech::Built())
        QSKIP("built without speech");
    const std::unique_ptr<Speech::Speaker> speaker = Speech::Create();
    QVERIFY(speaker);
    speaker->SetVoice(lit("Klingon of Qo'noS"));
    QCOMPARE(render(*speaker, {lit("12")}), lit("the voice \"Klingon of Qo'noS\" is not installed"));
    QCOMPARE(speaker->ClipMs(lit("12")), -1);
}

void TestSpeechSynth::punctuationOnly_silent()
{
    // An Element of punctuation alone is shown without sound; it does not
    // keep the run's other Elements from being spoken.
    if (!Speech::Built())
        QSKIP("built without speech");
    const std::unique_ptr<Speech::Speaker> speaker = Speech::Create();
    QVERIFY(speaker);
    QCOMPARE(render(*speaker, {lit("12"), lit("?!"), lit("...")}), QString());
    QVERIFY(speaker->ClipMs(lit("12")) >= 100);
    QCOMPARE(speaker->ClipMs(lit("?!")), 0);
    speaker->Say(lit("?!"));
    QVERIFY(!speaker->Speaking());
}

QTEST_MAIN(TestSpeechSynth)
#include "tst_speechsynth.moc"
