#include "app/historychart.h"

#include "platform/contrast.h"
#include "platform/platform.h"
#include "results/answersheet.h"
#include "results/resultsstore.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QLocale>
#include <QPainter>
#include <QtCharts/QAbstractAxis>
#include <QtCharts/QAbstractSeries>
#include <QtCharts/QBarSet>
#include <QtCharts/QChart>
#include <QtCharts/QLegend>
#include <QtCharts/QStackedBarSeries>
#include <QtCharts/QValueAxis>

#include <algorithm>
#include <cmath>

HistoryChartView::HistoryChartView(QWidget *parent)
    : QChartView(new QChart(), parent)
{
    QChart *chart = this->chart();
    chart->setTitle(QString());
    chart->legend()->setAlignment(Qt::AlignTop);
    chart->legend()->hide();
    chart->setBackgroundRoundness(0);
    chart->setAnimationOptions(QChart::NoAnimation);
    m_series = new QStackedBarSeries();
    chart->addSeries(m_series);
    // Bar i stands at x = i; the view draws the run labels under the bars.
    m_axisX = new QValueAxis();
    m_axisX->setLabelsVisible(false);
    m_axisX->setGridLineVisible(false);
    m_axisX->setTickCount(2);
    m_axisX->setRange(-0.5, 0.5);
    m_axisY = new QValueAxis();
    m_axisY->setRange(0, 12);
    // Round steps from 0, numbers written as the list writes them: "," for
    // the decimal point.
    m_axisY->setTickType(QValueAxis::TicksDynamic);
    m_axisY->setTickAnchor(0);
    QLocale decimalComma(QLocale::German, QLocale::Germany);
    decimalComma.setNumberOptions(QLocale::OmitGroupSeparator);
    chart->setLocale(decimalComma);
    chart->setLocalizeNumbers(true);
    chart->addAxis(m_axisX, Qt::AlignBottom);
    chart->addAxis(m_axisY, Qt::AlignLeft);
    m_series->attachAxis(m_axisX);
    m_series->attachAxis(m_axisY);
}

HistoryChartView::~HistoryChartView() = default;

void HistoryChartView::SetLabels(const QStringList &labels)
{
    m_labels = labels;
    // Upright labels: their width is the room they need below the plot.
    const QFontMetrics metrics(font());
    int room = metrics.horizontalAdvance(QStringLiteral("00.00.0000"));
    for (const QString &label : labels)
        room = qMax(room, metrics.horizontalAdvance(label));
    QMargins margins = chart()->margins();
    margins.setBottom(room + 8);
    chart()->setMargins(margins);
    viewport()->update();
}

void HistoryChartView::SetAverages(const QVector<double> &averages)
{
    m_averages = averages;
    viewport()->update();
}

QVector<HistoryChartView::PlacedLabel> HistoryChartView::PlacedLabels() const
{
    QVector<PlacedLabel> placed;
    const QList<QAbstractSeries *> series = chart()->series();
    const int count = int(m_labels.size());
    if (count == 0 || series.isEmpty())
        return placed;
    const QFontMetrics metrics(font());
    const qreal bottom = chart()->plotArea().bottom() + 4;
    const qreal first = chart()->mapToPosition(QPointF(0, 0), series.first()).x();
    const qreal pitch = count > 1 ? chart()->mapToPosition(QPointF(1, 0), series.first()).x() - first : 0;
    // An upright label takes its line height across; keep a pixel between.
    const qreal needed = metrics.height() + 1;
    const int every = pitch > 0 ? qMax(1, int(std::ceil(needed / pitch))) : 1;
    placed.reserve(count / every + 1);
    for (int i = count - 1; i >= 0; i -= every) {
        const qreal x = first + pitch * i;
        const int width = metrics.horizontalAdvance(m_labels.at(i));
        placed.append({i, QRectF(x - metrics.height() / 2.0, bottom, metrics.height(), width)});
    }
    return placed;
}

