#include "engine/frmexe.h"

#include "engine/exerciserules.h"
#include "engine/selectingedit.h"
#include "platform/dialogs.h"
#include "platform/okcancel.h"
#include "platform/platform.h"

#include <QAccessible>
#include <QApplication>
#include <QBoxLayout>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>
#include <QValidator>

namespace {

// The answer boxes' key filter: only digits, "?" and Backspace get in,
// whether typed or pasted.
class ExerciseValidator : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override
    {
        return Exercises::TextAllowed(input) ? Acceptable : Invalid;
    }
};

// The width a button needs for its text, and at least `minimum`.
int buttonWidth(const QPushButton *button, int minimum)
{
    const QStyle *style = button->style();
    const int text = button->fontMetrics().horizontalAdvance(button->text().remove(QLatin1Char('&')));
    const int frame = 2
                      * (style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button)
                         + style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button));
    return qMax(minimum, text + frame);
}

} // namespace

const QColor Tfrm_exe::WrongColour = QColor(255, 0, 0);
const QColor Tfrm_exe::RightColour = QColor(0, 128, 0);

Tfrm_exe::Tfrm_exe(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                          | Qt::CustomizeWindowHint)
{
    setObjectName(QStringLiteral("frm_exe"));
    setWindowTitle(tr("Do exercises"));
    setFixedSize(ClientWidth, ClientHeight);

    auto *validator = new ExerciseValidator(this);
    QLabel **labels[SumCount] = {&Label1, &Label2, &Label3, &Label4, &Label5};
    QLineEdit **edits[SumCount] = {&Edit1, &Edit2, &Edit3, &Edit4, &Edit5};
    // The boxes are created first, in order, so that they lead the tab order.
    for (int i = 0; i < SumCount; ++i) {
        auto *edit = new SelectingEdit(this);
        edit->setObjectName(QStringLiteral("Edit%1").arg(i + 1));
        edit->setValidator(validator);
        edit->setText(QStringLiteral("???"));
        edit->setAccessibleName(tr("Sum %1").arg(i + 1));
        // Red and green keep their contrast on a light box whatever the palette.
        QPalette palette = edit->palette();
        palette.setColor(QPalette::Base, BoxBackground);
        edit->setPalette(palette);
        // A solved box also shows a check mark at its right end.
        auto *mark = new QLabel(QStringLiteral("\u2713"), edit);
        mark->setAttribute(Qt::WA_TransparentForMouseEvents);
        QPalette markPalette = mark->palette();
        markPalette.setColor(QPalette::WindowText, RightColour);
        mark->setPalette(markPalette);
        auto *markRow = new QHBoxLayout(edit);
        markRow->setContentsMargins(0, 0, 4, 0);
        markRow->addStretch();
        markRow->addWidget(mark);
        edit->setTextMargins(0, 0, mark->sizeHint().width() + 4, 0);
        m_marks[i] = mark;
        *edits[i] = edit;
        edit->installEventFilter(this);
        setBoxColour(i + 1, WrongColour);
        connect(edit, &QLineEdit::textChanged, this, [this, i] { EditChange(i + 1); });
    }
    const Dialogs::OkCancel pair = Dialogs::MakeOkCancel(this, tr("&OK"), tr("&Cancel"));
    BitBtn1 = pair.ok;
    BitBtn2 = pair.cancel;
    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { reject(); });
    for (int i = 0; i < SumCount; ++i) {
        auto *label = new QLabel(QStringLiteral("Label%1").arg(i + 1), this);
        label->setBuddy(*edits[i]);
        *labels[i] = label;
    }

    // The sums in a column with their boxes beside them, the buttons below;
    // the form's sizes are the least the window takes.
    const int sumWidth =
        Label1->fontMetrics().horizontalAdvance(Exercises::Sum{Exercises::TermMaximum, Exercises::TermMaximum}.Label());
    const int boxWidth =
        qMax(89, Edit1->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + Edit1->textMargins().right() + 8);
    auto *sums = new QGridLayout;
    sums->setHorizontalSpacing(1);
    sums->setVerticalSpacing(2);
    sums->setColumnMinimumWidth(0, qMax(63, sumWidth));
    sums->setColumnStretch(2, 1);
    for (int i = 1; i <= SumCount; ++i) {
        AnswerBox(i)->setFixedWidth(boxWidth);
        AnswerBox(i)->setMinimumHeight(21);
        sums->addWidget(SumLabel(i), i - 1, 0);
        sums->addWidget(AnswerBox(i), i - 1, 1);
    }
    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(5);
    for (QPushButton *button : {BitBtn1, BitBtn2}) {
        button->setFixedWidth(buttonWidth(button, 75));
        button->setMinimumHeight(25);
        buttons->addWidget(button);
    }
    buttons->addStretch();
    auto *form = new QVBoxLayout(this);
    form->setContentsMargins(8, 8, 7, 8);
    form->setSpacing(0);
    form->addLayout(sums);
    form->addSpacing(10);
    form->addStretch();
    form->addLayout(buttons);
    // Wide enough, too, for a window manager to show "Do exercises" whole.
    setFixedSize(sizeHint().expandedTo(QSize(qMax(ClientWidth, Dialogs::CaptionWidth(this)), ClientHeight)));
}

