#pragma once

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QObject>
#include <QStringList>

// The smallest StatusNotifierWatcher a panel would run: it records who registers, and reads each
// item's Id as a host does when it adds the item.
class MinimalWatcher final : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ hostRegistered)
    Q_PROPERTY(int ProtocolVersion READ protocolVersion)
    Q_PROPERTY(QStringList RegisteredStatusNotifierItems READ items)

public:
    bool hostRegistered() const { return host; }
    int protocolVersion() const { return 0; }
    QStringList items() const { return registrations; }

    QStringList registrations;
    QStringList senders;
    bool holdAnswers = false;
    QList<QDBusMessage> held;
    bool host = true;

signals:
    void StatusNotifierHostRegistered();

public slots:
    void RegisterStatusNotifierItem(const QString &service)
    {
        registrations.append(service);
        senders.append(message().service());
        if (host) {
            QDBusMessage get = QDBusMessage::createMethodCall(service, QStringLiteral("/StatusNotifierItem"),
                                                              QStringLiteral("org.freedesktop.DBus.Properties"),
                                                              QStringLiteral("Get"));
            get << QStringLiteral("org.kde.StatusNotifierItem") << QStringLiteral("Id");
            connection().asyncCall(get);
        }
        if (holdAnswers) {
            setDelayedReply(true);
            held.append(message().createReply());
        }
    }
    void RegisterStatusNotifierHost(const QString &) {}
};
