#pragma once

// What to train today: the kept Modules that are due, beside the history,
// and the retention chart of a kept Module.

#include "results/keeping.h"

#include <QDialog>
#include <QDockWidget>

#include <functional>

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;
class QChart;

// "Due today": the kept Modules due or overdue, the oldest due first, with
// the days overdue. Enter on a row or "Train now" asks for a Training on
// the selected Module. Shown only while something is due.
class DueTodayView : public QDockWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DueTodayView)

public:
    explicit DueTodayView(QWidget *parent = nullptr);
    ~DueTodayView() override;

    // Reads keep.ini, the library, config.ini and both results files
    // afresh and lists what is due on `today`; shows the view when
    // something is, hides it otherwise. Returns how many are due. Raises
    // AppError when a file exists but can't be read.
    int Reload(const QDate &today);

    const QVector<Keeping::KeptModule> &Due() const { return m_due; }
    // The row chosen in the list; -1 when none.
    int CurrentRow() const;

    QTableWidget *list = nullptr;
    QPushButton *TrainButton = nullptr;

Q_SIGNALS:
    // A Training on a kept Module is asked for.
    void TrainRequested(const QString &module, bool sequence);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void train();
    QVector<Keeping::KeptModule> m_due;
};

// Right in order against the days since the previous run, one point per
// run of a kept Module: where forgetting starts.
class RetentionChart : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RetentionChart)

public:
    RetentionChart(const Keeping::KeptModule &module, QWidget *parent = nullptr);
    ~RetentionChart() override;

    QChart *chart = nullptr;
    QLabel *Label1 = nullptr;
};

namespace DueToday {

// Adds to a Module choice (the history's) a context menu on the Module it
// shows: "Keep this Module learned" (checked while it is kept; toggling it
// writes keep.ini) and "Retention chart..." for a kept one. `changed` runs
// after keep.ini was written.
void AddModuleActions(QComboBox *choice, const std::function<QString()> &shownModule,
                      const std::function<void()> &changed);

// The plan of all kept Modules on `today`, from the files in the data folder.
QVector<Keeping::KeptModule> ReadPlan(const QDate &today);

} // namespace DueToday
