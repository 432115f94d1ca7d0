#include "engine/frmexe.h"

// Placeholder: the exercises dialog is filled in by its own change.
Tfrm_exe::Tfrm_exe(QWidget *parent) : QDialog(parent) { setWindowTitle(QStringLiteral("Do exercises")); }
Tfrm_exe::~Tfrm_exe() = default;
