// A spoken Training, through the fake engine: each Element is said as it
// is shown, the next one waits for the end of speech, and the wait is no
// part of the run's Time or of its pace.

#include "app/forms.h"
#include "app/frmmain.h"
#include "engine/frmtest.h"
#include "library/frmoptions.h"
#include "results/frmresults.h"
#include "tests/fakespeech.h"
#include "tests/testsupport.h"
#include "tests/testuser.h"

#include <QAccessible>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <condition_variable>
#include <mutex>

using Dialogs::Answer;

namespace {

QByteArray configIni(const QStringList &test)
{
    QByteArray text = "[Test]\r\nTMName=Words\r\nTDiapFrom=cat\r\nTDiapTo=moon\r\nIfexec=0\r\nIfSpeak=1\r\n";
    for (const QString &line : test)
        text += line.toUtf8() + "\r\n";
    return text + "\r\n[Exam]\r\nEMName=Words\r\n";
}

struct Session
{
    TestDataDir dir;
    FakeTicks ticks{5000};
    TestRandom random{3};
    FakeNow now{QDateTime(QDate(2027, 1, 4), QTime(9, 30, 0))};
    TestUser user;
    FakeSpeech speech;
    Forms forms;
    quint32 launched = 0;   // StartTick as the launcher took it
    quint32 timerPhase = 0; // when the runner's one-second timer last fired
    QList<quint32> shownAt; // when each Element appeared

    explicit Session(const QStringList &test, const QByteArray &elements = "cat,dog,sun,moon")
    {
        dir.Write(QStringLiteral("config.ini"), configIni(test));
        dir.Write(QStringLiteral("modules.ini"), "[Words]\r\nData=" + elements + "\r\n\r\n");
        forms = CreateForms();
        forms.frm_main->FormShow();
    }
    ~Session() { DestroyForms(forms); }
    Session(const Session &) = delete;
    Session &operator=(const Session &) = delete;

    Tfrm_test *T() const { return forms.frm_test; }
    RunState &Run() const { return forms.frm_main->CurrentRunState(); }
    QString ReportElement(int n) const { return forms.frm_results->Cell(1, n - 1); }
    bool Presenting() const { return T()->Phase == 1 && !T()->presentationDone && T()->isVisible(); }

    // What the runner's modal showing does.
    void WhenShown(const std::function<void(Tfrm_test *)> &runner)
    {
        user.scripts.push_back([this, runner](QDialog *) {
            T()->Timer1->setInterval(24 * 3600 * 1000); // driven by hand below
            launched = Run().StartTick;
            timerPhase = ticks.now;
            shownAt = {ticks.now};
            runner(T());
        });
    }

    void NoteShown()
    {
        if (Presenting() && T()->CurrentNumber > shownAt.size())
            shownAt << ticks.now;
    }

    // One firing of the runner's timer, `ms` after the last.
    void TimerTick(quint32 ms = 1000)
    {
        ticks.Advance(ms);
        timerPhase = ticks.now;
        T()->Timer1Timer();
        NoteShown();
    }

    // The clock moves on by 100 ms steps: the voice ends when its time is
    // over, and the timer fires every second, counted anew from the moment
    // the voice let the next Element come (the runner restarts it then).
    void Present(quint32 untilMs = 0)
    {
        while (Presenting() && (untilMs == 0 || ticks.now - shownAt.first() < untilMs)) {
            ticks.Advance(100);
            const int before = T()->CurrentNumber;
            if (speech.Poll() && T()->CurrentNumber != before) {
                timerPhase = ticks.now;
                NoteShown();
            } else if (ticks.now - timerPhase >= 1000) {
                TimerTick(0);
            }
        }
    }

    void AnswerAll()
    {
        for (int n = 1; n <= T()->ElementCount && T()->isVisible(); ++n) {
            T()->Edit1->setText(ReportElement(n));
            T()->BitBtn1Click();
        }
    }

    QString StoredText() const { return QString::fromUtf8(dir.Read(QStringLiteral("testres.ini"))); }
};

// The sound server as the real speaker's player sees it: takes the sound
// at once and keeps each clip heard, or from clip `faultAt` on fails the
// way `fault` says (GoneWhileIdle: when asked after the clip before it;
// Stalls, StallsLong: its end comes once released; Underruns: played with
// gaps).
// Shared with the player thread.
struct SinkScript
{
    enum Fault { None, WriteFails, DrainFails, NeverEnds, GoneWhileIdle, Stalls, StallsLong, Underruns };
    Fault fault = None;
    int faultAt = 0; // the first clip of speech that fails, from 1
    QString reason;  // what the failing call says
    int sampleRate = 1;

