// The speech options of the Training page: stored in config.ini, read
// back, and offered only where an engine can speak.

#include "library/frmoptions.h"
#include "library/updown.h"
#include "tests/fakespeech.h"
#include "tests/testsupport.h"
#include "tests/testuser.h"

#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <condition_variable>
#include <mutex>

namespace {

QString lit(const char *text) { return QString::fromUtf8(text); }

const QByteArray Library = "[Alpha]\r\nData=a,b,c\r\n\r\n";
const QByteArray TwelveKeys = "[Test]\r\nTNumOfEl=20\r\nTimerMSec=6000\r\nTMName=Alpha\r\nTDiapFrom=a\r\nTDiapTo=c\r\n"
                              "Ifexec=1\r\nIfNoTimeLimit=0\r\nIfShowNum=1\r\n";
const QByteArray ExamKeys = "\r\n[Exam]\r\nENumOfEl=20\r\nEMName=Alpha\r\nEDiapFrom=a\r\nEDiapTo=c\r\n";

// The speech options as the page shows them: speak, hide, voice, rate, and
// which of them can be used.
QString shownSpeech(const Tfrm_options &d)
{
    return QStringLiteral("%1 %2 %3 %4 | %5%6%7%8")
        .arg(d.CheckBox4->isChecked())
        .arg(d.CheckBox5->isChecked())
        .arg(d.ComboBox7->currentText(), d.ComboBox8->currentText())
        .arg(d.CheckBox4->isEnabled())
        .arg(d.CheckBox5->isEnabled())
        .arg(d.ComboBox7->isEnabled())
        .arg(d.ComboBox8->isEnabled());
}

} // namespace

class TestSpeechOptions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void storedAndReadBack_data();
    void storedAndReadBack();
    void noVoice_optionDisabled_fileKept_data();
    void noVoice_optionDisabled_fileKept();
    void paceOfLongestNumber_data();
    void paceOfLongestNumber();
    void paceShown_followsChoices();
    void realEngine_reportsVoices();
    void frozenServer_pageAnswers();
};

void TestSpeechOptions::init()
{
    if (!Speech::Built())
        QSKIP("built without speech");
}

void TestSpeechOptions::storedAndReadBack_data()
{
    QTest::addColumn<QByteArray>("stored"); // speech keys in config.ini before
    QTest::addColumn<QString>("loaded");
    // p: tick "Speak", h: tick "Hide", v/r/u: the next voice/rate/pause,
    // k: tick "Spoken numbers"
    QTest::addColumn<QString>("edits");
    QTest::addColumn<QByteArray>("written");
    QTest::addColumn<QString>("reloaded");
    // A file without them reads as off and gets none of them by OK.
    QTest::newRow("never turned on") << QByteArray() << lit("0 0 System default Normal | 1000") << QString()
                                     << QByteArray() << lit("0 0 System default Normal | 1000");
    // "Hide", the voice and the rate wait for "Speak".
    QTest::newRow("nothing without speak") << QByteArray() << lit("0 0 System default Normal | 1000") << lit("hvr")
                                           << QByteArray() << lit("0 0 System default Normal | 1000");
    QTest::newRow("turned on") << QByteArray() << lit("0 0 System default Normal | 1000") << lit("phvvrr")
                               << QByteArray("IfSpeak=1\r\nIfHideEl=1\r\nTVoice=bass\r\nTSpeechRate=6\r\n")
                               << lit("1 1 bass Very fast | 1111");
    QTest::newRow("turned off, kept in the file")
        << QByteArray("IfSpeak=1\r\nIfHideEl=0\r\nTVoice=alto\r\nTSpeechRate=-3\r\n") << lit("1 0 alto Slow | 1111")
        << lit("p") << QByteArray("IfSpeak=0\r\nIfHideEl=0\r\nTVoice=alto\r\nTSpeechRate=-3\r\n")
        << lit("0 0 alto Slow | 1000");
    // A voice the engine no longer has, a rate typed by hand, a flag that is no 1.
    QTest::newRow("gone voice, odd rate")
        << QByteArray("IfSpeak=0x1\r\nIfHideEl=2\r\nTVoice=tenor\r\nTSpeechRate=-8\r\n")
        << lit("1 0 System default Very slow | 1111") << QString()
        << QByteArray("IfSpeak=1\r\nIfHideEl=0\r\nTVoice=\r\nTSpeechRate=-6\r\n")
        << lit("1 0 System default Very slow | 1111");
    QTest::newRow("pause and spoken numbers chosen")
        << QByteArray() << lit("0 0 System default Normal | 1000") << lit("puk")
        << QByteArray("IfSpeak=1\r\nIfHideEl=0\r\nTVoice=\r\nTSpeechRate=0\r\nTPauseMSec=400\r\nIfSpokenNum=1\r\n")
        << lit("1 0 System default Normal | 1111");
    QTest::newRow("a pause beyond the list: the longest")
        << QByteArray("IfSpeak=1\r\nIfHideEl=0\r\nTVoice=\r\nTSpeechRate=0\r\nTPauseMSec=5000\r\n")
        << lit("1 0 System default Normal | 1111") << QString()
        << QByteArray("IfSpeak=1\r\nIfHideEl=0\r\nTVoice=\r\nTSpeechRate=0\r\nTPauseMSec=1000\r\n")
        << lit("1 0 System default Normal | 1111");
}

