#pragma once

#include <QDialog>

// The name prompt for a new Module.
class Tfrm_name : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Tfrm_name)

public:
    explicit Tfrm_name(QWidget *parent = nullptr);
    ~Tfrm_name() override;
};
