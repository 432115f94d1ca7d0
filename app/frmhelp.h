#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The About dialog.
class Tfrm_help : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Tfrm_help)

public:
    explicit Tfrm_help(QWidget *parent = nullptr);
    ~Tfrm_help() override;

    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr; // the data folder in use
    QPushButton *BitBtn1 = nullptr;
};
