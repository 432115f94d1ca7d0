#include "engine/frmexe.h"

#include "app/dialogs.h"
#include "app/platform.h"
#include "engine/exerciserules.h"
#include "engine/selectingedit.h"

#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
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

} // namespace

const QColor Tfrm_exe::WrongColour = QColor(255, 0, 0);
const QColor Tfrm_exe::RightColour = QColor(0, 128, 0);

Tfrm_exe::Tfrm_exe(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint)
{
    setObjectName(QStringLiteral("frm_exe"));
    setWindowTitle(QStringLiteral("Do exercises"));
    setFixedSize(ClientWidth, ClientHeight);

    auto *validator = new ExerciseValidator(this);
    QLabel **labels[SumCount] = {&Label1, &Label2, &Label3, &Label4, &Label5};
    QLineEdit **edits[SumCount] = {&Edit1, &Edit2, &Edit3, &Edit4, &Edit5};
    // The boxes are created first, in order, so that they lead the tab order.
    for (int i = 0; i < SumCount; ++i) {
        auto *edit = new SelectingEdit(this);
        edit->setObjectName(QStringLiteral("Edit%1").arg(i + 1));
        edit->setGeometry(72, 8 + 24 * i, 89, 21);
        edit->setValidator(validator);
        edit->setText(QStringLiteral("???"));
        *edits[i] = edit;
        setBoxColour(i + 1, WrongColour);
        connect(edit, &QLineEdit::textChanged, this, [this, i] { EditChange(i + 1); });
    }
    BitBtn1 = new QPushButton(QStringLiteral("OK"), this);
    BitBtn1->setGeometry(8, 136, 75, 25);
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    BitBtn2 = new QPushButton(QStringLiteral("Cancel"), this);
    BitBtn2->setGeometry(88, 136, 75, 25);
    connect(BitBtn2, &QPushButton::clicked, this, [this] { reject(); });
    for (int i = 0; i < SumCount; ++i) {
        auto *label = new QLabel(QStringLiteral("Label%1").arg(i + 1), this);
        label->setGeometry(8, 12 + 24 * i, 62, 13);
        *labels[i] = label;
    }
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
        expectedSum(i) = sum.result();
        SumLabel(i)->setText(sum.label());
    }
    ExercisesDone = false;
    Edit1->setFocus();
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
    CheckExercisesDone();
    if (ExercisesDone)
        return;
    if (i < SumCount)
        AnswerBox(i + 1)->setFocus();
    else
        FocusFirstWrongSum();
}

void Tfrm_exe::CheckExercisesDone()
{
    bool allRight = true;
    for (int i = 1; i <= SumCount; ++i)
        allRight = allRight && BoxColour(i) == RightColour;
    if (allRight)
        ExercisesDone = true;
    if (ExercisesDone)
        PressOkButton();
}

void Tfrm_exe::PressOkButton()
{
    // The box that just turned green is drawn before the dialog goes.
    for (int i = 1; i <= SumCount; ++i)
        AnswerBox(i)->repaint();
    done(ResultOk);
}

void Tfrm_exe::FocusFirstWrongSum()
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
    CheckExercisesDone();
    if (!ExercisesDone) // when done, PressOkButton has closed the dialog
        done(ResultOk);
}

bool Tfrm_exe::FormCloseQuery(int result)
{
    if (result != ResultOk)
        return Dialogs::Confirm(this, QStringLiteral("Stop test?"));
    if (!ExercisesDone) {
        Dialogs::ShowMessage(this, QStringLiteral("You need to finish exercises!"));
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
