#include "results/frmresults.h"
#include "results/standing.h"

#include "library/frmoptions.h"
#include "library/modules.h"
#include "library/settings.h"
#include "platform/dialogs.h"
#include "platform/platform.h"
#include "results/answersheetview.h"
#include "results/mistakes.h"
#include "results/resultsstore.h"
#include "results/scoring.h"
#include "results/sportscoring.h"
#include "results/storedruns.h"

#include <QApplication>
#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSpinBox>
#include <QStyle>
#include <QTableView>
#include <QTableWidget>

#include <algorithm>

namespace {

constexpr int ClientWidth = 417;
constexpr int ClientHeight = 376;
constexpr int ColumnWidth = 133;
constexpr int RowHeight = 18;

void setColumns(QHeaderView *header, const QList<int> &widths)
{
    header->setMinimumSectionSize(0);
    header->setSectionResizeMode(QHeaderView::Fixed);
    for (int c = 0; c < widths.size(); ++c)
        header->resizeSection(c, widths[c]);
}

// Widths for columns that need `needs` in `room`: a column that needs no
// more than an equal share of what is left gets what it needs, the others
// share the rest equally, and room to spare goes to column `stretch`.
QList<int> shareColumns(const QList<int> &needs, int room, int stretch)
{
    QList<int> widths(needs.size(), 0);
    QList<int> open;
    for (int c = 0; c < needs.size(); ++c)
        open << c;
    int left = room;
    while (!open.isEmpty()) {
        const int share = left / int(open.size());
        QList<int> wider;
        for (int c : open) {
            if (needs[c] <= share) {
                widths[c] = needs[c];
                left -= needs[c];
            } else {
                wider << c;
            }
        }
        if (wider.size() == open.size()) {
            for (int i = 0; i < wider.size(); ++i)
                widths[wider[i]] = share + (i == 0 ? left - share * int(wider.size()) : 0);
            return widths;
        }
        open = wider;
    }
    widths[stretch] += left;
    return widths;
}

// A caption with its value right after it, on row `row` of `rows` from
// `column` over `columnSpan` columns. Values may come from a file: plain text.
QLabel *valueAfter(QWidget *parent, QLabel *caption, QGridLayout *rows, int row, int columnSpan, int column = 0)
{
    auto *value = new QLabel(parent);
    // A reopened run's values come from its file: shown as they are written.
    value->setTextFormat(Qt::PlainText);
    value->setText(QStringLiteral("0"));
    auto *line = new QHBoxLayout;
    line->setSpacing(0);
    line->addWidget(caption);
    line->addWidget(value, 1);
    rows->addLayout(line, row, column, 1, columnSpan);
    return value;
}

// A line of plain text that takes the width it is given, cut short with
// "..." when it is longer; the whole text stays its tool tip and what a
// screen reader reads.
class ElidedLabel : public QLabel
{
public:
    explicit ElidedLabel(QWidget *parent)
        : QLabel(parent)
    {
        setTextFormat(Qt::PlainText);
        setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    }

    QSize sizeHint() const override { return {1, fontMetrics().height() + 2}; }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        const QRect area = contentsRect();
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                         fontMetrics().elidedText(text(), Qt::ElideRight, area.width()));
    }
};

// The light colours of the answer sheet: the red of a wrong answer keeps
// its contrast on them, in a selected row too, under any palette.
QPalette sheetPalette(QPalette palette)
{
    palette.setColor(QPalette::Base, QColor(255, 255, 255));
    palette.setColor(QPalette::AlternateBase, QColor(245, 245, 245));
    palette.setColor(QPalette::Text, QColor(0, 0, 0));
    palette.setColor(QPalette::Highlight, QColor(220, 235, 250));
    palette.setColor(QPalette::HighlightedText, QColor(0, 0, 0));
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(120, 120, 120));
    return palette;
}

// Scrolls the report's body on a screen too small for it, and asks for
// the body's whole size otherwise.
class BodyScroll : public QScrollArea
{
public:
    using QScrollArea::QScrollArea;
    QSize sizeHint() const override { return widget() ? widget()->sizeHint() : QScrollArea::sizeHint(); }
};

// The longest time text a run can show, for the width of its row.
const QString LongestTime = QStringLiteral("23:59:59  Average time for each number: 9999,99 sec.");

} // namespace

