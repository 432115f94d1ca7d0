#pragma once

// Whether the program can open a window, checked before Qt is started:
// Qt aborts with its own diagnostics when the display it picks can't be
// reached, and those say nothing about the way out.

#include <QString>

namespace DisplayCheck {

// Empty when a display can be used (or QT_QPA_PLATFORM names a platform
// of the user's choosing); otherwise what is wrong, in a sentence, for
// the message the program prints before it exits. When only a Wayland
// display is reachable, QT_QPA_PLATFORM is set to "wayland" so that Qt
// doesn't try X.
QString Problem();

} // namespace DisplayCheck
