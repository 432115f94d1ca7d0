#include "engine/frmtest.h"

#include "engine/frmexe.h"
#include "engine/runhost.h"
#include "engine/runrules.h"
#include "engine/selectingedit.h"
#include "platform/dialogs.h"
#include "platform/platform.h"
#include "platform/speech.h"
#include "results/answersheet.h"
#include "results/frmresults.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QTimer>
#include <QValidator>
#include <QWindow>

#include <utility>

namespace {

// The answer box never holds a ",": no Element contains one, and the
// results store joins the answers with it.
class AnswerValidator : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override
    {
        return input.contains(QLatin1Char(',')) ? Invalid : Acceptable;
    }
};

constexpr int ElementTop = 61;
// Blank space left and right of an Element on its light background.
constexpr int ElementPadding = 12;
// The Element's size, and the least it steps down to when even the widest
// runner cannot hold it at that size.
constexpr int ElementPixelSize = 40;
constexpr int SmallestElementPixelSize = 12;
// Room between an Element's background and the window's edges, and
// between a widened runner and the screen's edges.
constexpr int ElementMargin = 8;
constexpr int ScreenMargin = 24;

void notifyAccessibility(QWidget *widget, QAccessible::Event what)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent event(widget, what);
    QAccessible::updateAccessibility(&event);
}

// A label whose every showing a screen reader speaks: a notification. A
// screen reader does not speak a change of a label, nor (as this Qt tells
// it) of the focused control's name; it speaks a notification as it comes
// into view. The Element and the answer asked are shown afresh each time.
const char *const NotificationProperty = "tenacio_notification";

class NotificationLabel : public QAccessibleWidget
{
public:
    explicit NotificationLabel(QLabel *label)
        : QAccessibleWidget(label, QAccessible::Notification)
    {
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<const QLabel *>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface *notificationFactory(const QString &, QObject *object)
{
    auto *label = qobject_cast<QLabel *>(object);
    if (label && label->property(NotificationProperty).toBool())
        return new NotificationLabel(label);
    return nullptr;
}

void makeNotification(QLabel *label)
{
    static const bool installed = [] {
        QAccessible::installFactory(notificationFactory);
        return true;
    }();
    Q_UNUSED(installed);
    label->setProperty(NotificationProperty, true);
}

// Shows the label, and tells a screen reader it came into view even when
// it was in view already, so that it speaks it again.
void showAgain(QLabel *label)
{
    label->show();
    notifyAccessibility(label, QAccessible::ObjectShow);
}

} // namespace

Tfrm_test::Tfrm_test(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                          | Qt::CustomizeWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("frm_test"));
    setWindowTitle(tr("Test"));
    setFixedSize(ClientWidth, ClientHeight);

    // The Element stands on a light background of its own, so that its
    // black-to-grey fade reads the same under any palette.
    Label2 = new QLabel(this);
    makeNotification(Label2); // before its first text
    // An Element is shown as it was typed, never taken for markup.
    Label2->setTextFormat(Qt::PlainText);
    QFont elementFont(QStringLiteral("Arial"));
    elementFont.setStyleHint(QFont::SansSerif);
    elementFont.setPixelSize(ElementPixelSize);
    elementFont.setBold(true);
    Label2->setFont(elementFont);
    Label2->setContentsMargins(ElementPadding, 0, ElementPadding, 0);
    QPalette elementPalette = Label2->palette();
    elementPalette.setColor(QPalette::Window, ElementBackground);
    Label2->setPalette(elementPalette);
    Label2->move(0, ElementTop);

    Edit1 = new SelectingEdit(this);
    QFont answerFont(QStringLiteral("Arial"));
    answerFont.setPixelSize(31);
    Edit1->setFont(answerFont);
    Edit1->setGeometry(72, ElementTop, 240, 43);
    Edit1->setValidator(new AnswerValidator(Edit1));
    Edit1->setText(QStringLiteral("???"));
    Edit1->setAccessibleName(tr("Answer"));
    Edit1->installEventFilter(this);
    Edit1->hide();

