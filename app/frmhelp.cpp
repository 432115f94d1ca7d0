#include "app/frmhelp.h"

#include "app/appinfo.h"
#include "platform/platform.h"

#include <QBoxLayout>
#include <QDir>
#include <QLabel>
#include <QPushButton>

Tfrm_help::Tfrm_help(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint)
{
    setWindowTitle(tr("About"));
    Label1 = new QLabel(tr("Help is available here - %1").arg(AppInfo::WebAddress), this);
    // The address can be selected and copied with the keyboard too.
    Label1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // Where this session keeps its files, as a path to copy: plain text, so
    // a folder name that looks like markup shows as it is.
    Label2 = new QLabel(this);
    Label2->setTextFormat(Qt::PlainText);
    Label2->setText(tr("Your data is kept in %1").arg(QDir::toNativeSeparators(Platform::DataDir())));
    Label2->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    BitBtn1 = new QPushButton(tr("&OK"), this);
    BitBtn1->setDefault(true);
    BitBtn1->setMinimumSize(93, 25);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);

    // The texts at the top left, OK centred below them; the form's size is the
    // least the window takes.
    auto *button = new QHBoxLayout;
    button->addStretch();
    button->addWidget(BitBtn1);
    button->addStretch();
    auto *form = new QVBoxLayout(this);
    form->setContentsMargins(48, 24, 24, 26);
    form->setSpacing(0);
    form->addWidget(Label1);
    form->addSpacing(12);
    form->addWidget(Label2);
    form->addSpacing(24);
    form->addStretch();
    form->addLayout(button);
    setFixedSize(sizeHint().expandedTo(QSize(312, 143)));
    BitBtn1->setFocus();
}

Tfrm_help::~Tfrm_help() = default;
