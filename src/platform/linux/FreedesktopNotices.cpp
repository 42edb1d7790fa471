#include "FreedesktopNotices.h"

#include "platform/LogCategories.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

#include <algorithm>

namespace {

const QString service = QStringLiteral("org.freedesktop.Notifications");
const QString path = QStringLiteral("/org/freedesktop/Notifications");
const QString interface = QStringLiteral("org.freedesktop.Notifications");
constexpr uchar normalUrgency = 1;
constexpr int serverDefaultTimeout = -1;

} // namespace

FreedesktopNotices::FreedesktopNotices(Sender sender, QDBusConnection bus, QObject *parent)
    : QObject(parent)
    , m_sender(std::move(sender))
    , m_bus(std::move(bus))
{
    if (!m_bus.isConnected())
        return;
    m_bus.connect(service, path, interface, QStringLiteral("ActionInvoked"), this,
                  SLOT(actionInvoked(uint, QString)));
    m_bus.connect(service, path, interface, QStringLiteral("NotificationClosed"), this,
                  SLOT(notificationClosed(uint, uint)));
}

void FreedesktopNotices::show(const QString &tag, const DesktopNotice &notice)
{
    if (!m_bus.isConnected()) {
        unavailable(QStringLiteral("no session bus"));
        return;
    }
    QStringList actions;
    for (const auto &[key, label] : notice.actions)
        actions << key << label;
    const QVariantMap hints{
        {QStringLiteral("desktop-entry"), m_sender.appIcon},
        {QStringLiteral("urgency"), QVariant::fromValue(normalUrgency)},
    };
    QDBusMessage call = QDBusMessage::createMethodCall(service, path, interface, QStringLiteral("Notify"));
    call << m_sender.appName << m_shown.value(tag, 0u) << m_sender.appIcon << notice.summary << notice.body << actions
         << hints << serverDefaultTimeout;

    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, tag](QDBusPendingCallWatcher *finished) {
        const QDBusPendingReply<uint> reply = *finished;
        if (reply.isError())
            unavailable(reply.error().message());
        else
            m_shown.insert(tag, reply.value());
        finished->deleteLater();
    });
}

void FreedesktopNotices::actionInvoked(uint id, const QString &actionKey)
{
    if (m_actionHandler && std::find(m_shown.cbegin(), m_shown.cend(), id) != m_shown.cend())
        m_actionHandler(actionKey);
}

void FreedesktopNotices::notificationClosed(uint id, uint)
{
    m_shown.removeIf([id](const auto &shown) { return shown.value() == id; });
}

void FreedesktopNotices::unavailable(const QString &reason)
{
    if (m_toldUnavailable)
        return;
    m_toldUnavailable = true;
    qCWarning(noticesLog).noquote() << "Desktop notifications unavailable, notices are skipped:" << reason;
}
