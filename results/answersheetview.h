#pragma once

// The AnswerSheet as the report window shows it: a table model over the
// sheet, the look of an Answer cell, and the delegate that draws it.

#include "results/analysis.h"
#include "results/answersheet.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QPoint>
#include <QStyledItemDelegate>

#include <functional>
#include <optional>

class QPalette;

// Holds the sheet of the report window. Every change goes through here so
// that a view follows the cells the runner writes during a run. Beside the
// sheet's three columns a fourth says what kind of mistake each row holds
// (Analysis::RowText); the analysis is made again after a change, when it
// is next asked for.
class AnswerSheetModel : public QAbstractTableModel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AnswerSheetModel)

public:
    explicit AnswerSheetModel(QObject *parent = nullptr);
    ~AnswerSheetModel() override;

    static constexpr int KindColumn = AnswerSheet::Columns;
    static constexpr int ColumnCount = AnswerSheet::Columns + 1;

    const AnswerSheet &Sheet() const { return m_sheet; }
    const Analysis::Result &CurrentAnalysis() const;
    // Whether the analysis counts letter case (the Scoring choice).
    void SetLetterCase(Qt::CaseSensitivity letterCase);
    Qt::CaseSensitivity LetterCase() const { return m_letterCase; }
    void SetRowCount(int rows);
    void SetCell(int column, int row, const QString &text);
    void Clear();
    void Replace(AnswerSheet sheet);
    // The column headings (Number, Text, Answer, Kind), for the header.
    void SetHeadings(const QStringList &headings);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    // Display: the cell's text. Answer cells that are wrong also say so to
    // assistive technology (AccessibleTextRole, AccessibleDescriptionRole).
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    void changed();

    AnswerSheet m_sheet;
    Qt::CaseSensitivity m_letterCase = Qt::CaseSensitive;
    QStringList m_headings;
    mutable std::optional<Analysis::Result> m_analysis;
};

// What a screen reader announces for an Answer cell: the answer, with
// "wrong: " before it when it differs from its Element, and why when the
// two look alike: "wrong: cat  (blanks differ)".
QString AnswerAccessibleText(const QString &element, const QString &answer, bool blanksLost = false);

// How an Answer cell's text is drawn: at a tenth of the cell's width and
// height from its top left; a wrong answer red and struck out, a right
// one in the grid's text colour for the cell (normal or selected).
//
// A wrong answer also carries a mark that needs neither the colour nor the
// strike line (which merges with B, E, F, 1, 5 or x): "✗" before it, and
// "✗ (no answer)" for an empty one. When it differs from its Element only
// in blanks, its blanks are shown as "␣" (else those at its ends, and any
// but a single space between words); when it is the Element in another
// Unicode form, a note says so.
// The red of a wrong answer: 4.5:1 and more on the sheet's white cells
// and on its light highlight.
inline const QColor WrongAnswerColour(192, 0, 0);

struct AnswerCellLook
{
    bool wrong = false;
    QColor colour;
    QPoint textAt;
    QString mark; // drawn before the text, not struck out
    QString text; // the answer as drawn; struck out when wrong
    QString note; // drawn after the text, not struck out
};
// `blanksLost`: the row is wrong though element and answer agree (see
// AnswerSheet::BlanksLost); a note says why.
AnswerCellLook LookOfAnswerCell(const QString &element, const QString &answer, const QRect &cell, bool selected,
                                bool active, const QPalette &palette, bool blanksLost = false);

// The whole of what an Answer cell shows: mark, text and note.
QString AnswerShownText(const QString &element, const QString &answer, bool blanksLost = false);

// Draws every cell the default way, then hands Answer cells to `drawCell`
// (column, row, rectangle) to be drawn over.
class AnswerSheetDelegate : public QStyledItemDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AnswerSheetDelegate)

public:
    using DrawCell = std::function<void(QPainter *, int, int, const QRect &, const QStyleOptionViewItem &)>;
    AnswerSheetDelegate(DrawCell drawCell, QObject *parent = nullptr);
    ~AnswerSheetDelegate() override;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    DrawCell m_drawCell;
};