    // Enter on a focused "Next" presses it; Enter in the answer box is
    // handled by Edit1KeyPress, so no button is the dialog's default.
    BitBtn1 = new QPushButton(tr("&Next"), this);
    BitBtn1->setGeometry(120, 119, 132, 24);
    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });

    BitBtn2 = new QPushButton(tr("&Cancel"), this);
    BitBtn2->setAutoDefault(false);
    BitBtn2->setGeometry(144, 150, 88, 24);
    connect(BitBtn2, &QPushButton::clicked, this, [this] { reject(); });

    Bevel1 = new QFrame(this);
    Bevel1->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    Bevel1->setGeometry(8, 182, ClientWidth - 16, 2);

    // Where the Element stood: said when the result could not be saved.
    saveNotice =
        new QLabel(tr("The result could not be saved.\nNext tries again; Cancel ends the run without it."), this);
    saveNotice->setTextFormat(Qt::PlainText);
    saveNotice->setAlignment(Qt::AlignCenter);
    saveNotice->setWordWrap(true);
    saveNotice->setGeometry(8, ElementTop - 8, ClientWidth - 16, 119 - ElementTop);
    saveNotice->hide();
    waitNotice = new QLabel(tr("Waiting for the sound server…"), this);
    waitNotice->setTextFormat(Qt::PlainText);
    waitNotice->setAlignment(Qt::AlignCenter);
    waitNotice->setWordWrap(true);
    waitNotice->setGeometry(saveNotice->geometry());
    waitNotice->hide();

    Label1 = new QLabel(this);
    makeNotification(Label1); // before its first text
    Label1->setText(tr("elements"));
    Label1->setGeometry(8, 190, 200, qBound(16, Label1->sizeHint().height(), ClientHeight - 190));

    Timer1 = new QTimer(this);
    Timer1->setTimerType(Qt::PreciseTimer);
    Timer1->setInterval(TimerInterval);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
    m_due = new QTimer(this);
    m_due->setTimerType(Qt::PreciseTimer);
    m_due->setSingleShot(true);
    connect(m_due, &QTimer::timeout, this, [this] { SpokenNumberTimer(); });
    m_unpaintedStart = new QTimer(this);
    m_unpaintedStart->setSingleShot(true);
    m_unpaintedStart->setInterval(TimerInterval / 2);
    connect(m_unpaintedStart, &QTimer::timeout, this, [this] { startPace(); });
    announceElement();
}

Tfrm_test::~Tfrm_test() = default;

void Tfrm_test::SetPeers(RunHost *host, Tfrm_exe *exe, Tfrm_results *results)
{
    m_host = host;
    m_exe = exe;
    m_results = results;
}

qint32 Tfrm_test::testMode() const { return m_host ? m_host->CurrentRunState().TestMode : 0; }

void Tfrm_test::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        Dialogs::Guard(this, [this] { FormShow(); });
}

void Tfrm_test::hideEvent(QHideEvent *event)
{
    // A hidden runner is idle, however it was hidden, and the next run
    // starts at the designed width.
    Timer1->stop();
    m_due->stop();
    m_paceMs = 0;
    m_trial.clear();
    m_paceWaitsForPaint = false;
    m_unpaintedStart->stop();
    m_voice.reset();
    m_heldSince.reset();
    m_ahead.clear();
    setRunnerWidth(ClientWidth);
    QDialog::hideEvent(event);
}

int Tfrm_test::ControlOffset() const { return (width() - ClientWidth) / 2; }

void Tfrm_test::setRunnerWidth(int newWidth)
{
    const int before = ControlOffset();
    const int grown = newWidth - width();
    if (grown == 0)
        return;
    setFixedSize(newWidth, ClientHeight);
    // The buttons and the answer box keep their places about the centre.
    const int shift = ControlOffset() - before;
    for (QWidget *control :
         {static_cast<QWidget *>(BitBtn1), static_cast<QWidget *>(BitBtn2), static_cast<QWidget *>(Edit1)})
        control->move(control->x() + shift, control->y());
    Bevel1->resize(newWidth - 16, Bevel1->height());
    if (isVisible()) {
        // Grown on both sides; the next showing is centred afresh.
        move(x() - grown / 2, y());
        setAttribute(Qt::WA_Moved, false);
    }
}