void TestSpeechOptions::storedAndReadBack()
{
    QFETCH(QByteArray, stored);
    QFETCH(QString, loaded);
    QFETCH(QString, edits);
    QFETCH(QByteArray, written);
    QFETCH(QString, reloaded);
    TestDataDir dir;
    TestUser user;
    FakeSpeech speech;
    dir.Write(lit("modules.ini"), Library);
    dir.Write(lit("config.ini"), TwelveKeys + stored + ExamKeys);
    Tfrm_options d;
    user.scripts.push_back([&](QDialog *) {
        QCOMPARE(shownSpeech(d), loaded);
        QCOMPARE(d.ComboBox7->itemText(0), lit("System default"));
        for (QChar edit : edits) {
            if (edit == QLatin1Char('p'))
                d.CheckBox4->click();
            else if (edit == QLatin1Char('h'))
                d.CheckBox5->click();
            else if (edit == QLatin1Char('k'))
                d.CheckBox7->click();
            else if (edit == QLatin1Char('u'))
                QTest::keyClick(d.ComboBox11, Qt::Key_Down);
            else
                QTest::keyClick(edit == QLatin1Char('v') ? d.ComboBox7 : d.ComboBox8, Qt::Key_Down);
        }
        // A spoken Training goes down to 0.8 s an Element, a silent one to 0.5 s.
        QCOMPARE(d.UpDown3->Min(), d.SpeakElements() ? 800 : 500);
        d.BitBtn1->click();
    });
    QCOMPARE(Dialogs::ExecModal(&d), int(QDialog::Accepted));
    QCOMPARE(dir.Read(lit("config.ini")), TwelveKeys + written + ExamKeys);
    QCOMPARE(d.SpeakElements(), reloaded.startsWith(QLatin1Char('1')));
    user.scripts.push_back([&](QDialog *) { QCOMPARE(shownSpeech(d), reloaded); });
    Dialogs::ExecModal(&d);
    QVERIFY(user.asked.isEmpty());
}

void TestSpeechOptions::noVoice_optionDisabled_fileKept_data()
{
    QTest::addColumn<QString>("problem");
    QTest::addColumn<bool>("turnOff"); // the user unticks the stored "Speak Elements"
    QTest::newRow("no audio device") << lit("No audio device available") << false;
    QTest::newRow("no engine") << lit("No speech engine is installed") << false;
    QTest::newRow("no audio device, turned off") << lit("No audio device available") << true;
}