Tfrm_results::Tfrm_results(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Report"));

    buildHeadings();
    buildSheet();
    // The values below the grids, OK at the bottom right beside the last two.
    QGridLayout *values = buildValues();

    // Koeff and Mark are held, never shown.
    Edit1 = new QLineEdit(this);
    Edit2 = new QLineEdit(this);
    Edit1->setAccessibleName(tr("Koeff"));
    Edit2->setAccessibleName(tr("Mark"));
    Edit1->setVisible(false);
    Edit2->setVisible(false);

    QHBoxLayout *buttonRow = buildButtons();

    // Above the grid: what went wrong, in plain text (Elements come from a file).
    LabelSummary = new QLabel(this);
    LabelInOrder = new ElidedLabel(this);
    LabelSummary->setObjectName(QStringLiteral("LabelSummary"));
    LabelInOrder->setObjectName(QStringLiteral("LabelInOrder"));
    LabelSummary->setTextFormat(Qt::PlainText);
    LabelSummary->setWordWrap(true);

    QHBoxLayout *switches = buildScoringSwitches();
    values->addLayout(buildScoringRow(), 7, 0, 1, 2);
    values->addLayout(switches, 8, 0, 1, 2);
    values->addWidget(LabelScore, 9, 0, 1, 2);
    layOutForm(values, buttonRow);

    setTabOrder(StringGrid1, ComboScoring);
    setTabOrder(ComboScoring, SpinRowLength);
    setTabOrder(SpinRowLength, CheckLetterCase);
    setTabOrder(CheckLetterCase, CheckHalfRow);
    setTabOrder(CheckHalfRow, CheckSkippedRowEnds);
    setTabOrder(CheckSkippedRowEnds, BitBtn2);
    setTabOrder(BitBtn2, BitBtn1);
    setInitialSize();
}

// The grid of the column headings, over the sheet.
void Tfrm_results::buildHeadings()
{
    StringGrid2 = new QTableWidget(0, AnswerSheetModel::ColumnCount, this);
    StringGrid2->setObjectName(QStringLiteral("StringGrid2"));
    StringGrid2->setAccessibleName(tr("Column headings"));
    StringGrid2->verticalHeader()->hide();
    StringGrid2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid2->setSelectionMode(QAbstractItemView::NoSelection);
    StringGrid2->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid2->setFocusPolicy(Qt::NoFocus);
    StringGrid2->horizontalHeader()->setSectionsClickable(false);
    const int headerHeight = qMax(20, StringGrid2->horizontalHeader()->fontMetrics().height() + 6);
    StringGrid2->horizontalHeader()->setFixedHeight(headerHeight);
    StringGrid2->setFixedHeight(headerHeight + 2);
}

// The answer sheet: Number, Text, Answer and the kind of mistake.
void Tfrm_results::buildSheet()
{
    m_model = new AnswerSheetModel(this);
    StringGrid1 = new QTableView(this);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setAccessibleName(tr("Answer sheet"));
    StringGrid1->setAccessibleDescription(tr("Number, Text, Answer and kind of mistake of each element"));
    StringGrid1->setModel(m_model);
    StringGrid1->setPalette(sheetPalette(StringGrid1->palette()));
    StringGrid1->horizontalHeader()->hide();
    StringGrid1->verticalHeader()->hide();
    StringGrid1->verticalHeader()->setMinimumSectionSize(0);
    StringGrid1->verticalHeader()->setDefaultSectionSize(qMax(RowHeight, StringGrid1->fontMetrics().height() + 4));
    StringGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    StringGrid1->setShowGrid(true);
    StringGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab goes on to the next control; the arrow keys move in the sheet.
    StringGrid1->setTabKeyNavigation(false);
    StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    StringGrid1->setWordWrap(false);
    StringGrid1->setItemDelegate(new AnswerSheetDelegate(
        [this](QPainter *painter, int column, int row, const QRect &rect, const QStyleOptionViewItem &option) {
            StringGrid1DrawCell(painter, column, row, rect, option);
        },
        StringGrid1));
}

