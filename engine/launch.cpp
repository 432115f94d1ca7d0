#include "engine/launch.h"

#include "engine/frmtest.h"
#include "engine/runhost.h"
#include "engine/runrules.h"
#include "library/examrules.h"
#include "library/frmoptions.h"
#include "library/modules.h"
#include "library/settings.h"
#include "platform/dialogs.h"
#include "platform/platform.h"
#include "platform/speech.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>

#include <functional>
#include <limits>
#include <optional>

namespace Launch {
namespace {

void launchMode(RunHost &host, Tfrm_test *test, Tfrm_options *options, qint32 mode, const QString &caption)
{
    if (!test)
        return;
    host.CurrentRunState().TestMode = mode;
    test->setWindowTitle(caption);
    StartTestRun(host, test, options);
}

Run::LaunchValues launchValues(const Settings::RunOptions &run)
{
    Run::LaunchValues values;
    values.numberText = run.page.NumOfEl;
    values.timerText = run.TimerMSec;
    values.unlimitedTime = run.IfNoTimeLimit;
    values.showSerialNumber = run.IfShowNum;
    values.elementTotal = int(run.elements.Size());
    values.rangeFrom = run.rangeFrom;
    values.rangeTo = run.rangeTo;
    return values;
}

// The Module and range bounds a Training or Exam runs on, for its stored result.
RunModule runModule(const Settings::RunOptions &run)
{
    const auto element = [&run](int i) { return i >= 0 && i < run.elements.Size() ? run.elements.Text(i) : QString(); };
    return RunModule{run.page.ModuleName, element(run.rangeFrom), element(run.rangeTo)};
}

// The Settings in force for a run of the current mode; none for the
// Introductory Test.
Settings::RunOptions runOptions(qint32 mode, const Tfrm_options *options)
{
    if (!options || (mode != Run::TrainingMode && mode != Run::ExamMode))
        return {};
    return options->InForce(mode == Run::TrainingMode ? Tfrm_options::Page::Training : Tfrm_options::Page::Exam);
}

// Whether the options name a Module for the page that the library still
// holds. When not, says what is missing and where to see to it, instead of
// leaving the menu key without an answer. When they hold a value they
// could not have set, says once what is used instead.
bool hasModule(QWidget *owner, Tfrm_options *options, Tfrm_options::Page page)
{
    const QString name = options ? options->InForce(page).page.ModuleName : QString();
    QString missing;
    bool checked = false;
    Dialogs::Guard(owner, [&] {
        const QString path = Modules::LibraryPath();
        const QString problem = Modules::LibraryProblem(path);
        if (!problem.isEmpty())
            missing =
                QCoreApplication::translate("Launch",
                                            "The Module library could not be read (%1), so there is no Module to draw "
                                            "the elements from. See to it under Modules in the menu bar.")
                    .arg(problem);
        else if (name.isEmpty())
            missing = QCoreApplication::translate(
                "Launch", "There is no Module yet to draw the elements from. Add one under Modules in "
                          "the menu bar, then choose it under Options.");
        else if (!Modules::HasModule(path, name))
            missing =
                QCoreApplication::translate("Launch",
                                            "The Module \"%1\" no longer exists. Choose another one under Options, or "
                                            "add it again under Modules in the menu bar.")
                    .arg(name);
        checked = true;
    });
    if (!checked)
        return false;
    if (!missing.isEmpty()) {
        Dialogs::ShowMessage(owner, missing);
        return false;
    }
    const QStringList notices = options->TakeNotices(page);
    if (!notices.isEmpty())
        Dialogs::ShowMessage(owner, notices.join(QLatin1Char(' ')));
    return true;
}

// How long a spoken Training waits for the sound server's first answer.
constexpr int ReachMs = 2000;
// How long a wait for the voice goes without a window.
constexpr int QuietWaitMs = 300;

// Waits for the voice, with a progress window (and its Cancel) when that
// takes more than a moment. `begin` ties the voice's answers to the `finish`
// it is given (an empty text: done; a text: why not) and starts the work.
// Empty when it went through; else why not, or nullopt when the user
// cancelled.
using Finish = std::function<void(std::optional<QString>)>;
std::optional<QString> waitForVoice(QWidget *owner, Speech::Speaker &voice, const QString &label, int maximum,
                                    const std::function<void(QProgressDialog &, const Finish &)> &begin)
{
    std::optional<QString> problem = QString();
    bool done = false; // the first answer counts
    QProgressDialog progress(label, QCoreApplication::translate("Launch", "Cancel"), 0, maximum, owner);
    progress.setWindowTitle(QCoreApplication::translate("Launch", "Trening"));
    progress.setWindowModality(Qt::WindowModal);
    // Shown by the wait itself, not by the dialog's own guess at the time.
    progress.setMinimumDuration(std::numeric_limits<int>::max());
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    const bool answered = Dialogs::Wait(&progress, QuietWaitMs, [&](const std::function<void()> &end) {
        begin(progress, [&problem, &done, end](std::optional<QString> outcome) {
            if (done)
                return;
            done = true;
            problem = std::move(outcome);
            end();
        });
    });
    QObject::disconnect(&voice, nullptr, &progress, nullptr);
    if (!answered)
        return std::nullopt;
    return problem;
}

// Asks the sound server, away from the window's thread, whether the voice
// can be heard.
std::optional<QString> reachServer(QWidget *owner, Speech::Speaker &voice)
{
    return waitForVoice(owner, voice, QCoreApplication::translate("Launch", "Checking the voice…"), 0,
                        [&](QProgressDialog &progress, const Finish &finish) {
                            QObject::connect(&voice, &Speech::Speaker::Reached, &progress,
                                             [&voice, finish] { finish(voice.Problem()); });
                            voice.Reach(ReachMs);
                        });
}

// Has the voice render the texts before the run starts; once they are
// rendered, the window says "Starting…" while the sound server gets ready.
std::optional<QString> renderAhead(QWidget *owner, Speech::Speaker &voice, const QStringList &texts)
{
    return waitForVoice(
        owner, voice, QCoreApplication::translate("Launch", "Preparing the voice..."), int(texts.size()),
        [&](QProgressDialog &progress, const Finish &finish) {
            QObject::connect(&voice, &Speech::Speaker::Progress, &progress, [&progress](int n, int total) {
                progress.setValue(n);
                if (n == total)
                    progress.setLabelText(QCoreApplication::translate("Launch", "Starting…"));
            });
            QObject::connect(&voice, &Speech::Speaker::Prepared, &progress, [finish] { finish(QString()); });
            QObject::connect(&voice, &Speech::Speaker::Failed, &progress,
                             [finish](const QString &why) { finish(why); });
            voice.Prepare(texts);
        });
}

// "Press OK to start"; before an Exam of a number of Elements it can run,
// also how many mistakes end it.
QString startText(qint32 mode, const Settings::RunOptions &in)
{
    QString text = QCoreApplication::translate("Launch", "Press OK to start");
    if (mode != Run::ExamMode)
        return text;
    bool isNumber = false;
    const int count = in.page.NumOfEl.toInt(&isNumber);
    if (isNumber && count >= Run::MinimumElementCount && count <= Run::MaximumElementCount)
        text += QStringLiteral("\n\n") + Exam::MistakeRule(count);
    return text;
}

} // namespace

void Introductory(RunHost &host, Tfrm_test *test, Tfrm_options *options)
{
    launchMode(host, test, options, Run::IntroductoryMode, QCoreApplication::translate("Launch", "Introductory Test"));
}

void Training(RunHost &host, Tfrm_test *test, Tfrm_options *options)
{
    if (!test || !hasModule(test->parentWidget(), options, Tfrm_options::Page::Training))
        return;
    launchMode(host, test, options, Run::TrainingMode, QCoreApplication::translate("Launch", "Trening"));
}

void Exam(RunHost &host, Tfrm_test *test, Tfrm_options *options)
{
    if (!test || !hasModule(test->parentWidget(), options, Tfrm_options::Page::Exam))
        return;
    launchMode(host, test, options, Run::ExamMode, QCoreApplication::translate("Launch", "Exam"));
}

namespace {

// Runs the current TestMode with the Settings `take` gives.
void startWith(RunHost &host, Tfrm_test *test, const std::function<Settings::RunOptions()> &take)
{
    if (!test)
        return;
    QWidget *owner = test->parentWidget();
    Dialogs::Guard(owner, [&] {
        RunState &run = host.CurrentRunState();
        const Settings::RunOptions in = take();
        // A spoken Training gets its voice before the start is asked for:
        // the sound server's first sound comes late (up to seconds on an
        // idle sink), so the voice warms up while the user reads the
        // question. Introductory Test and Exam are never spoken.
        // The sound server is asked first, off the window's thread: a
        // Training that can't be heard is refused before the question.
        const bool spoken = run.TestMode == Run::TrainingMode && in.speech.IfSpeak;
        // The spoken-numbers discipline: digits on their time, heard once.
        const bool spokenNumbers = spoken && in.speech.IfSpokenNum;
        const QString cue = spokenNumbers ? QCoreApplication::translate("Launch", "Ready… go") : QString();
        std::unique_ptr<Speech::Speaker> voice = spoken ? Speech::Create() : nullptr;
        if (spoken) {
            const std::optional<QString> problem =
                voice ? reachServer(owner, *voice)
                      : QCoreApplication::translate("Launch", "No speech engine is installed");
            if (!problem)
                return;
            if (!problem->isEmpty()) {
                Dialogs::ShowMessage(owner, QCoreApplication::translate(
                                                "Launch", "The Elements can't be spoken: %1. Turn \"Speak Elements\" "
                                                          "off in the options to train without the voice.")
                                                .arg(*problem));
                return;
            }
            voice->WarmUp();
        }
        if (Dialogs::AskToStart(owner, startText(run.TestMode, in)) != Dialogs::Answer::Ok)
            return;
        test->RunStatus = Run::StatusLaunched;
        run.StartDateTime = Platform::Now();
        run.StartTick = Platform::TickCount();
        run.Module = runModule(in);
        test->SetRunOptions(in);
        test->Label1->setVisible(true);
        test->presentationDone = false;
        test->draw = in.page.draw; // at random for the Introductory Test

        const qint32 mode = run.TestMode;
        const Run::LaunchValues values = launchValues(in);
        const Run::Parameters parameters = Run::ParametersFor(mode, values);
        const QString refusal = Run::Refusal(mode, parameters, values);
        if (!refusal.isEmpty()) {
            Dialogs::ShowMessage(owner, refusal);
            return;
        }
        if (spoken) {
            voice->SetVoice(in.speech.TVoice);
            voice->SetRate(in.speech.TSpeechRate / 10.0);
            // The discipline's digits keep their time by the clock, not by
            // waiting for the voice.
            voice->SetPause(spokenNumbers ? 0 : Settings::PausedMs(in.speech));
            // Every Element is drawn and rendered before the first is shown,
            // so that each is heard as it appears. The run starts after.
            test->ElementCount = parameters.elementCount;
            QStringList texts;
            for (const QString &element : test->DrawAhead())
                texts << Speech::SpokenText(element, in.speech.IfDigits || spokenNumbers);
            if (spokenNumbers)
                texts << cue;
            const std::optional<QString> unspoken = renderAhead(owner, *voice, texts);
            if (!unspoken)
                return;
            if (!unspoken->isEmpty()) {
                Dialogs::ShowMessage(owner, QCoreApplication::translate(
                                                "Launch", "Test is not completed. The Elements could not be spoken: %1")
                                                .arg(*unspoken));
                return;
            }
            run.StartDateTime = Platform::Now();
            run.StartTick = Platform::TickCount();
        }
        test->TicksPerElement = parameters.ticksPerElement;
        test->tickPeriodMs = parameters.tickPeriodMs;
        test->ElementCount = parameters.elementCount;
        test->Label1->setVisible(parameters.counterVisible && !spokenNumbers);

        test->Edit1->hide();
        test->Label2->show();
        test->SetVoice(std::move(voice), spoken && (in.speech.IfHideEl || spokenNumbers));
        test->SetSpokenNumbers(spokenNumbers ? Platform::StrToInt(values.timerText) : 0, cue);
        Dialogs::ExecModal(test);
    });
}

} // namespace

void StartTestRun(RunHost &host, Tfrm_test *test, Tfrm_options *options)
{
    startWith(host, test, [&] { return runOptions(host.CurrentRunState().TestMode, options); });
}

Settings::RunOptions KeptTraining(const Settings::RunOptions &training, const QString &module,
                                  const Modules::ElementList &elements, bool sequence)
{
    Settings::RunOptions run = training;
    run.notices.clear();
    run.page.ModuleName = module;
    run.page.NumOfEl = QString::number(elements.Size());
    run.page.draw = sequence ? Settings::Draw::InOrder : Settings::Draw::Shuffled;
    run.elements = elements;
    run.rangeFrom = elements.IsEmpty() ? -1 : 0;
    run.rangeTo = int(elements.Size()) - 1;
    run.page.range = {};
    if (!elements.IsEmpty())
        run.page.range = Settings::StoredRange{elements.Text(0), elements.Text(elements.Size() - 1)};
    return run;
}

void TrainingOn(RunHost &host, Tfrm_test *test, const Settings::RunOptions &run)
{
    if (!test)
        return;
    host.CurrentRunState().TestMode = Run::TrainingMode;
    test->setWindowTitle(QCoreApplication::translate("Launch", "Trening"));
    startWith(host, test, [&run] { return run; });
}

} // namespace Launch
