#pragma once

#include <QColor>
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// The exercises dialog: five sums between the presentation and the recall
// phase of a run. Ends with 1 (all five right) or 2 (given up).
//
// A box's text colour is the only record of its state: red while its text
// is not the right sum, green once it is. Completion compares colours, not
// texts, so a right answer stays solved after "?" is appended to it.
class Tfrm_exe : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Tfrm_exe)

public:
    static constexpr int ResultOk = 1;
    static constexpr int ResultCancel = 2;
    static constexpr int ClientWidth = 170;
    static constexpr int ClientHeight = 169;
    static constexpr int SumCount = 5;

    static const QColor WrongColour; // red (255, 0, 0)
    static const QColor RightColour; // green (0, 128, 0)
    // Behind the answers: light under any palette.
    static constexpr QRgb BoxBackground = 0xffffffff;

    explicit Tfrm_exe(QWidget *parent = nullptr);
    ~Tfrm_exe() override;

    // The right result of each sum, drawn anew at each showing.
    int ExpectedSum1 = 0, ExpectedSum2 = 0, ExpectedSum3 = 0, ExpectedSum4 = 0, ExpectedSum5 = 0;
    // Set once all five boxes show a right result; cleared at each showing.
    bool ExercisesDone = false;

    // Sum i (1 to 5): its expected result, its label and its answer box.
    int ExpectedSum(int i) const;
    QLabel *SumLabel(int i) const;
    QLineEdit *AnswerBox(int i) const;
    QColor BoxColour(int i) const;

    // ---- handlers
    void FormShow();
    void EditChange(int i); // Edit1Change ... Edit5Change
    void BitBtn1Click();
    // Whether the dialog may close with this result; asks "Stop test?" for
    // any result but OK, and refuses OK before all sums are right.
    bool FormCloseQuery(int result);

    // Every close (OK, Cancel, Esc, the close box) passes FormCloseQuery;
    // the dialog ends with 1 or 2 only.
    void done(int result) override;

    // ---- controls under their form names
    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr, *Label5 = nullptr;
    QLineEdit *Edit1 = nullptr, *Edit2 = nullptr, *Edit3 = nullptr, *Edit4 = nullptr, *Edit5 = nullptr;
    QPushButton *BitBtn1 = nullptr; // "OK"
    QPushButton *BitBtn2 = nullptr; // "Cancel"

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void checkExercisesDone();
    void pressOkButton();
    void focusFirstWrongSum();
    void setBoxColour(int i, const QColor &colour);
    int &expectedSum(int i);

    QLabel *m_marks[SumCount] = {}; // the check mark inside each box
    // The box a right sum moved the focus on to, until a key is pressed in
    // it: a Tab pressed there out of habit stays on it.
    QLineEdit *m_movedTo = nullptr;
};
