#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QTextBrowser;

// The About dialog.
class Tfrm_help : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Tfrm_help)

public:
    explicit Tfrm_help(QWidget *parent = nullptr);
    ~Tfrm_help() override;

    QLabel *Label1 = nullptr; // where help is: the guide's address, a link to it
    QLabel *Label2 = nullptr; // the data folder in use
    QPushButton *BitBtn1 = nullptr;

Q_SIGNALS:
    // The guide's address was followed: the dialog has closed, and the
    // guide is to be shown.
    void GuideRequested();
};

// The user guide: the HTML the program carries, in a window of its own
// that stays open beside the others. Its links lead within the guide;
// addresses of the web open in the desktop's browser.
class Tfrm_guide : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Tfrm_guide)

public:
    explicit Tfrm_guide(QWidget *parent = nullptr);
    ~Tfrm_guide() override;

    QTextBrowser *TextBrowser1 = nullptr;
    QPushButton *BitBtn1 = nullptr; // Close
};