// The run's values, each after its caption, and the key to the marks.
QGridLayout *Tfrm_results::buildValues()
{
    auto *values = new QGridLayout;
    values->setContentsMargins(8, 8, 8, 8);
    values->setSpacing(0);
    values->setColumnStretch(0, 1);
    Label1 = new QLabel(tr("Number of elements: "), this);
    Label2 = new QLabel(tr("Total time: "), this);
    Label3 = new QLabel(tr("Correct answers: "), this);
    Label4 = new QLabel(tr("Mistakes: "), this);
    Label6 = valueAfter(this, Label1, values, 0, 2);
    Label9 = valueAfter(this, Label2, values, 1, 2);
    Label7 = valueAfter(this, Label3, values, 2, 1);
    Label8 = valueAfter(this, Label4, values, 3, 1);
    Label6->setObjectName(QStringLiteral("Label6"));
    Label7->setObjectName(QStringLiteral("Label7"));
    Label8->setObjectName(QStringLiteral("Label8"));
    Label9->setObjectName(QStringLiteral("Label9"));
    Label9->setMinimumWidth(Label9->fontMetrics().horizontalAdvance(Scoring::ShownTime(LongestTime)));
    m_koeffCaption = new QLabel(tr("Koeff: "), this);
    m_markCaption = new QLabel(tr("Mark: "), this);
    LabelKoeff = valueAfter(this, m_koeffCaption, values, 2, 1, 1);
    LabelMark = valueAfter(this, m_markCaption, values, 3, 1, 1);
    LabelKoeff->setObjectName(QStringLiteral("LabelKoeff"));
    LabelMark->setObjectName(QStringLiteral("LabelMark"));
    LabelKoeff->setText(QString());
    LabelMark->setText(QString());
    // The key to the marks, a little smaller than the values it explains.
    LabelKey = new QLabel(Scoring::KoeffKey(2) + QLatin1Char('\n') + Scoring::MarkKey(), this);
    LabelKey->setTextFormat(Qt::PlainText);
    QFont keyFont = LabelKey->font();
    keyFont.setPointSizeF(keyFont.pointSizeF() * 0.9);
    LabelKey->setFont(keyFont);
    LabelKey->setToolTip(Scoring::KoeffInWords() + QLatin1Char(' ') + Scoring::MarkKeyInWords());
    LabelKey->setAccessibleName(tr("Key to Koeff and the marks"));
    LabelKey->setAccessibleDescription(Scoring::KoeffInWords() + QLatin1Char(' ') + Scoring::MarkKeyInWords());
    LabelModule = new ElidedLabel(this);
    LabelComparison = new ElidedLabel(this);
    LabelKey->setObjectName(QStringLiteral("LabelKey"));
    LabelModule->setObjectName(QStringLiteral("LabelModule"));
    LabelComparison->setObjectName(QStringLiteral("LabelComparison"));
    values->addWidget(LabelKey, 4, 0, 1, 2);
    values->addWidget(LabelModule, 5, 0, 1, 2);
    values->addWidget(LabelComparison, 6, 0, 1, 2);
    values->setColumnMinimumWidth(1, fontMetrics().horizontalAdvance(QStringLiteral("Koeff: -999,99  ")));
    for (QLabel *label : {Label1, Label2, Label3, Label4, Label6, Label7, Label8, Label9, LabelKoeff, LabelMark,
                          LabelKey, LabelModule, LabelComparison})
        label->setMinimumHeight(18);
    return values;
}

