#include "results/answersheetview.h"

#include "platform/dialogs.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPalette>
#include <QRect>

AnswerSheetModel::AnswerSheetModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

AnswerSheetModel::~AnswerSheetModel() = default;

const Analysis::Result &AnswerSheetModel::CurrentAnalysis() const
{
    if (!m_analysis)
        m_analysis = Analysis::Analyse(m_sheet, m_letterCase);
    return *m_analysis;
}

void AnswerSheetModel::SetLetterCase(Qt::CaseSensitivity letterCase)
{
    if (letterCase == m_letterCase)
        return;
    m_letterCase = letterCase;
    changed();
}

// Any change can move the alignment of every row.
void AnswerSheetModel::changed()
{
    m_analysis.reset();
    emit dataChanged(index(0, KindColumn), index(m_sheet.RowCount() - 1, KindColumn));
}

void AnswerSheetModel::SetRowCount(int rows)
{
    const int before = m_sheet.RowCount();
    const int after = rows < 1 ? 1 : rows;
    if (after > before) {
        beginInsertRows(QModelIndex(), before, after - 1);
        m_sheet.SetRowCount(after);
        endInsertRows();
    } else if (after < before) {
        beginRemoveRows(QModelIndex(), after, before - 1);
        m_sheet.SetRowCount(after);
        endRemoveRows();
    }
    changed();
}

void AnswerSheetModel::SetCell(int column, int row, const QString &text)
{
    if (row < 0 || row >= m_sheet.RowCount() || column < 0 || column >= AnswerSheet::Columns)
        return;
    m_sheet.SetCell(column, row, text);
    // A changed Text changes how its Answer is drawn.
    emit dataChanged(index(row, column), index(row, AnswerSheet::Columns - 1));
    changed();
}

void AnswerSheetModel::Clear()
{
    m_sheet.Clear();
    emit dataChanged(index(0, 0), index(m_sheet.RowCount() - 1, AnswerSheet::Columns - 1));
    changed();
}

void AnswerSheetModel::Replace(AnswerSheet sheet)
{
    beginResetModel();
    m_sheet = std::move(sheet);
    m_analysis.reset();
    endResetModel();
}

int AnswerSheetModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : m_sheet.RowCount(); }

int AnswerSheetModel::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant AnswerSheetModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const int row = index.row();
    const int column = index.column();
    if (column == KindColumn) {
        if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole && role != Qt::ToolTipRole)
            return {};
        const QString text = Analysis::RowText(CurrentAnalysis(), row);
        return role == Qt::ToolTipRole ? QVariant(Dialogs::PlainToolTip(text)) : QVariant(text);
    }
    switch (role) {
    case Qt::DisplayRole:
        return m_sheet.Cell(column, row);
    case Qt::AccessibleTextRole:
        if (column == AnswerSheet::Answer)
            return AnswerAccessibleText(m_sheet.Cell(AnswerSheet::Text, row), m_sheet.Cell(column, row),
                                        m_sheet.BlanksLost(row));
        return m_sheet.Cell(column, row);
    case Qt::ToolTipRole: {
        // The whole of a text that its column may be too narrow for.
        const QString tip = Dialogs::PlainToolTip(
            column == AnswerSheet::Answer ? AnswerShownText(m_sheet.Cell(AnswerSheet::Text, row),
                                                            m_sheet.Cell(column, row), m_sheet.BlanksLost(row))
                                          : m_sheet.Cell(column, row));
        return tip.isEmpty() ? QVariant() : QVariant(tip);
    }
    case Qt::AccessibleDescriptionRole:
        if (column == AnswerSheet::Answer && !IsRowRight(m_sheet, row))
            return QCoreApplication::translate("AnswerSheet", "wrong answer");
        return {};
    default:
        return {};
    }
}

void AnswerSheetModel::SetHeadings(const QStringList &headings)
{
    m_headings = headings;
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
}