void Tfrm_test::fitElement(const QString &text)
{
    // A long Element widens the runner as far as the screen allows, then
    // steps its size down until it is shown whole.
    QFont font = Label2->font();
    font.setPixelSize(ElementPixelSize);
    const auto needed = [&text](const QFont &f) {
        return QFontMetrics(f).horizontalAdvance(text) + 2 * (ElementPadding + ElementMargin) + 2;
    };
    if (needed(font) > width()) {
        const QScreen *shownOn = screen();
        const int widest = shownOn ? shownOn->availableGeometry().width() - 2 * ScreenMargin : ClientWidth;
        setRunnerWidth(qMax(width(), qMin(needed(font), widest)));
    }
    while (needed(font) > width() && font.pixelSize() > SmallestElementPixelSize)
        font.setPixelSize(font.pixelSize() - 1);
    Label2->setFont(font);
}

bool Tfrm_test::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != Edit1)
        return QDialog::eventFilter(watched, event);
    if (event->type() == QEvent::FocusIn)
        m_enterPressed = false;
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return QDialog::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        return QDialog::eventFilter(watched, event);
    // Enter counts on its release, when its press came here first: a key
    // pressed before the box had the focus, or held down, gives nothing.
    // A held key repeats as a release and a press at one moment, which the
    // system does not always mark as repeated.
    const bool repeated =
        key->isAutoRepeat()
        || (event->type() == QEvent::KeyPress && key->timestamp() != 0 && m_enterReleasedAt == key->timestamp());
    if (event->type() == QEvent::KeyRelease)
        m_enterReleasedAt = key->timestamp();
    if (repeated)
        return true;
    if (event->type() == QEvent::KeyPress) {
        m_enterPressed = true;
        return true;
    }
    if (std::exchange(m_enterPressed, false))
        Edit1KeyPress(QChar(13));
    return true;
}

void Tfrm_test::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    if (m_paceWaitsForPaint)
        startPace();
}

void Tfrm_test::startPace()
{
    m_paceWaitsForPaint = false;
    m_unpaintedStart->stop();
    if (SpokenNumbers())
        startSpokenNumbers();
    else
        Timer1->start();
}

void Tfrm_test::FormShow()
{
    // The showing comes before the first paint: the pace waits for it.
    Timer1->stop();
    m_paceWaitsForPaint = true;
    m_unpaintedStart->start();
    Timer1->setInterval(tickPeriodMs > 0 ? tickPeriodMs : Run::TickPeriodMs);
    m_asking = false;
    m_heldSince.reset();
    m_stalledSince.reset();
    waitNotice->hide();
    if (m_ahead.isEmpty())
        m_drawing.reset();
    MistakeCount = 0;
    CurrentNumber = 0;
    TickInElement = TicksPerElement;
    setElementColour(0, 0, 0);
    Phase = 1;
    announceAnswer();
    saveNotice->hide();
    BitBtn1->setGeometry(120 + ControlOffset(), 119, 132, 24);
    if (m_results)
        m_results->ResetReport(ElementCount);
    tick();
    closeWithoutAsking = false;
    BitBtn1->setFocus();
}

void Tfrm_test::Timer1Timer()
{
    Dialogs::Guard(this, [this] { tick(); });
}

