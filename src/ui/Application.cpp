#include "ui/Application.h"

#include <QGuiApplication>

namespace ui {

QString organisationName()
{
    return QStringLiteral("Kestro");
}

QString applicationName()
{
    return QStringLiteral("ReelMinder");
}

QString desktopFileName()
{
    return QStringLiteral("reelminder");
}

QString applicationVersion()
{
    return QStringLiteral(RM_VERSION);
}

QString applicationTitle()
{
    return QStringLiteral("reelMINDER/32 ") + applicationVersion();
}

void nameApplication()
{
    QCoreApplication::setOrganizationName(organisationName());
    QCoreApplication::setApplicationName(applicationName());
    QCoreApplication::setApplicationVersion(applicationVersion());
    // Ties the windows to the desktop entry: its icon and name in task bars and on Wayland.
    QGuiApplication::setDesktopFileName(desktopFileName());
}

} // namespace ui
