#pragma once

#include <QString>
#include <QVector>

// The table of one run: one row per Element, columns 0 Number, 1 Text,
// 2 Answer. Row r belongs to Element number r + 1. Never fewer than one row.
class AnswerSheet
{
public:
    static constexpr int Columns = 3;
    enum Column { Number = 0, Text = 1, Answer = 2 };

    AnswerSheet();
    int RowCount() const { return int(m_rows.size()); }
    // Shrinking drops the rows beyond; growth adds empty ones. A request for
    // fewer than one row yields one.
    void SetRowCount(int rows);
    // An absent cell reads as the empty text; writes outside are ignored.
    QString Cell(int column, int row) const;
    void SetCell(int column, int row, const QString &text);
    // Empties every cell, keeping the size.
    void Clear();

    // A row of a stored run whose answer was wrong, though its cells agree:
    // the results file lost, in trimming, the blanks that told them apart.
    void SetBlanksLost(int row);
    bool BlanksLost(int row) const;

private:
    struct Row
    {
        QString cells[Columns];
        bool blanksLost = false;
    };
    QVector<Row> m_rows;
};

// The correctness rule, the one place that decides it: an answer is right
// when it equals its Element text exactly (letter case and blanks count).
bool IsAnswerRight(QStringView element, QStringView answer);

// Whether row `row` of the sheet holds a right answer (never a row whose
// blanks were lost).
bool IsRowRight(const AnswerSheet &sheet, int row);

// What the answer box shows until a key is typed; an Element left
// untouched is stored so.
inline constexpr QStringView UntouchedAnswer = u"???";

// Whether an answer gives nothing: empty, or the untouched "???". The
// Koeff keeps the exact rule; the kinds of mistake and the scoring rules
// read such an answer as blank.
bool IsNoAnswer(QStringView answer);

// How the kinds of mistake and the scoring rules compare an answer with
// its Element: as the correctness rule does, or with letter case ignored.
// An answer that gives nothing is right only for an empty Element.
bool IsAnswerRightAs(QStringView element, QStringView answer, Qt::CaseSensitivity letterCase);

// The report values of one run, held as the texts the report shows and
// the results store keeps.
struct RunReport
{
    QString Total;  // rows of the sheet
    QString Right;  // Total - Errors
    QString Errors; // the runner's mistake count
    QString Time;   // "H:M:S  Average time for each number: A sec."
    QString Koeff;  // hundredths, "," as separator
    QString Mark;   // "2" ... "5", "Master"
};
