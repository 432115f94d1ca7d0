#pragma once

#include "results/answersheet.h"
#include "results/runstate.h"
#include "results/sportscoring.h"

#include <QDialog>

#include <optional>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QScrollArea;
class QSpinBox;
class QLineEdit;
class QPainter;
class QPushButton;
class QStyleOptionViewItem;
class QTableView;
class QTableWidget;
class AnswerSheetModel;
class Tfrm_options;

// The report window: holds the AnswerSheet and the report values of the
// last run or of the last reopened stored run.
class Tfrm_results : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Tfrm_results)

public:
    explicit Tfrm_results(QWidget *parent = nullptr);
    ~Tfrm_results() override;

    // The options dialog that a drill of the mistakes sets to Training.
    void SetOptions(Tfrm_options *options) { m_options = options; }

    // The AnswerSheet. Columns: 0 Number, 1 Text, 2 Answer.
    int RowCount() const;
    void SetRowCount(int rows); // at least one row
    QString Cell(int column, int row) const;
    void SetCell(int column, int row, const QString &text);
    const AnswerSheet &Sheet() const;

    // Sizes the sheet to the run's Element count, empties it and sets
    // Total, Right, Errors and Time to "0"; Koeff and Mark stay.
    void ResetReport(int elementCount);
    void ClearAnswerSheet();
    // Scores the sheet into the report values.
    void ComputeReport(const RunState &run, int mistakeCount);
    // The next showing scores by this rule, whatever config.ini holds (a
    // discipline with a rule of its own); config.ini keeps its choice
    // unless the user changes it there.
    void ScoreNextShowingBy(SportScoring::Rule rule) { m_ruleForNextShowing = rule; }
    // Appends the run to testres.ini (Training) or examres.ini (Exam),
    // with its Module, and says how it compares with the Module's runs.
    void SaveResult(const RunState &run);

    // Reads a stored run (in-memory access, nothing written) into the
    // sheet and the report values: the history's reopen. Its stored Koeff
    // and Mark are shown; the held ones (Edit1, Edit2) stay.
    void Reopen(const QString &path, const QString &section);

    // Report values as shown (Label6..Label9) and held (Edit1, Edit2).
    QString TotalText() const;  // Label6
    QString RightText() const;  // Label7
    QString ErrorsText() const; // Label8
    QString TimeText() const;   // as stored; Label9 shows it in the user's language
    QString KoeffText() const;  // Edit1
    QString MarkText() const;   // Edit2
    void SetReportLabels(const QString &total, const QString &right, const QString &errors, const QString &time);
    // All six values as the window holds them.
    RunReport Report() const;

    // Controls under their form names.
    QTableWidget *StringGrid2 = nullptr;
    QTableView *StringGrid1 = nullptr;
    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr;
    QLabel *Label6 = nullptr, *Label7 = nullptr, *Label8 = nullptr, *Label9 = nullptr;
    QLineEdit *Edit1 = nullptr, *Edit2 = nullptr;
    QPushButton *BitBtn1 = nullptr;
    // The score shown: Koeff and Mark of the run, the key to the marks,
    // the run's Module and how it compares with the Module's other runs.
    QLabel *LabelKoeff = nullptr, *LabelMark = nullptr, *LabelKey = nullptr;
    QLabel *LabelModule = nullptr, *LabelComparison = nullptr;
    // "Drill mistakes": enabled when the sheet holds wrong answers.
    QPushButton *BitBtn2 = nullptr;
    // Above the grid: the kinds of mistake and where they are, and how
    // many answers are right in order (Analysis::Summary, RightInOrderText).
    QLabel *LabelSummary = nullptr, *LabelInOrder = nullptr;
    // The "Scoring" choice (kept in config.ini), the row length of the
    // Rows rule, and the run's score under the rule chosen.
    QComboBox *ComboScoring = nullptr;
    QSpinBox *SpinRowLength = nullptr;
    QLabel *LabelScore = nullptr;
    // The rule set's switches of the Rows rule, and whether letter case
    // counts for the scoring rules and the kinds of mistake.
    QCheckBox *CheckHalfRow = nullptr, *CheckSkippedRowEnds = nullptr, *CheckLetterCase = nullptr;

    void FormShow();
    void BitBtn1Click();
    // Makes a Module of the Elements the analysis names as mistakes
    // (omitted, wrong, blank, both of a swapped pair), adds it to the
    // library and has the options train on it.
    void BitBtn2Click();
    // Draws an Answer cell over its default drawing: the grid's background,
    // then the answer at a tenth of the cell's size from its top left, red
    // and struck out when it differs from the row's Text, with the mark and
    // note of a wrong answer (LookOfAnswerCell) beside it.
    void StringGrid1DrawCell(QPainter *painter, int column, int row, const QRect &rect,
                             const QStyleOptionViewItem &option);

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void fitColumns();

private:
    // The constructor's parts, in the order it runs them.
    void buildHeadings();
    void buildSheet();
    QGridLayout *buildValues();
    QHBoxLayout *buildButtons();
    QHBoxLayout *buildScoringRow();
    QHBoxLayout *buildScoringSwitches();
    void layOutForm(QGridLayout *values, QHBoxLayout *buttonRow);
    QSize roomOnScreen() const;
    void setInitialSize();

    void showScore(const QString &koeff, const QString &mark);
    void nameValueLines();
    void showStanding(const QString &path, const QString &section);
    // The summary, the right in order and the score, from the sheet as it is.
    void showAnalysis();
    // The Scoring choice as the controls hold it.
    SportScoring::Choice scoringChoice() const;
    // The Scoring choice as config.ini holds it, into the controls.
    void loadScoring();
    void scoringChanged();

    AnswerSheetModel *m_model = nullptr;
    QLabel *m_koeffCaption = nullptr, *m_markCaption = nullptr;
    QWidget *m_body = nullptr;       // all but the buttons
    QScrollArea *m_scroll = nullptr; // scrolls the body on a small screen
    bool m_cramped = false;          // cut to a screen too small for it
    Tfrm_options *m_options = nullptr;
    bool m_loadingScoring = false;
    std::optional<SportScoring::Rule> m_ruleForNextShowing;
    QString m_time; // the time text as stored, which Label9 shows translated
};
