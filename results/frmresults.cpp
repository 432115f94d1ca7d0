#include "results/frmresults.h"

// Placeholder: the report window is filled in by its own change.
Tfrm_results::Tfrm_results(QWidget *parent) : QDialog(parent) { setWindowTitle(QStringLiteral("Report")); }
Tfrm_results::~Tfrm_results() = default;
int Tfrm_results::RowCount() const { return m_sheet.RowCount(); }
void Tfrm_results::SetRowCount(int rows) { m_sheet.SetRowCount(rows); }
QString Tfrm_results::Cell(int column, int row) const { return m_sheet.Cell(column, row); }
void Tfrm_results::SetCell(int column, int row, const QString &text) { m_sheet.SetCell(column, row, text); }
const AnswerSheet &Tfrm_results::Sheet() const { return m_sheet; }
void Tfrm_results::ResetReport(int elementCount) { m_sheet.SetRowCount(elementCount); m_sheet.Clear(); }
void Tfrm_results::ClearAnswerSheet() { m_sheet.Clear(); }
void Tfrm_results::ComputeReport(const RunState &, int) {}
void Tfrm_results::SaveResult(const RunState &) {}
void Tfrm_results::Reopen(const QString &, const QString &) {}
QString Tfrm_results::TotalText() const { return {}; }
QString Tfrm_results::RightText() const { return {}; }
QString Tfrm_results::ErrorsText() const { return {}; }
QString Tfrm_results::TimeText() const { return {}; }
QString Tfrm_results::KoeffText() const { return {}; }
QString Tfrm_results::MarkText() const { return {}; }
void Tfrm_results::SetReportLabels(const QString &, const QString &, const QString &, const QString &) {}
void Tfrm_results::FormShow() {}
void Tfrm_results::BitBtn1Click() { accept(); }
void Tfrm_results::showEvent(QShowEvent *event) { QDialog::showEvent(event); }
