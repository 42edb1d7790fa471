#pragma once

#include <functional>
#include <memory>

// Reports whether the network path is usable, now and at every change, until cancelled.
class NetworkPathMonitor
{
public:
    virtual ~NetworkPathMonitor() = default;
    // The first report may come during this call. Reports stop after cancel().
    virtual void start(std::function<void(bool satisfied)> onPathUpdate) = 0;
    virtual void cancel() = 0;
};

using NetworkPathMonitorFactory = std::function<std::unique_ptr<NetworkPathMonitor>()>;
