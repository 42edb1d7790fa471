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
// Whether a left click only calls Activate, so the item itself has to show the menu (MATE's panel).
bool leftClickOnlyActivates(const PanelHost &host);

// The themed icon of a provider's logo, "quotabar-claude-symbolic" (with "-warning" in the warning form).
QString iconName(const QString &id, bool warn);

}
