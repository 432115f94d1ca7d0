#include "library/frmname.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

#include <limits>

Tfrm_name::Tfrm_name(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(QStringLiteral("Name"));
    setFixedSize(255, 105);

    Label1 = new QLabel(QStringLiteral("Module name"), this);
    Label1->move(16, 12);
    Label1->adjustSize();
    Edit1 = new QLineEdit(this);
    Edit1->setGeometry(16, 32, 223, 23);
    Edit1->setMaxLength(std::numeric_limits<int>::max());
    Label1->setBuddy(Edit1);

    BitBtn1 = new QPushButton(QStringLiteral("OK"), this);
    BitBtn1->setGeometry(48, 68, 75, 25);
    BitBtn1->setDefault(true);
    BitBtn2 = new QPushButton(QStringLiteral("Cancel"), this);
    BitBtn2->setGeometry(132, 68, 75, 25);
    BitBtn2->setAutoDefault(false);
    // Esc rejects the dialog, which is the Cancel result.
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
}

Tfrm_name::~Tfrm_name() = default;

void Tfrm_name::FormShow()
{
    Edit1->clear();
    Edit1->setFocus(Qt::OtherFocusReason);
}

void Tfrm_name::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}
