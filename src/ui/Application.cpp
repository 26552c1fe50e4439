#include "ui/Application.h"

namespace ui {

QString applicationName()
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

} // namespace ui
