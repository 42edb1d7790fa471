#include "HostQuirks.h"

#include <QStringList>

namespace HostQuirks {

bool placesNewItemsFirst(const QString &currentDesktop)
{
    // GNOME Shell's AppIndicator extension puts every new item leftmost. Budgie ("Budgie:GNOME") has only a
    // tray, which also puts the newest icon leftmost. Xfce's plugin sorts by XAyatanaOrderingIndex. Plasma 5.27
    // sorts by category, then by title (each segment's title); among equal titles a running tray puts the newest item
    // first, while a tray starting later takes the watcher's list as it is, so only distinct titles hold in both.
    return currentDesktop.split(QLatin1Char(':')).contains(QStringLiteral("GNOME"), Qt::CaseInsensitive);
}

bool recoloursSymbolicIcons(const QString &currentDesktop)
{
    const QStringList desktops = currentDesktop.split(QLatin1Char(':'));
    for (const char *host : {"XFCE", "KDE", "GNOME"}) {
        if (desktops.contains(QLatin1String(host), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

bool leftClickOnlyActivates(const QString &currentDesktop)
{
    return currentDesktop.split(QLatin1Char(':')).contains(QStringLiteral("MATE"), Qt::CaseInsensitive);
}

QString iconName(const QString &id, bool warn)
{
    return QStringLiteral("quotabar-%1%2-symbolic").arg(id, warn ? QStringLiteral("-warning") : QString());
}

}
