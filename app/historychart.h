#pragma once

#include "app/history.h"

#include <QColor>
#include <QStringList>
#include <QVector>
#include <QtCharts/QChartView>

class QStackedBarSeries;
class QValueAxis;

// The history's chart view: draws the run labels under the bars itself,
// and the line of their moving average over them. The chart's own category
// labels are rich-text items, and laying out a hundred of them costs
// several times a reload of the listed file; a line series of its own
// costs a good part of one.
// It makes its own chart: one stacked bar series, bar i at x = i, over a
// value axis that counts in round steps from 0.
class HistoryChartView : public QChartView
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(HistoryChartView)

public:
    explicit HistoryChartView(QWidget *parent = nullptr);
    ~HistoryChartView() override;

    // The chart's colours by mark: 5, 4, 3, 2 or lower, none; each with a
    // name for the legend and a colour 3:1 or more on the background.
    static constexpr int MarkGroups = 5;
    static int MarkGroup(const QString &mark);
    static QColor MarkColour(int group, const QColor &background);
    static QString MarkGroupName(int group);

    QStackedBarSeries *Series() const { return m_series; }
    // The bars coloured by their runs' marks, or all alike in one set
    // named `single`, with a legend.
    void Fill(const QVector<History::Bar> &bars, double axisMaximum, const QString &single = QString());
    // The share of right answers at each position over the runs of `rows`,
    // read from their sections in `path`.
    void FillByPosition(const QString &path, const QVector<History::Row> &rows);
    // What the last fill put on the chart, oldest first.
    const QVector<History::Bar> &Bars() const { return m_bars; }
    double AxisMaximum() const;

    // One label per bar, left to right; reserves room for them below the plot.
    void SetLabels(const QStringList &labels);
    const QStringList &Labels() const { return m_labels; }

    // One value per bar, left to right, joined by a line over the bars.
    void SetAverages(const QVector<double> &averages);
    const QVector<double> &Averages() const { return m_averages; }

    // Where the run labels are drawn, in the view's coordinates, and for
    // which bars: with more bars than upright labels fit side by side,
    // every so many is drawn, counted back from the newest.
    struct PlacedLabel
    {
        int bar;
        QRectF rect;
    };
    QVector<PlacedLabel> PlacedLabels() const;

protected:
    void drawForeground(QPainter *painter, const QRectF &rect) override;

private:
    // The chart follows the window's palette, dark ones too.
    void applyPalette();

    QStackedBarSeries *m_series = nullptr;
    QValueAxis *m_axisX = nullptr;
    QValueAxis *m_axisY = nullptr;
    QVector<History::Bar> m_bars;
    QStringList m_labels;
    QVector<double> m_averages;
};