void Tfrm_test::tick()
{
    if (Phase != 1 || presentationDone || m_asking || m_stalledSince || SpokenNumbers())
        return;
    if (m_heldSince) {
        keepHeldOut();
        return;
    }
    const qint32 mode = testMode();
    if ((mode == Run::TrainingMode || mode == Run::ExamMode) && checkTooSlow())
        return;
    if (mode == Run::ExamMode) {
        if (Run::ExamTimeExceeded(Platform::TickCount() - m_host->CurrentRunState().StartTick, ElementCount)) {
            endForSlowness();
            return;
        }
        if (CurrentNumber == 0) {
            CurrentNumber = 1;
            showNextExamElement();
        }
        if (CurrentNumber == ElementCount + 1)
            endPresentation();
        return;
    }
    if (TickInElement == TicksPerElement) {
        if (m_voice && m_voice->Speaking()) {
            // The next Element waits for the end of speech.
            m_heldSince = Platform::TickCount();
            return;
        }
        TickInElement = 0;
        ++CurrentNumber;
        if (CurrentNumber == ElementCount + 1)
            endPresentation();
        else
            showTimedElement();
    } else if (TickInElement < TicksPerElement) {
        const int g = Run::FadeLevel(TickInElement, TicksPerElement);
        setElementColour(g, g, g);
    }
    ++TickInElement;
}

bool Tfrm_test::checkTooSlow()
{
    if (!Run::TooSlow(Platform::TickCount() - m_host->CurrentRunState().StartTick, ElementCount))
        return false;
    endForSlowness();
    return true;
}

void Tfrm_test::endForSlowness() { endRun(tr("Test is not completed. You are memorizing too slow!")); }

void Tfrm_test::endRun(const QString &message)
{
    RunStatus = Run::StatusEnded;
    m_host->CurrentRunState().TestMode = 0;
    closeWithoutAsking = true;
    presentationDone = true; // no tick changes anything from here on
    closeRun();
    m_host->ShowMainMessage(message);
}

void Tfrm_test::SetVoice(std::unique_ptr<Speech::Speaker> voice, bool hideElements)
{
    m_voice = std::move(voice);
    m_hideElements = m_voice && hideElements;
    m_heldSince.reset();
    m_stalledSince.reset();
    if (!m_voice)
        return;
    // Queued: a run goes on to the exercises and the recall from here, which
    // must not happen inside the engine's own signal.
    const Speech::Speaker *speaker = m_voice.get();
    connect(
        speaker, &Speech::Speaker::Finished, this,
        [this, speaker] {
            if (m_voice.get() == speaker)
                Dialogs::Guard(this, [this] { voiceFinished(); });
        },
        Qt::QueuedConnection);
    connect(
        speaker, &Speech::Speaker::Failed, this,
        [this, speaker](const QString &reason) {
            if (m_voice.get() == speaker)
                Dialogs::Guard(this, [this, reason] { voiceFailed(reason); });
        },
        Qt::QueuedConnection);
    connect(
        speaker, &Speech::Speaker::Stalled, this,
        [this, speaker] {
            if (m_voice.get() == speaker)
                Dialogs::Guard(this, [this] { voiceStalled(); });
        },
        Qt::QueuedConnection);
    connect(
        speaker, &Speech::Speaker::Resumed, this,
        [this, speaker] {
            if (m_voice.get() == speaker)
                Dialogs::Guard(this, [this] { voiceResumed(); });
        },
        Qt::QueuedConnection);
}

QStringList Tfrm_test::DrawAhead()
{
    m_ahead.clear();
    m_drawing.reset();
    for (qint32 i = 0; i < ElementCount; ++i)
        m_ahead << drawElement();
    return m_ahead;
}

void Tfrm_test::keepHeldOut()
{
    const quint32 now = Platform::TickCount();
    m_host->CurrentRunState().StartTick += now - *m_heldSince;
    m_heldSince = now;
}

void Tfrm_test::SetSpokenNumbers(int paceMs, const QString &cue)
{
    m_paceMs = qMax(0, paceMs);
    m_cue = cue;
    m_trial = SpokenNumbers() ? m_ahead : QStringList();
    m_due->stop();
}

void Tfrm_test::startSpokenNumbers()
{
    // The cue, then the first Element on the first whole pace after it.
    setElementText(QString());
    const quint32 now = Platform::TickCount();
    qint64 cueMs = 0;
    if (m_voice && !m_cue.isEmpty()) {
        m_voice->SayAt(m_cue, now);
        cueMs = qMax<qint64>(0, m_voice->ClipMs(m_cue));
    }
    const qint64 leadMs = (cueMs + m_paceMs - 1) / m_paceMs * m_paceMs + m_paceMs;
    m_fromNumber = m_saidTo = CurrentNumber;
    m_dueFrom = now + quint32(leadMs);
    sayNextSpokenNumber();
    scheduleSpokenNumber();
}