QVariant AnswerSheetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < m_headings.size())
        return m_headings.at(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags AnswerSheetModel::flags(const QModelIndex &index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

namespace {

QString blanksLostNote() { return QCoreApplication::translate("AnswerSheet", " (blanks lost in the file)"); }

QString unicodeNote() { return QCoreApplication::translate("AnswerSheet", " (another Unicode form)"); }

// Why a wrong answer looks like its Element, if it does.
struct LookAlike
{
    bool blanks = false;  // the two differ only in blanks
    bool unicode = false; // the same text in another Unicode form
};

QString withoutBlanks(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text)
        if (!c.isSpace())
            out += c;
    return out;
}

LookAlike lookAlike(const QString &element, const QString &answer)
{
    LookAlike why;
    why.blanks = withoutBlanks(answer) == withoutBlanks(element);
    why.unicode = answer.normalized(QString::NormalizationForm_C) == element.normalized(QString::NormalizationForm_C);
    return why;
}

// The answer with the blanks that can't be seen shown as "␣": every one,
// or those at its ends and any but a single space between two words.
QString visibleBlanks(const QString &answer, bool every)
{
    static const QChar shown(0x2423);
    QString out = answer;
    for (qsizetype i = 0; i < out.size(); ++i) {
        if (!answer.at(i).isSpace())
            continue;
        const bool atEnd = i == 0 || i == answer.size() - 1;
        if (every || atEnd || answer.at(i) != QLatin1Char(' ') || answer.at(i - 1).isSpace()
            || answer.at(i + 1).isSpace())
            out[i] = shown;
    }
    return out;
}

} // namespace

QString AnswerAccessibleText(const QString &element, const QString &answer, bool blanksLost)
{
    const bool right = IsAnswerRight(element, answer);
    if (right && blanksLost)
        return QCoreApplication::translate("AnswerSheet", "wrong: %1 (blanks lost in the file)").arg(answer);
    if (right)
        return answer;
    if (answer.isEmpty())
        return QCoreApplication::translate("AnswerSheet", "wrong: blank (no answer)");
    const LookAlike why = lookAlike(element, answer);
    return why.unicode  ? QCoreApplication::translate("AnswerSheet", "wrong: %1 (another Unicode form)").arg(answer)
           : why.blanks ? QCoreApplication::translate("AnswerSheet", "wrong: %1 (blanks differ)").arg(answer)
                        : QCoreApplication::translate("AnswerSheet", "wrong: %1").arg(answer);
}

AnswerCellLook LookOfAnswerCell(const QString &element, const QString &answer, const QRect &cell, bool selected,
                                bool active, const QPalette &palette, bool blanksLost)
{
    AnswerCellLook look;
    look.wrong = blanksLost || !IsAnswerRight(element, answer);
    look.textAt = QPoint(cell.left() + cell.width() / 10, cell.top() + cell.height() / 10);
    look.text = answer;
    if (look.wrong) {
        look.colour = WrongAnswerColour;
        look.mark = QStringLiteral("\u2717 ");
        const LookAlike why = lookAlike(element, answer);
        look.text = visibleBlanks(answer, why.blanks);
        if (IsAnswerRight(element, answer))
            look.note = blanksLostNote();
        else if (answer.isEmpty())
            look.note = QCoreApplication::translate("AnswerSheet", "(no answer)");
        else if (why.unicode)
            look.note = unicodeNote();
    } else {
        const QPalette::ColorGroup group = active ? QPalette::Active : QPalette::Inactive;
        look.colour = palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text);
    }
    return look;
}

QString AnswerShownText(const QString &element, const QString &answer, bool blanksLost)
{
    const AnswerCellLook look = LookOfAnswerCell(element, answer, QRect(), false, true, QPalette(), blanksLost);
    return look.mark + look.text + look.note;
}

AnswerSheetDelegate::AnswerSheetDelegate(DrawCell drawCell, QObject *parent)
    : QStyledItemDelegate(parent)
    , m_drawCell(std::move(drawCell))
{
}

AnswerSheetDelegate::~AnswerSheetDelegate() = default;

void AnswerSheetDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyledItemDelegate::paint(painter, option, index);
    if (index.column() == AnswerSheet::Answer && m_drawCell)
        m_drawCell(painter, index.column(), index.row(), option.rect, option);
}
