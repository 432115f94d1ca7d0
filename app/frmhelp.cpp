#include "app/frmhelp.h"

#include "app/appinfo.h"

#include <QLabel>
#include <QPushButton>

Tfrm_help::Tfrm_help(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint)
{
    setWindowTitle(QStringLiteral("About"));
    setFixedSize(312, 143);
    Label1 = new QLabel(QStringLiteral("Help is available here - ") + AppInfo::WebAddress, this);
    Label1->move(48, 24);
    Label1->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Label1->adjustSize();
    BitBtn1 = new QPushButton(QStringLiteral("OK"), this);
    BitBtn1->setGeometry(112, 92, 93, 25);
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
}

Tfrm_help::~Tfrm_help() = default;
