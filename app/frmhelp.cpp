#include "app/frmhelp.h"

#include "app/appinfo.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPushButton>

Tfrm_help::Tfrm_help(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint)
{
    setWindowTitle(QStringLiteral("About"));
    Label1 = new QLabel(QStringLiteral("Help is available here - ") + AppInfo::WebAddress, this);
    // The address can be selected and copied with the keyboard too.
    Label1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    BitBtn1 = new QPushButton(QStringLiteral("&OK"), this);
    BitBtn1->setDefault(true);
    BitBtn1->setMinimumSize(93, 25);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);

    // The text at the top left, OK centred below it; the form's size is the
    // least the window takes.
    auto *button = new QHBoxLayout;
    button->addStretch();
    button->addWidget(BitBtn1);
    button->addStretch();
    auto *form = new QVBoxLayout(this);
    form->setContentsMargins(48, 24, 24, 26);
    form->setSpacing(0);
    form->addWidget(Label1);
    form->addSpacing(24);
    form->addStretch();
    form->addLayout(button);
    setFixedSize(sizeHint().expandedTo(QSize(312, 143)));
    BitBtn1->setFocus();
}

Tfrm_help::~Tfrm_help() = default;