// OK, and the drill of the mistakes, at the ends of their row.
QHBoxLayout *Tfrm_results::buildButtons()
{
    BitBtn1 = new QPushButton(tr("&OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);
    BitBtn1->setAutoDefault(true);
    BitBtn1->setMinimumSize(75, 25);
    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });

    BitBtn2 = new QPushButton(tr("&Drill mistakes"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setAutoDefault(false);
    BitBtn2->setMinimumSize(75, 25);
    BitBtn2->setAccessibleDescription(tr("Makes a Module of the elements answered wrongly and sets Training to it"));
    connect(BitBtn2, &QPushButton::clicked, this, [this] { BitBtn2Click(); });

    auto *buttons = new QHBoxLayout;
    buttons->setContentsMargins(0, 4, 0, 0);
    buttons->addWidget(BitBtn2);
    buttons->addStretch(1);
    buttons->addWidget(BitBtn1);
    return buttons;
}

// The scoring rule with its row length; LabelScore says the score.
QHBoxLayout *Tfrm_results::buildScoringRow()
{
    ComboScoring = new QComboBox(this);
    ComboScoring->setObjectName(QStringLiteral("ComboScoring"));
    ComboScoring->addItems(SportScoring::RuleNames());
    ComboScoring->setAccessibleName(tr("Scoring"));
    auto *scoringCaption = new QLabel(tr("&Scoring: "), this);
    scoringCaption->setBuddy(ComboScoring);
    SpinRowLength = new QSpinBox(this);
    SpinRowLength->setObjectName(QStringLiteral("SpinRowLength"));
    SpinRowLength->setRange(SportScoring::RowLengthMin, SportScoring::RowLengthMax);
    SpinRowLength->setValue(SportScoring::RowLengthDefault);
    SpinRowLength->setAccessibleName(tr("Elements in a row"));
    auto *rowCaption = new QLabel(tr(" &Row of: "), this);
    rowCaption->setBuddy(SpinRowLength);
    ComboScoring->setToolTip(tr("Scores the run by another rule as well; the choice is kept for the next runs"));
    SpinRowLength->setToolTip(tr("How many Elements make one row of the Rows rule"));
    LabelScore = new ElidedLabel(this);
    LabelScore->setObjectName(QStringLiteral("LabelScore"));
    auto *scoring = new QHBoxLayout;
    scoring->setContentsMargins(0, 4, 0, 0);
    scoring->addWidget(scoringCaption);
    scoring->addWidget(ComboScoring);
    scoring->addWidget(rowCaption);
    scoring->addWidget(SpinRowLength);
    scoring->addSpacing(8);
    scoring->addWidget(CheckLetterCase);
    scoring->addStretch(1);
    connect(ComboScoring, &QComboBox::currentIndexChanged, this, [this] { scoringChanged(); });
    connect(SpinRowLength, &QSpinBox::valueChanged, this, [this] { scoringChanged(); });
    return scoring;
}

// The Rows rule's switches (world championship rules when both are as
// they start) and letter case.
QHBoxLayout *Tfrm_results::buildScoringSwitches()
{
    const SportScoring::Choice defaults;
    CheckHalfRow = new QCheckBox(tr("&Half a row for one mistake"), this);
    CheckHalfRow->setObjectName(QStringLiteral("CheckHalfRow"));
    CheckHalfRow->setChecked(defaults.halfRowForOneMistake);
    CheckHalfRow->setToolTip(tr("On: a row with one mistake scores half its elements, rounded up (world championship "
                                "rules). Off: any mistake scores the row 0 (national rules)."));
    CheckSkippedRowEnds = new QCheckBox(tr("A s&kipped row ends the scoring"), this);
    CheckSkippedRowEnds->setObjectName(QStringLiteral("CheckSkippedRowEnds"));
    CheckSkippedRowEnds->setChecked(defaults.skippedRowEnds);
    CheckSkippedRowEnds->setToolTip(
        tr("On: a row left wholly blank before the last answer ends the scoring. Off: it scores 0 and the rows "
           "after it still count."));
    CheckLetterCase = new QCheckBox(tr("Letter &case counts"), this);
    CheckLetterCase->setObjectName(QStringLiteral("CheckLetterCase"));
    CheckLetterCase->setChecked(defaults.letterCaseCounts);
    CheckLetterCase->setToolTip(tr("Off: the scoring rules and the kinds of mistake take \"apple\" for \"Apple\". "
                                   "The Koeff and the mark always count letter case."));
    auto *switches = new QHBoxLayout;
    switches->setContentsMargins(0, 2, 0, 0);
    for (QCheckBox *box : {CheckHalfRow, CheckSkippedRowEnds, CheckLetterCase})
        connect(box, &QCheckBox::toggled, this, [this] { scoringChanged(); });
    switches->addWidget(CheckHalfRow);
    switches->addWidget(CheckSkippedRowEnds);
    switches->addStretch(1);
    return switches;
}

void Tfrm_results::layOutForm(QGridLayout *values, QHBoxLayout *buttonRow)
{
    // The grids over the whole width, the values below; the form's size is
    // the least the window takes. On a screen too small for it (large
    // fonts, a high scale) all but the buttons scroll, so that OK is
    // always in reach.
    m_body = new QWidget(this);
    auto *body = new QVBoxLayout(m_body);
    body->setContentsMargins(0, 0, 0, 0);
    body->setSpacing(0);
    auto *summary = new QVBoxLayout;
    summary->setContentsMargins(8, 4, 8, 4);
    summary->setSpacing(0);
    summary->addWidget(LabelSummary);
    summary->addWidget(LabelInOrder);
    body->addLayout(summary);
    body->addWidget(StringGrid2);
    body->addWidget(StringGrid1, 1);
    body->addLayout(values);
    // The grid takes what the values leave, but shows some rows at least.
    StringGrid1->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    StringGrid1->setMinimumHeight(6 * StringGrid1->verticalHeader()->defaultSectionSize()
                                  + 2 * StringGrid1->frameWidth());
    m_scroll = new BodyScroll(this);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setWidgetResizable(true);
    m_scroll->setWidget(m_body);
    auto *form = new QVBoxLayout(this);
    form->setContentsMargins(0, 0, 0, 0);
    form->setSpacing(0);
    form->addWidget(m_scroll, 1);
    // The values' bottom margin goes under the buttons, as it did when
    // they stood in the values' grid.
    values->setContentsMargins(8, 8, 8, 0);
    buttonRow->setContentsMargins(8, 4, 8, 8);
    form->addLayout(buttonRow);
}

void Tfrm_results::setInitialSize()
{
    // Two lines for the summary, which wraps; room for every column.
    LabelSummary->setFixedHeight(2 * LabelSummary->fontMetrics().lineSpacing() + 2);
    const int gridWidth = AnswerSheetModel::ColumnCount * ColumnWidth + 2 * StringGrid1->frameWidth()
                          + StringGrid1->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, StringGrid1);
    // The key's two lines are never squeezed by the lines added above.
    LabelKey->setMinimumHeight(LabelKey->sizeHint().height());
    // The least size; a user may enlarge it to see more of a long run.
    // The sizes set above count in the hints asked for now.
    // (each layout, the values' grid too: a box does not pass it on)
    for (QLayout *each : findChildren<QLayout *>())
        each->invalidate();
    const QSize natural = sizeHint().expandedTo(QSize(qMax(ClientWidth, gridWidth), ClientHeight));
    const QSize size = natural.boundedTo(roomOnScreen());
    m_cramped = size != natural;
    setMinimumSize(size);
    resize(size);
    fitColumns();
}

QSize Tfrm_results::roomOnScreen() const
{
    const QScreen *shownOn = screen();
    if (!shownOn)
        return QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    // Room for the frame a window manager puts round the window.
    const QSize frame(16, 48);
    return shownOn->availableGeometry().size() - frame;
}

void Tfrm_results::fitColumns()
{
    // The columns fill the width the window leaves them: each as wide as its
    // heading and the cells in sight need, as far as the room goes, and the
    // Kind column, whose notes are the longest, takes what is left over.
    const int frame = 2 * StringGrid1->frameWidth();
    const int scrollBar = StringGrid1->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, StringGrid1);
    // Narrower only on a screen too small for the usual widths.
    const bool roomy = minimumWidth() >= AnswerSheetModel::ColumnCount * ColumnWidth;
    const int least = AnswerSheetModel::ColumnCount * (roomy ? ColumnWidth : 40);
    const int room = qMax(least, m_scroll->viewport()->width() - frame - scrollBar);
    QList<int> needs;
    for (int c = 0; c < AnswerSheetModel::ColumnCount; ++c) {
        // The number needs little room; the Element and the answer keep
        // their designed width where the window has it, more where the cells
        // in sight need it. An answer is drawn a tenth of its width in, after
        // its mark.
        const QAbstractItemView *sheet = StringGrid1;
        int cells = sheet->sizeHintForColumn(c) + 8;
        if (c == AnswerSheet::Answer)
            cells = (cells + StringGrid1->fontMetrics().horizontalAdvance(QStringLiteral("\u2717 "))) * 10 / 9;
        const int designed = c == 0 ? ColumnWidth / 2 : c == AnswerSheetModel::KindColumn ? 0 : ColumnWidth;
        needs << std::max({StringGrid2->horizontalHeader()->sectionSizeHint(c), cells, roomy ? designed : 0});
    }
    const QList<int> widths = shareColumns(needs, room, AnswerSheetModel::KindColumn);
    setColumns(StringGrid2->horizontalHeader(), widths);
    setColumns(StringGrid1->horizontalHeader(), widths);
}

