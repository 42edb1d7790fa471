#pragma once

#include "platform/PanelHost.h"

#include <QString>

#include <algorithm>
#include <vector>

// How panel hosts differ in placing, ordering, colouring and opening our items.
namespace HostQuirks {

// The items in the order to register them, so the host shows them in the given order.
template<typename Item>
std::vector<Item> registrationOrder(std::vector<Item> items, const PanelHost &host)
{
    if (host.placesNewItemsFirst())
        std::reverse(items.begin(), items.end());
    return items;
}

// Whether the host draws symbolic icons in its own text colour (MATE's panel draws them as they are).
bool recoloursSymbolicIcons(const PanelHost &host);
// Whether the host draws an item's label only when the label changes after the item shows, never the
// label it read with the item (GNOME's AppIndicator extension: a Shell restart, or figures known before
// the host first read the item, would leave the item without its figures).
bool drawsOnlyChangedLabels(const PanelHost &host);
// Whether a left click only calls Activate, so the item itself has to show the menu (MATE's panel).
bool leftClickOnlyActivates(const PanelHost &host);

// The themed icon of a provider's logo, "quotabar-claude-symbolic" (with "-warning" in the warning form).
QString iconName(const QString &id, bool warn);

}
