#include "app/frmmain.h"

#include "app/appinfo.h"
#include "app/datawatch.h"
#include "app/duetoday.h"
#include "app/frmhelp.h"
#include "app/historychart.h"
#include "app/programicon.h"
#include "engine/frmtest.h"
#include "engine/launch.h"
#include "engine/runrules.h"
#include "library/frmmodules.h"
#include "library/frmoptions.h"
#include "library/settings.h"
#include "platform/accessible.h"
#include "platform/contrast.h"
#include "platform/dialogs.h"
#include "platform/platform.h"
#include "profile/profilefile.h"
#include "results/frmresults.h"
#include "results/resultsstore.h"
#include "results/scoring.h"
#include "results/sportscoring.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QStyle>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

QTableWidget *makeGrid(QWidget *parent, int rowHeight)
{
    auto *grid = new QTableWidget(parent);
    grid->setColumnCount(3);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->verticalHeader()->setDefaultSectionSize(rowHeight);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setShowGrid(true);
    return grid;
}

const char *const AllModules = QT_TRANSLATE_NOOP("Tfrm_main", "All Modules");

// The Module choice: its list is brought up to date before anyone looks
// at it or moves through it, by mouse, wheel or keyboard.
class ModuleChoice : public QComboBox
{
public:
    ModuleChoice(std::function<void()> update, QWidget *parent)
        : QComboBox(parent)
        , m_update(std::move(update))
    {
    }

    void showPopup() override
    {
        m_update();
        // Names wider than the choice (a drill's, whose time tells it from
        // the others) are shown whole in the list that drops down.
        int widest = 0;
        for (int i = 0; i < count(); ++i)
            widest = qMax(widest, view()->fontMetrics().horizontalAdvance(itemText(i)));
        view()->setMinimumWidth(widest + 2 * view()->frameWidth() + 24
                                + style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this));
        QComboBox::showPopup();
    }

protected:
    void focusInEvent(QFocusEvent *event) override
    {
        m_update();
        QComboBox::focusInEvent(event);
    }
    void keyPressEvent(QKeyEvent *event) override
    {
        m_update();
        QComboBox::keyPressEvent(event);
    }
    void wheelEvent(QWheelEvent *event) override
    {
        m_update();
        QComboBox::wheelEvent(event);
    }

private:
    std::function<void()> m_update;
};

} // namespace

Tfrm_main::Tfrm_main(QWidget *parent)
    : QMainWindow(parent)
{
    setWindowTitle(AppInfo::MainCaption());
    setWindowIcon(ProgramIcon());
    setObjectName(QStringLiteral("frm_main"));

    buildMenu();

    // The client area keeps the form's pixel positions; FormResize moves
    // the controls that follow the window's edges.
    m_client = new QWidget(this);
    setCentralWidget(m_client);

    Bevel1 = new QFrame(m_client);
    Bevel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Bevel1->setGeometry(0, 4, 427, 399);

    buildHistoryToggle();
    buildChart();

    StatusBar1 = new QStatusBar(m_client);
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->setGeometry(0, 404, 715, 22);
    StatusBar1->setAccessibleName(tr("Status"));
    // Notices that ask for no answer (where the data is kept, a folder that
    // cannot be locked) stay in the status bar until something replaces them.
    Platform::SetNoticeHandler([this](const QString &text) { StatusBar1->showMessage(text); });

    buildHistoryList();
    buildDeleteButtons();
    buildHeadings();
    buildFilterBar();
    orderTabs();

    DueToday1 = new DueTodayView(this);
    addDockWidget(Qt::LeftDockWidgetArea, DueToday1);
    connect(DueToday1, &DueTodayView::TrainRequested, this, &Tfrm_main::TrainKept);
    DueToday::AddModuleActions(
        ComboBox1, [this] { return m_shownModule; }, [this] { ReloadDue(); });
    // The dock takes its room from the client area.
    m_client->installEventFilter(this);

    m_data = new DataWatch(this, DataWatch::Reloads{
                                     [this] { return editingData(); },
                                     [this] { return ListedFile(); },
                                     [this] { SpeedButton1Click(); },
                                     [this] {
                                         if (m_options)
                                             Dialogs::Guard(this, [this] { m_options->LoadOptions(); });
                                     },
                                     [this] { ReloadDue(); },
                                 });

    resize(DesignWidth - FrameWidth, DesignHeight - FrameHeight + menuBar()->sizeHint().height());
}

