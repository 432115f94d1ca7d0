#include "engine/selectingedit.h"

#include <QFocusEvent>

SelectingEdit::SelectingEdit(QWidget *parent)
    : QLineEdit(parent)
{
}

SelectingEdit::~SelectingEdit() = default;

void SelectingEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    if (event->reason() != Qt::MouseFocusReason)
        selectAll();
}
