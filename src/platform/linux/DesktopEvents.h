#pragma once

#include "platform/SystemEvents.h"

#include <QObject>

class PanelInk;

// The system's events on a Linux desktop: logind's wake-ups, the kernel's clock jumps, Qt's palette
// changes and the panel's ink.
class DesktopEvents final : public QObject, public SystemEvents
{
public:
    // `ink` must outlive this.
    explicit DesktopEvents(const PanelInk &ink, QObject *parent = nullptr);

    void follow(Handlers handlers) override;

private:
    const PanelInk &m_ink;
};
