#pragma once

#include <QStringList>
#include <QtCharts/QChartView>

// The history's chart view: draws the run labels under the bars itself.
// The chart's own category labels are rich-text items, and laying out a
// hundred of them costs several times a reload of the listed file.
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

protected:
    void drawForeground(QPainter *painter, const QRectF &rect) override;

private:
    QStringList m_labels;
};