void Tfrm_test::sayNextSpokenNumber()
{
    // Ahead of their moments, the next at least: the voice places each on
    // its moment in its own stream of sound, however late the timer that
    // shows it comes, and its sound goes to the server a second ahead.
    if (!m_voice)
        return;
    const quint32 now = Platform::TickCount();
    for (qint32 n = qMax(m_saidTo, CurrentNumber); n < ElementCount; ++n) {
        const quint32 due = m_dueFrom + quint32((n - m_fromNumber) * m_paceMs);
        if (n > CurrentNumber && qint32(due - now) > Run::SpokenNumbersAheadMs)
            break;
        m_voice->SayAt(Speech::SpokenText(m_trial.value(n), true), due);
        m_saidTo = n + 1;
    }
}

void Tfrm_test::SpokenNumberTimer()
{
    Dialogs::Guard(this, [this] { spokenNumberDue(); });
}

qint32 Tfrm_test::spokenNumberInMs() const
{
    // The moment is reckoned from one start, so that a late timer does not
    // make the next one late too.
    const quint32 due = m_dueFrom + quint32((CurrentNumber - m_fromNumber) * m_paceMs);
    return qint32(due - Platform::TickCount());
}

void Tfrm_test::scheduleSpokenNumber() { m_due->start(qMax(0, spokenNumberInMs())); }

void Tfrm_test::spokenNumberDue()
{
    if (Phase != 1 || presentationDone || m_asking || !SpokenNumbers())
        return;
    if (spokenNumberInMs() > 0) {
        scheduleSpokenNumber(); // early
        return;
    }
    ++CurrentNumber;
    if (CurrentNumber > ElementCount) {
        endPresentation();
        return;
    }
    writeElement(m_trial.value(CurrentNumber - 1));
    sayNextSpokenNumber();
    scheduleSpokenNumber();
}

void Tfrm_test::voiceFinished()
{
    if (!m_heldSince || m_asking)
        return;
    keepHeldOut();
    m_heldSince.reset();
    // The next Element stands its whole seconds from now.
    Timer1->start();
    tick();
}

void Tfrm_test::voiceStalled()
{
    if (Phase != 1 || presentationDone || m_asking || m_stalledSince)
        return;
    m_stalledSince = Platform::TickCount();
    m_due->stop();
    m_voice->Stop();
    if (m_heldSince)
        keepHeldOut();
    waitNotice->setGeometry(8, waitNotice->y(), width() - 16, waitNotice->height());
    waitNotice->show();
    waitNotice->raise();
}

void Tfrm_test::voiceResumed()
{
    if (!m_stalledSince)
        return;
    const quint32 now = Platform::TickCount();
    if (m_host)
        m_host->CurrentRunState().StartTick += now - *m_stalledSince;
    m_stalledSince.reset();
    waitNotice->hide();
    if (Phase == 1 && !presentationDone && !m_asking)
        goOn();
}

void Tfrm_test::goOn()
{
    if (SpokenNumbers()) {
        // A few Elements back, the first of them a pace from now.
        CurrentNumber = qMax(0, CurrentNumber - Run::SpokenNumbersResumeBack);
        m_fromNumber = m_saidTo = CurrentNumber;
        m_dueFrom = Platform::TickCount() + quint32(m_paceMs);
        sayNextSpokenNumber();
        scheduleSpokenNumber();
    } else if (m_voice) {
        if (m_heldSince)
            m_heldSince = Platform::TickCount();
        m_voice->Say(m_said);
    }
}

void Tfrm_test::voiceFailed(const QString &reason)
{
    // A voice lost during the presentation ends the run: going on silently
    // would make a listener's run a different test, and showing Elements
    // that were meant to be hidden would spoil it. After the presentation
    // the voice is no longer needed.
    if (Phase != 1 || presentationDone || m_asking)
        return;
    endRun(tr("Test is not completed. The Elements could not be spoken: %1").arg(reason));
}

