#include "app/forms.h"
#include "app/frmmain.h"
#include "engine/frmexe.h"
#include "engine/frmtest.h"
#include "library/frmoptions.h"
#include "results/frmresults.h"
#include "results/resultsstore.h"
#include "tests/testsupport.h"
#include "tests/testuser.h"

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QSet>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWindow>

#include <utility>

using Dialogs::Answer;
using Dialogs::Kind;

namespace {

const QByteArray ModulesIni = "[Digits]\r\nData=a,b,C,d,e\r\n\r\n"
                              "[Words]\r\nData=cat,dog,sun,moon\r\n\r\n"
                              "[Empty]\r\nData=\r\n\r\n";

// config.ini with its defaults for these tests, overridden by "Key=Value".
QByteArray configIni(const QStringList &overrides)
{
    QList<QStringList> test = {{"TNumOfEl", "20"},  {"TimerMSec", "6000"}, {"TMName", "Words"},    {"TDiapFrom", "cat"},
                               {"TDiapTo", "moon"}, {"Ifexec", "1"},       {"IfNoTimeLimit", "0"}, {"IfShowNum", "1"}};
    QList<QStringList> exam = {{"ENumOfEl", "20"}, {"EMName", "Digits"}, {"EDiapFrom", "a"}, {"EDiapTo", "e"}};
    for (const QString &o : overrides) {
        const QString key = o.section(QLatin1Char('='), 0, 0);
        bool found = false;
        for (QList<QStringList> *keys : {&test, &exam})
            for (QStringList &kv : *keys)
                if (kv.at(0) == key) {
                    kv[1] = o.section(QLatin1Char('='), 1);
                    found = true;
                }
        if (!found) // a key of its own: with the Training's, or the Exam's when it starts with E
            (key.startsWith(QLatin1Char('E')) ? exam : test).append({key, o.section(QLatin1Char('='), 1)});
    }
    QString text = QStringLiteral("[Test]\r\n");
    for (const QStringList &kv : test)
        text += kv.join(QLatin1Char('=')) + QStringLiteral("\r\n");
    text += QStringLiteral("\r\n[Exam]\r\n");
    for (const QStringList &kv : exam)
        text += kv.join(QLatin1Char('=')) + QStringLiteral("\r\n");
    return text.toUtf8();
}

// The program's windows over a prepared data directory, with the clock,
// the generator and the user replaced.
struct Session
{
    TestDataDir dir;
    FakeTicks ticks{5000};
    TestRandom random{7};
    FakeNow now{QDateTime(QDate(2026, 12, 6), QTime(20, 54, 9))};
    TestUser user;
    Forms forms;
    QStringList shown;     // the Elements as they appeared
    int timerInterval = 0; // Timer1's period as the run set it

    explicit Session(const QStringList &config = {})
    {
        dir.Write(QStringLiteral("config.ini"), configIni(config));
        dir.Write(QStringLiteral("modules.ini"), ModulesIni);
        forms = CreateForms();
        forms.frm_main->FormShow(); // history and options, as at start-up
    }
    ~Session() { DestroyForms(forms); }
    Session(const Session &) = delete;
    Session &operator=(const Session &) = delete;

    Tfrm_test *T() const { return forms.frm_test; }
    Tfrm_results *Report() const { return forms.frm_results; }
    RunState &Run() const { return forms.frm_main->CurrentRunState(); }

    // What the runner's modal showing does, then what the windows it opens do.
    void WhenShown(const std::function<void(Tfrm_test *)> &runner, const QList<TestUser::Script> &nested = {})
    {
        user.scripts.push_back([this, runner](QDialog *) {
            // The real timer keeps its setting but stays out of the way.
            QVERIFY(T()->Timer1->isActive());
            timerInterval = T()->Timer1->interval();
            T()->Timer1->setInterval(24 * 3600 * 1000);
            shown = {T()->Label2->text()};
            runner(T());
        });
        for (const TestUser::Script &s : nested)
            user.scripts.push_back(s);
    }

    void Tick(quint32 ms = 1000)
    {
        ticks.Advance(ms);
        T()->Timer1Timer();
    }

    // Notes the Element on screen when a new one has appeared.
    void NoteShown()
    {
        const int n = T()->CurrentNumber;
        if (T()->Phase == 1 && !T()->presentationDone && n == shown.size() + 1 && n <= T()->ElementCount) {
            QCOMPARE(T()->Label2->text(), Report()->Cell(1, n - 1));
            shown << T()->Label2->text();
        }
    }

    // Ticks a timed presentation to its end, or presses "Next" `nextEvery`
    // ticks into each Element.
    void PresentTimed(int nextEvery = 0)
    {
        while (T()->Phase == 1 && !T()->presentationDone && T()->isVisible()) {
            if (nextEvery > 0 && T()->TickInElement == nextEvery) {
                ticks.Advance(1000);
                T()->BitBtn1Click();
            } else {
                Tick();
            }
            NoteShown();
        }
    }

    // Exam: "Next" every `ms`, then the tick that ends the phase.
    void PresentExam(quint32 ms)
    {
        while (T()->CurrentNumber <= T()->ElementCount) {
            ticks.Advance(ms);
            T()->BitBtn1Click();
            NoteShown();
        }
        Tick();
    }

    // Types every answer: the Element, except `wrong` ones; by Enter or "Next".
    void AnswerAll(const QMap<int, QString> &wrong = {}, bool byEnter = false)
    {
        QCOMPARE(T()->Phase, 2);
        for (int n = 1; n <= T()->ElementCount && T()->isVisible(); ++n) {
            QCOMPARE(T()->CurrentNumber, n);
            QCOMPARE(T()->Edit1->text(), QStringLiteral("???"));
            T()->Edit1->setText(wrong.value(n, Report()->Cell(1, n - 1)));
            if (byEnter)
                QTest::keyClick(T()->Edit1, Qt::Key_Return);
            else
                QTest::mouseClick(T()->BitBtn1, Qt::LeftButton);
        }
    }

    QString StoredText(const char *file) const { return QString::fromLatin1(dir.Read(QLatin1String(file))); }
    QString SectionName() const { return ResultsStore::SectionName(now.at, QLocale()); }
};

TestUser::Script solveExercises()
{
    return [](QDialog *d) {
        auto *exe = static_cast<Tfrm_exe *>(d);
        for (int i = 1; i <= Tfrm_exe::SumCount; ++i)
            exe->AnswerBox(i)->setText(QString::number(exe->ExpectedSum(i)));
        QVERIFY(!exe->isVisible());
    };
}

QString section(const QString &name, const QString &head, const QStringList &res, const QStringList &answ,
                const QString &tail = QString())
{
    return QLatin1Char('[') + name + QStringLiteral("]\r\n") + head + QStringLiteral("Res=")
           + res.join(QLatin1Char(',')) + QStringLiteral("\r\nAnsw=") + answ.join(QLatin1Char(','))
           + QStringLiteral("\r\n") + tail + QStringLiteral("\r\n");
}

} // namespace

class TestTestRun : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void launch_data();
    void launch();
    void launch_declined();
    void launch_afterCancelledOptions_runsTheStoredValues();
    void launch_valuesTheOptionsCannotSet_data();
    void launch_valuesTheOptionsCannotSet();
    void launch_withoutModule_data();
    void launch_withoutModule();
    void introductory_scoredShownNotStored();
    void training_storedAndListed_data();
    void training_storedAndListed();
    void training_unlimitedTimeAndOneElementRange();
    void training_tooSlow();
    void training_drawn_data();
    void training_drawn();
    void firstElement_paceStartsAtItsPaint();
    void exam_passes();
    void exam_lastElementNextTwice();
    void exam_tooManyMistakes();
    void exam_timeLimit_data();
    void exam_timeLimit();
    void stop_data();
    void stop();
    void stopRefused_pauseLeftOut_data();
    void stopRefused_pauseLeftOut();
    void exercisesCancelled_endRun();
    void answerBox_refusesComma();
    void answerBox_takesEnterPressedThere_data();
    void answerBox_takesEnterPressedThere();
    void markup_shownAsText_data();
    void markup_shownAsText();
    void screenReader_toldElementAndCounter_data();
    void screenReader_toldElementAndCounter();
    void saveFailure_keepsRunForRetry();
    void recall_saysWhichElementIsAsked_data();
    void recall_saysWhichElementIsAsked();
    void longElement_shownWhole_data();
    void longElement_shownWhole();
    void focus_comesHome_data();
    void focus_comesHome();
};

