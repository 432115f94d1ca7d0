// Checks under a real window manager that the main window has the focus
// again after every way a run can end and after every dialog: ends each
// run the way a user would (real modal loops, real message boxes), asks
// the X server which window has the input focus, and then presses Ctrl+T
// with xdotool to see that the Training start prompt comes up. Run it by
// scripts/focuscheck, which starts Xvfb and openbox.

#include "app/forms.h"
#include "app/frmhelp.h"
#include "app/frmmain.h"
#include "engine/frmexe.h"
#include "engine/frmtest.h"
#include "library/frmmodules.h"
#include "library/frmoptions.h"
#include "results/frmresults.h"
#include "tests/testsupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>

#include <cstdio>
#include <deque>
#include <functional>

namespace {

// What the hands do with the window in front: true when the step is done.
using Step = std::function<bool(QWidget *)>;
std::deque<Step> g_plan;
int g_failures = 0;

// Everything that may open a window is done from the event loop, so that
// the script is never stuck under a modal loop.
void later(const std::function<void()> &f) { QTimer::singleShot(0, qApp, f); }

void spin(int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

bool waitFor(const std::function<bool()> &done, int ms)
{
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

QString xdotool(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral("xdotool"), args);
    p.waitForFinished(5000);
    return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
}

// Keys for `w`, sent the way a user types them: to the window that has the
// X input focus. A window in front without the focus is a failure of its
// own; it is given the focus, so that the check goes on.
void press(QWidget *w, const QStringList &keys, const QString &typed = QString())
{
    // A window manager takes a moment to give a new window the focus.
    const QString id = QString::number(w->window()->winId());
    if (!waitFor([&id] { return xdotool({QStringLiteral("getwindowfocus")}) == id; }, 1500)) {
        std::printf("FAIL   \"%s\" in front without the focus\n", qPrintable(w->window()->windowTitle()));
        ++g_failures;
        w->window()->activateWindow();
        spin(500);
    }
    if (!typed.isEmpty())
        xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("30"), typed});
    if (!keys.isEmpty())
        xdotool(QStringList{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("60")} + keys);
}

// A message box showing `text` (its start): Enter, its default button.
Step answerBox(const QString &text)
{
    return [text](QWidget *top) {
        auto *box = qobject_cast<QMessageBox *>(top);
        if (!box || !box->text().startsWith(text))
            return false;
        later([box] { press(box, {QStringLiteral("Return")}); });
        return true;
    };
}

// The window `w` in front: runs `f` once, later.
Step with(QWidget *w, const std::function<void()> &f)
{
    return [w, f](QWidget *top) {
        if (top != w)
            return false;
        later(f);
        return true;
    };
}

// The window `w` in front: these keys.
Step keys(QWidget *w, const QStringList &keys, const QString &typed = QString())
{
    return with(w, [w, keys, typed] { press(w, keys, typed); });
}

struct Check
{
    Tfrm_main *main = nullptr;

    bool MainHasFocus(QString *why) const
    {
        const QString xFocus = xdotool({QStringLiteral("getwindowfocus")});
        const QWidget *active = QApplication::activeWindow();
        const bool ok = active == main && xFocus == QString::number(main->winId());
        *why =
            QStringLiteral("active %1, X focus %2 (main %3)")
                .arg(active ? active->objectName() + QLatin1Char('/') + active->windowTitle() : QStringLiteral("none"),
                     xFocus, QString::number(main->winId()));
        return ok;
    }

    // After `ending`: the main window has the focus, and Ctrl+T (sent to
    // whatever window has it) brings up the start prompt, which is closed
    // by its close box; the main window has the focus again then.
    void After(const char *ending)
    {
        spin(700);
        QString why;
        const bool focused = MainHasFocus(&why);
        bool prompted = false;
        g_plan = {[&prompted](QWidget *top) {
            auto *box = qobject_cast<QMessageBox *>(top);
            if (!box || box->text() != QLatin1String("Press OK to start"))
                return false;
            prompted = true;
            later([box] { box->close(); });
            return true;
        }};
        xdotool({QStringLiteral("key"), QStringLiteral("--clearmodifiers"), QStringLiteral("ctrl+t")});
        waitFor([] { return g_plan.empty() && !QApplication::activeModalWidget(); }, 3000);
        g_plan.clear();
        spin(700);
        QString whyAfter;
        const bool focusedAfter = MainHasFocus(&whyAfter);
        const bool ok = focused && prompted && focusedAfter;
        if (!ok)
            ++g_failures;
        std::printf("%-4s %-28s focus %-3s Ctrl+T %-3s prompt closed: focus %-3s  [%s]\n", ok ? "ok" : "FAIL", ending,
                    focused ? "yes" : "no", prompted ? "yes" : "no", focusedAfter ? "yes" : "no", qPrintable(why));
        std::fflush(stdout);
    }
};

