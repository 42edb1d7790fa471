#pragma once

#include "platform/StatusPublisher.h"

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusUnixFileDescriptor>
#include <QObject>
#include <QVariantMap>

#include <functional>

// The program's public status interface on the session bus (app.quotabar.Quotabar1 at
// /app/quotabar/Quotabar); its description is resources/dbus/app.quotabar.Quotabar1.xml.
class StatusBusObject final : public QObject, public StatusPublisher, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "app.quotabar.Quotabar1")
    Q_PROPERTY(QVariantMap State READ state)

public:
    static inline const QString serviceName = QStringLiteral("app.quotabar.Quotabar");
    static inline const QString objectPath = QStringLiteral("/app/quotabar/Quotabar");
    static inline const QString interfaceName = QStringLiteral("app.quotabar.Quotabar1");

    using Handlers = StatusPublisher::Handlers;
    static inline const QString refusedError = QStringLiteral("app.quotabar.Quotabar1.Error.Refused");

    explicit StatusBusObject(Handlers handlers, QObject *parent = nullptr);

    // Exports the object and takes the name; false when the bus or the name is not available.
    bool publish(QDBusConnection bus);
    bool publish() override { return publish(QDBusConnection::sessionBus()); }
    // Sends Changed with the current document, and PropertiesChanged for State.
    void announceChange() override;

    QVariantMap state() const { return m_handlers.state(); }

public slots:
    QString Status();
    QString Refresh();
    void EditAccount(const QString &verb, const QStringList &arguments);
    QString AddAccount(const QString &provider, const QString &label, const QString &source,
                       const QDBusUnixFileDescriptor &key);

signals:
    void Changed(const QString &status);

private:
    Handlers m_handlers;
    std::optional<QDBusConnection> m_bus;
};
