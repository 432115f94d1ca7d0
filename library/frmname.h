#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// The name prompt for a new Module. The module editor shows it modally and
// reads Edit1 when it ends with the OK result.
class Tfrm_name : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Tfrm_name)

public:
    explicit Tfrm_name(QWidget *parent = nullptr);
    ~Tfrm_name() override;

    // Empties the field and gives it the keyboard focus; runs at each showing.
    void FormShow();

    QLabel *Label1 = nullptr;
    QLineEdit *Edit1 = nullptr;
    QPushButton *BitBtn1 = nullptr; // OK
    QPushButton *BitBtn2 = nullptr; // Cancel

protected:
    void showEvent(QShowEvent *event) override;
};
