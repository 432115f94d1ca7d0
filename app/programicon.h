#pragma once

#include <QIcon>

// The program's icon. Its packaged sizes are decoded one at a time, when a
// size is first drawn, so that setting it as the window icon costs nothing
// at start-up.
QIcon ProgramIcon();
