#include "tests/testuser.h"

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPushButton>

TestUser::TestUser() { Dialogs::SetHandler(this); }
TestUser::~TestUser() { Dialogs::SetHandler(nullptr); }

Dialogs::Answer TestUser::Ask(Dialogs::Kind kind, const QString &title, const QString &text)
{
    const Asked a{kind, title, text};
    asked.append(a);
    if (onAsk)
        onAsk(a);
    if (answers.empty())
        return Dialogs::Answer::Ok;
    const Dialogs::Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

QString TestUser::FileName(bool, const QString &)
{
    if (fileNames.empty())
        return QString();
    const QString name = fileNames.front();
    fileNames.pop_front();
    return name;
}

QString TestUser::SaveFileName(const QString &filter, const QString &suggested)
{
    suggestedNames.append(suggested);
    return FileName(true, filter);
}

int TestUser::ExecModal(QDialog *dialog)
{
    opened.append(dialog);
    Script script;
    if (!scripts.empty()) {
        script = std::move(scripts.front());
        scripts.pop_front();
    }
    dialog->setResult(0);
    dialog->show();
    QCoreApplication::processEvents();
    if (script)
        script(dialog);
    if (dialog->isVisible())
        dialog->hide();
    return dialog->result();
}

void TestUser::Wait(QProgressDialog *progress, const std::function<bool()> &ended)
{
    waited.append(progress->labelText());
    if (!waitScripts.empty()) {
        const WaitScript script = std::move(waitScripts.front());
        waitScripts.pop_front();
        script(progress);
    }
    QElapsedTimer waiting;
    waiting.start();
    while (!ended()) {
        if (waiting.elapsed() > 10000) {
            qWarning("TestUser: a wait for \"%s\" has not ended in 10 s; cancelled", qPrintable(progress->labelText()));
            PressCancel(progress);
            break;
        }
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    }
}

void TestUser::PressCancel(QProgressDialog *progress)
{
    for (QPushButton *button : progress->findChildren<QPushButton *>())
        button->click();
}

QStringList TestUser::MessageTexts() const
{
    QStringList out;
    for (const Asked &a : asked)
        out << a.text;
    return out;
}

ScaledFont::ScaledFont(double scale)
    : m_before(QApplication::font())
{
    QFont large = m_before;
    large.setPointSizeF(m_before.pointSizeF() * scale);
    QApplication::setFont(large);
}

ScaledFont::~ScaledFont() { QApplication::setFont(m_before); }