void Tfrm_results::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    if (StringGrid1 && m_scroll)
        fitColumns();
}

Tfrm_results::~Tfrm_results() = default;

int Tfrm_results::RowCount() const { return m_model->Sheet().RowCount(); }
void Tfrm_results::SetRowCount(int rows) { m_model->SetRowCount(rows); }
QString Tfrm_results::Cell(int column, int row) const { return m_model->Sheet().Cell(column, row); }
void Tfrm_results::SetCell(int column, int row, const QString &text) { m_model->SetCell(column, row, text); }
const AnswerSheet &Tfrm_results::Sheet() const { return m_model->Sheet(); }

void Tfrm_results::ResetReport(int elementCount)
{
    SetRowCount(elementCount);
    ClearAnswerSheet();
    const QString zero = QStringLiteral("0");
    SetReportLabels(zero, zero, zero, zero);
    showScore(KoeffText(), MarkText());
    showStanding(QString(), QString());
    showAnalysis();
}

void Tfrm_results::ClearAnswerSheet() { m_model->Clear(); }

void Tfrm_results::ComputeReport(const RunState &run, int mistakeCount)
{
    const auto result = Scoring::Score(Sheet(), run.TestMode, run.StartTick, run.EndTick, mistakeCount);
    if (!result)
        return;
    const RunReport &r = result->report;
    LabelKey->setText(Scoring::KoeffKey(run.TestMode) + QLatin1Char('\n') + Scoring::MarkKey());
    SetReportLabels(r.Total, r.Right, r.Errors, r.Time);
    Edit1->setText(r.Koeff);
    Edit2->setText(r.Mark);
    showScore(r.Koeff, r.Mark);
    showStanding(QString(), QString());
    showAnalysis();
}

