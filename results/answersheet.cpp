#include "results/answersheet.h"

AnswerSheet::AnswerSheet() { m_rows.resize(1); }

void AnswerSheet::SetRowCount(int rows) { m_rows.resize(rows < 1 ? 1 : rows); }

QString AnswerSheet::Cell(int column, int row) const
{
    if (row < 0 || row >= m_rows.size() || column < 0 || column >= Columns)
        return QString();
    return m_rows.at(row).cells[column];
}

void AnswerSheet::SetCell(int column, int row, const QString &text)
{
    if (row < 0 || row >= m_rows.size() || column < 0 || column >= Columns)
        return;
    m_rows[row].cells[column] = text;
}

void AnswerSheet::Clear()
{
    for (Row &row : m_rows) {
        for (QString &cell : row.cells)
            cell.clear();
        row.blanksLost = false;
    }
}

void AnswerSheet::SetBlanksLost(int row)
{
    if (row >= 0 && row < m_rows.size())
        m_rows[row].blanksLost = true;
}

bool AnswerSheet::BlanksLost(int row) const { return row >= 0 && row < m_rows.size() && m_rows.at(row).blanksLost; }

bool IsAnswerRight(QStringView element, QStringView answer) { return element == answer; }

bool IsNoAnswer(QStringView answer) { return answer.isEmpty() || answer == UntouchedAnswer; }

bool IsAnswerRightAs(QStringView element, QStringView answer, Qt::CaseSensitivity letterCase)
{
    if (IsNoAnswer(answer))
        return element.isEmpty();
    return element.compare(answer, letterCase) == 0;
}

bool IsRowRight(const AnswerSheet &sheet, int row)
{
    return !sheet.BlanksLost(row)
           && IsAnswerRight(sheet.Cell(AnswerSheet::Text, row), sheet.Cell(AnswerSheet::Answer, row));
}
