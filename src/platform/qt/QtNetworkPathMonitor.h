#pragma once

#include "platform/NetworkPathMonitor.h"

#include <QMetaObject>

// The network path from QNetworkInformation: Online counts as satisfied; without a backend
// the path is taken as satisfied at once.
class QtNetworkPathMonitor final : public NetworkPathMonitor
{
public:
    ~QtNetworkPathMonitor() override;
    void start(std::function<void(bool satisfied)> onPathUpdate) override;
    void cancel() override;

private:
    QMetaObject::Connection m_connection;
    bool m_cancelled = false;
};
