#pragma once

#include "library/settings.h"

#include <QDialog>
#include <QStringList>

#include <memory>

class ElementListModel;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QStringListModel;
class QStyle;
class QTabWidget;
class QVBoxLayout;
class QWidget;
class UpDown;

namespace Speech {
class Speaker;
}

// The options dialog. The Settings in force are what it last loaded or
// saved: the launcher takes them as one value (InForce) at the start of a
// run. What is typed in the dialog counts only once OK has written it;
// Cancel puts the controls back as they were.
class Tfrm_options : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Tfrm_options)

public:
    enum class Page { Training, Exam };

    explicit Tfrm_options(QWidget *parent = nullptr);
    ~Tfrm_options() override;

    // LoadModuleList, then LoadSettings. Runs at each showing and at the
    // main window's first show. Raises AppError when modules.ini exists but
    // can't be read.
    void LoadOptions();

    // Makes a library Module the Training Module with its whole range and
    // the Training count its number of Elements (within the count's
    // bounds): those four keys go into config.ini as it is then, every
    // other key keeping what it holds, and the options are loaded afresh.
    // False, with nothing changed, when the lists can't offer that Module.
    // Raises AppError when the library can't be read or config.ini written
    // (and then leaves the file and the Settings in force as they were).
    bool TrainOn(const QString &moduleName);

    // The Settings in force for a run of a page.
    Settings::RunOptions InForce(Page page) const;
    // What the last load found in config.ini that the options could not
    // have set, and what is used instead, for a run of a page: each
    // sentence once, the first time it is asked for.
    QStringList TakeNotices(Page page);

    // ---- published values: what the controls show
    QString NumberOfElementsText(Page page) const; // Edit1 / Edit2 text
    QString TimerText() const;                     // Edit3 text (Training)
    QString ModuleName(Page page) const;           // ComboBox1 / ComboBox4 text; empty: none
    int ElementTotal(Page page) const;             // items in ComboBox2 / ComboBox5
    QString ElementAt(Page page, int index) const; // item of ComboBox2 / ComboBox5
    int RangeFrom(Page page) const;                // index selected in ComboBox2 / ComboBox5; -1: none
    int RangeTo(Page page) const;                  // index selected in ComboBox3 / ComboBox6; -1: none
    bool DoExercises() const;                      // CheckBox1
    bool UnlimitedTime() const;                    // CheckBox2
    bool ShowSerialNumber() const;                 // CheckBox3
    Settings::Draw DrawOf(Page page) const;        // ComboBox9 / ComboBox10
    // How a Training is spoken. Speech is off when this build or system
    // can't speak.
    bool SpeakElements() const; // CheckBox4
    bool HideElements() const;  // CheckBox5, with CheckBox4
    QString VoiceName() const;  // ComboBox7; empty: the engine's own
    int SpeechRate() const;     // ComboBox8, in tenths: -10 to 10
    int PauseMs() const;        // ComboBox11, in milliseconds
    int KeepThreshold() const;  // SpinEdit1, in percent
    bool ReadDigits() const;    // CheckBox6, with CheckBox4

    // ---- handlers
    // Runs LoadOptions; a failure is shown by the error report.
    void FormShow();
    // The user picked a Module: that page's range becomes its whole list.
    void ComboBox1Change();
    void ComboBox4Change();
    // OK: all twelve keys into config.ini; a failed write is shown by the
    // error report. True when written: only then does the button close
    // the dialog, so a failure keeps what was typed.
    bool BitBtn1Click();
    // Cancel, Escape and the close box: the controls go back to the
    // Settings in force.
    void reject() override;

    // ---- controls under their form names
    QTabWidget *PageControl1 = nullptr;
    QWidget *TabSheet1 = nullptr, *TabSheet2 = nullptr;
    QLineEdit *Edit1 = nullptr, *Edit2 = nullptr, *Edit3 = nullptr;
    UpDown *UpDown1 = nullptr, *UpDown2 = nullptr, *UpDown3 = nullptr;
    QComboBox *ComboBox1 = nullptr, *ComboBox2 = nullptr, *ComboBox3 = nullptr;
    QComboBox *ComboBox4 = nullptr, *ComboBox5 = nullptr, *ComboBox6 = nullptr;
    QCheckBox *CheckBox1 = nullptr, *CheckBox2 = nullptr, *CheckBox3 = nullptr;
    // Speech (Training): absent from a build without it.
    QCheckBox *CheckBox4 = nullptr, *CheckBox5 = nullptr;
    QCheckBox *CheckBox6 = nullptr;  // "Read numbers digit by digit"
    QComboBox *ComboBox7 = nullptr;  // voice: one for each language
    QComboBox *ComboBox8 = nullptr;  // rate
    QComboBox *ComboBox11 = nullptr; // the least pause between Elements
    QCheckBox *CheckBox7 = nullptr;  // "Spoken numbers, as in competitions"
    QComboBox *ComboBox12 = nullptr; // its trial lengths: sets the number of elements
    // How a run draws: Training, Exam.
    QComboBox *ComboBox9 = nullptr, *ComboBox10 = nullptr;
    // Says why nothing can be spoken; shown only then.
    QLabel *LabelSpeech = nullptr;
    // What pace digit-by-digit reading of the range really gives; shown
    // while the voice reads numbers digit by digit.
    QLabel *LabelPace = nullptr;
    QPushButton *BitBtn1 = nullptr, *BitBtn2 = nullptr;
    // Says that the Module library could not be read; shown only then.
    QLabel *LabelLibrary = nullptr;
    // Exam page: how many mistakes end an Exam of the number of Elements set.
    QLabel *LabelMistakes = nullptr;
    // Exam page: the keep threshold, as kept Modules of both runs use it.
    QSpinBox *SpinEdit1 = nullptr;