Tfrm_exe::~Tfrm_exe() = default;

QLabel *Tfrm_exe::SumLabel(int i) const
{
    QLabel *const labels[SumCount] = {Label1, Label2, Label3, Label4, Label5};
    return labels[i - 1];
}

QLineEdit *Tfrm_exe::AnswerBox(int i) const
{
    QLineEdit *const edits[SumCount] = {Edit1, Edit2, Edit3, Edit4, Edit5};
    return edits[i - 1];
}

int &Tfrm_exe::expectedSum(int i)
{
    int *const sums[SumCount] = {&ExpectedSum1, &ExpectedSum2, &ExpectedSum3, &ExpectedSum4, &ExpectedSum5};
    return *sums[i - 1];
}

int Tfrm_exe::ExpectedSum(int i) const { return const_cast<Tfrm_exe *>(this)->expectedSum(i); }

QColor Tfrm_exe::BoxColour(int i) const { return AnswerBox(i)->palette().color(QPalette::Text); }

void Tfrm_exe::setBoxColour(int i, const QColor &colour)
{
    QLineEdit *box = AnswerBox(i);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Text, colour);
    box->setPalette(palette);
    // The colour is the record; the mark and the description tell it
    // without colour.
    const bool solved = colour == RightColour;
    m_marks[i - 1]->setVisible(solved);
    const QString state = solved ? tr("solved") : tr("not solved yet");
    if (box->accessibleDescription() != state) {
        box->setAccessibleDescription(state);
        if (QAccessible::isActive()) {
            QAccessibleEvent event(box, QAccessible::DescriptionChanged);
            QAccessible::updateAccessibility(&event);
        }
    }
}

void Tfrm_exe::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        Dialogs::Guard(this, [this] { FormShow(); });
}

void Tfrm_exe::FormShow()
{
    for (int i = 1; i <= SumCount; ++i) {
        AnswerBox(i)->setText(QStringLiteral("???"));
        setBoxColour(i, WrongColour);
    }
    Platform::Randomize();
    for (int i = 1; i <= SumCount; ++i) {
        const Exercises::Sum sum = Exercises::DrawSum();
        expectedSum(i) = sum.Value();
        SumLabel(i)->setText(sum.Label());
        AnswerBox(i)->setAccessibleName(tr("Sum %1: ").arg(i) + sum.Label());
    }
    ExercisesDone = false;
    m_movedTo = nullptr;
    Edit1->setFocus();
}

bool Tfrm_exe::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut && watched == m_movedTo)
        m_movedTo = nullptr;
    if (event->type() == QEvent::KeyPress && watched == m_movedTo) {
        m_movedTo = nullptr;
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Tab && !(key->modifiers() & ~Qt::KeypadModifier))
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

void Tfrm_exe::EditChange(int i)
{
    const std::optional<int> number = Exercises::AnswerNumber(AnswerBox(i)->text());
    if (!number)
        return;
    if (*number != ExpectedSum(i)) {
        setBoxColour(i, WrongColour);
        return;
    }
    setBoxColour(i, RightColour);
    checkExercisesDone();
    if (ExercisesDone)
        return;
    if (i < SumCount)
        AnswerBox(i + 1)->setFocus();
    else
        focusFirstWrongSum();
    if (QApplication::focusWidget() != AnswerBox(i))
        m_movedTo = qobject_cast<QLineEdit *>(QApplication::focusWidget());
}

void Tfrm_exe::checkExercisesDone()
{
    bool allRight = true;
    for (int i = 1; i <= SumCount; ++i)
        allRight = allRight && BoxColour(i) == RightColour;
    if (allRight)
        ExercisesDone = true;
    if (ExercisesDone)
        pressOkButton();
}

void Tfrm_exe::pressOkButton()
{
    // The box that just turned green is drawn before the dialog goes.
    for (int i = 1; i <= SumCount; ++i)
        AnswerBox(i)->repaint();
    done(ResultOk);
}

void Tfrm_exe::focusFirstWrongSum()
{
    for (int i = 1; i <= SumCount; ++i) {
        if (BoxColour(i) == WrongColour) {
            AnswerBox(i)->setFocus();
            return;
        }
    }
}

void Tfrm_exe::BitBtn1Click()
{
    checkExercisesDone();
    if (!ExercisesDone) // when done, PressOkButton has closed the dialog
        done(ResultOk);
}

bool Tfrm_exe::FormCloseQuery(int result)
{
    if (result != ResultOk)
        return Dialogs::Confirm(this, tr("Stop test?"));
    if (!ExercisesDone) {
        Dialogs::ShowMessage(this, tr("You need to finish exercises!"));
        return false;
    }
    return true;
}

void Tfrm_exe::done(int result)
{
    const int closing = result == ResultOk ? ResultOk : ResultCancel;
    if (!FormCloseQuery(closing))
        return;
    QDialog::done(closing);
}