    std::mutex lock;
    std::condition_variable wake;
    std::vector<qint16> pending;            // written since the last drain
    std::vector<std::vector<qint16>> heard; // the clips of speech, in order
    bool stuck = false;                     // a drain that never ends has begun
    bool released = false;                  // ... and may end now
    int checks = 0;                         // times asked whether the server is there

    bool Silent() const
    {
        return std::all_of(pending.begin(), pending.end(), [](qint16 sample) { return sample == 0; });
    }
    bool Failing(Fault at) const { return fault == at && int(heard.size()) + 1 >= faultAt; }
    bool IsStuck()
    {
        std::lock_guard guard(lock);
        return stuck;
    }
    int Checked()
    {
        std::lock_guard guard(lock);
        return checks;
    }
    void Release()
    {
        std::lock_guard guard(lock);
        released = true;
        wake.notify_all();
    }
};

class FakeSink final : public Speech::SoundSink
{
public:
    explicit FakeSink(std::shared_ptr<SinkScript> script)
        : m_script(std::move(script))
    {
    }
    QString Write(const qint16 *samples, size_t count) override
    {
        SinkScript &s = *m_script;
        std::lock_guard guard(s.lock);
        s.pending.insert(s.pending.end(), samples, samples + count);
        return !s.Silent() && s.Failing(SinkScript::WriteFails) ? s.reason : QString();
    }
    QString Drain() override
    {
        SinkScript &s = *m_script;
        std::unique_lock guard(s.lock);
        m_underran = false;
        if (s.Silent()) {
            s.pending.clear();
            return QString();
        }
        if (s.Failing(SinkScript::DrainFails))
            return s.reason;
        if (s.Failing(SinkScript::NeverEnds) || s.Failing(SinkScript::Stalls) || s.Failing(SinkScript::StallsLong)) {
            s.stuck = true;
            s.wake.wait(guard, [&s] { return s.released; });
            if (s.fault == SinkScript::NeverEnds)
                return s.reason;
        }
        m_underran = s.Failing(SinkScript::Underruns);
        if (m_underran) {
            s.pending.clear();
            return QString();
        }
        s.heard.push_back(std::move(s.pending));
        s.pending.clear();
        return QString();
    }
    bool Underran() override { return m_underran; }
    QString Flush() override
    {
        std::lock_guard guard(m_script->lock);
        m_script->pending.clear();
        return QString();
    }
    QString Check() override
    {
        SinkScript &s = *m_script;
        std::lock_guard guard(s.lock);
        ++s.checks;
        return s.Failing(SinkScript::GoneWhileIdle) ? s.reason : QString();
    }

private:
    std::shared_ptr<SinkScript> m_script;
    bool m_underran = false;
};

} // namespace

class TestSpokenRun : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void pace_waitsForVoice_timeWithoutIt_data();
    void pace_waitsForVoice_timeWithoutIt();
    void stopTest_silencesAndResumes_data();
    void stopTest_silencesAndResumes();
    void hidden_counterInsteadOfElement_data();
    void hidden_counterInsteadOfElement();
    void noVoice_runNotStarted_data();
    void noVoice_runNotStarted();
    void voiceWait_cancelled_data();
    void voiceWait_cancelled();
    void notRendered_runNotStarted_data();
    void notRendered_runNotStarted();
    void digitByDigit_aSecondEach();
    void spokenNumbers_onTheirTime_recalledAsOneLine_data();
    void spokenNumbers_onTheirTime_recalledAsOneLine();
    void voiceLost_data();
    void voiceLost();
    void introductoryAndExam_neverSpoken_data();
    void introductoryAndExam_neverSpoken();
    void realSpeaker_fakeSink_data();
    void realSpeaker_fakeSink();
    void frozenServer_refusedInTime();
};

void TestSpokenRun::init()
{
    if (!Speech::Built())
        QSKIP("built without speech");
}

void TestSpokenRun::pace_waitsForVoice_timeWithoutIt_data()
{
    QTest::addColumn<QStringList>("config");
    QTest::addColumn<quint32>("speakingMs");
    QTest::addColumn<quint32>("standsMs"); // how long each Element is on screen
    QTest::addColumn<QString>("timeText"); // the stored Time: the pace's, never the voice's
    // clang-format off
    QTest::newRow("voice within the pace") << QStringList{"TNumOfEl=20", "TimerMSec=5000"} << 2000u << 5000u
                                           << "0:1:40";
    QTest::newRow("voice over the pace") << QStringList{"TNumOfEl=20", "TimerMSec=5000"} << 6500u << 6500u
                                         << "0:1:40";
    // Two Elements: the pace check would end the run at 24 s if the
    // voice's 30 s counted.
    QTest::newRow("voice far over, pace check") << QStringList{"TNumOfEl=2", "TimerMSec=5000"} << 15000u << 15000u
                                                << "0:0:10";
    QTest::newRow("voice, rate and hidden counter") << QStringList{"TNumOfEl=3", "TimerMSec=6000", "TVoice=bass",
                                                                   "TSpeechRate=3", "IfShowNum=0"}
                                                    << 6200u << 6200u << "0:0:18";
    // clang-format on
}