void Tfrm_results::SaveResult(const RunState &run)
{
    const QString path = ResultsStore::FileFor(run.TestMode);
    if (path.isEmpty())
        return;
    const QString section = ResultsStore::Save(path, ResultsStore::SectionName(run.StartDateTime, QLocale()), Report(),
                                               Sheet(), run.Module);
    showStanding(path, section);
}

void Tfrm_results::Reopen(const QString &path, const QString &section)
{
    ResultsStore::StoredRun run = ResultsStore::Read(path, section);
    m_model->Replace(std::move(run.sheet));
    SetReportLabels(run.report.Total, run.report.Right, run.report.Errors, run.report.Time);
    showScore(run.report.Koeff, run.report.Mark);
    showStanding(path, section);
    showAnalysis();
}

SportScoring::Choice Tfrm_results::scoringChoice() const
{
    return SportScoring::Choice{SportScoring::Rule(qMax(0, ComboScoring->currentIndex())), SpinRowLength->value(),
                                CheckHalfRow->isChecked(), CheckSkippedRowEnds->isChecked(),
                                CheckLetterCase->isChecked()};
}

void Tfrm_results::showAnalysis()
{
    const SportScoring::Choice choice = scoringChoice();
    m_model->SetLetterCase(choice.letterCaseCounts ? Qt::CaseSensitive : Qt::CaseInsensitive);
    const Analysis::Result &analysis = m_model->CurrentAnalysis();
    LabelSummary->setText(Analysis::Summary(analysis));
    QString inOrder = Analysis::RightInOrderText(analysis);
    if (!choice.letterCaseCounts)
        inOrder += QStringLiteral("; ") + tr("letter case ignored");
    LabelInOrder->setText(inOrder);
    LabelInOrder->setToolTip(Dialogs::PlainToolTip(inOrder));
    BitBtn2->setEnabled(!Analysis::MissedElements(analysis).isEmpty());
    const bool rows = choice.rule == SportScoring::Rule::Rows;
    SpinRowLength->setEnabled(rows);
    CheckHalfRow->setEnabled(rows);
    CheckSkippedRowEnds->setEnabled(rows);
    const QString line = SportScoring::ScoreLine(SportScoring::Judge(Sheet(), choice.letterCaseCounts), choice);
    LabelScore->setText(line);
    LabelScore->setToolTip(Dialogs::PlainToolTip(line));
    LabelScore->setAccessibleName(line);
    LabelScore->setAccessibleDescription(line); // else the tip's markup would be read
    // The kinds of mistake, and so the widths they need, follow the choice.
    if (m_scroll)
        fitColumns();
}

void Tfrm_results::loadScoring()
{
    const SportScoring::Choice choice = SportScoring::Read(Settings::ConfigPath());
    m_loadingScoring = true;
    ComboScoring->setCurrentIndex(int(m_ruleForNextShowing.value_or(choice.rule)));
    m_ruleForNextShowing.reset();
    SpinRowLength->setValue(choice.rowLength);
    CheckHalfRow->setChecked(choice.halfRowForOneMistake);
    CheckSkippedRowEnds->setChecked(choice.skippedRowEnds);
    CheckLetterCase->setChecked(choice.letterCaseCounts);
    m_loadingScoring = false;
}