void HistoryChartView::drawForeground(QPainter *painter, const QRectF &rect)
{
    QChartView::drawForeground(painter, rect);
    const QList<QAbstractSeries *> series = chart()->series();
    if (m_labels.isEmpty() || series.isEmpty())
        return;
    const QRectF plot = chart()->plotArea();
    if (m_averages.size() > 1) {
        QPolygonF line;
        line.reserve(m_averages.size());
        for (qsizetype i = 0; i < m_averages.size(); ++i)
            line.append(chart()->mapToPosition(QPointF(qreal(i), m_averages.at(i)), series.first()));
        painter->save();
        painter->setClipRect(plot);
        painter->setRenderHint(QPainter::Antialiasing);
        // The window's text colour, on the chart that follows its palette.
        painter->setPen(QPen(palette().color(QPalette::Text), 2));
        painter->drawPolyline(line);
        painter->restore();
    }
    const QFontMetrics metrics(font());
    painter->save();
    painter->setFont(font());
    // The chart keeps its own light background under any theme: take the
    // colour of its value labels, not the window's text colour.
    const QList<QAbstractAxis *> axes = chart()->axes(Qt::Vertical);
    painter->setPen(axes.isEmpty() ? QColor(Qt::black) : axes.first()->labelsBrush().color());
    for (const PlacedLabel &label : PlacedLabels()) {
        const QString &text = m_labels.at(label.bar);
        const qreal width = label.rect.height();
        painter->save();
        painter->translate(label.rect.center().x(), label.rect.top());
        painter->rotate(-90);
        // Reading upwards, the label ends just under its bar.
        painter->drawText(QRectF(-width, -metrics.height() / 2.0, width, metrics.height()),
                          Qt::AlignRight | Qt::AlignVCenter, text);
        painter->restore();
    }
    painter->restore();
}

int HistoryChartView::MarkGroup(const QString &mark)
{
    // By the mark's figure: 5, 4, 3, 2 and below; a run without one apart.
    const QString figure = mark.trimmed().left(1);
    if (figure == QLatin1String("5"))
        return 0;
    if (figure == QLatin1String("4"))
        return 1;
    if (figure == QLatin1String("3"))
        return 2;
    if (!figure.isEmpty() && figure.at(0).isDigit())
        return 3;
    return 4;
}

QColor HistoryChartView::MarkColour(int group, const QColor &background)
{
    // Green to red as the marks fall, each at least 3:1 on the chart's
    // background: darker shades on a light one, lighter on a dark one.
    static const QColor onLight[MarkGroups] = {QColor(0, 128, 0), QColor(0, 90, 200), QColor(184, 92, 0),
                                               QColor(200, 0, 0), QColor(96, 96, 96)};
    static const QColor onDark[MarkGroups] = {QColor(80, 200, 80), QColor(100, 160, 255), QColor(240, 150, 40),
                                              QColor(255, 100, 100), QColor(170, 170, 170)};
    const bool light = Contrast::Luminance(background) > 0.18;
    const int i = group < 0 ? 0 : group >= MarkGroups ? MarkGroups - 1 : group;
    const QColor colour = light ? onLight[i] : onDark[i];
    return Contrast::AtLeast(colour, background, Contrast::Graphics);
}

// The chart's texts are the main window's, in its translations.
QString HistoryChartView::MarkGroupName(int group)
{
    switch (group) {
    case 0:
        return QCoreApplication::translate("Tfrm_main", "Mark 5");
    case 1:
        return QCoreApplication::translate("Tfrm_main", "Mark 4");
    case 2:
        return QCoreApplication::translate("Tfrm_main", "Mark 3");
    case 3:
        return QCoreApplication::translate("Tfrm_main", "Mark 2 or lower");
    default:
        return QCoreApplication::translate("Tfrm_main", "No mark");
    }
}

double HistoryChartView::AxisMaximum() const { return m_axisY->max(); }