void Tfrm_main::buildMenu()
{
    auto *bar = menuBar();
    Configurations1 = bar->addAction(tr("&Options"));
    Modules1 = bar->addAction(tr("&Modules"));
    est1 = bar->addMenu(tr("&Test"));
    est11 = est1->addAction(tr("&Introductory Test"));
    est21 = est1->addAction(tr("T&raining"));
    Exam1 = est1->addAction(tr("&Exam"));
    HelpMenu = bar->addMenu(tr("&Help"));
    Guide1 = HelpMenu->addAction(tr("&User guide"));
    Guide1->setShortcut(QKeySequence(QKeySequence::HelpContents));
    Help1 = HelpMenu->addAction(tr("&About"));
    est11->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
    est21->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    Exam1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    connect(Configurations1, &QAction::triggered, this, [this] { Configurations1Click(); });
    connect(Modules1, &QAction::triggered, this, [this] { Modules1Click(); });
    connect(est11, &QAction::triggered, this, [this] { est11Click(); });
    connect(est21, &QAction::triggered, this, [this] { est21Click(); });
    connect(Exam1, &QAction::triggered, this, [this] { Exam1Click(); });
    connect(Help1, &QAction::triggered, this, [this] { Help1Click(); });
    connect(Guide1, &QAction::triggered, this, [this] { Guide1Click(); });
}

// The switch between the Training and the Exam history.
void Tfrm_main::buildHistoryToggle()
{
    SpeedButton1 = new ListSwitch(m_client);
    SpeedButton1->setText(tr("Test&s"));
    SpeedButton1->setGeometry(432, 372, 90, 22);
    SpeedButton1->setFocusPolicy(Qt::StrongFocus);
    // Toggled, not clicked: the keyboard and a screen reader's Toggle action
    // flip it without a click, and the list must follow them too.
    connect(SpeedButton1, &QToolButton::toggled, this, [this] { SpeedButton1Click(); });
}

void Tfrm_main::buildHistoryList()
{
    StringGrid1 = makeGrid(m_client, 18);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->horizontalHeader()->hide();
    StringGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    StringGrid1->setGeometry(428, 19 + FilterHeight, 285, 342 - FilterHeight);
    StringGrid1->setRowCount(1);
    // Tab goes on to the next control; the arrow keys move in the list.
    StringGrid1->setTabKeyNavigation(false);
    StringGrid1->installEventFilter(this);
    StringGrid1->setAccessibleName(tr("Results history"));
    StringGrid1->setAccessibleDescription(
        tr("Stored runs, newest first. Enter reopens the selected run, Delete erases it."));
    // Drawn over the empty list; clicks go through to the list.
    Label3 = new QLabel(StringGrid1->viewport());
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setTextFormat(Qt::PlainText);
    Label3->setWordWrap(true);
    Label3->setAlignment(Qt::AlignCenter);
    Label3->setAttribute(Qt::WA_TransparentForMouseEvents);
    Label3->hide();
    StringGrid1->viewport()->installEventFilter(this);
    connect(StringGrid1, &QTableWidget::cellDoubleClicked, this, [this] { StringGrid1DblClick(); });
}

