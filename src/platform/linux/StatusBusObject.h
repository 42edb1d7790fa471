#pragma once

#include <QDBusConnection>
#include <QDBusContext>
#include <QObject>
#include <QVariantMap>

#include <functional>

// The program's public status interface on the session bus (app.quotabar.Quotabar1 at
// /app/quotabar/Quotabar); its description is resources/dbus/app.quotabar.Quotabar1.xml.
class StatusBusObject final : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "app.quotabar.Quotabar1")
    Q_PROPERTY(QVariantMap State READ state)

public:
    static inline const QString serviceName = QStringLiteral("app.quotabar.Quotabar");
    static inline const QString objectPath = QStringLiteral("/app/quotabar/Quotabar");
    static inline const QString interfaceName = QStringLiteral("app.quotabar.Quotabar1");

    struct Handlers
    {
        std::function<QString()> status;      // the status document
        std::function<QVariantMap()> state;   // the same as a{sv}
        std::function<void(std::function<void()> done)> refresh;
    };

    explicit StatusBusObject(Handlers handlers, QObject *parent = nullptr);

    // Exports the object and takes the name; false when the bus or the name is not available.
    bool publish(QDBusConnection bus = QDBusConnection::sessionBus());
    // Sends Changed with the current document, and PropertiesChanged for State.
    void announceChange();

    QVariantMap state() const { return m_handlers.state(); }

public slots:
    QString Status();
    QString Refresh();

signals:
    void Changed(const QString &status);

private:
    Handlers m_handlers;
    std::optional<QDBusConnection> m_bus;
};