void TestSpokenRun::pace_waitsForVoice_timeWithoutIt()
{
    QFETCH(QStringList, config);
    QFETCH(quint32, speakingMs);
    QFETCH(quint32, standsMs);
    QFETCH(QString, timeText);
    Session s(config);
    s.speech.speakingMs = speakingMs;
    int count = 0;
    quint32 pace = 0;
    s.WhenShown([&](Tfrm_test *t) {
        count = t->ElementCount;
        pace = quint32(t->TicksPerElement) * 1000;
        s.Present();
        QCOMPARE(t->Phase, 2);
        s.AnswerAll();
    });
    s.forms.frm_main->est21Click();
    QCOMPARE(s.user.MessageTexts().first(), QStringLiteral("Press OK to start"));
    QCOMPARE(s.shownAt.size(), count);
    // Each Element is said once, as it is shown, and stands until the pace
    // is kept and the voice has finished.
    QStringList elements;
    for (int n = 1; n <= count; ++n)
        elements << s.ReportElement(n);
    QCOMPARE(s.speech.said, elements);
    s.shownAt << s.Run().EndTick;
    for (int n = 1; n <= count; ++n)
        QCOMPARE(s.shownAt.at(n) - s.shownAt.at(n - 1), standsMs);
    QCOMPARE(s.Run().EndTick - s.launched, count * standsMs);
    QCOMPARE(s.Run().EndTick - s.Run().StartTick, count * pace);
    qInfo("%d Elements, pace %u ms, voice %u ms: on screen %u ms, Time %u ms", count, pace, speakingMs,
          s.Run().EndTick - s.launched, s.Run().EndTick - s.Run().StartTick);
    QVERIFY2(s.StoredText().contains(QStringLiteral("\r\nErrors=0\r\nTime=") + timeText + QStringLiteral("  ")),
             qPrintable(s.StoredText()));
    QCOMPARE(s.speech.voice, config.contains(QStringLiteral("TVoice=bass")) ? QStringLiteral("bass") : QString());
    QCOMPARE(s.speech.rate, config.contains(QStringLiteral("TSpeechRate=3")) ? 0.3 : 0.0);
    QVERIFY(!s.speech.speaker); // let go with the run
}

void TestSpokenRun::stopTest_silencesAndResumes_data()
{
    QTest::addColumn<quint32>("askedAt"); // into the first Element
    QTest::addColumn<bool>("stop");
    QTest::newRow("while speaking, refused") << 2000u << false;
    QTest::newRow("while waiting for the voice, refused") << 5500u << false;
    QTest::newRow("while speaking, stopped") << 2000u << true;
}

void TestSpokenRun::stopTest_silencesAndResumes()
{
    QFETCH(quint32, askedAt);
    QFETCH(bool, stop);
    Session s({"TNumOfEl=3", "TimerMSec=5000"});
    s.speech.speakingMs = 6500;
    s.WhenShown([&](Tfrm_test *t) {
        s.Present(askedAt);
        const QString first = s.ReportElement(1);
        QCOMPARE(t->CurrentNumber, 1);
        QVERIFY(s.speech.Speaking());
        s.user.onAsk = [&](const TestUser::Asked &) {
            QVERIFY(!s.speech.Speaking());
            QCOMPARE(s.speech.stops, 1);
            for (int k = 0; k < 12; ++k)
                s.TimerTick();
            QCOMPARE(t->CurrentNumber, 1);
        };
        s.user.answers.push_back(stop ? Answer::Ok : Answer::Cancel);
        QTest::keyClick(t, Qt::Key_Escape);
        s.user.onAsk = nullptr;
        if (stop)
            return;
        // The run goes on with the Element on screen, said again.
        QCOMPARE(s.speech.said, (QStringList{first, first}));
        QVERIFY(s.speech.Speaking());
        s.Present();
        s.AnswerAll();
    });
    s.forms.frm_main->est21Click();
    QCOMPARE(s.user.MessageTexts().at(1), QStringLiteral("Stop test?"));
    QVERIFY(!s.speech.speaker);
    QVERIFY(!s.T()->isVisible());
    if (stop) {
        QCOMPARE(s.speech.said.size(), 1);
        QVERIFY(!s.dir.Exists(QStringLiteral("testres.ini")));
        return;
    }
    QCOMPARE(s.speech.said.size(), 4);
    // 12 s of question and every wait for the voice left out: 3 x 5 s.
    QCOMPARE(s.Run().EndTick - s.Run().StartTick, 15000u);
    QVERIFY(s.Run().EndTick - s.launched > 15000u + 12000u);
    QVERIFY(s.StoredText().contains(QStringLiteral("Time=0:0:15  ")));
}

