#include "platform/okcancel.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace Dialogs {

OkCancel MakeOkCancel(QWidget *parent, const QString &okText, const QString &cancelText, const QString &okName,
                      const QString &cancelName)
{
    OkCancel buttons;
    buttons.ok = new QPushButton(okText, parent);
    if (!okName.isEmpty())
        buttons.ok->setObjectName(okName);
    buttons.ok->setDefault(true);
    buttons.cancel = new QPushButton(cancelText, parent);
    if (!cancelName.isEmpty())
        buttons.cancel->setObjectName(cancelName);
    return buttons;
}

QHBoxLayout *OkCancelRow(const OkCancel &buttons)
{
    auto *row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(buttons.ok);
    row->addWidget(buttons.cancel);
    return row;
}

} // namespace Dialogs