void TestTestRun::launch_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QStringList>("config");
    QTest::addColumn<QString>("caption"); // empty: the runner is not shown
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("ticksPerElement");
    QTest::addColumn<bool>("counter");
    QTest::addColumn<QString>("message"); // the box after "Press OK to start"
    const QString none;
    // clang-format off
    QTest::newRow("introductory ignores options") << "est11" << QStringList{"TNumOfEl=x", "IfShowNum=0"}
                                                  << "Introductory Test" << 20 << 6 << true << none;
    QTest::newRow("training") << "est21" << QStringList{"TNumOfEl=25", "TimerMSec=6051"} << "Trening" << 25 << 7
                              << true << none;
    QTest::newRow("training, counter hidden") << "est21" << QStringList{"IfShowNum=0", "TimerMSec=8050"}
                                              << "Trening" << 20 << 9 << false << none;
    QTest::newRow("training, unlimited") << "est21" << QStringList{"IfNoTimeLimit=1"} << "Trening" << 20 << 20
                                         << true << none;
    QTest::newRow("exam") << "Exam1" << QStringList{"ENumOfEl=30"} << "Exam" << 30 << 6 << false << none;
    QTest::newRow("bad number") << "est21" << QStringList{"TNumOfEl=2O"} << none << 0 << 0 << true
                                << "'2O' is not a valid integer value";
    QTest::newRow("bad timer") << "est21" << QStringList{"TimerMSec=6s"} << none << 0 << 0 << true
                               << "'6s' is not a valid integer value";
    QTest::newRow("exam, bad number") << "Exam1" << QStringList{"ENumOfEl="} << none << 0 << 0 << true
                                      << "'' is not a valid integer value";
    QTest::newRow("single element") << "Exam1" << QStringList{"ENumOfEl=1"} << none << 0 << 0 << true
                                    << "The number of elements must lie between 2 and 100000.";
    QTest::newRow("module without elements") << "est21" << QStringList{"TMName=Empty"} << none << 0 << 0 << true
                                             << "The Module has no range of elements to draw from.";
    // clang-format on
}

void TestTestRun::launch()
{
    QFETCH(QString, menu);
    QFETCH(QStringList, config);
    QFETCH(QString, caption);
    QFETCH(int, count);
    QFETCH(int, ticksPerElement);
    QFETCH(bool, counter);
    QFETCH(QString, message);
    Session s(config);
    s.T()->Edit1->show(); // as a previous run leaves it
    s.user.scripts.push_back([&](QDialog *) {
        QCOMPARE(s.T()->windowTitle(), caption);
        QCOMPARE(s.T()->RunStatus, 777);
        QCOMPARE(s.T()->ElementCount, count);
        QCOMPARE(s.T()->TicksPerElement, ticksPerElement);
        QCOMPARE(s.T()->Label1->isVisible(), counter);
        QVERIFY(s.T()->Label2->isVisible());
        QVERIFY(!s.T()->Edit1->isVisible());
        QCOMPARE(s.T()->Timer1->interval(), 1000);
        QCOMPARE(s.T()->Timer1->timerType(), Qt::PreciseTimer);
        QCOMPARE(s.T()->size(), QSize(376, 215));
        QCOMPARE(s.T()->BitBtn1->geometry(), QRect(120, 119, 132, 24));
        QCOMPARE(s.Report()->RowCount(), count);
        s.user.answers.push_back(Answer::Ok);
        s.T()->reject(); // "Stop test?" confirmed
    });
    const quint32 start = s.ticks.now;
    s.ticks.Advance(700);
    s.random.queued = {41};
    if (menu == QLatin1String("est11"))
        s.forms.frm_main->est11Click();
    else if (menu == QLatin1String("est21"))
        s.forms.frm_main->est21Click();
    else
        s.forms.frm_main->Exam1Click();
    QVERIFY(!s.user.asked.isEmpty());
    QCOMPARE(s.user.asked.at(0).kind, Kind::StartPrompt);
    // Before an Exam, how many mistakes end it.
    QCOMPARE(s.user.asked.at(0).text,
             menu == QLatin1String("Exam1") && !caption.isEmpty()
                 ? QStringLiteral("Press OK to start\n\nMistakes allowed in an Exam of 30 Elements: 3. Mistake 4 "
                                  "ends it.")
                 : QStringLiteral("Press OK to start"));
    QCOMPARE(s.Run().StartTick, start + 700);
    QCOMPARE(s.Run().StartDateTime, s.now.at);
    QCOMPARE(s.user.opened.contains(s.T()), !caption.isEmpty());
    if (!message.isEmpty()) {
        QCOMPARE(s.user.asked.size(), 2);
        QCOMPARE(s.user.asked.at(1).text, message);
        return;
    }
    QCOMPARE(s.user.asked.size(), 2); // "Stop test?"
    if (menu == QLatin1String("est11"))
        QCOMPARE(s.Report()->Cell(1, 0), QStringLiteral("42"));
}

void TestTestRun::launch_declined()
{
    Session s;
    // The start prompt closed by its close box: nothing starts, no start is recorded.
    s.user.answers.push_back(Answer::Closed);
    s.forms.frm_main->Exam1Click();
    QCOMPARE(s.Run().TestMode, 3);
    QCOMPARE(s.Run().StartTick, 0u);
    QVERIFY(!s.Run().StartDateTime.isValid());
    QCOMPARE(s.user.asked.size(), 1);
}

void TestTestRun::launch_afterCancelledOptions_runsTheStoredValues()
{
    // Counts and a pace typed into the options, then cancelled.
    Session s({"TNumOfEl=20", "ENumOfEl=30"});
    s.user.scripts.push_back([](QDialog *dialog) {
        auto *options = static_cast<Tfrm_options *>(dialog);
        options->Edit1->setText(QStringLiteral("25"));
        options->Edit3->setText(QStringLiteral("9000"));
        options->Edit2->setText(QStringLiteral("40"));
        QTest::keyClick(options, Qt::Key_Escape);
    });
    s.forms.frm_main->Configurations1Click();
    for (const bool exam : {false, true}) {
        s.user.scripts.push_back([&](QDialog *) {
            QCOMPARE(s.T()->ElementCount, exam ? 30 : 20);
            QCOMPARE(s.T()->TicksPerElement, 6);
            if (!exam)
                QCOMPARE(s.T()->Label1->text(), QStringLiteral("1 of 20"));
            s.user.answers.push_back(Answer::Ok);
            s.T()->reject();
        });
        if (exam)
            s.forms.frm_main->Exam1Click();
        else
            s.forms.frm_main->est21Click();
        QVERIFY(s.user.opened.contains(s.T()));
        QCOMPARE(s.Report()->RowCount(), exam ? 30 : 20);
    }
}

void TestTestRun::launch_valuesTheOptionsCannotSet_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QStringList>("config");
    QTest::addColumn<int>("ticksPerElement");
    QTest::addColumn<QString>("drawnFrom"); // the Elements of the Module in use
    QTest::addColumn<QString>("notice");    // said before the first start only; empty: nothing
    const QString words = QStringLiteral("cat,dog,sun,moon");
    const QString digits = QStringLiteral("a,b,C,d,e");
    const QString pace = QStringLiteral(
        "The Timer (MilliSec) stored in config.ini, %1, is beyond what the options can set; %2 is used instead.");
    const QString module = QStringLiteral(
        "The %1 Module stored in config.ini, \"Gone\", is not in the library; \"Digits\" is used instead.");
    // clang-format off
    // A Training's least pace, 500 ms, ticks once an Element at its own period.
    QTest::newRow("pace 0") << "est21" << QStringList{"TimerMSec=0"} << 1 << words << pace.arg("0", "500");
    QTest::newRow("pace negative") << "est21" << QStringList{"TimerMSec=-6000"} << 1 << words << pace.arg("-6000", "500");
    QTest::newRow("pace of 10^9 ms") << "est21" << QStringList{"TimerMSec=1000000000"} << 20 << words
                                     << pace.arg("1000000000", "20000");
    QTest::newRow("pace 0, no time limit") << "est21" << QStringList{"TimerMSec=0", "IfNoTimeLimit=1"} << 20 << words
                                           << QString();
    QTest::newRow("pace at the spin's top") << "est21" << QStringList{"TimerMSec=20000"} << 20 << words << QString();
    QTest::newRow("training Module gone") << "est21" << QStringList{"TMName=Gone"} << 6 << digits
                                          << module.arg("Training");
    QTest::newRow("exam Module gone") << "Exam1" << QStringList{"EMName=Gone"} << 6 << digits << module.arg("Exam");
    // clang-format on
}