void TestSpeechOptions::noVoice_optionDisabled_fileKept()
{
    QFETCH(QString, problem);
    QFETCH(bool, turnOff);
    TestDataDir dir;
    TestUser user;
    FakeSpeech speech;
    speech.problem = problem;
    dir.Write(lit("modules.ini"), Library);
    const QByteArray speechKeys = "IfHideEl=1\r\nTVoice=bass\r\nTSpeechRate=3\r\n";
    const QByteArray config = TwelveKeys + "IfSpeak=1\r\n" + speechKeys + ExamKeys;
    dir.Write(lit("config.ini"), config);
    Tfrm_options d;
    user.scripts.push_back([&](QDialog *) {
        // The stored choice is shown with the reason it can't work; it can
        // be turned off, and then not on again.
        QCOMPARE(shownSpeech(d), lit("1 1 bass Fast | 1000"));
        QVERIFY(d.LabelSpeech->isVisible());
        QCOMPARE(d.LabelSpeech->text(), lit("Speech is not available: ") + problem + lit("."));
        if (turnOff) {
            d.CheckBox4->click();
            QCOMPARE(shownSpeech(d), lit("0 1 bass Fast | 0000"));
            d.CheckBox4->click(); // disabled now
            QVERIFY(!d.CheckBox4->isChecked());
        }
        d.BitBtn1->click();
    });
    Dialogs::ExecModal(&d);
    QVERIFY(!d.SpeakElements() || !turnOff);
    QCOMPARE(dir.Read(lit("config.ini")), turnOff ? TwelveKeys + "IfSpeak=0\r\n" + speechKeys + ExamKeys : config);

    // The engine can speak again: the stored choice comes back.
    speech.problem.clear();
    user.scripts.push_back([&](QDialog *) {
        QCOMPARE(shownSpeech(d), turnOff ? lit("0 1 bass Fast | 1000") : lit("1 1 bass Fast | 1111"));
        QVERIFY(!d.LabelSpeech->isVisible());
    });
    Dialogs::ExecModal(&d);
    QCOMPARE(d.SpeakElements() && d.HideElements(), !turnOff);
    QCOMPARE(speech.made, 2); // one look at the engine per opening
}

// The pace the Training page states for digit-by-digit reading: the
// longest number of the range, the voice's time for its digits at the
// rate, and an Element every so often.
void TestSpeechOptions::paceOfLongestNumber_data()
{
    QTest::addColumn<QString>("data");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("rate");  // tenths
    QTest::addColumn<int>("pause"); // ms
    QTest::addColumn<int>("timer"); // ms
    QTest::addColumn<QList<int>>("digitsSpokenEvery");

    QTest::newRow("four digits outlast a 1 s Timer")
        << lit("7,1234,56") << 0 << 2 << 0 << 300 << 1000 << QList<int>{4, 1076, 1376};
    QTest::newRow("within the Timer") << lit("12,3") << 0 << 1 << 6 << 100 << 2000 << QList<int>{2, 326, 2000};
    QTest::newRow("exactly the Timer keeps it")
        << lit("1234") << 0 << 0 << 0 << 924 << 2000 << QList<int>{4, 1076, 2000};
    QTest::newRow("a word with digits is no number")
        << lit("A1234567,12") << 0 << 1 << 0 << 0 << 0 << QList<int>{2, 538, 538};
    QTest::newRow("sign and point are not digits")
        << lit("-40.5") << 0 << 0 << -6 << 0 << 0 << QList<int>{3, 1182, 1182};
    QTest::newRow("outside the range not counted")
        << lit("123456,12,1") << 1 << 2 << 3 << 0 << 0 << QList<int>{2, 400, 400};
    QTest::newRow("rate between the offered: nearest") << lit("12") << 0 << 0 << 2 << 0 << 0 << QList<int>{2, 400, 400};
    QTest::newRow("range end past the list") << lit("1,12345") << 0 << 9 << -3 << 0 << 0 << QList<int>{5, 1605, 1605};
    QTest::newRow("no number") << lit("alpha,beta") << 0 << 1 << 0 << 300 << 1000 << QList<int>{0, 0, 1000};
}

void TestSpeechOptions::paceOfLongestNumber()
{
    QFETCH(QString, data);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(int, rate);
    QFETCH(int, pause);
    QFETCH(int, timer);
    QFETCH(QList<int>, digitsSpokenEvery);

    const int digits = Settings::LongestNumber(Modules::ElementList(data), from, to);
    const Settings::SpokenPace pace = Settings::PaceOf(digits, rate, pause, timer);
    QCOMPARE((QList<int>{pace.digits, pace.spokenMs, pace.elementMs}), digitsSpokenEvery);
    QCOMPARE(pace.pauseMs, pause);
    QCOMPARE(pace.timerMs, timer);
}

