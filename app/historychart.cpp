#include "app/historychart.h"

#include <QFontMetrics>

#include <QPainter>
#include <QtCharts/QAbstractAxis>
#include <QtCharts/QAbstractSeries>
#include <cmath>

HistoryChartView::HistoryChartView(QChart *chart, QWidget *parent)
    : QChartView(chart, parent)
{
}

HistoryChartView::~HistoryChartView() = default;

void HistoryChartView::setLabels(const QStringList &labels)
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

void HistoryChartView::setAverages(const QVector<double> &averages)
{
    m_averages = averages;
    viewport()->update();
}

QVector<HistoryChartView::PlacedLabel> HistoryChartView::placedLabels() const
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
    for (const PlacedLabel &label : placedLabels()) {
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