// A value in config.ini that the options could not have set is not run
// with: what is used instead is said before the first start, once.
void TestTestRun::launch_valuesTheOptionsCannotSet()
{
    QFETCH(QString, menu);
    QFETCH(QStringList, config);
    QFETCH(int, ticksPerElement);
    QFETCH(QString, drawnFrom);
    QFETCH(QString, notice);
    Session s(config);
    for (int launch = 0; launch < 2; ++launch) {
        s.user.scripts.push_back([&](QDialog *) {
            QCOMPARE(s.T()->TicksPerElement, ticksPerElement);
            s.user.answers.push_back(Answer::Ok);
            s.T()->reject();
        });
        const qsizetype before = s.user.asked.size();
        if (menu == QLatin1String("est21"))
            s.forms.frm_main->est21Click();
        else
            s.forms.frm_main->Exam1Click();
        QStringList said{QStringLiteral("Press OK to start")};
        if (menu != QLatin1String("est21"))
            said[0] += QStringLiteral("\n\nMistakes allowed in an Exam of 20 Elements: 2. Mistake 3 ends it.");
        if (launch == 0 && !notice.isEmpty())
            said.prepend(notice);
        QCOMPARE(s.user.MessageTexts().mid(before, said.size()), said);
        QCOMPARE(s.user.asked.size(), before + said.size() + 1); // and "Stop test?"
        QVERIFY2(drawnFrom.split(QLatin1Char(',')).contains(s.Report()->Cell(1, 0)),
                 qPrintable(s.Report()->Cell(1, 0)));
    }
}

void TestTestRun::launch_withoutModule_data()
{
    QTest::addColumn<QByteArray>("library"); // modules.ini when the options load
    QTest::addColumn<QByteArray>("after");   // and when the menu key is pressed
    QTest::addColumn<QString>("message");
    const QString none = QStringLiteral("There is no Module yet to draw the elements from. Add one under Modules in "
                                        "the menu bar, then choose it under Options.");
    // clang-format off
    QTest::newRow("empty library") << QByteArray() << QByteArray() << none;
    QTest::newRow("library of blanks") << QByteArray("\r\n\r\n") << QByteArray("\r\n\r\n") << none;
    QTest::newRow("Module deleted since")
        << ModulesIni << QByteArray("[Other]\r\nData=x\r\n")
        << QStringLiteral("The Module \"%1\" no longer exists. Choose another one under Options, or add it again "
                          "under Modules in the menu bar.");
    QTest::newRow("library gone since") << ModulesIni << QByteArray()
                                        << QStringLiteral("The Module \"%1\" no longer exists. Choose another one "
                                                          "under Options, or add it again under Modules in the menu bar.");
    QTest::newRow("library unrecognisable")
        << QByteArray("\x00\x01junk", 6) << QByteArray("\x00\x01junk", 6)
        << QStringLiteral("The Module library could not be read (The file holds no sections this program can read; "
                          "it was left as it was), so there is no Module to draw the elements from. See to it under "
                          "Modules in the menu bar.");
    // clang-format on
}

// Training and Exam without a Module to draw from: a message says what is
// missing and where to see to it; nothing starts.
void TestTestRun::launch_withoutModule()
{
    QFETCH(QByteArray, library);
    QFETCH(QByteArray, after);
    QFETCH(QString, message);
    Session s;
    s.dir.Write(QStringLiteral("modules.ini"), library);
    s.forms.frm_options->LoadOptions();
    if (after.isEmpty() && !library.isEmpty())
        QFile::remove(s.dir.Path(QStringLiteral("modules.ini")));
    else
        s.dir.Write(QStringLiteral("modules.ini"), after);
    s.forms.frm_main->est21Click();
    s.forms.frm_main->Exam1Click();
    // The Module the options named for each, where the message names one.
    const auto naming = [&message](const char *module) {
        return message.contains(QLatin1String("%1")) ? message.arg(QLatin1String(module)) : message;
    };
    QCOMPARE(s.user.MessageTexts(), (QStringList{naming("Words"), naming("Digits")}));
    QCOMPARE(s.user.asked.first().kind, Kind::Message);
    QVERIFY(s.user.opened.isEmpty());
    QCOMPARE(s.Run().TestMode, 0);
}

void TestTestRun::introductory_scoredShownNotStored()
{
    Session s;
    s.random.reseeds = 0;
    s.WhenShown(
        [&](Tfrm_test *t) {
            QCOMPARE(t->Label1->text(), QStringLiteral("1 of 20"));
            QCOMPARE(t->CurrentNumber, 1);
            QCOMPARE(t->Phase, 1);
            QCOMPARE(t->Label2->palette().color(QPalette::WindowText), QColor(0, 0, 0));
            QCOMPARE(t->focusWidget(), t->BitBtn1);
            // The first Element fades at the next five ticks, the sixth replaces it.
            for (const int grey : {32, 64, 96, 128, 160}) {
                s.Tick();
                QCOMPARE(t->Label2->palette().color(QPalette::WindowText), QColor(grey, grey, grey));
                QCOMPARE(t->CurrentNumber, 1);
            }
            s.Tick();
            s.NoteShown();
            QCOMPARE(t->CurrentNumber, 2);
            QCOMPARE(t->Label1->text(), QStringLiteral("2 of 20"));
            QCOMPARE(t->Label2->palette().color(QPalette::WindowText), QColor(0, 0, 0));
            // "Next" replaces the Element at once; the rhythm goes on.
            s.Tick();
            t->BitBtn1Click();
            s.NoteShown();
            QCOMPARE(t->CurrentNumber, 3);
            s.Tick();
            QCOMPARE(t->Label2->palette().color(QPalette::WindowText), QColor(32, 32, 32));
            s.PresentTimed();
            QCOMPARE(s.random.reseeds, 20 + 1); // one per draw, one for the exercises
            QCOMPARE(s.Run().EndTick, s.ticks.now);
            QCOMPARE(t->BitBtn1->geometry(), QRect(72, 119, 240, 24));
            QCOMPARE(t->Label1->text(), QStringLiteral("1 of 20"));
            QVERIFY(t->Edit1->isVisible());
            QVERIFY(!t->Label2->isVisible());
            QCOMPARE(t->focusWidget(), t->Edit1);
            QString right = s.Report()->Cell(1, 0);
            s.AnswerAll({{4, right + QLatin1Char('0')}}, true);
        },
        {[&](QDialog *d) {
             // Owned by the runner while shown, so that they come up in front of it.
             QCOMPARE(d->windowHandle()->transientParent(), s.T()->windowHandle());
             solveExercises()(d);
         },
         [&](QDialog *d) {
             QCOMPARE(d, s.Report());
             QCOMPARE(d->windowHandle()->transientParent(), s.T()->windowHandle());
             QCOMPARE(s.Report()->TotalText(), QStringLiteral("20"));
             QCOMPARE(s.Report()->ErrorsText(), QStringLiteral("1"));
         }});
    s.forms.frm_main->est11Click();
    QCOMPARE(s.shown.size(), 20);
    for (const QString &e : s.shown)
        QVERIFY(e.toInt() >= 1 && e.toInt() <= 99 && QString::number(e.toInt()) == e);
    QCOMPARE(s.user.MessageTexts(),
             (QStringList{QStringLiteral("Press OK to start"), QStringLiteral("Your result is 3,8")}));
    QCOMPARE(s.user.opened, (QList<QDialog *>{s.T(), s.forms.frm_exe, s.Report()}));
    QVERIFY(s.Report()->windowHandle()->transientParent() != s.T()->windowHandle());
    QCOMPARE(s.T()->MistakeCount, 1);
    QCOMPARE(s.T()->RunStatus, 2);
    QCOMPARE(s.Run().TestMode, 0);
    QVERIFY(!s.T()->isVisible());
    QVERIFY(!s.T()->Timer1->isActive());
    QVERIFY(!s.dir.Exists(QStringLiteral("testres.ini")));
    QVERIFY(!s.dir.Exists(QStringLiteral("examres.ini")));
}

