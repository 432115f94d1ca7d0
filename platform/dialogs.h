#pragma once

// Every message box, confirmation, file dialog and modal showing of the
// program goes through here, so that tests can answer them without
// running a nested event loop.

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QDialog;
class QMessageBox;
class QProgressDialog;
class QWidget;

namespace Dialogs {

enum class Kind {
    Message,         // plain message box with "OK"
    Confirm,         // "Confirm", question icon, "OK" and "Cancel"
    StartPrompt,     // question icon, "OK" alone; Enter and Esc press OK
    Error,           // the general error report
    ReplaceOrAdd,    // question icon, "Replace", "Add another" and "Cancel"
    Merge,           // question icon, "Merge" (the default) and "Later"
    ReplaceOrAppend, // question icon, "Replace", "Add to the end" and "Cancel"
};

// Other: the second way of ReplaceOrAdd, "Add another".
enum class Answer { Ok, Cancel, Closed, Other };

// A tool tip that shows text as it is: tips are read as markup when they
// look like it, so the text goes escaped into one that is markup by
// design, blanks kept. Empty for an empty text (no tip).
QString PlainToolTip(const QString &text);

// Shows a plain message box with an "OK" button.
void ShowMessage(QWidget *parent, const QString &text);
// Asks in a confirmation box; true when the answer is "OK".
bool Confirm(QWidget *parent, const QString &text);
// "Press OK to start": OK (also by Enter or Esc) or Closed (the close box).
Answer AskToStart(QWidget *parent, const QString &text);
// Whether to replace something, add another beside it, or do neither:
// Ok ("Replace"), Other ("Add another") or Cancel ("Cancel", Esc and the
// close box).
Answer AskReplaceOrAdd(QWidget *parent, const QString &text);
// Whether to merge something now: Ok ("Merge", the default) or Cancel
// ("Later", Esc and the close box).
bool AskToMerge(QWidget *parent, const QString &text);
// The same with "Add to the end" for the second way (Other).
Answer AskReplaceOrAppend(QWidget *parent, const QString &text);
// The general error report: a message box with the error's text.
void ShowError(QWidget *parent, const QString &text);

// The box that shows a message or question of `kind` when no handler
// answers: its icon and buttons, and the text as plain text, never markup,
// since it may carry a name, an Element or a path.
std::unique_ptr<QMessageBox> MakeBox(Kind kind, const QString &title, const QString &text, QWidget *parent);

QString OpenFileName(QWidget *parent, const QString &filter);
// `suggested`: a file name the dialog offers, in the current directory.
QString SaveFileName(QWidget *parent, const QString &filter, const QString &suggested = QString());

// The least width at which a window manager shows the caption of `window`
// whole in its title bar, beside the icon and the buttons it puts there.
// Title bars use a font of their own, often bold and larger than the
// window's, so this leaves room to spare.
int CaptionWidth(const QWidget *window);

// Shows a window modally and returns its result (QDialog::Accepted = 1,
// QDialog::Rejected = 0 or the value given to done()).
int ExecModal(QDialog *dialog);

// Waits for work that answers later, the window's thread going on meanwhile:
// `begin` starts the work and is given `end`, which the work calls once it
// has answered. `progress` is shown when the work takes longer than
// `quietMs`; its Cancel (or Esc, or its close box) ends the wait instead.
// True when the work ended it, false when the user cancelled. `end` must
// not be called once Wait has returned: the work's ties to it go first.
bool Wait(QProgressDialog *progress, int quietMs, const std::function<void(const std::function<void()> &end)> &begin);

// Runs a handler body: an AppError or any other exception it raises ends
// the handler and is shown by the general error report. Nothing escapes
// into the event loop.
void Guard(QWidget *parent, const std::function<void()> &body);

// The test seam. A handler installed here sees every box and dialog
// instead of the user.
class Handler
{
public:
    virtual ~Handler() = default;
    virtual Answer Ask(Kind kind, const QString &title, const QString &text) = 0;
    virtual QString FileName(bool save, const QString &filter) = 0;
    // A save dialog that suggests a name; by default as fileName.
    virtual QString SaveFileName(const QString &filter, const QString &suggested)
    {
        Q_UNUSED(suggested);
        return FileName(true, filter);
    }
    virtual int ExecModal(QDialog *dialog) = 0;
    // A wait for work (Wait) that had not answered at once: returns once
    // `ended()` holds, whether by the work or by the progress window's
    // Cancel. By default events are processed until then, no window shown.
    virtual void Wait(QProgressDialog *progress, const std::function<bool()> &ended);
};
void SetHandler(Handler *handler); // nullptr: the real boxes

} // namespace Dialogs
