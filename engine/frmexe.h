#pragma once

#include <QDialog>

// The exercises dialog: five sums between the presentation and the recall
// phase of a run. Ends with 1 (all five right) or 2 (given up).
class Tfrm_exe : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Tfrm_exe)

public:
    static constexpr int ResultOk = 1;
    static constexpr int ResultCancel = 2;

    explicit Tfrm_exe(QWidget *parent = nullptr);
    ~Tfrm_exe() override;
};