void TestSpokenRun::hidden_counterInsteadOfElement_data()
{
    QTest::addColumn<bool>("counter");
    QTest::newRow("counter shown") << true;
    QTest::newRow("counter hidden") << false;
}

void TestSpokenRun::hidden_counterInsteadOfElement()
{
    QFETCH(bool, counter);
    Session s({"TNumOfEl=3", "IfHideEl=1", counter ? "IfShowNum=1" : "IfShowNum=0"});
    s.WhenShown([&](Tfrm_test *t) {
        QCOMPARE(t->Label1->isVisible(), counter);
        for (int n = 1; n <= 3; ++n) {
            const QString counterText = QStringLiteral("%1 of 3").arg(n);
            QCOMPARE(t->Label2->text(), counterText);
            QCOMPARE(QAccessible::queryAccessibleInterface(t->Label2)->text(QAccessible::Name),
                     QStringLiteral("Element ") + counterText + QStringLiteral(", spoken"));
            QCOMPARE(s.speech.said.last(), s.ReportElement(n));
            QVERIFY(s.speech.Speaking());
            t->BitBtn1Click(); // "Next" cuts the voice short
            QCOMPARE(s.speech.stops, n);
        }
        QCOMPARE(t->Phase, 2);
        // Recall and scoring as ever: one answer wrong.
        t->Edit1->setText(s.ReportElement(1) + QLatin1Char('x'));
        t->BitBtn1Click();
        t->Edit1->setText(s.ReportElement(2));
        t->BitBtn1Click();
        t->Edit1->setText(s.ReportElement(3));
        t->BitBtn1Click();
    });
    s.forms.frm_main->est21Click();
    QCOMPARE(s.speech.said.size(), 3);
    QVERIFY(s.StoredText().contains(QStringLiteral("\r\nErrors=1\r\n")));
    const QString res = QStringLiteral("Res=") + s.speech.said.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    QVERIFY(s.StoredText().contains(res));
}

void TestSpokenRun::noVoice_runNotStarted_data()
{
    QTest::addColumn<QString>("problem");
    QTest::newRow("no audio device") << "No audio device available";
    QTest::newRow("no engine") << "No speech engine is installed";
}

void TestSpokenRun::noVoice_runNotStarted()
{
    QFETCH(QString, problem);
    Session s({"TNumOfEl=3"});
    s.speech.problem = problem;
    s.forms.frm_main->est21Click();
    // Refused before the start is asked for.
    QCOMPARE(s.user.MessageTexts(), (QStringList{QStringLiteral("The Elements can't be spoken: ") + problem
                                                 + QStringLiteral(". Turn \"Speak Elements\" off in the options to "
                                                                  "train without the voice.")}));
    QVERIFY(s.user.opened.isEmpty());
    QVERIFY(s.speech.said.isEmpty());
    QVERIFY(!s.speech.speaker);
}

void TestSpokenRun::voiceWait_cancelled_data()
{
    QTest::addColumn<bool>("reaches");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QStringList>("asked");
    QTest::newRow("checking the voice") << false << "Checking the voice…" << QStringList();
    QTest::newRow("preparing the voice") << true << "Preparing the voice..." << QStringList{"Press OK to start"};
}

void TestSpokenRun::voiceWait_cancelled()
{
    // The voice does not answer: the launcher's progress window waits, and
    // its Cancel ends the launch quietly, with nothing shown or stored.
    QFETCH(bool, reaches);
    QFETCH(QString, label);
    QFETCH(QStringList, asked);
    Session s({"TNumOfEl=3"});
    s.speech.reaches = reaches;
    s.speech.renders = false;
    s.user.waitScripts.push_back([](QProgressDialog *progress) {
        QVERIFY(!progress->isVisible());
        TestUser::PressCancel(progress);
    });
    s.forms.frm_main->est21Click();
    QCOMPARE(s.user.waited, QStringList{label});
    QCOMPARE(s.user.MessageTexts(), asked);
    QVERIFY(s.user.opened.isEmpty());
    QVERIFY(!s.speech.speaker);
    QVERIFY(!s.dir.Exists(QStringLiteral("testres.ini")));
}

void TestSpokenRun::notRendered_runNotStarted_data()
{
    QTest::addColumn<QString>("problem");
    QTest::newRow("voice missing") << "the voice \"bass\" is not installed";
    QTest::newRow("no sound for a text") << "the voice gave no sound for \"dog\"";
}

