#pragma once

#include <QString>

namespace AppInfo {
// The maker's address, in the caption and the About text. An address of the
// reserved example domain: it belongs to no one.
inline const QString WebAddress = QStringLiteral("https://tenacio.example.org");
inline const QString MainCaption = QStringLiteral("Tenacio        Oberlund       ") + WebAddress;
} // namespace AppInfo
