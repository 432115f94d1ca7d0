#include "app/appinfo.h"

#include <QFileInfo>
#include <QUrl>

namespace AppInfo {
namespace {

QString &installedGuide()
{
    static QString path;
    return path;
}

} // namespace

void SetInstalledGuide(const QString &path) { installedGuide() = path; }

QString GuideAddress()
{
    const QString &path = installedGuide();
    if (!path.isEmpty() && QFileInfo(path).isFile())
        return QUrl::fromLocalFile(path).toString();
    return QStringLiteral("qrc") + GuideResource;
}

QString MainCaption() { return QStringLiteral("Tenacio        Oberlund       ") + GuideAddress(); }

} // namespace AppInfo
