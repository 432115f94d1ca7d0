#pragma once

#include <QStringList>
#include <QVector>
#include <QtCharts/QChartView>

// The history's chart view: draws the run labels under the bars itself,
// and the line of their moving average over them. The chart's own category
// labels are rich-text items, and laying out a hundred of them costs
// several times a reload of the listed file; a line series of its own
// costs a good part of one.
class HistoryChartView : public QChartView
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(HistoryChartView)

public:
    explicit HistoryChartView(QChart *chart, QWidget *parent = nullptr);
    ~HistoryChartView() override;

    // One label per bar, left to right; reserves room for them below the plot.
    void setLabels(const QStringList &labels);
    const QStringList &labels() const { return m_labels; }

    // One value per bar, left to right, joined by a line over the bars.
    void setAverages(const QVector<double> &averages);
    const QVector<double> &averages() const { return m_averages; }

    // Where the run labels are drawn, in the view's coordinates, and for
    // which bars: with more bars than upright labels fit side by side,
    // every so many is drawn, counted back from the newest.
    struct PlacedLabel
    {
        int bar;
        QRectF rect;
    };
    QVector<PlacedLabel> placedLabels() const;

protected:
    void drawForeground(QPainter *painter, const QRectF &rect) override;

private:
    QStringList m_labels;
    QVector<double> m_averages;
};
