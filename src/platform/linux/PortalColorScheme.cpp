#include "PortalColorScheme.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>

namespace {

const QString service = QStringLiteral("org.freedesktop.portal.Desktop");
const QString path = QStringLiteral("/org/freedesktop/portal/desktop");
const QString interface = QStringLiteral("org.freedesktop.portal.Settings");
const QString group = QStringLiteral("org.freedesktop.appearance");
const QString key = QStringLiteral("color-scheme");

} // namespace

PortalColorScheme::PortalColorScheme(const QDBusConnection &bus, QObject *parent)
    : QObject(parent)
    , m_bus(bus)
{
    if (!m_bus.isConnected())
        return;
    m_bus.connect(service, path, interface, QStringLiteral("SettingChanged"), this,
                  SLOT(settingChanged(QString, QString, QDBusVariant)));
    ask(QStringLiteral("ReadOne"));
}

void PortalColorScheme::ask(const QString &method)
{
    QDBusMessage call = QDBusMessage::createMethodCall(service, path, interface, method);
    call << group << key;
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, method] {
        watcher->deleteLater();
        const QDBusPendingReply<QDBusVariant> reply = *watcher;
        // Portals before version 2 of the interface have only Read.
        if (reply.isError() && reply.error().type() == QDBusError::UnknownMethod && method != QLatin1String("Read"))
            ask(QStringLiteral("Read"));
        else if (!reply.isError())
            take(fromValue(reply.argumentAt(0)));
    });
}

void PortalColorScheme::settingChanged(const QString &changedGroup, const QString &changedKey, const QDBusVariant &value)
{
    if (changedGroup == group && changedKey == key)
        take(fromValue(value.variant()));
}

void PortalColorScheme::take(const std::optional<PanelShade::ColorScheme> &value)
{
    if (value == m_value)
        return;
    m_value = value;
    emit changed();
}

std::optional<PanelShade::ColorScheme> PortalColorScheme::fromValue(const QVariant &value)
{
    QVariant inner = value;
    while (inner.metaType() == QMetaType::fromType<QDBusVariant>())
        inner = inner.value<QDBusVariant>().variant();
    if (inner.metaType() != QMetaType::fromType<uint>())
        return std::nullopt;
    const uint number = inner.toUInt();
    if (number > uint(PanelShade::ColorScheme::preferLight))
        return std::nullopt;
    return PanelShade::ColorScheme(number);
}