protected:
    void showEvent(QShowEvent *event) override;

private:
    // What a page's controls held when they were last put in force.
    struct PageInForce
    {
        QString number;
        QString module; // empty: none
        Modules::ElementList elements;
        int from = -1;
        int to = -1;
        QString notice; // the stored Module was not found; empty: none
        Settings::Draw draw = Settings::Draw::AtRandom;
    };

    // The controls of one page.
    struct PageControls
    {
        QLineEdit *number = nullptr;
        QComboBox *module = nullptr;
        QComboBox *from = nullptr;
        QComboBox *to = nullptr;
        QComboBox *draw = nullptr;
        ElementListModel *elementsModel = nullptr; // shared by from and to
        Modules::ElementList elements;             // what the model holds
        QString notice;                            // what the last load found of the stored Module
        PageInForce inForce;
    };

    // The constructor's parts, in the order it runs them.
    void buildTabs();
    void buildTrainingControls(QStyle *listStyle);
    void buildExamControls(QStyle *listStyle);
    QComboBox *makeDrawList(QWidget *page, const QString &name, const QString &heading);
    void selectDraw(Page page, Settings::Draw draw);
    void layOutPage(Page page);
    void layOutTrainingExtras(QGridLayout *grid, QVBoxLayout *column);
    void layOutForm();
    void orderTabs();
    // What each option does, one block a page.
    void setTrainingToolTips();
    void setExamToolTips();
    void updateMistakeRule();

    void loadModuleList();
    void fitSize();
    // Asks the speech engine for its voices, and the sound server, away
    // from the window's thread, whether it can speak: the page says
    // "Checking the voice…" until the server answers (or has not in time).
    void probeSpeech();
    void speechChecked();
    void loadSpeech(const Settings::Speech &speech);
    void updateSpeechControls();
    // LabelPace anew; `rescan` looks through the range for its longest
    // number again.
    void updatePace(bool rescan);
    void selectTrial();
    std::optional<Settings::Speech> currentSpeech() const;
    void loadSettings();
    void loadThreshold();
    void fillRangeLists(Page page);
    void selectModule(Page page, const QString &storedName);
    // The controls become the Settings in force, or go back to them.
    void putInForce();
    void showInForce();
    Settings::Record currentRecord() const;
    Settings::PageValues currentPageValues(Page page) const;

    PageControls &controls(Page page) { return page == Page::Training ? m_training : m_exam; }
    const PageControls &controls(Page page) const { return page == Page::Training ? m_training : m_exam; }

    PageControls m_training;
    PageControls m_exam;
    QStringListModel *m_modulesModel = nullptr; // shared by both Module lists
    // The library could not be read at the last load: OK then keeps the
    // Module and range choices stored in config.ini instead of the empty
    // lists it shows.
    bool m_libraryUnreadable = false;
    Settings::Record m_loaded; // as config.ini held it at the last load
    // The Training's own Settings in force; the pages keep theirs.
    QString m_timerInForce;
    bool m_exercisesInForce = true, m_unlimitedInForce = false, m_serialNumberInForce = true;
    Settings::Speech m_speechInForce; // as the controls showed it
    int m_thresholdInForce = 0;
    QString m_thresholdNotice; // the stored threshold is unusable; empty: it is not
    QStringList m_told;        // notices already given
    bool m_speechProbed = false;
    QString m_speechProblem;                        // why the engine can't speak; empty: it can (or not asked yet)
    std::unique_ptr<Speech::Speaker> m_speechCheck; // asking the sound server
    bool m_speechChecking = false;                  // ... and not answered yet
    QStringList m_voices;                           // the engine's voices and "+<variant>", when asked
    QStringList m_voiceNames;                       // ... as the list shows them
    QList<QWidget *> m_speechControls;              // all speech controls and their labels
    QLabel *m_trialLabel = nullptr;                 // ComboBox12's
    int m_paceDigits = 0;                           // the range's longest number, for LabelPace
};
