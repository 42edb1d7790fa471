#include "PanelHost.h"

#include "platform/PanelShade.h"

bool PanelHost::isDesktop(const char *name) const
{
    return PanelShade::hasDesktop(currentDesktop, name);
}

bool PanelHost::drawsLabels() const
{
    if (isDesktop("XFCE"))
        return xfceTray == XfceTray::sntray;
    return !isDesktop("KDE");
}

bool PanelHost::placesNewItemsFirst() const
{
    // GNOME Shell's AppIndicator extension puts every new item leftmost. Budgie ("Budgie:GNOME") has only a
    // tray, which also puts the newest icon leftmost, and so does Xfce's systray plugin (it keeps the items
    // it has seen newest first). The sntray plugin sorts by XAyatanaOrderingIndex. Plasma sorts by category,
    // then by title (each segment's title); among equal titles a running tray puts the newest item first,
    // while a tray starting later takes the watcher's list as it is, so only distinct titles hold in both.
    if (isDesktop("XFCE"))
        return xfceTray != XfceTray::sntray;
    return isDesktop("GNOME");
}
