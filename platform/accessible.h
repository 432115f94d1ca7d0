#pragma once

#include <QToolButton>

// What a screen reader hears of a few kinds of control, where Qt's own
// accessible interfaces leave a listener short.
//
// A drop-down: Qt names it by its current text and gives it no text, so a
// screen reader that names it by its label ("Module") finds no value to
// read after it. Here its name is its caption (its accessible name) and its
// text is the entry chosen, read as "Module combo box All Modules".
//
// A ListSwitch is a checkable button whose checked state means nothing to
// a listener ("check box not checked"): it is presented as a push button
// named by what it shows, which its owner keeps in its accessible name.
// Pressing it (Space, a click, the Press or Toggle action) flips it.
namespace Accessible {

// Installs the interfaces above for the whole program, once; later calls
// do nothing. Call it after the QApplication exists, before the windows
// are shown.
void Install();

} // namespace Accessible

class ListSwitch : public QToolButton
{
    Q_OBJECT

public:
    explicit ListSwitch(QWidget *parent = nullptr);
    ~ListSwitch() override;
};
