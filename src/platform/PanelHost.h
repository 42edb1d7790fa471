#pragma once

#include <QString>

// What shows the panel items, as far as it changes how they should be drawn and ordered. The
// desktop's name alone does not tell: Xfce's panel draws labels with one tray plugin and not with
// the other.
struct PanelHost
{
    // The plugin of Xfce's panel that hosts the items: its own systray plugin (icons only, each new
    // item put first) or vala-panel's sntray plugin (labels, items sorted by their ordering index).
    enum class XfceTray { none, systray, sntray };

    QString currentDesktop; // XDG_CURRENT_DESKTOP
    XfceTray xfceTray = XfceTray::none;

    bool isDesktop(const char *name) const;
    // Whether the host draws an item's label beside its icon (Plasma's tray and Xfce's systray do not).
    bool drawsLabels() const;
    // Whether the host puts each new item before the ones already there.
    bool placesNewItemsFirst() const;
};
