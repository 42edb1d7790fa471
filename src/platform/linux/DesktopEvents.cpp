#include "DesktopEvents.h"

#include "platform/linux/LogindWakeMonitor.h"
#include "platform/linux/WallClockMonitor.h"
#include "platform/qt/AppearanceMonitor.h"
#include "platform/qt/PanelInk.h"

DesktopEvents::DesktopEvents(const PanelInk &ink, QObject *parent)
    : QObject(parent)
    , m_ink(ink)
{
}

void DesktopEvents::follow(Handlers handlers)
{
    // The monitors are children: they and their connections end with this.
    auto *wake = new LogindWakeMonitor(this);
    connect(wake, &LogindWakeMonitor::didWake, this, handlers.didWake);
    auto *wallClock = new WallClockMonitor(this);
    connect(wallClock, &WallClockMonitor::changed, this, handlers.clockChanged);
    auto *appearance = new AppearanceMonitor(this);
    connect(appearance, &AppearanceMonitor::changed, this, handlers.appearanceChanged);
    connect(&m_ink, &PanelInk::changed, this, handlers.appearanceChanged);
}
