#include "QtNetworkPathMonitor.h"

#include <QNetworkInformation>

QtNetworkPathMonitor::~QtNetworkPathMonitor()
{
    cancel();
}

void QtNetworkPathMonitor::start(std::function<void(bool satisfied)> onPathUpdate)
{
    QNetworkInformation *information = nullptr;
    if (QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability))
        information = QNetworkInformation::instance();
    if (!information) {
        onPathUpdate(true);
        return;
    }
    m_connection = QObject::connect(information, &QNetworkInformation::reachabilityChanged, information,
                                    [this, onPathUpdate](QNetworkInformation::Reachability reachability) {
                                        if (!m_cancelled)
                                            onPathUpdate(isSatisfied(reachability));
                                    });
    onPathUpdate(isSatisfied(information->reachability()));
}

void QtNetworkPathMonitor::cancel()
{
    m_cancelled = true;
    QObject::disconnect(m_connection);
}
