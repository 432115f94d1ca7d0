#pragma once

#include "engine/runrules.h"
#include "library/settings.h"

#include <QDialog>
#include <QRgb>
#include <QStringList>

#include <memory>
#include <optional>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class RunHost;
class Tfrm_exe;
class Tfrm_results;
namespace Speech {
class Speaker;
}

// The runner: carries out one test run from its showing to its close.
//
// A run presents its Elements (timed: one per TicksPerElement ticks or on
// "Next"; Exam: on "Next" under an overall time limit), shows the
// exercises, then collects one answer per Element and finishes with the
// report. The launcher sets TicksPerElement, ElementCount, RunStatus,
// PresentationDone, the caption and the counter's visibility before it
// shows the window; the main window (the RunHost) holds TestMode and the
// start and end ticks.
class Tfrm_test : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Tfrm_test)

public:
    static constexpr int ClientWidth = 376;
    static constexpr int ClientHeight = 215;
    static constexpr int TimerInterval = 1000;
    // Behind the Element: light under any palette.
    static constexpr QRgb ElementBackground = 0xffffffff;

    explicit Tfrm_test(QWidget *parent = nullptr);
    ~Tfrm_test() override;

    void SetPeers(RunHost *host, Tfrm_exe *exe, Tfrm_results *results);
    // The Settings in force for the next run, set by the launcher: the
    // Elements it draws from, its range and its switches.
    void SetRunOptions(const Settings::RunOptions &options) { m_run = options; }

    // ---- the run's fields
    qint32 TicksPerElement = 0;                     // ticks an Element stands in a timed presentation
    qint32 tickPeriodMs = Run::TickPeriodMs;        // Timer1's period for the run
    Settings::Draw draw = Settings::Draw::AtRandom; // how the run draws from its range
    qint32 ElementCount = 0;                        // N
    qint32 RunStatus = 0;                           // 777 launched; 2 ended by itself; else the exercises' result
    qint32 Phase = 0;                               // 1 presentation, 2 recall; 0 before the first run
    qint32 CurrentNumber = 0;                       // Element on screen, or whose answer is awaited
    qint32 TickInElement = 0;                       // ticks since the current Element appeared
    bool presentationDone = false;                  // from then on a tick does nothing
    qint32 MistakeCount = 0;                        // answers that differ from their Element
    bool closeWithoutAsking = false;                // the runner ended the run itself

    // ---- handlers
    void FormShow();
    // One tick. Does nothing unless the presentation phase is under way and
    // no "Stop test?" question is open.
    void Timer1Timer();
    // The spoken-numbers discipline's timer: says the next Element once its
    // moment has come on the tick count (before it, sets the timer again).
    void SpokenNumberTimer();
    // "Next": the next Element in the presentation phase, the next answer
    // (or the finish) in the recall phase.
    void BitBtn1Click();
    // A key typed into the answer box: Enter performs "Next". True when the
    // key was taken. The box takes an Enter only once it has seen both its
    // press, after it received the focus, and its release, neither of them
    // repeated by a held key: an Enter meant for another window (the sums
    // dialog that closed itself a moment before) is no answer, and a held
    // one answers once.
    bool Edit1KeyPress(QChar key);
    // Whether the window may close: without a question once the run has
    // ended (RunStatus 2, CloseWithoutAsking), else after "Stop test?".
    // The timer stops when the close is accepted. The time the question is
    // open in the presentation phase is left out of the run (StartTick
    // moves forward by it).
    bool FormCloseQuery();

    // Every close (Cancel, Esc, the close box, the runner's own) passes
    // FormCloseQuery.
    void done(int result) override;

    // The voice of a spoken Training, or none; set by the launcher for each
    // run and let go when the runner hides. Each Element is said as it is
    // shown; when its time is up while the voice still speaks, the next
    // Element waits for the end of speech and the wait is left out of the
    // run (StartTick moves forward by it), so that the pace checks and the
    // Time measure the presentation, not the voice. With hideElements the
    // Element display shows the counter instead of the Element.
    void SetVoice(std::unique_ptr<Speech::Speaker> voice, bool hideElements);
    // Draws the run's ElementCount Elements now, for the voice to render
    // before the run starts; the presentation shows them in this order.
    QStringList DrawAhead();
    // The spoken-numbers discipline for the next run, set by the launcher
    // after SetVoice and DrawAhead; paceMs 0 for any other run. The voice
    // says the start cue `cue`, then each Element drawn ahead on its time:
    // the n-th at a set moment on the tick count, paceMs after the one
    // before, never by counting the timer's ticks, and whether or not the
    // voice is done with the one before. Nothing is on screen meanwhile,
    // "Next" does nothing, and after "Stop test?" the Elements go on
    // SpokenNumbersResumeBack back from the one due next. The recall is
    // one line (Run::SplitRecall), scored until the first mistake.
    void SetSpokenNumbers(int paceMs, const QString &cue);
    bool SpokenNumbers() const { return m_paceMs > 0; }

    // How far the controls stand right of their designed places: half of
    // what a long Element has widened the runner by.
    int ControlOffset() const;

    // Whether "Stop test?" is open; the run stands still meanwhile.
    bool Asking() const { return m_asking; }

    // Shows a window modally in front of the runner (the exercises, the
    // report) and returns its result.
    int ExecAbove(QDialog *dialog);

    // ---- controls under their form names
    QLabel *Label2 = nullptr;       // the Element display
    QLineEdit *Edit1 = nullptr;     // the answer box
    QPushButton *BitBtn1 = nullptr; // "Next"
    QPushButton *BitBtn2 = nullptr; // "Cancel" (Esc)
    QLabel *Label1 = nullptr;       // the counter, "3 of 20"
    QLabel *saveNotice = nullptr;   // shown while a failed save waits for "Next"
    QLabel *waitNotice = nullptr;   // shown while the run waits for the sound server
    QFrame *Bevel1 = nullptr;
    QTimer *Timer1 = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    // The first paint of a run starts its pace: the first Element then
    // stands its whole time on screen, however long the showing took.
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    qint32 testMode() const;
    void tick();
    void advance(); // the body of BitBtn1Click
    bool checkTooSlow();
    void endForSlowness();
    void endRun(const QString &message);
    void keepHeldOut();
    void startSpokenNumbers();
    void spokenNumberDue();
    void scheduleSpokenNumber();
    qint32 spokenNumberInMs() const; // until the next Element is due
    void recallOneLine();
    void voiceFinished();
    // The sound server stands still: the presentation waits for it, the
    // wait left out of the run, and goes on as after "Stop test?" once it
    // answers; it ends when the voice fails.
    void voiceStalled();
    void voiceResumed();
    void goOn();                // the presentation after a pause
    void sayNextSpokenNumber(); // gives the voice the Elements after CurrentNumber, for their moments
    void voiceFailed(const QString &reason);
    void showTimedElement();
    void showNextExamElement();
    void endPresentation();
    void runExercises();
    void startRecall();
    bool mayContinue() const;
    void nextAnswer();
    void finish();
    QString drawElement();
    void showElement(const QString &text);
    void fitElement(const QString &text);
    void setRunnerWidth(int newWidth);
    void writeElement(const QString &text);
    void setElementColour(int red, int green, int blue);
    void setElementText(const QString &text);
    // Keep what a screen reader says of the Element display, "Next" and the
    // answer box in step with the Element and the counter.
    void announceElement();
    void announceAnswer();
    bool counterShown() const;
    void closeRun();

    RunHost *m_host = nullptr;
    Tfrm_exe *m_exe = nullptr;
    Tfrm_results *m_results = nullptr;
    Settings::RunOptions m_run;
    bool m_asking = false;
    bool m_enterPressed = false;   // the answer box saw an Enter pressed since it received the focus
    quint64 m_enterReleasedAt = 0; // the moment of the last Enter released there
    void startPace();
    bool m_paceWaitsForPaint = false;   // shown, the first Element not yet painted
    QTimer *m_unpaintedStart = nullptr; // starts the pace of a window that is never painted
    std::unique_ptr<Speech::Speaker> m_voice;
    bool m_hideElements = false;
    QStringList m_ahead;                   // Elements drawn ahead, still to be shown
    std::optional<Run::Drawing> m_drawing; // the run's draws from its range, from its first draw on
    QString m_said;                        // the Element the voice was last given
    std::optional<quint32> m_heldSince;    // the Element's time is up, the voice speaks on
    std::optional<quint32> m_stalledSince; // the sound server stands still
    // The spoken-numbers discipline: the pace, the start cue, the Elements
    // of the trial, and the moment the Element after m_fromNumber is due.
    int m_paceMs = 0;
    QString m_cue;
    QStringList m_trial;
    quint32 m_dueFrom = 0;
    qint32 m_fromNumber = 0;
    qint32 m_saidTo = 0; // the voice has the Elements up to this one
    QTimer *m_due = nullptr;
};