void TestTestRun::training_storedAndListed_data()
{
    QTest::addColumn<bool>("exercises");
    QTest::newRow("with exercises") << true;
    QTest::newRow("without exercises") << false;
}

void TestTestRun::training_storedAndListed()
{
    QFETCH(bool, exercises);
    Session s({exercises ? "Ifexec=1" : "Ifexec=0", "TDiapFrom=moon", "TDiapTo=dog"});
    s.forms.frm_main->SpeedButton1->click(); // list the Training results
    QStringList answers;
    QList<TestUser::Script> nested;
    if (exercises)
        nested << solveExercises();
    s.WhenShown(
        [&](Tfrm_test *t) {
            s.PresentTimed();
            QCOMPARE(s.Run().EndTick - s.Run().StartTick, 120000u);
            // Wrong: case, a trailing blank, an untouched "???".
            const QString e2 = s.Report()->Cell(1, 1), e5 = s.Report()->Cell(1, 4);
            s.AnswerAll({{2, e2.toUpper()}, {5, e5 + QLatin1Char(' ')}, {9, QStringLiteral("???")}});
            for (int r = 0; r < 20; ++r)
                answers << s.Report()->Cell(2, r);
            QCOMPARE(t->MistakeCount, 3);
        },
        nested);
    s.random.reseeds = 0;
    s.forms.frm_main->est21Click();
    QCOMPARE(s.user.opened.contains(s.forms.frm_exe), exercises);
    QCOMPARE(s.shown.size(), 20);
    for (const QString &e : s.shown)
        QVERIFY(e == QLatin1String("dog") || e == QLatin1String("sun") || e == QLatin1String("moon"));
    QCOMPARE(s.random.reseeds, 20 + (exercises ? 1 : 0) + 1); // draws, exercises, history reload
    const QString expected = section(s.SectionName(),
                                     QStringLiteral("Total=20\r\nErrors=3\r\n"
                                                    "Time=0:2:0  Average time for each number: 6 sec.\r\n"
                                                    "Mark=2\r\nKoeff=3,4\r\n"),
                                     s.shown, answers, QStringLiteral("Module=Words\r\nFrom=moon\r\nTo=dog\r\n"));
    QCOMPARE(s.StoredText("testres.ini"), expected);
    QVERIFY(!s.dir.Exists(QStringLiteral("examres.ini")));
    QCOMPARE(s.user.MessageTexts().last(), QStringLiteral("Your result is 3,4"));
    QCOMPARE(s.forms.frm_main->StringGrid1->item(0, 0)->text(), s.SectionName());
    QCOMPARE(s.forms.frm_main->StringGrid1->item(0, 1)->text(), QStringLiteral("3,4"));
    QCOMPARE(s.Run().TestMode, 0);
}

// Notes what the runner holds when it is first painted.
class FirstPaint : public QObject
{
public:
    explicit FirstPaint(Tfrm_test *runner)
        : m_runner(runner)
    {
        runner->installEventFilter(this);
    }
    bool seen = false;
    bool paceRunning = false;
    QString element;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_runner && event->type() == QEvent::Paint && !seen) {
            seen = true;
            paceRunning = m_runner->Timer1->isActive();
            element = m_runner->Label2->text();
        }
        return false;
    }

private:
    Tfrm_test *m_runner;
};

void TestTestRun::firstElement_paceStartsAtItsPaint()
{
    // The showing comes before the paint: the first Element's second runs
    // from the paint that puts it on screen.
    Session s({"TNumOfEl=2"});
    FirstPaint paint(s.T());
    s.WhenShown(
        [&](Tfrm_test *t) {
            QVERIFY(paint.seen);
            QVERIFY(!paint.paceRunning);
            QCOMPARE(paint.element, s.Report()->Cell(1, 0));
            QVERIFY(t->Timer1->isActive());
            s.PresentTimed();
            s.AnswerAll();
        },
        {solveExercises()});
    s.forms.frm_main->est21Click();
    QCOMPARE(s.shown.size(), 2);
}

void TestTestRun::training_unlimitedTimeAndOneElementRange()
{
    // A timer below 50 ms would leave every Element up until "Next";
    // "Unlimited time" makes it 20 ticks whatever the timer says.
    Session s({"IfNoTimeLimit=1", "TimerMSec=40", "TNumOfEl=3", "TDiapFrom=sun", "TDiapTo=sun", "IfShowNum=0"});
    s.WhenShown(
        [&](Tfrm_test *t) {
            QCOMPARE(t->TicksPerElement, 20);
            for (int k = 1; k < 20; ++k) {
                s.Tick();
                const int g = k * 192 / 20;
                QCOMPARE(t->Label2->palette().color(QPalette::WindowText), QColor(g, g, g));
            }
            s.Tick();
            s.NoteShown();
            QCOMPARE(t->CurrentNumber, 2);
            QVERIFY(t->Label1->isHidden());
            s.PresentTimed(2);
            s.AnswerAll();
        },
        {solveExercises()});
    s.forms.frm_main->est21Click();
    QCOMPARE(s.shown, (QStringList{"sun", "sun", "sun"}));
    QVERIFY(s.StoredText("testres.ini").contains(QStringLiteral("Errors=0\r\n")));
    QVERIFY(s.StoredText("testres.ini").contains(QStringLiteral("Res=sun,sun,sun\r\nAnsw=sun,sun,sun\r\n")));

    // Without "Unlimited time" the same timer is not run with: see
    // launch_valuesTheOptionsCannotSet.
}

void TestTestRun::training_drawn_data()
{
    // A Module of 30 Elements, e01 to e30.
    QTest::addColumn<QStringList>("config");
    QTest::addColumn<QString>("expected"); // the Elements shown, in order; "deck": each once, any order
    QTest::addColumn<quint32>("runMs");
    const auto elements = [](int from, int to) {
        QStringList out;
        for (int i = from; i <= to; ++i)
            out << QStringLiteral("e%1").arg(i, 2, 10, QLatin1Char('0'));
        return out.join(QLatin1Char(','));
    };
    // clang-format off
    QTest::newRow("in order, 30 at 0.5 s") << QStringList{"TDraw=2", "TNumOfEl=30", "TimerMSec=500"}
        << elements(1, 30) << 15000u;
    QTest::newRow("in order, wrapping") << QStringList{"TDraw=2", "TNumOfEl=33", "TimerMSec=800"}
        << elements(1, 30) + QStringLiteral(",e01,e02,e03") << 33 * 800u;
    QTest::newRow("in order from the range's start") << QStringList{"TDraw=2", "TNumOfEl=7", "TDiapFrom=e05", "TDiapTo=e09"}
        << elements(5, 9) + QStringLiteral(",e05,e06") << 42000u;
    QTest::newRow("shuffled: each once") << QStringList{"TDraw=1", "TNumOfEl=30", "TimerMSec=500"}
        << QStringLiteral("deck") << 15000u;
    // clang-format on
}

void TestTestRun::training_drawn()
{
    QFETCH(QStringList, config);
    QFETCH(QString, expected);
    QFETCH(quint32, runMs);
    Session s(QStringList{"Ifexec=0", "TMName=Thirty", "TDiapFrom=e01", "TDiapTo=e30"} + config);
    QStringList thirty;
    for (int i = 1; i <= 30; ++i)
        thirty << QStringLiteral("e%1").arg(i, 2, 10, QLatin1Char('0'));
    s.dir.Write(QStringLiteral("modules.ini"), "[Thirty]\r\nData=" + thirty.join(QLatin1Char(',')).toUtf8() + "\r\n");
    s.forms.frm_options->LoadOptions();
    s.WhenShown([&](Tfrm_test *t) {
        const quint32 period = quint32(t->tickPeriodMs);
        while (t->Phase == 1 && !t->presentationDone && t->isVisible()) {
            s.Tick(period);
            s.NoteShown();
        }
        QCOMPARE(s.Run().EndTick - s.Run().StartTick, runMs);
        s.AnswerAll();
    });
    s.forms.frm_main->est21Click();
    QCOMPARE(s.timerInterval,
             int(runMs / quint32(s.shown.size())) >= 1000 ? 1000 : int(runMs / quint32(s.shown.size())));
    if (expected == QLatin1String("deck")) {
        QStringList sorted = s.shown;
        sorted.sort();
        QCOMPARE(sorted, thirty);
        QVERIFY(s.shown != thirty);
    } else {
        QCOMPARE(s.shown.join(QLatin1Char(',')), expected);
    }
    // Stored, scored and listed as any run.
    QVERIFY(s.StoredText("testres.ini")
                .contains(QStringLiteral("Res=") + s.shown.join(QLatin1Char(',')) + QStringLiteral("\r\n")));
    QVERIFY(s.StoredText("testres.ini").contains(QStringLiteral("Errors=0\r\n")));
    QCOMPARE(s.Run().TestMode, 0);
}

