#include "results/frmresults.h"

#include "app/dialogs.h"
#include "results/answersheetview.h"
#include "results/resultsstore.h"
#include "results/scoring.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QTableWidget>

namespace {

constexpr int ClientWidth = 417;
constexpr int ClientHeight = 376;
constexpr int ColumnWidth = 133;
constexpr int RowHeight = 18;

void fixColumns(QHeaderView *header, int count)
{
    header->setMinimumSectionSize(0);
    header->setDefaultSectionSize(ColumnWidth);
    header->setSectionResizeMode(QHeaderView::Fixed);
    for (int c = 0; c < count; ++c)
        header->resizeSection(c, ColumnWidth);
}

// A caption label with its value label right after it.
QLabel *valueAfter(QWidget *parent, QLabel *caption)
{
    auto *value = new QLabel(QStringLiteral("0"), parent);
    const int x = caption->x() + caption->sizeHint().width();
    value->setGeometry(x, caption->y(), ClientWidth - 4 - x, caption->height());
    return value;
}

} // namespace

Tfrm_results::Tfrm_results(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Report"));
    setFixedSize(ClientWidth, ClientHeight);

    StringGrid2 = new QTableWidget(0, AnswerSheet::Columns, this);
    StringGrid2->setObjectName(QStringLiteral("StringGrid2"));
    StringGrid2->verticalHeader()->hide();
    StringGrid2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid2->setSelectionMode(QAbstractItemView::NoSelection);
    StringGrid2->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid2->setFocusPolicy(Qt::NoFocus);
    StringGrid2->horizontalHeader()->setSectionsClickable(false);
    StringGrid2->horizontalHeader()->setFixedHeight(20);
    fixColumns(StringGrid2->horizontalHeader(), AnswerSheet::Columns);
    StringGrid2->setGeometry(0, 0, ClientWidth, 22);

    m_model = new AnswerSheetModel(this);
    StringGrid1 = new QTableView(this);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setModel(m_model);
    StringGrid1->horizontalHeader()->hide();
    StringGrid1->verticalHeader()->hide();
    fixColumns(StringGrid1->horizontalHeader(), AnswerSheet::Columns);
    StringGrid1->verticalHeader()->setMinimumSectionSize(0);
    StringGrid1->verticalHeader()->setDefaultSectionSize(RowHeight);
    StringGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    StringGrid1->setShowGrid(true);
    StringGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    StringGrid1->setWordWrap(false);
    StringGrid1->setItemDelegate(new AnswerSheetDelegate(
        [this](QPainter *painter, int column, int row, const QRect &rect, const QStyleOptionViewItem &option) {
            StringGrid1DrawCell(painter, column, row, rect, option);
        },
        StringGrid1));
    StringGrid1->setGeometry(0, 22, ClientWidth, 250);

    Label1 = new QLabel(QStringLiteral("Number of elements: "), this);
    Label2 = new QLabel(QStringLiteral("Total time: "), this);
    Label3 = new QLabel(QStringLiteral("Correct answers: "), this);
    Label4 = new QLabel(QStringLiteral("Mistakes: "), this);
    int y = 280;
    for (QLabel *caption : {Label1, Label2, Label3, Label4}) {
        caption->setGeometry(8, y, caption->sizeHint().width(), 18);
        y += 18;
    }
    Label6 = valueAfter(this, Label1);
    Label9 = valueAfter(this, Label2);
    Label7 = valueAfter(this, Label3);
    Label8 = valueAfter(this, Label4);
    Label6->setObjectName(QStringLiteral("Label6"));
    Label7->setObjectName(QStringLiteral("Label7"));
    Label8->setObjectName(QStringLiteral("Label8"));
    Label9->setObjectName(QStringLiteral("Label9"));

    // Koeff and Mark are held, never shown.
    Edit1 = new QLineEdit(this);
    Edit2 = new QLineEdit(this);
    Edit1->setVisible(false);
    Edit2->setVisible(false);

    BitBtn1 = new QPushButton(QStringLiteral("OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);
    BitBtn1->setAutoDefault(true);
    BitBtn1->setGeometry(ClientWidth - 83, ClientHeight - 33, 75, 25);
    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
}

Tfrm_results::~Tfrm_results() = default;

int Tfrm_results::RowCount() const { return m_model->sheet().RowCount(); }
void Tfrm_results::SetRowCount(int rows) { m_model->setRowCount(rows); }
QString Tfrm_results::Cell(int column, int row) const { return m_model->sheet().Cell(column, row); }
void Tfrm_results::SetCell(int column, int row, const QString &text) { m_model->setCell(column, row, text); }
const AnswerSheet &Tfrm_results::Sheet() const { return m_model->sheet(); }

void Tfrm_results::ResetReport(int elementCount)
{
    SetRowCount(elementCount);
    ClearAnswerSheet();
    const QString zero = QStringLiteral("0");
    SetReportLabels(zero, zero, zero, zero);
}

void Tfrm_results::ClearAnswerSheet() { m_model->clear(); }

void Tfrm_results::ComputeReport(const RunState &run, int mistakeCount)
{
    const auto result = Scoring::Score(Sheet(), run.TestMode, run.StartTick, run.EndTick, mistakeCount);
    if (!result)
        return;
    const RunReport &r = result->report;
    SetReportLabels(r.Total, r.Right, r.Errors, r.Time);
    Edit1->setText(r.Koeff);
    Edit2->setText(r.Mark);
}

void Tfrm_results::SaveResult(const RunState &run)
{
    const QString path = ResultsStore::FileFor(run.TestMode);
    if (path.isEmpty())
        return;
    ResultsStore::Save(path, ResultsStore::SectionName(run.StartDateTime, QLocale()), Report(), Sheet());
}

void Tfrm_results::Reopen(const QString &path, const QString &section)
{
    ResultsStore::StoredRun run = ResultsStore::Read(path, section);
    m_model->replace(std::move(run.sheet));
    SetReportLabels(run.report.Total, run.report.Right, run.report.Errors, run.report.Time);
}

QString Tfrm_results::TotalText() const { return Label6->text(); }
QString Tfrm_results::RightText() const { return Label7->text(); }
QString Tfrm_results::ErrorsText() const { return Label8->text(); }
QString Tfrm_results::TimeText() const { return Label9->text(); }
QString Tfrm_results::KoeffText() const { return Edit1->text(); }
QString Tfrm_results::MarkText() const { return Edit2->text(); }

void Tfrm_results::SetReportLabels(const QString &total, const QString &right, const QString &errors,
                                   const QString &time)
{
    Label6->setText(total);
    Label7->setText(right);
    Label8->setText(errors);
    Label9->setText(time);
}

RunReport Tfrm_results::Report() const
{
    return RunReport{TotalText(), RightText(), ErrorsText(), TimeText(), KoeffText(), MarkText()};
}

void Tfrm_results::FormShow()
{
    StringGrid2->setHorizontalHeaderLabels(
        {QStringLiteral("Number"), QStringLiteral("Text"), QStringLiteral("Answer")});
}

void Tfrm_results::BitBtn1Click() { accept(); }

void Tfrm_results::StringGrid1DrawCell(QPainter *painter, int column, int row, const QRect &rect,
                                       const QStyleOptionViewItem &option)
{
    if (column != AnswerSheet::Answer)
        return;
    const QString answer = Cell(column, row);
    const AnswerCellLook look =
        LookOfAnswerCell(Cell(AnswerSheet::Text, row), answer, rect, option.state & QStyle::State_Selected,
                         option.state & QStyle::State_Active, option.palette);

    // The background the grid chose for the cell (the base colour, and the
    // highlight of a selected row) over the default text.
    const QPalette::ColorGroup group = !(option.state & QStyle::State_Enabled) ? QPalette::Disabled
                                       : (option.state & QStyle::State_Active) ? QPalette::Active
                                                                               : QPalette::Inactive;
    painter->fillRect(rect, option.palette.brush(group, QPalette::Base));
    const QStyle *style = option.widget ? option.widget->style() : QApplication::style();
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &option, painter, option.widget);

    painter->save();
    QFont font = option.font;
    if (look.wrong)
        font.setStrikeOut(true);
    painter->setFont(font);
    painter->setPen(look.colour);
    const QRect textRect(look.textAt, rect.bottomRight());
    painter->setClipRect(rect);
    painter->drawText(textRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, answer);
    painter->restore();
}

void Tfrm_results::showEvent(QShowEvent *event)
{
    if (const QWidget *owner = parentWidget()) {
        const QRect area = owner->window()->frameGeometry();
        move(area.center() - QRect(QPoint(0, 0), frameGeometry().size()).center());
    }
    FormShow();
    QDialog::showEvent(event);
}
