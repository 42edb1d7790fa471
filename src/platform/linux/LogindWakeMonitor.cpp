#include "LogindWakeMonitor.h"

#include <QDBusConnection>

LogindWakeMonitor::LogindWakeMonitor(QObject *parent)
    : QObject(parent)
{
    QDBusConnection::systemBus().connect(QStringLiteral("org.freedesktop.login1"),
                                         QStringLiteral("/org/freedesktop/login1"),
                                         QStringLiteral("org.freedesktop.login1.Manager"),
                                         QStringLiteral("PrepareForSleep"), this, SLOT(prepareForSleep(bool)));
}

void LogindWakeMonitor::prepareForSleep(bool sleeping)
{
    if (!sleeping)
        emit didWake();
}
