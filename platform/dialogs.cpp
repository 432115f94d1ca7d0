#include "platform/dialogs.h"

#include "platform/platform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>

#include <exception>

namespace Dialogs {
namespace {

Handler *g_handler = nullptr;

const QString &appTitle()
{
    static const QString title = QStringLiteral("Tenacio");
    return title;
}

// Converts "Text File (*.txt)|*.txt|Any File (*.*)|*.*" into Qt's filter form.
QString qtFilter(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString pattern = parts.at(i + 1);
        pattern.replace(QLatin1Char(';'), QLatin1Char(' '));
        QString label = parts.at(i);
        if (!label.contains(QLatin1Char('(')))
            label += QStringLiteral(" (") + pattern + QLatin1Char(')');
        out << label;
    }
    return out.join(QStringLiteral(";;"));
}

// A message box that tells a press of its button from its close box.
class StartBox : public QMessageBox
{
public:
    using QMessageBox::QMessageBox;
    bool closedByFrame = false;

protected:
    void closeEvent(QCloseEvent *event) override
    {
        closedByFrame = true;
        QMessageBox::closeEvent(event);
    }
};

// Whether `home` may be made the active window: it is shown and no other
// window is modal in front of it.
bool mayActivate(const QWidget *home)
{
    const QWidget *modal = QApplication::activeModalWidget();
    return home && home->isVisible() && (!modal || modal == home);
}

// Gives the focus back, when a modal window or box closes, to the window
// it came from: the one active when it opened, or else its owner's. Some
// window managers give it to no window at all when a dialog closes (or
// when the dialog under a closing box closes right after it), and the
// keys of the main window's menu would then do nothing.
class FocusComesBack
{
public:
    explicit FocusComesBack(QWidget *owner)
        : m_active(QApplication::activeWindow())
        , m_owner(owner ? owner->window() : nullptr)
    {
    }
    ~FocusComesBack()
    {
        QWidget *home = m_active && m_active->isVisible() ? m_active.data() : m_owner.data();
        if (!mayActivate(home))
            return;
        home->activateWindow();
        // A window manager that is still busy with the windows just closed
        // (a modal window over `home` that is gone but not yet withdrawn
        // in its eyes) may pass over the request; once it has caught up,
        // a program with no active window at all asks again.
        QTimer::singleShot(RetryDelayMs, home, [home] {
            if (!QApplication::activeWindow() && mayActivate(home))
                home->activateWindow();
        });
    }
    FocusComesBack(const FocusComesBack &) = delete;
    FocusComesBack &operator=(const FocusComesBack &) = delete;

private:
    static constexpr int RetryDelayMs = 250;
    QPointer<QWidget> m_active;
    QPointer<QWidget> m_owner;
};

} // namespace

void SetHandler(Handler *handler) { g_handler = handler; }