void TestTestRun::training_tooSlow()
{
    // With two Elements the average-time check ends the run once the
    // seconds part (999 ms seconds) reaches 24.
    Session s({"TNumOfEl=2", "IfNoTimeLimit=1"});
    QString onScreen;
    s.WhenShown([&](Tfrm_test *t) {
        s.Tick(23 * 999 + 998);
        QVERIFY(t->isVisible());
        onScreen = t->Label2->text();
        s.user.onAsk = [&](const TestUser::Asked &) {
            QVERIFY(!t->isVisible());
            t->Timer1Timer(); // a late tick changes nothing
        };
        s.Tick(1);
    });
    s.forms.frm_main->est21Click();
    QCOMPARE(s.user.MessageTexts().last(), QStringLiteral("Test is not completed. You are memorizing too slow!"));
    QCOMPARE(s.Run().TestMode, 0);
    QCOMPARE(s.T()->RunStatus, 2);
    QCOMPARE(s.T()->Label2->text(), onScreen);
    QCOMPARE(s.user.opened, QList<QDialog *>{s.T()});
    QVERIFY(!s.dir.Exists(QStringLiteral("testres.ini")));
}

void TestTestRun::exam_passes()
{
    Session s({"EDiapFrom=e", "EDiapTo=b"});
    QStringList answers;
    s.WhenShown(
        [&](Tfrm_test *t) {
            QVERIFY(t->Label1->isHidden());
            // Ticks alone do not advance an Exam.
            s.Tick(900);
            s.Tick(900);
            QCOMPARE(t->CurrentNumber, 1);
            s.ticks.now = s.Run().StartTick;
            s.PresentExam(3000);
            QCOMPARE(s.Run().EndTick - s.Run().StartTick, 61000u);
            s.AnswerAll({{1, QStringLiteral("x")}, {20, QStringLiteral("y")}});
            for (int r = 0; r < 20; ++r)
                answers << s.Report()->Cell(2, r);
        },
        {solveExercises()});
    s.random.reseeds = 0;
    s.forms.frm_main->Exam1Click();
    QCOMPARE(s.random.reseeds, 1 + 1); // the exercises and the history reload: no reseed per draw
    for (const QString &e : s.shown)
        QVERIFY(QStringList({"b", "C", "d", "e"}).contains(e));
    const QString expected = section(s.SectionName(),
                                     QStringLiteral("Total=20\r\nErrors=2\r\n"
                                                    "Time=0:1:1  Average time for each number: 3,05 sec.\r\n"
                                                    "Mark=3-\r\nKoeff=5,57\r\n"),
                                     s.shown, answers, QStringLiteral("Module=Digits\r\nFrom=e\r\nTo=b\r\n"));
    QCOMPARE(s.StoredText("examres.ini"), expected);
    QVERIFY(!s.dir.Exists(QStringLiteral("testres.ini")));
    QCOMPARE(s.forms.frm_main->StringGrid1->item(0, 0)->text(), s.SectionName());
    QCOMPARE(s.forms.frm_main->StringGrid1->item(0, 2)->text(), QStringLiteral("3-"));
    QCOMPARE(s.Run().TestMode, 0);
}

void TestTestRun::exam_lastElementNextTwice()
{
    Session s({"ENumOfEl=3"});
    s.WhenShown(
        [&](Tfrm_test *t) {
            t->BitBtn1Click();
            s.NoteShown();
            t->BitBtn1Click();
            s.NoteShown();
            QCOMPARE(t->CurrentNumber, 3);
            const QString last = t->Label2->text();
            t->BitBtn1Click(); // marks the last Element as seen
            QCOMPARE(t->CurrentNumber, 4);
            QCOMPARE(t->Label2->text(), last);
            QVERIFY(!t->presentationDone);
            const quint32 end = s.ticks.now + 400;
            s.ticks.now = end;
            t->BitBtn1Click(); // ends the phase at once, draws nothing
            QCOMPARE(s.Run().EndTick, end);
            QCOMPARE(s.Report()->RowCount(), 3);
            QCOMPARE(t->Phase, 2);
            s.user.answers.push_back(Answer::Ok);
            t->reject();
        },
        {solveExercises()});
    s.forms.frm_main->Exam1Click();
    QCOMPARE(s.shown.size(), 3);
    QCOMPARE(s.user.MessageTexts().last(), QStringLiteral("Stop test?"));
    QVERIFY(!s.dir.Exists(QStringLiteral("examres.ini")));
}

void TestTestRun::exam_tooManyMistakes()
{
    Session s;
    s.WhenShown(
        [&](Tfrm_test *t) {
            s.PresentExam(2000);
            s.AnswerAll({{3, QStringLiteral("c")}, {7, QStringLiteral("")}, {12, QStringLiteral("z")}});
            QCOMPARE(t->MistakeCount, 3);
            QCOMPARE(s.Report()->Cell(2, 12), QString()); // the answers stop at the third mistake
        },
        {solveExercises()});
    s.forms.frm_main->Exam1Click();
    // Not stored, but the wrong answers are said, each with its Element.
    QCOMPARE(s.user.MessageTexts().last(),
             QStringLiteral("Test is not completed. Too many mistakes!\n\nWrong answers:\n"
                            "3. %1 (answered: c)\n7. %2 (no answer)\n12. %3 (answered: z)")
                 .arg(s.Report()->Cell(1, 2), s.Report()->Cell(1, 6), s.Report()->Cell(1, 11)));
    QVERIFY(s.Report()->Cell(1, 2) != QLatin1String("c"));
    QCOMPARE(s.Run().TestMode, 3);
    QVERIFY(!s.T()->isVisible());
    QVERIFY(!s.user.opened.contains(s.Report()));
    QVERIFY(!s.dir.Exists(QStringLiteral("examres.ini")));
}

void TestTestRun::exam_timeLimit_data()
{
    QTest::addColumn<quint32>("elapsed");
    QTest::addColumn<bool>("ended");
    QTest::newRow("120.4 s passes") << 120400u << false;
    QTest::newRow("120.6 s ends") << 120600u << true;
}

void TestTestRun::exam_timeLimit()
{
    QFETCH(quint32, elapsed);
    QFETCH(bool, ended);
    Session s;
    s.WhenShown([&](Tfrm_test *t) {
        for (int n = 1; n < 20; ++n)
            t->BitBtn1Click();
        s.ticks.now = s.Run().StartTick + elapsed;
        t->Timer1Timer();
        QCOMPARE(t->isVisible(), !ended);
        QCOMPARE(t->presentationDone, ended);
        if (!ended) {
            s.user.answers.push_back(Answer::Ok);
            t->reject();
        }
    });
    s.forms.frm_main->Exam1Click();
    QCOMPARE(s.user.MessageTexts().last(), ended ? QStringLiteral("Test is not completed. You are memorizing too slow!")
                                                 : QStringLiteral("Stop test?"));
    QCOMPARE(s.Run().TestMode, ended ? 0 : 3);
    QVERIFY(!s.dir.Exists(QStringLiteral("examres.ini")));
}

void TestTestRun::stop_data()
{
    QTest::addColumn<QString>("when");
    QTest::addColumn<bool>("confirm");
    for (const char *when : {"presentation", "recall"}) {
        // clang-format off
        QTest::newRow(qPrintable(QStringLiteral("%1, stopped").arg(QLatin1String(when)))) << QString::fromLatin1(when)
                                                                                        << true;
        QTest::newRow(qPrintable(QStringLiteral("%1, refused").arg(QLatin1String(when))))
            << QString::fromLatin1(when) << false;
        // clang-format on
    }
}

