#pragma once

#include "statusbar/TitleModel.h"

#include <functional>

class StatusMenu;

// Where the controller shows the title and attaches the drop-down menu.
class TitleView
{
public:
    virtual ~TitleView() = default;

    // Plain text shown in each item until the first title.
    virtual void showPlaceholder(const QString &text) = 0;
    virtual void showTitle(const TitleModel &title) = 0;
    // Every item opens this menu; `aboutToShow` runs each time before it opens.
    virtual void setMenu(StatusMenu &menu, std::function<void()> aboutToShow) = 0;
};
