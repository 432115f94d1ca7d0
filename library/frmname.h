#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The name prompt for a new Module. The module editor shows it modally and
// reads Edit1 when it ends with the OK result.
class Tfrm_name : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Tfrm_name)

public:
    explicit Tfrm_name(QWidget *parent = nullptr);
    ~Tfrm_name() override;

    // Empties the field and gives it the keyboard focus; runs at each showing.
    // Asking for a pattern, the field offers the pattern's name instead.
    void FormShow();

    // Asks also which pattern a new Module is made from: the list offers
    // `patterns`, the field each one's name from `names`. Empty lists ask
    // for the name alone again.
    void AskPattern(const QStringList &patterns, const QStringList &names);
    // The pattern picked; -1 when none was asked for.
    int PatternIndex() const;

    QLabel *Label1 = nullptr;
    QLineEdit *Edit1 = nullptr;
    QPushButton *BitBtn1 = nullptr; // OK
    QPushButton *BitBtn2 = nullptr; // Cancel
    QLabel *Label2 = nullptr;       // "Pattern", with ComboBox1
    QComboBox *ComboBox1 = nullptr; // the patterns

protected:
    void showEvent(QShowEvent *event) override;

private:
    QStringList m_patternNames;
};
