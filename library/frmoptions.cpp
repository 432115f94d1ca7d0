#include "library/frmoptions.h"

// Placeholder: the options dialog is filled in by its own change.
Tfrm_options::Tfrm_options(QWidget *parent) : QDialog(parent) { setWindowTitle(QStringLiteral("Options")); }
Tfrm_options::~Tfrm_options() = default;
void Tfrm_options::LoadOptions() {}
QString Tfrm_options::NumberOfElementsText(Page) const { return QStringLiteral("20"); }
QString Tfrm_options::TimerText() const { return QStringLiteral("6000"); }
QString Tfrm_options::ModuleName(Page) const { return {}; }
int Tfrm_options::ElementTotal(Page) const { return 0; }
QString Tfrm_options::ElementAt(Page, int) const { return {}; }
int Tfrm_options::RangeFrom(Page) const { return -1; }
int Tfrm_options::RangeTo(Page) const { return -1; }
bool Tfrm_options::DoExercises() const { return true; }
bool Tfrm_options::UnlimitedTime() const { return false; }
bool Tfrm_options::ShowSerialNumber() const { return true; }
void Tfrm_options::FormShow() {}
void Tfrm_options::ComboBox1Change() {}
void Tfrm_options::ComboBox4Change() {}
void Tfrm_options::BitBtn1Click() {}
void Tfrm_options::showEvent(QShowEvent *event) { QDialog::showEvent(event); }
