#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QWidget;

// The options dialog. Its controls are the Settings in force: the launcher
// and the runner read them through the published values below, at the
// start of a run and at every draw, never config.ini.
class Tfrm_options : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Tfrm_options)

public:
    enum class Page { Training, Exam };

    explicit Tfrm_options(QWidget *parent = nullptr);
    ~Tfrm_options() override;

    // LoadModuleList, then LoadSettings. Runs at each showing and at the
    // main window's first show.
    void LoadOptions();

    // ---- published values (read-only view of the Settings in force)
    QString NumberOfElementsText(Page page) const;  // Edit1 / Edit2 text
    QString TimerText() const;                      // Edit3 text (Training)
    QString ModuleName(Page page) const;            // ComboBox1 / ComboBox4 text; empty: none
    int ElementTotal(Page page) const;              // items in ComboBox2 / ComboBox5
    QString ElementAt(Page page, int index) const;  // item of ComboBox2 / ComboBox5
    int RangeFrom(Page page) const;                 // index selected in ComboBox2 / ComboBox5; -1: none
    int RangeTo(Page page) const;                   // index selected in ComboBox3 / ComboBox6; -1: none
    bool DoExercises() const;                       // CheckBox1
    bool UnlimitedTime() const;                     // CheckBox2
    bool ShowSerialNumber() const;                  // CheckBox3

    // ---- handlers
    void FormShow();
    void ComboBox1Change();
    void ComboBox4Change();
    void BitBtn1Click();

    // ---- controls under their form names
    QTabWidget *PageControl1 = nullptr;
    QWidget *TabSheet1 = nullptr, *TabSheet2 = nullptr;
    QLineEdit *Edit1 = nullptr, *Edit2 = nullptr, *Edit3 = nullptr;
    QComboBox *ComboBox1 = nullptr, *ComboBox2 = nullptr, *ComboBox3 = nullptr;
    QComboBox *ComboBox4 = nullptr, *ComboBox5 = nullptr, *ComboBox6 = nullptr;
    QCheckBox *CheckBox1 = nullptr, *CheckBox2 = nullptr, *CheckBox3 = nullptr;
    QPushButton *BitBtn1 = nullptr, *BitBtn2 = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
};
