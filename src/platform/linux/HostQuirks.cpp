#include "HostQuirks.h"

#include <QStringList>

namespace HostQuirks {

bool placesNewItemsFirst(const QString &currentDesktop)
{
    // GNOME Shell's AppIndicator extension puts every new item leftmost; Plasma's tray sorts by category and
    // title, and among equal ones the last registered comes first. Xfce's plugin sorts by XAyatanaOrderingIndex.
    // Budgie ("Budgie:GNOME") has only a tray, which also puts the newest icon leftmost.
    const QStringList desktops = currentDesktop.split(QLatin1Char(':'));
    return desktops.contains(QStringLiteral("GNOME"), Qt::CaseInsensitive)
        || desktops.contains(QStringLiteral("KDE"), Qt::CaseInsensitive);
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

QString itemTitle()
{
    return QStringLiteral("Quotabar");
}

QString iconName(const QString &id, bool warn)
{
    return QStringLiteral("quotabar-%1%2-symbolic").arg(id, warn ? QStringLiteral("-warning") : QString());
}

}