void TestTestRun::stop()
{
    QFETCH(QString, when);
    QFETCH(bool, confirm);
    Session s({"TNumOfEl=3", "Ifexec=0"});
    s.forms.frm_main->SpeedButton1->click();
    bool visibleAfter = true;
    s.WhenShown([&](Tfrm_test *t) {
        if (when == QLatin1String("recall")) {
            s.PresentTimed();
            t->Edit1->setText(s.Report()->Cell(1, 0));
            QTest::keyClick(t->Edit1, Qt::Key_Return);
        }
        const int number = t->CurrentNumber;
        const QString onScreen = t->Label2->text();
        // While the question is open the presentation waits.
        s.user.onAsk = [&](const TestUser::Asked &) {
            QVERIFY(t->Asking());
            for (int k = 0; k < 12; ++k)
                s.Tick();
            QCOMPARE(t->CurrentNumber, number);
            QCOMPARE(t->Label2->text(), onScreen);
        };
        s.user.answers.push_back(confirm ? Answer::Ok : Answer::Cancel);
        QTest::keyClick(t, Qt::Key_Escape);
        s.user.onAsk = nullptr;
        visibleAfter = t->isVisible();
        QCOMPARE(t->Timer1->isActive(), !confirm);
        if (!confirm && when == QLatin1String("presentation")) {
            s.PresentTimed(); // the run goes on
            QCOMPARE(t->Phase, 2);
        }
        if (!confirm && when == QLatin1String("recall")) {
            QCOMPARE(t->CurrentNumber, 2);
            QVERIFY(t->Edit1->isVisible());
        }
    });
    s.forms.frm_main->est21Click();
    QCOMPARE(visibleAfter, !confirm);
    QCOMPARE(s.user.MessageTexts().mid(1, 1), QStringList{QStringLiteral("Stop test?")});
    QCOMPARE(s.user.asked.at(1).kind, Kind::Confirm);
    QVERIFY(!s.user.opened.contains(s.Report()));
    QVERIFY(!s.dir.Exists(QStringLiteral("testres.ini")));
    QCOMPARE(s.Run().TestMode, 2);
}

void TestTestRun::stopRefused_pauseLeftOut_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QStringList>("config");
    QTest::addColumn<quint32>("pause");
    QTest::addColumn<quint32>("time"); // of the presentation, without the pause
    QTest::addColumn<QString>("timeText");
    // Past the Exam's limit of 120 s.
    QTest::newRow("exam") << "Exam1" << QStringList{} << 200000u << 63000u << "0:1:3";
    // Past the pace check, which ends a run of two Elements at 24 s.
    QTest::newRow("training") << "est21" << QStringList{"TNumOfEl=2", "Ifexec=0"} << 30000u << 12000u << "0:0:12";
}

// "Stop test?" answered with Cancel: the time it was open is no part of the run.
void TestTestRun::stopRefused_pauseLeftOut()
{
    QFETCH(QString, menu);
    QFETCH(QStringList, config);
    QFETCH(quint32, pause);
    QFETCH(quint32, time);
    QFETCH(QString, timeText);
    Session s(config);
    const bool exam = menu == QLatin1String("Exam1");
    quint32 launched = 0;
    QList<TestUser::Script> nested;
    if (exam)
        nested << solveExercises();
    s.WhenShown(
        [&](Tfrm_test *t) {
            launched = s.Run().StartTick;
            s.Tick();
            s.user.onAsk = [&](const TestUser::Asked &) { s.Tick(pause); };
            s.user.answers.push_back(Answer::Cancel);
            QTest::keyClick(t, Qt::Key_Escape);
            s.user.onAsk = nullptr;
            s.Tick(); // the run goes on
            QVERIFY(t->isVisible());
            QVERIFY(!t->presentationDone);
            if (exam)
                s.PresentExam(3000);
            else
                s.PresentTimed();
            QCOMPARE(s.Run().EndTick - launched, time + pause);
            QCOMPARE(s.Run().EndTick - s.Run().StartTick, time);
            s.AnswerAll();
        },
        nested);
    if (exam)
        s.forms.frm_main->Exam1Click();
    else
        s.forms.frm_main->est21Click();
    QCOMPARE(s.user.MessageTexts().at(1), QStringLiteral("Stop test?"));
    QVERIFY(s.user.opened.contains(s.Report()));
    QVERIFY(s.StoredText(exam ? "examres.ini" : "testres.ini").contains(QStringLiteral("\r\nTime=") + timeText + "  "));
}

void TestTestRun::exercisesCancelled_endRun()
{
    Session s({"TNumOfEl=2"});
    s.WhenShown(
        [&](Tfrm_test *t) {
            s.PresentTimed();
            QVERIFY(!t->isVisible());
        },
        {[&](QDialog *d) {
            s.user.answers.push_back(Answer::Ok);
            static_cast<Tfrm_exe *>(d)->BitBtn2->click();
        }});
    s.forms.frm_main->est21Click();
    QCOMPARE(s.user.MessageTexts(), (QStringList{QStringLiteral("Press OK to start"), QStringLiteral("Stop test?")}));
    QCOMPARE(s.T()->RunStatus, Tfrm_exe::ResultCancel);
    QCOMPARE(s.user.opened, (QList<QDialog *>{s.T(), s.forms.frm_exe}));
    QVERIFY(!s.dir.Exists(QStringLiteral("testres.ini")));
}

void TestTestRun::answerBox_refusesComma()
{
    Session s({"TNumOfEl=2", "Ifexec=0"});
    s.WhenShown([&](Tfrm_test *t) {
        s.PresentTimed();
        t->Edit1->clear();
        QTest::keyClicks(t->Edit1, QStringLiteral("a,b c"));
        QCOMPARE(t->Edit1->text(), QStringLiteral("ab c"));
        t->Edit1->clear();
        t->Edit1->insert(QStringLiteral("x,y"));
        QCOMPARE(t->Edit1->text(), QString());
        s.user.answers.push_back(Answer::Ok);
        t->reject();
    });
    s.forms.frm_main->est21Click();
    QVERIFY(!s.T()->isVisible());
}

void TestTestRun::answerBox_takesEnterPressedThere_data()
{
    // What reaches the answer box: "P" Enter pressed, "R" released, "p"
    // and "r" the same marked as repeated by a held key, "F" the focus
    // received, "K" the keypad's Enter pressed and "k" released. Each
    // comes a moment after the one before, or at the same moment after "=".
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("answered");
    QTest::newRow("pressed and released") << "PR" << 1;
    QTest::newRow("the keypad's Enter") << "Kk" << 1;
    QTest::newRow("a release alone: pressed for another window") << "R" << 0;
    QTest::newRow("held: repeated, then released") << "prpr" << 0;
    QTest::newRow("pressed before the focus came") << "PFR" << 0;
    QTest::newRow("pressed again after the focus came") << "PFPR" << 1;
    QTest::newRow("held here: the repeats give no second answer") << "PprprR" << 1;
    // A held key repeats as a release and a press at one moment, not always marked.
    QTest::newRow("held here, the repeats not marked: one answer") << "PR=PR=PR" << 1;
    QTest::newRow("held from another window, the repeats not marked") << "R=PR=PR" << 0;
}

// An Enter meant for another window (the sums dialog closes itself on the
// fifth right sum) must not answer: the box takes an Enter whose press and
// release it saw since it received the focus, neither of them repeated.
void TestTestRun::answerBox_takesEnterPressedThere()
{
    QFETCH(QString, keys);
    QFETCH(int, answered);
    Session s({"TNumOfEl=3", "Ifexec=0"});
    s.WhenShown([&](Tfrm_test *t) {
        s.PresentTimed();
        QCOMPARE(t->CurrentNumber, 1);
        quint64 moment = 0;
        bool sameMoment = false;
        for (const QChar key : keys) {
            if (key == QLatin1Char('=')) {
                sameMoment = true;
                continue;
            }
            if (!std::exchange(sameMoment, false))
                ++moment;
            if (key == QLatin1Char('F')) {
                QFocusEvent focus(QEvent::FocusIn, Qt::OtherFocusReason);
                QCoreApplication::sendEvent(t->Edit1, &focus);
                continue;
            }
            const bool press = key == QLatin1Char('P') || key == QLatin1Char('p') || key == QLatin1Char('K');
            const bool repeated = key == QLatin1Char('p') || key == QLatin1Char('r');
            const bool keypad = key.toUpper() == QLatin1Char('K');
            QKeyEvent event(press ? QEvent::KeyPress : QEvent::KeyRelease, keypad ? Qt::Key_Enter : Qt::Key_Return,
                            keypad ? Qt::KeypadModifier : Qt::NoModifier, QStringLiteral("\r"), repeated);
            event.setTimestamp(moment);
            QCoreApplication::sendEvent(t->Edit1, &event);
        }
        QCOMPARE(t->CurrentNumber, 1 + answered);
        QCOMPARE(s.Report()->Cell(AnswerSheet::Answer, 0), answered ? QStringLiteral("???") : QString());
        s.user.answers.push_back(Answer::Ok);
        t->reject();
    });
    s.forms.frm_main->est21Click();
    QVERIFY(!s.T()->isVisible());
}