void Tfrm_results::scoringChanged()
{
    showAnalysis();
    if (m_loadingScoring)
        return;
    Dialogs::Guard(this, [this] { SportScoring::Write(Settings::ConfigPath(), scoringChoice()); });
}

void Tfrm_results::showScore(const QString &koeff, const QString &mark)
{
    LabelKoeff->setText(koeff);
    LabelMark->setText(Scoring::ShownMark(mark));
    nameValueLines();
}

void Tfrm_results::nameValueLines()
{
    // A screen reader reads a dialog's labels one by one in the order of
    // their places, and leaves out those of fewer than three words: a
    // caption and its value would be read apart, a short figure not at
    // all. Every label of a line of figures is named after the whole line,
    // so that each figure is read once, after its caption.
    const QList<QList<QLabel *>> lines{{Label1, Label6},
                                       {Label2, Label9},
                                       {Label3, Label7, m_koeffCaption, LabelKoeff},
                                       {Label4, Label8, m_markCaption, LabelMark}};
    for (const QList<QLabel *> &line : lines) {
        QStringList parts;
        for (qsizetype i = 0; i + 1 < line.size(); i += 2)
            if (!line.at(i + 1)->text().isEmpty())
                parts << line.at(i)->text().trimmed() + QLatin1Char(' ') + line.at(i + 1)->text();
        const QString name = parts.join(QStringLiteral(", "));
        for (QLabel *label : line)
            label->setAccessibleName(name);
    }
}

void Tfrm_results::showStanding(const QString &path, const QString &section)
{
    ResultsStore::Standing standing;
    if (!path.isEmpty())
        standing = ResultsStore::StandingIn(path, section);
    for (const auto &[label, text] : {std::pair{LabelModule, ResultsStore::ModuleLine(standing)},
                                      std::pair{LabelComparison, ResultsStore::ComparisonLine(standing)}}) {
        label->setText(text);
        label->setToolTip(Dialogs::PlainToolTip(text)); // names a Module from the file
        label->setAccessibleDescription(text);          // else the tip's markup would be read
    }
}

QString Tfrm_results::TotalText() const { return Label6->text(); }
QString Tfrm_results::RightText() const { return Label7->text(); }
QString Tfrm_results::ErrorsText() const { return Label8->text(); }
QString Tfrm_results::TimeText() const { return m_time; }
QString Tfrm_results::KoeffText() const { return Edit1->text(); }
QString Tfrm_results::MarkText() const { return Edit2->text(); }

void Tfrm_results::SetReportLabels(const QString &total, const QString &right, const QString &errors,
                                   const QString &time)
{
    Label6->setText(total);
    Label7->setText(right);
    Label8->setText(errors);
    m_time = time;
    Label9->setText(Scoring::ShownTime(time));
    nameValueLines();
}

RunReport Tfrm_results::Report() const
{
    return RunReport{TotalText(), RightText(), ErrorsText(), TimeText(), KoeffText(), MarkText()};
}

void Tfrm_results::FormShow()
{
    const QStringList headings{tr("Number"), tr("Text"), tr("Answer"), tr("Kind")};
    StringGrid2->setHorizontalHeaderLabels(headings);
    // The sheet's own header is hidden, but a screen reader names its
    // cells' columns by it.
    m_model->SetHeadings(headings);
    loadScoring();
    showAnalysis();
}

void Tfrm_results::BitBtn1Click() { accept(); }