void Tfrm_main::buildDeleteButtons()
{
    BitBtn1 = new QPushButton(tr("&Delete"), m_client);
    BitBtn1->setGeometry(526, 372, 90, 22);
    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    BitBtn2 = new QPushButton(tr("Delete &All"), m_client);
    BitBtn2->setGeometry(620, 372, 90, 22);
    connect(BitBtn2, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
}

void Tfrm_main::buildHeadings()
{
    StringGrid2 = makeGrid(m_client, 17);
    StringGrid2->setRowCount(0);
    StringGrid2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid2->setSelectionMode(QAbstractItemView::NoSelection);
    StringGrid2->setFocusPolicy(Qt::NoFocus);
    StringGrid2->horizontalHeader()->setSectionsClickable(false);
    StringGrid2->setGeometry(428, FilterHeight, 285, 22);
    StringGrid2->setAccessibleName(tr("Headings of the results history"));
    // The headings are a grid of their own over the list: a column the
    // user widens or narrows by its heading takes the list's column with
    // it, and the headings scroll sideways with the list.
    connect(StringGrid2->horizontalHeader(), &QHeaderView::sectionResized, this, [this](int column, int, int width) {
        if (StringGrid1->columnWidth(column) != width)
            StringGrid1->setColumnWidth(column, width);
    });
    // The headings' grid is wider inside than the list beside its scroll
    // bar, so its own scrolling cannot follow; its header is put where the
    // list's is.
    const auto alignHeadings = [this] {
        StringGrid2->horizontalHeader()->setOffset(StringGrid1->horizontalHeader()->offset());
    };
    connect(StringGrid1->horizontalScrollBar(), &QScrollBar::valueChanged, this, alignHeadings);
    connect(StringGrid1->horizontalScrollBar(), &QScrollBar::rangeChanged, this, alignHeadings);
    connect(StringGrid2->horizontalHeader(), &QHeaderView::geometriesChanged, this, alignHeadings);
}

// Above the list: the Module choice, Export and the Right by position toggle.
void Tfrm_main::buildFilterBar()
{
    m_filterBar = new QWidget(m_client);
    m_filterBar->setGeometry(428, 0, 285, FilterHeight);
    auto *rows = new QVBoxLayout(m_filterBar);
    rows->setContentsMargins(2, 2, 0, 2);
    rows->setSpacing(0);
    auto *filter = new QHBoxLayout();
    filter->setSpacing(4);
    ComboBox1 = new ModuleChoice([this] { ComboBox1DropDown(); }, m_filterBar);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setAccessibleName(tr("Module shown"));
    ComboBox1->setAccessibleDescription(tr("The history lists and charts the runs of this Module"));
    ComboBox1->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    // "All Modules" whole, at any font size.
    ComboBox1->addItem(tr(AllModules));
    fitModuleChoice();
    Label2 = new QLabel(m_filterBar);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setTextFormat(Qt::PlainText);
    Label1 = new QLabel(tr("Mod&ule:"), m_filterBar);
    Label1->setBuddy(ComboBox1);
    BitBtn3 = new QPushButton(tr("&Export..."), m_filterBar);
    BitBtn3->setObjectName(QStringLiteral("BitBtn3"));
    BitBtn3->setAccessibleDescription(tr("Saves the runs of the Module shown as a CSV file"));
    buildByPosition();
    // The toggle stands over the Export button, where the words on what is
    // listed leave room: the Module choice keeps the row's width.
    auto *heading = new QHBoxLayout();
    heading->setSpacing(4);
    heading->addWidget(Label2, 1);
    heading->addWidget(byPosition);
    rows->addLayout(heading);
    rows->addLayout(filter);
    filter->addWidget(Label1);
    filter->addWidget(ComboBox1, 1);
    filter->addWidget(BitBtn3);
    connect(ComboBox1, &QComboBox::activated, this, [this] { ComboBox1Change(); });
    connect(ComboBox1, &QComboBox::currentTextChanged, this, [this] { fitModuleChoice(); });
    connect(BitBtn3, &QPushButton::clicked, this, [this] { BitBtn3Click(); });
}

void Tfrm_main::buildByPosition()
{
    byPosition = new QToolButton(m_filterBar);
    byPosition->setObjectName(QStringLiteral("ByPosition"));
    byPosition->setText(tr("By &position"));
    byPosition->setCheckable(true);
    byPosition->setEnabled(false);
    byPosition->setFocusPolicy(Qt::StrongFocus);
    byPosition->setAccessibleName(tr("Right by position"));
    byPosition->setAccessibleDescription(
        tr("The chart shows the share of right answers at each position of the Module shown, "
           "instead of the Koeff of each run"));
    byPosition->setToolTip(tr("Right by position: the share of right answers at each position"));
    connect(byPosition, &QToolButton::toggled, this, [this] { SpeedButton1Click(); });
}

void Tfrm_main::orderTabs()
{
    setTabOrder(ComboBox1, byPosition);
    setTabOrder(byPosition, BitBtn3);
    setTabOrder(BitBtn3, StringGrid1);
    setTabOrder(StringGrid1, SpeedButton1);
    setTabOrder(SpeedButton1, BitBtn1);
    setTabOrder(BitBtn1, BitBtn2);
}

Tfrm_main::~Tfrm_main()
{
    Platform::SetNoticeHandler({});
    // The grids outlive this part of the window while it is taken down, and
    // hiding them there still moves their headers: the handlers that keep
    // the headings in step must not run on a half-destroyed window.
    StringGrid1->horizontalScrollBar()->disconnect(this);
    StringGrid1->horizontalHeader()->disconnect(this);
    StringGrid2->horizontalHeader()->disconnect(this);
}

void Tfrm_main::SetPeers(LazyForm<Tfrm_test> test, LazyForm<Tfrm_results> results, LazyForm<Tfrm_modules> modules,
                         Tfrm_options *options, LazyForm<Tfrm_help> help)
{
    m_test = std::move(test);
    m_results = std::move(results);
    m_modules = std::move(modules);
    m_options = options;
    m_help = std::move(help);
}

void Tfrm_main::buildChart()
{
    Chart1 = new HistoryChartView(m_client);
    Series1 = Chart1->Series();
    Chart1->setFrameShape(QFrame::NoFrame);
    Chart1->setGeometry(0, -18, 426, 420);
    Chart1->setFocusPolicy(Qt::NoFocus);
    Chart1->setAccessibleName(tr("Chart of the listed results"));
}

void Tfrm_main::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

void Tfrm_main::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    FormResize();
}

