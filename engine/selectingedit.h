#pragma once

#include <QLineEdit>

// A one-line edit that selects its whole text whenever it receives the
// focus other than by a mouse click, so that the first key typed replaces
// what it shows ("???").
class SelectingEdit : public QLineEdit
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SelectingEdit)

public:
    explicit SelectingEdit(QWidget *parent = nullptr);
    ~SelectingEdit() override;

protected:
    void focusInEvent(QFocusEvent *event) override;
};
