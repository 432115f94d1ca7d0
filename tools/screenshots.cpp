// Takes the README's screenshots: fills a temporary data directory with a
// starter library and a history, then opens each window the way a user
// would (through the program's own handlers, with a stand-in user and a
// hand-driven clock) and saves a picture of it. Run it under a display,
// e.g. by scripts/screenshots with xvfb-run.

#include "app/duetoday.h"
#include "app/forms.h"
#include "app/frmmain.h"
#include "engine/frmexe.h"
#include "engine/frmtest.h"
#include "library/frmoptions.h"
#include "results/frmresults.h"
#include "results/keeping.h"
#include "results/resultsstore.h"
#include "tests/testsupport.h"
#include "tests/testuser.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QScreen>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <QTranslator>

#include <cstdio>

namespace {

QString g_out;

void save(QWidget *w, const char *name)
{
    QCoreApplication::processEvents();
    const QString path = QDir(g_out).filePath(QString::fromLatin1(name) + QStringLiteral(".png"));
    // TENACIO_SHOTS_SCREEN=1: the whole screen, to see that a window fits it.
    const QPixmap shot =
        qEnvironmentVariableIntValue("TENACIO_SHOTS_SCREEN") ? w->screen()->grabWindow(0) : w->window()->grab();
    if (!shot.save(path))
        std::fprintf(stderr, "could not save %s\n", qPrintable(path));
    else
        std::printf("%s\n", qPrintable(path));
}

// Sixty characters, the longest an Element is sure to be shown whole.
const QByteArray LongElement = "A journey of a thousand miles begins with a single step. Go!";

// Runs on the starter Modules, a few of them stored before runs kept their
// Module.
QByteArray history(int runs, int seed)
{
    static const char *const modules[] = {"Two-digit numbers", "Common words", "Two-digit numbers"};
    QByteArray out;
    for (int i = 0; i < runs; ++i) {
        const QDateTime at = QDateTime(QDate(2026, 11, 2), QTime(18, 30)).addDays(i).addSecs(seed * 60);
        // One slow run below zero.
        const int koeff = i == 6 && seed == 1 ? -3 : 8 + (i * 7 + seed * 3) % 23;
        out += "[" + at.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss")).toUtf8() + "]\r\n";
        out += "Total=20\r\nErrors=2\r\nTime=0:2:1  Average time for each number: 6,05 sec.\r\n";
        out += "Mark="
               + QByteArray(koeff > 19  ? "4-"
                            : koeff > 0 ? "3"
                                        : "2")
               + "\r\nKoeff=" + QByteArray::number(koeff) + ",4\r\n";
        // Twenty two-digit numbers, two of them answered wrongly.
        QByteArrayList res;
        QByteArrayList answ;
        for (int k = 0; k < 20; ++k) {
            const int n = 10 + (i * 7 + k * 37) % 90;
            res << QByteArray::number(n);
            answ << QByteArray::number(k == 3 + i % 5 || k == 12 ? 10 + (n + 1) % 90 : n);
        }
        // The newest Exam of two-digit numbers: Element 7 left out, 11 and 12 given in reverse
        // order, one answer wrong, the last row left empty.
        if (seed == 1 && i == runs - 2) {
            answ = res;
            answ.removeAt(6);
            answ.swapItemsAt(9, 10);
            answ[15] = "42";
            answ << QByteArray();
        }
        out += "Res=" + res.join(',') + "\r\nAnsw=" + answ.join(',') + "\r\n";
        if (i >= 2)
            out += "Module=" + QByteArray(modules[i % 3]) + "\r\nFrom=10\r\nTo=99\r\n";
        out += "\r\n";
    }
    return out;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    g_out = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("docs/screenshots");
    // The windows in another language: its compiled translation.
    QTranslator translator;
    if (argc > 3) {
        if (!translator.load(QString::fromLocal8Bit(argv[3]))) {
            std::fprintf(stderr, "can't load the translation %s\n", argv[3]);
            return 1;
        }
        QCoreApplication::installTranslator(&translator);
    }
    QDir().mkpath(g_out);
    TestDataDir dir;
    QFile starter(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("data/starter-modules.ini"));
    if (!starter.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "usage: screenshots STARTER-MODULES.INI [OUTPUT-DIR [TRANSLATION.qm]]\n");
        return 2;
    }
    // The starter library, and a Module of long Elements for the runner.
    dir.Write(QStringLiteral("modules.ini"), starter.readAll() + "\r\n[Proverbs]\r\nData=" + LongElement + "\r\n\r\n");

    dir.Write(QStringLiteral("examres.ini"), history(14, 1));
    dir.Write(QStringLiteral("testres.ini"), history(9, 2));
    TestUser user;
    FakeTicks ticks;
    TestRandom random(2026);

    Forms forms = CreateForms();
    Tfrm_main *main = forms.frm_main;
    main->resize(980, 620);
    main->show();
    if (!QTest::qWaitForWindowExposed(main))
        std::fprintf(stderr, "the main window was not shown\n");
    // The history narrowed to one Module, with its moving average.
    main->ComboBox1DropDown();
    main->ComboBox1->setCurrentIndex(main->ComboBox1->findText(QStringLiteral("Two-digit numbers")));
    main->ComboBox1Change();
    main->StringGrid1->setCurrentCell(0, 0);
    save(main, "main");

    // The same Module, right by position over its runs.
    main->byPosition->setChecked(true);
    save(main, "main-positions");
    main->byPosition->setChecked(false);

    // A stored run reopened: its score, its Module and how it compares; an
    // omission and a swap told apart, scored by rows of ten.
    dir.Write(QStringLiteral("config.ini"), "[Report]\r\nScoring=1\r\n");
    user.scripts.push_back([](QDialog *d) {
        auto *r = static_cast<Tfrm_results *>(d);
        r->StringGrid1->selectRow(6);
        save(d, "report-stored");
    });
    main->StringGrid1DblClick();
    dir.Write(QStringLiteral("config.ini"), QByteArray());

    // A newcomer's first screen, the Exam list still empty: it says to
    // begin with a Training.
    const QByteArray exams = dir.Read(QStringLiteral("examres.ini"));
    dir.Write(QStringLiteral("examres.ini"), QByteArray());
    main->ComboBox1->setCurrentIndex(0);
    main->ComboBox1Change();
    save(main, "main-empty");
    dir.Write(QStringLiteral("examres.ini"), exams);
    main->SpeedButton1Click();

    user.scripts.push_back([](QDialog *d) {
        save(d, "options");
        auto *options = static_cast<Tfrm_options *>(d);
        options->PageControl1->setCurrentWidget(options->TabSheet2);
        save(d, "options-exam");
        options->PageControl1->setCurrentWidget(options->TabSheet1);
    });
    main->Configurations1Click();
    user.scripts.push_back([](QDialog *d) { save(d, "editor"); });
    main->Modules1Click();

    // An Introductory Test: the runner mid-fade, the sums, the report.
    Tfrm_test *runner = forms.frm_test;
    Tfrm_exe *exe = forms.frm_exe;
    user.scripts.push_back([&](QDialog *) {
        for (int i = 0; i < 3; ++i) {
            ticks.Advance(1000);
            runner->Timer1Timer();
        }
        save(runner, "runner");
        while (!runner->presentationDone) {
            ticks.Advance(1000);
            runner->Timer1Timer();
        }
        // The exercises are done (next script); now the recall: every
        // answer right but four, each wrong one in its own way.
        Tfrm_results *report = forms.frm_results;
        for (int n = 1; n <= 20 && runner->isVisible(); ++n) {
            QString answer = report->Cell(1, n - 1);
            if (n == 4 || n == 11)
                answer = QString::number(answer.toInt() + 1);
            if (n == 8)
                answer += QLatin1Char(' ');
            if (n == 13)
                answer.clear();
            runner->Edit1->setText(answer);
            QTest::keyClick(runner->Edit1, Qt::Key_Return);
        }
    });
    user.scripts.push_back([&](QDialog *) {
        // Typing replaces the "???" a box selects when it gets the focus.
        const auto type = [&](int i, const QString &text) {
            exe->AnswerBox(i)->selectAll();
            QTest::keyClicks(exe->AnswerBox(i), text);
        };
        for (int i = 1; i <= 3; ++i)
            type(i, QString::number(exe->ExpectedSum(i)));
        type(4, QStringLiteral("1"));
        save(exe, "exercises");
        for (int i = 4; i <= exe->SumCount; ++i)
            type(i, QString::number(exe->ExpectedSum(i)));
    });
    user.scripts.push_back([&](QDialog *d) {
        auto *r = static_cast<Tfrm_results *>(d);
        r->StringGrid1->selectRow(0);
        save(d, "report");
    });
    main->est11Click();

    // A Training run of a long Element: the runner widens for it. The
    // options take it up only now, so that their picture is the usual one.
    dir.Write(QStringLiteral("config.ini"), "[Test]\r\nTNumOfEl=5\r\nTimerMSec=6000\r\nTMName=Proverbs\r\n"
                                            "TDiapFrom="
                                                + LongElement + "\r\nTDiapTo=" + LongElement
                                                + "\r\nIfexec=0\r\nIfNoTimeLimit=0\r\nIfShowNum=1\r\n\r\n");
    forms.frm_options->LoadOptions();
    user.scripts.push_back([&](QDialog *) {
        save(runner, "runner-long");
        runner->reject(); // "Stop test?" is answered OK
    });
    main->est21Click();

    // An "in order" Training of 30 Elements at half a second each: the
    // pairs 00 to 29 as written, two answers wrong.
    dir.Write(QStringLiteral("config.ini"), "[Test]\r\nTNumOfEl=30\r\nTimerMSec=500\r\nTMName=Pairs 00\u201399\r\n"
                                            "TDiapFrom=00\r\nTDiapTo=29\r\nIfexec=0\r\nIfNoTimeLimit=0\r\n"
                                            "IfShowNum=1\r\nTDraw=2\r\n\r\n");
    forms.frm_options->LoadOptions();
    user.scripts.push_back([&](QDialog *) {
        while (!runner->presentationDone && runner->isVisible()) {
            ticks.Advance(quint32(runner->tickPeriodMs));
            runner->Timer1Timer();
        }
        Tfrm_results *report = forms.frm_results;
        for (int n = 1; n <= 30 && runner->isVisible(); ++n) {
            QString answer = report->Cell(1, n - 1);
            if (n == 12)
                answer = QStringLiteral("21");
            if (n == 21)
                answer = QStringLiteral("12");
            runner->Edit1->setText(answer);
            QTest::keyClick(runner->Edit1, Qt::Key_Return);
        }
    });
    user.scripts.push_back([](QDialog *d) {
        auto *r = static_cast<Tfrm_results *>(d);
        r->resize(r->width(), 760);
        r->StringGrid1->selectRow(0);
        save(d, "report-inorder30");
    });
    main->est21Click();

    // Kept Modules: three due, the oldest first, and the retention of
    // "Capitals" over ten runs in two months, one of them below the
    // threshold after two weeks.
    {
        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        FakeNow now(QDateTime(QDate(2026, 12, 8), QTime(9, 0)));
        const QStringList capitals = {"Paris",   "Berlin", "Rome",     "Madrid",   "Lisbon",   "Vienna", "Prague",
                                      "Warsaw",  "Oslo",   "Dublin",   "Athens",   "Sofia",    "Riga",   "Tallinn",
                                      "Vilnius", "Bern",   "Brussels", "Helsinki", "Budapest", "Zagreb"};
        dir.Write(QStringLiteral("modules.ini"),
                  dir.Read(QStringLiteral("modules.ini")) + "[Capitals]\r\nData=" + capitals.join(',').toUtf8()
                      + "\r\n\r\n[Poem]\r\nData=Tyger Tyger,burning bright,In the forests,of the night\r\n\r\n");
        dir.Write(QStringLiteral("keep.ini"), "[Capitals]\r\nOrder=sequence\r\n\r\n[Common words]\r\nOrder=set\r\n\r\n"
                                              "[Poem]\r\nOrder=sequence\r\n\r\n");
        const QString path = dir.Path(QStringLiteral("testres.ini"));
        const struct
        {
            int month, day, right;
        } runs[] = {{10, 5, 14},  {10, 6, 18},  {10, 9, 19}, {10, 16, 19}, {10, 17, 20},
                    {10, 30, 17}, {10, 31, 20}, {11, 3, 20}, {11, 4, 19},  {11, 10, 19}};
        for (const auto &run : runs) {
            QStringList answers = capitals;
            for (int k = run.right; k < answers.size(); ++k)
                answers[k] = QStringLiteral("?");
            AnswerSheet sheet;
            sheet.SetRowCount(int(capitals.size()));
            for (int r = 0; r < capitals.size(); ++r) {
                sheet.SetCell(AnswerSheet::Text, r, capitals.at(r));
                sheet.SetCell(AnswerSheet::Answer, r, answers.at(r));
            }
            const QDateTime at(QDate(2026, run.month, run.day), QTime(19, 15));
            ResultsStore::Save(path, ResultsStore::SectionName(at, QLocale()),
                               RunReport{"20", QString::number(run.right), QString::number(20 - run.right),
                                         "0:2:0  Average time for each number: 6 sec.", "9,5", "4"},
                               sheet, RunModule{"Capitals", "Paris", "Zagreb"});
        }
        main->ReloadHistory();
        main->ReloadDue();
        main->DueToday1->list->setCurrentCell(0, 0);
        save(main, "due-today");
        for (const Keeping::KeptModule &m : DueToday::ReadPlan(now.at.date())) {
            if (m.module == QStringLiteral("Capitals")) {
                RetentionChart chart(m, main);
                chart.show();
                if (!QTest::qWaitForWindowExposed(&chart))
                    std::fprintf(stderr, "the retention chart was not shown\n");
                save(&chart, "retention");
            }
        }
        QLocale::setDefault(before);
    }
    DestroyForms(forms);
    return 0;
}