void TestSpokenRun::notRendered_runNotStarted()
{
    QFETCH(QString, problem);
    Session s({"TNumOfEl=3", "TVoice=bass"});
    s.speech.renderProblem = problem;
    s.forms.frm_main->est21Click();
    QCOMPARE(s.user.MessageTexts(),
             (QStringList{QStringLiteral("Press OK to start"),
                          QStringLiteral("Test is not completed. The Elements could not be spoken: ") + problem}));
    QCOMPARE(s.speech.rendered.size(), 3);
    QVERIFY(s.user.opened.isEmpty());
    QVERIFY(s.speech.said.isEmpty());
    QVERIFY(!s.speech.speaker);
    QVERIFY(!s.dir.Exists(QStringLiteral("testres.ini")));
}

void TestSpokenRun::digitByDigit_aSecondEach()
{
    // The Elements are drawn and rendered before the run starts, read one
    // digit a word, and shown in the order they were rendered.
    Session s({"TNumOfEl=5", "TimerMSec=1000", "IfDigits=1"}, "1671,7406,90,word");
    s.speech.speakingMs = 900;
    quint32 renderedBy = 0;
    s.WhenShown([&](Tfrm_test *t) {
        renderedBy = quint32(s.speech.rendered.size());
        QCOMPARE(t->TicksPerElement, 1);
        s.Present();
        s.AnswerAll();
    });
    s.forms.frm_main->est21Click();
    QCOMPARE(renderedBy, 5u);
    QStringList spoken;
    for (int n = 1; n <= 5; ++n)
        spoken << Speech::SpokenText(s.ReportElement(n), true);
    QCOMPARE(s.speech.rendered, spoken);
    QCOMPARE(s.speech.said, spoken);
    QVERIFY2(s.StoredText().contains(QStringLiteral("\r\nErrors=0\r\nTime=0:0:5  ")), qPrintable(s.StoredText()));
}

void TestSpokenRun::spokenNumbers_onTheirTime_recalledAsOneLine_data()
{
    QTest::addColumn<int>("paceMs");
    QTest::addColumn<int>("askAfter"); // "Stop test?" after this digit, refused; 0: never
    QTest::addColumn<int>("wrongAt");  // the digit typed wrong; 0: none
    QTest::newRow("1 s, all right") << 1000 << 0 << 0;
    QTest::newRow("0.8 s, a mistake at the 13th") << 800 << 0 << 13;
    QTest::newRow("Stop test? after the 8th: on from the 4th") << 1000 << 8 << 0;
    QTest::newRow("Stop test? after the 3rd: on from the 1st") << 1000 << 3 << 20;
}

void TestSpokenRun::spokenNumbers_onTheirTime_recalledAsOneLine()
{
    // Each digit is given to the voice a pace ahead, for its moment
    // reckoned from the first: a timer that fires late shows that digit
    // late, but its sound keeps its moment, and the ones after it theirs.
    // Nothing is on screen; the recall is one line, scored until the first
    // mistake.
    QFETCH(int, paceMs);
    QFETCH(int, askAfter);
    QFETCH(int, wrongAt);
    Session s({"TNumOfEl=20", "TimerMSec=" + QString::number(paceMs), "IfSpokenNum=1", "IfShowNum=1"},
              "0,1,2,3,4,5,6,7,8,9");
    const quint32 pace = quint32(paceMs);
    QList<quint32> paintedAt; // when each digit was shown
    QList<int> numbers;       // which digit each showing was
    quint32 resumedAt = 0;
    // When the i-th digit is due: a pace after the cue, or after the
    // resume, and a pace after each other.
    const auto dueAt = [&](int i) {
        if (askAfter > 0 && i >= askAfter)
            return resumedAt + pace + quint32(i - askAfter) * pace;
        return s.speech.saidAt.first() + pace + quint32(i) * pace;
    };
    s.WhenShown([&](Tfrm_test *t) {
        QTRY_VERIFY_WITH_TIMEOUT(!s.speech.said.isEmpty(), 2000); // at the first paint
        QCOMPARE(s.speech.said.first(), QStringLiteral("Ready… go"));
        while (s.Presenting()) {
            s.ticks.Advance(10);
            // The timer comes 40 ms late for every third digit.
            const int i = int(numbers.size());
            if (i % 3 == 2 && s.ticks.now < dueAt(i) + 40)
                continue;
            const int before = t->CurrentNumber;
            t->SpokenNumberTimer();
            if (t->CurrentNumber == before || !s.Presenting())
                continue;
            paintedAt << s.ticks.now;
            numbers << t->CurrentNumber;
            QVERIFY(t->Label2->text().isEmpty());
            QVERIFY(!t->Label1->isVisible());
            if (numbers.size() == askAfter) {
                s.user.answers.push_back(Answer::Cancel);
                QTest::keyClick(t, Qt::Key_Escape);
                resumedAt = s.ticks.now;
            }
        }
        QVERIFY(t->isVisible());
        QString line;
        for (int n = 1; n <= t->ElementCount; ++n) {
            QString digit = s.ReportElement(n);
            if (n == wrongAt)
                digit = digit == "1" ? "2" : "1";
            line += digit + (n % 5 == 0 ? " " : "");
        }
        t->Edit1->setText(line);
        s.user.scripts.push_back([&](QDialog *) {
            QCOMPARE(s.forms.frm_results->ComboScoring->currentIndex(), int(SportScoring::Rule::UntilFirstMistake));
        });
        t->BitBtn1Click();
    });
    s.forms.frm_main->est21Click();
    // The cue first, then every digit in order, those after "Stop test?"
    // from five back.
    QList<int> expected;
    for (int n = 1; n <= 20; ++n) {
        expected << n;
        if (n == askAfter)
            for (int back = qMax(1, n - 4); back <= n; ++back)
                expected << back;
    }
    QCOMPARE(numbers, expected);
    QCOMPARE(s.speech.said.size(), expected.size() + 1);
    for (int i = 0; i < expected.size(); ++i) {
        // Heard on its moment; shown then, or 40 ms after it where the
        // timer came late.
        const quint32 due = dueAt(i);
        QCOMPARE(s.speech.said.at(i + 1), s.ReportElement(expected.at(i)));
        QVERIFY2(s.speech.saidAt.at(i + 1) == due,
                 qPrintable(QStringLiteral("digit %1 at %2, due %3").arg(i).arg(s.speech.saidAt.at(i + 1)).arg(due)));
        QCOMPARE(paintedAt.at(i), due + (i % 3 == 2 ? 40 : 0));
    }
    const int score = wrongAt == 0 ? 20 : wrongAt - 1;
    QVERIFY(s.StoredText().contains(QStringLiteral("\r\nErrors=%1\r\n").arg(wrongAt == 0 ? 0 : 1)));
    QCOMPARE(s.forms.frm_results->LabelScore->text(), QStringLiteral("Until the first mistake: %1 of 20").arg(score));
}

