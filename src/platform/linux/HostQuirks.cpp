#include "HostQuirks.h"

namespace HostQuirks {

bool recoloursSymbolicIcons(const PanelHost &host)
{
    return host.isDesktop("XFCE") || host.isDesktop("KDE") || host.isDesktop("GNOME");
}

bool drawsOnlyChangedLabels(const PanelHost &host)
{
    return host.isDesktop("GNOME");
}

bool leftClickOnlyActivates(const PanelHost &host)
{
    return host.isDesktop("MATE");
}

QString iconName(const QString &id, bool warn)
{
    return QStringLiteral("quotabar-%1%2-symbolic").arg(id, warn ? QStringLiteral("-warning") : QString());
}

}
