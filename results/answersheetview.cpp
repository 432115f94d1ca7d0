#include "results/answersheetview.h"

#include <QPainter>
#include <QPalette>

AnswerSheetModel::AnswerSheetModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

AnswerSheetModel::~AnswerSheetModel() = default;

void AnswerSheetModel::setRowCount(int rows)
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
}

void AnswerSheetModel::setCell(int column, int row, const QString &text)
{
    if (row < 0 || row >= m_sheet.RowCount() || column < 0 || column >= AnswerSheet::Columns)
        return;
    m_sheet.SetCell(column, row, text);
    // A changed Text changes how its Answer is drawn.
    emit dataChanged(index(row, column), index(row, AnswerSheet::Columns - 1));
}

void AnswerSheetModel::clear()
{
    m_sheet.Clear();
    emit dataChanged(index(0, 0), index(m_sheet.RowCount() - 1, AnswerSheet::Columns - 1));
}

void AnswerSheetModel::replace(AnswerSheet sheet)
{
    beginResetModel();
    m_sheet = std::move(sheet);
    endResetModel();
}

int AnswerSheetModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : m_sheet.RowCount(); }

int AnswerSheetModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : AnswerSheet::Columns;
}

QVariant AnswerSheetModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const int row = index.row();
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        return m_sheet.Cell(column, row);
    case Qt::AccessibleTextRole:
        if (column == AnswerSheet::Answer)
            return AnswerAccessibleText(m_sheet.Cell(AnswerSheet::Text, row), m_sheet.Cell(column, row));
        return m_sheet.Cell(column, row);
    case Qt::AccessibleDescriptionRole:
        if (column == AnswerSheet::Answer && !IsRowRight(m_sheet, row))
            return QStringLiteral("wrong answer");
        return {};
    default:
        return {};
    }
}

Qt::ItemFlags AnswerSheetModel::flags(const QModelIndex &index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

QString AnswerAccessibleText(const QString &element, const QString &answer)
{
    if (IsAnswerRight(element, answer))
        return answer;
    if (answer.isEmpty())
        return QStringLiteral("wrong: no answer");
    return QStringLiteral("wrong: ") + answer;
}

AnswerCellLook LookOfAnswerCell(const QString &element, const QString &answer, const QRect &cell, bool selected,
                                bool active, const QPalette &palette)
{
    AnswerCellLook look;
    look.wrong = !IsAnswerRight(element, answer);
    look.textAt = QPoint(cell.left() + cell.width() / 10, cell.top() + cell.height() / 10);
    if (look.wrong) {
        look.colour = QColor(255, 0, 0);
    } else {
        const QPalette::ColorGroup group = active ? QPalette::Active : QPalette::Inactive;
        look.colour = palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text);
    }
    return look;
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
