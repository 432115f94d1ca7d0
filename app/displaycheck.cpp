#include "app/displaycheck.h"

#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>

#include <dlfcn.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

namespace {

// Connects to the X server the way Qt's X platform will, through libxcb
// loaded for the moment (the program itself doesn't link it).
bool xDisplayReachable()
{
    void *xcb = ::dlopen("libxcb.so.1", RTLD_LAZY | RTLD_LOCAL);
    if (!xcb)
        return false;
    using Connect = void *(*)(const char *, int *);
    using HasError = int (*)(void *);
    using Disconnect = void (*)(void *);
    const auto connect = reinterpret_cast<Connect>(::dlsym(xcb, "xcb_connect"));
    const auto hasError = reinterpret_cast<HasError>(::dlsym(xcb, "xcb_connection_has_error"));
    const auto disconnect = reinterpret_cast<Disconnect>(::dlsym(xcb, "xcb_disconnect"));
    bool ok = false;
    if (connect && hasError && disconnect) {
        void *connection = connect(nullptr, nullptr);
        ok = connection && hasError(connection) == 0;
        if (connection)
            disconnect(connection);
    }
    ::dlclose(xcb);
    return ok;
}

bool waylandPluginInstalled()
{
    const QDir platforms(QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms"));
    return !platforms.entryList({QStringLiteral("libqwayland*.so")}, QDir::Files).isEmpty();
}

bool waylandDisplayReachable(const QByteArray &display)
{
    QByteArray path = display;
    if (!path.startsWith('/'))
        path = qgetenv("XDG_RUNTIME_DIR") + '/' + display;
    sockaddr_un address{};
    if (path.size() >= qsizetype(sizeof address.sun_path))
        return false;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const bool ok = ::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0;
    ::close(fd);
    return ok;
}

} // namespace

namespace DisplayCheck {

QString Problem()
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return QString();
    const QByteArray x = qgetenv("DISPLAY");
    const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
    if (!x.isEmpty() && xDisplayReachable())
        return QString();
    if (!wayland.isEmpty()) {
        if (!waylandPluginInstalled()) {
            if (x.isEmpty())
                return QStringLiteral("Only a Wayland display is set (WAYLAND_DISPLAY=%1), and Qt's Wayland platform "
                                      "plugin is not installed (Debian: qt6-wayland).")
                    .arg(QString::fromLocal8Bit(wayland));
        } else if (waylandDisplayReachable(wayland)) {
            qputenv("QT_QPA_PLATFORM", "wayland");
            return QString();
        }
    }
    if (!x.isEmpty())
        return QStringLiteral("The display DISPLAY=%1 can't be reached.").arg(QString::fromLocal8Bit(x));
    if (!wayland.isEmpty())
        return QStringLiteral("The Wayland display WAYLAND_DISPLAY=%1 can't be reached.")
            .arg(QString::fromLocal8Bit(wayland));
    return QStringLiteral("No graphical display was found (DISPLAY is not set).");
}

} // namespace DisplayCheck