void TestSpokenRun::voiceLost_data()
{
    QTest::addColumn<bool>("presenting");
    QTest::newRow("while presenting: the run ends") << true;
    QTest::newRow("while recalling: no matter") << false;
}

void TestSpokenRun::voiceLost()
{
    QFETCH(bool, presenting);
    Session s({"TNumOfEl=3", "TimerMSec=5000"});
    s.speech.speakingMs = 1000;
    s.WhenShown([&](Tfrm_test *t) {
        s.Present(presenting ? 7000 : 0);
        s.speech.Fail(QStringLiteral("No audio device available"));
        if (presenting) {
            QVERIFY(!t->isVisible());
            QCOMPARE(t->CurrentNumber, 2);
            return;
        }
        s.AnswerAll();
    });
    s.forms.frm_main->est21Click();
    if (presenting) {
        QCOMPARE(s.user.MessageTexts().last(),
                 QStringLiteral("Test is not completed. The Elements could not be spoken: No audio device available"));
        QCOMPARE(s.Run().TestMode, 0);
        QVERIFY(!s.dir.Exists(QStringLiteral("testres.ini")));
    } else {
        QVERIFY(s.user.MessageTexts().last().startsWith(QStringLiteral("Your result is ")));
        QVERIFY(s.StoredText().contains(QStringLiteral("\r\nErrors=0\r\n")));
    }
    QVERIFY(!s.speech.speaker);
}

void TestSpokenRun::introductoryAndExam_neverSpoken_data()
{
    QTest::addColumn<bool>("exam");
    QTest::newRow("introductory") << false;
    QTest::newRow("exam") << true;
}

void TestSpokenRun::introductoryAndExam_neverSpoken()
{
    QFETCH(bool, exam);
    Session s({"IfHideEl=1"});
    QString onScreen;
    s.WhenShown([&](Tfrm_test *t) {
        onScreen = t->Label2->text();
        s.user.answers.push_back(Answer::Ok);
        t->reject();
    });
    if (exam)
        s.forms.frm_main->Exam1Click();
    else
        s.forms.frm_main->est11Click();
    QCOMPARE(s.user.opened, QList<QDialog *>{s.T()});
    QCOMPARE(onScreen, s.ReportElement(1)); // shown, not hidden
    QCOMPARE(s.speech.made, 0);
}