QString Tfrm_test::drawElement()
{
    const auto drawFrom = [this]() -> QString {
        const std::optional<Run::DrawSpan> span =
            Run::SpanOf(m_run.rangeFrom, m_run.rangeTo, int(m_run.elements.Size()));
        if (!span) // the launcher refuses such a run
            return QString();
        if (!m_drawing)
            m_drawing.emplace(draw, *span);
        return m_run.elements.Text(m_drawing->Next());
    };
    switch (testMode()) {
    case Run::IntroductoryMode:
        Platform::Randomize();
        return Run::DrawIntroductoryElement();
    case Run::TrainingMode:
        Platform::Randomize();
        return drawFrom();
    case Run::ExamMode:
        return drawFrom();
    default:
        return QString();
    }
}

void Tfrm_test::writeElement(const QString &text)
{
    if (!m_results)
        return;
    m_results->SetCell(AnswerSheet::Number, CurrentNumber - 1, QString::number(CurrentNumber));
    m_results->SetCell(AnswerSheet::Text, CurrentNumber - 1, text);
}

void Tfrm_test::showElement(const QString &text)
{
    Label2->hide();
    setElementText(text);
    fitElement(text);
    Label2->adjustSize();
    // A smaller Element stands on the same middle line as a full-size one.
    QFont full = Label2->font();
    full.setPixelSize(ElementPixelSize);
    const int top = ElementTop + (QFontMetrics(full).height() - Label2->fontMetrics().height()) / 2;
    Label2->move(Run::CentredLeft(frameGeometry().width(), Label2->width()), top);
    Label2->show();
}

void Tfrm_test::setElementText(const QString &text)
{
    Label2->setText(text);
    // No light patch where no Element stands.
    Label2->setAutoFillBackground(!text.isEmpty());
    announceElement();
}

void Tfrm_test::announceElement()
{
    const QString element = Label2->text();
    QString name = tr("No Element shown");
    if (!element.isEmpty() && counterShown())
        name = tr("Element %1: %2").arg(Run::CounterText(CurrentNumber, ElementCount), element);
    else if (!element.isEmpty())
        name = tr("Element: %1").arg(element);
    if (m_hideElements && !element.isEmpty())
        name = tr("Element %1, spoken").arg(Run::CounterText(CurrentNumber, ElementCount));
    Label2->setAccessibleName(name);
    notifyAccessibility(Label2, QAccessible::NameChanged);
    // "Next" has the focus while the Elements are shown: it tells which one.
    BitBtn1->setAccessibleDescription(element.isEmpty() ? QString() : name);
    notifyAccessibility(BitBtn1, QAccessible::DescriptionChanged);
}

void Tfrm_test::announceAnswer()
{
    // The answer box and the counter under it name the answer asked; the
    // counter is shown afresh for a screen reader to speak it.
    const QString name = Phase == 2 && CurrentNumber >= 1 && CurrentNumber <= ElementCount
                             ? tr("Answer %1").arg(Run::CounterText(CurrentNumber, ElementCount))
                             : QString();
    Edit1->setAccessibleName(name.isEmpty() ? tr("Answer") : name);
    Label1->setAccessibleName(name);
    if (!name.isEmpty())
        showAgain(Label1);
}

bool Tfrm_test::counterShown() const { return Label1->isVisibleTo(this); }

void Tfrm_test::setElementColour(int red, int green, int blue)
{
    QPalette palette = Label2->palette();
    palette.setColor(QPalette::WindowText, QColor(red, green, blue));
    Label2->setPalette(palette);
}

void Tfrm_test::showTimedElement()
{
    Label1->setText(Run::CounterText(CurrentNumber, ElementCount));
    setElementColour(0, 0, 0);
    const QString element = m_ahead.isEmpty() ? drawElement() : m_ahead.takeFirst();
    writeElement(element);
    showElement(m_hideElements ? Run::CounterText(CurrentNumber, ElementCount) : element);
    if (m_voice) {
        m_said = Speech::SpokenText(element, m_run.speech.IfSpeak && m_run.speech.IfDigits);
        m_voice->Say(m_said);
    }
}

