#include "engine/launch.h"

#include "engine/frmtest.h"
#include "engine/runhost.h"
#include "engine/runrules.h"
#include "library/examrules.h"
#include "library/frmoptions.h"
#include "library/modules.h"
#include "platform/dialogs.h"
#include "platform/platform.h"
#include "platform/speech.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>

#include <optional>

namespace Launch {
namespace {

void launchMode(RunHost &host, Tfrm_test *test, Tfrm_options *options, qint32 mode, const QString &caption)
{
    if (!test)
        return;
    host.runState().TestMode = mode;
    test->setWindowTitle(caption);
    StartTestRun(host, test, options);
}

Run::LaunchValues launchValues(qint32 mode, const Tfrm_options *options)
{
    Run::LaunchValues values;
    if (!options || (mode != Run::TrainingMode && mode != Run::ExamMode))
        return values;
    const Tfrm_options::Page page = mode == Run::TrainingMode ? Tfrm_options::Page::Training : Tfrm_options::Page::Exam;
    values.numberText = options->NumberOfElementsText(page);
    values.timerText = options->TimerText();
    values.unlimitedTime = options->UnlimitedTime();
    values.showSerialNumber = options->ShowSerialNumber();
    values.elementTotal = options->ElementTotal(page);
    values.rangeFrom = options->RangeFrom(page);
    values.rangeTo = options->RangeTo(page);
    return values;
}

// The Module and range bounds a Training or Exam runs on, for its stored result.
RunModule runModule(qint32 mode, const Tfrm_options *options)
{
    if (!options || (mode != Run::TrainingMode && mode != Run::ExamMode))
        return {};
    const Tfrm_options::Page page = mode == Run::TrainingMode ? Tfrm_options::Page::Training : Tfrm_options::Page::Exam;
    return RunModule{options->ModuleName(page), options->ElementAt(page, options->RangeFrom(page)),
                     options->ElementAt(page, options->RangeTo(page))};
}

// Whether the options name a Module for the page that the library still
// holds. When not, says what is missing and where to see to it, instead of
// leaving the menu key without an answer.
bool HasModule(QWidget *owner, const Tfrm_options *options, Tfrm_options::Page page)
{
    const QString name = options ? options->ModuleName(page) : QString();
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
    if (!missing.isEmpty())
        Dialogs::ShowMessage(owner, missing);
    return missing.isEmpty();
}

// Has the voice render the texts before the run starts, with a progress
// window (and its Cancel) when that takes more than a moment. Empty when
// every text is ready; else why not, or nullopt when the user cancelled.
std::optional<QString> renderAhead(QWidget *owner, Speech::Speaker &voice, const QStringList &texts)
{
    bool done = false;
    std::optional<QString> problem = QString();
    QEventLoop wait;
    QProgressDialog progress(QCoreApplication::translate("Launch", "Preparing the voice..."),
                             QCoreApplication::translate("Launch", "Cancel"), 0, int(texts.size()), owner);
    progress.setWindowTitle(QCoreApplication::translate("Launch", "Trening"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(300);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    const auto finish = [&](std::optional<QString> outcome) {
        if (done)
            return;
        done = true;
        problem = std::move(outcome);
        wait.quit();
    };
    QObject::connect(&voice, &Speech::Speaker::progress, &progress, [&](int n, int) { progress.setValue(n); });
    QObject::connect(&voice, &Speech::Speaker::prepared, &progress, [&] { finish(QString()); });
    QObject::connect(&voice, &Speech::Speaker::failed, &progress, [&](const QString &why) { finish(why); });
    QObject::connect(&progress, &QProgressDialog::canceled, &progress, [&] { finish(std::nullopt); });
    voice.prepare(texts);
    if (!done)
        wait.exec();
    QObject::disconnect(&voice, nullptr, &progress, nullptr);
    return problem;
}

// "Press OK to start"; before an Exam of a number of Elements it can run,
// also how many mistakes end it.
QString startText(qint32 mode, const Tfrm_options *options)
{
    QString text = QCoreApplication::translate("Launch", "Press OK to start");
    if (mode != Run::ExamMode || !options)
        return text;
    bool isNumber = false;
    const int count = options->NumberOfElementsText(Tfrm_options::Page::Exam).toInt(&isNumber);
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
    if (!test || !HasModule(test->parentWidget(), options, Tfrm_options::Page::Training))
        return;
    launchMode(host, test, options, Run::TrainingMode, QCoreApplication::translate("Launch", "Trening"));
}

void Exam(RunHost &host, Tfrm_test *test, Tfrm_options *options)
{
    if (!test || !HasModule(test->parentWidget(), options, Tfrm_options::Page::Exam))
        return;
    launchMode(host, test, options, Run::ExamMode, QCoreApplication::translate("Launch", "Exam"));
}

void StartTestRun(RunHost &host, Tfrm_test *test, Tfrm_options *options)
{
    if (!test)
        return;
    QWidget *owner = test->parentWidget();
    Dialogs::Guard(owner, [&] {
        RunState &run = host.runState();
        // A spoken Training gets its voice before the start is asked for:
        // the sound server's first sound comes late (up to seconds on an
        // idle sink), so the voice warms up while the user reads the
        // question. Introductory Test and Exam are never spoken.
        const bool spoken = run.TestMode == Run::TrainingMode && options && options->SpeakElements();
        std::unique_ptr<Speech::Speaker> voice = spoken ? Speech::Create() : nullptr;
        if (voice && voice->problem().isEmpty())
            voice->warmUp();
        if (Dialogs::AskToStart(owner, startText(run.TestMode, options)) != Dialogs::Answer::Ok)
            return;
        test->RunStatus = Run::StatusLaunched;
        run.StartDateTime = Platform::Now();
        run.StartTick = Platform::TickCount();
        run.Module = runModule(run.TestMode, options);
        test->Label1->setVisible(true);
        test->PresentationDone = false;

        const qint32 mode = run.TestMode;
        const Run::LaunchValues values = launchValues(mode, options);
        const Run::Parameters parameters = Run::ParametersFor(mode, values);
        const QString refusal = Run::Refusal(mode, parameters, values);
        if (!refusal.isEmpty()) {
            Dialogs::ShowMessage(owner, refusal);
            return;
        }
        if (spoken) {
            // Never a spoken run without a voice.
            const QString problem =
                voice ? voice->problem() : QCoreApplication::translate("Launch", "No speech engine is installed");
            if (!problem.isEmpty()) {
                Dialogs::ShowMessage(owner, QCoreApplication::translate(
                                                "Launch", "The Elements can't be spoken: %1. Turn \"Speak Elements\" "
                                                          "off in the options to train without the voice.")
                                                .arg(problem));
                return;
            }
            voice->setVoice(options->VoiceName());
            voice->setRate(options->SpeechRate() / 10.0);
            // Every Element is drawn and rendered before the first is shown,
            // so that each is heard as it appears. The run starts after.
            test->ElementCount = parameters.elementCount;
            QStringList texts;
            for (const QString &element : test->DrawAhead())
                texts << Speech::SpokenText(element, options->ReadDigits());
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
        test->ElementCount = parameters.elementCount;
        test->Label1->setVisible(parameters.counterVisible);

        test->Edit1->hide();
        test->Label2->show();
        test->SetVoice(std::move(voice), spoken && options->HideElements());
        Dialogs::ExecModal(test);
    });
}

} // namespace Launch
