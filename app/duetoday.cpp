#include "app/duetoday.h"

#include "library/keepfile.h"
#include "library/modules.h"
#include "library/settings.h"
#include "platform/dialogs.h"
#include "platform/platform.h"
#include "results/resultsstore.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QScatterSeries>
#include <QtCharts/QValueAxis>

#include <algorithm>

namespace DueToday {

QVector<Keeping::KeptModule> ReadPlan(const QDate &today)
{
    const QVector<KeepFile::Kept> kept = KeepFile::Read(KeepFile::KeepPath());
    if (kept.isEmpty())
        return {};
    const QStringList library = Modules::AllModuleNames(Modules::LibraryPath());
    return Keeping::Plan(kept, library, {ResultsStore::FileFor(2), ResultsStore::FileFor(3)},
                         KeepFile::Threshold(Settings::ConfigPath()), today);
}

void AddModuleActions(QComboBox *choice, const std::function<QString()> &shownModule,
                      const std::function<void()> &changed)
{
    choice->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(choice, &QWidget::customContextMenuRequested, choice, [=](const QPoint &at) {
        const QString module = shownModule();
        if (module.isEmpty())
            return;
        QMenu menu(choice);
        QAction *keep = menu.addAction(QCoreApplication::translate("DueToday", "&Keep this Module learned"));
        keep->setCheckable(true);
        QAction *retention = menu.addAction(QCoreApplication::translate("DueToday", "&Retention chart..."));
        QVector<Keeping::KeptModule> plan;
        bool kept = false;
        Dialogs::Guard(choice, [&] {
            plan = ReadPlan(Platform::Now().date());
            for (const KeepFile::Kept &k : KeepFile::Read(KeepFile::KeepPath()))
                kept = kept || k.module.compare(module, Qt::CaseInsensitive) == 0;
        });
        keep->setChecked(kept);
        const auto found =
            std::find_if(plan.cbegin(), plan.cend(), [&](const Keeping::KeptModule &m) { return m.module == module; });
        retention->setEnabled(found != plan.cend());
        QAction *picked = menu.exec(choice->mapToGlobal(at));
        if (picked == keep) {
            Dialogs::Guard(choice, [&] {
                KeepFile::Set(KeepFile::KeepPath(), module, keep->isChecked());
                changed();
            });
        } else if (picked == retention && found != plan.cend()) {
            RetentionChart chart(*found, choice->window());
            Dialogs::ExecModal(&chart);
        }
    });
}

} // namespace DueToday

DueTodayView::DueTodayView(QWidget *parent)
    : QDockWidget(tr("Due today"), parent)
{
    setObjectName(QStringLiteral("DueToday"));
    setFeatures(QDockWidget::NoDockWidgetFeatures);
    auto *inside = new QWidget(this);
    auto *layout = new QVBoxLayout(inside);
    layout->setContentsMargins(4, 4, 4, 4);
    list = new QTableWidget(0, 2, inside);
    list->setObjectName(QStringLiteral("DueList"));
    list->setHorizontalHeaderLabels({tr("Module"), tr("Days overdue")});
    list->setAccessibleName(tr("Due today"));
    list->setAccessibleDescription(tr("Kept Modules to train today, the oldest due first. Enter starts a Training."));
    list->verticalHeader()->hide();
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    list->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    list->installEventFilter(this);
    connect(list, &QTableWidget::cellDoubleClicked, this, [this] { train(); });
    layout->addWidget(list);
    TrainButton = new QPushButton(tr("Train &now"), inside);
    TrainButton->setObjectName(QStringLiteral("TrainNow"));
    TrainButton->setAccessibleDescription(tr("Starts a Training on the whole Module chosen in the list"));
    connect(TrainButton, &QPushButton::clicked, this, [this] { train(); });
    layout->addWidget(TrainButton);
    setWidget(inside);
    setMinimumWidth(200);
    hide();
}

DueTodayView::~DueTodayView() = default;

int DueTodayView::Reload(const QDate &today)
{
    m_due = Keeping::DueToday(DueToday::ReadPlan(today), today);
    list->setRowCount(int(m_due.size()));
    for (int r = 0; r < m_due.size(); ++r) {
        const Keeping::KeptModule &m = m_due.at(r);
        const int overdue = Keeping::DaysOverdue(m.schedule, today);
        auto *name = new QTableWidgetItem(m.module);
        name->setToolTip(Dialogs::PlainToolTip(m.module));
        list->setItem(r, 0, name);
        auto *days = new QTableWidgetItem(overdue == 0 ? tr("today") : QString::number(overdue));
        days->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        list->setItem(r, 1, days);
    }
    if (!m_due.isEmpty() && CurrentRow() < 0)
        list->selectRow(0);
    setVisible(!m_due.isEmpty());
    return int(m_due.size());
}

int DueTodayView::CurrentRow() const
{
    const int row = list->currentRow();
    return row >= 0 && row < m_due.size() ? row : -1;
}

void DueTodayView::train()
{
    const int row = CurrentRow();
    if (row < 0)
        return;
    Q_EMIT TrainRequested(m_due.at(row).module, m_due.at(row).sequence);
}

bool DueTodayView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == list && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            train();
            return true;
        }
    }
    return QDockWidget::eventFilter(watched, event);
}

RetentionChart::RetentionChart(const Keeping::KeptModule &module, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Retention: %1").arg(module.module));
    auto *layout = new QVBoxLayout(this);
    Label1 = new QLabel(this);
    Label1->setTextFormat(Qt::PlainText);
    Label1->setWordWrap(true);
    const QVector<QPointF> points = Keeping::Retention(module.runs);
    Label1->setText(points.isEmpty()
                        ? tr("Two runs of \"%1\" at least are needed to show its retention.").arg(module.module)
                        : tr("Each point is a run of \"%1\": the Elements right in order against the days since "
                             "the run before it.")
                              .arg(module.module));
    layout->addWidget(Label1);
    chart = new QChart();
    chart->legend()->hide();
    auto *series = new QScatterSeries(chart);
    series->setMarkerSize(10);
    series->append(QList<QPointF>(points.cbegin(), points.cend()));
    chart->addSeries(series);
    auto *x = new QValueAxis(chart);
    auto *y = new QValueAxis(chart);
    double longest = 1;
    for (const QPointF &p : points)
        longest = std::max(longest, p.x());
    x->setRange(0, longest + 1);
    x->setLabelFormat(QStringLiteral("%d"));
    x->setTitleText(tr("Days since the previous run"));
    y->setRange(0, 100);
    y->setLabelFormat(QStringLiteral("%d"));
    y->setTitleText(tr("Right in order (%)"));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(x);
    series->attachAxis(y);
    auto *view = new QChartView(chart, this);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(480, 320);
    layout->addWidget(view);
}

RetentionChart::~RetentionChart() = default;
