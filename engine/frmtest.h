#pragma once

#include <QDialog>

class RunHost;
class Tfrm_exe;
class Tfrm_options;
class Tfrm_results;

// The runner: carries out one test run from its showing to its close.
class Tfrm_test : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Tfrm_test)

public:
    explicit Tfrm_test(QWidget *parent = nullptr);
    ~Tfrm_test() override;

    void SetPeers(RunHost *host, Tfrm_exe *exe, Tfrm_results *results, Tfrm_options *options);
};
