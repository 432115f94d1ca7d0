#pragma once

#include <QDialog>

class Tfrm_name;

// The module editor: the only writer of modules.ini.
class Tfrm_modules : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Tfrm_modules)

public:
    explicit Tfrm_modules(QWidget *parent = nullptr);
    ~Tfrm_modules() override;

    void SetNamePrompt(Tfrm_name *prompt);
};
