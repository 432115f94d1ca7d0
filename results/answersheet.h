#pragma once

#include <QString>
#include <QVector>

// The table of one run: one row per Element, columns 0 Number, 1 Text,
// 2 Answer. Never fewer than one row.
class AnswerSheet
{
public:
    static constexpr int Columns = 3;

    AnswerSheet();
    int RowCount() const { return int(m_rows.size()); }
    // Shrinking drops the rows beyond; growth adds empty ones. At least one row.
    void SetRowCount(int rows);
    // An absent cell reads as the empty text; writes outside are ignored.
    QString Cell(int column, int row) const;
    void SetCell(int column, int row, const QString &text);
    void Clear();

private:
    struct Row
    {
        QString cells[Columns];
    };
    QVector<Row> m_rows;
};

// The correctness rule: an answer is right when it equals its Element
// text exactly (letter case and blanks count).
bool IsAnswerRight(const QString &element, const QString &answer);