std::unique_ptr<QMessageBox> MakeBox(Kind kind, const QString &title, const QString &text, QWidget *parent)
{
    std::unique_ptr<QMessageBox> box;
    switch (kind) {
    case Kind::Message:
        box = std::make_unique<QMessageBox>(QMessageBox::NoIcon, title, QString(), QMessageBox::Ok, parent);
        break;
    case Kind::Confirm:
        box = std::make_unique<QMessageBox>(QMessageBox::Question, title, QString(),
                                            QMessageBox::Ok | QMessageBox::Cancel, parent);
        box->setDefaultButton(QMessageBox::Ok);
        box->setEscapeButton(QMessageBox::Cancel);
        break;
    case Kind::StartPrompt: {
        box = std::make_unique<StartBox>(QMessageBox::Question, title, QString(), QMessageBox::Ok, parent);
        QAbstractButton *ok = box->button(QMessageBox::Ok);
        box->setDefaultButton(qobject_cast<QPushButton *>(ok));
        box->setEscapeButton(ok); // Esc presses OK too
        break;
    }
    case Kind::Error:
        box = std::make_unique<QMessageBox>(QMessageBox::Critical, title, QString(), QMessageBox::Ok, parent);
        break;
    case Kind::ReplaceOrAdd:
    case Kind::ReplaceOrAppend: {
        box = std::make_unique<QMessageBox>(QMessageBox::Question, title, QString(), QMessageBox::NoButton, parent);
        box->setDefaultButton(
            box->addButton(QCoreApplication::translate("Dialogs", "&Replace"), QMessageBox::AcceptRole));
        box->addButton(kind == Kind::ReplaceOrAdd ? QCoreApplication::translate("Dialogs", "&Add another")
                                                  : QCoreApplication::translate("Dialogs", "&Add to the end"),
                       QMessageBox::AcceptRole);
        // Esc and the close box press Cancel.
        box->setEscapeButton(box->addButton(QMessageBox::Cancel));
        break;
    }
    case Kind::Merge:
        box = std::make_unique<QMessageBox>(QMessageBox::Question, title, QString(), QMessageBox::NoButton, parent);
        box->setDefaultButton(
            box->addButton(QCoreApplication::translate("Dialogs", "&Merge"), QMessageBox::AcceptRole));
        box->setEscapeButton(box->addButton(QCoreApplication::translate("Dialogs", "&Later"), QMessageBox::RejectRole));
        break;
    }
    // The format first: a text that looks like markup would otherwise be
    // taken for it.
    box->setTextFormat(Qt::PlainText);
    box->setText(text);
    // A box narrower than its title has the title cut in its title bar
    // ("Подт… ение"): a strut across the box keeps it as wide as the title.
    if (auto *grid = qobject_cast<QGridLayout *>(box->layout())) {
        const QMargins margins = grid->contentsMargins();
        grid->addItem(new QSpacerItem(CaptionWidth(box.get()) - margins.left() - margins.right(), 0, QSizePolicy::Fixed,
                                      QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
    return box;
}

QString PlainToolTip(const QString &text)
{
    if (text.isEmpty())
        return QString();
    return QStringLiteral("<p style=\"white-space:pre\">%1</p>").arg(text.toHtmlEscaped());
}

void ShowMessage(QWidget *parent, const QString &text)
{
    const FocusComesBack focus(parent);
    if (g_handler) {
        g_handler->Ask(Kind::Message, appTitle(), text);
        return;
    }
    MakeBox(Kind::Message, appTitle(), text, parent)->exec();
}

bool Confirm(QWidget *parent, const QString &text)
{
    const QString title = QCoreApplication::translate("Dialogs", "Confirm");
    const FocusComesBack focus(parent);
    if (g_handler)
        return g_handler->Ask(Kind::Confirm, title, text) == Answer::Ok;
    return MakeBox(Kind::Confirm, title, text, parent)->exec() == QMessageBox::Ok;
}

Answer AskToStart(QWidget *parent, const QString &text)
{
    const QString title = QCoreApplication::translate("Dialogs", "Confirm");
    const FocusComesBack focus(parent);
    if (g_handler)
        return g_handler->Ask(Kind::StartPrompt, title, text);
    const std::unique_ptr<QMessageBox> box = MakeBox(Kind::StartPrompt, title, text, parent);
    box->exec();
    // The close box of a box with one button also reports that button;
    // only a press of OK (by mouse, Enter or Esc) starts.
    return static_cast<StartBox *>(box.get())->closedByFrame ? Answer::Closed : Answer::Ok;
}

namespace {

Answer askReplaceOr(Kind kind, QWidget *parent, const QString &text)
{
    const QString title = QCoreApplication::translate("Dialogs", "Confirm");
    const FocusComesBack focus(parent);
    if (g_handler)
        return g_handler->Ask(kind, title, text);
    const std::unique_ptr<QMessageBox> box = MakeBox(kind, title, text, parent);
    box->exec();
    const QAbstractButton *clicked = box->clickedButton();
    if (!clicked || clicked == box->escapeButton())
        return Answer::Cancel;
    return clicked == box->defaultButton() ? Answer::Ok : Answer::Other;
}

} // namespace

Answer AskReplaceOrAdd(QWidget *parent, const QString &text) { return askReplaceOr(Kind::ReplaceOrAdd, parent, text); }

Answer AskReplaceOrAppend(QWidget *parent, const QString &text)
{
    return askReplaceOr(Kind::ReplaceOrAppend, parent, text);
}

bool AskToMerge(QWidget *parent, const QString &text)
{
    const QString title = QCoreApplication::translate("Dialogs", "Merge");
    const FocusComesBack focus(parent);
    if (g_handler)
        return g_handler->Ask(Kind::Merge, title, text) == Answer::Ok;
    const std::unique_ptr<QMessageBox> box = MakeBox(Kind::Merge, title, text, parent);
    box->exec();
    return box->clickedButton() && box->clickedButton() == box->defaultButton();
}

void ShowError(QWidget *parent, const QString &text)
{
    const FocusComesBack focus(parent);
    if (g_handler) {
        g_handler->Ask(Kind::Error, appTitle(), text);
        return;
    }
    MakeBox(Kind::Error, appTitle(), text, parent)->exec();
}

QString OpenFileName(QWidget *parent, const QString &filter)
{
    const FocusComesBack focus(parent);
    if (g_handler)
        return g_handler->FileName(false, filter);
    return QFileDialog::getOpenFileName(parent, QString(), QDir::currentPath(), qtFilter(filter));
}

QString SaveFileName(QWidget *parent, const QString &filter, const QString &suggested)
{
    const FocusComesBack focus(parent);
    if (g_handler)
        return g_handler->SaveFileName(filter, suggested);
    return QFileDialog::getSaveFileName(parent, QString(), QDir::current().filePath(suggested), qtFilter(filter),
                                        nullptr, QFileDialog::DontConfirmOverwrite);
}

int CaptionWidth(const QWidget *window)
{
    QFont font = window->font();
    font.setBold(true);
    const QFontMetrics metrics(font);
    // A fifth more than the bold text for a title font of another size; the
    // icon and up to three buttons take about a title bar's height each.
    const int bar = metrics.height() + 10;
    return metrics.horizontalAdvance(window->windowTitle()) * 6 / 5 + 4 * bar + 16;
}

int ExecModal(QDialog *dialog)
{
    const FocusComesBack focus(dialog->parentWidget());
    if (g_handler)
        return g_handler->ExecModal(dialog);
    return dialog->exec();
}

void Handler::Wait(QProgressDialog *, const std::function<bool()> &ended)
{
    while (!ended())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
}

bool Wait(QProgressDialog *progress, int quietMs, const std::function<void(const std::function<void()> &end)> &begin)
{
    bool ended = false;
    bool cancelled = false;
    QEventLoop loop;
    const auto end = [&] {
        if (ended)
            return;
        ended = true;
        loop.quit();
    };
    const QMetaObject::Connection cancel = QObject::connect(progress, &QProgressDialog::canceled, progress, [&] {
        if (!ended)
            cancelled = true;
        end();
    });
    begin(end);
    if (!ended) {
        const FocusComesBack focus(progress->parentWidget());
        if (g_handler) {
            g_handler->Wait(progress, [&ended] { return ended; });
        } else {
            QTimer later;
            later.setSingleShot(true);
            QObject::connect(&later, &QTimer::timeout, progress, [progress] { progress->show(); });
            later.start(quietMs);
            loop.exec();
        }
    }
    QObject::disconnect(cancel);
    progress->hide();
    return !cancelled;
}

void Guard(QWidget *parent, const std::function<void()> &body)
{
    try {
        body();
    } catch (const AppError &e) {
        ShowError(parent, e.Text());
    } catch (const std::exception &e) {
        ShowError(parent, QString::fromUtf8(e.what()));
    } catch (...) {
        ShowError(parent, QCoreApplication::translate("Dialogs", "Unknown error"));
    }
}

} // namespace Dialogs