void TestTestRun::markup_shownAsText_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty paragraph") << "<p>";
    QTest::newRow("bold") << "<b>bold</b>";
    QTest::newRow("line break") << "x<br>y";
    QTest::newRow("entity") << "&lt;";
}

// Texts from a file or from the user are shown as they are, never as
// markup: an Element in the runner, and a name in every kind of box.
void TestTestRun::markup_shownAsText()
{
    QFETCH(QString, text);
    // All of the text on one line: markup would show less of it, or more lines.
    const auto showsWhole = [](const QLabel *label, const QString &whole, const QSize &size) {
        const QFontMetrics metrics(label->font());
        return label->text() == whole && size.width() >= metrics.horizontalAdvance(whole)
               && size.height() < 2 * metrics.height();
    };
    Session s({"TMName=Tags", "TDiapFrom=" + text, "TDiapTo=" + text, "TNumOfEl=2", "Ifexec=0"});
    s.dir.Write(QStringLiteral("modules.ini"), "[Tags]\r\nData=" + text.toUtf8() + "\r\n\r\n");
    s.forms.frm_options->LoadOptions();
    s.WhenShown([&](Tfrm_test *t) {
        QVERIFY(showsWhole(t->Label2, text, t->Label2->size()));
        s.user.answers.push_back(Answer::Ok);
        t->reject();
    });
    s.forms.frm_main->est21Click();
    QVERIFY(s.user.opened.contains(s.T()));

    const QString question = QStringLiteral("Delete ") + text + QLatin1Char('?');
    for (const Kind kind : {Kind::Message, Kind::Confirm, Kind::StartPrompt, Kind::Error}) {
        const std::unique_ptr<QMessageBox> box = Dialogs::MakeBox(kind, QStringLiteral("Confirm"), question, nullptr);
        bool shown = false;
        for (const QLabel *label : box->findChildren<QLabel *>())
            shown = shown || showsWhole(label, question, label->sizeHint());
        QVERIFY2(shown, qPrintable(QStringLiteral("box kind %1").arg(int(kind))));
    }
}

void TestTestRun::screenReader_toldElementAndCounter_data()
{
    QTest::addColumn<QStringList>("config");
    QTest::addColumn<bool>("counter");
    QTest::newRow("counter shown") << QStringList{"TNumOfEl=3", "Ifexec=0"} << true;
    QTest::newRow("counter hidden") << QStringList{"TNumOfEl=3", "Ifexec=0", "IfShowNum=0"} << false;
}

void TestTestRun::screenReader_toldElementAndCounter()
{
    QFETCH(QStringList, config);
    QFETCH(bool, counter);
    // Under a dark palette the Element still stands on a light background.
    const QPalette system = QApplication::palette();
    const auto restore = qScopeGuard([&] { QApplication::setPalette(system); });
    QPalette dark = system;
    dark.setColor(QPalette::Window, QColor(40, 40, 40));
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
    QApplication::setPalette(dark);
    Session s(config);
    const auto told = [](QWidget *w, QAccessible::Text what) {
        return QAccessible::queryAccessibleInterface(w)->text(what);
    };
    s.WhenShown([&](Tfrm_test *t) {
        for (int n = 1; n <= 3; ++n) {
            const QString element = t->Label2->text();
            QVERIFY(!element.isEmpty());
            const QString expected =
                (counter ? QStringLiteral("Element %1 of 3: ").arg(n) : QStringLiteral("Element: ")) + element;
            QCOMPARE(told(t->Label2, QAccessible::Name), expected);
            QCOMPARE(told(t->BitBtn1, QAccessible::Description), expected);
            QCOMPARE(told(t->BitBtn1, QAccessible::Name), QStringLiteral("Next"));
            // A notification, which a screen reader speaks as it is shown
            // afresh with each Element (scripts/orcacheck hears it).
            QCOMPARE(QAccessible::queryAccessibleInterface(t->Label2)->role(), QAccessible::Notification);
            const QImage shot = t->grab().toImage();
            QVERIFY(shot.pixelColor(t->Label2->geometry().topLeft() + QPoint(2, 2)).lightness() > 200);
            QVERIFY(shot.pixelColor(2, 2).lightness() < 100);
            t->BitBtn1Click();
        }
        QCOMPARE(t->Phase, 2);
        QCOMPARE(told(t->Label2, QAccessible::Name), QStringLiteral("No Element shown"));
        // Each answer asked is named and shown afresh, for every Enter.
        for (int n = 1; n <= 2; ++n) {
            const QString asked = QStringLiteral("Answer %1 of 3").arg(n);
            QCOMPARE(told(t->Edit1, QAccessible::Name), asked);
            QCOMPARE(told(t->Label1, QAccessible::Name), asked);
            QCOMPARE(QAccessible::queryAccessibleInterface(t->Label1)->role(), QAccessible::Notification);
            QVERIFY(t->Label1->isVisibleTo(t));
            QTest::keyClick(t->Edit1, Qt::Key_Return);
        }
        s.user.answers.push_back(Answer::Ok);
        t->reject();
    });
    s.forms.frm_main->est21Click();
    QVERIFY(!s.T()->isVisible());
}

void TestTestRun::saveFailure_keepsRunForRetry()
{
    Session s({"TNumOfEl=2", "Ifexec=0"});
    bool skipped = false;
    s.WhenShown([&](Tfrm_test *t) {
        s.PresentTimed();
        t->Edit1->setText(s.Report()->Cell(1, 0));
        t->BitBtn1Click();
        t->Edit1->setText(s.Report()->Cell(1, 1));
        {
            ReadOnlyDir readOnly(s.dir.Dir());
            if (!readOnly.Ok()) {
                skipped = true;
                return;
            }
            t->BitBtn1Click(); // the save fails: the error is shown, the run stays
        }
        QVERIFY(t->isVisible());
        QCOMPARE(s.user.asked.last().kind, Kind::Error);
        QCOMPARE(t->CurrentNumber, 3);
        // The runner says what happened and what "Next" does now.
        const QString notice =
            QStringLiteral("The result could not be saved.\nNext tries again; Cancel ends the run without it.");
        QVERIFY(t->saveNotice->isVisible());
        QCOMPARE(t->saveNotice->text(), notice);
        QVERIFY(t->rect().contains(t->saveNotice->geometry()));
        QVERIFY(!t->saveNotice->geometry().intersects(t->BitBtn1->geometry()));
        QCOMPARE(t->focusWidget(), t->BitBtn1);
        QCOMPARE(QAccessible::queryAccessibleInterface(t->BitBtn1)->text(QAccessible::Description), notice);
        t->BitBtn1Click(); // "Next" again finishes
        QVERIFY(!t->isVisible());
        QVERIFY(t->saveNotice->isHidden());
    });
    s.forms.frm_main->est21Click();
    if (skipped)
        QSKIP("the data directory can't be made read-only here");
    QCOMPARE(s.user.MessageTexts().last(), QStringLiteral("Your result is 0,4"));
    QCOMPARE(s.user.opened, (QList<QDialog *>{s.T(), s.Report()}));
    QVERIFY(s.StoredText("testres.ini").contains(QStringLiteral("Errors=0\r\n")));
}

void TestTestRun::recall_saysWhichElementIsAsked_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QStringList>("config");
    QTest::addColumn<bool>("counterInPresentation");
    // clang-format off
    QTest::newRow("introductory") << "est11" << QStringList{} << true;
    QTest::newRow("training") << "est21" << QStringList{"TNumOfEl=3", "Ifexec=0"} << true;
    QTest::newRow("training, counter hidden") << "est21" << QStringList{"TNumOfEl=3", "Ifexec=0", "IfShowNum=0"}
                                              << false;
    QTest::newRow("exam") << "Exam1" << QStringList{"ENumOfEl=3"} << false;
    // clang-format on
}