void Tfrm_results::BitBtn2Click()
{
    Dialogs::Guard(this, [this] {
        const QString path = Modules::LibraryPath();
        const QString problem = Modules::LibraryProblem(path);
        if (!problem.isEmpty())
            throw AppError(tr("The Module library could not be read (%1). No Module was made.").arg(problem));
        const Mistakes::Plan plan = Mistakes::PlanFor(Sheet(), Modules::AllModuleNames(path), Platform::Now(),
                                                      QLocale(), m_model->LetterCase());
        if (plan.elements.isEmpty())
            return;
        if (!plan.keepable) {
            Dialogs::ShowMessage(this, tr("Every element answered wrongly begins with a blank, which the "
                                          "Module library loses at the start of a Module. No Module was "
                                          "made."));
            return;
        }
        QString name = plan.name;
        QString replaced;
        if (!plan.replaceable.isEmpty()) {
            const Dialogs::Answer answer =
                Dialogs::AskReplaceOrAdd(this,
                                         tr("Replace the Module \"%1\" with the mistakes of this run, or add another "
                                            "Module beside it?")
                                             .arg(plan.replaceable));
            if (answer != Dialogs::Answer::Ok && answer != Dialogs::Answer::Other)
                return;
            if (answer == Dialogs::Answer::Ok) {
                replaced = plan.replaceable;
                name = plan.nameIfReplaced;
            }
        }
        Modules::AddModule(path, name, plan.elements, replaced);
        // The Module is made: a failure to set the options is said with it.
        bool training = false;
        QString unset;
        try {
            training = m_options && m_options->TrainOn(name);
        } catch (const AppError &error) {
            unset = error.Text();
        }
        QStringList text{
            plan.repeated
                ? tr("The Module \"%1\" holds the one element answered wrongly, twice: "
                     "a Module to train on needs two elements.")
                      .arg(name)
                : tr("The Module \"%1\" holds the %2 elements answered wrongly.").arg(name).arg(plan.elements.size())};
        text += tr("Taken: %1.").arg(Mistakes::KindsTaken(Sheet(), m_model->LetterCase()));
        if (!replaced.isEmpty())
            text += tr("It replaces \"%1\".").arg(replaced);
        if (!unset.isEmpty()) {
            text += tr("It was added to the library, but the options could not be set to train on it: %1").arg(unset);
            Dialogs::ShowError(this, text.join(QLatin1Char(' ')));
            return;
        }
        text +=
            training ? tr("Training now uses it: Ctrl+T drills them.") : tr("Choose it for Training in the options.");
        Dialogs::ShowMessage(this, text.join(QLatin1Char(' ')));
    });
}

void Tfrm_results::StringGrid1DrawCell(QPainter *painter, int column, int row, const QRect &rect,
                                       const QStyleOptionViewItem &option)
{
    if (column != AnswerSheet::Answer)
        return;
    const AnswerCellLook look =
        LookOfAnswerCell(Cell(AnswerSheet::Text, row), Cell(column, row), rect, option.state & QStyle::State_Selected,
                         option.state & QStyle::State_Active, option.palette, Sheet().BlanksLost(row));

    // The background the grid chose for the cell (the base colour, and the
    // highlight of a selected row) over the default text.
    const QPalette::ColorGroup group = !(option.state & QStyle::State_Enabled) ? QPalette::Disabled
                                       : (option.state & QStyle::State_Active) ? QPalette::Active
                                                                               : QPalette::Inactive;
    painter->fillRect(rect, option.palette.brush(group, QPalette::Base));
    const QStyle *style = option.widget ? option.widget->style() : QApplication::style();
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &option, painter, option.widget);

    painter->save();
    painter->setPen(look.colour);
    painter->setClipRect(rect);
    // The mark and the note stand apart from the strike line; only the
    // answer itself is struck out.
    QPoint at = look.textAt;
    const auto draw = [&](const QString &text, bool struck) {
        QFont font = option.font;
        font.setStrikeOut(struck);
        painter->setFont(font);
        painter->drawText(QRect(at, rect.bottomRight()), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
        at.rx() += QFontMetrics(font).horizontalAdvance(text);
    };
    draw(look.mark, false);
    draw(look.text, look.wrong);
    draw(look.note, false);
    painter->restore();
}

void Tfrm_results::showEvent(QShowEvent *event)
{
    if (const QWidget *owner = parentWidget()) {
        const QRect area = owner->window()->frameGeometry();
        QPoint at = area.center() - QRect(QPoint(0, 0), frameGeometry().size()).center();
        // Over its owner, wherever the user put it; only a report cut to a
        // screen too small for it is kept whole on the screen, OK in sight.
        const QScreen *shownOn = screen();
        if (m_cramped && shownOn) {
            const QRect room = shownOn->availableGeometry();
            const QSize size = frameGeometry().size();
            at.setX(qBound(room.left(), at.x(), qMax(room.left(), room.left() + room.width() - size.width())));
            at.setY(qBound(room.top(), at.y(), qMax(room.top(), room.top() + room.height() - size.height())));
        }
        move(at);
    }
    FormShow();
    QDialog::showEvent(event);
}