void TestSpokenRun::realSpeaker_fakeSink_data()
{
    QTest::addColumn<QString>("voice");
    QTest::addColumn<int>("fault");
    QTest::addColumn<QString>("reason"); // what the run ends with; empty: it ends as normal
    QTest::addColumn<QString>("pause");  // TPauseMSec; empty: none stored (0.3 s)
    // clang-format off
    QTest::newRow("each clip played in order") << "" << int(SinkScript::None) << "" << QString();
    QTest::newRow("a pause of 0.6 s chosen") << "" << int(SinkScript::None) << "" << "600";
    QTest::newRow("clip lost: a write fails") << "" << int(SinkScript::WriteFails)
                                              << "the sound server failed (Connection terminated)" << QString();
    QTest::newRow("device lost at a clip's end") << "" << int(SinkScript::DrainFails)
                                                 << "the sound server failed (No such entity)" << QString();
    QTest::newRow("a clip's end never comes") << "" << int(SinkScript::NeverEnds)
                                              << "the sound server stopped playing" << QString();
    QTest::newRow("server lost between clips") << "" << int(SinkScript::GoneWhileIdle)
                                               << "the sound server failed (Connection terminated)" << QString();
    // A stall of 0.4 s past the clip's sound holds the run up; one of 1.5 s
    // pauses it, saying so, and it goes on with the Element said again.
    QTest::newRow("server stalls 0.4 s, then plays") << "" << int(SinkScript::Stalls) << "" << QString();
    QTest::newRow("server stalls 1.5 s: paused, then on") << "" << int(SinkScript::StallsLong) << "" << QString();
    QTest::newRow("sound lost on a busy machine")
        << "" << int(SinkScript::Underruns)
        << "part of the sound was not heard: the machine was too busy to play it whole" << QString();
    QTest::newRow("voice missing") << "nobody" << int(SinkScript::None)
                                   << "the voice \"nobody\" is not installed" << QString();
    // clang-format on
}

void TestSpokenRun::realSpeaker_fakeSink()
{
    // The program's own speaker, eSpeak NG and its player thread, with the
    // sound server replaced: a fault of the server ends the run with its
    // reason, in time on the tick count, and nothing is stored.
    if (!Speech::Built())
        QSKIP("built without speech");
    QFETCH(QString, voice);
    QFETCH(int, fault);
    QFETCH(QString, reason);
    QFETCH(QString, pause);
    QStringList test{"TNumOfEl=3", "TimerMSec=1000", "TVoice=" + voice};
    if (!pause.isEmpty())
        test << "TPauseMSec=" + pause;
    Session s(test);
    auto sink = std::make_shared<SinkScript>();
    sink->fault = SinkScript::Fault(fault);
    sink->faultAt = 2;
    sink->reason = reason;
    QPointer<Speech::Speaker> speaker;
    Speech::SetFactory([&] {
        auto made = Speech::CreateEspeak(
            [sink](int sampleRate, QString &) {
                sink->sampleRate = sampleRate;
                return std::make_unique<FakeSink>(sink);
            },
            0);
        speaker = made.get();
        return made;
    });
    QList<qint64> expectedMs;
    quint32 stuckAt = 0;
    qint64 stallMs = 0;
    bool waited = false; // "Waiting for the sound server…" was shown
    bool released = false;
    s.WhenShown([&](Tfrm_test *t) {
        // The player is a real thread: its news is waited for, never longer
        // than a bounded while; the run's clock moves only by hand.
        QElapsedTimer guard;
        guard.start();
        while (t->isVisible() && s.Presenting() && guard.elapsed() < 10000) {
            QCoreApplication::processEvents();
            if (!speaker || !speaker->Problem().isEmpty())
                continue; // failed: the runner hears of it next
            if (sink->IsStuck() && stuckAt == 0) {
                stuckAt = s.ticks.now;
                stallMs =
                    speaker->ClipMs(s.ReportElement(t->CurrentNumber)) + (fault == SinkScript::Stalls ? 400 : 1500);
            }
            const bool stuck = stuckAt != 0 && !released;
            if (stuck && s.ticks.now - stuckAt >= stallMs && fault != SinkScript::NeverEnds) {
                sink->Release();
                released = true;
                // The player's answer, once it comes, lets the run go on.
                QElapsedTimer answer;
                answer.start();
                while (!speaker->Speaking() && answer.elapsed() < 5000)
                    QCoreApplication::processEvents();
            } else if (stuck && s.ticks.now - stuckAt < 5000) {
                s.ticks.Advance(10);
                waited |= t->waitNotice->isVisible();
            } else if (!speaker->Speaking()) {
                // Between clips the player asks the server whether it is
                // still there, a quarter of a second after the last.
                const int asked = sink->Checked();
                s.ticks.Advance(300);
                QElapsedTimer answer;
                answer.start();
                while (sink->Checked() == asked && answer.elapsed() < 5000)
                    QCoreApplication::processEvents();
                while (fault == SinkScript::GoneWhileIdle && speaker && speaker->Problem().isEmpty()
                       && answer.elapsed() < 5000)
                    QCoreApplication::processEvents();
                if (speaker && speaker->Problem().isEmpty())
                    s.TimerTick(700);
            }
        }
        if (!t->isVisible())
            return;
        for (int n = 1; n <= t->ElementCount; ++n)
            expectedMs << speaker->ClipMs(Speech::SpokenText(s.ReportElement(n), false));
        s.AnswerAll();
    });
    s.forms.frm_main->est21Click();
    sink->Release();
    if (reason.isEmpty()) {
        QVERIFY(s.user.MessageTexts().last().startsWith(QStringLiteral("Your result is ")));
        QVERIFY(s.StoredText().contains(QStringLiteral("\r\nErrors=0\r\n")));
        QList<qint64> heardMs;
        for (const std::vector<qint16> &clip : sink->heard)
            heardMs << qint64(clip.size()) * 1000 / sink->sampleRate;
        if (fault == SinkScript::StallsLong) // the stalled Element is said again
            expectedMs.insert(1, expectedMs.at(1));
        QCOMPARE(heardMs, expectedMs);
        QCOMPARE(stuckAt != 0, fault == SinkScript::Stalls || fault == SinkScript::StallsLong);
        QCOMPARE(waited, fault == SinkScript::StallsLong);
        QCOMPARE(s.T()->waitNotice->text(), QStringLiteral("Waiting for the sound server…"));
        // Each clip ends with the pause (0.3 s unless chosen), so that the
        // next Element, which waits for its end, never runs into it.
        const qint64 chosenMs = pause.isEmpty() ? 300 : pause.toInt();
        for (const std::vector<qint16> &clip : sink->heard) {
            const auto last = std::find_if(clip.rbegin(), clip.rend(), [](qint16 s) { return std::abs(s) > 300; });
            QVERIFY(last != clip.rend());
            const qint64 pauseMs = qint64(last - clip.rbegin()) * 1000 / sink->sampleRate;
            QVERIFY2(pauseMs >= chosenMs && pauseMs <= chosenMs + 10, qPrintable(QString::number(pauseMs)));
        }
        return;
    }
    QCOMPARE(s.user.MessageTexts().last(),
             QStringLiteral("Test is not completed. The Elements could not be spoken: ") + reason);
    QVERIFY(!s.dir.Exists(QStringLiteral("testres.ini")));
    QVERIFY(!speaker);
    if (!voice.isEmpty()) {
        QVERIFY(s.user.opened.isEmpty());
        return;
    }
    QCOMPARE(s.Run().TestMode, 0);
    QCOMPARE(int(sink->heard.size()), 1);
    if (fault == SinkScript::NeverEnds) {
        // Waited for 2 s past the clip's end, not longer.
        QVERIFY(stuckAt != 0);
        QVERIFY(waited);
        QVERIFY2(s.ticks.now - stuckAt >= 2000 && s.ticks.now - stuckAt <= 3000,
                 qPrintable(QString::number(s.ticks.now - stuckAt)));
    }
    if (fault == SinkScript::GoneWhileIdle)
        QCOMPARE(s.shownAt.size(), 1); // ended before the next Element was due
}