// Runs `plan` from `start` until every step is done and no window is
// modal any more.
bool play(const char *name, const std::function<void()> &start, std::deque<Step> plan)
{
    g_plan = std::move(plan);
    later(start);
    const bool done = waitFor([] { return g_plan.empty() && !QApplication::activeModalWidget(); }, 20000);
    if (!done) {
        std::printf("FAIL %-28s did not end (%d steps left, in front: %s)\n", name, int(g_plan.size()),
                    QApplication::activeModalWidget() ? qPrintable(QApplication::activeModalWidget()->windowTitle())
                                                      : "nothing");
        ++g_failures;
        g_plan.clear();
    }
    return done;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    TestDataDir dir;
    dir.Write(QStringLiteral("modules.ini"), "[Words]\r\nData=cat,dog,sun\r\n\r\n");
    dir.Write(QStringLiteral("config.ini"), "[Test]\r\nTNumOfEl=2\r\nTimerMSec=5000\r\nTMName=Words\r\n"
                                            "TDiapFrom=cat\r\nTDiapTo=sun\r\nIfexec=0\r\nIfNoTimeLimit=1\r\n"
                                            "IfShowNum=1\r\n\r\n[Exam]\r\nENumOfEl=2\r\nEMName=Words\r\n"
                                            "EDiapFrom=cat\r\nEDiapTo=sun\r\n\r\n");
    dir.Write(QStringLiteral("examres.ini"),
              "[01.03.2026 09:00:00]\r\nTotal=2\r\nErrors=0\r\nTime=0:0:4  Average time for each number: 2 sec.\r\n"
              "Mark=2\r\nKoeff=0,4\r\nRes=cat,dog\r\nAnsw=cat,dog\r\n\r\n");
    FakeTicks ticks;

    Forms forms = CreateForms();
    Tfrm_main *main = forms.frm_main;
    main->showMaximized();
    waitFor([main] { return main->isActiveWindow(); }, 5000);
    Check check{main};
    Tfrm_test *runner = forms.frm_test;
    Tfrm_results *report = forms.frm_results;
    Tfrm_exe *exe = forms.frm_exe;

    // The hands: every 100 ms the window in front gets the next step.
    QTimer hands;
    hands.setInterval(100);
    QObject::connect(&hands, &QTimer::timeout, [] {
        QWidget *top = QApplication::activeModalWidget();
        if (top && !g_plan.empty() && g_plan.front()(top))
            g_plan.pop_front();
    });
    hands.start();

    const Step startOk = answerBox(QStringLiteral("Press OK to start"));
    const QString enter = QStringLiteral("Return"), escape = QStringLiteral("Escape");
    // "Next" (which has the focus) through a presentation of two.
    const Step present = keys(runner, {enter, enter});
    // Each answer typed and entered, right or `wrong`.
    const auto answer = [runner, report, enter](const QString &wrong = QString()) -> Step {
        return [=](QWidget *top) {
            if (top != runner || runner->Phase != 2)
                return false;
            const int n = runner->CurrentNumber;
            later([=] { press(runner, {enter}, wrong.isEmpty() ? report->Cell(1, n - 1) : wrong); });
            return !wrong.isEmpty() || n >= runner->ElementCount;
        };
    };
    // The sums typed into their boxes; the last right one closes the dialog.
    const Step solve = with(exe, [exe] {
        for (int i = 1; i <= Tfrm_exe::SumCount; ++i)
            press(exe, {}, QString::number(exe->ExpectedSum(i)));
    });

    play("report closed", [main] { main->est21Click(); },
         {startOk, present, answer(), answerBox(QStringLiteral("Your result is ")), keys(report, {enter})});
    check.After("report closed");

    play("run stopped", [main] { main->est21Click(); },
         {startOk, keys(runner, {escape}), answerBox(QStringLiteral("Stop test?"))});
    check.After("run stopped");

    play("run stopped in recall", [main] { main->est21Click(); },
         {startOk, present, keys(runner, {escape}), answerBox(QStringLiteral("Stop test?"))});
    check.After("run stopped in recall");

    play("too slow", [main] { main->est21Click(); },
         {startOk, with(runner, [&ticks] { ticks.Advance(30000); }),
          answerBox(QStringLiteral("Test is not completed. You are memorizing too slow!"))});
    check.After("too slow");

    play("too many mistakes", [main] { main->Exam1Click(); },
         {startOk, present, solve, answer(QStringLiteral("wrong")),
          answerBox(QStringLiteral("Test is not completed. Too many mistakes!"))});
    check.After("too many mistakes");

    play("exercises cancelled", [main] { main->Exam1Click(); },
         {startOk, present, keys(exe, {escape}), answerBox(QStringLiteral("Stop test?"))});
    check.After("exercises cancelled");

    forms.frm_options->Edit2->setText(QStringLiteral("1"));
    play("refused start", [main] { main->Exam1Click(); },
         {startOk, answerBox(QStringLiteral("The number of elements"))});
    forms.frm_options->Edit2->setText(QStringLiteral("2"));
    check.After("refused start");

    play("options closed", [main] { main->Configurations1Click(); }, {keys(forms.frm_options, {escape})});
    check.After("options closed");

    play("module editor closed", [main] { main->Modules1Click(); }, {keys(forms.frm_modules.Get(), {escape})});
    check.After("module editor closed");

    play("About closed", [main] { main->Help1Click(); }, {keys(forms.frm_help.Get(), {enter})});
    check.After("About closed");

    main->StringGrid1->setCurrentCell(0, 0);
    play("stored run reopened", [main] { main->StringGrid1DblClick(); }, {keys(report, {enter})});
    check.After("stored run reopened");

    hands.stop();
    DestroyForms(forms);
    std::printf("%d failure(s)\n", g_failures);
    return g_failures == 0 ? 0 : 1;
}
