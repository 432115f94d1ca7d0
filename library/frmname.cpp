#include "library/frmname.h"

// Placeholder: the name prompt is filled in by its own change.
Tfrm_name::Tfrm_name(QWidget *parent) : QDialog(parent) { setWindowTitle(QStringLiteral("Name")); }
Tfrm_name::~Tfrm_name() = default;
