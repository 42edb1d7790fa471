#pragma once

#include "platform/NetworkPathMonitor.h"

#include <QMetaObject>
#include <QNetworkInformation>

// The network path from QNetworkInformation; without a backend the path is taken as satisfied
// at once.
class QtNetworkPathMonitor final : public NetworkPathMonitor
{
public:
    // Anything but a known disconnection: a captive portal or a blocked connectivity probe
    // reports Site or Local while the services may well be reachable.
    static bool isSatisfied(QNetworkInformation::Reachability reachability)
    {
        return reachability != QNetworkInformation::Reachability::Disconnected;
    }

    ~QtNetworkPathMonitor() override;
    void start(std::function<void(bool satisfied)> onPathUpdate) override;
    void cancel() override;

private:
    QMetaObject::Connection m_connection;
    bool m_cancelled = false;
};