// The page says the pace anew as the range, Timer, rate and digit-by-digit
// reading change, and nothing without digit-by-digit reading.
void TestSpeechOptions::paceShown_followsChoices()
{
    TestDataDir dir;
    TestUser user;
    FakeSpeech speech;
    dir.Write(lit("modules.ini"), "[Digits]\r\nData=7,1234,56\r\n\r\n");
    dir.Write(lit("config.ini"), "[Test]\r\nTNumOfEl=20\r\nTimerMSec=1000\r\nTMName=Digits\r\nTDiapFrom=7\r\n"
                                 "TDiapTo=56\r\nIfSpeak=1\r\nIfDigits=1\r\nTSpeechRate=0\r\nTPauseMSec=300\r\n");
    Tfrm_options d;
    user.scripts.push_back([&](QDialog *) {
        QVERIFY(d.LabelPace->isVisible());
        QCOMPARE(d.LabelPace->text(), lit("Longest Element: 4 digit(s) ≈ 1.1 s spoken + 0.3 s pause, longer than the "
                                          "Timer (1.0 s): the run will go at about 1.4 s an Element"));
        d.Edit3->setText(lit("2000"));
        QCOMPARE(d.LabelPace->text(), lit("Longest Element: 4 digit(s) ≈ 1.1 s spoken + 0.3 s pause, within the "
                                          "Timer (2.0 s): the run keeps its pace"));
        QTest::keyClick(d.ComboBox8, Qt::Key_Down); // Fast
        QVERIFY(d.LabelPace->text().contains(lit("0.8 s spoken")));
        d.ComboBox3->setCurrentIndex(0);
        QVERIFY(d.LabelPace->text().startsWith(lit("Longest Element: 1 digit(s) ≈ 0.2 s")));
        d.CheckBox6->click();
        QVERIFY(!d.LabelPace->isVisible());
        d.BitBtn2->click();
    });
    Dialogs::ExecModal(&d);
    QVERIFY(user.asked.isEmpty());
}

