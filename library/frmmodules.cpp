#include "library/frmmodules.h"

// Placeholder: the module editor is filled in by its own change.
Tfrm_modules::Tfrm_modules(QWidget *parent) : QDialog(parent) { setWindowTitle(QStringLiteral("Modules")); }
Tfrm_modules::~Tfrm_modules() = default;
void Tfrm_modules::SetNamePrompt(Tfrm_name *) {}
