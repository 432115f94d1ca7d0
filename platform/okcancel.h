#pragma once

// The OK and Cancel pair that closes a dialog.

#include <QString>

class QHBoxLayout;
class QPushButton;
class QWidget;

namespace Dialogs {

struct OkCancel
{
    QPushButton *ok = nullptr;
    QPushButton *cancel = nullptr;
};

// OK and Cancel on `parent`, OK the default button. The texts are the
// dialog's own, translated where the dialog translates its others; a
// button is given an object name only when one is passed.
OkCancel MakeOkCancel(QWidget *parent, const QString &okText, const QString &cancelText,
                      const QString &okName = QString(), const QString &cancelName = QString());

// A row that holds the pair at its right end: a stretch, OK, Cancel.
QHBoxLayout *OkCancelRow(const OkCancel &buttons);

} // namespace Dialogs