void TestSpeechOptions::realEngine_reportsVoices()
{
    if (Speech::Engines().isEmpty())
        QSKIP("no speech engine is installed");
    TestDataDir dir;
    TestUser user;
    QStringList voices;
    QStringList variants;
    QString problem;
    QString german; // the engine's name of its German voice
    {
        // One engine at a time, as the program has them.
        const std::unique_ptr<Speech::Speaker> speaker = Speech::Create();
        QVERIFY(speaker);
        voices = speaker->Voices();
        variants = speaker->Variants();
        for (const QString &voice : std::as_const(voices))
            if (speaker->LanguageOf(voice) == lit("de"))
                german = voice;
        QSignalSpy reached(speaker.get(), &Speech::Speaker::Reached);
        speaker->Reach(500);
        QVERIFY(!reached.isEmpty() || reached.wait(3000));
        problem = speaker->Problem();
    }
    qInfo("engines: %s; voices: %s; %s", qPrintable(Speech::Engines().join(lit(", "))),
          qPrintable(voices.join(lit(", "))),
          problem.isEmpty() ? "can speak" : qPrintable(lit("can't speak: ") + problem));
    QVERIFY(!voices.isEmpty());
    QVERIFY(!voices.contains(QString()));
    // Sorted for people, one of each name.
    QStringList sorted = voices;
    std::sort(sorted.begin(), sorted.end(),
              [](const QString &a, const QString &b) { return QString::compare(a, b, Qt::CaseInsensitive) < 0; });
    QCOMPARE(voices, sorted);
    QCOMPARE(QSet<QString>(voices.begin(), voices.end()).size(), voices.size());
    // The page offers them after "System default"; it says why it can't
    // speak where the engine can't.
    Tfrm_options d;
    QElapsedTimer opening;
    qint64 openedMs = -1;
    user.scripts.push_back([&](QDialog *) {
        openedMs = opening.elapsed();
        QElapsedTimer checking;
        checking.start();
        while (d.LabelSpeech->text() == lit("Checking the voice…") && checking.elapsed() < 3000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QStringList offered;
        for (int i = 1; i < d.ComboBox7->count(); ++i)
            offered << d.ComboBox7->itemData(i).toString();
        // The variants follow, for the language the texts choose.
        QStringList chosen = voices;
        for (const QString &variant : std::as_const(variants))
            chosen << u'+' + variant;
        QCOMPARE(offered, chosen);
        if (variants.contains(lit("f2")))
            QCOMPARE(d.ComboBox7->itemText(int(chosen.indexOf(lit("+f2"))) + 1), lit("System default: female 2"));
        // Shown by the language's own name, kept by the engine's.
        if (!german.isEmpty())
            QCOMPARE(d.ComboBox7->itemText(int(voices.indexOf(german)) + 1), lit("Deutsch"));
        QCOMPARE(d.CheckBox4->isEnabled(), problem.isEmpty());
        QCOMPARE(d.LabelSpeech->isVisible(), !problem.isEmpty());
        if (!problem.isEmpty())
            QVERIFY(d.LabelSpeech->text().contains(problem));
    });
    opening.start();
    Dialogs::ExecModal(&d);
    QCOMPARE(user.opened.size(), 1);
    // The engine is asked at every opening: it must not hold the dialog up.
    qInfo("the options opened in %lld ms", openedMs);
    QVERIFY(openedMs >= 0 && openedMs < 1500);
}

void TestSpeechOptions::frozenServer_pageAnswers()
{
    // The sound server takes the connection and never answers: the page
    // opens at once, says it is checking, and half a second later on the
    // tick count that the server does not answer; OK keeps what is stored.
    TestDataDir dir;
    TestUser user;
    FakeTicks ticks;
    dir.Write(lit("modules.ini"), Library);
    const QByteArray config = TwelveKeys + "IfSpeak=1\r\n" + ExamKeys;
    dir.Write(lit("config.ini"), config);
    struct Gate
    {
        std::mutex lock;
        std::condition_variable wake;
        bool open = false;
    };
    auto gate = std::make_shared<Gate>();
    Speech::SetFactory([gate] {
        return Speech::CreateEspeak(
            [gate](int, QString &why) -> std::unique_ptr<Speech::SoundSink> {
                std::unique_lock guard(gate->lock);
                gate->wake.wait(guard, [&gate] { return gate->open; });
                why = lit("Connection refused");
                return nullptr;
            },
            0);
    });
    Tfrm_options d;
    QElapsedTimer opening;
    qint64 openedMs = -1;
    QString checking;
    QString whileChecking;
    quint32 answeredAfter = 0;
    user.scripts.push_back([&](QDialog *) {
        openedMs = opening.elapsed();
        checking = d.LabelSpeech->isVisible() ? d.LabelSpeech->text() : QString();
        whileChecking = shownSpeech(d);
        const quint32 from = ticks.now;
        QElapsedTimer guard;
        guard.start();
        while (d.LabelSpeech->text() == checking && guard.elapsed() < 5000) {
            ticks.Advance(10);
            QCoreApplication::processEvents();
        }
        answeredAfter = ticks.now - from;
        QCOMPARE(d.LabelSpeech->text(), lit("Speech is not available: the sound server does not answer."));
        QCOMPARE(shownSpeech(d), lit("1 0 System default Normal | 1000"));
        d.BitBtn1->click();
    });
    opening.start();
    Dialogs::ExecModal(&d);
    {
        std::lock_guard guard(gate->lock);
        gate->open = true;
        gate->wake.notify_all();
    }
    Speech::SetFactory({});
    QCOMPARE(checking, lit("Checking the voice…"));
    QCOMPARE(whileChecking, lit("1 0 System default Normal | 1000"));
    QVERIFY2(openedMs >= 0 && openedMs < 1000, qPrintable(QString::number(openedMs)));
    QVERIFY2(answeredAfter >= 500 && answeredAfter <= 600, qPrintable(QString::number(answeredAfter)));
    QCOMPARE(dir.Read(lit("config.ini")), config);
}

QTEST_MAIN(TestSpeechOptions)
#include "tst_speechoptions.moc"
