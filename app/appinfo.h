#pragma once

#include <QString>

namespace AppInfo {

// The user guide carried inside the program.
inline const QString GuideResource = QStringLiteral(":/help/guide.html");

// The guide installed with the program (a package's
// /usr/share/doc/tenacio/guide.html), set at start-up; empty when the
// program is not installed with one.
void SetInstalledGuide(const QString &path);

// The guide's local address, which the caption and the About text name:
// the installed file when it is there, else the program's own copy.
QString GuideAddress();

// The main window's caption: the program, its maker and the guide.
QString MainCaption();

} // namespace AppInfo
