#include "library/frmname.h"

#include "platform/okcancel.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include <limits>

Tfrm_name::Tfrm_name(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frm_name"));
    setWindowTitle(tr("Name"));

    Label1 = new QLabel(tr("&Module name"), this);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMaxLength(std::numeric_limits<int>::max());
    Edit1->setAccessibleName(tr("Module name"));
    Label1->setBuddy(Edit1);
    Label2 = new QLabel(tr("&Pattern"), this);
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setAccessibleName(tr("Pattern"));
    Label2->setBuddy(ComboBox1);
    Label2->hide();
    ComboBox1->hide();
    connect(ComboBox1, &QComboBox::activated, this, [this](int index) {
        if (index >= 0 && index < m_patternNames.size())
            Edit1->setText(m_patternNames.at(index));
    });

    const Dialogs::OkCancel pair =
        Dialogs::MakeOkCancel(this, tr("&OK"), tr("&Cancel"), QStringLiteral("BitBtn1"), QStringLiteral("BitBtn2"));
    BitBtn1 = pair.ok;
    BitBtn2 = pair.cancel;
    BitBtn2->setAutoDefault(false);

    // The pair in the middle of its row.
    QHBoxLayout *buttons = Dialogs::OkCancelRow(pair);
    buttons->addStretch(1);
    auto *form = new QVBoxLayout(this);
    form->addWidget(Label2);
    form->addWidget(ComboBox1);
    form->addWidget(Label1);
    form->addWidget(Edit1);
    form->addStretch(1);
    form->addLayout(buttons);
    setTabOrder(ComboBox1, Edit1);
    setTabOrder(Edit1, BitBtn1);
    setTabOrder(BitBtn1, BitBtn2);

    // The prompt keeps its designed size unless the system font needs more.
    ensurePolished();
    setFixedSize(sizeHint().expandedTo(QSize(255, 105)));

    // Esc rejects the dialog, which is the Cancel result.
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
}

Tfrm_name::~Tfrm_name() = default;

void Tfrm_name::FormShow()
{
    Edit1->clear();
    Edit1->setFocus(Qt::OtherFocusReason);
    if (m_patternNames.isEmpty())
        return;
    ComboBox1->setCurrentIndex(0);
    Edit1->setText(m_patternNames.value(0));
    ComboBox1->setFocus(Qt::OtherFocusReason);
}

void Tfrm_name::AskPattern(const QStringList &patterns, const QStringList &names)
{
    m_patternNames = names;
    ComboBox1->clear();
    ComboBox1->addItems(patterns);
    const bool asked = !patterns.isEmpty();
    Label2->setVisible(asked);
    ComboBox1->setVisible(asked);
    setWindowTitle(asked ? tr("New from a pattern") : tr("Name"));
    setFixedSize(sizeHint().expandedTo(QSize(255, 105)));
}

int Tfrm_name::PatternIndex() const { return m_patternNames.isEmpty() ? -1 : ComboBox1->currentIndex(); }

void Tfrm_name::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}
