#include "app/PlatformChoice.h"

#include <QByteArray>
#include <QtGlobal>

void preferX11OnWaylandDesktop()
{
    // -platform on the command line overrides the variable in Qt itself.
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return;
    // The variables by which Qt itself tells a Wayland desktop and an X server.
    const bool wayland = qEnvironmentVariableIsSet("WAYLAND_DISPLAY") || qgetenv("XDG_SESSION_TYPE") == "wayland";
    if (wayland && qEnvironmentVariableIsSet("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb;wayland");
}
