#pragma once

#include "app/history.h"
#include "app/historychart.h"
#include "app/lazyform.h"
#include "engine/runhost.h"

#include <QMainWindow>

class QAction;
class QComboBox;
class QFileSystemWatcher;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;
class QStatusBar;
class QTableWidget;
class QToolButton;
class Tfrm_help;
class Tfrm_guide;
class Tfrm_modules;
class Tfrm_options;
class Tfrm_results;
class Tfrm_test;

class DataWatch;
class DueTodayView;
class QStackedBarSeries;

// The main window: the menu, the results history (list and chart) and the
// state of the current test run.
class Tfrm_main : public QMainWindow, public RunHost
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Tfrm_main)

public:
    // The design's outer size, and the frame around the client area that
    // the layout formulas count in.
    static constexpr int DesignWidth = 723;
    static constexpr int DesignHeight = 480;
    static constexpr int FrameWidth = 8;
    static constexpr int FrameHeight = 54;
    // Above the list: a line that says which results are listed, and the
    // row that holds the Module choice and Export.
    static constexpr int FilterHeight = 44;

    explicit Tfrm_main(QWidget *parent = nullptr);
    ~Tfrm_main() override;

    void SetPeers(LazyForm<Tfrm_test> test, LazyForm<Tfrm_results> results, LazyForm<Tfrm_modules> modules,
                  Tfrm_options *options, LazyForm<Tfrm_help> help);

    // ---- run state
    qint32 &TestMode() { return m_run.TestMode; }
    RunState &CurrentRunState() override { return m_run; }
    void ShowMainMessage(const QString &text) override;
    // After a run, lists the file it was saved to: Training runs go to
    // testres.ini, Exam runs to examres.ini.
    void ReloadHistory() override;

    // ---- handlers
    void FormShow();
    void FormResize();
    void SpeedButton1Click();   // history reload
    void BitBtn1Click();        // Delete
    void BitBtn2Click();        // Delete All
    void StringGrid1DblClick(); // reopen a stored run
    void ComboBox1DropDown();   // the Module choices filled when they are not up to date
    void ComboBox1Change();     // the user picks the Module shown
    void BitBtn3Click();        // Export
    void Configurations1Click();
    void Modules1Click();
    void Help1Click();  // About
    void Guide1Click(); // the user guide, beside the main window
    // The guide's window once it has been shown; null before.
    Tfrm_guide *Guide() const { return m_guide; }
    void est11Click();
    void est21Click();
    void Exam1Click();
    void StartTestRun();
    // "Due today": lists the kept Modules due now (shown only while one
    // is) and returns how many; a Training on one of them, on the whole
    // Module, in order for a sequence.
    int ReloadDue();
    void TrainKept(const QString &module, bool sequence);

    // ---- the data folder changed from outside (see DataWatch): reloads
    // what shows a changed file and offers the conflict copies that
    // appeared, once no run or window of ours that edits the data is open.
    void DataChanged();
    QFileSystemWatcher *Watcher() const;
    // Offers the conflict copies in the data folder (see Conflicts::Offer).
    void OfferConflicts();

    // The listed file: examres.ini when the toggle is up, testres.ini when down.
    QString ListedFile() const;
    // The Module the history is narrowed to; empty for all of them.
    const QString &ShownModule() const { return m_shownModule; }
    // What the last reload put on the chart, oldest first.
    const QVector<History::Bar> &Bars() const { return Chart1->Bars(); }
    double AxisMaximum() const { return Chart1->AxisMaximum(); }
    double MaxKoeff() const { return m_maxKoeff; }

    // ---- controls under their form names
    QFrame *Bevel1 = nullptr;
    QToolButton *SpeedButton1 = nullptr;
    HistoryChartView *Chart1 = nullptr;
    QStackedBarSeries *Series1 = nullptr;
    QStatusBar *StatusBar1 = nullptr;
    QTableWidget *StringGrid1 = nullptr;
    QPushButton *BitBtn1 = nullptr;
    QPushButton *BitBtn2 = nullptr;
    QTableWidget *StringGrid2 = nullptr;
    // Above the list: the Module shown ("All Modules" or one name), Export.
    QLabel *Label1 = nullptr;
    // Which file is listed, in words: "Exam results" or "Training results".
    QLabel *Label2 = nullptr;
    // Over the list while nothing is stored: how to make the first entry.
    QLabel *Label3 = nullptr;
    QComboBox *ComboBox1 = nullptr;
    // Beside the Module choice: the chart shows the share of right answers
    // at each position over the listed runs of the Module shown, instead
    // of the Koeff of each run. Enabled while one Module is shown.
    QToolButton *byPosition = nullptr;
    QPushButton *BitBtn3 = nullptr;
    QMenu *est1 = nullptr;
    QAction *Configurations1 = nullptr, *Modules1 = nullptr, *est11 = nullptr, *est21 = nullptr, *Exam1 = nullptr,
            *Help1 = nullptr;
    // The Help menu: the user guide (F1), then About (Help1).
    QMenu *HelpMenu = nullptr;
    QAction *Guide1 = nullptr;
    DueTodayView *DueToday1 = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The constructor's parts, in the order it runs them.
    void buildMenu();
    void buildHistoryToggle();
    void buildChart();
    void buildHistoryList();
    void buildDeleteButtons();
    void buildHeadings();
    void buildFilterBar();
    void buildByPosition();
    void orderTabs();

    void setHistoryRows(const QVector<History::Row> &rows);
    void setModuleChoices(const QStringList &names);
    void showWhatIsListed(bool empty);
    void placeEmptyNote();
    // A run or a window of ours that edits the data is open.
    bool editingData() const;
    // The run name shown in row r of the list (the section's own name).
    QString runNameAt(int row) const;

    RunState m_run;
    QWidget *m_client = nullptr;
    QWidget *m_filterBar = nullptr;
    // The width of the history's panel: the designed 285, or more where
    // larger fonts need it (PanelWidth).
    int m_panelWidth = 285;
    int m_filterHeight = FilterHeight;
    void fitPanel();
    void fitModuleChoice();
    double m_maxKoeff = 0;
    QString m_shownModule;
    // The choices hold only "All Modules" until they are wanted: the
    // Modules of a file take a pass over all of it.
    bool m_choicesStale = true;
    bool m_shown = false;

    LazyForm<Tfrm_test> m_test;
    LazyForm<Tfrm_results> m_results;
    LazyForm<Tfrm_modules> m_modules;
    Tfrm_options *m_options = nullptr;
    LazyForm<Tfrm_help> m_help;

    DataWatch *m_data = nullptr;
    Tfrm_guide *m_guide = nullptr;
};