void Tfrm_test::showNextExamElement()
{
    const QString element = drawElement();
    writeElement(element);
    Label2->hide();
    setElementColour(0, 0, 0);
    showElement(element);
}

void Tfrm_test::endPresentation()
{
    m_host->CurrentRunState().EndTick = Platform::TickCount();
    Label1->clear();
    setElementText(QString());
    presentationDone = true;
    m_due->stop();
    if (testMode() == Run::TrainingMode && !m_run.DoExercises)
        startRecall();
    else
        runExercises();
}

void Tfrm_test::runExercises()
{
    const int result = m_exe ? ExecAbove(m_exe) : Tfrm_exe::ResultCancel;
    RunStatus = result;
    if (result == Tfrm_exe::ResultOk) {
        startRecall();
        return;
    }
    // The exercises were given up (and the stop confirmed there).
    closeWithoutAsking = true;
    closeRun();
}

void Tfrm_test::startRecall()
{
    Label2->hide();
    Edit1->show();
    Phase = 2;
    CurrentNumber = 1;
    BitBtn1->setGeometry(72 + ControlOffset(), 119, 240, 24);
    // The recall tells which Element is asked in every mode, also where the
    // presentation kept its counter hidden.
    Label1->setText(Run::CounterText(CurrentNumber, ElementCount));
    if (SpokenNumbers()) {
        Edit1->clear();
        Label1->setText(tr("Type the %n digit(s) as one line", nullptr, ElementCount));
    }
    m_enterPressed = false;
    Edit1->setFocus();
    announceAnswer(); // shows the counter
}

void Tfrm_test::BitBtn1Click()
{
    Dialogs::Guard(this, [this] { advance(); });
}

void Tfrm_test::advance()
{
    if (Phase == 1 && SpokenNumbers())
        return; // the digits keep their time
    if (Phase == 1) {
        if (m_voice) {
            // "Next" cuts the voice short.
            m_voice->Stop();
            if (m_heldSince)
                keepHeldOut();
            m_heldSince.reset();
        }
        TickInElement = TicksPerElement;
        tick();
        if (!presentationDone && testMode() == Run::ExamMode) {
            if (CurrentNumber < ElementCount) {
                ++CurrentNumber;
                showNextExamElement();
            } else if (CurrentNumber == ElementCount) {
                // The last Element stays until the next tick ends the phase.
                CurrentNumber = ElementCount + 1;
            }
        }
    } else if (Phase == 2 && SpokenNumbers()) {
        recallOneLine();
    } else if (Phase == 2) {
        nextAnswer();
    }
}

void Tfrm_test::recallOneLine()
{
    QStringList elements;
    for (int r = 0; r < ElementCount; ++r)
        elements << m_results->Cell(AnswerSheet::Text, r);
    const QStringList answers = Run::SplitRecall(elements, Edit1->text());
    MistakeCount = 0;
    for (int r = 0; r < ElementCount; ++r) {
        m_results->SetCell(AnswerSheet::Answer, r, answers.at(r));
        if (!IsAnswerRight(elements.at(r), answers.at(r)))
            ++MistakeCount;
    }
    CurrentNumber = ElementCount + 1;
    m_results->ScoreNextShowingBy(SportScoring::Rule::UntilFirstMistake);
    finish();
}

bool Tfrm_test::mayContinue() const { return Run::MayContinue(testMode(), MistakeCount, ElementCount); }

