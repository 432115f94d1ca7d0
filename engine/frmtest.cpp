#include "engine/frmtest.h"

// Placeholder: the runner is filled in by its own change.
Tfrm_test::Tfrm_test(QWidget *parent) : QDialog(parent) { setWindowTitle(QStringLiteral("Test")); }
Tfrm_test::~Tfrm_test() = default;
void Tfrm_test::SetPeers(RunHost *, Tfrm_exe *, Tfrm_results *, Tfrm_options *) {}