void TestSpokenRun::frozenServer_refusedInTime()
{
    // The sound server takes the connection but never answers: the window
    // goes on answering (its timers fire) while it waits, and the Training
    // is refused within 3 s on the tick count, before the start is asked.
    Session s({"TNumOfEl=3", "TimerMSec=1000"});
    auto sink = std::make_shared<SinkScript>();
    Speech::SetFactory([sink] {
        return Speech::CreateEspeak(
            [sink](int, QString &why) -> std::unique_ptr<Speech::SoundSink> {
                std::unique_lock guard(sink->lock);
                sink->stuck = true;
                sink->wake.wait(guard, [&sink] { return sink->released; });
                why = QStringLiteral("Connection refused");
                return nullptr;
            },
            0);
    });
    int fired = 0;
    QTimer clock;
    clock.setInterval(1);
    QObject::connect(&clock, &QTimer::timeout, [&] {
        ++fired;
        s.ticks.Advance(20);
    });
    clock.start();
    const quint32 asked = s.ticks.now;
    s.forms.frm_main->est21Click();
    const quint32 answered = s.ticks.now;
    clock.stop();
    sink->Release();
    QVERIFY(sink->IsStuck());
    QCOMPARE(s.user.MessageTexts(),
             (QStringList{QStringLiteral("The Elements can't be spoken: the sound server does not "
                                         "answer. Turn \"Speak Elements\" off in the options to "
                                         "train without the voice.")}));
    QVERIFY(s.user.opened.isEmpty());
    QVERIFY2(answered - asked >= 2000 && answered - asked <= 3000, qPrintable(QString::number(answered - asked)));
    QVERIFY(fired >= 50);
}

QTEST_MAIN(TestSpokenRun)
#include "tst_spokenrun.moc"
