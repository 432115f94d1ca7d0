#pragma once

// The stand-in user for tests of windows: it answers every box and modal
// window through the Dialogs seam.

#include "platform/dialogs.h"

#include <QDialog>
#include <QFont>
#include <QList>
#include <QProgressDialog>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>

// Answers every box and modal window.
class TestUser : public Dialogs::Handler
{
public:
    struct Asked
    {
        Dialogs::Kind kind;
        QString title;
        QString text;
    };

    TestUser();
    ~TestUser() override;

    Dialogs::Answer Ask(Dialogs::Kind kind, const QString &title, const QString &text) override;
    QString FileName(bool save, const QString &filter) override;
    QString SaveFileName(const QString &filter, const QString &suggested) override;
    int ExecModal(QDialog *dialog) override;
    void Wait(QProgressDialog *progress, const std::function<bool()> &ended) override;

    // Answers for questions, taken in order; Ok when the queue is empty.
    std::deque<Dialogs::Answer> answers;
    // Run when a box is asked, before it is answered (e.g. to check state).
    std::function<void(const Asked &)> onAsk;
    std::deque<QString> fileNames; // empty text when the queue is empty
    QStringList suggestedNames;    // what each save dialog suggested
    QList<Asked> asked;

    // What a modal window does while it is "open": the script gets the
    // shown window; the window's result is what it was closed with (or
    // what the script returns when it does not close the window).
    // Without a script the window is shown and closed with Rejected.
    using Script = std::function<void(QDialog *)>;
    std::deque<Script> scripts;
    QList<QDialog *> opened;

    // A wait for work that did not answer at once: its progress window's
    // label is kept, and the next script (in order) runs with the window;
    // then events are processed until the work answers (10 s at most, then
    // the window is cancelled with a warning).
    using WaitScript = std::function<void(QProgressDialog *)>;
    std::deque<WaitScript> waitScripts;
    QStringList waited;
    // What the user does to cancel a progress window: presses its Cancel.
    static void PressCancel(QProgressDialog *progress);

    QStringList MessageTexts() const;
};

// The program's font scaled for one test, as larger fonts or a higher dpi
// give it; the font it had is put back at the end.
class ScaledFont
{
public:
    explicit ScaledFont(double scale);
    ~ScaledFont();
    ScaledFont(const ScaledFont &) = delete;
    ScaledFont &operator=(const ScaledFont &) = delete;

private:
    QFont m_before;
};