// During the recall the user sees which Element is asked, in every mode.
void TestTestRun::recall_saysWhichElementIsAsked()
{
    QFETCH(QString, menu);
    QFETCH(QStringList, config);
    QFETCH(bool, counterInPresentation);
    Session s(config);
    QList<TestUser::Script> nested;
    if (menu != QLatin1String("est21"))
        nested << solveExercises();
    QStringList seen;
    s.WhenShown(
        [&](Tfrm_test *t) {
            QCOMPARE(t->Label1->isVisible(), counterInPresentation);
            if (menu == QLatin1String("Exam1"))
                s.PresentExam(1000);
            else
                s.PresentTimed();
            QCOMPARE(t->Phase, 2);
            const int count = t->ElementCount;
            for (int n = 1; n <= count; ++n) {
                QVERIFY(t->Label1->isVisible());
                seen << t->Label1->text();
                t->Edit1->setText(s.Report()->Cell(1, n - 1));
                t->BitBtn1Click();
            }
        },
        nested);
    if (menu == QLatin1String("est11"))
        s.forms.frm_main->est11Click();
    else if (menu == QLatin1String("est21"))
        s.forms.frm_main->est21Click();
    else
        s.forms.frm_main->Exam1Click();
    const int count = menu == QLatin1String("est11") ? 20 : 3;
    QCOMPARE(seen.size(), count);
    QCOMPARE(seen.first(), QStringLiteral("1 of %1").arg(count));
    QCOMPARE(seen.last(), QStringLiteral("%1 of %1").arg(count));
    QVERIFY(s.user.opened.contains(s.Report())); // the run was finished
}

void TestTestRun::longElement_shownWhole_data()
{
    QTest::addColumn<QString>("element");
    QTest::newRow("short") << "cat";
    QTest::newRow("60, with blanks") << "The quick brown fox jumps over the lazy dog and then naps ok";
    QTest::newRow("60, one word") << QStringLiteral("Donaudampfschifffahrtsgesellschaftskapitänsmützenabzeichenxy");
    QTest::newRow("60 digits") << QStringLiteral("1234567890").repeated(6);
}

// An Element of up to 60 characters is shown whole, large and centred: the
// runner widens, or the Element steps down in size; the report and the
// store keep it whole. The next run starts at the designed width again.
void TestTestRun::longElement_shownWhole()
{
    QFETCH(QString, element);
    const bool fits = element.size() <= 3;
    Session s({"TMName=Long", "TDiapFrom=" + element, "TDiapTo=" + element, "TNumOfEl=2", "Ifexec=0"});
    s.dir.Write(QStringLiteral("modules.ini"), "[Long]\r\nData=x," + element.toUtf8() + "\r\n\r\n");
    s.forms.frm_options->LoadOptions();
    s.forms.frm_main->SpeedButton1->click(); // list the Training results
    s.WhenShown([&](Tfrm_test *t) {
        for (int n = 1; n <= 2; ++n) {
            const QLabel *shown = t->Label2;
            QCOMPARE(shown->text(), element);
            QVERIFY2(t->rect().contains(shown->geometry()),
                     qPrintable(QStringLiteral("%1 in a window %2 wide").arg(shown->width()).arg(t->width())));
            QVERIFY(shown->contentsRect().width() >= QFontMetrics(shown->font()).horizontalAdvance(element));
            QVERIFY(qAbs(shown->geometry().center().x() - t->width() / 2) <= 2);
            QVERIFY(shown->font().pixelSize() >= 12);
            QCOMPARE(shown->font().pixelSize() == 40 && t->width() == 376, fits);
            QVERIFY(t->width() <= t->screen()->availableGeometry().width());
            // The buttons keep their places about the middle.
            QCOMPARE(t->BitBtn1->x(), 120 + (t->width() - 376) / 2);
            QCOMPARE(t->BitBtn2->x(), 144 + (t->width() - 376) / 2);
            t->BitBtn1Click();
        }
        QCOMPARE(t->BitBtn1->x(), 72 + (t->width() - 376) / 2);
        QCOMPARE(t->Edit1->x(), 72 + (t->width() - 376) / 2);
        s.AnswerAll({{2, element + QLatin1Char(' ')}});
    });
    s.forms.frm_main->est21Click();
    QCOMPARE(s.Report()->Cell(1, 0), element);
    QCOMPARE(s.Report()->Cell(2, 1), element + QLatin1Char(' '));
    const QString stored = QString::fromUtf8(s.dir.Read(QStringLiteral("testres.ini")));
    QVERIFY(stored.contains(QStringLiteral("Res=") + element + QLatin1Char(',') + element));
    QCOMPARE(s.T()->size(), QSize(376, 215));
    QCOMPARE(s.T()->BitBtn2->x(), 144);
}

void TestTestRun::focus_comesHome_data()
{
    QTest::addColumn<QString>("ending");
    for (const char *ending : {"report closed", "stopped", "stopped in recall", "too slow", "too many mistakes",
                               "exercises cancelled", "refused start", "start prompt closed", "options closed",
                               "module editor closed", "About closed", "stored run reopened"})
        QTest::newRow(ending) << QString::fromLatin1(ending);
}

// However a run ends and whichever dialog closes, the main window is the
// active one again, so that the Test menu's keys work at once.
void TestTestRun::focus_comesHome()
{
    QFETCH(QString, ending);
    Session s({"TNumOfEl=2", "Ifexec=0", "ENumOfEl=" + QString::number(ending == "refused start" ? 1 : 2)});
    s.dir.Write(QStringLiteral("examres.ini"), "[run]\r\nTotal=2\r\nRes=a,b\r\nAnsw=a,b\r\n\r\n");
    Tfrm_main *main = s.forms.frm_main;
    main->ReloadHistory();
    main->show();
    QVERIFY(QTest::qWaitForWindowActive(main));
    const auto stop = [&](Tfrm_test *t) {
        s.user.answers.push_back(Answer::Ok);
        t->reject();
    };
    if (ending == "report closed") {
        s.WhenShown([&](Tfrm_test *) {
            s.PresentTimed();
            s.AnswerAll();
        });
    } else if (ending == "stopped") {
        s.WhenShown(stop);
    } else if (ending == "stopped in recall") {
        s.WhenShown([&](Tfrm_test *t) {
            s.PresentTimed();
            stop(t);
        });
    } else if (ending == "too slow") {
        s.WhenShown([&](Tfrm_test *) { s.Tick(30000); });
    } else if (ending == "too many mistakes") {
        s.WhenShown(
            [&](Tfrm_test *) {
                s.PresentExam(1000);
                s.AnswerAll({{1, QStringLiteral("x")}});
            },
            {solveExercises()});
    } else if (ending == "exercises cancelled") {
        s.WhenShown([&](Tfrm_test *) { s.PresentExam(1000); }, {[&](QDialog *d) {
                        s.user.answers.push_back(Answer::Ok);
                        static_cast<Tfrm_exe *>(d)->BitBtn2->click();
                    }});
    } else if (ending == "start prompt closed") {
        s.user.answers.push_back(Answer::Closed);
    }
    if (ending == "options closed")
        main->Configurations1Click();
    else if (ending == "module editor closed")
        main->Modules1Click();
    else if (ending == "About closed")
        main->Help1Click();
    else if (ending == "stored run reopened")
        main->StringGrid1DblClick();
    else if (ending == "too many mistakes" || ending == "exercises cancelled" || ending == "refused start")
        main->Exam1Click();
    else
        main->est21Click();
    QVERIFY(!s.user.opened.isEmpty() || ending == "refused start" || ending == "start prompt closed");
    QVERIFY(!QApplication::activeModalWidget());
    QCoreApplication::processEvents();
    QCOMPARE(QApplication::activeWindow(), static_cast<QWidget *>(main));
    QVERIFY(QApplication::focusWidget() && QApplication::focusWidget()->window() == main);
    // Ctrl+T reaches the Training item: its start prompt comes up.
    s.user.asked.clear();
    s.user.answers = {Answer::Closed};
    QTest::keyClick(main, Qt::Key_T, Qt::ControlModifier);
    QCOMPARE(s.user.MessageTexts(), QStringList{QStringLiteral("Press OK to start")});
}

QTEST_MAIN(TestTestRun)
#include "tst_testrun.moc"