void Tfrm_test::nextAnswer()
{
    const qint32 n = CurrentNumber;
    if (n > ElementCount) {
        finish();
        return;
    }
    m_results->SetCell(AnswerSheet::Answer, n - 1, Edit1->text());
    if (!IsAnswerRight(m_results->Cell(AnswerSheet::Text, n - 1), m_results->Cell(AnswerSheet::Answer, n - 1)))
        ++MistakeCount;
    if (!mayContinue()) {
        closeWithoutAsking = true;
        closeRun();
        // The run is not stored, but the user sees where it went wrong.
        QStringList elements, answers;
        for (int r = 0; r < n; ++r) {
            elements << m_results->Cell(AnswerSheet::Text, r);
            answers << m_results->Cell(AnswerSheet::Answer, r);
        }
        m_host->ShowMainMessage(tr("Test is not completed. Too many mistakes!") + QStringLiteral("\n\n")
                                + Run::WrongAnswersText(elements, answers));
        return;
    }
    Edit1->setText(QStringLiteral("???"));
    Edit1->setFocus();
    CurrentNumber = n + 1;
    if (CurrentNumber > ElementCount)
        finish();
    else {
        Label1->setText(Run::CounterText(CurrentNumber, ElementCount));
        announceAnswer();
    }
}

void Tfrm_test::finish()
{
    Edit1->hide();
    RunState &run = m_host->CurrentRunState();
    m_results->ComputeReport(run, MistakeCount);
    if (run.TestMode == Run::TrainingMode || run.TestMode == Run::ExamMode) {
        // Said until the save has succeeded: a failed one leaves the runner
        // on this text behind the error report, with "Next" to try again.
        saveNotice->setGeometry(8, saveNotice->y(), width() - 16, saveNotice->height());
        saveNotice->show();
        BitBtn1->setFocus();
        BitBtn1->setAccessibleDescription(saveNotice->text());
        m_results->SaveResult(run);
        saveNotice->hide();
        BitBtn1->setAccessibleDescription(QString());
    }
    Dialogs::ShowMessage(this, tr("Your result is %1").arg(m_results->KoeffText()));
    ExecAbove(m_results);
    m_host->ReloadHistory();
    RunStatus = Run::StatusEnded;
    run.TestMode = 0;
    closeRun();
}

bool Tfrm_test::Edit1KeyPress(QChar key)
{
    if (key != QChar(13))
        return false;
    BitBtn1->setFocus();
    BitBtn1Click();
    return true;
}

bool Tfrm_test::FormCloseQuery()
{
    if (RunStatus == Run::StatusEnded || closeWithoutAsking) {
        Timer1->stop();
        return true;
    }
    // While the question is open the run stands still: ticks do nothing,
    // and the time it is open is taken out of the presentation, so that it
    // counts neither in the run's Time and Koeff nor towards the pace check
    // and the Exam's limit. Moving the start forward by the pause does
    // that; the current Element's own ticks are not counted meanwhile.
    m_asking = true;
    // The voice falls silent with the run and says the Element on screen
    // again when the run goes on.
    const bool presenting = Phase == 1 && !presentationDone;
    m_due->stop();
    if (m_voice)
        m_voice->Stop();
    if (m_heldSince)
        keepHeldOut();
    const quint32 askedAt = Platform::TickCount();
    const auto resume = qScopeGuard([this, askedAt] {
        m_asking = false;
        if (m_host && Phase == 1 && !presentationDone)
            m_host->CurrentRunState().StartTick += Platform::TickCount() - askedAt;
    });
    const bool stop = Dialogs::Confirm(this, tr("Stop test?"));
    if (stop)
        Timer1->stop();
    else if (presenting && !m_stalledSince) // else it goes on when the sound server answers
        goOn();
    return stop;
}

void Tfrm_test::done(int result)
{
    if (!FormCloseQuery())
        return;
    QDialog::done(result);
}

void Tfrm_test::closeRun() { done(QDialog::Rejected); }

int Tfrm_test::ExecAbove(QDialog *dialog)
{
    // The runner stays on top of other windows; a window it opens is owned
    // by it for that showing, so that it comes up in front of the runner.
    dialog->winId();
    QWindow *window = dialog->windowHandle();
    QWindow *owner = window ? window->transientParent() : nullptr;
    if (window && windowHandle())
        window->setTransientParent(windowHandle());
    const auto restore = qScopeGuard([window, owner] {
        if (window)
            window->setTransientParent(owner);
    });
    return Dialogs::ExecModal(dialog);
}
