#pragma once

#include "statusbar/TitleModel.h"

#include <functional>

class StatusMenu;

// The application's presence in the panel: the title and the drop-down menu.
class StatusItem
{
public:
    virtual ~StatusItem() = default;

    // Plain text shown until the first title.
    virtual void showPlaceholder(const QString &text) = 0;
    virtual void showTitle(const TitleModel &title) = 0;
    // Every item opens this menu; `aboutToShow` runs each time before it opens.
    virtual void setMenu(StatusMenu &menu, std::function<void()> aboutToShow) = 0;
};