void HistoryChartView::applyPalette()
{
    const QPalette p = window()->palette();
    chart()->setBackgroundBrush(p.color(QPalette::Base));
    chart()->legend()->setLabelColor(p.color(QPalette::Text));
    for (QValueAxis *axis : {m_axisX, m_axisY}) {
        axis->setLabelsColor(p.color(QPalette::Text));
        axis->setLinePenColor(p.color(QPalette::Mid));
        axis->setGridLineColor(p.color(QPalette::Midlight));
    }
}

void HistoryChartView::Fill(const QVector<History::Bar> &bars, double axisMaximum, const QString &single)
{
    m_bars = bars;
    m_series->clear();
    applyPalette();
    const QColor background = chart()->backgroundBrush().color();
    QList<qreal> values[MarkGroups];
    QStringList labels;
    labels.reserve(bars.size());
    for (const History::Bar &bar : bars) {
        labels.append(Platform::LeftToRight(bar.label));
        const int group = single.isEmpty() ? MarkGroup(bar.mark) : MarkGroups - 1;
        for (int g = 0; g < MarkGroups; ++g)
            values[g].append(g == group ? bar.value : 0.0);
    }
    // A set for each kind of mark present; the legend names them.
    QList<QBarSet *> sets;
    for (int g = 0; g < MarkGroups; ++g) {
        if (std::all_of(values[g].cbegin(), values[g].cend(), [](qreal v) { return v == 0; }))
            continue;
        auto *set = new QBarSet(single.isEmpty() ? MarkGroupName(g) : single);
        const QColor colour = MarkColour(g, background);
        set->setColor(colour);
        set->setBorderColor(colour);
        set->append(values[g]);
        sets.append(set);
    }
    chart()->legend()->setVisible(!sets.isEmpty());
    // The axes first: every range change lays out all bars present.
    m_axisX->setRange(-0.5, qMax(0.5, bars.size() - 0.5));
    // A negative Koeff (a slow run) hangs its bar below the zero line.
    double lowest = 0;
    for (const History::Bar &bar : bars)
        lowest = qMin(lowest, bar.value);
    const double top = lowest < 0 ? qMax(axisMaximum, 0.0) : axisMaximum;
    const double step = History::AxisStep(qMax(top, -lowest));
    m_axisY->setRange(lowest < 0 ? -std::ceil(-lowest / step) * step : 0.0, top);
    m_axisY->setTickInterval(step);
    m_axisY->setLabelFormat(QStringLiteral("%.%1f").arg(History::AxisDecimals(step)));
    m_series->append(sets);
    SetLabels(labels);
    SetAverages(History::MovingAverage(bars));
}

void HistoryChartView::FillByPosition(const QString &path, const QVector<History::Row> &rows)
{
    // The shown runs' own sections are read, where the list found them.
    QVector<ResultsStore::RunSummary> runs;
    for (const History::Row &row : rows) {
        if (!row.name.isEmpty()) {
            runs.append(ResultsStore::RunSummary{});
            runs.last().name = row.name;
        }
    }
    QVector<AnswerSheet> sheets(runs.size());
    ResultsStore::ForEachSheet(path, runs, [&sheets](qsizetype i, const ResultsStore::SheetColumns &columns) {
        AnswerSheet &sheet = sheets[i];
        sheet.SetRowCount(int(columns.elements.size()));
        for (size_t r = 0; r < columns.elements.size(); ++r) {
            sheet.SetCell(AnswerSheet::Text, int(r), columns.elements[r].toString());
            sheet.SetCell(AnswerSheet::Answer, int(r), columns.answers[r].toString());
        }
    });
    const QVector<double> shares = History::RightByPosition(sheets);
    QVector<History::Bar> bars;
    for (int p = 0; p < shares.size(); ++p)
        bars.append(History::Bar{100.0 * shares.at(p), QString::number(p + 1), 0, 255, 0});
    Fill(bars, 100, QCoreApplication::translate("Tfrm_main", "Right answers, in percent"));
    SetAverages({});
}