bool Tfrm_main::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_client && event->type() == QEvent::Resize)
        FormResize();
    if (watched == StringGrid1->viewport() && event->type() == QEvent::Resize)
        placeEmptyNote();
    if (watched == StringGrid1 && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            StringGrid1DblClick();
            return true;
        }
        if (key->key() == Qt::Key_Delete) {
            BitBtn1Click();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void Tfrm_main::FormShow()
{
    const QStringList headings{tr("DateTime"), tr("Result"), tr("Mark")};
    StringGrid2->setHorizontalHeaderLabels(headings);
    // The list's own header is hidden, but a screen reader names its
    // cells' columns by it.
    StringGrid1->setHorizontalHeaderLabels(headings);
    StringGrid2->horizontalHeaderItem(1)->setToolTip(Scoring::KoeffInWords());
    // The designed widths, or the headings' own where larger fonts need more.
    const QFontMetrics heading(StringGrid2->horizontalHeader()->font());
    const int margins = 2 * StringGrid2->style()->pixelMetric(QStyle::PM_HeaderMargin) + 8;
    const int designed[3] = {140, 70, 70};
    for (QTableWidget *grid : {StringGrid2, StringGrid1})
        for (int c = 0; c < 3; ++c)
            grid->setColumnWidth(c, qMax(designed[c], heading.horizontalAdvance(headings.at(c)) + margins));
    fitPanel();
    Dialogs::Guard(this, [this] {
        SpeedButton1Click();
        if (m_options)
            m_options->LoadOptions();
        FormResize();
    });
    const QString due = Keeping::DueNotice(ReloadDue());
    if (!due.isEmpty())
        Platform::Notice(due);
    m_data->Watch();
    // Once the window is up: a question asked from here would come before it.
    QMetaObject::invokeMethod(this, &Tfrm_main::OfferConflicts, Qt::QueuedConnection);
    // The list has the focus at first, as the window opens on it.
    StringGrid1->setFocus();
}

void Tfrm_main::fitPanel()
{
    // The panel follows its contents: the columns, the Module choice with
    // its caption and Export, and the three buttons under the list, at the
    // size the fonts give them.
    // The columns as wider than designed (140, 70, 70) as their headings
    // made them.
    int columns = 285 - 280;
    for (int c = 0; c < 3; ++c)
        columns += StringGrid2->columnWidth(c);
    int buttons = 0;
    for (QAbstractButton *button : {static_cast<QAbstractButton *>(SpeedButton1),
                                    static_cast<QAbstractButton *>(BitBtn1), static_cast<QAbstractButton *>(BitBtn2)})
        buttons = qMax(buttons, button->sizeHint().width());
    const int before = m_panelWidth;
    const int beforeHeight = m_filterHeight;
    m_panelWidth = std::max({285, columns, m_filterBar->minimumSizeHint().width() + 2, 3 * qMax(90, buttons) + 15});
    // The bar's two rows were designed 20 high for a line of text of 14:
    // they grow as the fonts make the line taller, never below the design.
    // (Its controls' hints ask a few pixels more than the design gives them
    // even at the usual fonts, so they do not set the height.)
    const int row = qMax(20, m_filterBar->fontMetrics().height() + 6);
    m_filterHeight = qMax(FilterHeight, 2 * row + 4);
    const int buttonHeight = qMax(22, BitBtn1->sizeHint().height());
    for (QWidget *button :
         {static_cast<QWidget *>(SpeedButton1), static_cast<QWidget *>(BitBtn1), static_cast<QWidget *>(BitBtn2)})
        button->resize((m_panelWidth - 15) / 3, buttonHeight);
    m_filterBar->resize(m_panelWidth, m_filterHeight);
    StringGrid2->setGeometry(StringGrid2->x(), m_filterHeight, m_panelWidth, StringGrid2->height());
    StringGrid1->setGeometry(StringGrid1->x(), 19 + m_filterHeight, m_panelWidth, StringGrid1->height());
    // The window grows by what the panel grew, so that the chart keeps its room.
    if (m_panelWidth > before || m_filterHeight > beforeHeight)
        resize(width() + qMax(0, m_panelWidth - before), height() + qMax(0, m_filterHeight - beforeHeight));
}

void Tfrm_main::fitModuleChoice()
{
    // The Module shown is named whole, up to a length that leaves the chart
    // its room; the list that drops down shows longer names whole.
    // It never narrows again: a panel that narrowed and widened by turns
    // would widen the window each time.
    const int least = std::max({8, int(tr(AllModules).size()), ComboBox1->minimumContentsLength()});
    ComboBox1->setMinimumContentsLength(qBound(least, int(ComboBox1->currentText().size()), qMax(least, 40)));
    if (m_shown) {
        fitPanel();
        FormResize();
    }
}

void Tfrm_main::FormResize()
{
    if (!m_client)
        return;
    const int W = m_client->width() + FrameWidth;
    const int H = m_client->height() + FrameHeight;
    const int left = W - m_panelWidth - 10;
    const int buttonWidth = (m_panelWidth - 15) / 3;
    const int buttonTop = H - 86 - BitBtn1->height();
    Chart1->resize(left - 2, H - 60);
    StringGrid1->setGeometry(left, StringGrid1->y(), m_panelWidth, buttonTop - 11 - StringGrid1->y());
    StringGrid2->move(left, StringGrid2->y());
    m_filterBar->move(left, m_filterBar->y());
    SpeedButton1->move(left + 4, buttonTop);
    BitBtn1->move(left + 8 + buttonWidth, buttonTop);
    BitBtn2->move(left + 12 + 2 * buttonWidth, buttonTop);
    Bevel1->resize(left - 1, H - 81);
    StatusBar1->setGeometry(0, m_client->height() - 22, m_client->width(), 22);
}

bool Tfrm_main::editingData() const
{
    const bool run = m_test.Made() && m_test && m_test->isVisible();
    const bool library = m_modules.Made() && m_modules && m_modules->isVisible();
    const bool options = m_options && m_options->isVisible();
    return run || library || options || QApplication::activeModalWidget() != nullptr;
}

void Tfrm_main::DataChanged() { m_data->Changed(); }
void Tfrm_main::OfferConflicts() { m_data->OfferConflicts(); }
QFileSystemWatcher *Tfrm_main::Watcher() const { return m_data->Watcher(); }

void Tfrm_main::ShowMainMessage(const QString &text)
{
    activateWindow();
    setFocus();
    Dialogs::ShowMessage(this, text);
}

QString Tfrm_main::ListedFile() const
{
    return Platform::DataFile(
        QLatin1String(SpeedButton1->isChecked() ? Platform::TrainingResultsFile : Platform::ExamResultsFile));
}

void Tfrm_main::setHistoryRows(const QVector<History::Row> &rows)
{
    // The DateTime column widens to a name that it would cut (a long date
    // or time format); its heading takes the list's column with it.
    int widest = 0;
    for (const History::Row &row : rows)
        widest = qMax(widest, StringGrid1->fontMetrics().horizontalAdvance(row.name));
    const int needed = widest + 2 * StringGrid1->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 8;
    if (StringGrid2->columnWidth(0) < needed)
        StringGrid2->setColumnWidth(0, needed);
    StringGrid1->setRowCount(int(rows.size()));
    for (int r = 0; r < rows.size(); ++r) {
        const History::Row &row = rows.at(r);
        const QString cells[3] = {Platform::LeftToRight(row.name), row.Koeff, Scoring::ShownMark(row.Mark)};
        for (int c = 0; c < 3; ++c) {
            QTableWidgetItem *item = StringGrid1->item(r, c);
            if (!item) {
                item = new QTableWidgetItem();
                StringGrid1->setItem(r, c, item);
            }
            item->setText(cells[c]);
        }
        StringGrid1->item(r, 0)->setData(Qt::UserRole, row.name);
    }
}

void Tfrm_main::SpeedButton1Click()
{
    Dialogs::Guard(this, [this] {
        SpeedButton1->setText(SpeedButton1->isChecked() ? tr("Exam&s") : tr("Test&s"));
        // Its checked state means nothing to a listener: the name says which
        // results are listed, and what a press lists instead.
        SpeedButton1->setAccessibleName(SpeedButton1->isChecked()
                                            ? tr("Training results listed; press to list Exam results")
                                            : tr("Exam results listed; press to list Training results"));
        const QString path = ListedFile();
        m_data->Read(path);
        // A Module shown needs its choices, to see that it still has runs;
        // with all Modules the choices wait until they are wanted.
        History::Listing listing;
        if (m_shownModule.isEmpty()) {
            setModuleChoices({});
            m_choicesStale = true;
            listing = History::Read(path);
        } else {
            const ResultsStore::RunList runs = ResultsStore::ListRuns(path);
            setModuleChoices(History::ModuleNames(runs.runs)); // the choice goes when its runs have gone
            m_choicesStale = false;
            listing = History::ReadModule(runs.runs, m_shownModule, m_shownModule.isEmpty());
        }
        setHistoryRows(listing.rows);
        const bool empty = listing.rows.size() == 1 && listing.rows.first().name.isEmpty();
        showWhatIsListed(empty);
        BitBtn3->setEnabled(!empty);
        m_maxKoeff = listing.maxKoeff;
        Platform::Randomize();
        byPosition->setEnabled(!m_shownModule.isEmpty());
        if (byPosition->isEnabled() && byPosition->isChecked())
            Chart1->FillByPosition(path, listing.rows);
        else
            Chart1->Fill(listing.bars, listing.axisMaximum);
        Chart1->setAccessibleName(byPosition->isEnabled() && byPosition->isChecked()
                                      ? tr("Chart of right answers by position, in percent")
                                      : tr("Chart of the listed results"));
    });
}

void Tfrm_main::ReloadHistory()
{
    // The toggle is down while Training results are listed.
    {
        const QSignalBlocker once(SpeedButton1); // loaded below, once
        if (m_run.TestMode == Run::TrainingMode)
            SpeedButton1->setChecked(true);
        else if (m_run.TestMode == Run::ExamMode)
            SpeedButton1->setChecked(false);
    }
    // The run just stored is always in sight: a list narrowed to another
    // Module turns to the run's (to all Modules when it has none, or when
    // its runs are not found under that name).
    const bool stored = m_run.TestMode == Run::TrainingMode || m_run.TestMode == Run::ExamMode;
    if (stored && !m_shownModule.isEmpty() && m_shownModule != m_run.Module.name)
        m_shownModule = m_run.Module.name;
    SpeedButton1Click();
    ReloadDue();
}

void Tfrm_main::showWhatIsListed(bool empty)
{
    const bool training = SpeedButton1->isChecked();
    Label2->setText(training ? tr("Training results") : tr("Exam results"));
    Label3->setText(training ? tr("No Training results yet.\n\nTo make the first entry, choose "
                                  "Test \u203A Training (Ctrl+T).")
                             : tr("No Exam results yet.\n\nStart with a Training: choose "
                                  "Test \u203A Training (Ctrl+T). Once a Module is learnt, "
                                  "Test \u203A Exam (Ctrl+E) puts a first entry here."));
    // Grey, but 4.5:1 on the list's background at least.
    QPalette note = Label3->palette();
    note.setColor(QPalette::WindowText,
                  Contrast::AtLeast(StringGrid1->palette().color(QPalette::PlaceholderText),
                                    StringGrid1->palette().color(QPalette::Base), Contrast::Text));
    Label3->setPalette(note);
    Label3->setVisible(empty);
    // The note is painted over the list, where a screen reader does not look.
    StringGrid1->setAccessibleDescription(empty ? Label3->text() : QString());
    placeEmptyNote();
}

void Tfrm_main::placeEmptyNote()
{
    // Under the first (empty) row, across the list.
    const QWidget *viewport = StringGrid1->viewport();
    const int top = StringGrid1->verticalHeader()->defaultSectionSize() + 8;
    Label3->setGeometry(8, top, qMax(0, viewport->width() - 16), qMax(0, viewport->height() - top - 8));
}

void Tfrm_main::setModuleChoices(const QStringList &names)
{
    // The choice stays while its Module has runs in the listed file.
    if (!names.contains(m_shownModule))
        m_shownModule.clear();
    {
        const QSignalBlocker blocker(ComboBox1);
        ComboBox1->clear();
        ComboBox1->addItem(tr(AllModules));
        for (const QString &name : names)
            ComboBox1->addItem(Platform::LeftToRight(name), name);
        ComboBox1->setCurrentIndex(m_shownModule.isEmpty() ? 0 : int(names.indexOf(m_shownModule)) + 1);
    }
    fitModuleChoice();
}

void Tfrm_main::ComboBox1DropDown()
{
    if (!m_choicesStale)
        return;
    Dialogs::Guard(this, [this] {
        setModuleChoices(History::ModuleNames(ResultsStore::ListRuns(ListedFile()).runs));
        m_choicesStale = false;
    });
}

void Tfrm_main::ComboBox1Change()
{
    m_shownModule = ComboBox1->currentData().toString();
    SpeedButton1Click();
}

void Tfrm_main::BitBtn3Click()
{
    Dialogs::Guard(this, [this] {
        QString target = Dialogs::SaveFileName(this, tr("CSV file (*.csv)|*.csv|Any File (*.*)|*.*"),
                                               History::ExportFileName(SpeedButton1->isChecked(), m_shownModule));
        if (target.isEmpty())
            return;
        if (QFileInfo(target).suffix().isEmpty())
            target += QStringLiteral(".csv");
        if (QFileInfo::exists(target) && !Dialogs::Confirm(this, tr("Replace %1?").arg(target)))
            return;
        const QString path = ListedFile();
        const ResultsStore::RunList list = ResultsStore::ListRuns(path);
        if (!list.problem.isEmpty())
            throw AppError(tr("Cannot open file \"%1\". %2").arg(path, list.problem));
        const QVector<ResultsStore::RunSummary> runs = History::RunsOf(list.runs, m_shownModule);
        History::KeptSchedules kept;
        for (const Keeping::KeptModule &m : DueToday::ReadPlan(Platform::Now().date()))
            kept.insert(m.module, History::KeptSchedule{m.schedule.due, m.schedule.Interval()});
        History::ExportCsv(target, path, runs, SportScoring::Read(Settings::ConfigPath()), kept);
        StatusBar1->showMessage(runs.size() == 1 ? tr("1 run exported to %1").arg(target)
                                                 : tr("%n runs exported to %1", nullptr, int(runs.size())).arg(target));
    });
}

void Tfrm_main::BitBtn1Click()
{
    Dialogs::Guard(this, [this] {
        const QString name = runNameAt(StringGrid1->currentRow());
        if (name.isEmpty())
            return;
        if (!Dialogs::Confirm(this, tr("Delete %1?").arg(Platform::LeftToRight(name))))
            return;
        ResultsStore::Delete(ListedFile(), name);
        SpeedButton1Click();
    });
}

void Tfrm_main::BitBtn2Click()
{
    Dialogs::Guard(this, [this] {
        if (runNameAt(0).isEmpty())
            return;
        if (!Dialogs::Confirm(this, tr("Delete All?")))
            return;
        // The listed runs go in one rewrite of the file.
        QStringList names;
        for (int r = 0; r < StringGrid1->rowCount(); ++r) {
            if (!runNameAt(r).isEmpty())
                names.append(runNameAt(r));
        }
        ResultsStore::Delete(ListedFile(), names);
        SpeedButton1Click();
    });
}

void Tfrm_main::StringGrid1DblClick()
{
    if (!m_results)
        return;
    Dialogs::Guard(this, [this] {
        m_results->ClearAnswerSheet();
        m_results->SetRowCount(1);
        const QString name = runNameAt(StringGrid1->currentRow());
        if (name.isEmpty())
            return;
        // A sync tool or another copy may have taken it out since it was listed.
        const QString path = ListedFile();
        if (!ProfileFile(path, ProfileFile::Access::InMemory).HasSection(name)) {
            Dialogs::ShowMessage(this, tr("The run %1 is no longer in %2. The list now shows what the file holds.")
                                           .arg(Platform::LeftToRight(name), QFileInfo(path).fileName()));
            SpeedButton1Click();
            return;
        }
        m_results->Reopen(path, name);
        Dialogs::ExecModal(m_results);
    });
}

QString Tfrm_main::runNameAt(int row) const
{
    const QTableWidgetItem *item = row >= 0 ? StringGrid1->item(row, 0) : nullptr;
    return item ? item->data(Qt::UserRole).toString() : QString();
}

void Tfrm_main::Configurations1Click()
{
    if (m_options)
        Dialogs::ExecModal(m_options);
}

void Tfrm_main::Modules1Click()
{
    if (m_modules)
        Dialogs::ExecModal(m_modules);
}

void Tfrm_main::Help1Click()
{
    if (!m_help)
        return;
    connect(m_help.Get(), &Tfrm_help::GuideRequested, this, &Tfrm_main::Guide1Click, Qt::UniqueConnection);
    Dialogs::ExecModal(m_help);
}

void Tfrm_main::Guide1Click()
{
    if (!m_guide)
        m_guide = new Tfrm_guide(this);
    m_guide->show();
    m_guide->raise();
    m_guide->activateWindow();
}

void Tfrm_main::est11Click() { Launch::Introductory(*this, m_test, m_options); }
void Tfrm_main::est21Click() { Launch::Training(*this, m_test, m_options); }
void Tfrm_main::Exam1Click() { Launch::Exam(*this, m_test, m_options); }
void Tfrm_main::StartTestRun() { Launch::StartTestRun(*this, m_test, m_options); }

int Tfrm_main::ReloadDue()
{
    int due = 0;
    const bool was = DueToday1->isVisible();
    Dialogs::Guard(this, [&] { due = DueToday1->Reload(Platform::Now().date()); });
    // Room for the list beside the history, not out of the chart's.
    if (!was && DueToday1->isVisible() && isVisible()
        && !(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        resize(width() + DueToday1->width(), height());
    return due;
}

void Tfrm_main::TrainKept(const QString &module, bool sequence)
{
    Settings::RunOptions run;
    bool read = false;
    Dialogs::Guard(this, [&] {
        const Modules::Module kept = Modules::ReadModule(Modules::LibraryPath(), module);
        run =
            Launch::KeptTraining(m_options ? m_options->InForce(Tfrm_options::Page::Training) : Settings::RunOptions(),
                                 module, kept.Elements, sequence);
        read = true;
    });
    if (read)
        Launch::TrainingOn(*this, m_test, run);
}
